#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "shell/dialogs.h"

namespace vel {
namespace {

TEST(DesignDialog, EveryLengthButtonSetsTheLengthOnItsLabel) {
    auto g = std::make_unique<Game>();
    const RadioGroup& lengths = DialogFor(DialogId::Design).groups[0];
    ASSERT_STREQ(lengths.title, "長さ");
    ASSERT_EQ(lengths.choices.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(PressRadio(*g, DialogId::Design, 0, i).has_value());
        EXPECT_EQ(g->cruiseOptions.designLength, std::atoi(lengths.choices[i].label)) << lengths.choices[i].label;
        EXPECT_EQ(CheckedChoice(*g, DialogId::Design, 0), i);
    }
}

TEST(DesignDialog, DisplacementSailAreaAndRigValues) {
    auto g = std::make_unique<Game>();
    struct Row {
        int group, choice;
        int32_t CruiseOptions::*field;
        int32_t value;
    };
    const Row rows[] = {{1, 0, &CruiseOptions::designDisplacement, 11}, {1, 3, &CruiseOptions::designDisplacement, 8},
                        {2, 0, &CruiseOptions::designSailArea, 11},     {2, 2, &CruiseOptions::designSailArea, 9},
                        {3, 0, &CruiseOptions::designRig, 80},          {3, 1, &CruiseOptions::designRig, 100}};
    for (const Row& r : rows) {
        PressRadio(*g, DialogId::Design, r.group, r.choice);
        EXPECT_EQ(g->cruiseOptions.*r.field, r.value) << r.group << "/" << r.choice;
    }
    // Nothing chosen yet shows no button pressed.
    auto fresh = std::make_unique<Game>();
    EXPECT_EQ(CheckedChoice(*fresh, DialogId::Design, 0), -1);
}

TEST(BearingDialog, SourcesAreWrittenAtOnceButTypedBearingOnlyAfterTheEntry) {
    auto g = std::make_unique<Game>();
    PressRadio(*g, DialogId::BearingChoice, 0, 1);
    EXPECT_EQ(g->chartView.lineRequest, 3);
    PressRadio(*g, DialogId::BearingChoice, 0, 3);
    EXPECT_EQ(g->chartView.lineRequest, 5);
    const auto next = PressRadio(*g, DialogId::BearingChoice, 0, 4);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(*next, DialogId::BearingEntry);
    EXPECT_EQ(g->chartView.lineRequest, 5);
    PressRadio(*g, DialogId::BearingEntry, 0, 2);
    PressRadio(*g, DialogId::BearingEntry, 1, 4);
    PressRadio(*g, DialogId::BearingEntry, 2, 7);
    NestedDialogClosed(*g, DialogId::BearingChoice, 0, 4);
    EXPECT_EQ(g->chartView.lineRequest, 1);
    EXPECT_EQ(g->chartView.bearingHundreds + g->chartView.bearingTens + g->chartView.bearingUnits, 247);
}

TEST(RadiusDialog, TypedRadiusIsChosenAtOnceAndSumsInTenthsOfAMile) {
    auto g = std::make_unique<Game>();
    const auto next = PressRadio(*g, DialogId::RadiusChoice, 0, 2);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(*next, DialogId::RadiusEntry);
    EXPECT_EQ(g->chartView.circleRequest, 1);
    PressRadio(*g, DialogId::RadiusEntry, 0, 6);
    PressRadio(*g, DialogId::RadiusEntry, 1, 3);
    PressRadio(*g, DialogId::RadiusEntry, 2, 5);
    EXPECT_EQ(g->chartView.radiusTens + g->chartView.radiusUnits + g->chartView.radiusTenths, 635);
    PressRadio(*g, DialogId::RadiusChoice, 0, 0);
    EXPECT_EQ(g->chartView.circleRequest, 2);
}

TEST(Dialogs, OutOfRangeButtonsChangeNothing) {
    auto g = std::make_unique<Game>();
    EXPECT_FALSE(PressRadio(*g, DialogId::Design, 4, 0).has_value());
    EXPECT_FALSE(PressRadio(*g, DialogId::Design, 0, 6).has_value());
    EXPECT_EQ(g->cruiseOptions.designLength, 0);
    EXPECT_EQ(CheckedChoice(*g, DialogId::RadiusEntry, 9), -1);
}

TEST(Dialogs, PictureStandsStillWhileADialogIsOpen) {
    auto g = std::make_unique<Game>();
    DialogOpened(*g);
    EXPECT_EQ(g->screenState.frozen, 1);
    DialogClosed(*g);
    EXPECT_EQ(g->screenState.frozen, 0);
}

}  // namespace
}  // namespace vel
