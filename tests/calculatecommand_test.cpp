// Calculations as a user goes through them: choose a mode, type, click the button, read
// the boxes and the marked chart.

#include "tests/support/recordingwindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace velmora;
using velmora::testing::RecordingWindow;
using Messages = std::vector<std::string>;
using Texts = std::vector<std::string>;
using Points = std::vector<std::pair<double, double>>;

namespace {

Texts texts(const RecordingWindow& w)
{
    Texts result;
    for (const Box box : {Box::Text_gama, Box::Text_Msub, Box::Text_Msup, Box::Text_FLD4, Box::Text_TTstar,
                          Box::Text_PPstar, Box::Text_RoRostar, Box::Text_PoPostar})
        result.push_back(w.text(box));
    return result;
}

Texts ratioTexts(const RecordingWindow& w)
{
    return {w.text(Box::Text_TTstar), w.text(Box::Text_PPstar), w.text(Box::Text_RoRostar),
            w.text(Box::Text_PoPostar)};
}

bool sameRatios(const FlowState& a, const FlowState& b)
{
    return a.TTstar == b.TTstar && a.PPstar == b.PPstar && a.RoRostar == b.RoRostar &&
           a.PoPostar == b.PoPostar;
}

// The chart's markers stand at these points (M, 4fL*/D), in this order, to a tenth of a
// thousandth: the expectations are written to as many digits as the texts show.
::testing::AssertionResult markersAt(const RecordingWindow& w, const Points& expected)
{
    const Points found = w.markers();
    if (found.size() != expected.size())
        return ::testing::AssertionFailure() << found.size() << " markers, not " << expected.size();
    for (std::size_t i = 0; i < found.size(); ++i)
        if (std::abs(found[i].first - expected[i].first) > 1e-4 ||
            std::abs(found[i].second - expected[i].second) > 1e-4)
            return ::testing::AssertionFailure()
                   << "marker " << i << " at (" << found[i].first << ", " << found[i].second << ")";
    return ::testing::AssertionSuccess();
}

TEST(CalculateCommand, WithoutModeAsksForOneButTakesGamma)
{
    RecordingWindow w;
    w.type(Box::Text_gama, "1.3");
    w.calculate();
    EXPECT_EQ(w.messages.messages, Messages{"choose an input parameter"});
    EXPECT_EQ(w.flow().gama, 1.3);
    EXPECT_FALSE(w.isVisible(Box::Text_Msup));
    EXPECT_TRUE(w.surface.requests.empty());
}

TEST(CalculateCommand, EmptyMachAsksForInputAndShowsTheOldTexts)
{
    RecordingWindow w;
    w.choose(Option::Option_M);
    w.calculate();
    EXPECT_EQ(w.messages.messages, Messages{"Input value then CLICK"});
    for (const Control control :
         {Control(Label::Label_FLD4), Control(Label::Label_TTstar), Control(Box::Text_FLD4),
          Control(Box::Text_TTstar), Control(Box::Text_PoPostar)})
        EXPECT_TRUE(w.isVisible(control)) << velmora::nameOf(control);
    EXPECT_FALSE(w.isVisible(Box::Text_Msup));
    EXPECT_EQ(ratioTexts(w), (Texts{"1", "1", "1", "1"}));
    EXPECT_EQ(w.text(Box::Text_FLD4), "1");
    EXPECT_EQ(w.flow().TTstar, 0.0);
    EXPECT_TRUE(w.surface.requests.empty());
}

TEST(CalculateCommand, TypicalMachRequest)
{
    RecordingWindow w;
    w.calculateMach("2");
    EXPECT_TRUE(w.messages.messages.empty());
    EXPECT_EQ(ratioTexts(w), (Texts{"0.6667", "0.4082", "0.6124", "1.6875"}));
    EXPECT_EQ(w.text(Box::Text_FLD4), "0.305");
    EXPECT_EQ(w.text(Box::Text_Msub), "2");
    EXPECT_FALSE(w.isVisible(Box::Text_Msup));
    EXPECT_TRUE(markersAt(w, {{2.0, 0.3049965}}));
    EXPECT_TRUE(w.showsCurveFor(1.4));
    EXPECT_EQ(w.caption(Button::Command1), "Input value then CLICK");
    EXPECT_EQ(w.chartDescription(), "γ = 1.4; marked: M = 2, 4fL*/D = 0.305");
}

TEST(CalculateCommand, TextAfterTheMachNumberIsIgnored)
{
    RecordingWindow w;
    w.calculateMach("2abc");
    EXPECT_EQ(w.text(Box::Text_FLD4), "0.305");
    EXPECT_EQ(w.text(Box::Text_Msub), "2abc");
}

TEST(CalculateCommand, NewGammaCountsInTheSameClick)
{
    RecordingWindow w;
    w.type(Box::Text_gama, "1.3");
    w.calculateMach("2");
    EXPECT_EQ(ratioTexts(w), (Texts{"0.7187", "0.4239", "0.5898", "1.7732"}));
    EXPECT_EQ(w.text(Box::Text_FLD4), "0.3573");
}

TEST(CalculateCommand, BlankFrictionFindsTheSonicPointTwice)
{
    RecordingWindow w;
    w.calculateFriction("");
    EXPECT_TRUE(w.messages.messages.empty());
    EXPECT_EQ(w.text(Box::Text_Msub), "1");
    EXPECT_EQ(w.text(Box::Text_Msup), "1");
    EXPECT_TRUE(w.isVisible(Box::Text_Msup));
    EXPECT_TRUE(markersAt(w, {{1.0, 0.0}, {1.0, 0.0}}));

    RecordingWindow spaceOnly; // the box as the option left it, a single space
    spaceOnly.choose(Option::Option_FLD4);
    spaceOnly.calculate();
    EXPECT_EQ(spaceOnly.text(Box::Text_Msub), "1");
    EXPECT_EQ(spaceOnly.text(Box::Text_Msup), "1");
}

TEST(CalculateCommand, FrictionGivesBothMachNumbersAndKeepsTheRatios)
{
    RecordingWindow fresh;
    fresh.calculateFriction("0.305");
    EXPECT_EQ(fresh.text(Box::Text_Msub), "0.6572");
    EXPECT_EQ(fresh.text(Box::Text_Msup), "2");
    EXPECT_EQ(ratioTexts(fresh), (Texts{"1", "1", "1", "1"}));
    EXPECT_EQ(fresh.text(Box::Text_FLD4), "0.305");
    EXPECT_TRUE(fresh.isVisible(Box::Text_TTstar));
    EXPECT_TRUE(markersAt(fresh, {{0.6572265625, 0.305}, {2.0, 0.305}}));

    RecordingWindow w;
    w.calculateMach("2");
    const FlowState afterMach = w.flow();
    w.calculateFriction("0.5");
    EXPECT_EQ(w.text(Box::Text_Msub), "0.5977");
    EXPECT_EQ(w.text(Box::Text_Msup), "2.8604");
    EXPECT_EQ(ratioTexts(w), (Texts{"0.6667", "0.4082", "0.6124", "1.6875"}));
    EXPECT_TRUE(sameRatios(w.flow(), afterMach));
}

TEST(CalculateCommand, SecondCalculationReplacesTheMarkers)
{
    RecordingWindow w;
    w.calculateFriction("0.5");
    EXPECT_TRUE(markersAt(w, {{0.59771728515625, 0.5}, {2.8603515625, 0.5}}));
    w.calculateMach("3");
    EXPECT_TRUE(markersAt(w, {{3.0, 0.5222}}));

    // A click that ends at a message leaves the chart as it was, markers included.
    const std::size_t drawn = w.surface.requests.size();
    w.choose(Option::Option_FLD4);
    w.choose(Option::Option_M); // the M box cleared
    w.calculate();
    EXPECT_EQ(w.messages.messages, Messages{"Input value then CLICK"});
    EXPECT_EQ(w.surface.requests.size(), drawn);
}

TEST(CalculateCommand, ChartClickUsesTheGammaLastCalculated)
{
    RecordingWindow w;
    w.clickChart();
    EXPECT_TRUE(markersAt(w, {{1.0, 0.0}}));
    EXPECT_TRUE(w.showsCurveFor(1.4));

    w.type(Box::Text_gama, "1.3");
    w.clickChart(); // the edited box is not read
    EXPECT_EQ(w.flow().gama, 1.4);
    EXPECT_TRUE(w.showsCurveFor(1.4));
    w.calculateMach("2");
    w.clickChart();
    EXPECT_TRUE(markersAt(w, {{1.0, 0.0}}));
    EXPECT_TRUE(w.showsCurveFor(1.3));
    EXPECT_FALSE(w.showsCurveFor(1.4));
    EXPECT_EQ(w.chartDescription(), "γ = 1.3; marked: M = 1, 4fL*/D = 0");
}

TEST(CalculateCommand, DecimalCommaInResultsPointInInput)
{
    RecordingWindow w;
    w.separator = ",";
    w.calculateMach("2");
    EXPECT_EQ(ratioTexts(w), (Texts{"0,6667", "0,4082", "0,6124", "1,6875"}));
    EXPECT_EQ(w.text(Box::Text_FLD4), "0,305");
    EXPECT_EQ(w.chartDescription(), "γ = 1,4; marked: M = 2, 4fL*/D = 0,305");

    // Typing a result back with its comma gives only its whole part: 0 here, so both
    // searches aim at 4fL*/D = 0.
    w.calculateFriction("0,305");
    EXPECT_EQ(w.text(Box::Text_Msub), "1");
    EXPECT_EQ(w.text(Box::Text_Msup), "1");
    w.calculateFriction("0.305");
    EXPECT_EQ(w.text(Box::Text_Msub), "0,6572");
}

// The ratio boxes would otherwise keep another Mach number's ratios beside this one's
// 4fL*/D. A Mach number that reads as 0, sign or not, keeps its own message.
struct RefusedMach {
    const char* mach;
    const char* message;
};

class NegativeMach : public ::testing::TestWithParam<RefusedMach> {};

TEST_P(NegativeMach, IsRefused)
{
    RecordingWindow w;
    w.calculateFriction("0.5"); // the supersonic box is shown
    w.choose(Option::Option_M);
    w.type(Box::Text_Msub, GetParam().mach);
    w.type(Box::Text_gama, "1.3");
    const Texts before = texts(w);
    const std::size_t drawn = w.surface.requests.size();
    const FlowState flowBefore = w.flow();
    w.messages.messages.clear();

    w.calculate();
    EXPECT_EQ(w.messages.messages, Messages{GetParam().message});
    EXPECT_EQ(w.flow().gama, 1.3);
    EXPECT_TRUE(sameRatios(w.flow(), flowBefore));
    EXPECT_EQ(texts(w), before);
    EXPECT_EQ(w.surface.requests.size(), drawn);
    EXPECT_TRUE(w.isVisible(Box::Text_TTstar));
    EXPECT_FALSE(w.isVisible(Box::Text_Msup)); // hidden by the option, not shown again
}

INSTANTIATE_TEST_SUITE_P(CalculateCommand, NegativeMach,
                         ::testing::Values(RefusedMach{"-2", "M must be greater than 0"},
                                           RefusedMach{"-0.0001", "M must be greater than 0"},
                                           RefusedMach{"- 1e-300", "M must be greater than 0"},
                                           RefusedMach{"-1e400", "M must be greater than 0"},
                                           RefusedMach{"-3abc", "M must be greater than 0"},
                                           RefusedMach{"-0", "Input value then CLICK"}));

class GammaNotAboveOne : public ::testing::TestWithParam<const char*> {};

TEST_P(GammaNotAboveOne, IsRefused)
{
    RecordingWindow w;
    w.type(Box::Text_gama, "1.3");
    w.calculateMach("2");
    const Texts before = texts(w);
    const std::size_t drawn = w.surface.requests.size();
    const FlowState flowBefore = w.flow();

    w.type(Box::Text_gama, GetParam());
    w.calculate();
    EXPECT_EQ(w.messages.messages, Messages{"γ must be greater than 1"});
    EXPECT_EQ(w.flow().gama, 1.3);
    EXPECT_EQ(w.flow().expP0, flowBefore.expP0);
    EXPECT_TRUE(sameRatios(w.flow(), flowBefore));
    Texts after = texts(w);
    after[0] = before[0]; // the γ box holds what was typed
    EXPECT_EQ(after, before);
    EXPECT_EQ(w.surface.requests.size(), drawn);

    // The chart still draws a real curve, for the last valid γ.
    w.clickChart();
    EXPECT_TRUE(w.showsCurveFor(1.3));
}

INSTANTIATE_TEST_SUITE_P(CalculateCommand, GammaNotAboveOne,
                         ::testing::Values("0", "1", "0.95", "-1.4", "abc", "1e400", "-1e400", "&H1"));

struct NonFinite {
    const char* name;
    const char* gamma;
    bool machMode;
    const char* input;
};

class NonFiniteResults : public ::testing::TestWithParam<NonFinite> {};

TEST_P(NonFiniteResults, WriteNothing)
{
    const NonFinite& c = GetParam();
    RecordingWindow w;
    w.calculateMach("0.5");
    w.choose(c.machMode ? Option::Option_M : Option::Option_FLD4);
    w.type(c.machMode ? Box::Text_Msub : Box::Text_FLD4, c.input);
    w.type(Box::Text_gama, c.gamma);
    const Texts before = texts(w);
    const std::size_t drawn = w.surface.requests.size();
    const FlowState flowBefore = w.flow();
    w.messages.messages.clear();

    w.calculate();
    EXPECT_EQ(w.messages.messages, Messages{"No finite result for these inputs"});
    EXPECT_EQ(texts(w), before);
    EXPECT_EQ(w.surface.requests.size(), drawn);
    EXPECT_TRUE(sameRatios(w.flow(), flowBefore));
    for (const std::string& text : texts(w))
        EXPECT_EQ(text.find_first_of("nNiI"), std::string::npos) << text; // no nan, no inf
}

INSTANTIATE_TEST_SUITE_P(
    CalculateCommand, NonFiniteResults,
    ::testing::Values(NonFinite{"M_beyond_double_range", "1.4", true, "1e400"},
                      NonFinite{"M_squared_overflows", "1.4", true, "1e200"},
                      NonFinite{"M_squared_underflows", "1.4", true, "1e-320"},
                      NonFinite{"gamma_overflows_the_relations", "1e308", true, "2"},
                      NonFinite{"gamma_so_close_to_1_that_p0_overflows", "1.000000000000001", true, "100"},
                      NonFinite{"friction_beyond_double_range", "1.4", false, "1e400"},
                      NonFinite{"negative_friction_beyond_range", "1.4", false, "-1e999"},
                      NonFinite{"a_search_meets_a_non_finite_friction", "1e308", false, "0"},
                      NonFinite{"the_same_at_gamma_1e307", "1e307", false, "0.5"}),
    [](const auto& info) { return std::string(info.param.name); });

struct WithoutSolution {
    const char* name;
    const char* friction;
    const char* subsonic;
    const char* supersonic;
    std::size_t messageCount;
    Points markers;
};

class SearchWithoutSolution : public ::testing::TestWithParam<WithoutSolution> {};

TEST_P(SearchWithoutSolution, ShowsStars)
{
    const WithoutSolution& c = GetParam();
    RecordingWindow w;
    w.calculateFriction(c.friction);
    EXPECT_EQ(w.text(Box::Text_Msub), c.subsonic);
    EXPECT_EQ(w.text(Box::Text_Msup), c.supersonic);
    EXPECT_EQ(w.messages.messages, Messages(c.messageCount, "bu 4L*f/D için süpersonik çözüm yok"));
    EXPECT_TRUE(markersAt(w, c.markers));
}

// A marker beyond the chart's edges is handed to the surface all the same, which clips it.
INSTANTIATE_TEST_SUITE_P(
    CalculateCommand, SearchWithoutSolution,
    ::testing::Values(
        WithoutSolution{"no_supersonic_solution", "1.0", "0.5087", "****", 1, {{0.50872802734375, 1.0}}},
        WithoutSolution{"past_M_5", "0.7", "0.5551", "****", 1, {{0.5550537109375, 0.7}}},
        WithoutSolution{"met_at_M_6", "0.7299", "0.5497", "6", 0, {{0.5496826171875, 0.7299}, {6.0, 0.7299}}},
        WithoutSolution{"above_the_charts_largest", "8.4836", "****", "****", 1, {}},
        WithoutSolution{"just_inside", "8.48", "0.25", "****", 1, {{0.25, 8.48}}},
        WithoutSolution{"negative", "-0.5", "****", "****", 1, {}},
        WithoutSolution{"huge", "1e300", "****", "****", 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
