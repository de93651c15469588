#include "editors/zone_command_form.h"

#include "editors/selection.h"
#include "world/messages.h"
#include "world/room_exits.h"
#include "world/scan.h"

namespace tarnwick {

const std::array<const char*, 9> kCommandActions = {
    "Cargar un Mob",          "Cargar un Objeto",        "Darle un objeto a un mob",
    "Equipar un mob con un objeto", "Poner objeto en objeto", "Setear estado de puerta",
    "Quitar Objeto de Room", "Attach a trigger", "Set a script variable"};

namespace {

using B = BrowseKind;
using C = ChoiceKind;

constexpr CommandField field(const char* label, B browse, int argument, C choice = C::None) {
    return CommandField{true, label, browse, choice, argument};
}
constexpr CommandField kHidden{false, "", B::None, C::None, 3};

// The R command keeps the server's order (room in argument 1, object in
// argument 2) behind the dialog's object-first layout.
// T and V (tbaMUD) name what they attach to in argument 1: the mobile or
// object the commands before loaded last, or the room of argument 3.
const std::array<CommandLayout, 9> kLayouts = {{
    {'M', "Load Mobile in Room...", 0,
     {field("Mob Number", B::Mob, 1), field("Max. Num::", B::None, 2),
      field("Room VNum:", B::Room, 3)}},
    {'O', "Load Object in Room...", 1,
     {field("Object Number:", B::Object, 1), field("Max:", B::None, 2),
      field("Room VNum:", B::Room, 3)}},
    {'G', "Give Obj to Mob...", 2,
     {field("Object Number:", B::Object, 1), field("Max:", B::None, 2), kHidden}},
    {'E', "Equip Mobile with Object...", 3,
     {field("Object Number:", B::Object, 1), field("Max:", B::None, 2),
      field("Position:", B::None, 3, C::Position)}},
    {'P', "Put Object in object..", 4,
     {field("Object:", B::Object, 1), field("Max:", B::None, 2),
      field("In Object:", B::Object, 3)}},
    {'D', "Set Door state...", 5,
     {field("Room:", B::Room, 1), field("Exit:", B::None, 2, C::Exit),
      field("State:", B::None, 3, C::State)}},
    {'R', "Remove Object from room...", 6,
     {field("Object Number:", B::Object, 2), field("Room VNum:", B::Room, 1), kHidden}},
    {'T', "Attach trigger...", 7,
     {field("Attach to:", B::None, 1, C::Attach), field("Trigger VNum:", B::None, 2),
      field("Room VNum:", B::Room, 3)}},
    {'V', "Set script variable...", 8,
     {field("On:", B::None, 1, C::Attach), field("Context:", B::None, 2),
      field("Room VNum:", B::Room, 3)}},
}};

int32_t& argument(zCommand& c, int n) { return n == 1 ? c.arg1 : n == 2 ? c.arg2 : c.arg3; }
int32_t argument(const zCommand& c, int n) { return n == 1 ? c.arg1 : n == 2 ? c.arg2 : c.arg3; }

}  // namespace

const CommandLayout* command_layout(char letter) {
    for (const CommandLayout& l : kLayouts)
        if (l.letter == letter) return &l;
    return nullptr;
}

const std::vector<std::string>& choice_entries(ChoiceKind kind, Dialect dialect) {
    static const std::vector<std::string> none;
    static const std::vector<std::string> positions = {
        "Used as light", "Worn on right finger", "Worn on left finger",
        "First object worn around neck", "Second object worn around neck", "Worn on body",
        "Worn on head", "Worn on legs", "Worn on feet", "Worn on hands", "Worn on arms",
        "Worn as shield", "Worn about body", "Worn around waist", "Worn around right wrist",
        "Worn around left wrist", "Wielded as a weapon", "Held"};
    static const std::vector<std::string> tba_exits = {"North", "East",      "South",     "West",
                                                       "Up",    "Down",      "Northwest", "Northeast",
                                                       "Southeast", "Southwest"};
    // CircleMUD's six are tbaMUD's first six.
    static const std::vector<std::string> exits(tba_exits.begin(),
                                                tba_exits.begin() + kPlainDirectionCount);
    static const std::vector<std::string> states = {"Open", "Closed", "Locked"};
    static const std::vector<std::string> attach = {"Mobile loaded last", "Object loaded last",
                                                    "Room"};
    switch (kind) {
    case ChoiceKind::Position: return positions;
    case ChoiceKind::Exit: return dialect == Dialect::TbaMud ? tba_exits : exits;
    case ChoiceKind::State: return states;
    case ChoiceKind::Attach: return attach;
    default: return none;
    }
}

bool CommandForm::open(const zCommand& command, Messages& messages) {
    layout = command_layout(command.command);
    if (!layout) {
        messages.show("Unknown Command.");
        return false;
    }
    if_flag = command.if_flag != 0;
    has_variable = command.command == 'V';
    var_name = command.var_name;
    var_value = command.var_value;
    for (int i = 0; i < 3; ++i) {
        const CommandField& f = layout->fields[size_t(i)];
        fields[size_t(i)] = "0";
        choice[size_t(i)] = -1;
        if (!f.visible) continue;
        int32_t value = argument(command, f.argument);
        fields[size_t(i)] = std::to_string(value);
        int count = int(choice_entries(f.choice, dialect).size());
        if (value >= 0 && value < count) choice[size_t(i)] = value;
    }
    return true;
}

void CommandForm::choose(int field, int index) {
    if (field < 0 || field > 2 || index < 0) return;
    choice[size_t(field)] = index;
    fields[size_t(field)] = std::to_string(index);
}

void CommandForm::browse(int field, Chooser& chooser, const World& world) {
    if (!layout || field < 0 || field > 2) return;
    int32_t vnum = -1;
    switch (layout->fields[size_t(field)].browse) {
    case BrowseKind::Room: vnum = pick_room_vnum(chooser, world); break;
    case BrowseKind::Mob: vnum = pick_mob_vnum(chooser, world); break;
    case BrowseKind::Object: vnum = pick_object_vnum(chooser, world); break;
    case BrowseKind::None: return;
    }
    if (vnum != -1) fields[size_t(field)] = std::to_string(vnum);
}

void CommandForm::apply(zCommand& command) const {
    if (!layout) return;
    command.if_flag = if_flag ? 1 : 0;
    for (size_t i = 0; i < 3; ++i) {
        const CommandField& f = layout->fields[i];
        if (!f.visible) continue;
        int32_t value = 0;
        if (to_int32(fields[i], value)) argument(command, f.argument) = value;
    }
    if (!has_variable) return;
    // Blanks would end the name early on reading; line breaks or tabs the
    // value (the server reads it to the first of them).
    const bool one_word = !var_name.empty() && var_name.size() < 80 &&
                          var_name.find_first_of(" \t\r\n\f\v") == std::string::npos;
    const bool one_line = var_value.find_first_not_of(' ') != std::string::npos &&
                          var_value.size() < 80 &&
                          var_value.find_first_of("\t\r\n\f\v") == std::string::npos;
    if (one_word) command.var_name = var_name;
    if (one_line) command.var_value = var_value;
}

}  // namespace tarnwick
