#pragma once
// A new, empty folder with a unique name under the system's temporary folder
// (mkdtemp is not on every system the tests run on).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace tarnwick::testkit {

inline std::filesystem::path make_scratch_folder(const std::string& prefix) {
    namespace fs = std::filesystem;
    static std::mt19937_64 random(std::random_device{}() ^
                                  std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / (prefix + std::to_string(random() % 1000000000));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) return candidate;
        if (ec) break;
    }
    throw std::runtime_error("cannot make a scratch folder under " + base.string());
}

}  // namespace tarnwick::testkit
