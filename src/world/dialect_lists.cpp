#include "world/dialect_lists.h"

#include "world/messages.h"

namespace tarnwick {

namespace {

size_t dialect_index(Dialect d) {
    switch (d) {
    case Dialect::Circle31: return 1;
    case Dialect::TbaMud: return 2;
    case Dialect::Circle30: break;
    }
    return 0;
}

}  // namespace

const LookupLists& DialectLists::of(Dialect d) const {
    const LookupLists* sets[] = {&circle30, &circle31, &tbamud};
    return *sets[dialect_index(d)];
}

const LookupLists& ListsByDialect::of(Dialect d) const { return *sets_[dialect_index(d)]; }

std::string_view list_subfolder(Dialect d) { return d == Dialect::Circle30 ? "" : dialect_key(d); }

std::vector<std::string> list_file_names(Dialect d) {
    std::vector<std::string> names{"sectortype.txt", "roomflags.txt",   "mobaffects.txt",
                                   "mobactions.txt", "mobpos.txt",      "especs.txt",
                                   "itemeffects.txt", "itemwear.txt",   "itemaff.txt"};
    if (d == Dialect::TbaMud) names.push_back("zoneflags.txt");
    return names;
}

bool load_lookup_lists(LookupLists& lists, Dialect d, const std::vector<std::string>& folders,
                       Messages& messages) {
    // The dialect's folder below each list folder; "" is the working directory.
    const std::string sub(list_subfolder(d));
    std::vector<std::string> below;
    for (const auto& folder : folders)
        below.push_back(sub.empty() ? folder : folder.empty() ? sub : folder + "/" + sub);
    lists = LookupLists{};
    const std::pair<const char*, std::vector<std::string>*> order[] = {
        {"sectortype.txt", &lists.sector_types},   {"roomflags.txt", &lists.room_flags},
        {"mobaffects.txt", &lists.mob_affects},    {"mobactions.txt", &lists.mob_actions},
        {"mobpos.txt", &lists.load_positions},     {"mobpos.txt", &lists.default_positions},
        {"especs.txt", &lists.especs},             {"itemeffects.txt", &lists.item_effects},
        {"itemwear.txt", &lists.item_wear},        {"itemaff.txt", &lists.item_affects},
        {"zoneflags.txt", &lists.zone_flags},
    };
    for (const auto& [name, list] : order) {
        if (list == &lists.zone_flags && d != Dialect::TbaMud) continue;
        if (!read_list_file(name, below, *list)) {
            messages.show("Cannot open file " + (sub.empty() ? "" : sub + "/") + name);
            return false;
        }
    }
    return true;
}

bool load_dialect_lists(DialectLists& sets, const std::vector<std::string>& folders,
                        Messages& messages) {
    bool all = load_lookup_lists(sets.circle30, Dialect::Circle30, folders, messages);
    all = load_lookup_lists(sets.circle31, Dialect::Circle31, folders, messages) && all;
    all = load_lookup_lists(sets.tbamud, Dialect::TbaMud, folders, messages) && all;
    return all;
}

}  // namespace tarnwick
