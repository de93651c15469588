#pragma once
// The sample zone as a project in a folder of the test's own.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "project/area_project.h"
#include "project/project_file.h"
#include "world/file_path.h"
#include "world/messages.h"

namespace tarnwick::test {

// Copies the sample zone's five files into `folder` (UTF-8) as STEM.wld,
// STEM.mob ... and writes STEM.qzp naming them; answers that project's path.
inline std::string write_sample_project(const std::string& folder, const std::string& stem) {
    AreaProject values;
    values.zone_name = "Tarnwick";
    values.zone_number = 186;
    values.room_file = stem + ".wld";
    values.mob_file = stem + ".mob";
    values.object_file = stem + ".obj";
    values.shop_file = stem + ".shp";
    values.zone_file = stem + ".zon";
    for (const std::string* file : {&values.room_file, &values.mob_file, &values.object_file,
                                    &values.shop_file, &values.zone_file})
        std::filesystem::copy_file(
            native_path(std::string(TARNWICK_EXAMPLES) + "/tarnwick" +
                        file->substr(stem.size())),
            native_path(folder + "/" + *file));
    MessageRecorder m;
    const std::string project_path = folder + "/" + stem + ".qzp";
    EXPECT_TRUE(write_project_file(project_path, values, m)) << m.texts().front();
    return project_path;
}

}  // namespace tarnwick::test
