// The shipped lookup lists against the server's own definitions: entry i of
// a list must name the constant the server gives bit or value i.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>

#include "test_support.h"
#include "world/dialect_lists.h"
#include "world/lookup_lists.h"
#include "world/object_types.h"

using namespace tarnwick;

namespace server_lists_test {

std::filesystem::path server_source() {
    if (const char* env = std::getenv("TARNWICK_SERVER")) return env;
    return TARNWICK_SERVER_DEFAULT;
}

// NAME -> bit (for "(1 << N)") or value, for every #define of the file.
std::map<std::string, int> server_constants(const std::string& header) {
    std::map<std::string, int> out;
    static const std::regex define(R"(#define\s+(\w+)\s+(?:\(1\s*<<\s*(\d+)\)|(-?\d+)\b))");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
        out[(*it)[1]] = std::stoi((*it)[2].matched ? (*it)[2].str() : (*it)[3].str());
    return out;
}

// Every entry whose constant the server places elsewhere, or not at all.
// Entry i stands for value i + first.
std::vector<std::string> misplaced(const std::vector<std::string>& list,
                                   const std::map<std::string, int>& constants, int first = 0) {
    std::vector<std::string> out;
    for (size_t i = 0; i < list.size(); ++i) {
        auto found = constants.find(list[i]);
        if (found == constants.end())
            out.push_back(list[i] + " is not defined by the server");
        else if (found->second != int(i) + first)
            out.push_back(list[i] + " is entry " + std::to_string(i) + ", the server's " +
                          std::to_string(found->second - first));
    }
    return out;
}

std::vector<std::string> list_file(const std::string& name) {
    std::vector<std::string> lines;
    EXPECT_TRUE(read_list_file(name, {TARNWICK_SOURCE_DATA}, lines)) << name;
    return lines;
}


TEST(ServerLists, EveryShippedListNamesTheServersConstantsInPlace) {
    const auto src = server_source() / "circle-3.0" / "src";
    if (!std::filesystem::exists(src / "structs.h")) GTEST_SKIP() << "no server source at " << src;
    const auto constants = server_constants(test::read_bytes((src / "structs.h").string()));
    for (const char* name : {"sectortype.txt", "roomflags.txt", "mobaffects.txt", "mobactions.txt",
                             "mobpos.txt", "itemeffects.txt", "itemwear.txt", "itemaff.txt"}) {
        const auto list = list_file(name);
        EXPECT_FALSE(list.empty()) << name;
        for (const auto& problem : misplaced(list, constants)) ADD_FAILURE() << name << ": " << problem;
        // The check itself sees a swapped pair.
        auto swapped = list;
        std::swap(swapped[0], swapped[1]);
        EXPECT_EQ(misplaced(swapped, constants).size(), 2u) << name;
    }
    // E-spec names are the keywords the server's mob reader accepts.
    const std::string db = test::read_bytes((src / "db.c").string());
    for (const auto& id : list_file("especs.txt"))
        EXPECT_NE(db.find("CASE(\"" + id + "\")"), std::string::npos) << id;
}


// Where the server of a dialect keeps its source: the folder the
// environment variable names, else the one beside the CircleMUD 3.0 server.
std::filesystem::path dialect_source(Dialect d) {
    const char* env = nullptr;
    std::filesystem::path beside, below;
    switch (d) {
    case Dialect::Circle30: return server_source() / "circle-3.0" / "src";
    case Dialect::Circle31:
        env = "TARNWICK_SERVER_CIRCLE31", beside = "server-circle31", below = "circle-3.1/src";
        break;
    case Dialect::TbaMud:
        env = "TARNWICK_SERVER_TBAMUD", beside = "server-tbamud", below = "tbamud/src";
        break;
    }
    if (const char* set = std::getenv(env)) return std::filesystem::path(set) / below;
    return server_source().parent_path() / beside / below;
}

// The number of names in the name table `table` of constants.c, up to the
// "\n" that ends it; 0 when there is no such table.
int table_length(const std::string& constants_c, const std::string& table) {
    const size_t start = constants_c.find("const char *" + table + "[]");
    if (start == std::string::npos) return 0;
    const size_t end = constants_c.find("\"\\n\"", start);
    const std::string body = constants_c.substr(start, end - start);
    static const std::regex name(R"(\n\s*")");
    return int(std::distance(std::sregex_iterator(body.begin(), body.end(), name),
                             std::sregex_iterator()));
}

// The E-spec keywords of the server's mob reader, each at its place in db.c.
std::map<std::string, int> espec_keywords(const std::string& db_c) {
    std::map<std::string, int> out;
    static const std::regex keyword(R"re(CASE\("(\w+)"\))re");
    int place = 0;
    for (std::sregex_iterator it(db_c.begin(), db_c.end(), keyword), end; it != end; ++it)
        out.emplace((*it)[1], place++);
    return out;
}

// The code names of the built-in object types as the server's constants.
std::vector<std::string> object_type_constants(Dialect d) {
    std::vector<std::string> out;
    for (const ObjectTypeInfo& t : object_types(d)) {
        const std::string entry = t.editor_entry;
        out.push_back("ITEM_" + entry.substr(0, entry.find(' ')));
    }
    return out;
}

class DialectServerLists : public testing::TestWithParam<Dialect> {};


// Every list of the dialect's set, and its object types, names the server's
// constants in the server's order and as many as the server's own name
// table holds. A list with two entries swapped or its last one left out is
// caught, which shows the comparison sees such faults.
TEST_P(DialectServerLists, EveryListMatchesTheServersNamesInOrder) {
    const Dialect d = GetParam();
    const auto src = dialect_source(d);
    if (!std::filesystem::exists(src / "structs.h")) GTEST_SKIP() << "no server source at " << src;
    const auto structs = server_constants(test::read_bytes((src / "structs.h").string()));
    const auto especs = espec_keywords(test::read_bytes((src / "db.c").string()));
    const std::string constants_c = test::read_bytes((src / "constants.c").string());

    // List, the constants.c table that names the same values, the first value.
    const struct {
        const char* list;
        const char* table;
        int first;
    } lists[] = {
        {"sectortype.txt", "sector_types", 0}, {"roomflags.txt", "room_bits", 0},
        {"mobaffects.txt", "affected_bits", 0}, {"mobactions.txt", "action_bits", 0},
        {"mobpos.txt", "position_types", 0},   {"itemeffects.txt", "extra_bits", 0},
        {"itemwear.txt", "wear_bits", 0},      {"itemaff.txt", "apply_types", 0},
        {"zoneflags.txt", "zone_bits", 0},     {"especs.txt", nullptr, 0},
        {"object types", "item_types", 1},  // type 0 is no type
    };
    enum class Change { None, SwapFirstTwo, DropLast };
    const struct {
        Change change;
        size_t problems;
    } changes[] = {{Change::None, 0}, {Change::SwapFirstTwo, 2}, {Change::DropLast, 1}};

    const std::string folder =
        std::string(TARNWICK_SOURCE_DATA) + "/" + std::string(list_subfolder(d));
    const auto files = list_file_names(d);
    int checked = 0;
    for (const auto& row : lists) {
        const std::string name = row.list;
        const bool is_file = name != "object types";
        if (is_file && std::find(files.begin(), files.end(), name) == files.end()) {
            // Only tbaMUD has zone flags; a server without them has no table either.
            EXPECT_EQ(table_length(constants_c, row.table), 0) << name;
            continue;
        }
        std::vector<std::string> shipped;
        if (is_file)
            EXPECT_TRUE(read_list_file(name, {folder}, shipped)) << folder << "/" << name;
        else
            shipped = object_type_constants(d);
        const bool keywords = name == "especs.txt";
        const auto& constants = keywords ? especs : structs;
        const int length = keywords ? int(especs.size()) : table_length(constants_c, row.table);
        ASSERT_GT(length, 1) << name;
        for (const auto& [change, expected] : changes) {
            auto list = shipped;
            if (change == Change::SwapFirstTwo) std::swap(list[0], list[1]);
            if (change == Change::DropLast) list.pop_back();
            auto problems = misplaced(list, constants, row.first);
            if (int(list.size()) + row.first != length)
                problems.push_back(std::to_string(list.size()) + " entries, the server names " +
                                   std::to_string(length - row.first));
            EXPECT_EQ(problems.size(), expected) << name << " change " << int(change);
            if (change == Change::None)
                for (const auto& p : problems) ADD_FAILURE() << name << ": " << p;
        }
        ++checked;
    }
    EXPECT_EQ(checked, int(files.size()) + 1);
}

INSTANTIATE_TEST_SUITE_P(Dialects, DialectServerLists,
                         testing::Values(Dialect::Circle30, Dialect::Circle31, Dialect::TbaMud),
                         [](const testing::TestParamInfo<Dialect>& param) {
                             return std::string(dialect_key(param.param));
                         });
}  // namespace server_lists_test
