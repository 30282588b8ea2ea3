#include "flow/fanno.h"

#include <gtest/gtest.h>

#include <cmath>

using velmora::FlowState;
using velmora::loadedFlowState;

namespace {

constexpr double fourDecimals = 5e-5;

TEST(FlowStateLoad, HoldsGammaOnePointFourAndNoRatios)
{
    const FlowState s = loadedFlowState();
    EXPECT_EQ(s.gama, 1.4);
    EXPECT_EQ(s.gp1, 2.4);
    // 1.4 − 1 is not exactly 0.4 in binary, and the exponent inherits that.
    EXPECT_EQ(s.gm1, 0.3999999999999999);
    EXPECT_EQ(s.expP0, 3.0000000000000004);
    EXPECT_NEAR(s.cFLD4, 0.8571, fourDecimals);
    EXPECT_EQ(s.TTstar, 0.0);
    EXPECT_EQ(s.PPstar, 0.0);
    EXPECT_EQ(s.RoRostar, 0.0);
    EXPECT_EQ(s.PoPostar, 0.0);
}

struct FrictionCase {
    const char* name;
    double gama;
    double mach;
    double expected;
    double tolerance; // 0 where the value is exact
};

void PrintTo(const FrictionCase& c, std::ostream* os) { *os << c.name; }

class FrictionParameter : public ::testing::TestWithParam<FrictionCase> {};

TEST_P(FrictionParameter, MatchesTable)
{
    const FrictionCase& c = GetParam();
    FlowState s;
    s.set_gama(c.gama);
    if (c.tolerance == 0.0)
        EXPECT_EQ(s.FLD4_for_M(c.mach), c.expected);
    else
        EXPECT_NEAR(s.FLD4_for_M(c.mach), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Relations, FrictionParameter,
                         ::testing::Values(FrictionCase{"g14_M0_25", 1.4, 0.25, 8.4834, fourDecimals},
                                           FrictionCase{"g14_M0_25_sixDecimals", 1.4, 0.25, 8.483409, 5e-7},
                                           FrictionCase{"g14_M0_5", 1.4, 0.5, 1.0691, fourDecimals},
                                           FrictionCase{"g14_M1_exactlyZero", 1.4, 1.0, 0.0, 0.0},
                                           FrictionCase{"g14_M2", 1.4, 2.0, 0.3049965, 5e-8},
                                           FrictionCase{"g14_M3", 1.4, 3.0, 0.5222, fourDecimals},
                                           FrictionCase{"g14_M5", 1.4, 5.0, 0.6938, fourDecimals},
                                           FrictionCase{"g14_M6", 1.4, 6.0, 0.729875, 5e-7},
                                           FrictionCase{"g14_Mminus2", 1.4, -2.0, 0.3049965, 5e-8},
                                           FrictionCase{"g13_M2", 1.3, 2.0, 0.35728, 5e-6},
                                           FrictionCase{"g14_M1e6_nearLimit", 1.4, 1e6, 0.8215, fourDecimals},
                                           FrictionCase{"g13_M1e6_nearLimit", 1.3, 1e6, 1.0326,
                                                        fourDecimals}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrictionParameterShape, NegativeMachGivesTheSameBitsAsPositive)
{
    const FlowState s = loadedFlowState();
    for (const double m : {0.3, 0.7, 2.0, 4.5})
        EXPECT_EQ(s.FLD4_for_M(-m), s.FLD4_for_M(m)) << m;
}

TEST(FrictionParameterShape, RisesTowardsItsLimitFromBelow)
{
    const FlowState s = loadedFlowState();
    const double limit = s.cFLD4 * std::log(s.gp1 / (s.gama - 1.0)) - 1.0 / s.gama;
    double previous = 0.0;
    for (const double m : {1.5, 3.0, 10.0, 100.0, 1e4}) {
        const double f = s.FLD4_for_M(m);
        EXPECT_GT(f, previous) << m;
        EXPECT_LT(f, limit) << m;
        previous = f;
    }
}

TEST(FrictionParameterShape, UndefinedAtZeroMach)
{
    const FlowState s = loadedFlowState();
    EXPECT_FALSE(std::isfinite(s.FLD4_for_M(0.0)));
}

struct RatioCase {
    const char* name;
    double gama;
    double mach;
    double TTstar, PPstar, RoRostar, PoPostar;
    double tolerance;
};

void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.name; }

class PropertyRatios : public ::testing::TestWithParam<RatioCase> {};

TEST_P(PropertyRatios, MatchTable)
{
    const RatioCase& c = GetParam();
    FlowState s;
    s.set_gama(c.gama);
    s.oranlar(c.mach);
    if (c.tolerance == 0.0) {
        EXPECT_EQ(s.TTstar, c.TTstar);
        EXPECT_EQ(s.PPstar, c.PPstar);
        EXPECT_EQ(s.RoRostar, c.RoRostar);
        EXPECT_EQ(s.PoPostar, c.PoPostar);
    } else {
        EXPECT_NEAR(s.TTstar, c.TTstar, c.tolerance);
        EXPECT_NEAR(s.PPstar, c.PPstar, c.tolerance);
        EXPECT_NEAR(s.RoRostar, c.RoRostar, c.tolerance);
        EXPECT_NEAR(s.PoPostar, c.PoPostar, c.tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Relations, PropertyRatios,
    ::testing::Values(RatioCase{"g14_M2", 1.4, 2.0, 0.6667, 0.4082, 0.6124, 1.6875, fourDecimals},
                      RatioCase{"g14_M0_5", 1.4, 0.5, 1.1429, 2.1381, 1.8708, 1.3398, fourDecimals},
                      RatioCase{"g14_M1_allExactlyOne", 1.4, 1.0, 1.0, 1.0, 1.0, 1.0, 0.0},
                      RatioCase{"g13_M2", 1.3, 2.0, 0.71875, 0.42390, 0.58977, 1.77319, 5e-6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PropertyRatios, TemperatureRatioForGamma13LiesJustBelowItsExactValue)
{
    FlowState s;
    s.set_gama(1.3);
    s.oranlar(2.0);
    EXPECT_EQ(s.TTstar, 0.7187499999999999);
    EXPECT_LT(s.TTstar, 0.71875);
}

TEST(PropertyRatios, NonPositiveMachLeavesEveryRatioAsItWas)
{
    FlowState fresh = loadedFlowState();
    fresh.oranlar(0.0);
    fresh.oranlar(-2.0);
    EXPECT_EQ(fresh.TTstar, 0.0);
    EXPECT_EQ(fresh.PPstar, 0.0);
    EXPECT_EQ(fresh.RoRostar, 0.0);
    EXPECT_EQ(fresh.PoPostar, 0.0);

    FlowState used = loadedFlowState();
    used.oranlar(0.5);
    const FlowState before = used;
    used.oranlar(0.0);
    used.oranlar(-2.0);
    used.oranlar(std::nan(""));
    EXPECT_EQ(used.TTstar, before.TTstar);
    EXPECT_EQ(used.PPstar, before.PPstar);
    EXPECT_EQ(used.RoRostar, before.RoRostar);
    EXPECT_EQ(used.PoPostar, before.PoPostar);
}

TEST(GammaChange, KeepsRatiosAndComesBackBitForBit)
{
    FlowState s = loadedFlowState();
    s.oranlar(2.0);
    const FlowState at14 = s;

    s.set_gama(1.3);
    EXPECT_EQ(s.gp1, 2.3);
    EXPECT_NEAR(s.expP0, 3.8333, fourDecimals);
    EXPECT_NEAR(s.cFLD4, 0.8846, fourDecimals);
    EXPECT_EQ(s.TTstar, at14.TTstar);
    EXPECT_EQ(s.PoPostar, at14.PoPostar);

    s.set_gama(1.4);
    EXPECT_EQ(s.gm1, at14.gm1);
    EXPECT_EQ(s.gp1, at14.gp1);
    EXPECT_EQ(s.expP0, at14.expP0);
    EXPECT_EQ(s.cFLD4, at14.cFLD4);
    EXPECT_EQ(s.FLD4_for_M(2.0), at14.FLD4_for_M(2.0));
}

} // namespace
