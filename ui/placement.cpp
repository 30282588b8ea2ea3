#include "ui/placement.h"

#include <algorithm>

namespace velmora {

namespace {

const ControlSpec* rowNamed(std::span<const ControlSpec> table, std::string_view name)
{
    for (const ControlSpec& row : table)
        if (row.name == name)
            return &row;
    return nullptr;
}

bool isPicture(const ControlSpec* row) { return row && row->builds.kind == ControlKind::PictureBox; }

} // namespace

PixelPlace placeInContainer(std::span<const ControlSpec> table, const ControlSpec& row)
{
    const int inset = isPicture(rowNamed(table, row.container)) ? pictureBorder : 0;
    return {inset + pixelsFromTwips(row.left), inset + pixelsFromTwips(row.top), pixelsFromTwips(row.width),
            pixelsFromTwips(row.height)};
}

PixelPlace placeInClient(std::span<const ControlSpec> table, const ControlSpec& row)
{
    PixelPlace place = placeInContainer(table, row);
    for (const ControlSpec* outer = rowNamed(table, row.container); outer;
         outer = rowNamed(table, outer->container)) {
        const PixelPlace corner = placeInContainer(table, *outer);
        place.x += corner.x;
        place.y += corner.y;
    }
    return place;
}

std::vector<const ControlSpec*> tabOrder(std::span<const ControlSpec> table)
{
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& row : table)
        if (takesFocus(row.builds.kind))
            order.push_back(&row);
    // Rows of one tab index keep the table's order. Not std::ranges: the browser build's
    // standard library has no ranges algorithms.
    std::sort(order.begin(), order.end(), [](const ControlSpec* a, const ControlSpec* b) {
        return a->tabIndex != b->tabIndex ? a->tabIndex < b->tabIndex : a < b;
    });
    return order;
}

std::vector<const ControlSpec*> rowsInside(std::span<const ControlSpec> table, std::string_view container)
{
    std::vector<const ControlSpec*> inside;
    for (const ControlSpec& row : table)
        if (row.container == container)
            inside.push_back(&row);
    return inside;
}

const ControlSpec* chartCaption(std::span<const ControlSpec> table)
{
    for (const ControlSpec& row : table)
        if (row.builds.kind == ControlKind::Label && isPicture(rowNamed(table, row.container)))
            return &row;
    return nullptr;
}

PixelPlace chartCaptionPlace(std::span<const ControlSpec> table)
{
    const ControlSpec* caption = chartCaption(table);
    if (!caption)
        return {};
    return {pixelsFromTwips(caption->left), pixelsFromTwips(caption->top), pixelsFromTwips(caption->width),
            pixelsFromTwips(caption->height)};
}

PixelPlace drawingArea(const ControlSpec& picture)
{
    return {pictureBorder, pictureBorder, pixelsFromTwips(picture.width) - 2 * pictureBorder,
            pixelsFromTwips(picture.height) - 2 * pictureBorder};
}

} // namespace velmora
