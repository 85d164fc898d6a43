#pragma once
// Where a help page puts its text and its page buttons, by screen width, and
// what a click on those buttons does. Qt-free: the click is handled by the
// mouse handler, the drawing by the help page.
#include <cstdint>

#include "common/game.h"

namespace vel {

inline constexpr int32_t kHelpPageCount = 15;
inline constexpr int32_t kAdvicePage = 300;

struct HelpLayout {
    int32_t textX = 0;
    int32_t firstLineY = 5;
    int32_t lineStep = 0;
    int32_t backgroundBottom = 0;  // the page covers the screen down to here
    bool partial = false;          // true: the screen below stays visible
    int32_t buttonTop = 0;
    int32_t buttonWidth = 0;
    int32_t buttonHeight = 20;
    int32_t nextLeft = 0;
    int32_t prevLeft = 0;
    int32_t labelInset = 0;  // from the button's left edge to its label
    bool showNext = false;
    bool showPrev = false;
};

// The layout of `page` on the screen described by s (width, height, fonts).
HelpLayout ComputeHelpLayout(const ScreenState& s, int32_t page);

// The layout of the open page, and the button geometry stored where the
// mouse handler reads it.
HelpLayout ApplyHelpLayout(ScreenState& s);

// A left click at (x, y) while a page is open: turns the page when it lands
// strictly inside a shown page button and consumes the click (clickX -100).
// Returns true when it did.
bool HelpPageClick(Game& g, int32_t x, int32_t y);

}  // namespace vel
