#include <gtest/gtest.h>

#include <filesystem>

#include "formats/room_file.h"
#include "formats/zone_file.h"
#include "project/file_names.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/object_record.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::read_bytes;
using tarnwick::test::TempDir;
using tarnwick::test::write_bytes;

namespace project_lifecycle_test {

const char* kRooms =
    "#18601\nThe Landing~\nPlanks over the water.\n~\n186 0 2\nD0\n~\n~\n0 -1 18602\nS\n"
    "#18602\nThe Lane~\nMud.\n~\n186 0 1\nS\n$\n";
const char* kZone = "#186\nTarnwick Mere~\n18699 30 2\nS\n$\n";

// What the main window is told, in order.
class RecordingView : public ProjectView {
public:
    std::vector<std::string> events;
    WindowLayouts live{};
    void caption_changed(const std::string& t) override { events.push_back("caption " + t); }
    void project_commands_enabled(bool on) override {
        events.push_back(on ? "enabled" : "disabled");
    }
    void recent_file_added(const std::string& p) override { events.push_back("recent " + p); }
    void world_cleared() override { events.push_back("cleared"); }
    void tables_loaded() override { events.push_back("loaded"); }
    void capture_windows(WindowLayouts& l) override { l = live; }
    void place_windows(const WindowLayouts& record) override {
        apply_window_layout(record, live);
        events.push_back("placed");
    }
};

struct Session {
    World world;
    AreaProject project;
    Preferences preferences;
    MessageRecorder messages;
    RecordingView view;
    ProjectSession session{world, project, preferences, messages};
    Session() { session.set_view(&view); }
};

// A project in `dir` naming its five files by bare name; rooms and zone exist.
std::string make_project(const TempDir& dir, const std::string& name = "mere") {
    write_bytes(dir.file(name + ".wld"), kRooms);
    write_bytes(dir.file(name + ".zon"), kZone);
    AreaProject p;
    p.zone_name = "Tarnwick Mere";
    p.author = "Ana";
    p.zone_file = name + ".zon";
    p.room_file = name + ".wld";
    p.mob_file = name + ".mob";
    p.object_file = name + ".obj";
    p.shop_file = name + ".shp";
    p.zone_number = 186;
    p.windows[int(ProjectWindow::RoomList)] = {true, 5, 6, 300, 400};
    MessageRecorder m;
    EXPECT_TRUE(write_project_file(dir.file(name + ".qzp"), p, m));
    return dir.file(name + ".qzp");
}

std::vector<std::string> missing_file_messages(const TempDir& dir, const std::string& name) {
    // The mob reader names a file it cannot open itself, then the project does.
    return {"Se ha producido un error al abrir el archivo.",
            "Error while opening file " + dir.file(name + ".mob"),
            "Error while opening file " + dir.file(name + ".obj"),
            "Error while opening file " + dir.file(name + ".shp")};
}


TEST(FileNames, NormalizeKeepsFolderAndGivesTheStandardExtension) {
    EXPECT_EQ(normalize_file_name("C:\\mud\\area.txt", "wld", 30), "C:\\mud\\area.wld");
    EXPECT_EQ(normalize_file_name("", "wld", 30), "30.wld");
    EXPECT_EQ(normalize_file_name("C:\\mud\\", "zon", 30), "C:\\mud\\30.zon");
    EXPECT_EQ(normalize_file_name("C:area", "mob", 30), "C:area.mob");
    EXPECT_EQ(normalize_file_name("/home/a.b/castle", "obj", 30), "/home/a.b/castle.obj");
    EXPECT_EQ(normalize_file_name("castle.tar.gz", "shp", 30), "castle.tar.shp");
    EXPECT_EQ(bare_file_name("C:\\mud\\castle.wld"), "castle.wld");
    EXPECT_EQ(bare_file_name("C:castle.wld"), "castle.wld");
}

TEST(FileNames, ResolveUsesTheProjectFolderAndBareNames) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "sub");
    write_bytes(dir.file("sub/castle.wld"), "");
    write_bytes(dir.file("keep.mob"), "");
    const std::string project = dir.file("p.qzp");
    EXPECT_EQ(resolve_world_file("sub/castle.wld", project), dir.file("sub/castle.wld"));
    EXPECT_EQ(resolve_world_file(dir.file("sub/castle.wld"), project), dir.file("sub/castle.wld"));
    EXPECT_EQ(resolve_world_file("C:\\mud\\keep.mob", project), dir.file("keep.mob"));
    EXPECT_EQ(resolve_world_file("/elsewhere/keep.mob", project), dir.file("keep.mob"));
    // Not found anywhere: where a save creates it.
    EXPECT_EQ(resolve_world_file("new.obj", project), dir.file("new.obj"));
#ifdef _WIN32
    // A drive letter is this system's own: the file is made where it is named.
    EXPECT_EQ(resolve_world_file("C:\\mud\\new.obj", project), "C:\\mud\\new.obj");
#else
    EXPECT_EQ(resolve_world_file("C:\\mud\\new.obj", project), dir.file("new.obj"));
#endif
    EXPECT_EQ(resolve_world_file("/elsewhere/new.obj", project), "/elsewhere/new.obj");
    // A world folder's zone has no project file and absolute names: a file
    // it lacks is made in its own folder, never in the working directory.
    EXPECT_EQ(resolve_world_file(dir.file("sub/new.shp"), ""), dir.file("sub/new.shp"));
    EXPECT_EQ(resolve_world_file("", project), "");
    EXPECT_EQ(resolve_world_file("rel.wld", ""), "rel.wld");
    // A relative name with Windows separators is found below the project too.
    EXPECT_EQ(std::filesystem::path(resolve_world_file("sub\\castle.wld", project)),
              std::filesystem::path(dir.file("sub/castle.wld")).lexically_normal());
}

TEST(FileNames, TheProjectFileStoresNamesBelowItsFolderRelativeToIt) {
    TempDir dir;
    namespace fs = std::filesystem;
    const fs::path folder = dir.path();
    const std::string project = dir.file("p.qzp");
    const std::string outside = (folder.parent_path() / "x.wld").string();
    const struct {
        std::string name, stored;
    } cases[] = {
        {dir.file("x.wld"), "x.wld"},
        {dir.file("sub/x.wld"), "sub/x.wld"},
        {(folder / "sub" / ".." / "x.wld").string(), "x.wld"},
        {outside, outside},              // another folder: kept absolute
        {"sub/x.wld", "sub/x.wld"},      // already relative
        {"C:\\mud\\x.wld", "C:\\mud\\x.wld"},  // another machine's, or another place
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(stored_file_name(c.name, project), c.stored) << c.name;
    // A project path given relative stands for the working directory's file.
    EXPECT_EQ(stored_file_name((fs::current_path() / "x.wld").string(), "p.qzp"), "x.wld");
}

TEST(ProjectProperties, FileFieldsFollowTheStandardExtensionRules) {
    ProjectPropertiesForm form;
    set_file_field(form, FileField::Room, "C:\\mud\\castle.txt", 30);
    EXPECT_EQ(form.room_file, "C:\\mud\\castle.wld");
    set_same_name(form, true, 30);  // derives from the empty zone field
    EXPECT_EQ(form.room_file, "30.wld");
    set_file_field(form, FileField::Zone, "C:\\mud\\castle.zon", 30);
    EXPECT_EQ(form.room_file, "C:\\mud\\castle.wld");
    EXPECT_EQ(form.mob_file, "C:\\mud\\castle.mob");
    EXPECT_EQ(form.shop_file, "C:\\mud\\castle.shp");
    EXPECT_EQ(form.object_file, "C:\\mud\\castle.obj");
    set_same_name(form, false, 30);
    set_file_field(form, FileField::Zone, "keep.zon", 30);
    EXPECT_EQ(form.mob_file, "C:\\mud\\castle.mob");  // unchecked: the fields keep their texts
    form.zone_number = "abc";
    EXPECT_EQ(form_zone_number(form), 300);
    form.zone_number = "31";
    EXPECT_EQ(form_zone_number(form), 31);
    FileChoice c = field_file_choice(FileField::Shop);
    EXPECT_EQ(c.title, "Select Shop file");
    EXPECT_EQ(c.filter, "Shops files (*.shp)|*.SHP|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*");
}

TEST(ProjectLifecycle, OpenLoadsEveryFileAndReportsMissingOnes) {
    TempDir dir;
    const std::string path = make_project(dir);
    Session s;
    ASSERT_TRUE(s.session.open_project(path));
    EXPECT_EQ(s.messages.texts(), missing_file_messages(dir, "mere"));
    EXPECT_EQ(s.world.room_count(), 2);
    EXPECT_EQ(s.world.project_zone_number, 186);
    EXPECT_EQ(s.project.project_path, path);
    EXPECT_EQ(s.project.author, "Ana");
    EXPECT_EQ(s.session.caption(), "Tarnwick Mere");
    EXPECT_TRUE(s.session.project_open());
    EXPECT_FALSE(s.world.changed);
    EXPECT_EQ(s.view.events,
              (std::vector<std::string>{"caption ", "cleared", "caption Tarnwick Mere", "loaded",
                                        "recent " + path, "placed", "enabled"}));
    EXPECT_EQ(s.view.live[int(ProjectWindow::RoomList)], (window_layout{true, 5, 6, 300, 400}));
    const auto& failed = s.session.load_failures();
    ASSERT_GE(failed.size(), 3u);
    EXPECT_EQ(failed[0], dir.file("mere.mob"));
    EXPECT_EQ(failed[2], dir.file("mere.shp"));
}

TEST(ProjectLifecycle, FailedOpenEmptiesTheWorldAndKeepsTheProjectValues) {
    TempDir dir;
    const std::string path = make_project(dir);
    Session s;
    ASSERT_TRUE(s.session.open_project(path));
    const AreaProject before = s.project;
    write_bytes(dir.file("bad.qzp"), std::string(3683, '\0'));
    s.messages.clear();
    s.view.events.clear();
    EXPECT_FALSE(s.session.open_project(dir.file("bad.qzp")));
    ASSERT_EQ(s.messages.texts().size(), 1u);
    EXPECT_EQ(s.messages.texts()[0].rfind("Error!\n", 0), 0u);
    EXPECT_EQ(s.world.room_count(), 0);
    EXPECT_EQ(s.project, before);
    EXPECT_FALSE(s.session.project_open());
    EXPECT_EQ(s.view.events, (std::vector<std::string>{"caption ", "cleared", "disabled"}));
}

TEST(ProjectLifecycle, CancelledNewLeavesEverythingAsItWas) {
    TempDir dir;
    Session s;
    ASSERT_TRUE(s.session.open_project(make_project(dir)));
    const AreaProject before = s.project;
    s.world.changed = true;
    s.messages.clear();
    s.view.events.clear();
    ProjectPropertiesForm shown;
    EXPECT_FALSE(s.session.new_project([&](ProjectPropertiesForm& f) {
        shown = f;
        f.room_file = "other.wld";  // typed, then cancelled
        return false;
    }));
    EXPECT_EQ(shown.author, "Ana");  // the author field keeps its text
    EXPECT_EQ(shown.zone_name, "");
    EXPECT_EQ(shown.room_file, "");
    EXPECT_EQ(shown.zone_number, "300");
    EXPECT_EQ(s.world.room_count(), 2);
    EXPECT_TRUE(s.world.changed);
    EXPECT_EQ(s.project, before);
    EXPECT_TRUE(s.session.project_open());
    EXPECT_TRUE(s.messages.entries.empty());
    EXPECT_TRUE(s.view.events.empty());
}

TEST(ProjectLifecycle, ConfirmedNewLoadsTheNamedFilesThatExist) {
    TempDir dir;
    make_project(dir);
    Session s;
    s.project.project_path = "old.qzp";
    s.project.author = "Ana";
    EXPECT_TRUE(s.session.new_project([&](ProjectPropertiesForm& f) {
        f.zone_name = "New Zone";
        f.room_file = dir.file("mere.wld");
        f.mob_file = dir.file("absent.mob");
        return true;
    }));
    EXPECT_TRUE(s.messages.entries.empty());  // absent files are not looked for
    EXPECT_EQ(s.world.room_count(), 2);
    EXPECT_EQ(s.project.project_path, "");
    EXPECT_EQ(s.project.zone_name, "New Zone");
    EXPECT_EQ(s.project.zone_number, 300);
    EXPECT_EQ(s.world.project_zone_number, 300);
    EXPECT_EQ(s.session.caption(), "New Zone");
    EXPECT_TRUE(s.session.project_open());
    EXPECT_EQ(s.view.events.back(), "enabled");
}

TEST(ProjectLifecycle, NewZoneHeaderIsTheOneNewAskedFor) {
    TempDir dir;
    Session s;
    ASSERT_TRUE(s.session.open_project(make_project(dir)));  // zone 186 before
    EXPECT_TRUE(s.session.new_project([&](ProjectPropertiesForm& f) {
        f.zone_number = "187";
        f.zone_name = "Heron Marsh";
        f.zone_file = dir.file("marsh.zon");  // no such file yet
        return true;
    }));
    const zone_header& z = s.world.zone;
    EXPECT_EQ(z.zone_number, 187);
    EXPECT_EQ(z.name, "Heron Marsh");
    EXPECT_EQ(z.top, 18799);
    EXPECT_EQ(z.lifespan, 30);
    EXPECT_EQ(z.reset_mode, 2);
    EXPECT_TRUE(z.commands.empty());
    EXPECT_FALSE(s.world.changed);
    EXPECT_EQ(s.world.dialect, Dialect::Circle30);

    // A new tbaMUD zone: its header names its bottom room and is written in
    // tbaMUD's layout. A zone file that exists keeps its own dialect.
    EXPECT_TRUE(s.session.new_project([&](ProjectPropertiesForm& f) {
        EXPECT_TRUE(f.ask_dialect);
        EXPECT_EQ(f.dialect, Dialect::Circle30);
        f.zone_number = "188";
        f.zone_file = dir.file("fen.zon");
        f.dialect = Dialect::TbaMud;
        return true;
    }));
    EXPECT_EQ(s.world.dialect, Dialect::TbaMud);
    EXPECT_EQ(z.bot, 18800);
    EXPECT_NE(zone_file_text(s.world, {}).find("~\n18800 18899 30 2"), std::string::npos);
    EXPECT_TRUE(s.session.new_project([&](ProjectPropertiesForm& f) {
        f.zone_file = dir.file("mere.zon");
        f.dialect = Dialect::TbaMud;
        return true;
    }));
    EXPECT_EQ(s.world.dialect, Dialect::Circle30);
    EXPECT_FALSE(s.session.load_project_properties().ask_dialect);
}

// The first save of a new project proposes its file beside the zone file,
// in the folder chosen for the new zone; a bare name leaves the chooser be.
TEST(ProjectLifecycle, NewProjectIsSavedBesideItsZoneFile) {
    struct ChoiceRecorder : MessageRecorder {
        std::vector<std::string> initials;
        std::optional<std::string> choose_file(const FileChoice& choice) override {
            initials.push_back(choice.initial);
            return MessageRecorder::choose_file(choice);
        }
    };
    TempDir dir, other;
    const std::pair<std::string, std::string> cases[] = {
        {other.file("marsh"), other.file("marsh.qzp")},
        {"marsh", ""},
    };
    for (const auto& [base, proposed] : cases) {
        SCOPED_TRACE(base);
        World world;
        AreaProject project;
        Preferences preferences;
        ChoiceRecorder messages;
        ProjectSession session{world, project, preferences, messages};
        ASSERT_TRUE(session.open_project(make_project(dir)));  // the last project, elsewhere
        ASSERT_TRUE(session.new_project([&, stem = base](ProjectPropertiesForm& f) {
            f.zone_number = "187";
            f.zone_file = stem + ".zon";
            f.room_file = stem + ".wld";
            f.mob_file = stem + ".mob";
            f.object_file = stem + ".obj";
            f.shop_file = stem + ".shp";
            return true;
        }));
        messages.initials.clear();
        EXPECT_FALSE(session.save_project(std::nullopt));  // the chooser is cancelled
        ASSERT_EQ(messages.initials.size(), 1u);
        EXPECT_EQ(messages.initials[0], proposed);
    }
}
}  // namespace project_lifecycle_test
