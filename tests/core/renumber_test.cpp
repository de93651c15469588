#include <gtest/gtest.h>

#include <filesystem>

#include "project/file_names.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "project/renumber.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;

namespace renumber_test {

room_data room(int32_t vnum) {
    room_data r;
    r.vnum = vnum;
    return r;
}

void add_exit(room_data& r, Direction d, int32_t target, int32_t key = -1) {
    r.exits.slot(d) = room_direction_data{};
    r.exits.slot(d)->target_vnum = target;
    r.exits.slot(d)->key_vnum = key;
}

obj_record object(int32_t vnum, int32_t type = 0, std::array<int32_t, 4> values = {}) {
    obj_record o;
    o.vnum = vnum;
    o.type = type;
    o.values = values;
    return o;
}

char_data mob(int32_t vnum) {
    char_data m;
    m.vnum = vnum;
    return m;
}

zCommand command(char letter, int32_t a1, int32_t a2, int32_t a3) {
    zCommand c;
    c.command = letter;
    c.arg1 = a1;
    c.arg2 = a2;
    c.arg3 = a3;
    return c;
}

std::vector<std::array<int32_t, 3>> arguments(const World& w) {
    std::vector<std::array<int32_t, 3>> out;
    for (const auto& c : w.zone.commands) out.push_back({c.arg1, c.arg2, c.arg3});
    return out;
}

// Rooms 3010, 3020, 3030; mobs 3011..3015 (3015 at index 4); objects 3021,
// 3005 and 3040 in that table order (renumbering numbers records by their
// place in the table, whatever it is).
World castle() {
    World w;
    w.rooms = {room(3010), room(3020), room(3030)};
    w.mobs = {mob(3011), mob(3012), mob(3013), mob(3014), mob(3015)};
    w.objects = {object(3021), object(3005), object(3040)};
    return w;
}


TEST(Renumber, RoomsExitsAndExitKeysFollow) {
    World w = castle();
    add_exit(w.rooms[0], North, 3020, 3040);  // key of the zone
    add_exit(w.rooms[0], Down, 1204, 1299);   // room and key of another zone
    add_exit(w.rooms[2], South, 3030);        // no key (-1)
    add_exit(w.rooms[1], Southwest, 3010, 3021);  // tbaMUD's diagonal
    MessageRecorder m;
    ASSERT_TRUE(renumber_world(w, 3000, m));
    EXPECT_TRUE(m.entries.empty());
    EXPECT_EQ(w.rooms[0].vnum, 3000);
    EXPECT_EQ(w.rooms[1].vnum, 3001);
    EXPECT_EQ(w.rooms[2].vnum, 3002);
    EXPECT_EQ(w.rooms[0].exits[North]->target_vnum, 3001);
    EXPECT_EQ(w.rooms[0].exits[North]->key_vnum, 3002);
    EXPECT_EQ(w.rooms[0].exits[Down]->target_vnum, 1204);
    EXPECT_EQ(w.rooms[0].exits[Down]->key_vnum, 1299);
    EXPECT_EQ(w.rooms[2].exits[South]->target_vnum, 3002);
    EXPECT_EQ(w.rooms[2].exits[South]->key_vnum, -1);
    EXPECT_EQ(w.rooms[1].exits[Southwest]->target_vnum, 3000);
    EXPECT_EQ(w.rooms[1].exits[Southwest]->key_vnum, 3000);
    EXPECT_EQ(w.mobs[4].vnum, 3004);
    EXPECT_EQ(w.objects[1].vnum, 3001);
    EXPECT_TRUE(w.changed);
}

TEST(Renumber, EveryZoneCommandLetterMapsItsReferences) {
    World w = castle();
    w.zone.zone_number = 30;
    w.zone.top = 3099;
    w.zone.commands = {command('M', 3015, 7, 3030),  command('O', 3040, 2, 3010),
                       command('G', 3021, 5, 3010),  command('E', 3005, 1, 16),
                       command('P', 3021, 1, 3040),  command('D', 3020, 2, 1),
                       command('R', 3010, 3021, 0), command('S', 3010, 3020, 3030),
                       command('M', 9999, 1, 1204),  command('R', 1204, 9999, 0)};
    MessageRecorder m;
    ASSERT_TRUE(renumber_world(w, 3000, m));
    EXPECT_EQ(arguments(w), (std::vector<std::array<int32_t, 3>>{
                                {3004, 7, 3002},  // mob, maximum, room
                                {3002, 2, 3000},  // object, maximum, room
                                {3000, 5, 3010},  // object only
                                {3001, 1, 16},    // object; the wear position stays
                                {3000, 1, 3002},  // object into its container
                                {3001, 2, 1},     // room; direction and state stay
                                {3000, 3000, 0},  // room first, then the object
                                {3010, 3020, 3030},
                                {9999, 1, 1204},  // other zones' numbers stay
                                {1204, 9999, 0}}));
    EXPECT_EQ(w.zone.zone_number, 30);
    EXPECT_EQ(w.zone.top, 3099);
}

TEST(Renumber, ShopsFollowKeepersProductsAndRooms) {
    World w = castle();
    shop_data a;
    a.vnum = 3099;
    a.keeper = 3015;
    a.products = {3040, 1200};
    a.rooms = {3030, 1204};
    shop_data b;
    b.vnum = 17;
    b.keeper = 1201;  // a keeper of another zone
    w.shops = {a, b};
    MessageRecorder m;
    ASSERT_TRUE(renumber_world(w, 3000, m));
    EXPECT_EQ(w.shops[0].vnum, 3000);
    EXPECT_EQ(w.shops[0].keeper, 3004);
    EXPECT_EQ(w.shops[0].products, (std::vector<int32_t>{3002, 1200}));
    EXPECT_EQ(w.shops[0].rooms, (std::vector<int32_t>{3002, 1204}));
    EXPECT_EQ(w.shops[1].vnum, 3001);
    EXPECT_EQ(w.shops[1].keeper, 1201);
}

TEST(Renumber, ContainerKeysFollowAndOtherValuesStay) {
    World w = castle();
    w.objects[0] = object(3021, 15, {50, 15, 3040, 0});  // locked chest, key of the zone
    w.objects[1] = object(3005, 15, {50, 15, 1299, 0});  // key of another zone
    w.objects[2] = object(3040, 5, {0, 3021, 3021, 0});  // a weapon: values are not references
    MessageRecorder m;
    ASSERT_TRUE(renumber_world(w, 500, m));
    EXPECT_EQ(w.objects[0].values, (std::array<int32_t, 4>{50, 15, 502, 0}));
    EXPECT_EQ(w.objects[1].values, (std::array<int32_t, 4>{50, 15, 1299, 0}));
    EXPECT_EQ(w.objects[2].values, (std::array<int32_t, 4>{0, 3021, 3021, 0}));
}

TEST(Renumber, DuplicatesGoToTheFirstAndASecondRunChangesNothing) {
    World w;
    w.rooms = {room(3010), room(3010), room(3030)};
    add_exit(w.rooms[2], West, 3010);
    MessageRecorder m;
    ASSERT_TRUE(renumber_world(w, 3000, m));
    EXPECT_EQ(w.rooms[1].vnum, 3001);
    EXPECT_EQ(w.rooms[2].exits[West]->target_vnum, 3000);

    World once = castle();
    add_exit(once.rooms[1], East, 3030, 3005);
    once.zone.commands = {command('M', 3012, 1, 3020), command('R', 3030, 3040, 0)};
    ASSERT_TRUE(renumber_world(once, 100, m));
    World twice = once;
    ASSERT_TRUE(renumber_world(twice, 100, m));
    EXPECT_EQ(twice.rooms, once.rooms);
    EXPECT_EQ(twice.objects, once.objects);
    EXPECT_EQ(arguments(twice), arguments(once));
}

TEST(Renumber, MoreThanAHundredRecordsAsksFirst) {
    World w;
    for (int i = 0; i < 101; ++i) w.objects.push_back(object(5000 + i));
    w.rooms = {room(5005)};
    MessageRecorder m;
    m.answers = {Answer::No};
    EXPECT_FALSE(renumber_world(w, 3000, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{
                             "A table of this zone holds 101 records, more than the 100 numbers "
                             "of a zone. Renumbered from 3000, its records run up to 3100, into "
                             "the numbers of the next zone.\nRenumber anyway?"});
    EXPECT_EQ(w.objects[0].vnum, 5000);
    EXPECT_EQ(w.rooms[0].vnum, 5005);
    EXPECT_FALSE(w.changed);
    m.answers = {Answer::Yes};
    EXPECT_TRUE(renumber_world(w, 3000, m));
    EXPECT_EQ(w.objects[100].vnum, 3100);
}

TEST(Renumber, BasesOutsideTheNumberRangeAreRefused) {
    World w = castle();
    MessageRecorder m;
    EXPECT_FALSE(renumber_world(w, INT32_MAX - 3, m));  // five mobs would overflow
    EXPECT_FALSE(renumber_world(w, -100, m));
    EXPECT_EQ(m.texts().size(), 2u);
    EXPECT_EQ(w.rooms[0].vnum, 3010);
    World empty;
    empty.zone.commands = {command('M', 1201, 1, 1204)};
    EXPECT_TRUE(renumber_world(empty, INT32_MAX, m));
    EXPECT_EQ(arguments(empty), (std::vector<std::array<int32_t, 3>>{{1201, 1, 1204}}));
}


// Every reference of the zone, as the index of the record it names (-1 for
// one of another zone), in a fixed order.
std::vector<int> reference_indices(const World& w) {
    std::vector<int> out;
    for (const auto& r : w.rooms)
        for (const auto& e : r.exits)
            if (e) {
                out.push_back(w.find_room(e->target_vnum));
                out.push_back(w.find_object(e->key_vnum));
            }
    for (const auto& s : w.shops) {
        out.push_back(w.find_mob(s.keeper));
        for (int32_t p : s.products) out.push_back(w.find_object(p));
        for (int32_t r : s.rooms) out.push_back(w.find_room(r));
    }
    for (const auto& c : w.zone.commands) {
        if (c.command == 'M') out.push_back(w.find_mob(c.arg1));
        if (c.command == 'M' || c.command == 'O') out.push_back(w.find_room(c.arg3));
        if (std::string("OGEP").find(c.command) != std::string::npos)
            out.push_back(w.find_object(c.arg1));
        if (c.command == 'P') out.push_back(w.find_object(c.arg3));
        if (c.command == 'D' || c.command == 'R') out.push_back(w.find_room(c.arg1));
        if (c.command == 'R') out.push_back(w.find_object(c.arg2));
    }
    return out;
}


TEST(Renumber, RealZonesKeepEveryReferenceThroughASave) {
    const auto corpus = tarnwick::test::corpus_dir() / "circle30";
    if (!std::filesystem::exists(corpus / "wld")) GTEST_SKIP() << "no corpus";
    tarnwick::test::TempDir dir;
    for (const char* zone : {"30", "120", "150"}) {
        AreaProject p;
        p.zone_number = std::stoi(zone);
        p.room_file = (corpus / "wld" / (std::string(zone) + ".wld")).string();
        p.mob_file = (corpus / "mob" / (std::string(zone) + ".mob")).string();
        p.object_file = (corpus / "obj" / (std::string(zone) + ".obj")).string();
        p.shop_file = (corpus / "shp" / (std::string(zone) + ".shp")).string();
        p.zone_file = (corpus / "zon" / (std::string(zone) + ".zon")).string();
        MessageRecorder m;
        const std::string original = dir.file(std::string(zone) + ".qzp");
        ASSERT_TRUE(write_project_file(original, p, m));

        World w;
        AreaProject project;
        Preferences prefs;
        ProjectSession session(w, project, prefs, m);
        ASSERT_TRUE(session.open_project(original));
        if (!session.load_failures().empty())
            GTEST_SKIP() << "not every reader is built yet: " << session.load_failures()[0];
        const std::vector<int> before = reference_indices(w);
        ASSERT_TRUE(renumber_world(w, 90000, m)) << zone;
        EXPECT_EQ(reference_indices(w), before) << zone;

        // Saved beside a new project file and read back, nothing moves.
        for (auto field : {&AreaProject::room_file, &AreaProject::mob_file,
                           &AreaProject::object_file, &AreaProject::shop_file,
                           &AreaProject::zone_file})
            project.*field = bare_file_name(project.*field);
        project.project_path = dir.file(std::string("copy") + zone + ".qzp");
        ASSERT_TRUE(session.save_project()) << zone;
        World again;
        AreaProject again_project;
        ProjectSession reopened(again, again_project, prefs, m);
        ASSERT_TRUE(reopened.open_project(project.project_path));
        EXPECT_TRUE(reopened.load_failures().empty());
        EXPECT_EQ(again.room_count(), w.room_count());
        EXPECT_EQ(again.rooms.front().vnum, 90000);
        EXPECT_EQ(reference_indices(again), before) << zone;
    }
}
}  // namespace renumber_test
