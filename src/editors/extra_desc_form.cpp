#include "editors/extra_desc_form.h"

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

void add_extra_desc(std::vector<extra_descr_data>& list, const ExtraDescForm& form) {
    list.insert(list.begin(), extra_descr_data{form.keywords, form.description});
}

bool modify_extra_desc(std::vector<extra_descr_data>& list, int index, const ExtraDescForm& form) {
    if (!in_range(list, index)) return false;
    list[size_t(index)] = extra_descr_data{form.keywords, form.description};
    return true;
}

bool remove_extra_desc(std::vector<extra_descr_data>& list, int index) {
    if (!in_range(list, index)) return false;
    list.erase(list.begin() + index);
    return true;
}

}  // namespace tarnwick
