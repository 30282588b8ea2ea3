#pragma once

// A main window that keeps what the behaviour writes to it instead of showing it, opened
// as the layout table says, and driven as a user drives the real one: choose an option,
// type, click the button, the chart or the About entry. No toolkit, no display.

#include "tests/support/messagerecorder.h"
#include "tests/support/recordingsurface.h"
#include "ui/controltable.h"
#include "ui/mainwindow.h"
#include "ui/mainwindowhandlers.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora::testing {

class RecordingWindow final : public MainWindow {
public:
    RecordingWindow()
    {
        for (const ControlSpec& row : mainWindowControls())
            if (row.builds.control) {
                visible_[*row.builds.control] = row.visible;
                if (const Box* box = std::get_if<Box>(&*row.builds.control))
                    texts_[*box] = std::string(row.text);
                if (const Button* button = std::get_if<Button>(&*row.builds.control))
                    captions_[*button] = std::string(row.text);
            }
    }

    // The user's actions, each reported to the handlers as the page reports it, a click on
    // a control alike for every control: a click on an option selects it, whether or not it
    // was selected already.
    void choose(Option option)
    {
        selected_ = option;
        handlers.clicked(option, 0.0, 0.0);
    }
    void type(Box box, const std::string& text) { texts_[box] = text; }
    void calculate() { handlers.clicked(Button::Command1, 0.0, 0.0); }
    // At (x, y) pixels in the drawing area; by default its middle, away from the caption.
    void clickChart(double x = 120.0, double y = 85.0) { handlers.clicked(Picture::Picture1, x, y); }
    // A key in the focused control, done as the toolkit does what the handlers answer.
    KeyResponse press(Key key, const Control& focused)
    {
        const KeyResponse response = handlers.keyPressed(key, focused);
        if (response == KeyResponse::Press && focused == Control(Button::Command1))
            calculate();
        return response;
    }
    void clickAbout() { handlers.aboutClicked(); }

    void calculateMach(const std::string& mach)
    {
        choose(Option::Option_M);
        type(Box::Text_Msub, mach);
        calculate();
    }
    void calculateFriction(const std::string& friction)
    {
        choose(Option::Option_FLD4);
        type(Box::Text_FLD4, friction);
        calculate();
    }

    // What the window shows.
    [[nodiscard]] bool isVisible(const Control& control) const { return visible_.at(control); }
    [[nodiscard]] std::string caption(Button button) const { return captions_.at(button); }
    // None until the behaviour sets one: the toolkit's own white.
    [[nodiscard]] std::optional<Rgb> background(Box box) const
    {
        const auto found = backgrounds_.find(box);
        return found == backgrounds_.end() ? std::nullopt : std::optional(found->second);
    }
    [[nodiscard]] const std::string& chartDescription() const { return description_; }
    [[nodiscard]] const FlowState& flow() const { return handlers.flowState(); }

    // The chart as it stands, its markers at (M, 4fL*/D), and whether it shows γ's curve.
    [[nodiscard]] std::vector<RecordingSurface::Request> chartNow() const { return surface.sinceLastClear(); }
    [[nodiscard]] std::vector<std::pair<double, double>> markers() const { return surface.markers(); }
    [[nodiscard]] bool showsCurveFor(double gama) const { return surface.showsCurveFor(gama); }

    // MainWindow
    [[nodiscard]] std::string text(Box box) const override { return texts_.at(box); }
    void setText(Box box, std::string_view text) override { texts_[box] = std::string(text); }
    void setCaption(Button button, std::string_view caption) override
    {
        captions_[button] = std::string(caption);
    }
    void setVisible(Control control, bool visible) override { visible_[control] = visible; }
    void setBackground(Box box, Rgb colour) override { backgrounds_[box] = colour; }
    [[nodiscard]] std::optional<Option> selectedOption() const override { return selected_; }
    [[nodiscard]] std::string decimalSeparator() const override { return separator; }
    DrawingSurface& chart() override { return surface; }
    void describeChart(std::string_view description) override { description_ = std::string(description); }
    void announce(std::string_view words) override { announcements.emplace_back(words); }
    Messenger& messenger() override { return messages; }
    void showAboutWindow() override { ++aboutShown; }
    void showProblemsWindow() override { ++problemsShown; }

    std::string separator = ".";
    RecordingSurface surface;
    MessageRecorder messages;
    int aboutShown = 0;
    int problemsShown = 0;
    std::vector<std::string> announcements;

private:
    std::map<Control, bool> visible_;
    std::map<Box, std::string> texts_;
    std::map<Button, std::string> captions_;
    std::map<Box, Rgb> backgrounds_;
    std::optional<Option> selected_;
    std::string description_;

public:
    MainWindowHandlers handlers{*this}; // last: it describes the chart to the window as it is made
};

} // namespace velmora::testing
