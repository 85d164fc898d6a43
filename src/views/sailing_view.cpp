#include "views/sailing_view.h"

#include "views/boat_drawer.h"
#include "views/coast_scene.h"
#include "views/compass.h"
#include "views/island_drawer.h"
#include "views/objects.h"
#include "views/overlays.h"
#include "views/passage_scene.h"
#include "views/real_scene.h"
#include "views/scene.h"
#include "views/sea.h"
#include "views/shore.h"
#include "views/shore_features.h"
#include "views/sky.h"

namespace vel {
namespace {

// The uncharted reefs of the Bahamian islands lie low among the waves.
void DrawReefs(gfx::DC& dc, Game& g) {
    if (!(BahamasRegion(g) && IslandsArea(g) && GeneratedArea(g))) return;
    for (int32_t i = 17; i <= 20 && i <= g.areaGrid.islandCount; ++i) drawIsland(dc, g, i);
}

void DrawOverlays(gfx::DC& dc, Game& g, const ViewRect& view) {
    dc.SetBkColor(gfx::kWhite);
    dc.SetTextColor(gfx::kBlack);
    dc.SelectStockPen(gfx::Stock::Black);
    if (g.ownBoat.sailsUp == 1 && g.cruiseOptions.boatType <= 2) drawSheetTrimBar(dc, g);
    drawAlertLines(dc, g);
    if (g.viewState.compassMode == 1)
        drawCompassOverlay(dc, g, view.bottom);
    else
        drawDials(dc, g, view);
    if (g.screenState.frozen == 1) drawFrozenNotice(dc, g, view.top);
    drawBinocularFrame(dc, g, view.left, view.top, view.right, view.bottom);
    dc.SetBkColor(gfx::kWhite);
}

}  // namespace

void drawSailingView(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const ViewRect view{left, top, right, bottom};
    dc.ClipRect(left, top, right, bottom);
    ComputeFrameLight(g);
    dc.SelectStockPen(gfx::Stock::Black);

    // Far layers first: sea, the surface of the sea, sky and weather.
    drawSea(dc, g, left, top, right, bottom);
    drawExumasBankBand(dc, g);
    DrawReefs(dc, g);
    drawSeaSurface(dc, g);
    drawSunGlitter(dc, g);
    drawSky(dc, g, left, top, right);
    drawDistantThunder(dc, g);

    g.viewState.eyeHeading = g.viewState.viewHeading;
    drawSkyObjects(dc, g, view);
    drawFarHills(dc, g);
    drawRoundRocks(dc, g);
    drawRealShoals(dc, g);
    drawRealFarLand(dc, g);
    drawTrueCoast(dc, g);

    // The land and what stands on it, then everything afloat, far to near.
    drawShoreBands(dc, g);
    drawShoreFeatures(dc, g);
    drawRealAreaFeatures(dc, g);
    drawPassageCoasts(dc, g);
    drawPassageLandmarks(dc, g);
    drawPassageReefs(dc, g);
    drawObjectPass(dc, g, left, top, right, bottom, g.viewState.horizonY);
    drawMaineAnchorage(dc, g);

    drawFog(dc, g, view);
    drawThunderstorm(dc, g);
    drawSailboat(dc, g, 1, 0, (left + right) / 2, OwnBoatRow(top, bottom), g.cruiseOptions.boatType);
    DrawOverlays(dc, g, view);
    dc.ReleaseClip();
}

}  // namespace vel
