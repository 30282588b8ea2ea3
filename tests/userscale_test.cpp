#include "chart/userscale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using velmora::clipSegment;
using velmora::PixelRect;
using velmora::PixelSegment;
using velmora::UserScale;

namespace {

// The chart's scale on a 550 × 900 pixel area: 100 pixels a unit in both directions.
const UserScale chartScale(-0.5f, -8.0f, 5.0f, 1.0f, 550.0, 900.0);

TEST(UserScale, MapsTheCornersToTheDrawingArea)
{
    EXPECT_DOUBLE_EQ(chartScale.toPixels(-0.5f, -8.0f).x, 0.0);
    EXPECT_DOUBLE_EQ(chartScale.toPixels(-0.5f, -8.0f).y, 0.0);
    EXPECT_DOUBLE_EQ(chartScale.toPixels(5.0f, 1.0f).x, 550.0);
    EXPECT_DOUBLE_EQ(chartScale.toPixels(5.0f, 1.0f).y, 900.0);
}

TEST(UserScale, PlacesTheSonicPointAndTheAxisTopAsFractionsOfTheArea)
{
    const auto sonic = chartScale.toPixels(1.0f, 0.0f);
    EXPECT_NEAR(sonic.x / 550.0, 1.5 / 5.5, 1e-7);
    EXPECT_NEAR(sonic.y / 900.0, 8.0 / 9.0, 1e-7);
    const auto axisTop = chartScale.toPixels(0.0f, -7.2f);
    EXPECT_NEAR(axisTop.x / 550.0, 0.5 / 5.5, 1e-7);
    EXPECT_NEAR(axisTop.y / 900.0, 0.8 / 9.0, 1e-7);
}

TEST(UserScale, MeasuresRadiiInHorizontalUnits)
{
    const UserScale unequal(-0.5f, -8.0f, 5.0f, 1.0f, 245.0, 173.0);
    EXPECT_NEAR(unequal.horizontalPixels(0.05f), 0.05 * 245.0 / 5.5, 1e-6);
}

struct ClipCase {
    const char* name;
    PixelSegment in;
    bool visible;
    PixelSegment out;
};

void PrintTo(const ClipCase& c, std::ostream* os) { *os << c.name; }

class Clipping : public ::testing::TestWithParam<ClipCase> {};

TEST_P(Clipping, KeepsOnlyThePartInside)
{
    const ClipCase& c = GetParam();
    const auto clipped = clipSegment(c.in, PixelRect{0, 0, 100, 50});
    ASSERT_EQ(clipped.has_value(), c.visible);
    if (!c.visible)
        return;
    EXPECT_NEAR(clipped->from.x, c.out.from.x, 1e-9);
    EXPECT_NEAR(clipped->from.y, c.out.from.y, 1e-9);
    EXPECT_NEAR(clipped->to.x, c.out.to.x, 1e-9);
    EXPECT_NEAR(clipped->to.y, c.out.to.y, 1e-9);
}

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Segments, Clipping,
    ::testing::Values(ClipCase{"inside", {{10, 10}, {90, 40}}, true, {{10, 10}, {90, 40}}},
                      ClipCase{"throughTheTop", {{50, -50}, {50, 25}}, true, {{50, 0}, {50, 25}}},
                      ClipCase{"acrossEverything", {{-100, 25}, {200, 25}}, true, {{0, 25}, {100, 25}}},
                      ClipCase{"diagonalCorner", {{-10, -10}, {10, 10}}, true, {{0, 0}, {10, 10}}},
                      ClipCase{"farAbove", {{0, -1e30}, {100, -1e29}}, false, {}},
                      ClipCase{"hugeButCrossing", {{50, -1e30}, {50, 1e30}}, true, {{50, 0}, {50, 50}}},
                      ClipCase{"leftOfArea", {{-5, 0}, {-1, 50}}, false, {}},
                      ClipCase{"onTheEdge", {{0, 0}, {100, 0}}, true, {{0, 0}, {100, 0}}},
                      ClipCase{"infiniteEnd", {{10, 10}, {inf, 10}}, false, {}},
                      ClipCase{"notANumber", {{nan, 10}, {20, 10}}, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AlignCase {
    const char* name;
    PixelSegment in;
    double devicePixelRatio;
    PixelSegment out;
};

void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.name; }

class Alignment : public ::testing::TestWithParam<AlignCase> {};

// On a 100 × 50 area: a one-pixel stroke along a row or column covers whole device pixels
// (at double density its two are centred on the border between them), never beyond the
// last ones; slanted lines stay as they are.
TEST_P(Alignment, PutsStraightLinesOnWholeDevicePixels)
{
    const AlignCase& c = GetParam();
    const PixelSegment s = velmora::alignedToPixels(c.in, 100.0, 50.0, c.devicePixelRatio);
    EXPECT_DOUBLE_EQ(s.from.x, c.out.from.x);
    EXPECT_DOUBLE_EQ(s.from.y, c.out.from.y);
    EXPECT_DOUBLE_EQ(s.to.x, c.out.to.x);
    EXPECT_DOUBLE_EQ(s.to.y, c.out.to.y);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, Alignment,
    ::testing::Values(AlignCase{"column", {{10.2, 0}, {10.2, 50}}, 1.0, {{10.5, 0}, {10.5, 50}}},
                      AlignCase{"row", {{0, 7.9}, {100, 7.9}}, 1.0, {{0, 7.5}, {100, 7.5}}},
                      AlignCase{"farEdge", {{100, 0}, {100, 50}}, 1.0, {{99.5, 0}, {99.5, 50}}},
                      AlignCase{"columnAtDoubleDensity", {{10.7, 0}, {10.7, 50}}, 2.0, {{11, 0}, {11, 50}}},
                      AlignCase{
                          "farEdgeAtDoubleDensity", {{100, 0}, {100, 50}}, 2.0, {{99.5, 0}, {99.5, 50}}},
                      AlignCase{"slanted", {{1.3, 2.6}, {40.1, 30.7}}, 1.0, {{1.3, 2.6}, {40.1, 30.7}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CircleReaches, OnlyCirclesThatCanShow)
{
    const PixelRect area{0, 0, 100, 50};
    EXPECT_TRUE(velmora::circleReaches({50, 25}, 2, area));
    EXPECT_TRUE(velmora::circleReaches({-1, 25}, 2, area)); // its right side shows
    EXPECT_FALSE(velmora::circleReaches({-3, 25}, 2, area));
    EXPECT_FALSE(velmora::circleReaches({50, 53}, 2, area));
    EXPECT_FALSE(velmora::circleReaches({nan, 25}, 2, area));
    EXPECT_FALSE(velmora::circleReaches({50, 25}, inf, area));
}

} // namespace
