#include "views/objects.h"

#include <gtest/gtest.h>

#include <array>

#include "sailing_view_fixture.h"

namespace vel {
namespace {

struct KeyCase {
    const char* what;
    int32_t areaCode, kind, row;
    int32_t key;
};

TEST(ObjectKeys, RowsWithTheIslandLightsHeldBack) {
    // Height 729: lights of kinds 8 and 9 in the islands area below row
    // 729 / 50 = 14 wait a fifth of the height (145) more.
    const KeyCase cases[] = {
        {"a buoy", 2, 3, 200, 200},        {"island light", 2, 8, 200, 345},    {"island beacon", 2, 9, 15, 160},
        {"on the horizon", 2, 8, 14, 14},  {"coast light", 1, 8, 200, 200},     {"empty entry", 1, 22, 200, 20000},
    };
    for (const KeyCase& c : cases) {
        auto g = test::ViewGame();
        g->areaGrid.areaCode = c.areaCode;
        g->objectList.count = 49;
        g->objectList.kind.fill(22);
        g->objectList.kind[5] = c.kind;
        g->projection.screenY[5] = c.row;
        std::array<int32_t, kObjectSlots> keys{};
        std::array<bool, kObjectSlots> hidden{};
        ObjectRowKeys(*g, keys, 49, hidden);
        EXPECT_EQ(keys[5], c.key) << c.what;
    }
}

TEST(ObjectKeys, OwnBoatAndFarObjectsAreLeftOut) {
    auto g = test::ViewGame();
    g->objectList.count = 49;
    g->objectList.kind.fill(3);
    std::array<int32_t, kObjectSlots> keys{};
    std::array<bool, kObjectSlots> hidden{};
    hidden[7] = true;
    ObjectRowKeys(*g, keys, 49, hidden);
    EXPECT_EQ(keys[41], 20000);
    EXPECT_EQ(keys[7], 20000);
    EXPECT_LT(keys[6], 19000);
}

}  // namespace
}  // namespace vel
