#pragma once
// The shop editor's logic: the window's fields as text, show and apply of
// one shop (scalar fields and messages travel on leaving the shop), and the
// product, buy type and room lists that change the shop at once.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editors/shown_record.h"

namespace tarnwick {

class World;
class Messages;
class Chooser;
struct shop_data;

inline constexpr int kShopBitCount = 2;
inline constexpr int kWithWhoBitCount = 7;
inline constexpr int kShopHourMax = 24;

struct ShopFields {
    std::string vnum, keeper_vnum, keeper_name;
    std::vector<std::string> sell_lines, buy_lines, room_lines;
    int sell_selected = -1, buy_selected = -1, room_selected = -1;
    int type_entry = -1;        // TypeCombo
    std::string keywords;       // KeywordEd
    bool keywords_enabled = false;
    std::string profit_sell = "1.1", profit_buy = "0.9";
    int temper = -1;            // 0..2, -1 none
    std::array<bool, kShopBitCount> shop_bits{};
    std::array<bool, kWithWhoBitCount> with_who{};
    std::array<std::string, 7> messages;
    std::string start1, end1, start2, end2;
    bool pages_enabled = false;
};

// The temper choices, entry i is temper i.
extern const std::array<const char*, 3> kTemperNames;

class ShopEditor {
public:
    // Reports a change to the world (the default marks world.changed).
    std::function<void()> on_world_changed;

    ShopEditor(World& world, Messages& messages, Chooser& chooser);

    ShopFields fields;
    int current() const { return current_; }
    bool shown() const;

    void show_shop(int index);
    // False when a profit field stopped the apply (or nothing is shown), or a
    // message too long to be saved was refused (it keeps its stored text).
    // The fields go to the shop they were shown from (see ShownRecord).
    bool apply_shop();
    // Before the shop list removes shop `removed`: the shown shop's edits go
    // into that shop first, or are dropped when it is the one removed; then
    // no shop is shown.
    void leave_before_removal(int removed);
    // Forgets pending edits and shows no shop.
    void drop_pending();
    // Rewrites the keeper's name and the product and room lines (the other
    // zones arrived), keeping every pending edit.
    void refresh_names();

    // A keeper vnum typed into its field: the keeper's name follows it (a
    // mob's name, the not-existing mark, or empty for no number), so every
    // later showing of the fields names the keeper typed.
    void type_keeper(const std::string& vnum);
    // "&Browse...": true when the shop list's lines should be refreshed.
    bool browse_keeper();
    void add_product();
    void add_room();
    void add_buy_type();
    void type_chosen(int entry);
    void remove_product();
    void remove_room();
    void remove_buy_type();
    // One hour field stepped by its spin buttons (0 to 24).
    void step_hour(std::string& field, int delta);

private:
    void touch_world();
    shop_data* record();
    void fill_lists();

    World& world_;
    Messages& messages_;
    Chooser& chooser_;
    int current_ = -1;
    ShownRecord shown_record_;
};

// A buy type's line: its name, or its number when it has none, then
// " - " and the keywords when it has any.
std::string buy_type_line(int32_t type, const std::string& keywords);

}  // namespace tarnwick
