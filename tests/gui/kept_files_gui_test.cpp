// Saving from the main window keeps the builder's files: a rooms file cut in
// the middle of a room shows its intact rooms and is replaced only after the
// question, its old bytes kept as .bak; Re-format is one step Undo takes back.

#include <gtest/gtest.h>

#include <QListWidget>
#include <filesystem>

#include "gui_support.h"
#include "ui/record_list_window.h"

namespace tarnwick::test {
namespace kept_files_gui_test {

using KeptFilesGui = MainFixture;

TEST_F(KeptFilesGui, ACutRoomsFileShowsItsIntactRoomsAndIsKeptAsBak) {
    SampleZone zone;
    const std::string wld = zone.file("tarnwick.wld");
    const std::string whole = read_bytes(wld);
    // Cut in the middle of the sixth room.
    size_t at = 0;
    for (int i = 0; i < 5; ++i) at = whole.find("\n#", at + 1);  // the sixth room
    const std::string cut = whole.substr(0, at + 40);
    write_bytes(wld, cut);

    ASSERT_TRUE(main->open_project(zone.project()));
    EXPECT_EQ(state->world.room_count(), 5);
    ASSERT_EQ(messages.texts().size(), 1u) << ::testing::PrintToString(messages.texts());
    EXPECT_NE(messages.texts()[0].find("tarnwick.wld could not be read from line "), std::string::npos);
    EXPECT_NE(messages.texts()[0].find("the 5 rooms before line"), std::string::npos);
    auto* rooms = main->list(ListKind::Room)->findChild<QListWidget*>("ListBox1");
    ASSERT_NE(rooms, nullptr);
    EXPECT_EQ(rooms->count(), 5);

    // Keep the file: nothing of it changes.
    messages.clear();
    messages.answers = {Answer::No};
    state->world.changed = true;
    trigger("Guardar1");
    ASSERT_FALSE(messages.entries.empty());
    EXPECT_EQ(messages.entries[0].kind, "ask");
    EXPECT_NE(messages.entries[0].text.find(" could not be read; saving replaces them with the 5 "
                                            "the editor holds"),
              std::string::npos);
    EXPECT_EQ(read_bytes(wld), cut);
    EXPECT_FALSE(std::filesystem::exists(wld + ".bak"));

    // Save anyway: the five rooms keep their bytes, the old file is kept.
    messages.clear();
    messages.answers = {Answer::Yes};
    trigger("Guardar1");
    EXPECT_EQ(read_bytes(wld + ".bak"), cut);
    EXPECT_EQ(read_bytes(wld), whole.substr(0, at + 1) + "$\n");
}

// The top is the one in the file; a room added above it through the room
// list raises it, and the save writes it.
TEST_F(KeptFilesGui, ARoomAddedAboveTheTopRaisesIt) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    EXPECT_EQ(state->world.zone.top, 18699);
    state->world.zone.top = 18605;
    trigger("Agregar1");  // Rooms > Add: #18612
    EXPECT_EQ(state->world.rooms.back().vnum, 18612);
    EXPECT_EQ(state->world.zone.top, 18612);
    trigger("Guardar1");
    EXPECT_NE(read_bytes(zone.file("tarnwick.zon")).find("~\n 18612 20 2 \n"), std::string::npos)
        << read_bytes(zone.file("tarnwick.zon"));
}

TEST_F(KeptFilesGui, ReformatIsOneStepAndTheNextSaveWritesTheHouseStyle) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const std::string zon = zone.file("tarnwick.zon");
    std::string mine = read_bytes(zon);
    mine.insert(mine.find("\nM "), "\n* the ferryman's post");
    write_bytes(zon, mine);
    ASSERT_TRUE(main->open_project(zone.project()));
    messages.clear();
    messages.answers = {Answer::Yes};
    trigger("ReformatZone1");
    EXPECT_TRUE(state->world.reformat);
    state->context.history.undo();
    EXPECT_FALSE(state->world.reformat);
    trigger("Guardar1");
    EXPECT_EQ(read_bytes(zon), mine);  // nothing changed: the comment stays

    messages.answers = {Answer::Yes};
    trigger("ReformatZone1");
    trigger("Guardar1");
    EXPECT_EQ(read_bytes(zon).find("the ferryman's post"), std::string::npos);
    EXPECT_EQ(read_bytes(zon).rfind("*****", 0), 0u);
    EXPECT_FALSE(state->world.reformat);
}

}  // namespace kept_files_gui_test
}  // namespace tarnwick::test
