#include "shell/dialogs.h"

namespace vel {
namespace {

int32_t& Length(Game& g) { return g.cruiseOptions.designLength; }
int32_t& Displacement(Game& g) { return g.cruiseOptions.designDisplacement; }
int32_t& SailArea(Game& g) { return g.cruiseOptions.designSailArea; }
int32_t& Rig(Game& g) { return g.cruiseOptions.designRig; }
int32_t& LineSource(Game& g) { return g.chartView.lineRequest; }
int32_t& BearingHundreds(Game& g) { return g.chartView.bearingHundreds; }
int32_t& BearingTens(Game& g) { return g.chartView.bearingTens; }
int32_t& BearingUnits(Game& g) { return g.chartView.bearingUnits; }
int32_t& CircleSource(Game& g) { return g.chartView.circleRequest; }
int32_t& RadiusTens(Game& g) { return g.chartView.radiusTens; }
int32_t& RadiusUnits(Game& g) { return g.chartView.radiusUnits; }
int32_t& RadiusTenths(Game& g) { return g.chartView.radiusTenths; }

constexpr RadioChoice kLengths[] = {{"20 ft", 20}, {"25 ft", 25}, {"30 ft", 30},
                                    {"35 ft", 35}, {"40 ft", 40}, {"50 ft", 50}};
constexpr RadioChoice kDisplacements[] = {{"重", 11}, {"中", 10}, {"軽", 9}, {"超軽", 8}};
constexpr RadioChoice kSailAreas[] = {{"大", 11}, {"中", 10}, {"小", 9}};
constexpr RadioChoice kRigs[] = {{"フラクショナル", 80}, {"マストヘッド", 100}};
constexpr RadioGroup kDesign[] = {{"長さ", Length, kLengths},
                                  {"排水量", Displacement, kDisplacements},
                                  {"セール面積", SailArea, kSailAreas},
                                  {"リグ", Rig, kRigs}};

constexpr RadioChoice kBearingSources[] = {
    {"現在のベアリングコンパスの角度", 2},
    {"以前のベアリングコンパスの角度", 3},
    {"現在のレーダーによる角度", 4},
    {"以前のレーダーによる角度", 5},
    {"真の角度を入力", 1, DialogId::BearingEntry, true},
};
constexpr RadioGroup kBearingChoice[] = {{nullptr, LineSource, kBearingSources}};

constexpr RadioChoice kHundreds[] = {{"0", 0}, {"100", 100}, {"200", 200}, {"300", 300}};
constexpr RadioChoice kTensOfDegrees[] = {{"0", 0},   {"10", 10}, {"20", 20}, {"30", 30}, {"40", 40},
                                          {"50", 50}, {"60", 60}, {"70", 70}, {"80", 80}, {"90", 90}};
constexpr RadioChoice kDigits[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4},
                                   {"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}, {"9", 9}};
constexpr RadioGroup kBearingEntry[] = {{"百の位", BearingHundreds, kHundreds},
                                        {"十の位", BearingTens, kTensOfDegrees},
                                        {"一の位", BearingUnits, kDigits}};

constexpr RadioChoice kRadiusSources[] = {
    {"現在のレーダーの半径", 2},
    {"以前のレーダーの半径", 3},
    {"半径を入力", 1, DialogId::RadiusEntry, false},
};
constexpr RadioGroup kRadiusChoice[] = {{nullptr, CircleSource, kRadiusSources}};

// The radius is summed in tenths of a mile.
constexpr RadioChoice kTensOfMiles[] = {{"0", 0},     {"1", 100}, {"2", 200}, {"3", 300},
                                        {"4", 400},   {"5", 500}, {"6", 600}};
constexpr RadioChoice kMiles[] = {{"0", 0},   {"1", 10}, {"2", 20}, {"3", 30}, {"4", 40},
                                  {"5", 50},  {"6", 60}, {"7", 70}, {"8", 80}, {"9", 90}};
constexpr RadioGroup kRadiusEntry[] = {{"十の位", RadiusTens, kTensOfMiles},
                                       {"一の位", RadiusUnits, kMiles},
                                       {"十分の１の位", RadiusTenths, kDigits}};

constexpr DialogForm kDialogs[] = {
    {"デザイン", kDesign},
    {"コンパス角度の選択", kBearingChoice},
    {"コンパス角度の入力(度)", kBearingEntry},
    {"半径の選択", kRadiusChoice},
    {"半径の入力(マイル)", kRadiusEntry},
};

const RadioChoice* ChoiceAt(DialogId id, int group, int choice) {
    const DialogForm& d = DialogFor(id);
    if (group < 0 || group >= static_cast<int>(d.groups.size())) return nullptr;
    const RadioGroup& gr = d.groups[group];
    if (choice < 0 || choice >= static_cast<int>(gr.choices.size())) return nullptr;
    return &gr.choices[choice];
}

}  // namespace

const DialogForm& DialogFor(DialogId id) { return kDialogs[static_cast<int>(id)]; }

std::optional<DialogId> PressRadio(Game& g, DialogId id, int group, int choice) {
    const RadioChoice* c = ChoiceAt(id, group, choice);
    if (!c) return std::nullopt;
    if (!c->afterNested) DialogFor(id).groups[group].field(g) = c->value;
    return c->opens;
}

void NestedDialogClosed(Game& g, DialogId id, int group, int choice) {
    const RadioChoice* c = ChoiceAt(id, group, choice);
    if (c && c->afterNested) DialogFor(id).groups[group].field(g) = c->value;
}

int CheckedChoice(Game& g, DialogId id, int group) {
    const DialogForm& d = DialogFor(id);
    if (group < 0 || group >= static_cast<int>(d.groups.size())) return -1;
    const RadioGroup& gr = d.groups[group];
    const int32_t now = gr.field(g);
    for (std::size_t i = 0; i < gr.choices.size(); ++i)
        if (gr.choices[i].value == now) return static_cast<int>(i);
    return -1;
}

void DialogOpened(Game& g) { g.screenState.frozen = 1; }

void DialogClosed(Game& g) { g.screenState.frozen = 0; }

}  // namespace vel
