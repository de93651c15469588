#pragma once
// One pass over every file of a set: the plain reads a reader is compared
// with, and the reader itself. The benchmarks and the interleaved ratio
// measurement both time these.

#include <vector>

#include "bench_data.h"
#include "world/messages.h"
#include "world/world.h"
#include "world_formats.h"

namespace tarnwick::bench {

// open, fread into a string, close: the least any reader pays.
void plain_read_pass(const FileSet& set);

// The same bytes read line by line with fgets into a 512-byte buffer.
void plain_lines_pass(const FileSet& set);

// The format's loader on every file, into worlds[i] (one World per file);
// false when a file does not load.
bool load_pass(const testkit::WorldFormat& format, const FileSet& set, std::vector<World>& worlds,
               Messages& messages);

}  // namespace tarnwick::bench
