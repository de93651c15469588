#include "project/apply_preferences.h"

#include "project/preferences_io.h"

namespace tarnwick {

PreferenceEffects preference_effects(const Preferences& prefs) {
    PreferenceEffects e;
    e.general_font = prefs.font;
    e.descriptions = {prefs.memo_font, prefs.memo_back};
    e.viewer = {prefs.viewer_font, prefs.viewer_back};
    e.gradient = prefs.gradient;
    e.object_level_field_normal = prefs.save_obj_levels;
    e.object_material_fields_normal = prefs.save_mat_specs;
    return e;
}

PreferenceEffects apply_preferences(const Preferences& prefs, SettingsStore& store) {
    store_preferences(prefs, store);
    return preference_effects(prefs);
}

}  // namespace tarnwick
