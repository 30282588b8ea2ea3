#pragma once

#include "flow/fanno.h"

#include <QString>

#include <utility>
#include <vector>

namespace velmora {

class PictureBox;

// The chart as the window uses it: drawn and marked on the picture box, with the picture
// box's accessible description kept in step with what the chart shows, so a screen
// reader can tell the curve's γ and the marked points.
class ChartView {
public:
    explicit ChartView(PictureBox& picture);

    // Draws the whole chart for the γ in flow; earlier markers go.
    void draw(const FlowState& flow);
    // Marks the point of Mach number M and friction parameter F.
    void mark(double M, double F);

    [[nodiscard]] QString description() const;

private:
    PictureBox& picture_;
    bool drawn_ = false;
    double gama_ = 0.0;
    std::vector<std::pair<double, double>> marks_;
};

} // namespace velmora
