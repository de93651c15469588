// The shipped lookup lists against the server's own definitions: entry i of
// a list must name the constant the server gives bit or value i.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "test_support.h"
#include "world/lookup_lists.h"

using namespace tarnwick;

namespace {

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
std::vector<std::string> misplaced(const std::vector<std::string>& list,
                                   const std::map<std::string, int>& constants) {
    std::vector<std::string> out;
    for (size_t i = 0; i < list.size(); ++i) {
        auto found = constants.find(list[i]);
        if (found == constants.end())
            out.push_back(list[i] + " is not defined by the server");
        else if (found->second != int(i))
            out.push_back(list[i] + " is entry " + std::to_string(i) + ", the server's " +
                          std::to_string(found->second));
    }
    return out;
}

std::vector<std::string> list_file(const std::string& name) {
    std::vector<std::string> lines;
    EXPECT_TRUE(read_list_file(name, {TARNWICK_SOURCE_DATA}, lines)) << name;
    return lines;
}

}  // namespace

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
