#pragma once

// What the main window does, as handlers of its events: the load step, an option chosen,
// the calculate button, a click on the chart and the About menu entry. A binding calls
// them as its controls report the user's actions; they read and write the window only
// through MainWindow, and hold the window's FlowState. No arithmetic here.

#include "flow/fanno.h"
#include "ui/chartview.h"
#include "ui/mainwindow.h"

namespace velmora {

class MainWindowHandlers {
public:
    // Runs the load step: the gas of a new window (γ = 1.4), and nothing on screen. The
    // window must outlive the handlers.
    explicit MainWindowHandlers(MainWindow& window);

    // The user selected option, by mouse, keyboard or touch.
    void optionSelected(Option option);
    void calculateClicked();
    void chartClicked();
    void aboutClicked();

    [[nodiscard]] const FlowState& flowState() const { return flow_; }

private:
    MainWindow& window_;
    FlowState flow_;
    ChartView chart_;
};

} // namespace velmora
