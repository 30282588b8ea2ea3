// The events every binding forwards as they come, and what the window's handlers make of
// them: a key in a control, a click on the option already chosen or on the chart's
// caption, the words a screen reader hears after a calculation, and a message dialog that
// closes by whatever means.

#include "tests/support/recordingwindow.h"
#include "ui/messagequeue.h"
#include "ui/placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;
using velmora::testing::RecordingWindow;

namespace {

struct KeyCase {
    const char* name;
    Key key;
    Control focused;
    KeyResponse response;
};

const KeyCase keyCases[] = {
    {"ReturnOnTheButton", Key::Return, Button::Command1, KeyResponse::Nothing},
    {"EnterOnTheButton", Key::Enter, Button::Command1, KeyResponse::Nothing},
    {"EscapeOnTheButton", Key::Escape, Button::Command1, KeyResponse::Nothing},
    {"SpaceOnTheButton", Key::Space, Button::Command1, KeyResponse::Press},
    {"ReturnInABox", Key::Return, Box::Text_Msub, KeyResponse::Nothing},
    {"EscapeInABox", Key::Escape, Box::Text_Msub, KeyResponse::Nothing},
    {"SpaceInABox", Key::Space, Box::Text_Msub, KeyResponse::ControlOwn},
    {"EnterOnAnOption", Key::Enter, Option::Option_M, KeyResponse::Nothing},
    {"SpaceOnAnOption", Key::Space, Option::Option_M, KeyResponse::ControlOwn},
    {"SpaceOnTheChart", Key::Space, Picture::Picture1, KeyResponse::Nothing},
    {"ReturnOnTheChart", Key::Return, Picture::Picture1, KeyResponse::Nothing},
    {"ALetterInABox", Key::Other, Box::Text_gama, KeyResponse::ControlOwn},
};

class KeyInAControl : public ::testing::TestWithParam<KeyCase> {};

// Only Space on the button calculates; no key draws the chart or says anything.
TEST_P(KeyInAControl, DoesWhatTheWindowSays)
{
    const KeyCase& c = GetParam();
    RecordingWindow w;
    w.choose(Option::Option_M);
    w.type(Box::Text_Msub, "2");
    EXPECT_EQ(w.press(c.key, c.focused), c.response);
    const bool calculated = c.response == KeyResponse::Press;
    EXPECT_EQ(w.text(Box::Text_FLD4), calculated ? "0.305" : "1");
    EXPECT_EQ(w.markers().size(), calculated ? 1u : 0u);
    EXPECT_TRUE(w.messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(WindowEvents, KeyInAControl, ::testing::ValuesIn(keyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowEvents, TheOptionAlreadyChosenChangesNothing)
{
    RecordingWindow w;
    w.choose(Option::Option_M);
    w.type(Box::Text_Msub, "2");
    w.choose(Option::Option_M);
    EXPECT_EQ(w.text(Box::Text_Msub), "2");
    w.choose(Option::Option_FLD4);
    w.choose(Option::Option_M);
    EXPECT_EQ(w.text(Box::Text_Msub), " ");
}

// The caption is hidden until the first drawing, when a click at its place still reaches
// the chart; once shown it takes the clicks on it, to its last pixel.
TEST(WindowEvents, AClickOnTheShownCaptionRunsNothing)
{
    const PixelPlace caption = chartCaptionPlace(mainWindowControls());
    ASSERT_GT(caption.width, 0);
    RecordingWindow w;
    w.clickChart(caption.x, caption.y);
    EXPECT_EQ(w.markers().size(), 1u);

    w.calculateMach("2");
    const std::string description = w.chartDescription();
    const std::size_t requests = w.surface.requests.size();
    w.clickChart(caption.x, caption.y);
    w.clickChart(caption.x + caption.width - 0.5, caption.y + caption.height - 0.5);
    EXPECT_EQ(w.surface.requests.size(), requests);
    EXPECT_EQ(w.chartDescription(), description);

    w.clickChart(caption.x + caption.width, caption.y);
    EXPECT_EQ(w.chartDescription(), "γ = 1.4; marked: M = 1, 4fL*/D = 0");
}

struct AnnouncementCase {
    const char* name;
    Option option;
    const char* input;
    std::vector<std::string> words;
};

const AnnouncementCase announcementCases[] = {
    {"Mach",
     Option::Option_M,
     "2",
     {"Temperature ratio T/T* 0.6667, Pressure ratio p/p* 0.4082, Density ratio ρ/ρ* 0.6124, "
      "Stagnation pressure ratio p0/p0* 1.6875, Friction parameter 4fL*/D 0.305"}},
    {"Friction", Option::Option_FLD4, "0.5", {"Mach number 0.5977, Supersonic Mach number 2.8604"}},
    {"NoSupersonicSolution", Option::Option_FLD4, "1", {"Mach number 0.5087, Supersonic Mach number ****"}},
    {"RefusedInput", Option::Option_M, "", {}},
};

class Announcement : public ::testing::TestWithParam<AnnouncementCase> {};

// Once a click, the boxes it wrote in the order it wrote them; nothing for a refused one.
TEST_P(Announcement, ReadsOutWhatTheCalculationWrote)
{
    const AnnouncementCase& c = GetParam();
    RecordingWindow w;
    w.choose(c.option);
    w.type(c.option == Option::Option_M ? Box::Text_Msub : Box::Text_FLD4, c.input);
    w.calculate();
    EXPECT_EQ(w.announcements, c.words);
}

INSTANTIATE_TEST_SUITE_P(WindowEvents, Announcement, ::testing::ValuesIn(announcementCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A dialog that records what it is told; close() closes it as its OK button does.
class RecordingDialog final : public MessageDialog {
public:
    void open(std::string_view text, bool first) override
    {
        shown.emplace_back(text);
        firsts += first;
        isOpen = true;
    }
    void close() override { closeAsked = true; }
    void finished() override { ++focusGivenBack; }

    std::vector<std::string> shown;
    int firsts = 0;
    bool isOpen = false;
    bool closeAsked = false;
    int focusGivenBack = 0;
};

TEST(MessageQueue, OneMessageAtATimeAndTheFocusBackAfterTheLast)
{
    RecordingDialog dialog;
    MessageQueue queue(dialog);
    queue.showMessage("first");
    queue.showMessage("second");
    EXPECT_EQ(dialog.shown, std::vector<std::string>{"first"});

    queue.okClicked();
    EXPECT_TRUE(dialog.closeAsked);
    EXPECT_EQ(dialog.shown.size(), 1u); // until the dialog says it has closed
    queue.closed();
    EXPECT_EQ(dialog.shown, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(dialog.focusGivenBack, 0);
    queue.closed();
    EXPECT_EQ(dialog.focusGivenBack, 1);
    EXPECT_FALSE(queue.showing());
    EXPECT_EQ(dialog.firsts, 1);
}

// Escape, the back gesture or a close request close the dialog past its OK button: each
// counts as OK, so a later message shows as the first did.
TEST(MessageQueue, ADialogClosedByItselfLetsTheNextMessageShow)
{
    RecordingDialog dialog;
    MessageQueue queue(dialog);
    queue.showMessage("γ must be greater than 1");
    queue.closed();
    queue.closed(); // a second report of one closing changes nothing
    EXPECT_EQ(dialog.focusGivenBack, 1);
    queue.showMessage("choose an input parameter");
    EXPECT_EQ(dialog.shown.back(), "choose an input parameter");
    EXPECT_EQ(dialog.firsts, 2);
    queue.okClicked();
    EXPECT_TRUE(dialog.closeAsked);
}

} // namespace
