// The Fanno problems window as a user goes through it, on a recording window: solve from
// any known quantity, solve a duct, and every bad input with its one message.

#include "tests/support/recordingproblemswindow.h"
#include "tests/support/recordingwindow.h"

#include "text/numbertext.h"
#include "text/systemtexts.h"
#include "ui/placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace velmora;
using velmora::testing::RecordingProblemsWindow;
using velmora::testing::RecordingWindow;
using Texts = std::map<ProblemsBox, std::string>;

namespace {

enum class Section { Known, Duct };

// The result boxes of a section, as the layout holds them.
std::vector<ProblemsBox> resultBoxes(Section section)
{
    const std::string_view frame = section == Section::Known ? "Frame_Known" : "Frame_Duct";
    std::vector<ProblemsBox> boxes;
    for (const ControlSpec& row : problemsWindowControls())
        if (const auto* box = row.builds.control ? std::get_if<ProblemsBox>(&*row.builds.control) : nullptr)
            if (row.container == frame && !takesInput(*box))
                boxes.push_back(*box);
    return boxes;
}

Texts results(const RecordingProblemsWindow& w, Section section)
{
    Texts texts;
    for (const ProblemsBox box : resultBoxes(section))
        texts[box] = w.text(box);
    return texts;
}

std::string exactly(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Both sections solved once, so that a bad input has numbers to leave behind.
void solveBoth(RecordingProblemsWindow& w)
{
    w.solveFor(KnownQuantity::M, "0.5");
    w.solveDuct("0.3", "1");
    ASSERT_TRUE(w.messages.messages.empty());
}

struct BadInput {
    const char* name;
    Section section;
    std::function<void(RecordingProblemsWindow&)> act;
    std::string message;
    std::string longest = ""; // the duct's longest 4fL*/D that stands beside a choke
};

class ProblemsBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(ProblemsBadInput, ShowsOneMessageAndNoResultInItsSection)
{
    const BadInput& c = GetParam();
    RecordingProblemsWindow w;
    solveBoth(w);
    const Section other = c.section == Section::Known ? Section::Duct : Section::Known;
    const Texts otherBefore = results(w, other);

    c.act(w);

    EXPECT_EQ(w.messages.messages, std::vector<std::string>{c.message});
    for (const auto& [box, text] : results(w, c.section))
        EXPECT_EQ(text, box == ProblemsBox::Text_FLD4longest ? c.longest : "") << nameOf(box);
    EXPECT_EQ(results(w, other), otherBefore);
    EXPECT_EQ(w.announcements.size(), 2u) << "only the two good solves are read out";
}

auto known(KnownQuantity quantity, std::string value, std::string gama = "1.4")
{
    return [=](RecordingProblemsWindow& w) {
        w.type(ProblemsBox::Text_gama, gama);
        w.solveFor(quantity, value);
    };
}

auto duct(std::string M1, std::string FLD4duct, std::string gama = "1.4")
{
    return [=](RecordingProblemsWindow& w) {
        w.type(ProblemsBox::Text_gama, gama);
        w.solveDuct(M1, FLD4duct);
    };
}

const BadInput badInputs[] = {
    {"GammaOne", Section::Known, known(KnownQuantity::M, "2", "1"), gammaMustExceedOne},
    {"GammaWithoutNumber", Section::Duct, duct("0.3", "1", "abc"), gammaMustExceedOne},
    {"GammaBeyondDoubles", Section::Known, known(KnownQuantity::M, "2", "1e999"), gammaMustExceedOne},
    {"MachWithoutNumber", Section::Known, known(KnownQuantity::M, "abc"),
     "M: the known value must be above 0 for γ = 1.4"},
    {"TemperatureAtItsBound", Section::Known, known(KnownQuantity::TTstar, "1.2"),
     "T/T*: the known value must be above 0 and below 1.2 for γ = 1.4"},
    {"DensityBelowItsBound", Section::Known, known(KnownQuantity::RoRostar, "0.4"),
     "ρ/ρ*: the known value must be above 0.4083 for γ = 1.4"},
    {"VelocityAboveItsBoundForAnotherGamma", Section::Known, known(KnownQuantity::VVstar, "3", "1.3"),
     "V/V*: the known value must be above 0 and below 2.7688 for γ = 1.3"},
    {"SupersonicFrictionBeyondItsLimit", Section::Known, known(KnownQuantity::FLD4Supersonic, "0.9"),
     "4fL*/D, supersonic: the known value must be at least 0 and below 0.8215 for γ = 1.4"},
    {"NegativeSubsonicFriction", Section::Known, known(KnownQuantity::FLD4Subsonic, "-1"),
     "4fL*/D, subsonic: the known value must be at least 0 for γ = 1.4"},
    {"StagnationPressureBelowOne", Section::Known, known(KnownQuantity::PoPostarSupersonic, "0.5"),
     "p0/p0*, supersonic: the known value must be at least 1 for γ = 1.4"},
    {"NegativeEntropy", Section::Known, known(KnownQuantity::EntropySubsonic, "-0.1"),
     "(s*-s)/R, subsonic: the known value must be at least 0 for γ = 1.4"},
    {"KnownValueBeyondDoubles", Section::Known, known(KnownQuantity::PPstar, "1e999"), noFiniteResult},
    {"ResultBeyondDoubles", Section::Known, known(KnownQuantity::PPstar, "1e-300"), noFiniteResult},
    {"InletMachZero", Section::Duct, duct("0", "1"), inletMachMustBePositive},
    {"InletMachNegative", Section::Duct, duct("-0.5", "1"), inletMachMustBePositive},
    {"InletMachWithoutNumber", Section::Duct, duct("", "1"), inletMachMustBePositive},
    {"NegativeDuct", Section::Duct, duct("0.3", "-0.5"), ductFrictionMustNotBeNegative},
    {"InletMachBeyondDoubles", Section::Duct, duct("1e999", "1"), noFiniteResult},
    {"DuctChokes", Section::Duct, duct("0.3", "6"),
     "The duct chokes: for M1 = 0.3 the longest 4fL/D is 5.2993", "5.2993"},
    {"SonicInletChokesAnyDuct", Section::Duct, duct("1", "0.001"),
     "The duct chokes: for M1 = 1 the longest 4fL/D is 0", "0"},
    {"SupersonicDuctChokes", Section::Duct, duct("2", "0.4"),
     "The duct chokes: for M1 = 2 the longest 4fL/D is 0.305", "0.305"},
    {"DecimalCommaInTheMessage", Section::Known,
     [](RecordingProblemsWindow& w) {
         w.separator = ",";
         w.solveFor(KnownQuantity::RoRostar, "0.1");
     },
     "ρ/ρ*: the known value must be above 0,4083 for γ = 1,4"},
};

INSTANTIATE_TEST_SUITE_P(ProblemsWindow, ProblemsBadInput, ::testing::ValuesIn(badInputs),
                         [](const auto& info) { return std::string(info.param.name); });

// MATLAB's documented flowfanno(1.4, 1.2, 'fannosub').
TEST(ProblemsWindow, SubsonicFrictionGivesThePublishedState)
{
    RecordingProblemsWindow w;
    w.solveFor(KnownQuantity::FLD4Subsonic, "1.2");
    EXPECT_TRUE(w.messages.messages.empty());
    const Texts expected{
        {ProblemsBox::Text_M, "0.4849"},        {ProblemsBox::Text_FLD4, "1.2"},
        {ProblemsBox::Text_TTstar, "1.1461"},   {ProblemsBox::Text_PPstar, "2.208"},
        {ProblemsBox::Text_RoRostar, "1.9265"}, {ProblemsBox::Text_VVstar, "0.5191"},
        {ProblemsBox::Text_PoPostar, "1.3699"},
    };
    Texts shown = results(w, Section::Known);
    shown.erase(ProblemsBox::Text_Entropy); // not published; the round trips check it
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(w.surface.showsCurveFor(1.4));
    ASSERT_EQ(w.surface.markers().size(), 1u);
    EXPECT_NEAR(w.surface.markers()[0].first, 0.48493, 1e-4);
    EXPECT_NEAR(w.surface.markers()[0].second, 1.2, 1e-6);
    EXPECT_EQ(w.chartDescription(), "γ = 1.4; marked: M = 0.4849, 4fL*/D = 1.2");
    ASSERT_EQ(w.announcements.size(), 1u);
    EXPECT_EQ(w.announcements[0].substr(0, 24), "M 0.4849, 4fL*/D 1.2, T/");
}

// Every entry, given the exact value of a quantity of M, finds M again and shows the same
// state as the entry M itself: for several gases, on each entry's branch.
TEST(ProblemsWindow, EveryKnownQuantityGivesTheStateOfItsMachNumber)
{
    for (const char* gama : {"1.4", "1.3", "1.67"})
        for (const double M : {0.3, 0.4849, 0.9, 1.5, 3.0}) {
            RecordingProblemsWindow w;
            w.type(ProblemsBox::Text_gama, gama);
            w.solveFor(KnownQuantity::M, exactly(M));
            const Texts state = results(w, Section::Known);
            const FannoQuantities q = fannoQuantities(leadingNumber(gama), M);
            for (const KnownQuantityEntry& entry : knownQuantityEntries()) {
                const bool supersonicEntry = entry.text.find("supersonic") != std::string_view::npos;
                const bool twoBranches = entry.text.find(", ") != std::string_view::npos;
                if (twoBranches && supersonicEntry != (M > 1.0))
                    continue;
                w.solveFor(entry.known, exactly(valueOf(entry.known, q)));
                EXPECT_EQ(results(w, Section::Known), state) << entry.text << " of M " << M << ", γ " << gama;
            }
            EXPECT_TRUE(w.messages.messages.empty());
        }
}

TEST(ProblemsWindow, ResultsTakeTheUsersDecimalSeparator)
{
    RecordingProblemsWindow w;
    w.separator = ",";
    w.solveFor(KnownQuantity::FLD4Subsonic, "1.2");
    EXPECT_EQ(w.text(ProblemsBox::Text_M), "0,4849");
    EXPECT_EQ(w.text(ProblemsBox::Text_FLD4), "1,2");
}

TEST(ProblemsWindow, DuctGivesItsOutletAndLongestDuct)
{
    RecordingProblemsWindow w;
    w.solveDuct("0.3", "4");
    EXPECT_TRUE(w.messages.messages.empty());
    const Texts expected{
        {ProblemsBox::Text_M2, "0.4744"},          {ProblemsBox::Text_P2P1, "0.6241"},
        {ProblemsBox::Text_T2T1, "0.9741"},        {ProblemsBox::Text_Ro2Ro1, "0.6407"},
        {ProblemsBox::Text_V2V1, "1.5609"},        {ProblemsBox::Text_Po2Po1, "0.684"},
        {ProblemsBox::Text_EntropyRise, "0.3798"}, {ProblemsBox::Text_FLD4longest, "5.2993"},
    };
    EXPECT_EQ(results(w, Section::Duct), expected);
    EXPECT_TRUE(w.surface.showsCurveFor(1.4));
    ASSERT_EQ(w.surface.markers().size(), 2u);
    EXPECT_NEAR(w.surface.markers()[0].first, 0.3, 1e-6);
    EXPECT_NEAR(w.surface.markers()[0].second, 5.2993, 1e-4);
    EXPECT_NEAR(w.surface.markers()[1].first, 0.4744, 1e-4);
    EXPECT_NEAR(w.surface.markers()[1].second, 5.2993 - 4, 1e-4);
    ASSERT_EQ(w.announcements.size(), 1u);
    EXPECT_EQ(w.announcements[0].substr(0, 22), "M2 0.4744, p2/p1 0.624");
}

// The duct's outlet is the state whose 4fL*/D is the inlet's less the duct's, on the
// inlet's branch: the two sections of the window agree.
TEST(ProblemsWindow, DuctOutletIsTheStateOfItsRemainingFriction)
{
    struct Duct {
        const char* gama;
        double M1, FLD4duct;
    };
    for (const Duct& d : {Duct{"1.4", 0.3, 4.0}, Duct{"1.4", 0.6, 0.2}, Duct{"1.3", 0.2, 10.0},
                          Duct{"1.4", 2.0, 0.2}, Duct{"1.67", 3.0, 0.1}}) {
        RecordingProblemsWindow w;
        w.type(ProblemsBox::Text_gama, d.gama);
        w.solveDuct(exactly(d.M1), exactly(d.FLD4duct));
        const double remaining = fannoQuantities(leadingNumber(d.gama), d.M1).FLD4 - d.FLD4duct;
        w.solveFor(d.M1 < 1 ? KnownQuantity::FLD4Subsonic : KnownQuantity::FLD4Supersonic,
                   exactly(remaining));
        EXPECT_EQ(w.text(ProblemsBox::Text_M2), w.text(ProblemsBox::Text_M)) << d.gama << " " << d.M1;
        EXPECT_TRUE(w.messages.messages.empty());
    }
}

TEST(ProblemsWindow, DuctThatChokesMarksOnlyItsInlet)
{
    RecordingProblemsWindow w;
    w.solveDuct("0.3", "6");
    ASSERT_EQ(w.surface.markers().size(), 1u);
    EXPECT_NEAR(w.surface.markers()[0].first, 0.3, 1e-6);
}

TEST(ProblemsWindow, ChartClickRedrawsWithTheLastGammaUnlessOnTheCaption)
{
    RecordingProblemsWindow w;
    w.type(ProblemsBox::Text_gama, "1.3");
    w.solveFor(KnownQuantity::M, "2");
    w.type(ProblemsBox::Text_gama, "1.67");
    const PixelPlace caption = chartCaptionPlace(problemsWindowControls());
    w.clickChart(caption.x + 1, caption.y + 1);
    EXPECT_NEAR(w.surface.markers().at(0).first, 2.0, 1e-6) << "a click on the caption runs nothing";
    w.clickChart();
    EXPECT_TRUE(w.surface.showsCurveFor(1.3));
    EXPECT_EQ(w.surface.markers(), (std::vector<std::pair<double, double>>{{1.0, 0.0}}));
}

// Down the γ box, then each section from its inputs through its button to its last
// result, then the chart: every control that takes the focus, in that order.
TEST(ProblemsWindow, TabOrderRunsDownEachSection)
{
    const std::vector<const ControlSpec*> order = tabOrder(problemsWindowControls());
    std::vector<std::string_view> containers;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (containers.empty() || containers.back() != order[i]->container)
            containers.push_back(order[i]->container);
        else
            EXPECT_GT(order[i]->top, order[i - 1]->top) << order[i]->name;
    }
    EXPECT_EQ(containers, (std::vector<std::string_view>{"", "Frame_Known", "Frame_Duct", ""}));
    EXPECT_EQ(order.front()->builds.control, Control(ProblemsBox::Text_gama));
    EXPECT_EQ(order.back()->builds.control, Control(ProblemsPicture::Picture1));
}

TEST(ProblemsWindow, LeavesTheMainWindowAsItWas)
{
    RecordingWindow main;
    main.calculateMach("2");
    std::vector<std::string> before;
    for (const Box box : {Box::Text_gama, Box::Text_Msub, Box::Text_FLD4, Box::Text_TTstar})
        before.push_back(main.text(box));
    const std::size_t drawn = main.surface.requests.size();

    main.handlers.problemsClicked();
    RecordingProblemsWindow w;
    w.type(ProblemsBox::Text_gama, "1.3");
    w.solveFor(KnownQuantity::TTstar, "1.1");
    w.solveDuct("0.3", "6");

    EXPECT_EQ(main.problemsShown, 1);
    std::vector<std::string> after;
    for (const Box box : {Box::Text_gama, Box::Text_Msub, Box::Text_FLD4, Box::Text_TTstar})
        after.push_back(main.text(box));
    EXPECT_EQ(after, before);
    EXPECT_EQ(main.flow().gama, 1.4);
    EXPECT_EQ(main.surface.requests.size(), drawn);
    EXPECT_TRUE(main.messages.messages.empty());
}

} // namespace
