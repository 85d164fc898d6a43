// The rows of the menu bar: what each command changes, when its item is
// enabled and when it carries a check mark.
#include <type_traits>

#include "shell/actions.h"
#include "shell/commands.h"
#include "shell/input.h"
#include "shell/nmea.h"
#include "shell/options.h"
#include "shell/settings.h"

namespace vel {
namespace {

// ---- Field access by member pointer: one template per shape of row ---------
template <class M>
struct OwnerOf;
template <class C, class T>
struct OwnerOf<T C::*> {
    using type = C;
};

template <class>
inline constexpr bool kNoSuchPart = false;

template <class C, class G>
auto& Part(G& g) {
    if constexpr (std::is_same_v<C, CruiseOptions>) return g.cruiseOptions;
    else if constexpr (std::is_same_v<C, ScreenState>) return g.screenState;
    else if constexpr (std::is_same_v<C, ViewState>) return g.viewState;
    else if constexpr (std::is_same_v<C, ChartView>) return g.chartView;
    else if constexpr (std::is_same_v<C, RadarState>) return g.radarState;
    else if constexpr (std::is_same_v<C, OwnBoat>) return g.ownBoat;
    else static_assert(kNoSuchPart<C>);
}

template <auto F>
auto& Field(Game& g) {
    return Part<typename OwnerOf<decltype(F)>::type>(g).*F;
}
template <auto F>
int32_t Value(const Game& g) {
    return Part<typename OwnerOf<decltype(F)>::type>(g).*F;
}

template <auto F, int32_t V>
void Set(Game& g) {
    Field<F>(g) = V;
}
template <auto F>
void Flip(Game& g) {
    Toggle(Field<F>(g));
}
template <auto F, int32_t V>
bool Is(const Game& g) {
    return Value<F>(g) == V;
}
template <auto F>
bool IsOn(const Game& g) {
    return Value<F>(g) == 1;
}

// ---- Enabled rules ---------------------------------------------------------
bool Always(const Game&) { return true; }
bool OnTitle(const Game& g) { return g.screenState.phase == 0; }
bool InCruise(const Game& g) { return g.screenState.phase > 0; }
bool CruiseBuilt(const Game& g) { return g.screenState.phase > 1; }
bool Underway(const Game& g) { return g.screenState.startPlaced == 1; }
bool ChartRule(const Game& g) { return ChartOpen(g); }
bool ChartAndUnderway(const Game& g) { return ChartOpen(g) && Underway(g); }
bool ChartClosed(const Game& g) { return g.screenState.chartShown == 0; }
bool ChartInCruise(const Game& g) { return InCruise(g) && ChartOpen(g); }
bool SailRule(const Game& g) { return Underway(g) && IsSailboat(g); }
bool SailsSet(const Game& g) { return SailsUp(g) && IsSailboat(g); }
bool RadarRule(const Game& g) { return InCruise(g) && g.screenState.radarOn == 1; }
bool LookRule(const Game& g) { return InCruise(g) && g.screenState.chartShown == 0; }
bool CompassRule(const Game& g) { return LookRule(g) && CompassInUse(g); }
bool TitleSailboat(const Game& g) { return OnTitle(g) && IsSailboat(g); }
bool TitlePassage(const Game& g) { return OnTitle(g) && g.cruiseOptions.isPassage > 0; }
bool TitleColour(const Game& g) { return OnTitle(g) && g.viewState.monochrome == 0; }
bool TitleCurrents(const Game& g) { return OnTitle(g) && g.cruiseOptions.region != 5; }
bool Monohull(const Game& g) { return g.cruiseOptions.boatType == 1; }
bool AtPier(const Game& g) { return g.ownBoat.atPier > 0; }
bool OnBuoy(const Game& g) { return g.ownBoat.onBuoy > 0; }
bool NoResults(const Game& g) {
    return InCruise(g) && g.screenState.resultsState == 0 && g.screenState.resultsStep == 0;
}
bool RealOrPassage(const Game& g) { return g.cruiseOptions.isRealArea > 0 || g.cruiseOptions.isPassage > 0; }
bool ChartCurrents(const Game& g) { return ChartOpen(g) && RealOrPassage(g) && g.cruiseOptions.currentsOn == 1; }
bool ChartRealOrPassage(const Game& g) { return ChartOpen(g) && RealOrPassage(g); }
bool MiniChartAllowed(const Game& g) { return InCruise(g) && g.cruiseOptions.troubleNoMiniChart == 0; }
bool MiniChartShown(const Game& g) { return g.screenState.miniChartMode > 0; }
bool MiniChartZoom(const Game& g) {
    return LookRule(g) && MiniChartShown(g) && g.screenState.radarOn == 0;
}
bool MiniChartCanZoomIn(const Game& g) { return MiniChartZoom(g) && g.viewState.miniChartScale > 3; }
bool MiniChartCanZoomOut(const Game& g) { return MiniChartZoom(g) && g.viewState.miniChartScale < 12; }
bool TargetWaypoint(const Game& g) { return InCruise(g) && g.chartView.waypointAdvanceCount >= 0; }
bool RadarOff(const Game& g) { return InCruise(g) && g.screenState.radarOn == 0; }
bool RadarOn(const Game& g) { return g.screenState.radarOn == 1; }
bool RadarCanWiden(const Game& g) { return RadarRule(g) && g.radarState.range < 48; }
bool RadarCanNarrow(const Game& g) { return RadarRule(g) && g.radarState.range > 3; }
bool Running(const Game& g) { return EngineRunning(g); }
bool RunningBelowFull(const Game& g) { return EngineRunning(g) && g.ownBoat.throttle < 10; }
bool AboveIdle(const Game& g) { return g.ownBoat.throttle > 1; }
bool RunningTwin(const Game& g) { return EngineRunning(g) && g.ownBoat.screws == 2; }
bool Anchor1Up(const Game& g) { return CruiseBuilt(g) && g.anchors.anchor[1][1] == 0; }
bool Anchor2Up(const Game& g) { return CruiseBuilt(g) && g.anchors.anchor[1][2] == 0; }
bool Anchor1Out(const Game& g) { return g.anchors.anchor[1][1] != 0; }
bool Anchor2Out(const Game& g) { return g.anchors.anchor[1][2] != 0; }
bool AnyAnchorOut(const Game& g) { return AnchorDown(g); }
// The tender can lay the second anchor once the first holds, or in shallows.
bool TenderRule(const Game& g) { return g.anchors.anchor[1][1] == 3 || g.ownBoat.depth <= 7; }
bool ChainRule(const Game& g) { return OnTitle(g) || g.anchors.anchor[1][1] == 0; }
bool RopeRode(const Game& g) { return g.cruiseOptions.anchor1Chain != 1; }
bool NmeaOn(const Game& g) { return g.nmeaOutput.enabled == 1; }
bool AisOn(const Game& g) { return g.nmeaOutput.ais == 1; }

// ---- Checked rules beyond a plain field value ------------------------------
bool ForecastShown(const Game& g) { return g.screenState.forecastShown == 1; }
bool DepthAlarmOn(const Game& g) {
    return g.cruiseOptions.depthAlarm == 1 && g.cruiseOptions.troubleNoDepthAlarm == 0 && DepthSounderWorks(g);
}
template <int32_t Area, int32_t Region>
bool AreaIs(const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    const bool southernCoast = Area == 1 && Region == 2;
    return o.areaCode == Area && o.region == Region && (!southernCoast || o.introCourse == 0);
}
bool NoFailEngineShown(const Game& g) { return g.cruiseOptions.noFailEngine == 1 || !IsSailboat(g); }
bool NoBroachingShown(const Game& g) { return g.cruiseOptions.noBroaching == 1 && Monohull(g); }
template <int32_t Colour>
bool HullIs(const Game& g) {
    return g.cruiseOptions.hullColour == Colour && g.viewState.monochrome == 0;
}
bool CurrentsOff(const Game& g) { return g.cruiseOptions.currentsOn == 0 && g.cruiseOptions.region != 5; }
bool MoonlessNights(const Game& g) { return g.weather.moonlight == 0; }
bool LookingRight(const Game& g) { return g.viewState.lookOffset > 0 && g.viewState.lookOffset != 180; }
bool LookingLeft(const Game& g) { return g.viewState.lookOffset < 0; }
template <int32_t Headsail>
bool HeadsailSet(const Game& g) {
    return g.ownBoat.headsail == Headsail && SailsUp(g);
}
template <auto F>
bool SetWithSailsUp(const Game& g) {
    return Value<F>(g) == 1 && SailsUp(g);
}
bool SheetAllOutChecked(const Game& g) { return g.ownBoat.sheet == 47 && g.ownBoat.autoTrim == 0; }
bool SailsDownChecked(const Game& g) { return g.ownBoat.sailsUp == 0; }
template <int32_t Gear>
bool GearUnsplit(const Game& g) {
    return g.ownBoat.gear == Gear && g.ownBoat.twinSplit == 0;
}
bool NeutralRunning(const Game& g) { return g.ownBoat.gear == 0 && EngineRunning(g); }
template <int32_t Split>
bool SplitOnTwinTrawler(const Game& g) {
    return g.ownBoat.twinSplit == Split && g.cruiseOptions.boatType == 4;
}
bool Anchor1Holds(const Game& g) { return g.anchors.anchor[1][1] == 3; }
bool Anchor2Holds(const Game& g) { return g.anchors.anchor[1][2] == 3; }
bool BothAnchorsUp(const Game& g) { return !AnchorDown(g); }
bool KelletChecked(const Game& g) { return g.ownBoat.kellet == 1 && RopeRode(g); }

// ---- Handlers that are more than one field ---------------------------------
void Nothing(Game&) {}
void Start(Game& g) { g.screenState.phase = 1; }
void ForecastCommand(Game& g) { ToggleForecast(g); }
void CloseHauledCommand(Game& g) {
    if (SailsUp(g)) CloseHauled(g);
}
void TackCommand(Game& g) {
    if (SailsUp(g)) Tack(g);
}
void TogglePause(Game& g) {
    ScreenState& s = g.screenState;
    Toggle(s.paused);
    // Resuming has to restart a picture the stop key froze.
    if (s.paused == 0) s.frozen = 0;
}
template <int32_t Level>
void Difficulty(Game& g) {
    g.cruiseOptions.difficulty = Level;
}
template <int32_t Code, int32_t Region, int32_t Passage, int32_t Real>
void Area(Game& g) {
    ChooseArea(g.cruiseOptions, {Code, Region, Passage, Real});
}
void StepSpeedRemembered(Game& g, int32_t delta) { StepSpeed(g.cruiseOptions, delta, true); }
void IntroCourse(Game& g) { ChooseIntroCourse(g.cruiseOptions); }
void TroubleFog(Game& g) { ToggleTroubleFog(g.cruiseOptions); }
void NoFog(Game& g) { ToggleNoFog(g.cruiseOptions); }
void NoFailElectronics(Game& g) { ToggleNoFailElectronics(g.cruiseOptions); }
void NoFailEngine(Game& g) { ToggleNoFailEngine(g.cruiseOptions); }
template <int32_t Type>
void BoatType(Game& g) {
    ChooseBoatType(g.cruiseOptions, Type);
}
template <int32_t N>
void Speed(Game& g) {
    SetSpeed(g.cruiseOptions, N);
}
void ShowChart(Game& g) {
    g.screenState.chartShown = 1;
    g.inputState.clickY = 0;
}
void HideChart(Game& g) {
    g.screenState.chartShown = 0;
    g.inputState.clickY = 0;
}
template <int32_t East, int32_t South>
void Pan(Game& g) {
    ChartPan(g, East, South);
}
void Currents(Game& g) {
    Flip<&ChartView::showCurrents>(g);
    g.tideState.chartHoursAhead = 0;
}
void HourAhead(Game& g) { g.tideState.chartHoursAhead += 1; }
void SelectTarget(Game& g) {
    g.chartView.selectTarget = 1;
    g.chartView.waypointMode = 0;
}
template <int32_t Mode, int32_t CloseUp>
void SailingView(Game& g) {
    g.viewState.viewMode = Mode;
    g.viewState.closeUpChosen = CloseUp;
    g.screenState.chartShown = 0;
    g.screenState.forecastShown = 0;
}
template <int32_t Offset>
void LookAt(Game& g) {
    if (Offset == 0 || Offset == 180)
        g.viewState.lookOffset = Offset;
    else
        g.viewState.lookOffset += Offset;
}
template <int32_t Mode>
void MiniChart(Game& g) {
    g.screenState.miniChartMode = Mode;
    g.screenState.radarOn = 0;
    g.screenState.chartShown = 0;
}
void RadarOnCommand(Game& g) {
    g.screenState.radarOn = 1;
    g.radarState.sweep = 0;
}
void SaveVrm(Game& g) {
    RadarState& r = g.radarState;
    r.savedVrmPrev = r.savedVrm;
    r.savedVrm = r.vrmDistance;
}
void SaveEbl(Game& g) {
    RadarState& r = g.radarState;
    r.savedEblPrev = r.savedEbl;
    r.savedEbl = r.eblBearing;
}
template <int32_t Sail>
void Headsail(Game& g) {
    SetHeadsail(g, Sail, true);
}
void Spinnaker(Game& g) { ToggleSpinnaker(g, true); }
void Ahead(Game& g) {
    EngineGear(g, 3);
    SpeedRestore(g);
    StopAnchoring(g);
}
template <int32_t Bearing>
void Tender(Game& g) {
    g.anchors.anchor[1][2] = 2;
    g.ownBoat.tenderAnchorBearing = Bearing;
}
template <int32_t Page>
void Help(Game& g) {
    g.screenState.helpPage = Page;
}
void AnchorUpCommand(Game& g) { AnchorUp(g); }
void Sheets(Game& g) { SheetIn(g); }
void NmeaToggle(Game& g) { Toggle(g.nmeaOutput.enabled); }
void AisToggle(Game& g) { Toggle(g.nmeaOutput.ais); }

using CO = CruiseOptions;
using M = Menu;
constexpr const char* kSound = "音響効果";
constexpr const char* kLevel = "難易度";
constexpr const char* kArea = "海域";
constexpr const char* kTrouble = "トラブル(ボーナス点)";
constexpr const char* kNoFail = "故障なし";
constexpr const char* kBoat = "艇";
constexpr const char* kHelm = "舵";
constexpr const char* kHull = "船体の色";
constexpr const char* kSea = "潮流と霧";
constexpr const char* kDeparture = "出発時刻";
constexpr const char* kRode = "アンカーラインの長さ";
constexpr const char* kTender = "テンダーでアンカー2を打つ";
constexpr uint32_t kSep = kSeparatorBefore;

constexpr Command kCommands[] = {
    // ---- Control ----
    {32771, M::Control, nullptr, "クルージングスタート  (スペースバー)", Start, OnTitle, nullptr,
     "選んだオプションでクルーズを始める"},
    {32828, M::Control, nullptr, "気象予報  &W", ForecastCommand, CruiseBuilt, ForecastShown,
     "気象予報を表示する、または閉じる"},
    {32829, M::Control, nullptr, "クロースホールド  &C", CloseHauledCommand, SailsSet, IsOn<&OwnBoat::closeHauled>,
     "風上に一杯に詰めて走る", kSep},
    {32830, M::Control, nullptr, "タック  &T", TackCommand, SailsSet, nullptr, "風上に回って反対のタックに移る"},
    {32831, M::Control, nullptr, "離岸  &D", CastOffPier, AtPier, nullptr, "桟橋を離れる"},
    {32832, M::Control, nullptr, "係留を解く  &D", LetGoMooring, OnBuoy, nullptr, "ブイの係留を解く"},
    {32833, M::Control, kSound, "音響効果なし", Set<&CO::soundLevel, 0>, Always, Is<&CO::soundLevel, 0>,
     "音を出さない", kSep},
    {32834, M::Control, kSound, "水深警告のみ", Set<&CO::soundLevel, 1>, Always, Is<&CO::soundLevel, 1>,
     "水深警告の音だけを出す"},
    {32835, M::Control, kSound, "若干の音響効果", Set<&CO::soundLevel, 2>, Always, Is<&CO::soundLevel, 2>,
     "主な音響効果を出す"},
    {32836, M::Control, kSound, "全ての音響効果", Set<&CO::soundLevel, 3>, Always, Is<&CO::soundLevel, 3>,
     "全ての音響効果を出す"},
    {32898, M::Control, nullptr, "水深警告", Flip<&CO::depthAlarm>, CruiseBuilt, DepthAlarmOn,
     "浅くなったら水深警告を鳴らす"},
    {32987, M::Control, nullptr, "時間飛ばしなし", Flip<&CO::noTimeSkip>, Always, IsOn<&CO::noTimeSkip>,
     "停泊中も時間を飛ばさない"},
    {32899, M::Control, nullptr, "簡易グラフィック", Flip<&CO::simpleGraphics>, Always, IsOn<&CO::simpleGraphics>,
     "描画を簡単にして速くする"},
    {32838, M::Control, nullptr, "モノクロ(白黒)", Flip<&ViewState::monochrome>, Always,
     IsOn<&ViewState::monochrome>, "白黒で表示する"},
    {32837, M::Control, nullptr, "停止  &F", TogglePause, CruiseBuilt, nullptr, "シミュレーションを止める、または再開する",
     kNoInvalidate | kSep},
    {32774, M::Control, nullptr, "次のクルーズ  &N", NextCruiseStep, InCruise, nullptr,
     "1回目で今までの成績を表示し、2回目でタイトル画面に戻る"},
    {57665, M::Control, nullptr, "終了  &X", Nothing, Always, nullptr, "設定を保存して終了する", kExit | kSep},

    // ---- Options ----
    {32776, M::Options, kLevel, "1    最も易しい", Difficulty<1>, OnTitle, Is<&CO::difficulty, 1>, "最も易しい難易度"},
    {32777, M::Options, kLevel, "2", Difficulty<2>, OnTitle, Is<&CO::difficulty, 2>, "難易度 2"},
    {32778, M::Options, kLevel, "3", Difficulty<3>, OnTitle, Is<&CO::difficulty, 3>, "難易度 3"},
    {32779, M::Options, kLevel, "4", Difficulty<4>, OnTitle, Is<&CO::difficulty, 4>, "難易度 4"},
    {32780, M::Options, kLevel, "5", Difficulty<5>, OnTitle, Is<&CO::difficulty, 5>, "難易度 5 (標準)"},
    {32781, M::Options, kLevel, "6", Difficulty<6>, OnTitle, Is<&CO::difficulty, 6>, "難易度 6"},
    {32782, M::Options, kLevel, "7", Difficulty<7>, OnTitle, Is<&CO::difficulty, 7>, "難易度 7"},
    {32783, M::Options, kLevel, "8", Difficulty<8>, OnTitle, Is<&CO::difficulty, 8>, "難易度 8"},
    {32784, M::Options, kLevel, "9", Difficulty<9>, OnTitle, Is<&CO::difficulty, 9>, "難易度 9"},
    {32785, M::Options, kLevel, "10    最も難しい", Difficulty<10>, OnTitle, Is<&CO::difficulty, 10>, "最も難しい難易度"},
    {32959, M::Options, kArea, "北部の海岸沿い", Area<1, 1, 0, 0>, OnTitle, AreaIs<1, 1>, "北部の海岸沿いを走る"},
    {32960, M::Options, kArea, "北部の島々", Area<2, 1, 0, 0>, OnTitle, AreaIs<2, 1>, "北部の島々の間を走る"},
    {32978, M::Options, kArea, "北部の内陸部の水路", Area<3, 1, 0, 0>, OnTitle, AreaIs<3, 1>,
     "北部の内陸の水路を走る"},
    {32979, M::Options, kArea, "北部の川", Area<4, 1, 0, 0>, OnTitle, AreaIs<4, 1>, "北部の川を走る"},
    {32963, M::Options, kArea, "南部の海岸沿い", Area<1, 2, 0, 0>, OnTitle, AreaIs<1, 2>, "南部の海岸沿いを走る"},
    {32964, M::Options, kArea, "南部の島々", Area<2, 2, 0, 0>, OnTitle, AreaIs<2, 2>, "南部の島々の間を走る"},
    {32980, M::Options, kArea, "南部の内陸部の水路", Area<3, 2, 0, 0>, OnTitle, AreaIs<3, 2>,
     "南部の内陸の水路を走る"},
    {32966, M::Options, kArea, "南部の川", Area<4, 2, 0, 0>, OnTitle, AreaIs<4, 2>, "南部の川を走る"},
    {32976, M::Options, kArea, "バハマの仮想の島々", Area<2, 3, 0, -1>, OnTitle, AreaIs<2, 3>,
     "バハマ風の珊瑚礁の島々を走る"},
    {32967, M::Options, kArea, "Florida から Bahamas", Area<5, 5, 1, 0>, OnTitle, Is<&CO::areaCode, 5>,
     "ガルフストリームを横切って Bahamas へ渡る", kSep},
    {32968, M::Options, kArea, "Bahamas から Florida", Area<6, 5, 1, 0>, OnTitle, Is<&CO::areaCode, 6>,
     "ガルフストリームを横切って Florida へ渡る"},
    {32969, M::Options, kArea, "Maine から Nova Scotia", Area<7, 6, 1, 0>, OnTitle, Is<&CO::areaCode, 7>,
     "Maine 湾を渡って Nova Scotia へ"},
    {32970, M::Options, kArea, "Nova Scotia から Maine", Area<8, 6, 1, 0>, OnTitle, Is<&CO::areaCode, 8>,
     "Maine 湾を渡って Maine へ"},
    {32971, M::Options, kArea, "Maine", Area<20, 1, 0, 1>, OnTitle, Is<&CO::areaCode, 20>, "実在の海域: Maine",
     kSep},
    {32973, M::Options, kArea, "Southern New England", Area<11, 1, 0, 1>, OnTitle, Is<&CO::areaCode, 11>,
     "実在の海域: Southern New England"},
    {32972, M::Options, kArea, "Chesapeake Bay", Area<12, 2, 0, 1>, OnTitle, Is<&CO::areaCode, 12>,
     "実在の海域: Chesapeake Bay"},
    {32975, M::Options, kArea, "Exumas Bahamas", Area<30, 3, 0, 1>, OnTitle, Is<&CO::areaCode, 30>,
     "実在の海域: Exumas Bahamas"},
    {32977, M::Options, kArea, "入門コース", IntroCourse, OnTitle, IsOn<&CO::introCourse>,
     "穏やかな海で操船を覚える入門コース", kSep},
    {32796, M::Options, kTrouble, "霧  (100)", TroubleFog, OnTitle, IsOn<&CO::troubleFog>,
     "いつも霧がかかる (ボーナス 100)"},
    {32797, M::Options, kTrouble, "強風  (50)", Flip<&CO::troubleStrongWind>, OnTitle,
     IsOn<&CO::troubleStrongWind>, "風が強い (ボーナス 50)"},
    {32798, M::Options, kTrouble, "GPSなし  (100)", Flip<&CO::troubleNoGps>, OnTitle, IsOn<&CO::troubleNoGps>,
     "GPSを使わない (ボーナス 100)"},
    {32799, M::Options, kTrouble, "レーダーなし  (50)", Flip<&CO::troubleNoRadar>, OnTitle,
     IsOn<&CO::troubleNoRadar>, "レーダーを使わない (ボーナス 50)"},
    {32800, M::Options, kTrouble, "深さ警告なし  (20)", Flip<&CO::troubleNoDepthAlarm>, OnTitle,
     IsOn<&CO::troubleNoDepthAlarm>, "水深警告を使わない (ボーナス 20)"},
    {32801, M::Options, kTrouble, "エンジンなし  (50)", Flip<&CO::troubleNoEngine>, TitleSailboat,
     IsOn<&CO::troubleNoEngine>, "エンジンを使わずに帆走する (ボーナス 50)"},
    {32941, M::Options, kTrouble, "小さな海図なし  (100)", Flip<&CO::troubleNoMiniChart>, OnTitle,
     IsOn<&CO::troubleNoMiniChart>, "小さな海図を使わない (ボーナス 100)"},
    {32957, M::Options, kTrouble, "月明かりなし  (50)", ToggleNoMoonlight, TitlePassage, MoonlessNights,
     "新月の夜に渡る (ボーナス 50)"},
    {32803, M::Options, kNoFail, "電子機器", NoFailElectronics, OnTitle, IsOn<&CO::noFailElectronics>,
     "電子機器が故障しない"},
    {32802, M::Options, kNoFail, "エンジン", NoFailEngine, TitleSailboat, NoFailEngineShown, "エンジンが故障しない"},
    {32805, M::Options, kBoat, "モノハルセールボート", BoatType<1>, OnTitle, Is<&CO::boatType, 1>,
     "単胴のセールボートに乗る"},
    {32806, M::Options, kBoat, "カタマランセールボート", BoatType<2>, OnTitle, Is<&CO::boatType, 2>,
     "双胴のセールボートに乗る"},
    {32807, M::Options, kBoat, "トロール船 - 1軸(1スクリュー)", BoatType<3>, OnTitle, Is<&CO::boatType, 3>,
     "1軸のトローラーに乗る"},
    {32808, M::Options, kBoat, "トロール船 - 2軸(2スクリュー)", BoatType<4>, OnTitle, Is<&CO::boatType, 4>,
     "2軸のトローラーに乗る"},
    {32809, M::Options, kBoat, "デザイン", Nothing, TitleSailboat, nullptr, "長さ、排水量、セール面積、リグを選ぶ",
     kDesignDialog | kSep},
    {32988, M::Options, kBoat, "クルージングスピネーカ", Flip<&CO::cruisingSpinnaker>, IsSailboat,
     IsOn<&CO::cruisingSpinnaker>, "クルージングスピネーカを積む"},
    {32984, M::Options, kBoat, "ブローチングなし", Flip<&CO::noBroaching>, Monohull, NoBroachingShown,
     "ブローチングしない"},
    {32910, M::Options, kHelm, "舵輪", Set<&CO::helm, 1>, OnTitle, Is<&CO::helm, 1>, "舵輪で操舵する"},
    {32911, M::Options, kHelm, "ティラー", Set<&CO::helm, -1>, TitleSailboat, Is<&CO::helm, -1>,
     "ティラーで操舵する (舵輪と逆に動く)"},
    {32912, M::Options, kHull, "赤", Set<&CO::hullColour, 1>, TitleColour, HullIs<1>, "船体を赤にする"},
    {32913, M::Options, kHull, "白", Set<&CO::hullColour, 2>, TitleColour, HullIs<2>, "船体を白にする"},
    {32914, M::Options, kHull, "青", Set<&CO::hullColour, 3>, TitleColour, HullIs<3>, "船体を青にする"},
    {32915, M::Options, kHull, "黄", Set<&CO::hullColour, 4>, TitleColour, HullIs<4>, "船体を黄にする"},
    {32916, M::Options, kSea, "潮流なし", Flip<&CO::currentsOn>, TitleCurrents, CurrentsOff, "潮流を計算しない"},
    {32991, M::Options, kSea, "霧なし", NoFog, OnTitle, IsOn<&CO::noFog>, "霧を全く出さない"},
    {32953, M::Options, kDeparture, "夜明け", Set<&CO::departureHour, 5>, OnTitle, Is<&CO::departureHour, 5>,
     "5時に出発する"},
    {32954, M::Options, kDeparture, "朝", Set<&CO::departureHour, 9>, OnTitle, Is<&CO::departureHour, 9>,
     "9時に出発する"},
    {32955, M::Options, kDeparture, "夕方", Set<&CO::departureHour, 18>, OnTitle, Is<&CO::departureHour, 18>,
     "18時に出発する"},
    {32956, M::Options, kDeparture, "真夜中", Set<&CO::departureHour, 0>, OnTitle, Is<&CO::departureHour, 0>,
     "0時に出発する"},
    {32996, M::Options, nullptr, "NMEA出力 (UDP)", NmeaToggle, NmeaAvailable, NmeaOn,
     "艇の位置と計器の値を NMEA 0183 でチャートプロッターへ送る", kSep},
    {32998, M::Options, nullptr, "AIS出力", AisToggle, NmeaAvailable, AisOn,
     "ほかの船を AIS の物標として NMEA 出力に加える"},
    {32997, M::Options, nullptr, "NMEA出力先の設定", Nothing, Always, nullptr,
     "NMEA 0183 の送信先 (ホスト:ポート) を変える", kNmeaDialog},

    // ---- Simulator speed ----
    {32839, M::Speed, nullptr, "&1  最もゆっくり(スペースバー)", Speed<1>, Always, Is<&CO::simSpeed, 1>,
     "実時間で走る"},
    {32840, M::Speed, nullptr, "&2", Speed<2>, Always, Is<&CO::simSpeed, 2>, "シミュレータ速度 2"},
    {32841, M::Speed, nullptr, "&3", Speed<3>, Always, Is<&CO::simSpeed, 3>, "シミュレータ速度 3"},
    {32842, M::Speed, nullptr, "&4", Speed<4>, Always, Is<&CO::simSpeed, 4>, "シミュレータ速度 4"},
    {32843, M::Speed, nullptr, "&5", Speed<5>, Always, Is<&CO::simSpeed, 5>, "シミュレータ速度 5"},
    {32844, M::Speed, nullptr, "&6", Speed<6>, Always, Is<&CO::simSpeed, 6>, "シミュレータ速度 6"},
    {32845, M::Speed, nullptr, "&7", Speed<7>, Always, Is<&CO::simSpeed, 7>, "シミュレータ速度 7"},
    {32846, M::Speed, nullptr, "&8", Speed<8>, Always, Is<&CO::simSpeed, 8>, "シミュレータ速度 8"},
    {32847, M::Speed, nullptr, "&9", Speed<9>, Always, Is<&CO::simSpeed, 9>, "シミュレータ速度 9 (標準)"},
    {32848, M::Speed, nullptr, "1&0 ", Speed<10>, Always, Is<&CO::simSpeed, 10>, "シミュレータ速度 10"},
    {32944, M::Speed, nullptr, "11", Speed<11>, Always, Is<&CO::simSpeed, 11>, "シミュレータ速度 11"},
    {32945, M::Speed, nullptr, "12", Speed<12>, Always, Is<&CO::simSpeed, 12>, "シミュレータ速度 12"},
    {32946, M::Speed, nullptr, "13", Speed<13>, Always, Is<&CO::simSpeed, 13>, "シミュレータ速度 13"},
    {32947, M::Speed, nullptr, "14", Speed<14>, Always, Is<&CO::simSpeed, 14>, "シミュレータ速度 14"},
    {32948, M::Speed, nullptr, "15  最も速い", Speed<15>, Always, Is<&CO::simSpeed, 15>, "最も速く時間を進める"},
    {32949, M::Speed, nullptr, "速く  (page up)", With<StepSpeedRemembered, 1>, Always, nullptr, "シミュレータ速度を 1 速くする", kSep},
    {32950, M::Speed, nullptr, "ゆっくりと  (page dn)", With<StepSpeedRemembered, -1>, Always, nullptr, "シミュレータ速度を 1 遅くする"},

    // ---- Chart ----
    {32810, M::Chart, nullptr, "海図表示  &M", ShowChart, ChartClosed, nullptr, "海図を表示する"},
    {32811, M::Chart, nullptr, "海図非表示  &M", HideChart, ChartAndUnderway, nullptr, "海図を閉じて3D図に戻る"},
    {32772, M::Chart, nullptr, "ズームイン  &Z  (または右クリック)", ChartZoomIn, ChartInCruise, nullptr,
     "海図を拡大する", kSep},
    {32773, M::Chart, nullptr, "ズームアウト  &X", ChartZoomOut, ChartInCruise, nullptr, "海図を縮小する"},
    {32813, M::Chart, nullptr, "上へ  ↑", Pan<0, -1>, ChartRule, nullptr, "海図を北へ動かす", kSep},
    {32814, M::Chart, nullptr, "下へ  ↓", Pan<0, 1>, ChartRule, nullptr, "海図を南へ動かす"},
    {32816, M::Chart, nullptr, "右へ  →", Pan<1, 0>, ChartRule, nullptr, "海図を東へ動かす"},
    {32812, M::Chart, nullptr, "左へ  ←", Pan<-1, 0>, ChartRule, nullptr, "海図を西へ動かす"},
    {32986, M::Chart, nullptr, "自艇を中心に  &B", Flip<&ChartView::centreOnBoat>, ChartAndUnderway,
     IsOn<&ChartView::centreOnBoat>, "自艇をいつも海図の中心に置く", kSep},
    {32872, M::Chart, nullptr, "標識名を表示", Flip<&ChartView::showMarkNames>, Always,
     IsOn<&ChartView::showMarkNames>, "標識と灯台の名前を海図に書く"},
    {32981, M::Chart, nullptr, "潮流ベクトルを表示  &C", Currents, ChartCurrents, IsOn<&ChartView::showCurrents>,
     "潮流の向きと強さを海図に描く"},
    {32983, M::Chart, nullptr, "潮流を1時間進める  +", HourAhead, ChartRealOrPassage, nullptr,
     "1時間後の潮流を表示する"},
    {32873, M::Chart, nullptr, "ウェイポイント(通過点)設定  &S", Flip<&ChartView::waypointMode>, ChartRule, nullptr,
     "次にクリックした場所をウェイポイントにする", kSep},
    {32874, M::Chart, nullptr, "目標ウェイポイント(通過点)選択  &T", SelectTarget, ChartRule, nullptr,
     "次にクリックしたウェイポイントを目標にする"},
    {32875, M::Chart, nullptr, "艇位置にウェイポイント(通過点)設定", Set<&ChartView::waypointMode, 10>, ChartRule,
     nullptr, "今の艇位置をウェイポイント0にする"},
    {32876, M::Chart, nullptr, "線を引く", Nothing, ChartRule, nullptr, "方位線を引く角度を選ぶ",
     kBearingDialog | kSep},
    {32877, M::Chart, nullptr, "円を描く", Nothing, ChartRule, nullptr, "距離の円を描く半径を選ぶ", kRadiusDialog},
    {32878, M::Chart, nullptr, "距離/角度  &D", Flip<&ChartView::rangeBearingTool>, ChartRule,
     IsOn<&ChartView::rangeBearingTool>, "2点間の距離と方位を測る"},
    {32879, M::Chart, nullptr, "クリック位置にマーク", Flip<&ChartView::markAtClick>, ChartRule, nullptr,
     "次にクリックした場所に印を付ける"},
    {32880, M::Chart, nullptr, "線消去", Set<&ChartView::eraseLines, 1>, ChartRule, nullptr,
     "線、円、印を全て消す"},

    // ---- View ----
    {32881, M::View, nullptr, "3D図(セーリングビュー)表示  &V", SailingView<2, 0>, InCruise,
     Is<&ViewState::closeUpChosen, 0>, "艇から見た景色を表示する"},
    {32882, M::View, nullptr, "拡大3D表示  V", SailingView<1, 1>, InCruise, IsOn<&ViewState::closeUpChosen>,
     "艇から見た景色を拡大して表示する"},
    {32883, M::View, nullptr, "セールを透明に  &U", Flip<&ViewState::transparentSails>,
     [](const Game& g) { return InCruise(g) && SailsUp(g); }, IsOn<&ViewState::transparentSails>,
     "セールの向こうが見えるようにする"},
    {32884, M::View, nullptr, "前方を見る  ↑", LookAt<0>, LookRule, Is<&ViewState::lookOffset, 0>,
     "前を見る", kSep},
    {32885, M::View, nullptr, "右を見る  →", LookAt<30>, LookRule, LookingRight, "右へ30度向きを変えて見る"},
    {32886, M::View, nullptr, "左を見る  ←", LookAt<-30>, LookRule, LookingLeft, "左へ30度向きを変えて見る"},
    {32887, M::View, nullptr, "後を見る  ↓", LookAt<180>, LookRule, Is<&ViewState::lookOffset, 180>,
     "後ろを見る"},
    {32888, M::View, nullptr, "ベアリングコンパスで見る  &H", ToggleCompass, LookRule, IsOn<&ViewState::compassMode>,
     "ハンドベアリングコンパスで方位を測る", kSep},
    {32890, M::View, nullptr, "ベアリングコンパスで見るのをやめる  H", Set<&ViewState::compassMode, 0>,
     CompassRule, nullptr, "ハンドベアリングコンパスをしまう"},
    {32891, M::View, nullptr, "角度保存  &S", SaveCompassBearing, CompassRule, nullptr,
     "コンパスの角度を海図の方位線用に覚える"},
    {32989, M::View, nullptr, "双眼鏡  &B", Flip<&ViewState::binoculars>, [](const Game& g) { return CompassInUse(g); },
     IsOn<&ViewState::binoculars>, "双眼鏡で遠くを見る"},
    {32892, M::View, nullptr, "極小海図表示  &O", MiniChart<1>, MiniChartAllowed, Is<&ScreenState::miniChartMode, 1>,
     "左下に極小の海図を表示する", kSep},
    {32917, M::View, nullptr, "小さい海図表示  O", MiniChart<2>, MiniChartAllowed, Is<&ScreenState::miniChartMode, 2>,
     "左下に小さい海図を表示する"},
    {32893, M::View, nullptr, "小さい海図非表示  O", Set<&ScreenState::miniChartMode, 0>, MiniChartShown,
     Is<&ScreenState::miniChartMode, 0>, "小さい海図を消す"},
    {32894, M::View, nullptr, "ズームイン(小さい海図)  &Z", With<MiniChartScale, -3>, MiniChartCanZoomIn, nullptr,
     "小さい海図を拡大する"},
    {32895, M::View, nullptr, "ズームアウト(小さい海図)  &X", With<MiniChartScale, 3>, MiniChartCanZoomOut, nullptr,
     "小さい海図を縮小する"},
    {32985, M::View, nullptr, "通過点を進める  (shift)", AdvanceWaypoint, TargetWaypoint, nullptr,
     "次のウェイポイントを目標にする", kSep},

    // ---- Radar ----
    {32900, M::Radar, nullptr, "レーダーオン  &R", RadarOnCommand, RadarOff, IsOn<&ScreenState::radarOn>,
     "レーダーを表示する"},
    {32901, M::Radar, nullptr, "レーダーオフ  R", Set<&ScreenState::radarOn, 0>, RadarOn, nullptr, "レーダーを消す"},
    {32902, M::Radar, nullptr, "レンジ拡大  &X", With<RadarRange, 1>, RadarCanWiden, nullptr, "レーダーのレンジを広げる",
     kSep},
    {32903, M::Radar, nullptr, "レンジ縮小  &Z", With<RadarRange, 0>, RadarCanNarrow, nullptr, "レーダーのレンジを狭める"},
    {32904, M::Radar, nullptr, "ベアリングライン(ebl)を左に  &7", With<AdjustEbl, -5>, RadarRule, nullptr,
     "ベアリングラインを左へ5度回す", kSep},
    {32905, M::Radar, nullptr, "ベアリングライン(ebl)を右に  &8", With<AdjustEbl, 5>, RadarRule, nullptr,
     "ベアリングラインを右へ5度回す"},
    {32906, M::Radar, nullptr, "レンジマーカー(vrm)サークルを大きく  +", With<AdjustVrm, 5>, RadarRule, nullptr,
     "レンジマーカーの円を大きくする"},
    {32907, M::Radar, nullptr, "レンジマーカー(vrm)サークルを小さく  -", With<AdjustVrm, -5>, RadarRule, nullptr,
     "レンジマーカーの円を小さくする"},
    {32908, M::Radar, nullptr, "距離(vrm)を保存", SaveVrm, RadarRule, nullptr, "レンジマーカーの距離を海図の円用に覚える",
     kSep},
    {32909, M::Radar, nullptr, "角度(ebl)を保存", SaveEbl, RadarRule, nullptr,
     "ベアリングラインの角度を海図の方位線用に覚える"},

    // ---- Sails ----
    {32817, M::Sails, nullptr, "ジェノアジブ  &G", Headsail<1>, SailRule, HeadsailSet<1>, "大きなジェノアを揚げる"},
    {32818, M::Sails, nullptr, "ワーキングジブ  &J", Headsail<2>, SailRule, HeadsailSet<2>, "普通のジブを揚げる"},
    {32819, M::Sails, nullptr, "ストームジブ", Headsail<3>, SailRule, HeadsailSet<3>, "荒天用の小さなジブを揚げる"},
    {32820, M::Sails, nullptr, "スピネーカ  &P", Spinnaker, SailRule, SetWithSailsUp<&OwnBoat::spinnaker>,
     "スピネーカを揚げる、または降ろす"},
    {32821, M::Sails, nullptr, "リーフ", Flip<&OwnBoat::reefed>, SailRule, SetWithSailsUp<&OwnBoat::reefed>,
     "メインセールを縮帆する、または戻す", kSep},
    {32822, M::Sails, nullptr, "観音開き", Flip<&OwnBoat::wingAndWing>, SailRule,
     SetWithSailsUp<&OwnBoat::wingAndWing>, "ジブを反対舷に張って追っ手で走る"},
    {32823, M::Sails, nullptr, "シートを引く  <", Sheets, SailRule, nullptr, "メインシートを引き込む", kSep},
    {32824, M::Sails, nullptr, "シートを出す  >", SheetOut, SailRule, nullptr, "メインシートを出す"},
    {32825, M::Sails, nullptr, "自動シート調節  &A", Flip<&OwnBoat::autoTrim>, SailRule, IsOn<&OwnBoat::autoTrim>,
     "メインシートをいつも最も速く走れるように調節する"},
    {32826, M::Sails, nullptr, "シートを全部出す  &S", SheetAllOut, SailRule, SheetAllOutChecked,
     "メインシートを一杯に出す"},
    {32827, M::Sails, nullptr, "セールをおろす  &L", SailsDown, SailsSet, SailsDownChecked, "全てのセールを降ろす",
     kSep},

    // ---- Engine ----
    {32849, M::Engine, nullptr, "前進  &E", Ahead, Underway, GearUnsplit<3>, "ギアを前進に入れる"},
    {32850, M::Engine, nullptr, "後進  &S", With<EngineGear, -1>, Running, GearUnsplit<-1>, "ギアを後進に入れる"},
    {32919, M::Engine, nullptr, "中立(ニュートラル)  &9", With<EngineGear, 0>, Underway, NeutralRunning, "ギアを中立にする"},
    {32851, M::Engine, nullptr, "アイドル  &1", With<SetThrottle, 1>, Running, Is<&OwnBoat::throttle, 1>,
     "回転数をアイドルにする", kSep},
    {32852, M::Engine, nullptr, "微速(スロー)  &2", With<SetThrottle, 3>, Running, Is<&OwnBoat::throttle, 3>,
     "回転数を微速にする"},
    {32853, M::Engine, nullptr, "全速(ファースト)  &3", With<SetThrottle, 7>, Running, Is<&OwnBoat::throttle, 7>,
     "回転数を全速にする"},
    {32854, M::Engine, nullptr, "最大  &4", With<SetThrottle, 10>, Running, Is<&OwnBoat::throttle, 10>,
     "回転数を最大にする"},
    {32922, M::Engine, nullptr, "回転数+", ThrottleUp, RunningBelowFull, nullptr, "回転数を1段上げる"},
    {32923, M::Engine, nullptr, "回転数-", ThrottleDown, AboveIdle, nullptr, "回転数を1段下げる"},
    {32855, M::Engine, nullptr, "左前進、右後進  &P", With<TwinSplit, 1>, RunningTwin, SplitOnTwinTrawler<1>,
     "左舷を前進、右舷を後進にしてその場で右に回る", kSep},
    {32856, M::Engine, nullptr, "右前進、左後進  &L", With<TwinSplit, -1>, RunningTwin, SplitOnTwinTrawler<-1>,
     "右舷を前進、左舷を後進にしてその場で左に回る"},
    {32857, M::Engine, nullptr, "オフ  &0(ゼロ)", EngineOff, Running, Is<&OwnBoat::throttle, 0>, "エンジンを止める",
     kSep},

    // ---- Anchor ----
    {32858, M::Anchor, kRode, "50 ft", Set<&OwnBoat::anchorRode, 50>, CruiseBuilt, Is<&OwnBoat::anchorRode, 50>,
     "アンカーラインを 50 ft 出す"},
    {32859, M::Anchor, kRode, "100 ft", Set<&OwnBoat::anchorRode, 100>, CruiseBuilt, Is<&OwnBoat::anchorRode, 100>,
     "アンカーラインを 100 ft 出す"},
    {32860, M::Anchor, kRode, "150 ft", Set<&OwnBoat::anchorRode, 150>, CruiseBuilt, Is<&OwnBoat::anchorRode, 150>,
     "アンカーラインを 150 ft 出す"},
    {32861, M::Anchor, kRode, "200 ft", Set<&OwnBoat::anchorRode, 200>, CruiseBuilt, Is<&OwnBoat::anchorRode, 200>,
     "アンカーラインを 200 ft 出す"},
    {32862, M::Anchor, nullptr, "アンカー1レッコ(打つ)  &D", With<LetGoAnchor, 1>, Anchor1Up, Anchor1Holds, "アンカー1を打つ",
     kSep},
    {32863, M::Anchor, nullptr, "アンカー2レッコ(打つ)", With<LetGoAnchor, 2>, Anchor2Up, Anchor2Holds, "アンカー2を打つ"},
    {32864, M::Anchor, nullptr, "アンカーアップ(揚げる)  &U", AnchorUpCommand, AnyAnchorOut, BothAnchorsUp,
     "全てのアンカーを揚げる"},
    {32865, M::Anchor, kTender, "テンダーで北に打つ", Tender<0>, TenderRule, nullptr, "テンダーでアンカー2を北に打つ"},
    {32866, M::Anchor, kTender, "テンダーで東に打つ", Tender<90>, TenderRule, nullptr, "テンダーでアンカー2を東に打つ"},
    {32867, M::Anchor, kTender, "テンダーで南に打つ", Tender<180>, TenderRule, nullptr,
     "テンダーでアンカー2を南に打つ"},
    {32868, M::Anchor, kTender, "テンダーで西に打つ", Tender<270>, TenderRule, nullptr, "テンダーでアンカー2を西に打つ"},
    {32918, M::Anchor, nullptr, "アンカー1のラインをチェーンに", Flip<&CO::anchor1Chain>, ChainRule,
     IsOn<&CO::anchor1Chain>, "アンカー1をチェーンにして効きを良くする", kSep},
    {32990, M::Anchor, nullptr, "アンカーラインに重りを付ける", Flip<&OwnBoat::kellet>, RopeRode, KelletChecked,
     "ロープに重りを付けてアンカーの効きを良くする"},
    {32869, M::Anchor, nullptr, "アンカー1のライン長変更", Set<&OwnBoat::rodeChangeRequest, 1>, Anchor1Out, nullptr,
     "アンカー1のラインを選んだ長さにする", kSep},
    {32870, M::Anchor, nullptr, "アンカー2のライン長変更", Set<&OwnBoat::rodeChangeRequest, 2>, Anchor2Out, nullptr,
     "アンカー2のラインを選んだ長さにする"},
    {32871, M::Anchor, nullptr, "アンカーの状態表示", Flip<&OwnBoat::anchorStatusShown>, CruiseBuilt,
     IsOn<&OwnBoat::anchorStatusShown>, "アンカーの状態を3D図に表示する"},

    // ---- Help ----
    {32924, M::Help, nullptr, "シミュレータの操作", Help<1>, Always, nullptr, "シミュレータの操作の説明"},
    {32925, M::Help, nullptr, "コマンド", Help<2>, Always, nullptr, "コマンドとキーの一覧"},
    {32927, M::Help, nullptr, "現在の画面の説明", Help<3>, Always, nullptr, "今見ている画面の説明"},
    {32940, M::Help, nullptr, "パフォーマンスデータとナビゲーションデータ", Help<4>, Always, nullptr,
     "パネルに表示されるデータの説明"},
    {32928, M::Help, nullptr, "海図の特徴", Help<5>, Always, nullptr, "海図の見方"},
    {32929, M::Help, nullptr, "海図のウェイポイント(通過点)", Help<6>, Always, nullptr, "ウェイポイントの使い方"},
    {32930, M::Help, nullptr, "海図のラインとサークル", Help<7>, Always, nullptr, "方位線と距離の円の使い方"},
    {32931, M::Help, nullptr, "レーダーとベアリングコンパス", Help<8>, Always, nullptr,
     "レーダーとハンドベアリングコンパスの使い方"},
    {32932, M::Help, nullptr, "操舵", Help<9>, Always, nullptr, "マウスでの操舵の仕方"},
    {32933, M::Help, nullptr, "セールの調節", Help<10>, Always, nullptr, "セールとシートの調節の仕方"},
    {32934, M::Help, nullptr, "エンジンの操作", Help<11>, Always, nullptr, "エンジンの使い方"},
    {32935, M::Help, nullptr, "着岸、係留、アンカーリング", Help<12>, Always, nullptr, "桟橋、ブイ、アンカーの使い方"},
    {32936, M::Help, nullptr, "採点と衝突回避", Help<13>, Always, nullptr, "採点の仕方と衝突の避け方"},
    {32937, M::Help, nullptr, "新機能の紹介", Help<14>, Always, nullptr, "この版の新しい機能"},
    {32938, M::Help, nullptr, "初めて使う方へ", Help<15>, Always, nullptr, "初めての方はここから"},
    {32939, M::Help, nullptr, "老船乗りのアドバイス  &Y", Help<300>, NoResults, nullptr,
     "今の状況についての老船乗りの助言", kSep},
    {32926, M::Help, nullptr, "コントロールボタンの説明を表示", Flip<&CO::buttonHelp>, Always, IsOn<&CO::buttonHelp>,
     "ボタンの上にポインターを置くと説明を表示する", kSep},
    {59393, M::Help, nullptr, "メニュー項目の説明を表示  &S", Nothing, Always, nullptr,
     "この説明の行を表示する、または隠す", kStatusBarToggle},
    {57664, M::Help, nullptr, "Velmara について  &A", Nothing, Always, nullptr, "プログラムの名前と版", kAboutBox | kSep},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

}  // namespace vel
