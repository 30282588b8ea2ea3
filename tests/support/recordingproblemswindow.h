#pragma once

// A Fanno problems window that keeps what the behaviour writes to it instead of showing
// it, opened as its layout table says, and driven as a user drives the real one: choose a
// known quantity, type, click a button or the chart. No toolkit, no display.

#include "tests/support/messagerecorder.h"
#include "tests/support/recordingsurface.h"
#include "ui/controltable.h"
#include "ui/problemswindow.h"
#include "ui/problemswindowhandlers.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace velmora::testing {

class RecordingProblemsWindow final : public ProblemsWindow {
public:
    RecordingProblemsWindow()
    {
        for (const ControlSpec& row : problemsWindowControls())
            if (const auto* box =
                    row.builds.control ? std::get_if<ProblemsBox>(&*row.builds.control) : nullptr)
                texts_[*box] = std::string(row.text);
    }

    void choose(KnownQuantity known)
    {
        const auto entries = knownQuantityEntries();
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].known == known)
                entry_ = i;
    }
    void type(ProblemsBox box, const std::string& text) { texts_[box] = text; }
    void solve() { handlers.clicked(ProblemsButton::Command_Solve, 0.0, 0.0); }
    void solveDuct() { handlers.clicked(ProblemsButton::Command_SolveDuct, 0.0, 0.0); }
    // At (x, y) pixels in the drawing area; by default its middle, away from the caption.
    void clickChart(double x = 250.0, double y = 85.0) { handlers.clicked(ProblemsPicture::Picture1, x, y); }

    void solveFor(KnownQuantity known, const std::string& value)
    {
        choose(known);
        type(ProblemsBox::Text_Known, value);
        solve();
    }
    void solveDuct(const std::string& M1, const std::string& FLD4duct)
    {
        type(ProblemsBox::Text_M1, M1);
        type(ProblemsBox::Text_FLD4duct, FLD4duct);
        solveDuct();
    }

    [[nodiscard]] const std::string& chartDescription() const { return description_; }

    // ProblemsWindow
    [[nodiscard]] std::string text(ProblemsBox box) const override { return texts_.at(box); }
    void setText(ProblemsBox box, std::string_view text) override { texts_[box] = std::string(text); }
    [[nodiscard]] std::size_t knownEntry() const override { return entry_; }
    [[nodiscard]] std::string decimalSeparator() const override { return separator; }
    DrawingSurface& chart() override { return surface; }
    void describeChart(std::string_view description) override { description_ = std::string(description); }
    void announce(std::string_view words) override { announcements.emplace_back(words); }
    Messenger& messenger() override { return messages; }

    std::string separator = ".";
    RecordingSurface surface;
    MessageRecorder messages;
    std::vector<std::string> announcements;

private:
    std::map<ProblemsBox, std::string> texts_;
    std::size_t entry_ = 0;
    std::string description_;

public:
    ProblemsWindowHandlers handlers{*this}; // last: it describes the chart to the window as it is made
};

} // namespace velmora::testing
