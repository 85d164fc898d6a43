#include "cruise/results.h"

#include <string>

#include "cruise/scoring.h"

namespace vel {
namespace {

constexpr int32_t kLabelX = 30;
constexpr int32_t kFirstLineY = 80;
constexpr int32_t kLineStep = 20;
constexpr int32_t kContinueGap = 90;

// Back to the speed in force when the boat was made fast, if it is faster now.
void RestoreSpeed(Game& g) {
    if (g.cruiseOptions.simSpeed > g.simClock.speedBeforeStop) {
        g.cruiseOptions.simSpeed = g.simClock.speedBeforeStop;
        g.cruiseOptions.stepDivisor = g.simClock.divisorBeforeStop;
    }
}

// Returns the y of the last line written.
int32_t DrawRows(gfx::DC& dc, const ScoreSheet& sheet, int32_t valueX, bool mono) {
    int32_t y = kFirstLineY;
    int32_t last = y;
    for (const ScoreRow& row : sheet.rows) {
        if (row.kind == ScoreRowKind::Blank) {
            y += kLineStep;
            continue;
        }
        if (row.kind == ScoreRowKind::Total) dc.SetTextColor(mono ? gfx::kBlack : gfx::Rgb(0, 0, 255));
        dc.TextOut(kLabelX, y, row.label);
        if (row.kind != ScoreRowKind::Failure) dc.TextOut(valueX, y, std::to_string(row.amount));
        last = y;
        y += kLineStep;
    }
    return last;
}

}  // namespace

void ShowResults(gfx::DC& dc, Game& g, Pacer& pacer) {
    const uint32_t start = pacer.now();
    RestoreSpeed(g);
    const ScreenState& s = g.screenState;
    const bool mono = g.viewState.monochrome == 1;

    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::White);
    dc.Rectangle(0, 0, s.width, s.height);
    dc.SetBkMode(gfx::BkMode::Opaque);
    dc.SetBkColor(gfx::kWhite);
    dc.SetTextColor(gfx::kBlack);
    dc.TextOut(s.width / 3, 50, "*** 結果 ***   ");

    const ScoreSheet sheet = ScoreCruise(g);
    RecordHighScore(g.score, sheet);
    const int32_t lastY = DrawRows(dc, sheet, s.width / 3, mono);

    dc.SetTextColor(mono ? gfx::kBlack : gfx::Rgb(255, 0, 0));
    dc.TextOut(s.width / 3, lastY + kContinueGap, "続けるには、Nｷｰを押すか、ｺﾝﾄﾛｰﾙﾒﾆｭｰから次のｸﾙｰｽﾞを選ぶ         ");
    pacer.holdUntil(start, 200);
}

}  // namespace vel
