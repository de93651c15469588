// Conversion over the real worlds: the CircleMUD 3.0 zones converted to 3.1
// against the same zones as 3.1 ships them, the tbaMUD zones down to 3.0
// and up again, and every converted file read back by its new reader.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "convert/convert.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "project/world_folder.h"
#include "test_support.h"
#include "world/messages.h"

using namespace tarnwick;

namespace convert_corpus_test {

bool read_folder(const std::filesystem::path& dir, WorldFolder& folder) {
    SilentMessages silent;
    return std::filesystem::is_directory(dir / "zon") &&
           read_world_folder(dir.string(), folder, silent) && folder.failures.empty();
}

std::vector<ZoneSpan> spans(const WorldFolder& f) {
    std::vector<ZoneSpan> out;
    for (const World& z : f.zones) out.push_back({z.zone.zone_number, z.zone.top});
    return out;
}

template <class Record>
void differing(const std::vector<Record>& a, const std::vector<Record>& b, const char* kind,
               std::set<std::string>& out) {
    std::map<int32_t, const Record*> by_vnum;
    for (const Record& r : b) by_vnum[r.vnum] = &r;
    for (const Record& r : a) {
        const auto it = by_vnum.find(r.vnum);
        if (it == by_vnum.end() || !(*it->second == r))
            out.insert(std::string(kind) + " " + std::to_string(r.vnum));
        if (it != by_vnum.end()) by_vnum.erase(it);
    }
    for (const auto& [vnum, r] : by_vnum)
        out.insert(std::string(kind) + " " + std::to_string(vnum));
}

// The zone header and its commands as the file holds them.
bool same_zone(const zone_header& a, const zone_header& b) {
    if (!(zone_head_values(a) == zone_head_values(b)) || a.commands.size() != b.commands.size())
        return false;
    auto j = b.commands.begin();
    for (const zCommand& c : a.commands)
        if (!c.same_command(*j++)) return false;
    return true;
}

std::set<std::string> differences(const World& a, const World& b) {
    std::set<std::string> out;
    differing(a.rooms, b.rooms, "room", out);
    differing(a.mobs, b.mobs, "mobile", out);
    differing(a.objects, b.objects, "object", out);
    differing(a.shops, b.shops, "shop", out);
    if (!same_zone(a.zone, b.zone)) out.insert("zone " + std::to_string(a.zone.zone_number));
    return out;
}

// The converted zone as its new server's readers read its files back.
World read_back(const World& w) {
    World back;
    back.dialect = w.dialect;
    FormatSettings settings;
    MessageRecorder m;
    EXPECT_TRUE(read_zone(back, zone_file_text(w, settings), m));
    EXPECT_TRUE(w.rooms.empty() || read_rooms(back, room_file_text(w, settings), settings, m));
    EXPECT_TRUE(w.mobs.empty() || read_mobs(back, mob_file_text(w, settings), settings, m));
    EXPECT_TRUE(w.objects.empty() ||
                read_objects(back, object_file_text(w, settings, m), settings, m));
    EXPECT_TRUE(w.shops.empty() || read_shops(back, shop_file_output(w, settings).bytes, m));
    return back;
}


// The zones both releases ship: converted from 3.0, each equals its 3.1
// file record by record, but for the records the world's makers edited.
TEST(ConvertCorpus, Circle30ZonesConvertedEqualTheCircle31Files) {
    WorldFolder c30, c31;
    if (!read_folder(test::corpus_dir() / "circle30", c30) ||
        !read_folder(test::shared_dir() / "corpus-circle31", c31))
        GTEST_SKIP() << "no CircleMUD 3.0 and 3.1 corpus";
    // What the makers changed between the releases: a typo (mobile 1); the
    // Death mobile, its scythe, room 99 and their commands gone (zone 0);
    // flags (mobiles 3090-3094 gain NOSUMMON, 6002 loses AGGR_NEUTRAL where
    // the conversion kept whom it attacks, room 2529 gains DEATH); item
    // types FOOD made KEY (objects 2500, 2593-2595) with wear flags
    // (2500, 3030, 3031); keywords reordered (2523, 2524) and drinks renamed
    // (3003, 3320, 3321); shop 3008 gone, shop 12036's message rewritten;
    // zone 25's P limits 999 made 100; zone 31's top raised to 3299, which
    // takes rooms 3200-3205 from zone 33 (whose bottom goes up to 3300);
    // zone 40 renamed, its top lowered to 4198 and two doors' sides swapped.
    const std::set<std::string> edited = {
        "mobile 1",    "mobile 3090", "mobile 3091", "mobile 3092", "mobile 3093", "mobile 3094",
        "mobile 6002", "mobile 99",   "object 2500", "object 2523", "object 2524", "object 2593",
        "object 2594", "object 2595", "object 3003", "object 3030", "object 3031", "object 3320",
        "object 3321", "object 99",   "room 2529",   "room 3200",   "room 3201",   "room 3202",
        "room 3203",   "room 3204",   "room 3205",   "room 99",     "shop 12036",  "shop 3008",
        "zone 0",      "zone 25",     "zone 31",     "zone 33",     "zone 40"};
    std::set<std::string> got;
    ASSERT_EQ(c30.zones.size(), c31.zones.size());
    for (size_t i = 0; i < c30.zones.size(); ++i) {
        ConversionReport r;
        const World c = convert_world(c30.zones[i], Dialect::Circle31, {"", spans(c30)}, r);
        // A message 3.1 refuses is the one loss.
        EXPECT_EQ(r.lines(true).size(), c.zone.zone_number == 120 ? 1u : 0u) << c.zone.zone_number;
        for (const std::string& d : differences(c, c31.zones[i])) got.insert(d);
        const World back = read_back(c);
        EXPECT_EQ(differences(c, back), std::set<std::string>{}) << c.zone.zone_number;
    }
    EXPECT_EQ(got, edited);
}

// Down to 3.0 and up again: every value 3.0 holds comes back; a record of
// which nothing was lost comes back whole; what is written reads back.
TEST(ConvertCorpus, TbaMudZonesDownAndUpKeepWhatCircle30Holds) {
    WorldFolder tba;
    if (!read_folder(test::shared_dir() / "corpus-tbamud", tba)) GTEST_SKIP() << "no tbaMUD corpus";
    int compared = 0;
    for (const World& z : tba.zones) {
        ConversionReport down_report, up_report, again_report;
        const World down = convert_world(z, Dialect::Circle30, {"", spans(tba)}, down_report);
        if (down_report.left_out) continue;
        EXPECT_EQ(differences(down, read_back(down)), std::set<std::string>{})
            << z.zone.zone_number;
        const World up =
            convert_world(down, Dialect::TbaMud, {z.zone.builders, spans(tba)}, up_report);
        EXPECT_FALSE(up_report.has_losses()) << z.zone.zone_number;
        EXPECT_EQ(differences(up, read_back(up)), std::set<std::string>{}) << z.zone.zone_number;
        const World again = convert_world(up, Dialect::Circle30, {"", spans(tba)}, again_report);
        EXPECT_EQ(differences(again, down), std::set<std::string>{}) << z.zone.zone_number;
        std::set<std::string> lossy;
        for (const ConversionNote& n : down_report.notes)
            if (n.loss) lossy.insert(n.record);
        for (const std::string& d : differences(up, z))
            if (!lossy.count(d) && d.rfind("zone ", 0) != 0)
                ADD_FAILURE() << d << " came back changed";
        ++compared;
    }
    EXPECT_GT(compared, 50);
}
}  // namespace convert_corpus_test
