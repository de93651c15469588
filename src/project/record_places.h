#pragma once
// Where each record of a world was read from (file and line), so findings
// can point a builder's editor at it.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analysis/finding.h"

namespace tarnwick {

class RecordPlaces {
public:
    // Every "#vnum" record head in `text` with its 1-based line. Touches
    // nothing shared: readers on several threads call it.
    using Heads = std::vector<std::pair<int32_t, int>>;
    static Heads record_heads(const std::string& text);
    // Notes the heads of a file read from `path` as records of `kind`
    // (RecordKind::Zone for a zone file); the first place of a vnum stays.
    void add_file(const std::string& path, const Heads& heads, RecordKind kind);
    // record_heads then add_file.
    void index_text(const std::string& path, const std::string& text, RecordKind kind);
    // Reads `path` and indexes it; false when it cannot be read.
    bool index_file(const std::string& path, RecordKind kind);

    // Fills the file (and, where none, the line) of each finding whose record
    // was seen. Zone command findings take their zone's file.
    void locate(std::vector<Finding>& findings) const;

private:
    struct Place {
        size_t file = 0;  // index into files_
        int line = 0;
    };
    std::vector<std::string> files_;
    std::map<std::pair<RecordKind, int32_t>, Place> places_;
};

}  // namespace tarnwick
