#pragma once

#include "chart/drawingsurface.h"
#include "chart/frictionchart.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::testing {

// A drawing surface that keeps every request in order instead of drawing it.
class RecordingSurface final : public DrawingSurface {
public:
    enum class Kind { Clear, Scale, Line, Circle, Caption };
    struct Request {
        Kind kind;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // circle: centre in x1, y1
        float radius = 0;
        std::optional<Rgb> colour;
        friend bool operator==(const Request&, const Request&) = default;
    };

    void clear() override { requests.push_back({Kind::Clear, 0, 0, 0, 0, 0, std::nullopt}); }
    void setScale(float x1, float y1, float x2, float y2) override
    {
        requests.push_back({Kind::Scale, x1, y1, x2, y2, 0, std::nullopt});
    }
    void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override
    {
        requests.push_back({Kind::Line, x1, y1, x2, y2, 0, colour});
    }
    void circle(float x, float y, float radius, Rgb colour) override
    {
        requests.push_back({Kind::Circle, x, y, 0, 0, radius, colour});
    }
    void showCaption() override { requests.push_back({Kind::Caption, 0, 0, 0, 0, 0, std::nullopt}); }

    // The chart as it stands: what was drawn since it was last cleared.
    [[nodiscard]] std::vector<Request> sinceLastClear() const
    {
        auto start = requests.end();
        while (start != requests.begin() && std::prev(start)->kind != Kind::Clear)
            --start;
        if (start != requests.begin())
            --start;
        return {start, requests.end()};
    }
    // The markers on the chart, at (M, 4fL*/D).
    [[nodiscard]] std::vector<std::pair<double, double>> markers() const
    {
        std::vector<std::pair<double, double>> found;
        for (const Request& r : sinceLastClear())
            if (r.kind == Kind::Circle)
                found.emplace_back(r.x1, -double(r.y1));
        return found;
    }
    // Whether the chart shows the curve of this γ and nothing but its markers besides.
    [[nodiscard]] bool showsCurveFor(double gama) const
    {
        FlowState flow;
        flow.set_gama(gama);
        RecordingSurface expected;
        FLD4_Graph(flow, expected);
        std::vector<Request> now = sinceLastClear();
        std::erase_if(now, [](const Request& r) { return r.kind == Kind::Circle; });
        return now == expected.requests;
    }

    std::vector<Request> requests;
};

} // namespace velmora::testing
