#include "analysis/references.h"

#include <vector>

#include "world/world.h"

namespace tarnwick {

namespace {

// Which argument of each command names a room, a mob or an object.
bool names(const zCommand& c, RecordKind kind, int32_t vnum) {
    switch (kind) {
    case RecordKind::Room:
        return ((c.command == 'M' || c.command == 'O') && c.arg3 == vnum) ||
               ((c.command == 'D' || c.command == 'R') && c.arg1 == vnum);
    case RecordKind::Mob: return c.command == 'M' && c.arg1 == vnum;
    case RecordKind::Trigger: return c.command == 'T' && c.arg2 == vnum;
    case RecordKind::Object:
        return ((c.command == 'O' || c.command == 'G' || c.command == 'E' || c.command == 'P') &&
                c.arg1 == vnum) ||
               (c.command == 'P' && c.arg3 == vnum) || (c.command == 'R' && c.arg2 == vnum);
    default: return false;
    }
}

bool contains(const std::vector<int32_t>& list, int32_t v) {
    for (int32_t x : list)
        if (x == v) return true;
    return false;
}

std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

ReferenceCounts references_to(const World& world, RecordKind kind, int32_t vnum) {
    ReferenceCounts n;
    for (const auto& c : world.zone.commands)
        if (names(c, kind, vnum)) ++n.commands;
    for (const auto& s : world.shops)
        if ((kind == RecordKind::Mob && s.keeper == vnum) ||
            (kind == RecordKind::Object && contains(s.products, vnum)) ||
            (kind == RecordKind::Room && contains(s.rooms, vnum)))
            ++n.shops;
    for (const auto& r : world.rooms)
        for (const auto& e : r.exits) {
            if (!e) continue;
            if (kind == RecordKind::Room && e->target_vnum == vnum && r.vnum != vnum) ++n.exits;
            if (kind == RecordKind::Object && e->door != 0 && e->key_vnum == vnum) ++n.keyed_doors;
        }
    if (kind == RecordKind::Object)
        for (const auto& o : world.objects)
            if (o.type == 15 && o.values[2] == vnum && o.vnum != vnum) ++n.keyed_containers;
    if (kind == RecordKind::Trigger) {
        for (const auto& r : world.rooms) n.attached += contains(r.triggers, vnum);
        for (const auto& m : world.mobs) n.attached += contains(m.triggers, vnum);
        for (const auto& o : world.objects) n.attached += contains(o.triggers, vnum);
    }
    return n;
}

std::string removal_question(RecordKind kind, int32_t vnum, const ReferenceCounts& n) {
    if (n.total() == 0) return {};
    std::vector<std::string> parts;
    if (n.attached) parts.push_back(counted(n.attached, "record", "records"));
    if (n.exits) parts.push_back(counted(n.exits, "exit", "exits"));
    if (n.commands)
        parts.push_back(kind == RecordKind::Trigger ? counted(n.commands, "T command", "T commands")
                                                    : counted(n.commands, "zone command", "zone commands"));
    if (n.shops) parts.push_back(counted(n.shops, "shop", "shops"));
    if (n.keyed_doors) parts.push_back(counted(n.keyed_doors, "door", "doors") + " as their key");
    if (n.keyed_containers)
        parts.push_back(counted(n.keyed_containers, "container", "containers") + " as their key");
    std::string list;
    for (size_t i = 0; i < parts.size(); ++i)
        list += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    Finding label;
    label.kind = kind;
    label.vnum = vnum;
    const char* verb = kind == RecordKind::Room      ? " is the target of "
                       : kind == RecordKind::Trigger ? " is attached to "
                                                     : " is named by ";
    return record_label(label) + verb + list + ". Remove it anyway?";
}

}  // namespace tarnwick
