#include "editors/extra_desc_form.h"

#include "editors/typed_text.h"

namespace tarnwick {

namespace {
bool in_range(const std::vector<extra_descr_data>& list, int index) {
    return index >= 0 && size_t(index) < list.size();
}
}  // namespace

std::vector<std::string> extra_desc_lines(const std::vector<extra_descr_data>& list) {
    std::vector<std::string> out;
    out.reserve(list.size());
    for (const extra_descr_data& e : list) out.push_back(e.keywords);
    return out;
}

std::string extra_desc_text(const std::vector<extra_descr_data>& list, int index) {
    return in_range(list, index) ? list[size_t(index)].description : std::string();
}

ExtraDescForm extra_desc_form_of(const extra_descr_data& entry) {
    return {entry.keywords, entry.description};
}

bool take_extra_desc(extra_descr_data& entry, const ExtraDescForm& form, Messages& messages) {
    extra_descr_data taken = entry;
    if (!store_text(taken.keywords, form.keywords, "Extra description keywords",
                    TextKind::one_line, messages) ||
        !store_text(taken.description, form.description, "Extra description",
                    TextKind::description, messages))
        return false;
    entry = std::move(taken);
    return true;
}

bool add_extra_desc(std::vector<extra_descr_data>& list, const ExtraDescForm& form,
                    Messages& messages) {
    extra_descr_data entry;
    if (!take_extra_desc(entry, form, messages)) return false;
    list.insert(list.begin(), std::move(entry));
    return true;
}

bool modify_extra_desc(std::vector<extra_descr_data>& list, int index, const ExtraDescForm& form,
                       Messages& messages) {
    return in_range(list, index) && take_extra_desc(list[size_t(index)], form, messages);
}

bool remove_extra_desc(std::vector<extra_descr_data>& list, int index) {
    if (!in_range(list, index)) return false;
    list.erase(list.begin() + index);
    return true;
}

}  // namespace tarnwick
