#pragma once
// Reading and storing the twenty preference values. Every value is a
// string: integers and colours as decimal text, switches as "0" or "1", font
// names as text. Sections: Fonts, Caption, General, Shops, Format.

#include <cstdint>
#include <optional>
#include <string_view>

#include "project/preferences.h"

namespace tarnwick {

class SettingsStore;

// The store's root key for the preferences (each section is a subkey of it).
inline constexpr const char* kPreferencesRoot = "TarnwickZoneEditor";

// A longer stored font name is cut to this many characters.
inline constexpr size_t kMaxFontFaceLength = 31;

// A stored number: optionally signed decimal, or hexadecimal after "0x" (up to
// eight digits, taken as the 32-bit pattern). Blanks around it are allowed;
// anything else, or a decimal that does not fit 32 bits, gives nullopt.
std::optional<int32_t> parse_setting_number(std::string_view text);

// Replaces every value of `prefs` with the stored one; a value that is
// missing or not a number gets its default (Columns: 70, although a
// Preferences that was never read holds 75; a stored Columns outside 25 to
// 150 also reads as 70).
void read_preferences(Preferences& prefs, SettingsStore& store);

// Writes all twenty values, creating the sections as needed.
void store_preferences(const Preferences& prefs, SettingsStore& store);

}  // namespace tarnwick
