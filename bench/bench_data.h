#pragma once
// The files the benchmarks work on: the sample zone and, when present, the
// corpus of real world files, grouped by format and by zone.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tarnwick::bench {

struct FileSet {
    std::vector<std::string> paths;
    std::vector<std::string> bytes;  // each file's contents, read once
    size_t total = 0;
};

// "sample" and "corpus" (when found), each: format name -> its files.
const std::map<std::string, std::map<std::string, FileSet>>& sources();

// Zones of a source: base name -> format name -> path.
std::map<std::string, std::map<std::string, std::string>> zones_of(const std::string& source);

std::filesystem::path corpus_dir();

}  // namespace tarnwick::bench
