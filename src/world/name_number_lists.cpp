#include "world/name_number_lists.h"

#include <utility>

namespace tarnwick {

namespace {

NameNumberList padded(std::initializer_list<std::pair<const char*, int32_t>> entries,
                      size_t width) {
    NameNumberList list;
    for (const auto& [name, number] : entries) {
        std::string n = name;
        if (n.size() < width) n.resize(width, ' ');
        list.push_back({n, number});
    }
    return list;
}

}  // namespace

const NameNumberList& liquid_list() {
    static const NameNumberList list = padded(
        {{"LIQ_WATER", 0}, {"LIQ_BEER", 1}, {"LIQ_WINE", 2}, {"LIQ_ALE", 3},
         {"LIQ_DARKALE", 4}, {"LIQ_WHISKY", 5}, {"LIQ_LEMONADE", 6}, {"LIQ_FIREBRT", 7},
         {"LIQ_LOCALSPC", 8}, {"LIQ_SLIME", 9}, {"LIQ_MILK", 10}, {"LIQ_TEA", 11},
         {"LIQ_COFFE", 12}, {"LIQ_BLOOD", 13}, {"LIQ_SALTWATER", 14}, {"LIQ_CLEARWATER", 15}},
        kLiquidNameWidth);
    return list;
}

const NameNumberList& weapon_type_list() {
    static const NameNumberList list = padded(
        {{"hit/hits", 0}, {"sting/stings", 1}, {"whip/whips", 2}, {"slash/slashes", 3},
         {"bite/bites", 4}, {"bludgeon/bludgeons", 5}, {"crush/crushes", 6},
         {"pound/pounds", 7}, {"claw/claws", 8}, {"maul/mauls", 9}, {"thrash/thrashes", 10},
         {"pierce/pierces", 11}, {"blast/blasts", 12}, {"punch/punches", 13},
         {"stab/stabs", 14}},
        kWeaponTypeNameWidth);
    return list;
}

const NameNumberList& spell_list() {
    static const NameNumberList list = padded(
        {{"none", -1},           {"animate dead", 45},   {"armor", 1},
         {"bless", 3},           {"blindness", 4},       {"burning hands", 5},
         {"call lightning", 6},  {"charm", 7},           {"chill touch", 8},
         {"clone", 9},           {"color spray", 10},    {"control weather", 11},
         {"create food", 12},    {"create water", 13},   {"cure blind", 14},
         {"cure critic", 15},    {"cure light", 16},     {"curse", 17},
         {"detect align", 18},   {"detect invis", 19},   {"detect magic", 20},
         {"detect poison", 21},  {"dispel evil", 22},    {"dispel good", 46},
         {"earthquake", 23},     {"enchant weapon", 24}, {"energy drain", 25},
         {"fireball", 26},       {"group armor", 47},    {"group heal", 48},
         {"group recall", 49},   {"harm", 27},           {"heal", 28},
         {"identify", 201},      {"infravision", 50},    {"invisible", 29},
         {"lightning bolt", 30}, {"locate object", 31},  {"magic missile", 32},
         {"poison", 33},         {"prot from evil", 34}, {"remove curse", 35},
         {"remove poison", 43},  {"sanctuary", 36},      {"sense life", 44},
         {"shocking grasp", 37}, {"sleep", 38},          {"strength", 39},
         {"summon", 40},         {"teleport", 2},        {"ventriloquate", 41},
         {"waterwalk", 51},      {"word of recall", 42}},
        kSpellNameWidth);
    return list;
}

int index_for_number(const NameNumberList& list, int32_t number) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].number == number) return int(i);
    return -1;
}

std::optional<std::string> name_for_number(const NameNumberList& list, int32_t number) {
    int i = index_for_number(list, number);
    if (i < 0) return std::nullopt;
    return list[size_t(i)].name;
}

}  // namespace tarnwick
