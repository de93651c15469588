// The records' values between CircleMUD's layout and tbaMUD's: flags moved
// by name, item types by name, and what CircleMUD lacks (four-word flags,
// triggers, hidden doors, object timers, levels and affects, tbaMUD's saving
// throw E-specs) reported as a loss and dropped.

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "convert/convert_steps.h"
#include "convert/flag_maps.h"
#include "world/world.h"

namespace tarnwick {

namespace {

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
    return out;
}

std::string server_of(bool tbamud) {
    return tbamud ? "tbaMUD" : "CircleMUD";
}

void move(FlagKind kind, int32_t& first, MoreFlags& more, bool from_tbamud, bool to_tbamud,
          const std::string& label, ConversionReport& report) {
    const MovedFlags m =
        move_flags(kind, {first, more[0], more[1], more[2]}, from_tbamud, to_tbamud);
    first = m.out[0];
    more = {m.out[1], m.out[2], m.out[3]};
    const std::string field(flag_field(kind));
    if (!m.moved.empty())
        report.change(label, field,
                      "moved to " + server_of(to_tbamud) + "'s bits: " + joined(m.moved));
    if (!m.cleared.empty())
        report.change(label, field,
                      "cleared, as " + server_of(from_tbamud) +
                          " gives them no meaning: " + joined(m.cleared));
    if (!m.lost.empty())
        report.loss(label, field,
                    joined(m.lost) + " dropped (" + server_of(to_tbamud) + " has no such flag)");
}

void drop_triggers(TriggerList& triggers, const std::string& label, ConversionReport& report) {
    if (triggers.empty()) return;
    std::vector<std::string> vnums;
    for (int32_t t : triggers) vnums.push_back(std::to_string(t));
    report.loss(label, "triggers", joined(vnums) + " dropped (no trigger scripts)");
    triggers.clear();
}

void move_type(obj_record& o, bool to_tbamud, const std::string& label, ConversionReport& report) {
    bool lost = false;
    const int32_t type = move_item_type(o.type, to_tbamud, lost);
    if (!lost) return;
    const std::string was(item_type_name(o.type, !to_tbamud));
    report.loss(label, "type",
                was + " (" + std::to_string(o.type) + ") has no " + server_of(to_tbamud) +
                    " type (" + std::to_string(o.type) + " is " +
                    std::string(item_type_name(o.type, to_tbamud)) + " there): made OTHER");
    o.type = type;
}

// The drinknames of CircleMUD 3.1 and tbaMUD, by liquid (an object's value
// 2): their boot wants a
// drink container's last keyword to name its drink, and pouring rewrites
// that keyword.
constexpr std::array<const char*, 16> kDrinkNames = {
    "water", "beer",  "wine", "ale", "ale",    "whisky", "lemonade", "firebreather",
    "local", "juice", "milk", "tea", "coffee", "blood",  "salt",     "water"};

void name_the_drink(obj_record& o, const std::string& label, ConversionReport& report) {
    if (o.type != 17 || o.values[2] < 0 || o.values[2] >= int32_t(kDrinkNames.size())) return;
    const std::string drink = kDrinkNames[size_t(o.values[2])];
    std::vector<std::string> words;
    bool named = false;
    size_t at = 0;
    while (at < o.alias.size()) {
        const size_t end = std::min(o.alias.find(' ', at), o.alias.size());
        if (end > at) {
            const std::string w = o.alias.substr(at, end - at);
            if (w == drink && !named)
                named = true;
            else
                words.push_back(w);
        }
        at = end + 1;
    }
    words.push_back(drink);
    std::string alias;
    for (const std::string& w : words) alias += (alias.empty() ? "" : " ") + w;
    if (alias == o.alias) return;
    // The boot takes any drink's name as the last keyword.
    const size_t last = o.alias.find_last_of(' ');
    const std::string last_word = last == std::string::npos ? o.alias : o.alias.substr(last + 1);
    for (const char* name : kDrinkNames)
        if (last_word == name) return;
    report.change(label, "alias",
                  "'" + o.alias + "' made '" + alias +
                      "' (the drink goes last since CircleMUD 3.1)");
    o.alias = alias;
}

// CircleMUD 3.1 and tbaMUD read a shop message as a format: '%s', and '%d'
// only in the two
// messages that carry a price; they refuse a message with any other '%'
// (even "%%" before a letter), where CircleMUD 3.0 printed whatever the
// stack held. Such a specifier is removed.
void shop_formats(shop_data& s, ConversionReport& report) {
    std::string* msgs[] = {&s.msg_buy_missing, &s.msg_sell_missing, &s.msg_not_buying,
                           &s.msg_shop_broke,  &s.msg_player_broke, &s.msg_bought,
                           &s.msg_sold};
    for (int n = 0; n < 7; ++n) {
        std::string& msg = *msgs[n];
        std::string out, removed;
        for (size_t i = 0; i < msg.size(); ++i) {
            if (msg[i] != '%') {
                out += msg[i];
                continue;
            }
            const char next = i + 1 < msg.size() ? msg[i + 1] : '\0';
            if (next == 's' || (next == 'd' && n >= 5)) {
                out += msg.substr(i, 2);
            } else {
                const bool letter = std::isalpha(static_cast<unsigned char>(next));
                removed += (removed.empty() ? "'" : ", '") + msg.substr(i, letter ? 2 : 1) + "'";
                if (!letter) continue;
            }
            ++i;
        }
        if (removed.empty()) continue;
        report.loss(shop_label(s.vnum), "message " + std::to_string(n),
                    removed + " removed (CircleMUD 3.1 and tbaMUD refuse a message with it)");
        msg = std::move(out);
    }
}

constexpr int32_t kAggressive = 1 << 5;
constexpr int32_t kAggrToAlign = (1 << 8) | (1 << 9) | (1 << 10);  // evil, good, neutral

}  // namespace

void records_to_circle31(World& world, ConversionReport& report) {
    for (room_data& r : world.rooms)
        move(FlagKind::Room, r.flags, r.flags_more, false, false, room_label(r.vnum), report);
    for (char_data& m : world.mobs) {
        const std::string label = mob_label(m.vnum);
        move(FlagKind::MobAction, m.action_flags, m.action_more, false, false, label, report);
        move(FlagKind::MobAffect, m.affect_flags, m.affect_more, false, false, label, report);
        // CircleMUD 3.0 attacks only the alignments named when any is, even
        // with AGGRESSIVE; 3.1 and tbaMUD then attack everyone.
        if ((m.action_flags & kAggressive) && (m.action_flags & kAggrToAlign)) {
            m.action_flags &= ~kAggressive;
            report.change(label, "action flags",
                          "AGGRESSIVE cleared: with an AGGR_ alignment flag CircleMUD 3.0 attacks "
                          "only that alignment, later servers everyone");
        }
    }
    for (obj_record& o : world.objects) {
        const std::string label = object_label(o.vnum);
        move(FlagKind::ObjectExtra, o.extra_flags, o.extra_more, false, false, label, report);
        move(FlagKind::ObjectWear, o.wear_flags, o.wear_more, false, false, label, report);
        name_the_drink(o, label, report);
    }
    for (shop_data& s : world.shops) shop_formats(s, report);
}

void records_to_circle30(World& world, ConversionReport& report) {
    for (char_data& m : world.mobs)
        if ((m.action_flags & kAggressive) && (m.action_flags & kAggrToAlign)) {
            m.action_flags &= ~kAggrToAlign;
            report.change(mob_label(m.vnum), "action flags",
                          "AGGR_ alignment flags cleared: with AGGRESSIVE this server attacks "
                          "everyone, CircleMUD 3.0 would attack only those alignments");
        }
}

void records_to_tbamud(World& world, ConversionReport& report) {
    for (room_data& r : world.rooms) {
        const std::string label = room_label(r.vnum);
        move(FlagKind::Room, r.flags, r.flags_more, false, true, label, report);
        for (size_t d = 0; d < r.exits.size(); ++d) {
            auto& exit = r.exits.slot(d);
            if (!exit || exit->target_vnum != 0) continue;
            report.loss(label, "exit " + std::to_string(d),
                        "leads to room 0, which tbaMUD reads as no room: made -1");
            exit->target_vnum = -1;
        }
    }
    for (char_data& m : world.mobs) {
        const std::string label = mob_label(m.vnum);
        move(FlagKind::MobAction, m.action_flags, m.action_more, false, true, label, report);
        move(FlagKind::MobAffect, m.affect_flags, m.affect_more, false, true, label, report);
    }
    for (obj_record& o : world.objects) {
        const std::string label = object_label(o.vnum);
        move_type(o, true, label, report);
        move(FlagKind::ObjectExtra, o.extra_flags, o.extra_more, false, true, label, report);
        move(FlagKind::ObjectWear, o.wear_flags, o.wear_more, false, true, label, report);
        if (o.has_mat_specs)
            report.loss(label, "material", "material and durability dropped (tbaMUD has none)");
        o.has_mat_specs = false;
        o.material = o.durability = o.initial_durability = -1;
        // tbaMUD's third numbers line always holds the level.
        o.has_level = false;
    }
}

void records_to_circle(World& world, ConversionReport& report) {
    for (room_data& r : world.rooms) {
        const std::string label = room_label(r.vnum);
        move(FlagKind::Room, r.flags, r.flags_more, true, false, label, report);
        drop_triggers(r.triggers, label, report);
        // CircleMUD has north to down only: a diagonal has nowhere to go.
        for (int d = kPlainDirectionCount; d < kDirectionCount; ++d)
            if (const auto& exit = r.exits[size_t(d)])
                report.loss(label, "exit " + std::to_string(d),
                            std::string("diagonal exit ") + kDirectionWords[d] + " to room " +
                                std::to_string(exit->target_vnum) +
                                " dropped (CircleMUD has no diagonal directions)");
        r.exits.clear_diagonals();
        for (size_t d = 0; d < r.exits.size(); ++d) {
            auto& exit = r.exits.slot(d);
            if (!exit || (exit->door != 3 && exit->door != 4)) continue;
            report.loss(label, "exit " + std::to_string(d),
                        "door type " + std::to_string(exit->door) + " (hidden) made " +
                            std::to_string(exit->door - 2) + " (no hidden doors)");
            exit->door -= 2;
        }
    }
    for (char_data& m : world.mobs) {
        const std::string label = mob_label(m.vnum);
        move(FlagKind::MobAction, m.action_flags, m.action_more, true, false, label, report);
        move(FlagKind::MobAffect, m.affect_flags, m.affect_more, true, false, label, report);
        drop_triggers(m.triggers, label, report);
        std::vector<std::string> dropped;
        std::erase_if(m.especs, [&](const extra_descr_data& e) {
            if (circle_espec(e.keywords)) return false;
            dropped.push_back(e.keywords + ": " + e.description);
            return true;
        });
        if (!dropped.empty())
            report.loss(label, "E-specs",
                        joined(dropped) + " dropped (CircleMUD reads no such E-spec)");
    }
    for (obj_record& o : world.objects) {
        const std::string label = object_label(o.vnum);
        move_type(o, false, label, report);
        move(FlagKind::ObjectExtra, o.extra_flags, o.extra_more, true, false, label, report);
        move(FlagKind::ObjectWear, o.wear_flags, o.wear_more, true, false, label, report);
        drop_triggers(o.triggers, label, report);
        if (o.affect_flags != std::array<int32_t, 4>{}) {
            const auto& tba = flag_names(FlagKind::MobAffect, true);
            std::vector<std::string> names;
            for (int bit = 0; bit < 128; ++bit)
                if (uint32_t(o.affect_flags[size_t(bit / 32)]) >> (bit % 32) & 1u)
                    names.push_back(bit < int(tba.size()) ? std::string(tba[size_t(bit)])
                                                          : "bit " + std::to_string(bit));
            report.loss(label, "affects",
                        joined(names) +
                            " given to the wearer dropped (CircleMUD objects give none)");
            o.affect_flags = {};
        }
        if (o.timer != 0)
            report.loss(label, "timer", std::to_string(o.timer) + " dropped (no object timer)");
        if (o.level != 0)
            report.loss(label, "level", std::to_string(o.level) + " dropped (no object level)");
        o.timer = o.level = 0;
    }
}

}  // namespace tarnwick
