#include "shell/help_layout.h"

namespace vel {
namespace {

bool HasPageButtons(int32_t page) { return page >= 1 && page <= kHelpPageCount; }

// Page 3 and the advice page cover only the top third: they talk about
// what is on the screen below them.
bool CoversTopThirdOnly(int32_t page) { return page == 3 || page == kAdvicePage; }

int32_t ButtonTop(const ScreenState& s, int32_t page) {
    if (CoversTopThirdOnly(page)) return s.height / 3 - 15;
    if (s.width < 700) return s.height - 60;
    if (s.width <= 900 && s.largeFonts == 1) return s.height - 100;
    return s.height - 115;
}

int32_t LabelInset(const ScreenState& s) {
    if (s.width < 700) return 2;
    if (s.width <= 900) return s.largeFonts == 1 ? 5 : 12;
    return s.largeFonts == 1 ? 15 : 20;
}

bool Inside(int32_t x, int32_t y, int32_t left, int32_t top, int32_t w, int32_t h) {
    return x > left && x < left + w && y > top && y < top + h;
}

}  // namespace

HelpLayout ComputeHelpLayout(const ScreenState& s, int32_t page) {
    HelpLayout l;
    const bool narrow = s.width < 700;
    l.textX = narrow ? 1 : 20;
    l.lineStep = narrow ? 21 : 24;
    l.partial = CoversTopThirdOnly(page);
    l.backgroundBottom = l.partial ? s.height / 3 + 6 : s.height;
    l.buttonTop = ButtonTop(s, page);
    l.buttonWidth = s.width / 9;
    l.nextLeft = static_cast<int32_t>(s.width * 0.65);
    l.prevLeft = static_cast<int32_t>(s.width * 0.8);
    l.labelInset = LabelInset(s);
    l.showNext = HasPageButtons(page) && page < kHelpPageCount;
    l.showPrev = HasPageButtons(page) && page > 1;
    return l;
}

HelpLayout ApplyHelpLayout(ScreenState& s) {
    const HelpLayout l = ComputeHelpLayout(s, s.helpPage);
    s.helpButtonTop = l.buttonTop;
    s.helpNextLeft = l.nextLeft;
    s.helpPrevLeft = l.prevLeft;
    return l;
}

bool HelpPageClick(Game& g, int32_t x, int32_t y) {
    ScreenState& s = g.screenState;
    const int32_t page = s.helpPage;
    if (!HasPageButtons(page)) return false;
    const int32_t w = s.width / 9;
    int32_t turned = page;
    if (page < kHelpPageCount && Inside(x, y, s.helpNextLeft, s.helpButtonTop, w, 20)) turned = page + 1;
    if (page > 1 && Inside(x, y, s.helpPrevLeft, s.helpButtonTop, w, 20)) turned = page - 1;
    if (turned == page) return false;
    s.helpPage = turned;
    g.inputState.clickX = -100;
    return true;
}

}  // namespace vel
