#pragma once
// One table of every file format the editor reads, so the conformance
// checker, the robustness tests, the fuzz targets and the benchmarks all walk
// the same list: a new reader is one more row in world_formats.cpp.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "record_diff.h"
#include "world/format_settings.h"

namespace tarnwick {
class World;
class Messages;
}

namespace tarnwick::testkit {

struct WorldFormat {
    const char* name;       // "room"
    const char* extension;  // ".wld"
    const char* folder;     // the corpus sub-folder that holds such files ("wld")
    // Reads the whole file from memory into its table (or the zone header).
    bool (*read)(World&, const std::string& text, const FormatSettings&, Messages&);
    // The whole file as its writer produces it.
    std::string (*text)(World&, const FormatSettings&, Messages&);
    bool (*load)(World&, const std::string& path, const FormatSettings&, Messages&);
    bool (*save)(World&, const std::string& path, const FormatSettings&, Messages&);
    int (*count)(const World&);
    // Every field that differs between the two worlds' records of this kind.
    void (*diff)(const World& a, const World& b, std::vector<Difference>& out);
};

// Test names and failure output show a format by its name.
inline void PrintTo(const WorldFormat& f, std::ostream* os) { *os << f.name; }

// The five world files, in the order a project loads them.
const std::vector<WorldFormat>& world_formats();
const WorldFormat* format_named(std::string_view name);
// The format of a path by its extension (case-insensitive), or nullptr.
const WorldFormat* format_of(const std::string& path);

// Every reader, world files and project file alike, seen as "bytes in,
// success out": what the fuzz targets and the bad-input tests feed.
struct ByteReader {
    const char* name;
    const char* extension;
    bool (*feed)(const std::string& bytes, Messages&);
    // Reads the bytes back from a file at `path` through the reader's own
    // file entry point.
    bool (*feed_file)(const std::string& path, Messages&);
};
const std::vector<ByteReader>& byte_readers();
const ByteReader* reader_named(std::string_view name);

}  // namespace tarnwick::testkit
