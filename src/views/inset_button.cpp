#include "views/inset_button.h"

#include <string>

namespace vel {
namespace {
constexpr int kHighlightPen = 28;  // (127,127,127) 1
constexpr int kShadowPen = 29;     // (63,63,63) 1
}  // namespace

bool InsetButton(gfx::DC& dc, Game& g, const ButtonBox& box, std::string_view label, std::string_view help) {
    ScreenState& s = g.screenState;
    const bool mono = g.viewState.monochrome == 1;
    const int32_t corner = s.width >= 750 ? 15 : 10;
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::Black);
    dc.RoundRect(box.left, box.top, box.right, box.bottom, corner, corner);
    // Lit from the top left, as the panel's buttons are.
    dc.SelectPen(kHighlightPen);
    dc.MoveTo(box.left + corner / 3, box.top + 1);
    dc.LineTo(box.right - corner / 3, box.top + 1);
    dc.SelectPen(kShadowPen);
    dc.MoveTo(box.left + corner / 3, box.bottom - 2);
    dc.LineTo(box.right - corner / 3, box.bottom - 2);

    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(mono ? gfx::kWhite : gfx::Rgb(255, 255, 0));
    dc.TextOut(box.left + 4, box.top + (box.bottom - box.top - dc.LineHeight()) / 2, label);

    if (box.contains(s.steerMouseX, s.steerMouseY)) {
        s.buttonHovered = 1;
        s.buttonText = std::string(help);
    }
    InputState& in = g.inputState;
    if (!box.contains(in.clickX, in.clickY)) return false;
    in.clickY = 0;
    return true;
}

}  // namespace vel
