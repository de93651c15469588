#include "convert/flag_maps.h"

#include <algorithm>

namespace tarnwick {

namespace {

using Names = std::vector<std::string_view>;

// CircleMUD 3.0 structs.h (3.1 names the same bits; its MOB_NOTDEADYET is a
// run-time mark never saved in a file).
const Names kCircleRoom = {"DARK",        "DEATH",   "NOMOB",  "INDOORS", "PEACEFUL", "SOUNDPROOF",
                           "NOTRACK",     "NOMAGIC", "TUNNEL", "PRIVATE", "GODROOM",  "HOUSE",
                           "HOUSE_CRASH", "ATRIUM",  "OLC",    "BFS_MARK"};
const Names kCircleAction = {"SPEC",         "SENTINEL",  "SCAVENGER", "ISNPC",     "AWARE",
                             "AGGRESSIVE",   "STAY_ZONE", "WIMPY",     "AGGR_EVIL", "AGGR_GOOD",
                             "AGGR_NEUTRAL", "MEMORY",    "HELPER",    "NOCHARM",   "NOSUMMON",
                             "NOSLEEP",      "NOBASH",    "NOBLIND"};
const Names kCircleAffect = {
    "BLIND",        "INVISIBLE",    "DETECT_ALIGN", "DETECT_INVIS", "DETECT_MAGIC", "SENSE_LIFE",
    "WATERWALK",    "SANCTUARY",    "GROUP",        "CURSE",        "INFRAVISION",  "POISON",
    "PROTECT_EVIL", "PROTECT_GOOD", "SLEEP",        "NOTRACK",      "UNUSED16",     "UNUSED17",
    "SNEAK",        "HIDE",         "UNUSED20",     "CHARM"};
const Names kCircleExtra = {
    "GLOW",         "HUM",          "NORENT",          "NODONATE",    "NOINVIS",
    "INVISIBLE",    "MAGIC",        "NODROP",          "BLESS",       "ANTI_GOOD",
    "ANTI_EVIL",    "ANTI_NEUTRAL", "ANTI_MAGIC_USER", "ANTI_CLERIC", "ANTI_THIEF",
    "ANTI_WARRIOR", "NOSELL"};
const Names kWear = {"TAKE", "FINGER", "NECK",  "BODY",  "HEAD",  "LEGS",  "FEET", "HANDS",
                     "ARMS", "SHIELD", "ABOUT", "WAIST", "WRIST", "WIELD", "HOLD"};

// tbaMUD structs.h: bit numbers instead of masks, affects counted from 1.
Names with(Names base, std::initializer_list<std::string_view> more) {
    base.insert(base.end(), more);
    return base;
}
const Names kTbaRoom = with(kCircleRoom, {"WORLDMAP"});
const Names kTbaAction = with(kCircleAction, {"NOKILL", "NOTDEADYET"});
const Names kTbaAffect = {
    "DONTUSE",    "BLIND",        "INVISIBLE",    "DETECT_ALIGN", "DETECT_INVIS", "DETECT_MAGIC",
    "SENSE_LIFE", "WATERWALK",    "SANCTUARY",    "UNUSED",       "CURSE",        "INFRAVISION",
    "POISON",     "PROTECT_EVIL", "PROTECT_GOOD", "SLEEP",        "NOTRACK",      "FLYING",
    "SCUBA",      "SNEAK",        "HIDE",         "FREE",         "CHARM"};
const Names kTbaExtra = with(kCircleExtra, {"QUEST"});

const Names kCircleTypes = {"UNDEFINED",  "LIGHT",   "SCROLL",   "WAND",      "STAFF",  "WEAPON",
                            "FIREWEAPON", "MISSILE", "TREASURE", "ARMOR",     "POTION", "WORN",
                            "OTHER",      "TRASH",   "TRAP",     "CONTAINER", "NOTE",   "DRINKCON",
                            "KEY",        "FOOD",    "MONEY",    "PEN",       "BOAT",   "FOUNTAIN"};
Names tba_types() {
    Names t = kCircleTypes;
    t[6] = "FURNITURE";
    t[7] = "FREE";
    t[14] = "FREE2";
    return t;
}
const Names kTbaTypes = tba_types();

// A name that marks a bit as room for later use: it means nothing.
// (tbaMUD's AFF_UNUSED is no such mark: it is the grouped mark's place.)
bool placeholder(std::string_view name) {
    return name.empty() || (name.rfind("UNUSED", 0) == 0 && name != "UNUSED") ||
           name == "DONTUSE" || name == "FREE";
}

// The bit of `names` that means what `name` means: the same name, or the
// grouped mark that tbaMUD kept in place under the name UNUSED.
int bit_named(const Names& names, std::string_view name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name || (name == "GROUP" && names[i] == "UNUSED") ||
            (name == "UNUSED" && names[i] == "GROUP"))
            return int(i);
    return -1;
}

std::string_view name_at(const Names& names, int bit) {
    return bit >= 0 && bit < int(names.size()) ? names[size_t(bit)] : std::string_view();
}

}  // namespace

std::string_view flag_field(FlagKind kind) {
    switch (kind) {
    case FlagKind::Room: return "flags";
    case FlagKind::MobAction: return "action flags";
    case FlagKind::MobAffect: return "affects";
    case FlagKind::ObjectExtra: return "extra flags";
    case FlagKind::ObjectWear: break;
    }
    return "wear flags";
}

const std::vector<std::string_view>& flag_names(FlagKind kind, bool tbamud) {
    switch (kind) {
    case FlagKind::Room: return tbamud ? kTbaRoom : kCircleRoom;
    case FlagKind::MobAction: return tbamud ? kTbaAction : kCircleAction;
    case FlagKind::MobAffect: return tbamud ? kTbaAffect : kCircleAffect;
    case FlagKind::ObjectExtra: return tbamud ? kTbaExtra : kCircleExtra;
    case FlagKind::ObjectWear: break;
    }
    return kWear;
}

MovedFlags move_flags(FlagKind kind, const SignedFlagWords& in, bool from_tbamud, bool to_tbamud) {
    const Names& from = flag_names(kind, from_tbamud);
    const Names& to = flag_names(kind, to_tbamud);
    // Where a bit without a meaning would land: the place the server's own
    // conversion of letters gives it.
    const int shift = kind == FlagKind::MobAffect ? int(to_tbamud) - int(from_tbamud) : 0;
    MovedFlags m;
    for (int bit = 0; bit < 128; ++bit) {
        if (!(uint32_t(in[size_t(bit / 32)]) >> (bit % 32) & 1u)) continue;
        const std::string_view name = name_at(from, bit);
        int target = -1;
        if (!placeholder(name)) {
            target = bit_named(to, name);
            if (target < 0) {
                m.lost.push_back(std::string(name));
                continue;
            }
            if (target != bit)
                m.moved.push_back(std::string(name) + " " + std::to_string(bit) + "->" +
                                  std::to_string(target));
        } else {
            // A bit without a meaning: the other server either gives the
            // place it lands on one, or reports the bit as unknown.
            const std::string_view there = name_at(to, bit + shift);
            // CircleMUD holds one word: what lands above it is lost.
            if (!to_tbamud && bit + shift >= 32) {
                m.lost.push_back("bit " + std::to_string(bit));
                continue;
            }
            m.cleared.push_back(
                "bit " + std::to_string(bit) +
                (placeholder(there) ? std::string() : " (" + std::string(there) + " there)"));
            continue;
        }
        m.out[size_t(target / 32)] |= int32_t(1u << (target % 32));
    }
    return m;
}

std::string_view item_type_name(int32_t type, bool tbamud) {
    const Names& names = tbamud ? kTbaTypes : kCircleTypes;
    return type >= 0 && type < int32_t(names.size()) ? names[size_t(type)] : std::string_view();
}

int32_t move_item_type(int32_t type, bool to_tbamud, bool& lost) {
    lost = false;
    const std::string_view name = item_type_name(type, !to_tbamud);
    if (type < 1 || name.empty()) return type;
    const Names& to = to_tbamud ? kTbaTypes : kCircleTypes;
    const auto it = std::find(to.begin(), to.end(), name);
    if (it != to.end()) return int32_t(it - to.begin());
    lost = true;
    return kItemOther;
}

bool circle_espec(std::string_view name) {
    for (std::string_view known :
         {"BareHandAttack", "Str", "StrAdd", "Int", "Wis", "Dex", "Con", "Cha"})
        if (name == known) return true;
    return false;
}

}  // namespace tarnwick
