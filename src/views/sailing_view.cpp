#include "views/sailing_view.h"

namespace vel {

// The camera and the scene arrive with the sailing view; until then the
// frame shows a plain sky over the sea.
void updateViewHeading(Game&) {}

void drawSailingView(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const int32_t horizon = g.screenState.height / 10;
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(14);
    dc.Rectangle(left, top, right, bottom);
    dc.SelectBrush(2);
    dc.Rectangle(left, top, right, horizon);
}

}  // namespace vel
