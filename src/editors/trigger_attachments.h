#pragma once
// The trigger list of a room, mobile or object editor: the vnums attached to
// the record shown, edited as pending form state (add, remove, reorder) and
// stored into the record with the editor's other fields. The servers run a
// record's triggers in list order, so the order is the builder's to set.

#include <cstdint>
#include <string>
#include <vector>

#include "world/flag_words.h"
#include "world/trigger_record.h"

namespace tarnwick {

class World;
class Messages;

class TriggerAttachments {
public:
    // `attach` is the record kind the list belongs to (kAttachRoom...).
    explicit TriggerAttachments(TriggerAttach attach) : attach_(attach) {}

    const TriggerList& vnums() const { return vnums_; }
    TriggerAttach attach() const { return attach_; }
    int chosen() const { return chosen_; }
    void choose(int line) { chosen_ = line >= 0 && size_t(line) < vnums_.size() ? line : -1; }

    // Shows a record's list (none chosen).
    void load(const TriggerList& list);
    // Adds the trigger a typed vnum names as the last line and chooses it.
    // Refused with a message when the text is no vnum, the trigger is
    // attached already, or the zone's trigger of that vnum attaches to
    // another kind of record (the server would not run it). A vnum the zone
    // has no trigger for is taken: it may live in another zone's file.
    bool add(const std::string& text, const World& world, Messages& messages);
    // Removes the chosen line; the next line (or the new last) is chosen.
    bool remove();
    // Moves the chosen line up (-1) or down (+1), keeping it chosen.
    bool move(int delta);
    // "#vnum  name" for each line; "(no such trigger)" where the zone has
    // no trigger of that vnum.
    std::vector<std::string> lines(const World& world) const;
    // What Add offers: the zone's triggers of this list's attach type that
    // are not attached yet, in table order, as "#vnum  name".
    struct Choice {
        int32_t vnum;
        std::string line;
    };
    std::vector<Choice> choices(const World& world) const;
    // Stores the list into a record's; true when that changed it.
    bool apply(TriggerList& into) const;

private:
    TriggerAttach attach_;
    TriggerList vnums_;
    int chosen_ = -1;
};

// The name the zone's trigger `vnum` goes by, or "(no such trigger)".
std::string trigger_name_of(const World& world, int32_t vnum);
// "mobiles", "objects" or "rooms": what a trigger of that type attaches to.
const char* attach_kind_name(int attach_type);

}  // namespace tarnwick
