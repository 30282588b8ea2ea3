// The two option buttons and what each does to the results frame.

#include "tests/support/recordingwindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace velmora;
using velmora::testing::RecordingWindow;

namespace {

constexpr Rgb white{255, 255, 255};
constexpr Rgb grey{200, 200, 200};

const std::vector<Control> resultsFrame{
    Label::Label_M,        Label::Label_FLD4,     Label::Label_PPstar, Label::Label_TTstar,
    Label::Label_RoRoStar, Label::Label_PoPoStar, Box::Text_Msub,      Box::Text_Msup,
    Box::Text_FLD4,        Box::Text_PPstar,      Box::Text_TTstar,    Box::Text_RoRostar,
    Box::Text_PoPostar,
};

struct ModeCase {
    const char* name;
    Option option;
    std::vector<Control> shown; // of the results frame; the rest is hidden
    Box input;                  // white and a single space
    std::vector<Box> greyBoxes;
    Box untouched; // keeps its text
    const char* untouchedText;
};

const ModeCase modeCases[] = {
    {"Mach",
     Option::Option_M,
     {Label::Label_M, Box::Text_Msub},
     Box::Text_Msub,
     {Box::Text_FLD4, Box::Text_PPstar, Box::Text_TTstar, Box::Text_RoRostar, Box::Text_PoPostar},
     Box::Text_FLD4,
     "1"},
    {"Friction",
     Option::Option_FLD4,
     {Label::Label_FLD4, Box::Text_FLD4},
     Box::Text_FLD4,
     {Box::Text_Msub, Box::Text_Msup, Box::Text_PPstar, Box::Text_TTstar, Box::Text_RoRostar,
      Box::Text_PoPostar},
     Box::Text_Msub,
     "1.153"},
};

class InputMode : public ::testing::TestWithParam<ModeCase> {};

TEST_P(InputMode, ShowsOnlyTheBlankWhiteInputBox)
{
    const ModeCase& mode = GetParam();
    RecordingWindow w;
    w.choose(mode.option);
    for (const Control& control : resultsFrame) {
        const bool shown = std::find(mode.shown.begin(), mode.shown.end(), control) != mode.shown.end();
        EXPECT_EQ(w.isVisible(control), shown) << velmora::nameOf(control);
    }
    EXPECT_EQ(w.text(mode.input), " ");
    EXPECT_EQ(w.background(mode.input), white);
    for (const Box box : mode.greyBoxes)
        EXPECT_EQ(w.background(box), grey) << velmora::nameOf(box);
    EXPECT_EQ(w.caption(Button::Command1), "Input value then CLICK");
    EXPECT_EQ(w.text(mode.untouched), mode.untouchedText);
    EXPECT_TRUE(w.messages.messages.empty());
    EXPECT_TRUE(w.surface.requests.empty());
}

INSTANTIATE_TEST_SUITE_P(BothModes, InputMode, ::testing::ValuesIn(modeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InputModes, MachModeLeavesTheSupersonicBoxColourAlone)
{
    RecordingWindow w;
    w.choose(Option::Option_M);
    EXPECT_EQ(w.background(Box::Text_Msup), std::nullopt);
    w.choose(Option::Option_FLD4);
    w.choose(Option::Option_M);
    EXPECT_EQ(w.background(Box::Text_Msup), grey); // as the 4fL*/D mode left it
}

TEST(InputModes, SwitchingModesLosesTheTypedValue)
{
    RecordingWindow w;
    w.choose(Option::Option_M);
    w.type(Box::Text_Msub, "2");
    w.choose(Option::Option_FLD4);
    w.type(Box::Text_FLD4, "0.5");
    w.choose(Option::Option_M);
    EXPECT_EQ(w.text(Box::Text_Msub), " ");
    w.choose(Option::Option_FLD4);
    EXPECT_EQ(w.text(Box::Text_FLD4), " ");
}

TEST(InputModes, HiddenBoxesKeepTheirTexts)
{
    RecordingWindow w;
    w.calculateMach("2");
    w.choose(Option::Option_FLD4);
    EXPECT_FALSE(w.isVisible(Box::Text_TTstar));
    EXPECT_EQ(w.text(Box::Text_TTstar), "0.6667");
    w.type(Box::Text_FLD4, "0.305");
    w.calculate();
    EXPECT_TRUE(w.isVisible(Box::Text_TTstar));
    EXPECT_EQ(w.text(Box::Text_TTstar), "0.6667");
}

} // namespace
