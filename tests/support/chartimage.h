#pragma once

// Reading the chart back from the pixels of the real picture box.

#include "qt/picturebox.h"

#include <QColor>
#include <QImage>
#include <QPointF>

#include <cmath>
#include <optional>
#include <vector>

namespace velmora::testing {

// The drawing area inside the border as painted on the screen, one pixel a logical pixel.
inline QImage chartArea(PictureBox& picture)
{
    const QImage image = picture.grab(picture.contentsRect()).toImage();
    return image.scaled(picture.contentsRect().size());
}

inline bool isBlue(QColor c) { return c.blue() - c.red() > 60 && c.blue() - c.green() > 60; }
inline bool isRed(QColor c) { return c.red() > 200 && c.green() < 160 && c.blue() < 140; }
inline bool isGrey(QColor c)
{
    return std::abs(c.red() - 200) < 12 && c.red() == c.green() && c.green() == c.blue();
}
inline bool isDark(QColor c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }

// Where chart point (M, F) lies, as fractions of the drawing area's width and height.
inline QPointF chartPoint(double mach, double friction)
{
    return {(mach + 0.5) / 5.5, (-friction + 8.0) / 9.0};
}

// The centre of all pixels that pass the test, as fractions of the area's size.
inline std::optional<QPointF> centreOf(const QImage& image, bool (*test)(QColor))
{
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y))) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
    if (n == 0)
        return std::nullopt;
    return QPointF(sx / n / image.width(), sy / n / image.height());
}

// Whether a pixel within `reach` pixels of the fractional position passes the test.
inline bool near(const QImage& image, QPointF fraction, bool (*test)(QColor), int reach = 1)
{
    const int cx = int(fraction.x() * image.width());
    const int cy = int(fraction.y() * image.height());
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (image.rect().contains(cx + dx, cy + dy) && test(image.pixelColor(cx + dx, cy + dy)))
                return true;
    return false;
}

// Whether every marker on the chart stands at one of the given chart points and each of
// them carries one: blue pixels only within reach pixels of the points, and at each one. A
// wider chart draws wider markers: their radius is in horizontal units.
inline bool markersAt(const QImage& image, const std::vector<QPointF>& points, int reach = 4)
{
    for (const QPointF& p : points)
        if (!near(image, chartPoint(p.x(), p.y()), isBlue, reach))
            return false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!isBlue(image.pixelColor(x, y)))
                continue;
            bool claimed = false;
            for (const QPointF& p : points) {
                const QPointF f = chartPoint(p.x(), p.y());
                claimed = claimed || (std::abs(x - f.x() * image.width()) <= reach + 1 &&
                                      std::abs(y - f.y() * image.height()) <= reach + 1);
            }
            if (!claimed)
                return false;
        }
    return true;
}

} // namespace velmora::testing
