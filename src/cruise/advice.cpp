#include "cruise/advice.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vel {
namespace {

// ---- situations ------------------------------------------------------------------

bool SailingView(const Game& g) {
    const ScreenState& s = g.screenState;
    return s.phase == 2 && s.startPlaced == 1 && s.chartShown == 0 && s.forecastShown == 0 && s.resultsState == 0 &&
           s.resultsStep == 0;
}
bool ChartOpen(const Game& g) {
    const ScreenState& s = g.screenState;
    return s.phase == 2 && s.chartShown == 1 && s.forecastShown == 0;
}
bool FirstDay(const Game& g) { return g.simClock.day == 1; }
bool EarlyDays(const Game& g) { return g.simClock.day <= 2; }
int32_t Area(const Game& g) { return g.cruiseOptions.areaCode; }
bool Passage(const Game& g) { return Area(g) >= 5 && Area(g) <= 8; }
bool FloridaBahamas(const Game& g) { return Area(g) == 5 || Area(g) == 6; }
bool MaineNovaScotia(const Game& g) { return Area(g) == 7 || Area(g) == 8; }
bool Aground(const Game& g) { return g.ownBoat.depth <= g.boatDesign.draft - 1; }

int32_t DegreesOff(int32_t a, int32_t b) {
    const int32_t d = ((a - b) % 360 + 360) % 360;
    return std::min(d, 360 - d);
}

// How far from the bow the user is looking, by the look keys or the compass.
int32_t LookingOffBow(const Game& g) {
    if (g.viewState.compassMode == 1) return DegreesOff(g.viewState.handBearing, g.ownBoat.heading);
    return DegreesOff(g.viewState.lookOffset, 0);
}

// A ship within 1500 units along the axes: time to watch its bearing.
bool ShipNear(const Game& g) {
    const ObjectList& o = g.objectList;
    for (int slot = 35; slot <= 39; ++slot) {
        if (o.kind[slot] == 22) continue;
        const double d = std::abs(o.fbx[slot] - g.ownBoat.x) + std::abs(o.fby[slot] - g.ownBoat.y);
        if (d < 1500) return true;
    }
    return false;
}

bool InNeutral(const Game& g) { return g.ownBoat.gear == 0 && g.ownBoat.throttle > 3; }
bool LookingAway(const Game& g) { return SailingView(g) && g.ownBoat.speed > 20 && LookingOffBow(g) > 25; }
bool AnchoringAmongBoats(const Game& g) {
    return SailingView(g) && g.hazards.closestVessel < 200 && g.ownBoat.anchored == 0;
}
bool BigLeeway(const Game& g) {
    return std::abs(g.ownBoat.leeway) > 8 && (g.ownBoat.sailsUp > 0 || g.ownBoat.throttle > 0);
}
bool AnchoredEarly(const Game& g) { return g.ownBoat.anchored == 1 && SailingView(g) && EarlyDays(g); }
bool MooredEarly(const Game& g) {
    return (g.ownBoat.onBuoy > 0 || g.ownBoat.atPier > 0) && SailingView(g) && EarlyDays(g);
}
bool PassagePlanning(const Game& g) { return ChartOpen(g) && FirstDay(g) && Passage(g); }
bool GulfStreamPlanning(const Game& g) { return ChartOpen(g) && FirstDay(g) && FloridaBahamas(g); }
bool ToBahamas(const Game& g) { return GulfStreamPlanning(g) && Area(g) == 5; }
bool ToFlorida(const Game& g) { return GulfStreamPlanning(g) && Area(g) == 6; }
bool CapeSableChart(const Game& g) { return ChartOpen(g) && MaineNovaScotia(g); }
bool WindAgainstTide(const Game& g) {
    return g.weather.windAgainstCurrent == 1 && std::abs(g.tideState.boatCurrentSpeed) > 10 && g.weather.waveState > 1;
}
bool FishingGrounds(const Game& g) { return MaineNovaScotia(g) && g.ownBoat.x > 0; }
bool Planning(const Game& g) { return ChartOpen(g) && FirstDay(g) && !Passage(g); }
bool StrongCurrent(const Game& g) { return std::abs(g.tideState.boatCurrentSpeed) > 15; }
bool ChartOfArea(const Game& g) { return ChartOpen(g) && !Passage(g); }
bool Bahamas(const Game& g) { return g.cruiseOptions.region == 3; }
bool South(const Game& g) { return g.cruiseOptions.region == 2; }
bool North(const Game& g) { return g.cruiseOptions.region == 1; }
bool Lost(const Game& g) {
    return SailingView(g) && g.screenState.radarOn == 0 && g.screenState.miniChartMode == 0;
}
bool DottedShoals(const Game& g) { return (Area(g) == 30 || Area(g) == 12) && g.ownBoat.depth < 20; }
bool Spinnaker(const Game& g) { return g.ownBoat.spinnaker == 1 && g.ownBoat.sailsUp > 0; }
bool SpinnakerReaching(const Game& g) { return Spinnaker(g) && g.ownBoat.trueWindAngle < 151; }
bool SpinnakerRunning(const Game& g) { return Spinnaker(g) && g.ownBoat.trueWindAngle >= 151; }
bool ShoalWater(const Game& g) { return g.ownBoat.depth < 10 && g.ownBoat.depth >= g.boatDesign.draft; }

// ---- tips ------------------------------------------------------------------------

struct Tip {
    bool (*when)(const Game&);
    std::array<const char*, 5> lines;  // unused lines are null
};

constexpr Tip kTips[] = {
    {InNeutral, {"ギアがニュートラル。    ", "艇を進めるには E で前進、S で後進に入れる。"}},
    {LookingAway, {"操舵中は前方を見る。↑キーで前を向く。横や後ろを見ていると前の危険に気づかない。"}},
    {AnchoringAmongBoats,
     {"ｱﾝｶｰﾘﾝｸﾞする時は、振られて錨泊している艇に接触しないように注意する。",
      "他の艇からライン長より十分に離れて打つ。他の艇の真上や真後ろには打たない。"}},
    {Aground,
     {"艇を深いほうに向けて出力最大にすれば、抜け出せることがある(E の後に 4)。",
      "それが失敗したら、ライン長を100 ft にしてテンダーで深いほうへアンカーを打つ。",
      "潮が満ちてくるなら、待てば艇は浮く。アンカーを打っておけば浅い方へ流されない。",
      "潮が満ちてきたら、後進(S)で来た方向へ戻る。"}},
    {BigLeeway,
     {"ﾘｰｳｪｲが大きい。ｺｰｽにﾘｰｳｪｲを見込め。目標より少し風上に艇首を向ける。",
      "ﾋｰﾙを小さくしてﾘｰｳｪｲを減らせ。シートを出すかリーフし、速度を保つ。"}},
    {AnchoredEarly,
     {"ｱﾝｶｰﾘﾝｸﾞ中は次の日のｸﾙｰｽﾞの計画を立てると良い。",
      "気象予報(W)で明日の風を見て、海図(M)で行き先を決め、ウェイポイントを置く。"}},
    {MooredEarly,
     {"係留中は次の日のｸﾙｰｽﾞの計画を立てると良い。",
      "気象予報(W)で明日の風を見て、海図(M)で行き先を決め、ウェイポイントを置く。"}},
    {PassagePlanning,
     {"もし気象情報が航海に不適であれば、別な日を選べ(Nを押す)。",
      "強い向かい風や前線の来る日は出ない。Nを2回押せばタイトル画面から出直せる。"}},
    {GulfStreamPlanning,
     {"Gulf Stream は北へ2～4ノットで流れている。渡る間に大きく北へ流される。",
      "流される分を見込んで、目的地より南に向けて走る。",
      "北寄りの風が流れに逆らうと、Gulf Stream の波は非常に大きくなる。その日は渡らない。",
      "Gulf Stream には本船が多い。夜は灯火とレーダーでよく見張る。",
      "堆(Bank)の上は浅い。水深をよく見て、暗くなってから堆に上がるのは避ける。"}},
    {ToBahamas,
     {"Florida の赤い円の中でアンカーを打ってスタートする。",
      "Gulf Stream を東へ渡り、Bimini か Great Issac の近くで Grand Bahama 堆に上がる。",
      "堆の上を東へ走り、North Rock を過ぎて Northwest 運河へ向かう。",
      "Mackie 浅瀬を避けて Northwest 運河に入る。",
      "Chubb小島かその北に着けば航海は終わる。アンカーを打って休む。"}},
    {ToFlorida,
     {"Chubb小島か Great ﾊｰﾊﾞｰ 小島の赤い円の中でアンカーを打ってスタートする。",
      "Northwest 運河から堆に上がり、西へ Bimini の方へ走る。",
      "堆の西の端から Gulf Stream を渡る。北へ流されるので、着きたい所より南を目指す。",
      "Florida の岸に近づいたら、本船と浅瀬に注意する。",
      "Florida の沿岸に着けば航海は終わる。"}},
    {CapeSableChart,
     {"Sable 岬の沖は潮流が非常に強い。",
      "潮流ベクトル(Cキー)で潮の向きが変わる時刻を確かめ、潮に乗って岬を回る。",
      "風と潮が逆になると岬の沖には大きな波が立つ。"}},
    {MaineNovaScotia, {"このあたりは霧が多い。     ", "レーダーで見張り、霧笛をよく聞く。"}},
    {WindAgainstTide,
     {"風と潮の方向が反対なので波が大きくなる。潮が変わるまで待つか、潮の弱い岸寄りを走る。"}},
    {Passage,
     {"航路を横切る時は本船に注意する。本船はこちらを避けない。",
      "ベアリングコンパスで本船の方位を測り、方位が変わらなければ本船の後ろを通る。"}},
    {FishingGrounds, {"この沖には漁船が多い。漁船に触れるとクルーズは終わる。十分に離れて通る。"}},
    {Planning, {"1日目は計画を立てる。予報の風向を確かめ、風下の岸を避けて行き先を決める。"}},
    {StrongCurrent, {"潮流が強い。cog を見て、流される分だけ潮上に向けて走る。"}},
    {ChartOfArea, {"海図でウェイポイントを置き(S)、目標を選べば(T)、距離と方位がパネルに出る。"}},
    {ShipNear, {"本船が近い。ベアリングコンパス(H)で方位を測り、変わらなければ針路を変える。"}},
    {Bahamas, {"バハマの海はサンゴ礁が多い。水の色が明るい所は浅い。日の高いうちに走る。"}},
    {South, {"南部の夏の午後は雷雨が多い。雷が聞こえたらセールを小さくして備える。"}},
    {North, {"北部は霧が多い。霧の中では針路、速度、時間から位置を推測する(推測航法)。"}},
    {Lost, {"方向がわからなくなったら海図を見よ(Mを押す)。レーダー(R)や小さい海図も役に立つ。"}},
    {DottedShoals,
     {"海図の点線で囲まれた所は浅瀬。見た目より浅い所がある。",
      "水深計を見ながら、点線の内側には入らない。"}},
    {SpinnakerReaching, {"スピンがつぶれかけている、少し風下に落とすか、シートを出す。"}},
    {SpinnakerRunning, {"スピンがつぶれかけている、メインの陰に入っている。少し風上に上れ。"}},
    {ShoalWater, {"浅い。座礁したら、すぐに後進で来た方向へ戻るのが一番。"}},
};

}  // namespace

std::vector<HelpLine> AdviceLines(const Game& g) {
    std::vector<HelpLine> out;
    out.push_back({HelpStyle::Title, "- 老船乗りのｱﾄﾞﾊﾞｲｽ -"});
    for (const Tip& tip : kTips) {
        if (!tip.when(g)) continue;
        for (const char* line : tip.lines)
            if (line) out.push_back({HelpStyle::Body, line});
    }
    out.push_back({HelpStyle::Heading, "ｽﾍﾟｰｽﾊﾞｰを押すか、中央の画面でｸﾘｯｸしてﾍﾙﾌﾟから出る "});
    return out;
}

}  // namespace vel
