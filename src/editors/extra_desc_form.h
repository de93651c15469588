#pragma once
// Extra descriptions as the room and object editors edit them: the keyword
// lines of the list box, and add, modify and remove through the "Extra
// Descriptions" dialog. An entry added in an editor goes to the front.

#include <string>
#include <vector>

#include "world/room_record.h"

namespace tarnwick {

class Messages;

// The dialog's two fields: "Keywords (separated by spaces):" and "De:scription".
struct ExtraDescForm {
    std::string keywords;
    std::string description;
};

// One line per entry, in list order: its keywords.
std::vector<std::string> extra_desc_lines(const std::vector<extra_descr_data>& list);
// The text shown for the chosen entry (empty when out of range).
std::string extra_desc_text(const std::vector<extra_descr_data>& list, int index);

ExtraDescForm extra_desc_form_of(const extra_descr_data& entry);
// Takes the dialog's fields into `entry`, both or neither: false, after a
// message naming the field, when one is too long to be saved.
bool take_extra_desc(extra_descr_data& entry, const ExtraDescForm& form, Messages& messages);
// False (the list unchanged) when a field does not fit.
bool add_extra_desc(std::vector<extra_descr_data>& list, const ExtraDescForm& form,
                    Messages& messages);
// False when `index` names no entry or a field does not fit.
bool modify_extra_desc(std::vector<extra_descr_data>& list, int index, const ExtraDescForm& form,
                       Messages& messages);
bool remove_extra_desc(std::vector<extra_descr_data>& list, int index);

}  // namespace tarnwick
