#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/panel_buttons.h"

namespace vel {
namespace {

std::vector<std::string> Shown(const Game& g) {
    std::vector<std::string> labels;
    for (const PanelButtonRow& b : ColumnButtons(ColumnFor(g)))
        if (ButtonShown(b, g)) labels.emplace_back(b.label);
    return labels;
}

const PanelButtonRow& Button(const Game& g, const std::string& label) {
    for (const PanelButtonRow& b : ColumnButtons(ColumnFor(g)))
        if (label == b.label && ButtonShown(b, g)) return b;
    for (const PanelButtonRow& b : ViewButtons())
        if (label == b.label) return b;
    throw std::runtime_error("no button " + label);
}

TEST(PanelColumns, StateChoosesTheColumnAndItsShownButtons) {
    auto g = std::make_unique<Game>();
    g->ownBoat.sailsUp = 1;
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Sails);
    g->ownBoat.sailsUp = 0;
    g->ownBoat.throttle = 1;
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Engine);
    g->ownBoat.throttle = 0;
    EXPECT_EQ(ColumnFor(*g), ButtonColumn::Stopped);
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"ｾｰﾙ  ", "ｴﾝｼﾞﾝ ", "ｱﾝｶｰ1ﾚｯｺ"}));
    g->ownBoat.atPier = 1;
    g->anchors.anchor[1][1] = 3;
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"放す    ", "ｱﾝｶｰ ｱｯﾌﾟ", "ｾｰﾙ  ", "ｴﾝｼﾞﾝ "}));
    g->cruiseOptions.boatType = 3;
    g->ownBoat.atPier = 0;
    g->anchors.anchor[1][1] = 0;
    EXPECT_EQ(Shown(*g), (std::vector<std::string>{"ｴﾝｼﾞﾝ ", "ｱﾝｶｰ1ﾚｯｺ"}));
}

TEST(PanelButtons, SheetButtonAlternatesAndSaysWhatItWillDo) {
    auto g = std::make_unique<Game>();
    g->ownBoat.sailsUp = g->ownBoat.autoTrim = 1;
    g->ownBoat.sheet = 12;
    const PanelButtonRow& sheet = Button(*g, "ｼｰﾄ  ");
    EXPECT_STREQ(DescriptionOf(sheet, *g), "  ﾒｲﾝｼｰﾄを全部出す。");
    sheet.act(*g);
    EXPECT_EQ(g->ownBoat.sheet, 47);
    EXPECT_EQ(g->ownBoat.autoTrim, 0);
    EXPECT_STREQ(DescriptionOf(sheet, *g), "  ﾒｲﾝｼｰﾄをﾍﾞｽﾄｽﾋﾟｰﾄﾞに調節する。");
    sheet.act(*g);
    EXPECT_EQ(g->ownBoat.autoTrim, 1);
}

TEST(PanelButtons, MoreAndLessSailStepThroughThePlan) {
    auto g = std::make_unique<Game>();
    OwnBoat& b = g->ownBoat;
    b.sailsUp = 1;
    b.headsail = 3;
    b.reefed = 1;
    b.trueWindAngle = 120;
    const PanelButtonRow& more = Button(*g, "ｾｰﾙ大    ");
    const PanelButtonRow& less = Button(*g, "ｾｰﾙ小    ");
    struct Step {
        const PanelButtonRow* button;
        int32_t headsail, reefed, spinnaker;
    };
    const Step steps[] = {{&more, 2, 1, 0}, {&more, 2, 0, 0}, {&more, 1, 0, 0}, {&more, 1, 0, 1},
                          {&less, 1, 0, 0}, {&less, 2, 0, 0}, {&less, 2, 1, 0}, {&less, 3, 1, 0}};
    for (const Step& s : steps) {
        s.button->act(*g);
        EXPECT_EQ(b.headsail, s.headsail);
        EXPECT_EQ(b.reefed, s.reefed);
        EXPECT_EQ(b.spinnaker, s.spinnaker);
    }
    // Close to the wind the genoa is as much as she carries.
    b.trueWindAngle = 100;
    b.headsail = 1;
    more.act(*g);
    EXPECT_EQ(b.spinnaker, 0);
}

}  // namespace
}  // namespace vel
