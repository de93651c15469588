#include <gtest/gtest.h>

#include "project/apply_preferences.h"
#include "project/memory_settings_store.h"
#include "project/preferences_dialog_form.h"
#include "project/preferences_io.h"
#include "world/messages.h"
#include "world/world.h"
#include "world/wrap.h"

using namespace tarnwick;

namespace preferences_test {

// The value names of a store log, in call order, for one kind of call.
std::vector<std::string> logged(const MemorySettingsStore& store, const std::string& kind) {
    std::vector<std::string> out;
    for (const auto& line : store.log) {
        if (line.rfind(kind + " ", 0) != 0) continue;
        std::string rest = line.substr(kind.size() + 1);
        out.push_back(rest.substr(0, rest.find('=')));
    }
    return out;
}

World world_with_long_description() {
    World w;
    room_data r;
    r.vnum = 100;
    r.description = "one two three four five six seven eight nine ten eleven twelve\n";
    w.rooms.push_back(r);
    return w;
}


TEST(PreferencesStore, EmptyStoreGivesDefaultsAndStoringWritesAllTwenty) {
    MemorySettingsStore store;
    Preferences p;
    EXPECT_EQ(p.columns, 75);
    read_preferences(p, store);
    EXPECT_EQ(p.memo_font, (FontSetting{"Courier New", 8, 32768}));
    EXPECT_EQ(p.viewer_font, (FontSetting{"Courier New", 8, 32768}));
    EXPECT_EQ(p.font, (FontSetting{"MS Sans Serif", 8, 32768}));
    EXPECT_EQ(p.memo_back, 0u);
    EXPECT_EQ(p.viewer_back, 0u);
    EXPECT_EQ(p.columns, 70);
    EXPECT_TRUE(p.new_format);
    EXPECT_FALSE(p.gradient || p.ansi_check || p.column_check || p.alpha_bitvectors ||
                 p.save_obj_levels || p.save_mat_specs);
    EXPECT_EQ(logged(store, "read"),
              (std::vector<std::string>{
                  "Fonts/MemoBack", "Fonts/ViewerBack", "Fonts/MemoFontFace",
                  "Fonts/MemoFontSize", "Fonts/MemoFontColor", "Fonts/ViewerFontFace",
                  "Fonts/ViewerFontSize", "Fonts/ViewerFontColor", "Fonts/FontFace",
                  "Fonts/FontSize", "Fonts/FontColor", "Caption/Gradient", "General/AnsiCheck",
                  "General/ColumnCheck", "General/Columns", "Shops/NewFormat",
                  "Format/AlphaBitvectors", "Format/SaveObjLevels", "Format/SaveMatSpecs",
                  "General/Language"}));
    EXPECT_EQ(p.language, Language::Original);

    store.log.clear();
    store_preferences(p, store);
    EXPECT_EQ(store.value_count(), 20u);
    EXPECT_EQ(store.log,
              (std::vector<std::string>{
                  "write Fonts/MemoBack=0", "write Fonts/MemoFontFace=Courier New",
                  "write Fonts/MemoFontSize=8", "write Fonts/MemoFontColor=32768",
                  "write Fonts/ViewerBack=0", "write Fonts/ViewerFontFace=Courier New",
                  "write Fonts/ViewerFontSize=8", "write Fonts/ViewerFontColor=32768",
                  "write Fonts/FontFace=MS Sans Serif", "write Fonts/FontSize=8",
                  "write Fonts/FontColor=32768", "write Caption/Gradient=0",
                  "write General/AnsiCheck=0", "write General/ColumnCheck=0",
                  "write General/Columns=70", "write Shops/NewFormat=1",
                  "write Format/AlphaBitvectors=0", "write Format/SaveObjLevels=0",
                  "write Format/SaveMatSpecs=0", "write General/Language=Original"}));
}

TEST(PreferencesStore, StoredTextIsReadAsNumbersHexOrDefault) {
    MemorySettingsStore store;
    store.sections["Fonts"] = {{"MemoBack", "0xFF"},       {"ViewerBack", "0x00ff00"},
                               {"MemoFontSize", "twelve"},  {"ViewerFontSize", " 11 "},
                               {"FontSize", "9x"},          {"FontColor", "0xFFFFFFFF"},
                               {"MemoFontColor", "0x"},     {"ViewerFontColor", "99999999999"}};
    store.sections["General"] = {{"ColumnCheck", "7"}, {"Columns", "-3"}, {"AnsiCheck", "yes"}};
    store.sections["Shops"] = {{"NewFormat", "0"}};
    store.sections["Format"] = {{"AlphaBitvectors", "0x10"}, {"SaveObjLevels", ""}};
    Preferences p;
    read_preferences(p, store);
    EXPECT_EQ(p.memo_back, 255u);
    EXPECT_EQ(p.viewer_back, 0x00FF00u);
    EXPECT_EQ(p.memo_font.size, 8);
    EXPECT_EQ(p.viewer_font.size, 11);
    EXPECT_EQ(p.font.size, 8);
    EXPECT_EQ(p.font.color, 0xFFFFFFFFu);
    EXPECT_EQ(p.memo_font.color, 32768u);
    EXPECT_EQ(p.viewer_font.color, 32768u);
    EXPECT_TRUE(p.column_check);
    EXPECT_EQ(p.columns, 70);  // outside 25 to 150: as if not stored
    EXPECT_FALSE(p.ansi_check);
    EXPECT_FALSE(p.new_format);
    EXPECT_TRUE(p.alpha_bitvectors);
    EXPECT_FALSE(p.save_obj_levels);
}

TEST(PreferencesStore, FontNamesAreCutAt31Characters) {
    MemorySettingsStore store;
    const std::string name32 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcde";
    ASSERT_EQ(name32.size(), 32u);
    store.sections["Fonts"] = {{"MemoFontFace", name32},
                               {"ViewerFontFace", name32.substr(0, 31)},
                               {"FontFace", ""}};
    Preferences p;
    read_preferences(p, store);
    EXPECT_EQ(p.memo_font.face, name32.substr(0, 31));
    EXPECT_EQ(p.viewer_font.face, name32.substr(0, 31));
    EXPECT_EQ(p.font.face, "");  // stored empty is not missing
}

TEST(PreferencesStore, EveryValueSurvivesStoreAndRead) {
    Preferences p;
    p.memo_back = 0x123456;
    p.memo_font = {"Lucida Console", 10, 0xFFFFFF};
    p.viewer_back = 0x80000005;  // high bit set: written signed, read back whole
    p.viewer_font = {"Courier", 13, 0x0000FF};
    p.font = {"Tahoma", 9, 0};
    p.gradient = p.ansi_check = p.column_check = true;
    p.columns = 120;
    p.new_format = false;
    p.alpha_bitvectors = p.save_obj_levels = p.save_mat_specs = true;
    p.language = Language::English;
    MemorySettingsStore store;
    store_preferences(p, store);
    Preferences back;
    read_preferences(back, store);
    EXPECT_EQ(back, p);
    EXPECT_EQ(store.value("General", "ColumnCheck"), "1");
    EXPECT_EQ(store.value("Fonts", "MemoBack"), "1193046");
    EXPECT_EQ(store.value("General", "Language"), "English");
    // A language the program does not know reads as the original texts.
    store.write_string("General", "Language", "Klingon");
    read_preferences(back, store);
    EXPECT_EQ(back.language, Language::Original);
}

TEST(PreferencesStore, SettingNumbersAcceptDecimalAndHexOnly) {
    EXPECT_EQ(parse_setting_number("42"), 42);
    EXPECT_EQ(parse_setting_number("-42"), -42);
    EXPECT_EQ(parse_setting_number("0X1f"), 31);
    EXPECT_EQ(parse_setting_number("0x80000000"), INT32_MIN);
    EXPECT_EQ(parse_setting_number("0x100000000"), std::nullopt);
    EXPECT_EQ(parse_setting_number("0xG"), std::nullopt);
    EXPECT_EQ(parse_setting_number("2147483648"), std::nullopt);
    EXPECT_EQ(parse_setting_number("4 2"), std::nullopt);
    EXPECT_EQ(parse_setting_number(""), std::nullopt);
}

TEST(PreferencesDialog, LoadShowsTheCurrentSettings) {
    Preferences p;
    p.memo_font = {"Fixedsys", 11, 0xFF};
    p.memo_back = 0x101010;
    p.viewer_font = {"Other", 6, 1};
    p.font = {"Tahoma", 9, 3};
    p.columns = 88;
    p.column_check = p.save_mat_specs = true;
    PreferencesDialogForm f;
    load_preferences_dialog(p, f);
    EXPECT_EQ(f.sample_font, p.memo_font);
    EXPECT_EQ(f.sample_back, 0x101010u);
    EXPECT_EQ(f.dialog_font_caption(), "Tahoma");
    EXPECT_EQ(f.columns_text, "88");
    EXPECT_TRUE(f.columns_enabled());
    EXPECT_TRUE(f.new_format);
    EXPECT_TRUE(f.save_mat_specs);
    EXPECT_FALSE(f.save_obj_levels);
}

TEST(PreferencesDialog, TheEditorSampleSetsMemoAndViewer) {
    Preferences p;
    PreferencesDialogForm f;
    load_preferences_dialog(p, f);
    f.sample_font = {"Terminal", 12, 0xFF00};
    f.sample_back = 0x0000FF;
    f.dialog_font = {"Arial", 10, 0};
    f.gradient = f.alpha_bitvectors = f.save_obj_levels = true;
    f.new_format = false;
    World w;
    MessageRecorder m;
    EXPECT_FALSE(take_preferences_dialog(f, p, w, m));
    EXPECT_EQ(p.memo_font, f.sample_font);
    EXPECT_EQ(p.viewer_font, f.sample_font);
    EXPECT_EQ(p.memo_back, 0x0000FFu);
    EXPECT_EQ(p.viewer_back, 0x0000FFu);
    EXPECT_EQ(p.font, f.dialog_font);
    EXPECT_TRUE(p.gradient && p.alpha_bitvectors && p.save_obj_levels);
    EXPECT_FALSE(p.new_format);
    EXPECT_TRUE(m.entries.empty());
}

TEST(PreferencesDialog, ColumnCountIsCheckedOnlyWithAutoAdjust) {
    struct Case {
        const char* text;
        bool check;
        int32_t before;
        int32_t after;
        bool warned;
        bool rewrapped;
    };
    const Case cases[] = {
        {"24", true, 70, 75, true, true},     {"151", true, 70, 75, true, true},
        {"151", true, 75, 75, true, false},   {"25", true, 70, 25, false, true},
        {"150", true, 70, 150, false, true},  {"abc", true, 70, 75, false, true},
        {"", true, 75, 75, false, false},     {"70", true, 70, 70, false, false},
        {"10", false, 70, 70, false, false},  {"40", false, 70, 70, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.check ? " checked" : " unchecked"));
        Preferences p;
        p.columns = c.before;
        PreferencesDialogForm f;
        load_preferences_dialog(p, f);
        f.column_check = c.check;
        f.columns_text = c.text;
        World w = world_with_long_description();
        const std::string before = w.rooms[0].description;
        MessageRecorder m;
        EXPECT_EQ(take_preferences_dialog(f, p, w, m), c.rewrapped);
        EXPECT_EQ(p.columns, c.after);
        EXPECT_EQ(p.column_check, c.check);
        if (c.warned) {
            ASSERT_EQ(m.entries.size(), 1u);
            EXPECT_EQ(m.entries[0].kind, "warn");
            EXPECT_EQ(m.entries[0].title, "Range Error");
            EXPECT_EQ(m.entries[0].text,
                      "Autoadjust columns number cannot be greater than 150, and lower than 25.");
        } else {
            EXPECT_TRUE(m.entries.empty());
        }
        if (c.rewrapped)
            EXPECT_EQ(w.rooms[0].description, wrap_columns(before, c.after));
        else
            EXPECT_EQ(w.rooms[0].description, before);
        EXPECT_EQ(f.columns_text, c.check ? std::to_string(c.after) : c.text);
    }
}

TEST(PreferencesApply, EffectsFollowTheSettingsAndAreStored) {
    Preferences p;
    p.memo_font = {"A", 9, 1};
    p.memo_back = 2;
    p.viewer_font = {"B", 10, 3};
    p.viewer_back = 4;
    p.font = {"C", 11, 5};
    p.gradient = true;
    p.save_obj_levels = true;
    MemorySettingsStore store;
    PreferenceEffects e = apply_preferences(p, store);
    EXPECT_EQ(e.descriptions, (TextAreaLook{{"A", 9, 1}, 2}));
    EXPECT_EQ(e.viewer, (TextAreaLook{{"B", 10, 3}, 4}));
    EXPECT_EQ(e.general_font, p.font);
    EXPECT_TRUE(e.gradient);
    EXPECT_TRUE(e.object_level_field_normal);
    EXPECT_FALSE(e.object_material_fields_normal);
    EXPECT_EQ(store.value_count(), 20u);
    EXPECT_EQ(store.value("Format", "SaveObjLevels"), "1");

    EXPECT_EQ(color_to_rgb(32768), (Rgb{0, 128, 0}));
    EXPECT_EQ(color_from_rgb(255, 0, 0), 255u);
    EXPECT_EQ(color_from_rgb(1, 2, 3), 0x030201u);
}

TEST(SettingsStore, DeleteKeyRemovesTheSectionOnly) {
    MemorySettingsStore store;
    store.write_string("Software/Tarnwick/FileHistory", "File1", "a.qzp");
    store.write_string("Fonts", "FontSize", "8");
    store.delete_key("Software/Tarnwick/FileHistory");
    store.delete_key("Missing");
    EXPECT_EQ(store.read_string("Software/Tarnwick/FileHistory", "File1", "none"), "none");
    EXPECT_EQ(store.read_string("Fonts", "FontSize", "none"), "8");
}

TEST(PreferencesStore, ColumnsOutsideTheDialogRangeReadAsDefault) {
    for (const auto& [stored, expected] : std::vector<std::pair<std::string, int32_t>>{
             {"25", 25}, {"150", 150}, {"24", 70}, {"151", 70}, {"0", 70}, {"0x40", 64}}) {
        MemorySettingsStore store;
        store.sections["General"] = {{"Columns", stored}};
        Preferences p;
        read_preferences(p, store);
        EXPECT_EQ(p.columns, expected) << stored;
    }
}
}  // namespace preferences_test
