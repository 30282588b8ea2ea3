#pragma once

#include "flow/fanno.h"
#include "ui/chartview.h"
#include "ui/mainwindow.h"

#include <vector>

namespace velmora {

// The calculate button: reads γ and the input of the selected mode by the leading-number
// rule, computes through the flow relations (M mode) or the two Mach searches (4fL*/D
// mode), writes the results as result text, and redraws and marks the chart.
//
// It ends with a message, keeping what it did before it, when γ is not a finite number
// above 1 (FlowState keeps its γ), when no mode is selected, when an M reads as 0 or is
// negative, and when an input or a result is not finite (then before any box is written
// or the chart drawn). A search without a solution shows "****" in its box and marks nothing.
// Returns the boxes it wrote, in order.
std::vector<Box> runCalculateCommand(FlowState& flow, MainWindow& window, ChartView& chart);

} // namespace velmora
