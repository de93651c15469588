// The largest zone the editor holds, built in memory and saved as a project.

#include "full_zone.h"

#include <cstdio>
#include <filesystem>

#include "project/area_project.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "world/messages.h"

namespace tarnwick::bench {
namespace {

std::string text(int n, int i) {
    std::string t;
    while (int(t.size()) < n) t += "Words of a builder's description, number " + std::to_string(i) + ". ";
    return t.substr(0, size_t(n));
}

}  // namespace

World full_zone() {
    World w;
    w.zone.zone_number = 200;
    w.project_zone_number = 200;
    w.zone.name = "Full zone";
    w.zone.top = 20999;
    w.zone.lifespan = 30;
    w.zone.reset_mode = 2;
    for (int i = 0; i < kRoomCapacity; ++i) {
        room_data r;
        r.vnum = 20000 + i;
        r.name = "Room " + std::to_string(i);
        r.description = text(400, i);
        r.extra_descs.push_back({"sign", text(120, i)});
        r.exits[North] = room_direction_data{text(60, i), "door", 1, -1, 20000 + (i + 1) % 1000};
        w.rooms.push_back(std::move(r));
    }
    for (int i = 0; i < kMobCapacity; ++i) {
        char_data m;
        m.vnum = 20000 + i;
        m.alias = "mob guard";
        m.short_name = "a guard " + std::to_string(i);
        m.long_name = "A guard stands here.";
        m.descr = text(300, i);
        w.mobs.push_back(std::move(m));
    }
    for (int i = 0; i < kObjectCapacity; ++i) {
        obj_record o;
        o.vnum = 20000 + i;
        o.alias = "sword";
        o.short_description = "a sword " + std::to_string(i);
        o.long_description = "A sword lies here.";
        o.extra_descs.push_back({"blade", text(150, i)});
        w.objects.push_back(std::move(o));
    }
    for (int i = 0; i < kShopCapacity; ++i) {
        shop_data s;
        s.vnum = 20000 + i;
        s.products = {20000, 20001, 20002};
        s.rooms = {20000 + i};
        s.msg_buy_missing = "%s I have none of that.";
        s.msg_bought = "%s That costs %d.";
        w.shops.push_back(std::move(s));
    }
    for (int i = 0; i < 3000; ++i) {
        zCommand c;
        c.command = "MOGEDP"[i % 6];
        c.arg1 = 20000 + i % 500;
        c.arg2 = 1;
        c.arg3 = 20000 + i % kRoomCapacity;
        w.zone.commands.push_back(c);
    }
    return w;
}

std::string save_full_zone_project(const std::string& dir) {
    namespace fs = std::filesystem;
    World world = full_zone();
    AreaProject project;
    const fs::path base(dir);
    project.project_path = (base / "full.qzp").string();
    project.zone_name = world.zone.name;
    project.zone_number = world.zone.zone_number;
    project.zone_file = (base / "full.zon").string();
    project.room_file = (base / "full.wld").string();
    project.mob_file = (base / "full.mob").string();
    project.object_file = (base / "full.obj").string();
    project.shop_file = (base / "full.shp").string();
    Preferences preferences;
    // A message means the zone was not saved as built: report it, as the
    // benchmark figures would not be of a full zone.
    MessageRecorder messages;
    ProjectSession session{world, project, preferences, messages};
    const bool saved = session.save_project();
    for (const auto& m : messages.entries) std::fprintf(stderr, "%s\n", m.text.c_str());
    return saved && messages.entries.empty() ? project.project_path : std::string();
}

}  // namespace tarnwick::bench
