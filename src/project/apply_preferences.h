#pragma once
// What applying the preferences changes, as plain data for the windows.
//
// The readers and writers take their switches through
// Preferences::format_settings(zone_name, author) at the moment they run, so
// applying needs to do nothing for them: AlphaBitvectors (letters in room,
// mob and object bitvectors), NewFormat (v3.0 shop dialect), SaveObjLevels
// and SaveMatSpecs (object levels and material specifications), ColumnCheck
// and Columns (re-wrapping when rooms and objects are loaded).

#include <cstdint>

#include "project/preferences.h"

namespace tarnwick {

class SettingsStore;

// A text area's look: font (face, points, text colour) and background.
struct TextAreaLook {
    FontSetting font;
    uint32_t background = 0;
    bool operator==(const TextAreaLook&) const = default;
};

struct PreferenceEffects {
    // For the main window, the four list windows, the preferences dialog,
    // the project properties dialog, the room, mob, object, shop and zone
    // editors, the exit dialog and the extra-description dialog.
    FontSetting general_font;
    // For the room editor's description and extra-description texts, the mob
    // editor's detailed description, the object editor's extra-description
    // text and the extra-description dialog's text.
    TextAreaLook descriptions;
    // For the source viewer's text.
    TextAreaLook viewer;
    // The main window's caption: always drawn with a gradient, or never.
    bool gradient = false;
    // The object editor's level field is shown in the normal field colour
    // when true, in the button-face (grey) colour when false; the same for
    // its material, durability and initial durability fields.
    bool object_level_field_normal = false;
    bool object_material_fields_normal = false;
    bool operator==(const PreferenceEffects&) const = default;
};

// The effects of `prefs`, without storing anything.
PreferenceEffects preference_effects(const Preferences& prefs);

// Stores `prefs` and returns their effects for the windows to take on.
PreferenceEffects apply_preferences(const Preferences& prefs, SettingsStore& store);

// Colours are 0x00BBGGRR: red in the low byte.
struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};
inline Rgb color_to_rgb(uint32_t color) {
    return {int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)};
}
inline uint32_t color_from_rgb(int red, int green, int blue) {
    return uint32_t(red & 0xFF) | uint32_t(green & 0xFF) << 8 | uint32_t(blue & 0xFF) << 16;
}

}  // namespace tarnwick
