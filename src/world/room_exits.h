#pragma once
// A room's exits. Every server has the six directions north to down;
// tbaMUD adds the four diagonals (6 northwest to 9 southwest). Few rooms
// have a diagonal, so a room holds its six exits in place and gets its four
// diagonal slots only when one is first written: a room without diagonals
// costs one pointer more than six exits.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "world/dialect.h"

namespace tarnwick {

enum Direction { North = 0, East, South, West, Up, Down, Northwest, Northeast, Southeast, Southwest };
// Every direction any of the servers knows.
constexpr int kDirectionCount = 10;
// North to down: all CircleMUD has, and all tbaMUD reads with its
// diagonal_dirs setting off.
constexpr int kPlainDirectionCount = 6;
// The directions as messages and commands write them.
inline constexpr const char* kDirectionWords[kDirectionCount] = {
    "north", "east", "south", "west", "up", "down",
    "northwest", "northeast", "southeast", "southwest"};
// The directions as the exit list and the zone comments name them,
// padded to nine characters.
inline constexpr std::array<const char*, kDirectionCount> kDirectionCaptions = {
    "Norte    ", "Este     ", "Sur      ", "Oeste    ", "Arriba   ",
    "Abajo    ", "Noroeste ", "Noreste  ", "Sureste  ", "Suroeste "};
// The direction of the way back: south for north, down for up, southeast
// for northwest.
inline constexpr int kOppositeDirection[kDirectionCount] = {
    South, West, North, East, Down, Up, Southeast, Southwest, Northwest, Northeast};

constexpr bool is_diagonal(int direction) {
    return direction >= kPlainDirectionCount && direction < kDirectionCount;
}
// The directions a dialect's rooms can hold: 0 to this, less one.
constexpr int direction_count(Dialect d) {
    return d == Dialect::TbaMud ? kDirectionCount : kPlainDirectionCount;
}

struct room_direction_data {
    std::string exit_description;
    std::string keywords;
    int32_t door = 0;        // 0 no door, 1 door, 2 pick-proof door; 3, 4 hidden (tbaMUD)
    int32_t key_vnum = -1;   // object vnum of the key, -1 for none
    int32_t target_vnum = -1;
    bool operator==(const room_direction_data&) const = default;
};

using ExitSlot = std::optional<room_direction_data>;

class RoomExits {
public:
    RoomExits() = default;
    // A copied room owns copies of its exits.
    RoomExits(const RoomExits& other) : plain_(other.plain_) {
        if (other.diagonals_) diagonals_ = std::make_unique<Diagonals>(*other.diagonals_);
    }
    RoomExits& operator=(const RoomExits& other) {
        if (this != &other) *this = RoomExits(other);
        return *this;
    }
    RoomExits(RoomExits&&) noexcept = default;
    RoomExits& operator=(RoomExits&&) noexcept = default;

    // Any direction 0-9; a diagonal of a room that has none reads as empty.
    // Reading never allocates: changes go through slot().
    const ExitSlot& operator[](size_t direction) const {
        if (direction < plain_.size()) return plain_[direction];
        static const ExitSlot kNone;
        return diagonals_ ? (*diagonals_)[direction - plain_.size()] : kNone;
    }
    // The slot of `direction` to change; a diagonal makes the room's four
    // diagonal slots.
    ExitSlot& slot(size_t direction) {
        if (direction < plain_.size()) return plain_[direction];
        if (!diagonals_) diagonals_ = std::make_unique<Diagonals>();
        return (*diagonals_)[direction - plain_.size()];
    }
    // Empties one direction without making diagonal slots for it.
    void clear(size_t direction) {
        if (direction < plain_.size() || diagonals_) slot(direction).reset();
    }
    bool has_diagonals() const {
        if (diagonals_)
            for (const ExitSlot& e : *diagonals_)
                if (e) return true;
        return false;
    }
    void clear_diagonals() { diagonals_.reset(); }

    // The slots held: the six, then the four diagonals once the room has
    // them; empty slots included, in direction order.
    size_t size() const { return diagonals_ ? size_t(kDirectionCount) : plain_.size(); }

    template <class Owner, class Slot>
    class Iterator {
    public:
        Iterator(Owner* owner, size_t at) : owner_(owner), at_(at) {}
        Slot& operator*() const { return owner_->at_held(at_); }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator& o) const { return at_ == o.at_; }

    private:
        Owner* owner_;
        size_t at_;
    };
    using iterator = Iterator<RoomExits, ExitSlot>;
    using const_iterator = Iterator<const RoomExits, const ExitSlot>;
    iterator begin() { return {this, 0}; }
    iterator end() { return {this, size()}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // Rooms with the same exits are equal whether or not either has ever
    // held a diagonal.
    bool operator==(const RoomExits& other) const {
        for (size_t d = 0; d < size_t(kDirectionCount); ++d)
            if ((*this)[d] != other[d]) return false;
        return true;
    }

private:
    using Diagonals = std::array<ExitSlot, kDirectionCount - kPlainDirectionCount>;
    ExitSlot& at_held(size_t d) { return d < plain_.size() ? plain_[d] : (*diagonals_)[d - plain_.size()]; }
    const ExitSlot& at_held(size_t d) const { return (*this)[d]; }

    std::array<ExitSlot, kPlainDirectionCount> plain_{};
    std::unique_ptr<Diagonals> diagonals_;
};

}  // namespace tarnwick
