#include "cruise/results.h"

namespace vel {

// Placeholder page until scoring arrives; it stands as long as the real one.
void ShowResults(gfx::DC& dc, Game& g, Pacer& pacer) {
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::White);
    dc.Rectangle(0, 0, g.screenState.width, g.screenState.height);
    pacer.holdUntil(pacer.now(), 200);
}

}  // namespace vel
