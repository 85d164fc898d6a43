#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "shell/dialogs.h"

namespace vel {
namespace {

TEST(DesignDialog, EveryButtonSetsWhatItsLabelSays) {
    auto g = std::make_unique<Game>();
    EXPECT_EQ(CheckedChoice(*g, DialogId::Design, 0), -1);  // nothing chosen yet
    const RadioGroup& lengths = DialogFor(DialogId::Design).groups[0];
    ASSERT_EQ(lengths.choices.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(PressRadio(*g, DialogId::Design, 0, i).has_value());
        EXPECT_EQ(g->cruiseOptions.designLength, std::atoi(lengths.choices[i].label)) << lengths.choices[i].label;
        EXPECT_EQ(CheckedChoice(*g, DialogId::Design, 0), i);
    }
    for (auto [group, choice, field, value] :
         {std::tuple{1, 0, &CruiseOptions::designDisplacement, 11}, {1, 3, &CruiseOptions::designDisplacement, 8},
          {2, 0, &CruiseOptions::designSailArea, 11}, {2, 2, &CruiseOptions::designSailArea, 9},
          {3, 0, &CruiseOptions::designRig, 80}, {3, 1, &CruiseOptions::designRig, 100}}) {
        PressRadio(*g, DialogId::Design, group, choice);
        EXPECT_EQ(g->cruiseOptions.*field, value) << group << "/" << choice;
    }
    // Buttons out of range change nothing.
    EXPECT_FALSE(PressRadio(*g, DialogId::Design, 4, 0).has_value());
    EXPECT_FALSE(PressRadio(*g, DialogId::Design, 0, 6).has_value());
    EXPECT_EQ(g->cruiseOptions.designLength, std::atoi(lengths.choices[5].label));
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
