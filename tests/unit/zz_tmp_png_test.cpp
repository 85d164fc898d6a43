#include <gtest/gtest.h>
#include "real_area_fixture.h"
#include "sailing_view_fixture.h"
#include "view_fixture.h"
#include "views/chart.h"
#include "views/sailing_view.h"
#include "views/projection.h"
namespace vel {
TEST(ZzTmp, Png) {
    for (int code : {11, 30}) {
        auto gp = test::ViewGame();
        Game& g = *gp;
        test::LayOutRealArea(g, code, 310);
        g.markList.count = 3;
        g.markList.kind[0] = 17; g.markList.x[0] = 2000; g.markList.y[0] = -500;
        g.markList.kind[1] = 34; g.markList.x[1] = 0; g.markList.y[1] = 2000;
        g.markList.kind[2] = 29; g.markList.x[2] = -1000; g.markList.y[2] = 2600;
        g.ownBoat.x = 1000; g.ownBoat.y = 4500; g.ownBoat.heading = 0;
        g.ownBoat.cellX = 1000; g.ownBoat.cellY = 4500;
        g.viewState.viewHeading = code == 30 ? 200 : 350;
        g.screenState.startPlaced = 1;
        test::Canvas c(1024, 768);
        drawSailingView(c.dc, g, 0, 0, 1024, g.screenState.panelTop);
        printf("row %d band %d\n", g.projection.screenY[2], (int)g.viewState.viewHeading); c.surface.savePng(("/tmp/rv_view" + std::to_string(code) + ".png").c_str());
    }
}
}
