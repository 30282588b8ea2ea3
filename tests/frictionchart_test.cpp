#include "chart/frictionchart.h"

#include "tests/support/recordingsurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using velmora::FLD4_Graph;
using velmora::FlowState;
using velmora::Mark_Point;
using velmora::Rgb;
using velmora::testing::RecordingSurface;
using Kind = RecordingSurface::Kind;
using Request = RecordingSurface::Request;

namespace {

constexpr Rgb grid{200, 200, 200};
constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};

FlowState gas(double gama)
{
    FlowState s;
    s.set_gama(gama);
    return s;
}

std::vector<Request> drawing(double gama)
{
    RecordingSurface surface;
    FLD4_Graph(gas(gama), surface);
    return surface.requests;
}

std::vector<Request> curveOf(const std::vector<Request>& requests)
{
    std::vector<Request> curve;
    for (const Request& r : requests)
        if (r.kind == Kind::Line && r.colour == red)
            curve.push_back(r);
    return curve;
}

void expectLine(const Request& r, float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    EXPECT_EQ(r.kind, Kind::Line);
    EXPECT_EQ(r.x1, x1);
    EXPECT_EQ(r.y1, y1);
    EXPECT_EQ(r.x2, x2);
    EXPECT_EQ(r.y2, y2);
    EXPECT_EQ(r.colour, colour);
}

TEST(FrictionChart, DrawsScaleAxesGridCaptionThenCurveInThatOrder)
{
    const auto r = drawing(1.4);
    ASSERT_EQ(r.size(), 1u + 1u + 109u + 1u);

    EXPECT_EQ(r[0].kind, Kind::Clear);
    EXPECT_EQ(r[1].kind, Kind::Scale);
    EXPECT_EQ(r[1].x1, -0.5f);
    EXPECT_EQ(r[1].y1, -8.0f);
    EXPECT_EQ(r[1].x2, 5.0f);
    EXPECT_EQ(r[1].y2, 1.0f);

    expectLine(r[2], 0, 0, 0, -7.2f, std::nullopt);
    for (int j = 1; j <= 5; ++j)
        expectLine(r[2 + j], float(j), 0, float(j), -7.2f, grid);
    expectLine(r[8], 0, 0, 5, 0, std::nullopt);
    for (int k = 1; k <= 7; ++k)
        expectLine(r[8 + k], 0, float(-k), 5, float(-k), grid);
    EXPECT_EQ(r[16].kind, Kind::Caption);

    // 95 red segments join the samples M = 0.25, 0.30, … 5.00 in order.
    for (int i = 6; i <= 100; ++i) {
        const Request& segment = r[17 + (i - 6)];
        EXPECT_EQ(segment.kind, Kind::Line);
        EXPECT_EQ(segment.colour, red);
        EXPECT_EQ(segment.x1, float((double(i - 1) / 100.0) * 5));
        EXPECT_EQ(segment.x2, float((double(i) / 100.0) * 5));
    }
}

TEST(FrictionChart, SegmentsShareTheirEnds)
{
    const auto curve = curveOf(drawing(1.4));
    ASSERT_EQ(curve.size(), 95u);
    for (std::size_t i = 1; i < curve.size(); ++i) {
        EXPECT_EQ(curve[i].x1, curve[i - 1].x2);
        EXPECT_EQ(curve[i].y1, curve[i - 1].y2);
    }
}

struct SampleCase {
    const char* name;
    double gama;
    double mach;
    double friction; // 4fL*/D, drawn at y = −friction
};

void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.name; }

class ChartSamples : public ::testing::TestWithParam<SampleCase> {};

// Finds the sample as the start of a segment, or the end of the last one.
TEST_P(ChartSamples, LieOnTheCurve)
{
    const SampleCase& c = GetParam();
    const auto curve = curveOf(drawing(c.gama));
    ASSERT_EQ(curve.size(), 95u);
    const float x = float(c.mach);
    bool found = false;
    for (const Request& s : curve) {
        if (s.x1 == x) {
            EXPECT_NEAR(-s.y1, c.friction, 5e-5);
            found = true;
        } else if (s.x2 == x && &s == &curve.back()) {
            EXPECT_NEAR(-s.y2, c.friction, 5e-5);
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

INSTANTIATE_TEST_SUITE_P(
    Gases, ChartSamples,
    ::testing::Values(SampleCase{"g14_M0_25", 1.4, 0.25, 8.4834}, SampleCase{"g14_M0_30", 1.4, 0.30, 5.2993},
                      SampleCase{"g14_M0_50", 1.4, 0.50, 1.0691}, SampleCase{"g14_M1", 1.4, 1.0, 0.0},
                      SampleCase{"g14_M2", 1.4, 2.0, 0.3050}, SampleCase{"g14_M3", 1.4, 3.0, 0.5222},
                      SampleCase{"g14_M5", 1.4, 5.0, 0.6938}, SampleCase{"g167_first", 1.67, 0.25, 6.9800},
                      SampleCase{"g167_last", 1.67, 5.0, 0.4402}, SampleCase{"g13_first", 1.3, 0.25, 9.2012},
                      SampleCase{"g13_last", 1.3, 5.0, 0.8543}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrictionChart, SonicSampleTouchesTheMachAxisExactly)
{
    const auto curve = curveOf(drawing(1.4));
    // i = 20 ends segment 14 (i = 6 is segment 0).
    ASSERT_EQ(curve.size(), 95u);
    EXPECT_EQ(curve[14].x2, 1.0f);
    EXPECT_EQ(curve[14].y2, 0.0f);
}

TEST(FrictionChart, SupersonicBranchStaysBelowSevenTenths)
{
    for (const Request& s : curveOf(drawing(1.4))) {
        if (s.x1 >= 1.0f) {
            EXPECT_GT(s.y2, -0.7f);
        }
    }
}

TEST(FrictionChart, LeavesOutSegmentsWhoseSamplesAreNotFinite)
{
    // γ = 0.5 breaks the relation from M = √(2 / 0.5) = 2 on: the 35 samples from 0.25
    // to 1.95 give 34 segments, the rest has no value.
    const auto r = drawing(0.5);
    const auto curve = curveOf(r);
    EXPECT_EQ(curve.size(), 34u);
    EXPECT_EQ(curve.back().x2, float((39.0 / 100.0) * 5));
    EXPECT_EQ(r.size(), 2u + 14u + 1u + 34u);
    for (const Request& q : r) {
        EXPECT_TRUE(std::isfinite(q.x1) && std::isfinite(q.y1) && std::isfinite(q.x2) && std::isfinite(q.y2));
    }
}

TEST(FrictionChart, DrawsNoCurveWhereNoSampleIsFinite)
{
    FlowState nothing;
    nothing.set_gama(std::nan(""));
    RecordingSurface surface;
    FLD4_Graph(nothing, surface);
    EXPECT_TRUE(curveOf(surface.requests).empty());
    EXPECT_EQ(surface.requests.size(), 2u + 14u + 1u);
}

TEST(MarkPoint, DrawsOneBlueCircleAtMachAndNegatedFriction)
{
    RecordingSurface surface;
    Mark_Point(surface, 2.0, 0.3049965);
    ASSERT_EQ(surface.requests.size(), 1u);
    const Request& c = surface.requests[0];
    EXPECT_EQ(c.kind, Kind::Circle);
    EXPECT_EQ(c.x1, 2.0f);
    EXPECT_EQ(c.y1, -0.3049965f);
    EXPECT_EQ(c.radius, 0.05f);
    EXPECT_EQ(c.colour, blue);
}

TEST(MarkPoint, DrawsNothingForAPointBeyondSinglePrecision)
{
    RecordingSurface surface;
    const double inf = std::numeric_limits<double>::infinity();
    for (const double bad : {inf, -inf, std::nan(""), 1e39, -1e300}) {
        Mark_Point(surface, bad, 0.0);
        Mark_Point(surface, 1.0, bad);
    }
    EXPECT_TRUE(surface.requests.empty());
}

} // namespace
