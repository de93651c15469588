// Builds a zone through the editors' own operations, then saves it as a
// project into a folder for the real server to boot:
//   tarnwick-edited-zone [--dialect circle30|circle31|tbamud] SOURCE.qzp OUT_DIR
// On top of SOURCE's zone: a room with exits both ways, a mob with an E-spec,
// an object of every type, a reset command of every letter and a shop (and
// in tbaMUD a trigger attached to a room, a mob and an object, a hidden
// door and T and V commands); then the zone is renumbered to the next
// hundred and saved in the dialect. Prints every message the
// editors gave and exits 1 when an operation failed.

#include <cstdio>
#include <filesystem>

#include "editors/exit_form.h"
#include "editors/mob_editor.h"
#include "editors/object_editor.h"
#include "editors/record_list_ops.h"
#include "editors/room_editor.h"
#include "editors/selection.h"
#include "editors/shop_editor.h"
#include "editors/zone_editor.h"
#include "project/file_names.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "project/renumber.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;

namespace {

// Answers the shop editor's vnum questions from a queue.
struct QueuedChooser : Chooser {
    std::vector<int32_t> vnums;
    int pick_from_list(const std::string&, const std::vector<std::string>&) override { return -1; }
    int32_t next() {
        if (vnums.empty()) return -1;
        const int32_t v = vnums.front();
        vnums.erase(vnums.begin());
        return v;
    }
    int32_t ask_object_vnum() override { return next(); }
    int32_t ask_room_vnum() override { return next(); }
};

int failures = 0;
void expect(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "edited zone: %s failed\n", what);
    ++failures;
}

}  // namespace

// tbaMUD's parts: a trigger of each attach type, each attached to the new
// record of its kind, and the zone commands that only it has.
void add_scripts(World& world, ZoneEditor& zone, int32_t room_vnum, int32_t mob_vnum,
                 int32_t object_vnum) {
    const char* names[] = {"netmaker greets", "thing glows", "loft creaks"};
    for (int32_t attach : {kAttachMobile, kAttachObject, kAttachRoom}) {
        trig_data t;
        t.vnum = world.zone.zone_number * 100 + attach;
        t.name = names[attach];
        t.attach_type = attach;
        t.trigger_types = attach == kAttachRoom ? 1 << 2 : 1 << 6;  // an enter / a greet
        t.narg = 100;
        t.script = "%echo% Something stirs.\n";
        world.triggers.push_back(t);
    }
    world.mobs[size_t(world.find_mob(mob_vnum))].triggers.push_back(world.triggers[0].vnum);
    world.objects[size_t(world.find_object(object_vnum))].triggers.push_back(world.triggers[1].vnum);
    room_data& room = world.rooms[size_t(world.find_room(room_vnum))];
    room.triggers.push_back(world.triggers[2].vnum);
    room.exits.slot(Down)->door = 3;  // a hidden door
    zCommand t = ZoneEditor::new_command('T');
    t.if_flag = 0, t.arg1 = 2, t.arg2 = world.triggers[2].vnum, t.arg3 = room_vnum;
    zone.place(nullptr, t);
    zCommand v = ZoneEditor::new_command('V');
    v.if_flag = 0, v.arg1 = 2, v.arg2 = 0, v.arg3 = room_vnum;
    v.var_name = "visits", v.var_value = "0";
    zone.place(nullptr, v);
    world.zone.builders = "The Tarnwick team";
}

int main(int argc, char** argv) {
    Dialect dialect = Dialect::Circle30;
    if (argc == 5 && std::string(argv[1]) == "--dialect" && dialect_from_key(argv[2], dialect)) {
        argv += 2;
        argc -= 2;
    }
    if (argc != 3) {
        std::fputs("usage: tarnwick-edited-zone [--dialect D] SOURCE.qzp OUT_DIR\n", stderr);
        return 2;
    }
    World world;
    AreaProject project;
    Preferences preferences;
    MessageRecorder messages;  // every question answered Yes
    ProjectSession session(world, project, preferences, messages);
    if (!session.open_project(argv[1])) return 1;
    world.dialect = dialect;
    world.zone.bot = world.zone.zone_number * 100;
    LookupLists lists;
    expect(load_lookup_lists(lists, {TARNWICK_SOURCE_DATA}, messages), "lookup lists");

    // A room joined to the first room both ways (the symmetric exit is offered and taken).
    const int room = add_record(world, ListKind::Room, messages, nullptr);
    RoomEditor rooms(world, lists, messages);
    rooms.show_room(room);
    rooms.form.name = "A loft above the landing";
    rooms.form.description = add_memo_line("", "Ropes and nets hang from the rafters.");
    rooms.form.sector = 8;
    expect(rooms.apply(), "room apply");
    ExitForm exit;
    exit.target = std::to_string(world.rooms[0].vnum);
    exit.description = "A ladder leads down.";
    expect(rooms.add_exit(Down, exit), "room exit");
    const int32_t room_vnum = world.rooms[size_t(room)].vnum;

    // A mob with an E-spec.
    const int mob = add_record(world, ListKind::Mob, messages, nullptr);
    MobEditor mobs(world, lists, messages);
    mobs.show_mob(mob);
    mobs.fields.alias = "netmaker";
    mobs.fields.short_name = "the netmaker";
    mobs.fields.long_name = "A netmaker knots twine here.";
    mobs.fields.descr = add_memo_line("", "Her fingers never stop.");
    mobs.fields.gold = "12";
    mobs.fields.exp = "340";
    expect(mobs.apply_mob(), "mob apply");
    EspecDialogForm especs(world, messages, mob);
    especs.id = "Str";
    especs.value = "17";
    especs.add();
    const int32_t mob_vnum = world.mobs[size_t(mob)].vnum;

    // An object of every type.
    ObjectEditor objects(world, lists, preferences, messages);
    std::vector<int32_t> object_vnums;
    for (int type = 1; type <= 23; ++type) {
        const int index = add_record(world, ListKind::Object, messages, nullptr);
        objects.show_object(index);
        // A drink container's last alias names a drink (3.1 and tbaMUD check it).
        objects.fields.alias = "thing" + std::to_string(type) + (type == 17 ? " water" : "");
        objects.fields.short_description = "a thing of type " + std::to_string(type);
        objects.fields.long_description = "A thing of type " + std::to_string(type) + " lies here.";
        objects.fields.type_entry = type - 1;
        objects.set_modified(true);  // as an edit in the window marks it
        if (auto values = objects.edit_values()) expect(objects.confirm_values(*values), "values");
        objects.apply_object();
        object_vnums.push_back(world.objects[size_t(index)].vnum);
    }
    const int32_t container = object_vnums[14];  // type 15

    // A reset command of every letter, children under their mob and container.
    ZoneEditor zone(world, messages);
    zone.show_zone_header();
    auto command = [](char letter, int32_t a1, int32_t a2, int32_t a3) {
        zCommand c = ZoneEditor::new_command(letter);
        c.arg1 = a1, c.arg2 = a2, c.arg3 = a3;
        return c;
    };
    ZoneTreeNode* m = zone.place(nullptr, command('M', mob_vnum, 1, room_vnum));
    zone.place(m, command('G', object_vnums[0], 1, 0));
    zone.place(m, command('E', object_vnums[4], 1, 16));
    ZoneTreeNode* o = zone.place(nullptr, command('O', container, 1, room_vnum));
    zone.place(o, command('P', object_vnums[7], 1, container));
    zone.place(nullptr, command('D', room_vnum, Down, 0));
    zone.place(nullptr, command('R', room_vnum, object_vnums[11], 0));
    if (dialect == Dialect::TbaMud) add_scripts(world, zone, room_vnum, mob_vnum, object_vnums[0]);

    // A shop kept by the new mob, selling two of the new objects in the new room.
    const int shop = add_record(world, ListKind::Shop, messages, nullptr);
    QueuedChooser chooser;
    ShopEditor shops(world, messages, chooser);
    shops.show_shop(shop);
    shops.fields.keeper_vnum = std::to_string(mob_vnum);
    chooser.vnums = {object_vnums[4], object_vnums[9]};
    shops.add_product();
    shops.add_product();
    chooser.vnums = {room_vnum};
    shops.add_room();
    expect(shops.apply_shop(), "shop apply");

    // Another hundred of vnums.
    const int32_t base = (world.rooms[0].vnum / 100 + 1) * 100;
    expect(renumber_world(world, base, messages), "renumber");
    zone.show_zone_header();

    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out);
    for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                       &AreaProject::object_file, &AreaProject::shop_file})
        project.*field = bare_file_name(project.*field);
    project.project_path = (out / "edited.qzp").string();
    expect(session.save_project(zone.header_fields()), "save");

    for (const auto& entry : messages.entries)
        std::fprintf(stderr, "edited zone: %s: %s\n", entry.kind.c_str(), entry.text.c_str());
    std::printf("edited zone saved in %s: %d rooms, %d mobs, %d objects, %d shops, %zu commands\n",
                out.string().c_str(), world.room_count(), world.mob_count(), world.object_count(),
                world.shop_count(), world.zone.commands.size());
    return failures == 0 ? 0 : 1;
}
