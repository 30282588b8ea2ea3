// Twenty thousand random actions on the window from a fixed seed, with every invariant a
// user relies on checked after each one.

#include "tests/support/recordingwindow.h"
#include "tests/support/resulttextgrammar.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

using namespace velmora;
using velmora::nameOf;
using velmora::testing::isResultText;
using velmora::testing::RecordingWindow;

namespace {

constexpr int actionCount = 20000;

// Inputs a user might type, odd ones on purpose: the edge values of the relations and
// the search, the ends of the double range, signs, blanks, exponents, &H and &O numbers.
const char* const knownTexts[] = {
    "2",
    "0.5",
    "1",
    "0",
    "-0",
    "0.25",
    "8.4834",
    "8.48",
    "8.4836",
    "0.305",
    "0.7299",
    "0.714",
    "0.7",
    "1.0",
    "-0.0001",
    "6",
    "5.5",
    "1.4",
    "1.3",
    "1.67",
    "0.95",
    "1e308",
    "1e-320",
    "1e400",
    "-1e400",
    "1e200",
    "1e-200",
    " ",
    "",
    "2abc",
    "1,5",
    "&H1F",
    "&O17",
    "&HFFFFFFFFFFFFFFFF",
    "1.000000000000001",
    "- 2",
    "1 2",
    ".5",
    "1e",
    "+3",
    "-2",
    "1.2.3",
    "abc",
    "9e99",
    "-8.5",
    "100",
    "0.0001",
    "&h",
    "e5",
};

class InputMaker {
public:
    explicit InputMaker(std::mt19937& random) : random_(random) {}

    std::string next()
    {
        switch (pick(4)) {
        case 0:
        case 1:
            return knownTexts[pick(int(std::size(knownTexts)))];
        case 2:
            return number();
        default:
            return garbage();
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string number()
    {
        std::string text;
        if (pick(3) == 0)
            text += pick(2) ? '-' : '+';
        const int digits = 1 + pick(8);
        for (int i = 0; i < digits; ++i) {
            text += char('0' + pick(10));
            if (i == 0 && pick(2))
                text += '.';
            if (pick(10) == 0)
                text += ' ';
        }
        if (pick(3) == 0) {
            text += 'e';
            text += std::to_string(pick(801) - 400);
        }
        return text;
    }

    // Characters that can start or break a number; no letters that could spell a word.
    std::string garbage()
    {
        static constexpr char alphabet[] = "0123456789+-.eE &HhOoxz,\t;";
        std::string text;
        const int length = pick(12);
        for (int i = 0; i < length; ++i)
            text += alphabet[pick(int(sizeof alphabet) - 1)];
        return text;
    }

    std::mt19937& random_;
};

enum class Mode { None, Mach, Friction };
enum class Action { ChooseMach, ChooseFriction, Calculate, Other };

// Whether an action may have changed a result box to this text, besides the text the
// user typed into it: each box is written only by its own option or by a calculation in
// the mode that writes it, and "****" only stands in a Mach box after a 4fL*/D search.
bool mayShow(Box box, Action action, Mode mode, const std::string& text)
{
    const bool machBox = box == Box::Text_Msub || box == Box::Text_Msup;
    switch (action) {
    case Action::ChooseMach:
        return box == Box::Text_Msub && text == " ";
    case Action::ChooseFriction:
        return box == Box::Text_FLD4 && text == " ";
    case Action::Calculate:
        if (mode == Mode::Friction)
            return machBox && (text == "****" || isResultText(text));
        return mode == Mode::Mach && !machBox && isResultText(text);
    case Action::Other:
        return false;
    }
    return false;
}

TEST(Soak, RandomActionsKeepEveryInvariant)
{
    RecordingWindow w;
    std::mt19937 random(20261208);
    InputMaker inputs(random);
    constexpr std::array results{Box::Text_Msub,   Box::Text_Msup,     Box::Text_FLD4,    Box::Text_TTstar,
                                 Box::Text_PPstar, Box::Text_RoRostar, Box::Text_PoPostar};
    constexpr std::array inputBoxes{Box::Text_gama, Box::Text_Msub, Box::Text_FLD4};

    for (int action = 0; action < actionCount; ++action) {
        std::array<std::string, results.size()> before;
        for (std::size_t i = 0; i < results.size(); ++i)
            before[i] = w.text(results[i]);
        const std::optional<Option> selected = w.selectedOption();
        const Mode mode = !selected                       ? Mode::None
                          : *selected == Option::Option_M ? Mode::Mach
                                                          : Mode::Friction;
        Action done = Action::Other;
        std::optional<Box> typedInto;

        const int kind = std::uniform_int_distribution<int>(0, 99)(random);
        if (kind < 10) {
            w.choose(Option::Option_M);
            done = Action::ChooseMach;
        } else if (kind < 20) {
            w.choose(Option::Option_FLD4);
            done = Action::ChooseFriction;
        } else if (kind < 28) {
            w.clickChart();
        } else if (kind < 58) {
            w.calculate();
            done = Action::Calculate;
        } else if (kind < 60) {
            w.clickAbout();
        } else {
            const Box box = inputBoxes[std::uniform_int_distribution<std::size_t>(0, 2)(random)];
            if (w.isVisible(box)) {
                w.type(box, inputs.next());
                typedInto = box;
            }
        }

        for (std::size_t i = 0; i < results.size(); ++i) {
            const std::string now = w.text(results[i]);
            const bool allowed =
                now == before[i] || results[i] == typedInto || mayShow(results[i], done, mode, now);
            ASSERT_TRUE(allowed) << "action " << action << ": " << nameOf(results[i]) << " shows \"" << now
                                 << '"';
        }

        // The constants worked out here from γ, not by FlowState's own code.
        const FlowState& flow = w.flow();
        const double g = flow.gama;
        ASSERT_TRUE(g > 1.0 && std::isfinite(g) && std::isfinite(flow.expP0) && std::isfinite(flow.cFLD4) &&
                    flow.gm1 == g - 1.0 && flow.gp1 == g + 1.0 && flow.cFLD4 == (g + 1.0) / 2.0 / g &&
                    flow.expP0 == (g + 1.0) / 2.0 / (g - 1.0))
            << "action " << action << ": FlowState holds γ = " << g;
    }
    std::printf("soak: %d actions, %zu messages answered\n", actionCount, w.messages.messages.size());
}

} // namespace
