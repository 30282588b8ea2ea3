#pragma once

#include "chart/drawingsurface.h"

#include <string>
#include <string_view>

namespace velmora {

// What a window with a friction chart gives the chart: its picture box, the words that
// tell a screen reader what the chart shows, and the user's decimal separator for them.
class ChartWindow {
public:
    virtual ~ChartWindow() = default;

    // The user's decimal separator, for results.
    [[nodiscard]] virtual std::string decimalSeparator() const = 0;
    // Picture1's drawing, and the words that tell a screen reader what it shows.
    virtual DrawingSurface& chart() = 0;
    virtual void describeChart(std::string_view description) = 0;
};

} // namespace velmora
