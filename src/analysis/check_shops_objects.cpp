// Shops (keeper, products, rooms, hours), object values that must name
// something real, and mobs that no zone command ever loads.

#include "analysis/check_context.h"
#include "world/name_number_lists.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {

// Shop hours run to 28, past midnight of a 24-hour day.
constexpr int32_t kLastShopHour = 28;

void check_hours(const CheckContext& c, const shop_data& s) {
    const int32_t hours[4] = {s.start1, s.end1, s.start2, s.end2};
    for (int32_t h : hours)
        if (h < 0 || h > kLastShopHour) {
            c.add(Severity::Warning, RecordKind::Shop, s.vnum, "hours",
                  "Opening hour " + num(h) + " is outside 0 to 28", "shop-hours");
            return;
        }
    if (s.start1 > s.end1 || s.start2 > s.end2)
        c.add(Severity::Warning, RecordKind::Shop, s.vnum, "hours",
              "The shop opens after it closes (" + num(s.start1) + "-" + num(s.end1) + ", " +
                  num(s.start2) + "-" + num(s.end2) + ")",
              "shop-hours");
}

void check_shop(const CheckContext& c, const shop_data& s) {
    switch (c.index.resolve_mob(s.keeper, c.range)) {
    case Resolved::Missing:
        c.add(Severity::Error, RecordKind::Shop, s.vnum, "keeper",
              "Keeper mob #" + num(s.keeper) + " does not exist", "shop-keeper");
        break;
    case Resolved::Elsewhere:
        c.add(Severity::Note, RecordKind::Shop, s.vnum, "keeper",
              "Keeper mob #" + num(s.keeper) + " belongs to " + CheckContext::zone_of(s.keeper) +
                  ", which is not checked here",
              "shop-elsewhere");
        break;
    case Resolved::Found:
        if (!c.index.mob_loaded(s.keeper))
            c.add(Severity::Warning, RecordKind::Shop, s.vnum, "keeper",
                  "Keeper mob #" + num(s.keeper) + " is never loaded by a zone command",
                  "shop-keeper-unloaded");
        break;
    }
    for (int32_t p : s.products)
        if (c.index.resolve_object(p, c.range) == Resolved::Missing)
            c.add(Severity::Error, RecordKind::Shop, s.vnum, "products",
                  "Product object #" + num(p) + " does not exist", "shop-product");
    for (int32_t r : s.rooms)
        if (c.index.resolve_room(r, c.range) == Resolved::Missing)
            c.add(Severity::Warning, RecordKind::Shop, s.vnum, "rooms",
                  "Shop room #" + num(r) + " does not exist", "shop-room");
    check_hours(c, s);
}

// Value `v` of an object must be a number of `list`; "none" values pass.
void check_listed(const CheckContext& c, const obj_record& o, int v, const NameNumberList& list,
                  const char* what) {
    const int32_t value = o.values[size_t(v)];
    if (name_for_number(list, value)) return;
    c.add(Severity::Warning, RecordKind::Object, o.vnum, "values[" + num(v) + "]",
          std::string(what) + " " + num(value) + " in value " + num(v) + " does not exist",
          "object-value");
}

void check_object(const CheckContext& c, const obj_record& o) {
    switch (o.type) {
    case 2:   // scroll
    case 10:  // potion
        for (int v = 1; v <= 3; ++v)
            if (o.values[size_t(v)] != 0) check_listed(c, o, v, spell_list(), "Spell");
        break;
    case 3:  // wand
    case 4:  // staff
        if (o.values[3] != 0) check_listed(c, o, 3, spell_list(), "Spell");
        break;
    case 5: check_listed(c, o, 3, weapon_type_list(), "Weapon type"); break;
    case 17:
    case 23: check_listed(c, o, 2, liquid_list(), "Liquid type"); break;
    case 15: {
        const int32_t key = o.values[2];
        if (key > 0 && c.index.resolve_object(key, c.range) == Resolved::Missing)
            c.add(Severity::Error, RecordKind::Object, o.vnum, "values[2]",
                  "Container key #" + num(key) + " does not exist", "object-key");
        break;
    }
    default: break;
    }
}

}  // namespace

void check_shops(const CheckContext& c) {
    for (const auto& s : c.zone.shops) check_shop(c, s);
}

void check_objects_and_mobs(const CheckContext& c) {
    for (const auto& o : c.zone.objects) check_object(c, o);
    for (const auto& m : c.zone.mobs)
        if (!c.index.mob_loaded(m.vnum))
            c.add(Severity::Note, RecordKind::Mob, m.vnum, "vnum",
                  "No zone command loads this mob", "mob-unloaded");
}

}  // namespace tarnwick
