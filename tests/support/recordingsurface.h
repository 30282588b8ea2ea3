#pragma once

#include "chart/drawingsurface.h"

#include <optional>
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

    std::vector<Request> requests;
};

} // namespace velmora::testing
