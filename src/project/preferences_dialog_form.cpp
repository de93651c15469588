#include "project/preferences_dialog_form.h"

#include "world/messages.h"
#include "world/scan.h"
#include "world/wrap.h"

namespace tarnwick {

void load_preferences_dialog(const Preferences& prefs, PreferencesDialogForm& form) {
    form.sample_font = prefs.memo_font;
    form.sample_back = prefs.memo_back;
    form.dialog_font = prefs.font;
    form.ansi_check = prefs.ansi_check;
    form.column_check = prefs.column_check;
    form.gradient = prefs.gradient;
    form.new_format = prefs.new_format;
    form.alpha_bitvectors = prefs.alpha_bitvectors;
    form.save_obj_levels = prefs.save_obj_levels;
    form.save_mat_specs = prefs.save_mat_specs;
    form.columns_text = std::to_string(prefs.columns);
    form.language = prefs.language;
}

bool take_preferences_dialog(PreferencesDialogForm& form, Preferences& prefs, World& world,
                             Messages& messages) {
    prefs.gradient = form.gradient;
    prefs.alpha_bitvectors = form.alpha_bitvectors;
    prefs.memo_font = form.sample_font;
    prefs.memo_back = form.sample_back;
    prefs.viewer_font = form.sample_font;
    prefs.viewer_back = form.sample_back;
    prefs.font = form.dialog_font;

    int32_t columns = kFallbackColumns;
    if (!to_int32(form.columns_text, columns)) columns = kFallbackColumns;

    prefs.new_format = form.new_format;
    prefs.ansi_check = form.ansi_check;
    prefs.column_check = form.column_check;
    prefs.language = form.language;

    bool rewrapped = false;
    if (prefs.column_check) {
        if (columns < kMinColumns || columns > kMaxColumns) {
            messages.warn(kRangeErrorTitle, kRangeErrorText);
            columns = kFallbackColumns;
        }
        if (columns != prefs.columns) {
            prefs.columns = columns;
            wrap_all_descriptions(world, columns);
            rewrapped = true;
        }
        form.columns_text = std::to_string(prefs.columns);
    }

    prefs.save_obj_levels = form.save_obj_levels;
    prefs.save_mat_specs = form.save_mat_specs;
    return rewrapped;
}

}  // namespace tarnwick
