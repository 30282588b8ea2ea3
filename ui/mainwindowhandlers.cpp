#include "ui/mainwindowhandlers.h"

#include "ui/calculatecommand.h"
#include "ui/inputmodes.h"

namespace velmora {

MainWindowHandlers::MainWindowHandlers(MainWindow& window)
    : window_(window), flow_(loadedFlowState()), chart_(window)
{
}

void MainWindowHandlers::optionSelected(Option option) { applyInputMode(window_, option); }

void MainWindowHandlers::calculateClicked() { runCalculateCommand(flow_, window_, chart_); }

// The chart redraws with the γ last stored, not with whatever the γ box holds now.
void MainWindowHandlers::chartClicked()
{
    chart_.draw(flow_);
    chart_.mark(1.0, 0.0);
}

void MainWindowHandlers::aboutClicked() { window_.showAboutWindow(); }

} // namespace velmora
