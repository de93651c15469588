// Open World Folder on a copy of the corpus: the zone table lists every
// zone with its counts, zone 30 opens in place, and saving it changes only
// zone 30's files.

#include <gtest/gtest.h>

#include <QDialog>
#include <QTableWidget>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "gui_support.h"
#include "project/world_zones.h"
#include "ui/world_zones_dialog.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

fs::path corpus_world() {
    if (const char* env = std::getenv("TARNWICK_CORPUS")) return fs::path(env) / "circle30";
    return fs::path(TARNWICK_EXAMPLES) / ".." / ".." / "shared" / "corpus" / "circle30";
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files[fs::relative(e.path(), dir).string()] = read_bytes(e.path().string());
    return files;
}

using WorldFolderTest = MainFixture;

TEST_F(WorldFolderTest, ListsEveryZoneOpensZone30AndSavesOnlyItsFiles) {
    if (!fs::is_directory(corpus_world() / "zon")) GTEST_SKIP() << "no corpus";
    TempDir copy;
    fs::copy(corpus_world(), copy.path() / "world", fs::copy_options::recursive);
    const fs::path world = copy.path() / "world";
    const auto before = snapshot(world);
    const auto expected = list_world_zones(world.string());

    std::vector<QString> shown;
    on_next_modal([&](QWidget* modal) {
        auto* dialog = qobject_cast<ui::WorldZonesDialog*>(modal);
        ASSERT_TRUE(dialog);
        QTableWidget* table = dialog->table();
        ASSERT_EQ(table->rowCount(), int(expected.size()));
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 8; ++c) cells << table->item(r, c)->text();
            shown.push_back(cells.join('|'));
            if (table->item(r, 0)->text() == "30") table->selectRow(r);
        }
        dialog->accept();
    });
    ASSERT_TRUE(main->open_world_folder(QString::fromStdString(world.string())));

    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const WorldZone& z = expected[i];
        EXPECT_TRUE(z.problem.empty()) << z.problem;
        EXPECT_EQ(shown[i], QString("%1|%2|%3|%4|%5|%6|%7|%8")
                                .arg(z.number).arg(QString::fromStdString(z.name)).arg(z.top)
                                .arg(z.rooms).arg(z.mobs).arg(z.objects).arg(z.shops)
                                .arg(z.commands));
    }
    EXPECT_EQ(state->project.zone_number, 30);
    EXPECT_EQ(state->world.room_count(), 59);
    ASSERT_GE(state->world.find_room(3001), 0);

    state->world.rooms[size_t(state->world.find_room(3001))].name = "The Temple, renamed";
    state->world.changed = true;
    main->Guardar1Click();
    EXPECT_FALSE(state->world.changed);
    auto after = snapshot(world);
    EXPECT_EQ(after.size(), before.size()) << "no project file and no other new file";
    for (const auto& [name, bytes] : before) {
        if (fs::path(name).stem() == "30") continue;
        EXPECT_EQ(after[name], bytes) << name << " changed";
    }
    EXPECT_NE(after["wld/30.wld"].find("The Temple, renamed~"), std::string::npos);
}

}  // namespace
}  // namespace tarnwick::test
