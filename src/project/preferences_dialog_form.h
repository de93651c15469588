#pragma once
// The preferences dialog as plain state: one field per control that carries a
// value. The Qt dialog copies its widgets to and from this struct.

#include <cstdint>
#include <string>

#include "project/preferences.h"

namespace tarnwick {

class Messages;
class World;

// The "Editor" sample's text.
inline constexpr const char* kPreferencesSampleText =
    "You are standing in the middle of the nothing.";
// The editor font chooser offers fixed-pitch fonts of these sizes only.
inline constexpr int kEditorFontMinSize = 6;
inline constexpr int kEditorFontMaxSize = 13;

inline constexpr const char* kRangeErrorTitle = "Range Error";
inline constexpr const char* kRangeErrorText =
    "Autoadjust columns number cannot be greater than 150, and lower than 25.";

struct PreferencesDialogForm {
    // Page "General".
    bool ansi_check = false;    // "Replace extended characters" (always disabled)
    bool column_check = false;  // "Enable auto adjust"
    std::string columns_text;   // "Adjust columns at" ... "characters."
    Language language = Language::Original;  // "Interface language"
    // Page "Appearance". One sample stands for both the description areas
    // and the source viewer.
    FontSetting sample_font;
    uint32_t sample_back = 0;
    FontSetting dialog_font;  // the "Dialog Font" panel's font
    bool gradient = false;    // "Enable gradient at Main Form Caption"
    // Page "Format".
    bool new_format = true;         // "Always save with CircleMUD v3.0 Shop Format."
    bool alpha_bitvectors = false;  // "Save alphabetic bitvectors."
    // Fourth page (disabled).
    bool save_obj_levels = false;
    bool save_mat_specs = false;

    // The column field and its two labels are enabled only with auto adjust.
    bool columns_enabled() const { return column_check; }
    // The "Dialog Font" panel shows the font's face name.
    const std::string& dialog_font_caption() const { return dialog_font.face; }
};

// Fills the form from the current settings (before the dialog is shown).
void load_preferences_dialog(const Preferences& prefs, PreferencesDialogForm& form);

// Takes the confirmed form into the settings. With auto adjust on, a column
// count outside 25 to 150 shows the "Range Error" warning and becomes 75,
// text that is no number becomes 75 silently, and a count that differs from
// the current one re-wraps every description of `world` at once; the form's
// column field then shows the count in force. With auto adjust off the column
// count is kept whatever the field holds. Returns true when descriptions were
// re-wrapped (the editors and lists must then be refreshed). The caller then
// runs apply_preferences.
bool take_preferences_dialog(PreferencesDialogForm& form, Preferences& prefs, World& world,
                             Messages& messages);

}  // namespace tarnwick
