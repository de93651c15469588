#pragma once
// The user's twenty preference values, as held in memory for the run.

#include <cstdint>
#include <string>

#include "world/format_settings.h"
#include "world/language.h"

namespace tarnwick {

// Column widths: held before the preferences are read, read when none is
// stored, and the range the preferences dialog accepts (75 replaces a number
// outside it, or a field that holds no number).
inline constexpr int32_t kColumnsBeforeReading = 75;
inline constexpr int32_t kStoredColumnsDefault = 70;
inline constexpr int32_t kMinColumns = 25;
inline constexpr int32_t kMaxColumns = 150;
inline constexpr int32_t kFallbackColumns = 75;

struct FontSetting {
    std::string face;
    int32_t size = 8;
    uint32_t color = 32768;  // 0x00BBGGRR
    bool operator==(const FontSetting&) const = default;
};

struct Preferences {
    uint32_t memo_back = 0;
    FontSetting memo_font{"Courier New", 8, 32768};
    uint32_t viewer_back = 0;
    FontSetting viewer_font{"Courier New", 8, 32768};
    FontSetting font{"MS Sans Serif", 8, 32768};
    bool gradient = false;
    bool ansi_check = false;
    bool column_check = false;
    int32_t columns = kColumnsBeforeReading;  // 70 once read from an empty store
    bool new_format = true;
    bool alpha_bitvectors = false;
    bool save_obj_levels = false;
    bool save_mat_specs = false;
    // What the windows show, and the texts the editor writes for the builder.
    Language language = Language::Original;
    bool operator==(const Preferences&) const = default;

    // What the readers and writers take from the preferences.
    FormatSettings format_settings(const std::string& zone_name, const std::string& author) const {
        FormatSettings s;
        s.alpha_bitvectors = alpha_bitvectors;
        s.column_check = column_check;
        s.columns = columns;
        s.new_format = new_format;
        s.save_obj_levels = save_obj_levels;
        s.save_mat_specs = save_mat_specs;
        s.zone_name = zone_name;
        s.author = author;
        return s;
    }
};

}  // namespace tarnwick
