// The room, mob and object windows fill their lists from the open zone's
// dialect and fill them again when a zone of another dialect is opened.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <memory>

#include "editor_gui_support.h"
#include "ui/editor_factory.h"
#include "ui/editor_window.h"
#include "world/dialect_lists.h"

using namespace tarnwick;

TEST(DialectListsGui, EditorWindowsShowTheOpenZonesLists) {
    World world;
    AreaProject project;
    Preferences preferences;
    DialectLists sets;
    MessageRecorder messages;
    test::ScriptedChooser chooser;
    ASSERT_TRUE(load_dialect_lists(sets, {TARNWICK_SOURCE_DATA}, messages));
    ui::AppContext context{world, project, preferences, sets, messages, chooser};
    world.rooms.resize(1);
    world.rooms[0].flags = 1 << 16;  // tbaMUD's ROOM_WORLDMAP; no 3.0 room flag
    world.mobs.resize(1);
    world.mobs[0].affect_flags = 1 << 1;  // tbaMUD's AFF_BLIND, 3.0's AFF_INVISIBLE
    world.objects.resize(1);
    world.objects[0].type = 6;

    std::unique_ptr<ui::EditorWindow> room(ui::create_room_editor(context, nullptr));
    std::unique_ptr<ui::EditorWindow> mob(ui::create_mob_editor(context, nullptr));
    std::unique_ptr<ui::EditorWindow> object(ui::create_object_editor(context, nullptr));
    auto* room_flags = test::child<QListWidget>(room.get(), "RoomFlags");
    auto* affects = test::child<QListWidget>(mob.get(), "MobFlags");
    auto* types = test::child<QComboBox>(object.get(), "ComboBox1");
    auto* extras = test::child<QListWidget>(object.get(), "ExtraCheck");
    ASSERT_TRUE(room_flags && affects && types && extras);

    const struct {
        Dialect dialect;
        int room_flags;
        Qt::CheckState worldmap;  // the room's bit 16
        const char* blind;        // the mob's checked affect
        const char* type6;
        int extras;
    } cases[] = {
        {Dialect::TbaMud, 17, Qt::Checked, "AFF_BLIND", "FURNITURE", 18},
        {Dialect::Circle30, 16, Qt::Unchecked, "AFF_INVISIBLE", "FIREWEAPON", 17},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(dialect_key(c.dialect)));
        world.dialect = c.dialect;
        for (ui::EditorWindow* w : {room.get(), mob.get(), object.get()}) {
            w->lists_loaded();
            w->select_record(0);
        }
        ASSERT_EQ(room_flags->count(), c.room_flags);
        EXPECT_EQ(c.room_flags > 16 ? room_flags->item(16)->checkState() : Qt::Unchecked,
                  c.worldmap);
        ASSERT_GT(affects->count(), 1);
        EXPECT_EQ(affects->item(1)->text().toStdString(), c.blind);
        EXPECT_EQ(affects->item(1)->checkState(), Qt::Checked);
        EXPECT_EQ(affects->item(0)->checkState(), Qt::Unchecked);
        EXPECT_EQ(types->itemText(5).section(' ', 0, 0).toStdString(), c.type6);
        EXPECT_EQ(types->currentIndex(), 5);
        EXPECT_EQ(extras->count(), c.extras);
    }
}
