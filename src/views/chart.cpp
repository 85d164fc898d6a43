#include "views/chart.h"

namespace vel {

// Placeholder water until the chart view draws the area.
void drawChart(gfx::DC& dc, Game& g) {
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(2);
    dc.Rectangle(0, 0, g.screenState.width, g.screenState.height);
}

}  // namespace vel
