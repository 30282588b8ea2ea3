#include "ui/chartview.h"

#include "chart/frictionchart.h"
#include "text/numbertext.h"

namespace velmora {

ChartView::ChartView(ChartWindow& window) : window_(window) { window_.describeChart(description()); }

void ChartView::draw(const FlowState& flow)
{
    FLD4_Graph(flow, window_.chart());
    drawn_ = true;
    gama_ = flow.gama;
    marks_.clear();
    window_.describeChart(description());
}

void ChartView::mark(double M, double F)
{
    Mark_Point(window_.chart(), M, F);
    marks_.emplace_back(M, F);
    window_.describeChart(description());
}

std::string ChartView::description() const
{
    if (!drawn_)
        return "Nothing drawn yet";
    const std::string separator = window_.decimalSeparator();
    std::string text = "γ = " + resultText(gama_, separator) + "; ";
    if (marks_.empty())
        return text + "nothing marked";
    text += "marked: ";
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const auto& [mach, friction] = marks_[i];
        text += (i > 0 ? "; M = " : "M = ") + resultText(mach, separator) +
                ", 4fL*/D = " + resultText(friction, separator);
    }
    return text;
}

} // namespace velmora
