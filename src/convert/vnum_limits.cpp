// The highest vnum each server holds: CircleMUD 3.0 and 3.1 keep vnums in a
// short (3.1 as built: its CIRCLE_UNSIGNED_INDEX is 0) and read them with
// "%hd", so 32767; tbaMUD in an int. A zone above the limit cannot be held
// at all; a reference above it would be read as another record.

#include <climits>

#include "convert/convert_steps.h"
#include "world/world.h"

namespace tarnwick {

int32_t highest_vnum(Dialect d) {
    switch (d) {
    case Dialect::Circle30:
    case Dialect::Circle31: return 32767;
    case Dialect::TbaMud: break;
    }
    return INT32_MAX;
}

namespace {

template <class Record> bool any_above(const std::vector<Record>& table, int32_t limit) {
    for (const Record& r : table)
        if (r.vnum > limit) return true;
    return false;
}

// The arguments of a command that name a record, by its letter.
std::vector<int32_t*> vnum_arguments(zCommand& c) {
    switch (c.command) {
    case 'M':
    case 'O':
    case 'P': return {&c.arg1, &c.arg3};
    case 'G':
    case 'E':
    case 'D': return {&c.arg1};
    case 'R': return {&c.arg1, &c.arg2};
    default: return {};
    }
}

}  // namespace

bool keep_to_vnum_limit(World& w, Dialect to, ConversionReport& report) {
    const int32_t limit = highest_vnum(to);
    const std::string zone = zone_label(w.zone.zone_number);
    const std::string server(dialect_name(to));
    if (w.zone.top > limit || any_above(w.rooms, limit) || any_above(w.mobs, limit) ||
        any_above(w.objects, limit) || any_above(w.shops, limit)) {
        report.loss(zone, "vnums",
                    "the zone reaches above " + std::to_string(limit) + ", the highest vnum " +
                        server + " holds: left out (renumber it first)");
        return false;
    }
    const std::string above =
        " above " + std::to_string(limit) + ", the highest vnum " + server + " holds";
    for (room_data& r : w.rooms)
        for (size_t d = 0; d < r.exits.size(); ++d) {
            auto& exit = r.exits.slot(d);
            if (exit && exit->target_vnum > limit) {
                report.loss(room_label(r.vnum), "exit " + std::to_string(d),
                            "leads to room " + std::to_string(exit->target_vnum) + above +
                                ": made -1");
                exit->target_vnum = -1;
            }
            if (exit && exit->key_vnum > limit) {
                report.loss(room_label(r.vnum), "exit " + std::to_string(d),
                            "key " + std::to_string(exit->key_vnum) + above + ": made -1");
                exit->key_vnum = -1;
            }
        }
    int index = 0;
    for (auto it = w.zone.commands.begin(); it != w.zone.commands.end();) {
        if (it->command == 'S') break;
        ++index;
        bool out = false;
        for (int32_t* v : vnum_arguments(*it)) out = out || *v > limit;
        if (!out) {
            ++it;
            continue;
        }
        report.loss(zone + " command " + std::to_string(index), "command",
                    std::string(1, it->command) + " names a vnum" + above + ": removed");
        it = w.zone.commands.erase(it);
    }
    for (shop_data& s : w.shops) {
        const auto drop = [&](std::vector<int32_t>& list, const char* field) {
            const size_t before = list.size();
            std::erase_if(list, [&](int32_t v) { return v > limit; });
            if (list.size() != before)
                report.loss(shop_label(s.vnum), field, "vnums" + above + " removed");
        };
        drop(s.products, "products");
        drop(s.rooms, "rooms");
    }
    return true;
}

}  // namespace tarnwick
