#include "views/objects.h"

#include <gtest/gtest.h>

#include <array>

#include "sailing_view_fixture.h"

namespace vel {
namespace {

// Height 729: lights of kinds 8 and 9 in the islands area below row 729 / 50
// = 14 wait a fifth of the height (145) more; the own boat's entry, hidden
// entries and empty ones are left out.
TEST(ObjectKeys, RowsWithTheIslandLightsHeldBack) {
    for (auto [area, kind, row, hide, key] : {std::tuple{2, 3, 200, false, 200}, {2, 8, 200, false, 345},
                                              {2, 9, 15, false, 160}, {2, 8, 14, false, 14}, {1, 8, 200, false, 200},
                                              {1, 22, 200, false, 20000}, {1, 3, 200, true, 20000}}) {
        auto g = test::ViewGame();
        g->areaGrid.areaCode = area;
        g->objectList.count = 49;
        g->objectList.kind.fill(3);
        g->objectList.kind[5] = kind;
        g->projection.screenY[5] = row;
        std::array<int32_t, kObjectSlots> keys{};
        std::array<bool, kObjectSlots> hidden{};
        hidden[5] = hide;
        ObjectRowKeys(*g, keys, 49, hidden);
        EXPECT_EQ(keys[5], key) << area << " " << kind << " " << row;
        EXPECT_EQ(keys[41], 20000);
        EXPECT_LT(keys[6], 19000);
    }
}

}  // namespace
}  // namespace vel
