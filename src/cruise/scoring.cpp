#include "cruise/scoring.h"

#include <span>

#include "common/helpers.h"

namespace vel {
namespace {

// Failure flags by device.
constexpr int kGps = 0, kRadar = 1, kDepthSounder = 2, kEngine = 3;

bool Failed(const Game& g, int device) { return g.failures.reported[device] == 1; }

// A bonus or penalty row: its amount for this cruise, 0 when it does not apply.
struct Adjustment {
    const char* label;
    int32_t (*amount)(const Game& g, int32_t passage);
};

int32_t NoRadar(const Game& g, int32_t) {
    return (g.cruiseOptions.troubleNoRadar == 1 || Failed(g, kRadar)) ? 50 : 0;
}
int32_t NoDepthAlarm(const Game& g, int32_t) {
    return (g.cruiseOptions.troubleNoDepthAlarm == 1 || Failed(g, kDepthSounder)) ? 20 : 0;
}
int32_t NoGps(const Game& g, int32_t) { return (g.cruiseOptions.troubleNoGps == 1 || Failed(g, kGps)) ? 100 : 0; }
int32_t NoEngine(const Game& g, int32_t) {
    return (g.cruiseOptions.troubleNoEngine == 1 || Failed(g, kEngine)) ? 50 : 0;
}
int32_t NoMiniChart(const Game& g, int32_t) { return g.cruiseOptions.troubleNoMiniChart == 1 ? 100 : 0; }
int32_t Fog(const Game& g, int32_t) { return g.weather.fogSeen == 1 ? 100 : 0; }
int32_t StrongWind(const Game& g, int32_t) {
    return (g.cruiseOptions.troubleStrongWind == 1 || g.weather.maxWind > 23) ? 50 : 0;
}
int32_t AtPier(const Game& g, int32_t) { return g.ownBoat.atPier == 1 ? 50 : 0; }
int32_t HundredMiles(const Game& g, int32_t) { return g.ownBoat.log >= 100.0 ? 100 : 0; }
int32_t Passage(const Game&, int32_t p) { return p == 500 ? 500 : 0; }
int32_t DarkPassage(const Game&, int32_t p) { return p == 550 ? 550 : 0; }
int32_t NoCurrents(const Game& g, int32_t) { return g.cruiseOptions.currentsOn == 0 ? -50 : 0; }
int32_t TooClose(const Game& g, int32_t) { return g.score.tooClose == 1 ? -100 : 0; }
int32_t RoughAnchorage(const Game& g, int32_t) {
    return g.score.anchorageCalm < 10 ? -(10 - g.score.anchorageCalm) * 50 : 0;
}

constexpr Adjustment kBeforePassageGap[] = {
    {"ﾚｰﾀﾞｰなしﾎﾞｰﾅｽ:", NoRadar},
    {"水深警告なしボーナス:", NoDepthAlarm},
    {"GPSなしﾎﾞｰﾅｽ:", NoGps},
    {"ｴﾝｼﾞﾝなしﾎﾞｰﾅｽ :", NoEngine},
    {"小海図なしボーナス  :", NoMiniChart},
    {"霧ﾎﾞｰﾅｽ  :", Fog},
    {"強風ボーナス : ", StrongWind},
    {"着岸ボーナス :", AtPier},
    {"100 ﾏｲﾙﾎﾞｰﾅｽ  :", HundredMiles},
    {"航海ボーナス :", Passage},
    {"航海ボーナス(闇夜) : ", DarkPassage},
};
constexpr Adjustment kAfterPassageGap[] = {
    {"潮流なしの失点 :", NoCurrents},
    {"錨泊船への接触の失点 : ", TooClose},
    {"アンカーの失点: ", RoughAnchorage},
};

// The reasons a cruise scores nothing, each on its own line.
std::vector<std::string> FailureReasons(const Game& g) {
    std::vector<std::string> out;
    const int32_t day = g.simClock.day;
    if (g.score.endReason == 1) out.emplace_back("船に近づきすぎ｡");
    if (g.score.endReason == 2) out.emplace_back("漁船に接触。     ");
    if (g.ownBoat.depth < g.boatDesign.draft) out.emplace_back("座礁！  ");
    if (day < 2)
        out.emplace_back("1日目終了せず。   ");
    else if (Trunc(g.ownBoat.log) / (day - 1) < 15)
        out.emplace_back("距離不十分。          ");
    return out;
}

void AddAdjustments(const Game& g, int32_t passage, std::span<const Adjustment> rules, ScoreSheet& sheet,
                    int32_t& s) {
    for (const Adjustment& a : rules) {
        const int32_t v = a.amount(g, passage);
        if (v == 0) continue;
        sheet.rows.push_back({ScoreRowKind::Item, a.label, v});
        s += v;
    }
}

}  // namespace

int32_t PassageBonus(const Game& g) {
    if (g.score.passageStartValid != 1) return 0;
    const double x = g.ownBoat.x, y = g.ownBoat.y;
    bool arrived = false;
    switch (g.cruiseOptions.areaCode) {
        // At Chub Cay or north of it: east of Chub's west end (77.97 W) and
        // no more than a mile south of its shore (25.38 N).
        case 5: arrived = x > 14200 && y < 16800; break;
        // Inshore of the stream's western edge, off the Florida harbours.
        case 6: arrived = x < -18000; break;
        case 7: arrived = x > 15000; break;
        case 8: arrived = x < -12000; break;
        default: break;
    }
    if (!arrived) return 0;
    return g.weather.moonlight == 0 ? 550 : 500;
}

ScoreSheet ScoreCruise(const Game& g) {
    ScoreSheet sheet;
    const int32_t day = g.simClock.day;
    const int32_t difficulty = g.cruiseOptions.difficulty;
    int32_t s = (day * 10 - 10) * (difficulty + 10);

    for (std::string& reason : FailureReasons(g)) {
        sheet.rows.push_back({ScoreRowKind::Failure, std::move(reason), 0});
        s = 0;
    }
    if (s == 0) {
        sheet.rows.push_back({ScoreRowKind::Failure, "スコア 0。      ", 0});
        sheet.failed = true;
        return sheet;
    }

    const int32_t p = PassageBonus(g);
    sheet.passageBonus = p;
    const std::string level = "レベル" + std::to_string(difficulty);
    if (p > 0) {
        s = (difficulty + 10) * 20;
        sheet.rows.push_back({ScoreRowKind::Item, level + " 難易度ポイント :", s});
    } else {
        sheet.rows.push_back({ScoreRowKind::Item, "日目終了 : ", day - 1});
        sheet.rows.push_back({ScoreRowKind::Item, "ﾍﾞｰｽﾎﾟｲﾝﾄ  : ", (day - 1) * 100});
        sheet.rows.push_back({ScoreRowKind::Item, level + " 難易度ボーナス:", (day - 1) * difficulty * 10});
    }

    AddAdjustments(g, p, kBeforePassageGap, sheet, s);
    sheet.rows.push_back({ScoreRowKind::Blank, "", 0});
    AddAdjustments(g, p, kAfterPassageGap, sheet, s);

    if (s < 0) s = 0;
    sheet.total = s;
    sheet.rows.push_back({ScoreRowKind::Blank, "", 0});
    sheet.rows.push_back({ScoreRowKind::Total, "総合得点: ", s});
    sheet.rows.push_back({ScoreRowKind::Best, "最高得点: ", s > g.score.highScore ? s : g.score.highScore});
    return sheet;
}

void RecordHighScore(Score& score, const ScoreSheet& sheet) {
    if (!sheet.failed && sheet.total > score.highScore) score.highScore = sheet.total;
}

}  // namespace vel
