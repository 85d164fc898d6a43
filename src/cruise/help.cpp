#include "cruise/help.h"

#include <vector>

#include "cruise/advice.h"
#include "cruise/help_text.h"
#include "shell/help_layout.h"

namespace vel {
namespace {

gfx::Color LineColor(HelpStyle style, bool mono) {
    if (mono) return gfx::kBlack;
    return style == HelpStyle::Body ? gfx::Rgb(0, 0, 255) : gfx::Rgb(0, 0, 127);
}

std::vector<HelpLine> PageLines(const Game& g) {
    const int32_t page = g.screenState.helpPage;
    if (page == kAdvicePage) return AdviceLines(g);
    std::span<const HelpLine> lines = HelpPageLines(page);
    std::vector<HelpLine> out(lines.begin(), lines.end());
    if (page == 3) {
        const std::span<const HelpLine> screen = ScreenLines(ScreenBeneath(g));
        out.insert(out.end(), screen.begin(), screen.end());
    }
    return out;
}

void DrawBackground(gfx::DC& dc, const ScreenState& s, const HelpLayout& l) {
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::White);
    dc.Rectangle(0, 0, s.width, l.backgroundBottom);
    if (l.partial) {
        dc.MoveTo(0, l.backgroundBottom - 1);
        dc.LineTo(s.width, l.backgroundBottom - 1);
    }
}

void DrawButton(gfx::DC& dc, const HelpLayout& l, int32_t left, const char* label, bool mono) {
    dc.SelectStockPen(gfx::Stock::Black);
    if (mono)
        dc.SelectStockBrush(gfx::Stock::White);
    else
        dc.SelectBrush(40);
    dc.RoundRect(left, l.buttonTop, left + l.buttonWidth, l.buttonTop + l.buttonHeight, 10, 10);
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(mono ? gfx::kBlack : gfx::Rgb(255, 255, 0));
    dc.TextOut(left + l.labelInset, l.buttonTop + (l.buttonHeight - dc.LineHeight()) / 2, label);
}

}  // namespace

void DrawHelp(gfx::DC& dc, Game& g) {
    ScreenState& s = g.screenState;
    const HelpLayout l = ApplyHelpLayout(s);
    const bool mono = g.viewState.monochrome == 1;
    DrawBackground(dc, s, l);

    // Advice that runs past the top third stays legible over the screen below.
    dc.SetBkMode(gfx::BkMode::Opaque);
    dc.SetBkColor(gfx::kWhite);
    int32_t y = l.firstLineY;
    for (const HelpLine& line : PageLines(g)) {
        dc.SetTextColor(LineColor(line.style, mono));
        dc.TextOut(l.textX, y, line.text);
        y += l.lineStep;
    }

    if (l.showNext) DrawButton(dc, l, l.nextLeft, "次のﾍﾙﾌﾟ  ", mono);
    if (l.showPrev) DrawButton(dc, l, l.prevLeft, "前へ    ", mono);
    dc.SetBkMode(gfx::BkMode::Opaque);
}

}  // namespace vel
