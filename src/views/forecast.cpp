#include "views/forecast.h"

namespace vel {

// Placeholder page until the weather model writes the forecast lines.
void DrawForecast(gfx::DC& dc, Game& g, Pacer& pacer) {
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::White);
    dc.Rectangle(0, 0, g.screenState.width, g.screenState.height);
    pacer.holdUntil(pacer.now(), 200);
}

}  // namespace vel
