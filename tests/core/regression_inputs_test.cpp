// Every input that once broke a reader is fed to it again on every run.

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "world/messages.h"
#include "world_formats.h"

using namespace tarnwick;
namespace fs = std::filesystem;

TEST(RegressionInputs, EveryKeptInputReadsWithoutHarm) {
    const fs::path root = fs::path(TARNWICK_TEST_DATA) / "regressions";
    int inputs = 0;
    for (const auto& reader : testkit::byte_readers()) {
        const fs::path folder = root / reader.name;
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            MessageRecorder m;
            const bool ok = reader.feed(test::read_bytes(entry.path().string()), m);
            // A world reader that refuses says why; the project reader has no messages.
            if (!ok && std::string(reader.name) != "project") {
                EXPECT_FALSE(m.entries.empty()) << entry.path();
            }
            ++inputs;
        }
    }
    RecordProperty("inputs", inputs);
}
