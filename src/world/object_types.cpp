#include "world/object_types.h"

namespace tarnwick {

const std::array<ObjectTypeInfo, kObjectTypeCount>& object_types() {
    static const std::array<ObjectTypeInfo, kObjectTypeCount> types = {{
        {1, "LIGHT          Item is a light source.", "Light source"},
        {2, "SCROLL         Item is a magical scroll.", "Scroll"},
        {3, "WAND           Item is a magical wand.", "Wand"},
        {4, "STAFF          Item is a magical staff.", "Staff"},
        {5, "WEAPON         Item is a weapon.", "Weapon"},
        {6, "FIREWEAPON     Arma de proyectiles (Arco, ballesta, etc.).",
         "Fireweapon (Unimplemented)"},
        {7, "MISSILE        Misiles (proyectiles; flechas, saetas).", "Missile (Unimplemented)"},
        {8, "TREASURE       Item is treasure other than gold coins (i.e. gems)", "Treasure"},
        {9, "ARMOR          Item is armor.", "Armor"},
        {10, "POTION         Item is a magical potion.", "Potion"},
        {11, "WORN           Currently not implemented.  Do not use.", "Worn (Unimplemented)"},
        {12, "OTHER          Miscellaneous object with no special properties.", "Other"},
        {13, "TRASH          Trash -- junked by cleaners, not bought by shopkeepers.", "Trash"},
        {14, "TRAP           Currently not implemented.  Do not use.", "Trap (Unimplemented)"},
        {15, "CONTAINER      Item is a container.", "Container"},
        {16, "NOTE           Item is a note (can be written on).", "Note"},
        {17, "DRINKCON       Item is a drink container.", "Drink Container"},
        {18, "KEY            Item is a key.", "Key"},
        {19, "FOOD           Item is food.", "Food"},
        {20, "MONEY          Item is money (gold coins).", "Money"},
        {21, "PEN            Item is a pen.", "Pen"},
        {22, "BOAT           Item is a boat; allows you to traverse SECT_WATER_NOSWIM", "Boat"},
        {23, "FOUNTAIN       Item is a fountain.", "Fountain"},
    }};
    return types;
}

const std::array<ObjectTypeInfo, kObjectTypeCount>& object_types(Dialect d) {
    if (d != Dialect::TbaMud) return object_types();
    static const std::array<ObjectTypeInfo, kObjectTypeCount> types = [] {
        auto t = object_types();
        t[5] = {6, "FURNITURE      Item is furniture that can be sat on.", "Furniture"};
        t[6] = {7, "FREE           Currently not implemented.  Do not use.",
                "Free (Unimplemented)"};
        t[13] = {14, "FREE2          Currently not implemented.  Do not use.",
                 "Free2 (Unimplemented)"};
        return t;
    }();
    return types;
}

std::optional<ObjectTypeInfo> object_type_info(int type) {
    return object_type_info(type, Dialect::Circle30);
}

std::optional<ObjectTypeInfo> object_type_info(int type, Dialect d) {
    if (type < 1 || type > kObjectTypeCount) return std::nullopt;
    return object_types(d)[size_t(type - 1)];
}

namespace {

ValueDescription number(const char* caption, const char* help) {
    return {caption, help, ValueKind::Number, nullptr, 0};
}

ValueDescription list(const char* caption, const char* help, const NameNumberList& names) {
    return {caption, help, ValueKind::List, &names, int(names.size())};
}

std::array<ObjectValuesInfo, kObjectTypeCount> build_values_table(Dialect d) {
    std::array<ObjectValuesInfo, kObjectTypeCount> t;
    for (int k = 0; k < kObjectTypeCount; ++k)
        t[size_t(k)].title = object_types(d)[size_t(k)].title;
    auto of = [&t](int type) -> std::array<ValueDescription, 4>& {
        return t[size_t(type - 1)].values;
    };
    const auto& spells = spell_list();

    of(1)[2] = number("Light Hours", "Mud-Hours of light (0, no light, -1 etern source)");

    of(2)[0] = number("Spell Level", "Level at which scroll's spells are cast");
    of(2)[1] = list("Spell number 1", "", spells);
    of(2)[2] = list("Spell number 2", "", spells);
    of(2)[3] = list("Spell number 3", "", spells);

    of(3)[0] = number("Spell Level", "Level at which wand's spell is cast");
    of(3)[1] = number("Charges", "Charge capacity of wand (>=1)");
    of(3)[2] = number("Current charges", "Current number of charges remaining");
    of(3)[3] = list("Spell", "Spell number", spells);

    of(4)[0] = number("Spell Level", "Level at which staff's spell is cast");
    of(4)[1] = number("Charges", "Charge capacity of staff (>=1)");
    of(4)[2] = number("Current charges", "Current number of charges remaining");
    of(4)[3] = list("Spell", "Spell number", spells);

    of(5)[1] = number("Damage Dice", "Number of damage dice");
    of(5)[2] = number("Damage Size", "Size of damage size");
    of(5)[3] = list("Weapon type", "Weapon type for damage messages", weapon_type_list());

    of(9)[0] = number(
        "AC Apply",
        "AC Apply of the armor. Note that the effefctive change to AC is this value times a "
        "multiplier based on where the armor is worn. Values >0 enhance the armor class; "
        "values >0 damage the armor class (cursed armors, for example)");

    of(10)[0] = number("Spell Level", "Level at which potion's spell are cast.");
    of(10)[1] = list("Spell number 1", "", spells);
    of(10)[2] = list("Spell number 2", "", spells);
    of(10)[3] = list("Spell number 3", "", spells);

    of(15)[0] = number("Capacity", "Max containable weight of container");
    of(15)[1] = number("Container Flags",
                       "Container Flag bitvector - 1 (CLOSEABLE), 2 (PICKPROOF), 4 (CLOSED), "
                       "8 (LOCKED). (You need to add desired values)");
    of(15)[2] = number("Key", "Key VNum (if closeable)");

    of(17)[0] = number("Capacity", "Capacity of container");
    of(17)[1] = number("Quantity", "Current quantity in container");
    of(17)[2] = list("Type of liquid", "Type of liquid in the drink container", liquid_list());
    of(17)[3] = number("Poisoned", "Non-zero if the drink poisoned, 0 otherwise");

    of(19)[0] = number("Hours", "The number of hours of hunger satisfied by this food");
    of(19)[3] = number("Poisoned", "Non-zero if the food is poisoned, 0 otherwise");

    of(20)[0] = number("Gold coins", "Number of gold coins in the pile");

    of(23) = of(17);  // a fountain holds liquid as a drink container does

    if (d == Dialect::TbaMud) {
        // The server refuses furniture holding more people than it seats.
        of(6)[0] = number("Seats", "Number of people it can hold (0 to 10)");
        of(6)[1] = number("People in it", "Number of people sitting in it (at most Seats)");
    }
    return t;
}

}  // namespace

const std::array<ObjectValuesInfo, kObjectTypeCount>& object_values_table() {
    static const std::array<ObjectValuesInfo, kObjectTypeCount> table =
        build_values_table(Dialect::Circle30);
    return table;
}

const std::array<ObjectValuesInfo, kObjectTypeCount>& object_values_table(Dialect d) {
    if (d != Dialect::TbaMud) return object_values_table();
    static const std::array<ObjectValuesInfo, kObjectTypeCount> table =
        build_values_table(Dialect::TbaMud);
    return table;
}

const ObjectValuesInfo* object_values_for(int type) {
    return object_values_for(type, Dialect::Circle30);
}

const ObjectValuesInfo* object_values_for(int type, Dialect d) {
    if (type < 1 || type > kObjectTypeCount) return nullptr;
    return &object_values_table(d)[size_t(type - 1)];
}

std::string value_caption_or_default(const ValueDescription& value, int v) {
    if (!value.caption.empty()) return value.caption;
    return "Value " + std::to_string(v);
}

}  // namespace tarnwick
