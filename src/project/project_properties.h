#pragma once
// The project properties dialog as plain state: the texts of its fields, the
// "same name for all archives" switch, and the rules that keep the file
// fields on their standard extensions. The Qt dialog binds its widgets to
// this; ProjectSession takes it into the project.

#include <cstdint>
#include <string>

#include "project/area_project.h"
#include "world/dialect.h"
#include "world/messages.h"

namespace tarnwick {

enum class FileField { Zone, Room, Mob, Object, Shop };

struct ProjectPropertiesForm {
    std::string zone_name;    // "Zone Name:"
    std::string author;       // "Author : "
    std::string zone_file;    // "Zone Commands File:"
    std::string room_file;    // "World (Rooms) File:"
    std::string mob_file;     // "Mobs File:"
    std::string object_file;  // "Objects File:"
    std::string shop_file;    // "Shops File:"
    std::string zone_number = "300";  // "Zone Number:", at most 3 characters
    // "Use the same name for all archives": the other four file fields are
    // read-only and follow the zone file.
    bool same_name = false;
    // A new project asks which server its zone is written for ("Server:");
    // a zone file that exists already brings its own. Not kept in the
    // project record: a project reopened finds it in its zone file.
    bool ask_dialect = false;
    Dialect dialect = Dialect::Circle30;

    std::string& file(FileField field);
    const std::string& file(FileField field) const;
    bool operator==(const ProjectPropertiesForm&) const = default;
};

// The field's standard extension: "zon", "wld", "mob", "obj", "shp".
const char* field_extension(FileField field);

// The chooser behind a file field's "..." button.
FileChoice field_file_choice(FileField field);

// The project values shown in the dialog.
ProjectPropertiesForm load_project_properties(const AreaProject& project);

// The user typed or chose `text` for a file field: it gets its standard
// extension, and with same_name on a new zone file name carries over to the
// other four fields. `zone_number` names a file that has no base name.
void set_file_field(ProjectPropertiesForm& form, FileField field, const std::string& text,
                    int32_t zone_number);

// Turns "Use the same name for all archives" on or off; on derives the other
// four fields from the zone file, off leaves their texts.
void set_same_name(ProjectPropertiesForm& form, bool on, int32_t zone_number);

// Why the zone name or author cannot be taken ("The zone name cannot hold
// a line break."), or empty: both are written into a one-line comment at the
// top of every world file.
std::string project_names_problem(const std::string& zone_name, const std::string& author);

// The zone number the field holds, 300 when it is not a number.
int32_t form_zone_number(const ProjectPropertiesForm& form);

}  // namespace tarnwick
