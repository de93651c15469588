#pragma once
// The conformance check over a folder of real world files: every file is
// loaded, saved to a scratch folder, compared token by token with the
// original, loaded again and compared record by record and field by field; then a project of each zone's files is opened,
// saved into another folder and opened again. Every failure names the file,
// the record and the field.

#include <filesystem>
#include <string>
#include <vector>

#include "world_formats.h"

namespace tarnwick::testkit {

struct ConformanceReport {
    int files = 0;      // world files checked
    int records = 0;    // records compared
    int zones = 0;      // whole zones checked
    std::vector<std::string> failures;
    bool ok() const { return failures.empty(); }
};

// Round-trips one file through `format`; failures go into the report.
void check_file(const WorldFormat& format, const std::filesystem::path& file,
                const std::filesystem::path& scratch, ConformanceReport& report);

// Every world file under `corpus` (any depth), then every zone (files named
// N.wld, N.mob, N.obj, N.shp and N.zon under one parent folder) as a project
// that opens, is saved into another folder and opens again.
ConformanceReport check_corpus(const std::filesystem::path& corpus,
                               const std::vector<WorldFormat>& formats = world_formats());

}  // namespace tarnwick::testkit
