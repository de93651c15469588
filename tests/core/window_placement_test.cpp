// Where windows shown for the first time go: beside or below the main window,
// cascaded, inside the screen, never over the main window.

#include <gtest/gtest.h>

#include "project/window_placement.h"

namespace tarnwick {
namespace window_placement_test {

struct PlacementCase {
    const char* name;
    PlacementRect screen;
    PlacementRect main;
    int width;
    int height;
    int order;
    PlacementRect expected;
};

TEST(WindowPlacement, PlacesBesideOrBelowInsideTheScreen) {
    const PlacementRect screen{0, 0, 1600, 1000};
    const PlacementRect top_bar{0, 0, 800, 100};
    const PlacementCase cases[] = {
        {"first window below the main window", screen, top_bar, 600, 400, 0, {0, 100, 600, 400}},
        {"third window cascaded", screen, top_bar, 600, 400, 2, {48, 148, 600, 400}},
        {"deep cascade slides back up onto the screen", screen, top_bar, 600, 800, 10,
         {240, 200, 600, 800}},
        {"too tall for below goes to the right", screen, top_bar, 600, 950, 0, {800, 0, 600, 950}},
        {"main at the right edge: below slides left", screen, {1200, 0, 400, 100}, 600, 400, 0,
         {1000, 100, 600, 400}},
        {"main at the bottom: above", screen, {0, 900, 1600, 100}, 600, 400, 0, {0, 500, 600, 400}},
        {"screen not at the origin", {1600, 30, 1280, 1000}, {1700, 40, 700, 80}, 500, 300, 1,
         {1724, 144, 500, 300}},
        {"larger than the screen is shrunk and kept below", screen, {0, 0, 1600, 100}, 2000,
         1400, 0, {0, 100, 1600, 900}},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PlacementRect r = place_new_window(c.screen, c.main, c.width, c.height, c.order);
        EXPECT_EQ(r, c.expected) << r.x << "," << r.y << " " << r.width << "x" << r.height;
        EXPECT_TRUE(c.screen.contains(r));
        EXPECT_FALSE(r.intersects(c.main));
    }
}

TEST(WindowPlacement, ManyWindowsAllStayOnScreenAndOffTheMainWindow) {
    const PlacementRect screen{0, 0, 1024, 768};
    const PlacementRect main{100, 0, 760, 73};
    for (int order = 0; order < 12; ++order)
        for (const auto& [w, h] : {std::pair{640, 480}, {900, 690}, {300, 600}, {1024, 695}}) {
            const PlacementRect r = place_new_window(screen, main, w, h, order);
            SCOPED_TRACE(order);
            EXPECT_TRUE(screen.contains(r));
            EXPECT_FALSE(r.intersects(main));
            EXPECT_EQ(r.width, w);
        }
}

struct DialogCase {
    const char* name;
    PlacementRect owner;
    int width;
    int height;
    PlacementRect expected;
};

TEST(WindowPlacement, DialogsCentreOnTheirOwnerClearOfTheMainWindow) {
    const PlacementRect screen{0, 0, 1280, 800};
    const PlacementRect main{0, 0, 762, 98};
    const DialogCase cases[] = {
        {"centred on an editor", {24, 122, 721, 595}, 251, 121, {259, 359, 251, 121}},
        {"asked from the main window: just below it", main, 361, 106, {200, 98, 361, 106}},
        {"tall dialog over a short editor slides below the bar", {0, 98, 400, 120}, 300, 400,
         {50, 98, 300, 400}},
        {"owner at the screen's corner: kept on the screen", {1100, 700, 180, 100}, 400, 300,
         {880, 500, 400, 300}},
        {"taller than the room below the bar: at the bottom", {0, 98, 700, 700}, 300, 780,
         {200, 20, 300, 780}},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PlacementRect r = place_dialog(screen, c.owner, main, c.width, c.height);
        EXPECT_EQ(r, c.expected) << r.x << "," << r.y << " " << r.width << "x" << r.height;
        EXPECT_TRUE(screen.contains(r));
    }
}

}  // namespace window_placement_test
}  // namespace tarnwick
