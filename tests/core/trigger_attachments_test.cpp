// The trigger list the room, mob and object editors share: each row runs a
// few operations on a mobile's list and states the list, the chosen line
// and the messages that follow. The zone has mobile triggers 3000 and 3001
// and room trigger 3002.
#include <gtest/gtest.h>

#include "editors/trigger_attachments.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {
namespace trigger_attachments_test {

trig_data trigger(int32_t vnum, const std::string& name, int attach) {
    trig_data t;
    t.vnum = vnum;
    t.name = name;
    t.attach_type = attach;
    return t;
}

struct Step {
    char op;           // 'a' add text, 'c' choose line, 'r' remove, 'u' up, 'd' down
    std::string text;  // the typed vnum for 'a', the line for 'c'
    bool changed;
};

struct Row {
    const char* name;
    TriggerList start;
    std::vector<Step> steps;
    TriggerList expected;
    int chosen;
    size_t messages;
};

TEST(TriggerAttachmentsChoices, OfferTheZonesTriggersOfTheKindNotAttached) {
    World w;
    w.triggers = {trigger(3000, "Greeter", kAttachMobile), trigger(3001, "Thief", kAttachMobile),
                  trigger(3002, "Gate", kAttachRoom)};
    TriggerAttachments mob(kAttachMobile);
    mob.load({3001});
    const auto offered = mob.choices(w);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].vnum, 3000);
    EXPECT_EQ(offered[0].line, "#3000  Greeter");
    TriggerAttachments room(kAttachRoom);
    ASSERT_EQ(room.choices(w).size(), 1u);
    EXPECT_EQ(room.choices(w)[0].vnum, 3002);
    EXPECT_TRUE(TriggerAttachments(kAttachObject).choices(w).empty());
}

const Row kRows[] = {
    {"add appends and chooses", {3001}, {{'a', "3000", true}}, {3001, 3000}, 1, 0},
    {"unknown vnum is taken", {}, {{'a', "9999", true}}, {9999}, 0, 0},
    {"not a number", {3000}, {{'a', "30x", false}, {'a', "", false}, {'a', "-1", false}}, {3000}, -1, 3},
    {"duplicate refused", {3000}, {{'a', "3000", false}}, {3000}, -1, 1},
    {"room trigger refused on a mobile", {}, {{'a', "3002", false}}, {}, -1, 1},
    {"remove middle chooses next", {1, 2, 3}, {{'c', "1", true}, {'r', "", true}}, {1, 3}, 1, 0},
    {"remove last chooses new last", {1, 2}, {{'c', "1", true}, {'r', "", true}}, {1}, 0, 0},
    {"remove without choice", {1, 2}, {{'r', "", false}}, {1, 2}, -1, 0},
    {"move up and down", {1, 2, 3}, {{'c', "2", true}, {'u', "", true}, {'u', "", true}, {'u', "", false}},
     {3, 1, 2}, 0, 0},
    {"move past the end", {1, 2}, {{'c', "1", true}, {'d', "", false}, {'u', "", true}}, {2, 1}, 0, 0},
    {"choose out of range clears", {1}, {{'c', "5", false}, {'u', "", false}}, {1}, -1, 0},
};

TEST(TriggerAttachmentsTest, EditsAndAppliesTheList) {
    World world;
    world.triggers = {trigger(3000, "greet", kAttachMobile), trigger(3001, "fight", kAttachMobile),
                      trigger(3002, "enter", kAttachRoom)};
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        MessageRecorder messages;
        TriggerAttachments list(kAttachMobile);
        list.load(row.start);
        for (const Step& s : row.steps) {
            bool changed = true;
            switch (s.op) {
            case 'a': changed = list.add(s.text, world, messages); break;
            case 'c': list.choose(std::stoi(s.text)); changed = list.chosen() >= 0; break;
            case 'r': changed = list.remove(); break;
            case 'u': changed = list.move(-1); break;
            case 'd': changed = list.move(+1); break;
            }
            EXPECT_EQ(changed, s.changed) << s.op << " " << s.text;
        }
        EXPECT_EQ(list.vnums(), row.expected);
        EXPECT_EQ(list.chosen(), row.chosen);
        EXPECT_EQ(messages.entries.size(), row.messages);

        // Applying stores the list and says whether the record changed.
        TriggerList record = row.start;
        EXPECT_EQ(list.apply(record), row.expected != row.start);
        EXPECT_EQ(record, row.expected);
        EXPECT_FALSE(list.apply(record));
    }

    TriggerAttachments shown(kAttachMobile);
    shown.load({3001, 42});
    EXPECT_EQ(shown.lines(world), (std::vector<std::string>{"#3001  fight", "#42  (no such trigger)"}));
}

}  // namespace trigger_attachments_test
}  // namespace tarnwick
