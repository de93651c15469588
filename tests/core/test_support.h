#pragma once
// Helpers shared by the core tests: temporary folders and whole-file I/O.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../support/scratch_folder.h"

namespace tarnwick::test {

// A fresh folder removed when the test ends.
class TempDir {
public:
    TempDir() {
        path_ = testkit::make_scratch_folder("tarnwick-");
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void write_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The shared corpus of real world files, when present.
inline std::filesystem::path corpus_dir() {
    if (const char* env = std::getenv("TARNWICK_CORPUS")) return env;
#ifdef TARNWICK_CORPUS_DEFAULT
    return TARNWICK_CORPUS_DEFAULT;
#else
    return {};
#endif
}

// The shared folder of real worlds and servers (corpus-tbamud,
// corpus-circle31...), when present.
inline std::filesystem::path shared_dir() {
    if (const char* env = std::getenv("TARNWICK_SHARED")) return env;
#ifdef TARNWICK_SHARED_DEFAULT
    return TARNWICK_SHARED_DEFAULT;
#else
    return {};
#endif
}

// True when `got` is the one message a reader gives for a file damaged in
// its records: where reading stopped, each message the reader gave on the
// way (their line breaks aside), and as many records kept as `kept`.
inline ::testing::AssertionResult damage_told(const std::vector<std::string>& got,
                                              std::vector<std::string> reader_said, int kept) {
    if (got.size() != 1) return ::testing::AssertionFailure() << got.size() << " messages";
    const std::string& m = got[0];
    if (m.find(" could not be read from line ") == std::string::npos)
        return ::testing::AssertionFailure() << "no place in: " << m;
    for (std::string said : reader_said) {
        while (!said.empty() && said.back() == '\n') said.pop_back();
        if (m.find(said) == std::string::npos)
            return ::testing::AssertionFailure() << "'" << said << "' not in: " << m;
    }
    const bool none = m.find("none came before") != std::string::npos;
    const std::string count = "the " + std::to_string(kept) + " ";
    if (kept == 0 ? !none : m.find(count) == std::string::npos)
        return ::testing::AssertionFailure() << "not " << kept << " kept in: " << m;
    return ::testing::AssertionSuccess();
}

}  // namespace tarnwick::test
