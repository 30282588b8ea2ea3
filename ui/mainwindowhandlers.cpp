#include "ui/mainwindowhandlers.h"

#include "ui/accessiblenames.h"
#include "ui/calculatecommand.h"
#include "ui/controltable.h"
#include "ui/inputmodes.h"
#include "ui/placement.h"

#include <string>
#include <variant>

namespace velmora {

MainWindowHandlers::MainWindowHandlers(MainWindow& window)
    : window_(window), flow_(loadedFlowState()), chart_(window)
{
}

// A mode is applied when its option becomes chosen, not when the chosen one is clicked again.
void MainWindowHandlers::optionSelected(Option option)
{
    if (chosen_ == option)
        return;
    chosen_ = option;
    applyInputMode(window_, option);
}

// The results are read out once, together: "Mach number 0.5977, Supersonic Mach number 2.8604".
void MainWindowHandlers::calculateClicked()
{
    std::string words;
    for (const Box box : runCalculateCommand(flow_, window_, chart_)) {
        const AccessibleText* named = accessibleTextOf(box);
        words +=
            (words.empty() ? "" : ", ") + std::string(named ? named->name : "") + " " + window_.text(box);
    }
    if (!words.empty())
        window_.announce(words);
}

// The caption lies over the drawing once it is shown, and takes the clicks on it; the chart
// redraws with the γ last stored, not with whatever the γ box holds now.
void MainWindowHandlers::chartClicked(double x, double y)
{
    if (chart_.drawn() && chartCaptionPlace(mainWindowControls()).contains(x, y))
        return;
    chart_.draw(flow_);
    chart_.mark(1.0, 0.0);
}

void MainWindowHandlers::aboutClicked() { window_.showAboutWindow(); }

void MainWindowHandlers::problemsClicked() { window_.showProblemsWindow(); }

void MainWindowHandlers::clicked(const Control& control, double x, double y)
{
    if (const Option* option = std::get_if<Option>(&control))
        optionSelected(*option);
    else if (control == Control(Button::Command1))
        calculateClicked();
    else if (std::holds_alternative<Picture>(control))
        chartClicked(x, y);
}

KeyResponse MainWindowHandlers::keyPressed(Key key, const Control& focused) const
{
    return responseTo(key, kindOf(focused));
}

} // namespace velmora
