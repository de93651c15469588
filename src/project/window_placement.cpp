#include "project/window_placement.h"

#include <algorithm>

namespace tarnwick {
namespace {

// Slides `r` left or up, never further than the screen's own edge, so that it
// ends inside the screen when it is no larger than the screen.
PlacementRect pulled_inside(PlacementRect r, const PlacementRect& screen) {
    r.x = std::max(screen.x, std::min(r.x, screen.right() - r.width));
    r.y = std::max(screen.y, std::min(r.y, screen.bottom() - r.height));
    return r;
}

bool fits(const PlacementRect& r, const PlacementRect& screen, const PlacementRect& main) {
    return screen.contains(r) && !main.intersects(r);
}

}  // namespace

PlacementRect place_new_window(const PlacementRect& screen, const PlacementRect& main, int width,
                               int height, int order) {
    width = std::clamp(width, 1, std::max(1, screen.width));
    height = std::clamp(height, 1, std::max(1, screen.height));
    // The cascade starts over when it would run off the screen.
    for (int offset : {std::max(0, order) * kCascadeStep, 0}) {
        const PlacementRect candidates[] = {
            {main.x + offset, main.bottom() + offset, width, height},  // below
            {main.right() + offset, main.y + offset, width, height},   // to the right
            {main.x - width - offset, main.y + offset, width, height}, // to the left
            {main.x + offset, main.y - height - offset, width, height} // above
        };
        for (const PlacementRect& c : candidates) {
            // Below and above may slide sideways to stay on the screen; beside
            // may slide up or down. Either way it must still clear `main`.
            const PlacementRect r = pulled_inside(c, screen);
            if (fits(r, screen, main)) return r;
        }
    }
    // No room beside the main window for the whole frame: keep it below the
    // main window, shortened to what is left, or, with no room at all below,
    // at least below the main window's top band (its caption and menu bar).
    PlacementRect r = pulled_inside({main.x, main.bottom(), width, height}, screen);
    const int top = std::min(std::max(main.bottom(), screen.y), screen.bottom() - 1);
    if (r.y < top) {
        r.y = top;
        r.height = std::max(1, std::min(r.height, screen.bottom() - top));
    }
    return r;
}

PlacementRect place_dialog(const PlacementRect& screen, const PlacementRect& owner,
                           const PlacementRect& main, int width, int height) {
    width = std::clamp(width, 1, std::max(1, screen.width));
    height = std::clamp(height, 1, std::max(1, screen.height));
    PlacementRect r{owner.x + (owner.width - width) / 2, owner.y + (owner.height - height) / 2,
                    width, height};
    r = pulled_inside(r, screen);
    if (!r.intersects(main)) return r;
    // Below the main window, as high as it can go; a screen too short for
    // that keeps it as low as it goes, covering as little of the bars.
    r.y = main.bottom();
    return pulled_inside(r, screen);
}

}  // namespace tarnwick
