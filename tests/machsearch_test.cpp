#include "flow/machsearch.h"

#include "tests/support/messagerecorder.h"

#include <gtest/gtest.h>

#include <cmath>

using velmora::FlowState;
using velmora::iter_for_M_for_Given_FLD4;
using velmora::loadedFlowState;
using velmora::noSupersonicSolutionMessage;
using velmora::SearchEnd;
using velmora::testing::MessageRecorder;

namespace {

enum class Side { Subsonic, Supersonic };

struct SearchCase {
    const char* name;
    double target;
    Side side;
    double mach; // the Mach number the search hands back, all digits
    int passes;
    SearchEnd end;
};

struct Outcome {
    double mach;
    velmora::SearchResult result;
    std::vector<std::string> messages;
};

// Starts the search the way the calculate command does.
Outcome search(const FlowState& state, double target, Side side)
{
    MessageRecorder recorder;
    double mach = -123.0; // overwritten by the search
    double step = side == Side::Subsonic ? 0.5 : 1.0;
    int direction = side == Side::Subsonic ? -1 : +1;
    const auto result = iter_for_M_for_Given_FLD4(state, mach, step, direction, target, recorder);
    return {mach, result, recorder.messages};
}

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class MachSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(MachSearch, EndsWhereTheTableSays)
{
    const SearchCase& c = GetParam();
    const Outcome o = search(loadedFlowState(), c.target, c.side);
    EXPECT_EQ(o.mach, c.mach);
    EXPECT_EQ(o.result.passes, c.passes);
    EXPECT_EQ(o.result.end, c.end);
    if (c.end == SearchEnd::BeyondMach5)
        EXPECT_EQ(o.messages, std::vector<std::string>{noSupersonicSolutionMessage});
    else
        EXPECT_TRUE(o.messages.empty());
}

constexpr auto sub = Side::Subsonic;
constexpr auto sup = Side::Supersonic;
constexpr auto converged = SearchEnd::Converged;
constexpr auto beyond5 = SearchEnd::BeyondMach5;
constexpr auto reachedZero = SearchEnd::ReachedZero;

INSTANTIATE_TEST_SUITE_P(
    GammaOnePointFour, MachSearch,
    ::testing::Values(SearchCase{"sub_0_5", 0.5, sub, 0.59771728515625, 20, converged},
                      SearchCase{"sup_0_5", 0.5, sup, 2.8603515625, 18, converged},
                      SearchCase{"sub_0_305", 0.3050, sub, 0.6572265625, 17, converged},
                      SearchCase{"sup_0_305", 0.3050, sup, 2.0, 1, converged},
                      SearchCase{"sub_0_1", 0.1, sub, 0.7723388671875, 18, converged},
                      SearchCase{"sup_0_1", 0.1, sup, 1.40087890625, 16, converged},
                      SearchCase{"sub_1_0", 1.0, sub, 0.50872802734375, 23, converged},
                      SearchCase{"sup_1_0_message", 1.0, sup, 6.0, 5, beyond5},
                      SearchCase{"sub_0_7", 0.7, sub, 0.5550537109375, 20, converged},
                      SearchCase{"sup_0_7_message", 0.7, sup, 5.5, 6, beyond5},
                      SearchCase{"sub_0_7299", 0.7299, sub, 0.5496826171875, 21, converged},
                      SearchCase{"sup_0_7299", 0.7299, sup, 6.0, 5, converged},
                      SearchCase{"sub_0", 0.0, sub, 1.0, 2, converged},
                      SearchCase{"sup_0", 0.0, sup, 1.0, 3, converged},
                      SearchCase{"sub_below_tolerance", 0.00009, sub, 1.0, 2, converged},
                      SearchCase{"sup_below_tolerance", -0.00009, sup, 1.0, 3, converged},
                      SearchCase{"sup_0_714_at5_5", 0.714, sup, 5.5, 6, converged},
                      // Overshoots at M = 6 and 5.5 and turns back and forth until a pass above 5 neither
                      // converges nor overshoots.
                      SearchCase{"sup_0_72_message", 0.72, sup, 5.671875, 11, beyond5},
                      SearchCase{"sup_above_M6_message", 0.729875 + 0.0002, sup, 6.0, 5, beyond5},
                      SearchCase{"sub_negative_message", -0.0001, sub, 5.5, 11, beyond5},
                      SearchCase{"sub_8_48", 8.48, sub, 0.25004005432128906, 29, converged},
                      // The next step would be M = 0: the search stops at its last point.
                      SearchCase{"sub_above_M0_25_stops", 8.4834 + 0.0002, sub, 0.25, 2, reachedZero},
                      SearchCase{"sub_huge_stops", 1e300, sub, 0.25, 2, reachedZero},
                      SearchCase{"sup_negative_stops", -0.0001, sup, 0.5, 4, reachedZero},
                      SearchCase{"sup_very_negative_stops", -1e6, sup, 0.5, 4, reachedZero}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MachSearchResult, OnlyConvergedAndPassLimitCountAsSolutions)
{
    EXPECT_TRUE((velmora::SearchResult{SearchEnd::Converged, 1}.foundSolution()));
    EXPECT_TRUE((velmora::SearchResult{SearchEnd::PassLimit, 50}.foundSolution()));
    EXPECT_FALSE((velmora::SearchResult{SearchEnd::BeyondMach5, 6}.foundSolution()));
    EXPECT_FALSE((velmora::SearchResult{SearchEnd::ReachedZero, 2}.foundSolution()));
    EXPECT_FALSE((velmora::SearchResult{SearchEnd::NotFinite, 1}.foundSolution()));
}

TEST(MachSearchResult, WritesBackTheLastStepAndDirection)
{
    MessageRecorder recorder;
    const FlowState s = loadedFlowState();
    double mach = 0.0;
    double step = 1.0;
    int direction = +1;
    // Target 0: M = 2 overshoots (step −0.5, direction −1), 1.5, then 1.0 converges.
    iter_for_M_for_Given_FLD4(s, mach, step, direction, 0.0, recorder);
    EXPECT_EQ(mach, 1.0);
    EXPECT_EQ(step, -0.5);
    EXPECT_EQ(direction, -1);
}

// For γ near the top of the double range, 4fL*/D is NaN from M = 2 on: the supersonic
// search ends at its first pass without taking NaN for "not past the target" and without
// the message; the subsonic one still meets target 0 at M = 0.5.
TEST(MachSearchResult, EndsAtANonFiniteFrictionParameter)
{
    FlowState s;
    s.set_gama(1e308);
    ASSERT_TRUE(std::isnan(s.FLD4_for_M(2.0)));
    const Outcome supersonic = search(s, 0.0, Side::Supersonic);
    EXPECT_EQ(supersonic.result.end, SearchEnd::NotFinite);
    EXPECT_EQ(supersonic.result.passes, 1);
    EXPECT_EQ(supersonic.mach, 2.0);
    EXPECT_TRUE(supersonic.messages.empty());
    const Outcome subsonic = search(s, 0.0, Side::Subsonic);
    EXPECT_EQ(subsonic.result.end, SearchEnd::Converged);
    EXPECT_EQ(subsonic.mach, 0.5);
}

TEST(MachSearchResult, UsesTheGammaOfTheState)
{
    FlowState s;
    s.set_gama(1.3);
    const double target = s.FLD4_for_M(2.0);
    const Outcome o = search(s, target, Side::Supersonic);
    EXPECT_EQ(o.mach, 2.0);
    EXPECT_EQ(o.result.passes, 1);
}

} // namespace
