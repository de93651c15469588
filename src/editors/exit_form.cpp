#include "editors/exit_form.h"

#include "editors/record_lines.h"
#include "editors/selection.h"
#include "editors/typed_text.h"
#include "world/scan.h"
#include "world/world.h"

namespace tarnwick {

const std::array<const char*, kDirectionCount> kDirectionMenuItems = {
    "&North", "&East", "&South", "&West", "&Up",
    "&Down",  "N&orthwest", "Northe&ast", "Sout&heast", "Sou&thwest"};
const std::array<const char*, kDirectionCount> kDirectionPhrases = {
    "the north", "the east", "the south",     "the west",      "upside",
    "downside",  "the northwest", "the northeast", "the southeast", "the southwest"};
const std::array<const char*, 3> kDoorTypes = {
    "Sin Puerta", "Puerta Normal", "PickProof (Se puede abrir solo con la llave)"};

const std::array<const char*, 2> kHiddenDoorTypes = {"Hidden door", "Hidden pick-proof door"};

int door_type_count(const World& world) {
    return int(kDoorTypes.size()) +
           (world.dialect == Dialect::TbaMud ? int(kHiddenDoorTypes.size()) : 0);
}

int reverse_direction(int direction) {
    return direction >= 0 && direction < kDirectionCount ? kOppositeDirection[direction] : -1;
}

int direction_of_caption(const std::string& caption) {
    for (int d = 0; d < kDirectionCount; ++d)
        if (caption == kDirectionCaptions[size_t(d)]) return d;
    return -1;
}

void ExitForm::browse_target(Chooser& chooser, const World& world) {
    const PickLines pick = room_pick_lines(world);
    const int32_t vnum = pick.vnum_at(chooser.pick_from_list("Select Room", pick.lines));
    if (vnum < 0) return;
    target = std::to_string(vnum);
    target_name = world.room_name_of(vnum);
}

void ExitForm::browse_key(Chooser& chooser, const World& world) {
    const PickLines pick = object_pick_lines(world);
    const int32_t vnum = pick.vnum_at(chooser.pick_from_list("Select Key", pick.lines));
    if (vnum >= 0) key = std::to_string(vnum);
}

ExitForm exit_form_of(const World& world, const room_direction_data& exit) {
    ExitForm f;
    f.target = std::to_string(exit.target_vnum);
    f.target_name = world.room_name_of(exit.target_vnum);
    f.door = exit.door >= 0 && exit.door < door_type_count(world) ? exit.door : 0;
    f.description = exit.exit_description;
    f.key = std::to_string(exit.key_vnum);
    f.keywords = exit.keywords;
    return f;
}

bool fill_exit(room_direction_data& exit, const ExitForm& form) {
    int32_t target = -1;
    if (!to_int32(form.target, target)) target = -1;
    if (target < 0) return false;
    exit.target_vnum = target;
    int32_t key = -1;
    if (!to_int32(form.key, key)) key = -1;
    exit.key_vnum = key;
    exit.door = form.door >= 0 ? form.door : 0;
    return true;
}

bool take_exit_texts(room_direction_data& exit, const ExitForm& form, Messages& messages) {
    room_direction_data taken = exit;
    if (!store_text(taken.exit_description, form.description, "Exit description",
                    TextKind::description, messages) ||
        !store_text(taken.keywords, form.keywords, "Exit keywords", TextKind::one_line, messages))
        return false;
    exit = std::move(taken);
    return true;
}

}  // namespace tarnwick
