#pragma once

// What the Fanno problems window does, as handlers of its events: the two solve buttons,
// a click on the chart and a key. A binding calls them with each event as its controls
// report it and decides nothing itself. They read and write the window only through
// ProblemsWindow and hold the window's own gas, apart from the main window's.
//
// Every input is read by the leading-number rule and every result written as result text.
// A bad input (γ not above 1, a value outside its range, an M1 not above 0, a negative
// 4fL/D, a duct that chokes, a result beyond the double range) shows one message and
// leaves every result box of its section empty.

#include "flow/fanno.h"
#include "ui/chartview.h"
#include "ui/keys.h"
#include "ui/problemswindow.h"

namespace velmora {

class ProblemsWindowHandlers {
public:
    // The window's gas starts at γ = 1.4 and nothing is drawn. The window must outlive
    // the handlers.
    explicit ProblemsWindowHandlers(ProblemsWindow& window);

    // Solves the chosen known quantity: every quantity of its Mach number, the chart
    // marked there.
    void solveClicked();
    // Solves the duct from M1 and its 4fL/D: the outlet and the longest duct, the chart
    // marked at M1 and M2.
    void solveDuctClicked();
    // A click at (x, y), in pixels from the top left of the chart's drawing area; one on
    // the caption over the drawing runs nothing.
    void chartClicked(double x, double y);
    // A click on any control, for a binding whose controls report their clicks alike.
    void clicked(const Control& control, double x, double y);
    // A key pressed in the control that has the focus.
    [[nodiscard]] KeyResponse keyPressed(Key key, const Control& focused) const;

    [[nodiscard]] const FlowState& flowState() const { return flow_; }

private:
    ProblemsWindow& window_;
    FlowState flow_;
    ChartView chart_;
};

} // namespace velmora
