#include "shell/panel_buttons.h"

#include "shell/actions.h"

namespace vel {
namespace {

bool Tied(const Game& g) { return MadeFast(g); }
bool NoAnchorDown(const Game& g) { return !AnchorDown(g); }
bool FreeToAnchor(const Game& g) { return !AnchorDown(g) && !MadeFast(g); }
bool TwinTrawler(const Game& g) { return g.cruiseOptions.boatType == 4; }
bool SplitPortAhead(const Game& g) { return g.ownBoat.twinSplit == 1; }
bool SplitStarboardAhead(const Game& g) { return g.ownBoat.twinSplit == -1; }
bool JustSaved(const Game& g) { return g.screenState.bearingSavedFrames > 0; }

void Radar(Game& g) { Toggle(g.screenState.radarOn); }
void SaveBearing(Game& g) {
    SaveCompassBearing(g);
    g.screenState.bearingSavedFrames = kSavedLabelFrames;
}
void Chart(Game& g) { g.screenState.chartShown = 1; }

void Faster(Game& g) {
    ThrottleUp(g);
    WeighIfDrivingAhead(g);
}
void SetWorkingSails(Game& g) {
    RaiseWorkingSails(g);
    StopAnchoring(g);
}
void Sheet(Game& g) {
    if (g.ownBoat.autoTrim == 1)
        SheetAllOut(g);
    else
        g.ownBoat.autoTrim = 1;
}
const char* SheetDescription(const Game& g) {
    return g.ownBoat.autoTrim == 1 ? "  ﾒｲﾝｼｰﾄを全部出す。" : "  ﾒｲﾝｼｰﾄをﾍﾞｽﾄｽﾋﾟｰﾄﾞに調節する。";
}
void Spinnaker(Game& g) { Toggle(g.ownBoat.spinnaker); }

constexpr const char* kAnchorUp = "ｱﾝｶｰ ｱｯﾌﾟ";
constexpr const char* kAnchorUpText = "  ｱﾝｶｰを揚げる。      ";
constexpr const char* kLetGo = "ｱﾝｶｰ1ﾚｯｺ";
constexpr const char* kLetGoText = "  ｱﾝｶｰ1を打つ。       ";
constexpr const char* kRelease = "放す    ";
constexpr const char* kReleaseText = "  桟橋またはﾌﾞｲを離れる。    ";

constexpr PanelButtonRow kView[] = {
    {"前方 ", "  前方を見る。           ", nullptr, With<Look, 0>},
    {"左  ", "  左へ30度向きを変えて見る。  ", nullptr, With<Look, -30>},
    {"右   ", "  右へ30度向きを変えて見る。  ", nullptr, With<Look, 30>},
    {"後方  ", "  後方を見る。           ", nullptr, With<Look, 180>},
    {"ﾚｰﾀﾞｰ", "  ﾚｰﾀﾞｰを表示する、または消す。  ", nullptr, Radar},
    {"hbｺﾝﾊﾟｽ", "  ﾊﾝﾄﾞﾍﾞｱﾘﾝｸﾞｺﾝﾊﾟｽで見る、またはやめる。", nullptr, ToggleCompass},
    {"hb保存 ", "  ｺﾝﾊﾟｽの角度を保存する。     ", nullptr, SaveBearing, JustSaved},
    {"海図 ", "  海図を表示する。        ", nullptr, Chart},
};

constexpr PanelButtonRow kEngine[] = {
    {kRelease, kReleaseText, Tied, Release},
    {"前進   ", "  ｷﾞｱを前進に入れる。      ", nullptr, With<EngineGear, 3>},
    {"ﾆｭｰﾄﾗﾙ ", "  ｷﾞｱをﾆｭｰﾄﾗﾙにする。     ", nullptr, With<EngineGear, 0>},
    {"後進   ", "  ｷﾞｱを後進に入れる。      ", nullptr, With<EngineGear, -1>},
    {"加速 ", "  ｴﾝｼﾞﾝの回転数を上げる。    ", nullptr, Faster},
    {"減速 ", "  ｴﾝｼﾞﾝの回転数を下げる。    ", nullptr, ThrottleDown},
    {"左前進右後進", "  左舷前進、右舷後進でその場で右に回る。", TwinTrawler, With<TwinSplit, 1>, SplitPortAhead},
    {"右前進左後進", "  右舷前進、左舷後進でその場で左に回る。", TwinTrawler, With<TwinSplit, -1>, SplitStarboardAhead},
    {"ｴﾝｼﾞﾝｵﾌ", "  ｴﾝｼﾞﾝを切る。      ", nullptr, EngineOff},
    {kAnchorUp, kAnchorUpText, AnchorDown, AnchorUp},
    {kLetGo, kLetGoText, NoAnchorDown, With<LetGoAnchor, 1>},
    {"ｾｰﾙ  ", "  ﾒｲﾝとﾜｰｷﾝｸﾞｼﾞﾌﾞを揚げ、ｴﾝｼﾞﾝを切る。", IsSailboat, RaiseWorkingSails},
};

constexpr PanelButtonRow kSails[] = {
    {"ｸﾛｰｽﾎｰﾙﾄﾞ  ", "  風上に一杯に詰めて走る。    ", nullptr, CloseHauled},
    {"ﾀｯｸ ", "  ﾀｯｸして反対のﾀｯｸに移る。    ", nullptr, Tack},
    {"ｼｰﾄ  ", "", nullptr, Sheet, nullptr, SheetDescription},
    {"ｾｰﾙ大    ", "  ｾｰﾙを大きくする。      ", nullptr, MoreSail},
    {"ｾｰﾙ小    ", "  ｾｰﾙを小さくする。      ", nullptr, LessSail},
    {"ｽﾋﾟﾝ     ", "  ｽﾋﾟﾈｰｶを揚げる、または降ろす。", nullptr, Spinnaker},
    {"ｾｰﾙ ﾀﾞｳﾝ  ", "  全てのｾｰﾙを降ろす。     ", nullptr, SailsDown},
    {kAnchorUp, kAnchorUpText, AnchorDown, AnchorUp},
    {kLetGo, kLetGoText, NoAnchorDown, With<LetGoAnchor, 1>},
    {"ｴﾝｼﾞﾝ ", "  ｾｰﾙを降ろし、ｴﾝｼﾞﾝをﾆｭｰﾄﾗﾙでかける。", nullptr, StartEngineNeutral},
};

constexpr PanelButtonRow kStopped[] = {
    {kRelease, kReleaseText, Tied, Release},
    {kAnchorUp, kAnchorUpText, AnchorDown, AnchorUp},
    {"ｾｰﾙ  ", "  ﾒｲﾝとﾜｰｷﾝｸﾞｼﾞﾌﾞを揚げる。  ", IsSailboat, SetWorkingSails},
    {"ｴﾝｼﾞﾝ ", "  ｴﾝｼﾞﾝをﾆｭｰﾄﾗﾙでかける。   ", nullptr, StartEngineNeutral},
    {kLetGo, kLetGoText, FreeToAnchor, With<LetGoAnchor, 1>},
};

void SpeedUp(Game& g) { StepSpeed(g.cruiseOptions, 1, false); }
void SpeedDown(Game& g) { StepSpeed(g.cruiseOptions, -1, false); }

constexpr PanelButtonRow kSpeed[] = {
    {"速く  ", "  クリックする毎にｼﾐｭﾚｰﾀ速度が 1 速くなる。    ", nullptr, SpeedUp},
    {"遅く  ", "  クリックする毎にｼﾐｭﾚｰﾀ速度が 1 遅くなる。    ", nullptr, SpeedDown},
};

}  // namespace

ButtonColumn ColumnFor(const Game& g) {
    if (EngineRunning(g)) return ButtonColumn::Engine;
    if (SailsUp(g)) return ButtonColumn::Sails;
    return ButtonColumn::Stopped;
}

std::span<const PanelButtonRow> ViewButtons() { return kView; }

std::span<const PanelButtonRow> ColumnButtons(ButtonColumn c) {
    switch (c) {
        case ButtonColumn::Engine: return kEngine;
        case ButtonColumn::Sails: return kSails;
        case ButtonColumn::Stopped: break;
    }
    return kStopped;
}

std::span<const PanelButtonRow> SpeedButtons() { return kSpeed; }

}  // namespace vel
