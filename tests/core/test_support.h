#pragma once
// Helpers shared by the core tests: temporary folders and whole-file I/O.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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

}  // namespace tarnwick::test
