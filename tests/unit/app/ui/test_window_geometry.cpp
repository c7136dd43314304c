// PlaceRect by anchor code inside an area, and the CollapseWindow region sequence.
#include "app/ui/WindowGeometry.h"

#include <gtest/gtest.h>

namespace {

const ScreenRect kWorkArea{0, 0, 1024, 738};

ScreenRect Sized(int width, int height) { return {500, 500, 500 + width, 500 + height}; }

} // namespace

TEST(PlaceWindow, AnchorCodesNameCornersAndCentre)
{
    const ScreenRect reference{100, 50, 501, 351};
    EXPECT_EQ(AnchorPoint(reference, 2), (ScreenPoint{501, 50}));
    EXPECT_EQ(AnchorPoint(reference, 10), (ScreenPoint{100, 200}));

    EXPECT_EQ(PlaceRect(Sized(200, 100), &reference, 0, kWorkArea), (ScreenRect{100, 50, 300, 150}));
    EXPECT_EQ(PlaceRect(Sized(200, 100), &reference, 11, kWorkArea), (ScreenRect{200, 150, 400, 250}));
    EXPECT_EQ(PlaceRect(Sized(200, 100), &reference, 22, kWorkArea), (ScreenRect{301, 251, 501, 351}));
    // Odd sizes: the window's middle is its integer mean too.
    EXPECT_EQ(PlaceRect(Sized(201, 101), &reference, 11, kWorkArea), (ScreenRect{200, 150, 401, 251}));
}

TEST(PlaceWindow, WithoutReferenceTheAreaIsTheReference)
{
    EXPECT_EQ(PlaceRect(Sized(200, 100), nullptr, 11, kWorkArea), (ScreenRect{412, 319, 612, 419}));
    EXPECT_EQ(PlaceRect(Sized(200, 100), nullptr, 22, kWorkArea), (ScreenRect{824, 638, 1024, 738}));
}

TEST(PlaceWindow, ReferenceIsClippedToTheArea)
{
    const ScreenRect halfOff{824, 0, 1224, 400};     // centre of the clipped part: (924, 200)
    EXPECT_EQ(PlaceRect(Sized(100, 100), &halfOff, 11, kWorkArea), (ScreenRect{874, 150, 974, 250}));
    const ScreenRect whollyOff{2000, 2000, 2400, 2400};
    EXPECT_EQ(PlaceRect(Sized(200, 100), &whollyOff, 11, kWorkArea), (ScreenRect{412, 319, 612, 419}));
}

TEST(PlaceWindow, PulledBackIntoTheArea)
{
    const ScreenRect nearCorner{900, 650, 1024, 738};
    // Bottom-right overshoot moves the window left and up by the excess.
    EXPECT_EQ(PlaceRect(Sized(300, 200), &nearCorner, 11, kWorkArea), (ScreenRect{724, 538, 1024, 738}));
    // The area may start away from 0 (task bar at the top or left).
    const ScreenRect shifted{60, 30, 1024, 768};
    const ScreenRect atOrigin{60, 30, 100, 60};
    EXPECT_EQ(PlaceRect(Sized(100, 100), &atOrigin, 22, shifted), (ScreenRect{60, 30, 160, 130}));
}

TEST(PlaceWindow, LargerThanTheAreaKeepsTheTopLeftCorner)
{
    const ScreenRect reference{100, 100, 300, 300};
    for (int anchor : {0, 11, 22})
        EXPECT_EQ(PlaceRect(Sized(2000, 1000), &reference, anchor, kWorkArea), (ScreenRect{0, 0, 2000, 1000}))
            << anchor;
    const ScreenRect area{-1280, 40, 0, 1024};  // a monitor left of the primary one
    EXPECT_EQ(PlaceRect(Sized(1500, 100), nullptr, 11, area), (ScreenRect{-1280, 482, 220, 582}));
}

TEST(CollapseWindow, BandsThenColumnsShrinkByThree)
{
    const std::vector<ScreenRect> regions = CollapseRegions(10, 14);
    const std::vector<ScreenRect> expected = {
        {0, 0, 10, 14}, {0, 3, 10, 11},              // rows close while top + 3 < bottom
        {0, 6, 10, 8}, {3, 6, 7, 8},                // then columns until left >= right
    };
    EXPECT_EQ(regions, expected);
}

TEST(CollapseWindow, DegenerateSizes)
{
    // Too low for a band: straight to the columns, at the full height.
    EXPECT_EQ(CollapseRegions(7, 3), (std::vector<ScreenRect>{{0, 0, 7, 3}, {3, 0, 4, 3}}));
    // The column step always shows one region for a width of at least 1.
    EXPECT_EQ(CollapseRegions(1, 0), (std::vector<ScreenRect>{{0, 0, 1, 0}}));
    EXPECT_TRUE(CollapseRegions(0, 0).empty());
    EXPECT_EQ(CollapseRegions(0, 10).size(), 2u);
    EXPECT_TRUE(CollapseRegions(-5, -5).empty());
}

TEST(CollapseWindow, RegionsNestAndEndEmpty)
{
    const std::vector<ScreenRect> regions = CollapseRegions(458, 289);
    ASSERT_FALSE(regions.empty());
    EXPECT_EQ(regions.front(), (ScreenRect{0, 0, 458, 289}));
    for (size_t i = 1; i < regions.size(); ++i) {
        EXPECT_GE(regions[i].left, regions[i - 1].left);
        EXPECT_GE(regions[i].top, regions[i - 1].top);
        EXPECT_LE(regions[i].right, regions[i - 1].right);
        EXPECT_LE(regions[i].bottom, regions[i - 1].bottom);
        EXPECT_NE(regions[i], regions[i - 1]);
    }
    EXPECT_LE(regions.back().width(), 6);
    EXPECT_EQ(regions.size(), 48u + 77u);
}
