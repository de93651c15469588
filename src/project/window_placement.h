#pragma once
// Where a window goes the first time it is shown, when no saved layout puts
// it anywhere: beside or below the main window, cascaded from the window
// placed before it, inside the screen's free area and clear of the main
// window, so its menu bar is never covered. Plain arithmetic on rectangles,
// so it is tested without a display.

namespace tarnwick {

struct PlacementRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int right() const { return x + width; }    // one past the last column
    int bottom() const { return y + height; }  // one past the last row
    bool contains(const PlacementRect& r) const {
        return r.x >= x && r.y >= y && r.right() <= right() && r.bottom() <= bottom();
    }
    bool intersects(const PlacementRect& r) const {
        return r.x < right() && x < r.right() && r.y < bottom() && y < r.bottom();
    }
    bool operator==(const PlacementRect&) const = default;
};

// How far each window is shifted right and down from the one before it.
inline constexpr int kCascadeStep = 24;

// The frame rectangle for a window of frame size `width` x `height` that is
// the `order`th (from 0) placed this way. `screen` is the available screen
// area, `main` the main window's frame. The result lies inside `screen` and,
// whenever the screen leaves any room for it, off `main`; a window larger
// than the screen is shrunk to it.
PlacementRect place_new_window(const PlacementRect& screen, const PlacementRect& main, int width,
                               int height, int order);

// The frame rectangle for a dialog of frame size `width` x `height` asked for
// from the window whose frame is `owner`: centred on it, inside `screen`,
// and pushed below `main` when it would cover the main window's bars (a
// dialog asked from the thin main window itself opens just below it).
PlacementRect place_dialog(const PlacementRect& screen, const PlacementRect& owner,
                           const PlacementRect& main, int width, int height);

}  // namespace tarnwick
