#include "project/preferences_io.h"

#include <string>

#include "project/settings_store.h"
#include "world/scan.h"

namespace tarnwick {

namespace {

constexpr const char* kFonts = "Fonts";
constexpr const char* kCaption = "Caption";
constexpr const char* kGeneral = "General";
constexpr const char* kShops = "Shops";
constexpr const char* kFormat = "Format";

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads an integer value; the default stands in for a missing or bad one.
// A missing value reads as empty text, which is not a number.
int32_t read_int(SettingsStore& store, const char* section, const char* name, int32_t fallback) {
    auto v = parse_setting_number(store.read_string(section, name, ""));
    return v ? *v : fallback;
}

uint32_t read_color(SettingsStore& store, const char* section, const char* name,
                    uint32_t fallback) {
    return uint32_t(read_int(store, section, name, int32_t(fallback)));
}

bool read_switch(SettingsStore& store, const char* section, const char* name, bool fallback) {
    return read_int(store, section, name, fallback ? 1 : 0) != 0;
}

std::string read_face(SettingsStore& store, const char* section, const char* name,
                      const std::string& fallback) {
    std::string face = store.read_string(section, name, fallback);
    if (face.size() > kMaxFontFaceLength) face.resize(kMaxFontFaceLength);
    return face;
}

void write_int(SettingsStore& store, const char* section, const char* name, int32_t value) {
    store.write_string(section, name, std::to_string(value));
}

// Colours are written as signed decimal so that every 32-bit pattern reads back.
void write_color(SettingsStore& store, const char* section, const char* name, uint32_t value) {
    write_int(store, section, name, int32_t(value));
}

void write_switch(SettingsStore& store, const char* section, const char* name, bool value) {
    store.write_string(section, name, value ? "1" : "0");
}

}  // namespace

std::optional<int32_t> parse_setting_number(std::string_view text) {
    size_t p = 0;
    while (p < text.size() && is_blank(text[p])) ++p;
    size_t end = text.size();
    while (end > p && is_blank(text[end - 1])) --end;
    text = text.substr(p, end - p);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string_view digits = text.substr(2);
        if (digits.size() > 8) return std::nullopt;
        uint32_t value = 0;
        for (char c : digits) {
            int d = hex_digit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + uint32_t(d);
        }
        return int32_t(value);
    }
    int32_t value = 0;
    if (text.empty() || !to_int32(text, value)) return std::nullopt;
    return value;
}

void read_preferences(Preferences& prefs, SettingsStore& store) {
    const Preferences d;  // the defaults
    prefs.memo_back = read_color(store, kFonts, "MemoBack", d.memo_back);
    prefs.viewer_back = read_color(store, kFonts, "ViewerBack", d.viewer_back);
    prefs.memo_font.face = read_face(store, kFonts, "MemoFontFace", d.memo_font.face);
    prefs.memo_font.size = read_int(store, kFonts, "MemoFontSize", d.memo_font.size);
    prefs.memo_font.color = read_color(store, kFonts, "MemoFontColor", d.memo_font.color);
    prefs.viewer_font.face = read_face(store, kFonts, "ViewerFontFace", d.viewer_font.face);
    prefs.viewer_font.size = read_int(store, kFonts, "ViewerFontSize", d.viewer_font.size);
    prefs.viewer_font.color = read_color(store, kFonts, "ViewerFontColor", d.viewer_font.color);
    prefs.font.face = read_face(store, kFonts, "FontFace", d.font.face);
    prefs.font.size = read_int(store, kFonts, "FontSize", d.font.size);
    prefs.font.color = read_color(store, kFonts, "FontColor", d.font.color);
    prefs.gradient = read_switch(store, kCaption, "Gradient", d.gradient);
    prefs.ansi_check = read_switch(store, kGeneral, "AnsiCheck", d.ansi_check);
    prefs.column_check = read_switch(store, kGeneral, "ColumnCheck", d.column_check);
    prefs.columns = read_int(store, kGeneral, "Columns", kStoredColumnsDefault);
    // A width the dialog would refuse can only come from outside the program;
    // wrapping to it (a width of 0 puts every word on its own line) would
    // mangle every description loaded, so it counts as not stored.
    if (prefs.columns < kMinColumns || prefs.columns > kMaxColumns)
        prefs.columns = kStoredColumnsDefault;
    prefs.new_format = read_switch(store, kShops, "NewFormat", d.new_format);
    prefs.alpha_bitvectors = read_switch(store, kFormat, "AlphaBitvectors", d.alpha_bitvectors);
    prefs.save_obj_levels = read_switch(store, kFormat, "SaveObjLevels", d.save_obj_levels);
    prefs.save_mat_specs = read_switch(store, kFormat, "SaveMatSpecs", d.save_mat_specs);
    prefs.language = language_from_key(store.read_string(kGeneral, "Language", language_key(d.language)));
}

void store_preferences(const Preferences& prefs, SettingsStore& store) {
    write_color(store, kFonts, "MemoBack", prefs.memo_back);
    store.write_string(kFonts, "MemoFontFace", prefs.memo_font.face);
    write_int(store, kFonts, "MemoFontSize", prefs.memo_font.size);
    write_color(store, kFonts, "MemoFontColor", prefs.memo_font.color);
    write_color(store, kFonts, "ViewerBack", prefs.viewer_back);
    store.write_string(kFonts, "ViewerFontFace", prefs.viewer_font.face);
    write_int(store, kFonts, "ViewerFontSize", prefs.viewer_font.size);
    write_color(store, kFonts, "ViewerFontColor", prefs.viewer_font.color);
    store.write_string(kFonts, "FontFace", prefs.font.face);
    write_int(store, kFonts, "FontSize", prefs.font.size);
    write_color(store, kFonts, "FontColor", prefs.font.color);
    write_switch(store, kCaption, "Gradient", prefs.gradient);
    write_switch(store, kGeneral, "AnsiCheck", prefs.ansi_check);
    write_switch(store, kGeneral, "ColumnCheck", prefs.column_check);
    write_int(store, kGeneral, "Columns", prefs.columns);
    write_switch(store, kShops, "NewFormat", prefs.new_format);
    write_switch(store, kFormat, "AlphaBitvectors", prefs.alpha_bitvectors);
    write_switch(store, kFormat, "SaveObjLevels", prefs.save_obj_levels);
    write_switch(store, kFormat, "SaveMatSpecs", prefs.save_mat_specs);
    store.write_string(kGeneral, "Language", language_key(prefs.language));
}

}  // namespace tarnwick
