#pragma once

// What the main window does, as handlers of its events: the load step, an option chosen,
// the calculate button, a click on the chart, a key and the About and Problems menu entries. A binding
// calls them with each event as its controls report it, and decides nothing itself: which
// of them count and what a key does are settled here. They read and write the window
// only through MainWindow, and hold the window's FlowState. No arithmetic here.

#include "flow/fanno.h"
#include "ui/chartview.h"
#include "ui/keys.h"
#include "ui/mainwindow.h"

#include <optional>

namespace velmora {

class MainWindowHandlers {
public:
    // Runs the load step: the gas of a new window (γ = 1.4), and nothing on screen. The
    // window must outlive the handlers.
    explicit MainWindowHandlers(MainWindow& window);

    // The user clicked option, by mouse, keyboard or touch; the option already chosen
    // changes nothing.
    void optionSelected(Option option);
    // Tells a screen reader the results it wrote.
    void calculateClicked();
    // A click at (x, y), in pixels from the top left of the chart's drawing area; one on
    // the caption over the drawing runs nothing.
    void chartClicked(double x, double y);
    void aboutClicked();
    // The Problems menu entry: the program's one Fanno problems window, shown as About is.
    void problemsClicked();
    // A click on any control, for a binding whose controls report their clicks alike: each
    // goes where its kind says, (x, y) as chartClicked takes it.
    void clicked(const Control& control, double x, double y);
    // A key pressed in the control that has the focus.
    [[nodiscard]] KeyResponse keyPressed(Key key, const Control& focused) const;

    [[nodiscard]] const FlowState& flowState() const { return flow_; }

private:
    MainWindow& window_;
    FlowState flow_;
    ChartView chart_;
    std::optional<Option> chosen_;
};

} // namespace velmora
