// Screen measures of the window and its pages. Positions and sizes are given
// in twips (1/1440 inch, 15 to a pixel at 96 dpi; Qt scales the pixels on
// high-DPI screens).
#pragma once

namespace ui {

constexpr int twipsParPixel = 15;
constexpr int pixels(int twips) {
    return (twips + twipsParPixel / 2) / twipsParPixel;
}

// Height of one row of tab headers; the tab control has two.
constexpr int hauteurRangOnglets = 520;

} // namespace ui
