#include "shell/panel.h"

namespace vel {

// Placeholder panel until the buttons and data lines arrive.
void DrawControlPanel(gfx::DC& dc, Game&, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectBrush(44);
    dc.Rectangle(left, top, right, bottom);
}

}  // namespace vel
