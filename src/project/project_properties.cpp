#include "project/project_properties.h"

#include "project/file_names.h"
#include "world/scan.h"

namespace tarnwick {

namespace {

struct FieldInfo {
    const char* extension;
    const char* title;
    const char* filter;
};

FieldInfo info(FileField field) {
    switch (field) {
    case FileField::Zone:
        return {"zon", "Select Zone file",
                "Zone Files (*.zon)|*.ZON|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"};
    case FileField::Room:
        return {"wld", "Select world file",
                "World files (*.wld)|*.WLD|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"};
    case FileField::Mob:
        return {"mob", "Select Mobs file",
                "Mobs files (*.mob)|*.MOB|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"};
    case FileField::Object:
        return {"obj", "Select Objects File",
                "Objects file (*.obj)|*.OBJ|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"};
    case FileField::Shop:
        break;
    }
    return {"shp", "Select Shop file",
            "Shops files (*.shp)|*.SHP|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*"};
}

// The fields that follow the zone file, in the order they are set.
const FileField kFollowers[] = {FileField::Room, FileField::Mob, FileField::Shop,
                                FileField::Object};

void derive_from_zone_file(ProjectPropertiesForm& form, int32_t zone_number) {
    for (FileField f : kFollowers)
        form.file(f) = normalize_file_name(form.zone_file, field_extension(f), zone_number);
}

}  // namespace

std::string& ProjectPropertiesForm::file(FileField field) {
    switch (field) {
    case FileField::Zone: return zone_file;
    case FileField::Room: return room_file;
    case FileField::Mob: return mob_file;
    case FileField::Object: return object_file;
    case FileField::Shop: break;
    }
    return shop_file;
}

const std::string& ProjectPropertiesForm::file(FileField field) const {
    return const_cast<ProjectPropertiesForm*>(this)->file(field);
}

const char* field_extension(FileField field) { return info(field).extension; }

FileChoice field_file_choice(FileField field) {
    FieldInfo i = info(field);
    FileChoice choice;
    choice.save = false;
    choice.title = i.title;
    choice.filter = i.filter;
    return choice;
}

ProjectPropertiesForm load_project_properties(const AreaProject& project) {
    ProjectPropertiesForm form;
    form.zone_name = project.zone_name;
    form.author = project.author;
    form.zone_file = project.zone_file;
    form.room_file = project.room_file;
    form.mob_file = project.mob_file;
    form.object_file = project.object_file;
    form.shop_file = project.shop_file;
    form.zone_number = std::to_string(project.zone_number);
    return form;
}

void set_file_field(ProjectPropertiesForm& form, FileField field, const std::string& text,
                    int32_t zone_number) {
    std::string& target = form.file(field);
    // Setting the text a field already holds is no change.
    if (text == target) return;
    target = normalize_file_name(text, field_extension(field), zone_number);
    if (field == FileField::Zone && form.same_name) derive_from_zone_file(form, zone_number);
}

void set_same_name(ProjectPropertiesForm& form, bool on, int32_t zone_number) {
    form.same_name = on;
    if (on) derive_from_zone_file(form, zone_number);
}

std::string project_names_problem(const std::string& zone_name, const std::string& author) {
    const auto broken = [](const std::string& text) {
        return text.find_first_of("\r\n") != std::string::npos;
    };
    if (broken(zone_name)) return "The zone name cannot hold a line break.";
    if (broken(author)) return "The author cannot hold a line break.";
    return {};
}

int32_t form_zone_number(const ProjectPropertiesForm& form) {
    int32_t n = 0;
    return to_int32(form.zone_number, n) ? n : 300;
}

}  // namespace tarnwick
