#pragma once
// The preference values that change what the readers and writers do, plus
// the project texts that go into the banner. The preferences layer fills
// this from the stored preferences; the command-line tool from its options.

#include <string>

namespace tarnwick {

struct FormatSettings {
    bool alpha_bitvectors = false;  // write bitvectors as letters
    bool column_check = false;      // re-wrap descriptions after loading
    int columns = 75;               // column width of wrapping
    bool new_format = true;         // v3.0 shop dialect
    bool save_obj_levels = false;   // object level on the second numeric line
    bool save_mat_specs = false;    // material specifications after the level
    bool house_style = false;       // write every record anew, as for a new file
    // Keep each file's bytes and records as read, for saves that copy what
    // did not change; reads for reference only (the other zones of a world
    // folder, lint) go without.
    bool keep_sources = true;
    std::string zone_name;          // banner: the project's zone name
    std::string author;             // banner: the project's author
};

}  // namespace tarnwick
