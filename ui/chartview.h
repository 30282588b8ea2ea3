#pragma once

#include "flow/fanno.h"
#include "ui/chartwindow.h"

#include <string>
#include <utility>
#include <vector>

namespace velmora {

// The chart as the window uses it: drawn and marked on the window's picture box, with
// the words a screen reader reads for it kept in step with what it shows: the curve's γ
// and the marked points.
class ChartView {
public:
    // Describes the empty chart to the window at once.
    explicit ChartView(ChartWindow& window);

    // Draws the whole chart for the γ in flow; earlier markers go.
    void draw(const FlowState& flow);
    // Marks the point of Mach number M and friction parameter F.
    void mark(double M, double F);

    [[nodiscard]] std::string description() const;
    // Whether anything was drawn, and so the caption shown.
    [[nodiscard]] bool drawn() const { return drawn_; }

private:
    ChartWindow& window_;
    bool drawn_ = false;
    double gama_ = 0.0;
    std::vector<std::pair<double, double>> marks_;
};

} // namespace velmora
