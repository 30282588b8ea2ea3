#include "web/pagemarkup.h"

#include "text/systemtexts.h"
#include "ui/accessiblenames.h"
#include "ui/controltable.h"
#include "ui/placement.h"
#include "web/layout.h"
#include "web/markup.h"
#include "web/pageids.h"

#include <algorithm>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace velmora {

namespace {

// A text input that phones open with a full keyboard: the numbers the window reads may
// have a sign, a point and an exponent, which no numeric keypad offers everywhere (a German
// iPhone's offers only a comma, which ends a number here).
Attributes boxAttributes(const ControlSpec& row)
{
    return {{"class", rowClasses("box", row)},
            {"type", "text"},
            {"inputmode", "text"},
            {"autocomplete", "off"},
            {"autocapitalize", "off"},
            {"autocorrect", "off"},
            {"spellcheck", "false"},
            {"value", std::string(row.text)}};
}

// The element id of a control of a window's table: its row's name, after the window's own
// id where the window shares names with the main window.
std::string elementId(std::string_view window, std::string_view name)
{
    return window.empty() ? std::string(name) : pageid::part(window, name);
}

// A result box is read-only: the keyboard and a screen reader still reach it.
bool readOnly(const ControlSpec& row)
{
    const auto* box = row.builds.control ? std::get_if<ProblemsBox>(&*row.builds.control) : nullptr;
    return box && !takesInput(*box);
}

// Every control is placed in the client area itself, whatever frame it is drawn in, so
// that the document's order can be the desktop's tab order: the frames and labels first,
// beneath everything, then the controls that take focus in ascending tab index. Only the
// options stay inside their frame, the radio group named by its caption; a frame with a
// caption and no options is drawn with it. Every element has its row's name as its id,
// after window's where it is given.
void writeControls(Markup& markup, std::span<const ControlSpec> table, std::string_view window = {})
{
    const ControlSpec* const chartLabel = chartCaption(table);
    const auto inClient = [&](const ControlSpec& row) { return rowCss(row, placeInClient(table, row)); };
    const auto idOf = [&](std::string_view name) { return elementId(window, name); };
    std::map<std::string_view, const ControlSpec*> groups; // frames with a caption: radio groups
    for (const ControlSpec& row : table)
        if (row.builds.kind == ControlKind::OptionButton)
            for (const ControlSpec& frame : table)
                if (frame.name == row.container && frame.builds.kind == ControlKind::Frame &&
                    !frame.text.empty())
                    groups.emplace(frame.name, &frame);

    for (const ControlSpec& row : table) {
        if (takesFocus(row.builds.kind) || &row == chartLabel) // the chart's caption goes with the chart
            continue;
        if (groups.count(row.name))
            continue; // written with its first option
        // The boxes carry full names; the labels beside them are for the eye.
        if (row.builds.kind == ControlKind::Frame) {
            const std::string id = idOf(row.name);
            markup.open("div", {{"class", rowClasses(row.text.empty() ? "frame" : "frame captioned", row)},
                                {"id", id},
                                {"aria-hidden", "true"}});
            if (!row.text.empty())
                markup.element("span", {{"class", "frame-caption"}}, row.text);
            markup.close("div");
            markup.style(id, inClient(row));
        } else {
            writeLabel(markup, row, idOf(row.name), placeInClient(table, row), {{"aria-hidden", "true"}});
        }
    }

    const ControlSpec* openGroup = nullptr;
    for (const ControlSpec* row : tabOrder(table)) {
        const std::string id = idOf(row->name);
        const auto group = groups.find(row->container);
        const ControlSpec* ownGroup =
            row->builds.kind == ControlKind::OptionButton && group != groups.end() ? group->second : nullptr;
        if (openGroup && openGroup != ownGroup) {
            markup.close("fieldset");
            openGroup = nullptr;
        }
        if (ownGroup && !openGroup) {
            const std::string groupId = idOf(ownGroup->name);
            markup.open("fieldset", {{"class", rowClasses("frame group", *ownGroup)},
                                     {"id", groupId},
                                     {"role", "radiogroup"},
                                     {"aria-labelledby", pageid::part(groupId, pageid::caption)}});
            markup.style(groupId, inClient(*ownGroup));
            markup.element("legend",
                           {{"class", "frame-caption"}, {"id", pageid::part(groupId, pageid::caption)}},
                           ownGroup->text);
            openGroup = ownGroup;
        }

        Attributes named;
        if (row->builds.control)
            if (const AccessibleText* text = accessibleTextOf(*row->builds.control)) {
                named.push_back({"aria-label", std::string(text->name)});
                if (!text->description.empty()) {
                    markup.element("span", {{"id", pageid::part(id, pageid::description)}, {"hidden", ""}},
                                   text->description);
                    named.push_back({"aria-describedby", pageid::part(id, pageid::description)});
                }
            }
        const auto withNamed = [&](Attributes attributes) {
            attributes.push_back({"id", id});
            if (!row->visible && row->builds.kind != ControlKind::OptionButton)
                attributes.push_back({"hidden", ""});
            attributes.insert(attributes.end(), named.begin(), named.end());
            return attributes;
        };

        switch (row->builds.kind) {
        case ControlKind::TextBox: {
            Attributes box = withNamed(boxAttributes(*row));
            if (readOnly(*row))
                box.push_back({"readonly", ""});
            markup.open("input", box);
            markup.style(id, inClient(*row));
            break;
        }
        case ControlKind::CommandButton:
            markup.element("button", withNamed({{"class", rowClasses("command", *row)}, {"type", "button"}}),
                           row->text);
            markup.style(id, inClient(*row));
            break;
        case ControlKind::OptionButton: {
            const std::string optionId = pageid::part(id, pageid::option);
            Attributes option{{"class", rowClasses("option", *row)}, {"id", optionId}};
            if (!row->visible)
                option.push_back({"hidden", ""});
            markup.open("label", option);
            markup.open("input", withNamed({{"type", "radio"}, {"name", "input-mode"}}));
            markup.element("span", {}, row->text);
            markup.close("label");
            // Inside its group, placed from the group's corner.
            markup.style(optionId, ownGroup ? rowCss(*row, placeInContainer(table, *row)) : inClient(*row));
            break;
        }
        case ControlKind::ComboBox: {
            // A native choice, which a phone shows in its own picker.
            markup.open("select", withNamed({{"class", rowClasses("choice", *row)}}));
            for (const KnownQuantityEntry& entry : knownQuantityEntries())
                markup.element("option", {}, entry.text);
            markup.close("select");
            markup.style(id, inClient(*row));
            break;
        }
        case ControlKind::PictureBox: {
            // Described by what the chart shows, which changes with every calculation.
            const std::string description = pageid::part(id, pageid::description);
            markup.element("span", {{"id", description}, {"hidden", ""}});
            Attributes picture =
                withNamed({{"class", rowClasses("picture", *row)}, {"role", "img"}, {"tabindex", "0"}});
            picture.push_back({"aria-describedby", description});
            markup.open("div", picture);
            const PixelPlace area = drawingArea(*row);
            const std::string width = std::to_string(area.width), height = std::to_string(area.height);
            markup.element("svg", {{"id", pageid::part(id, pageid::drawing)},
                                   {"aria-hidden", "true"},
                                   {"viewBox", "0 0 " + width + " " + height},
                                   {"width", width},
                                   {"height", height}});
            for (const ControlSpec* inside : rowsInside(table, row->name))
                writeLabel(markup, *inside, idOf(inside->name), placeInContainer(table, *inside));
            markup.close("div");
            markup.style(id, inClient(*row));
            break;
        }
        case ControlKind::Frame:
        case ControlKind::Label:
            break;
        }
    }
    if (openGroup)
        markup.close("fieldset");
}

// A window of its own, not modal, closed until the menu opens it: beside the main window
// (below it where the screen is narrow), with its title and a button that closes it.
// Its ids follow the window's, since its controls' names are the main window's too.
void openDialog(Markup& markup, const std::string& window, std::string_view classes, std::string_view title,
                int width, int height, const std::string& background = {})
{
    markup.open("dialog", {{"class", "window " + std::string(classes)},
                           {"id", window},
                           {"aria-labelledby", pageid::part(window, pageid::title)}});
    markup.open("div", {{"class", "title-bar"}});
    markup.element("h2", {{"class", "title"}, {"id", pageid::part(window, pageid::title)}}, title);
    markup.element("button",
                   {{"class", "close"},
                    {"id", pageid::part(window, pageid::close)},
                    {"type", "button"},
                    {"aria-label", "Close"}},
                   "×");
    markup.close("div");
    const std::string client = pageid::part(window, pageid::client);
    markup.open("div", {{"class", "client " + std::string(classes) + "-client"}, {"id", client}});
    // In the flow of the dialog, not placed in it as the controls are.
    markup.style(client, "position:relative;width:" + std::to_string(pixelsFromTwips(width)) +
                             "px;height:" + std::to_string(pixelsFromTwips(height)) + "px;" + background);
}

void closeDialog(Markup& markup)
{
    markup.close("div");
    markup.close("dialog");
}

// On a screen narrower than the window, its frames stand one below the other at the first
// one's left, and what lies below them follows, no wider than the first: the chart keeps
// its proportions. A phone shows the whole window so, without sideways scrolling. These
// are the places that change, in the client area, and the client area's size.
struct NarrowLayout {
    std::map<const ControlSpec*, PixelPlace> places;
    int width = 0, height = 0;
};

// The row's outermost container, or the row itself at the top level.
const ControlSpec* topLevelOf(std::span<const ControlSpec> table, const ControlSpec& row)
{
    const ControlSpec* top = &row;
    while (!top->container.empty()) {
        const ControlSpec* outer = nullptr;
        for (const ControlSpec& candidate : table)
            if (candidate.name == top->container)
                outer = &candidate;
        if (!outer)
            break;
        top = outer;
    }
    return top;
}

NarrowLayout narrowLayout(std::span<const ControlSpec> table, int clientHeight)
{
    std::vector<const ControlSpec*> frames;
    for (const ControlSpec& row : table)
        if (row.container.empty() && row.builds.kind == ControlKind::Frame)
            frames.push_back(&row);
    std::sort(frames.begin(), frames.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->left < b->left; });
    NarrowLayout narrow;
    if (frames.empty())
        return narrow;
    const PixelPlace first = placeInClient(table, *frames.front());
    int framesBottom = 0, below = clientHeight;
    for (const ControlSpec* frame : frames) {
        const PixelPlace place = placeInClient(table, *frame);
        framesBottom = std::max(framesBottom, place.y + place.height);
    }
    for (const ControlSpec& row : table)
        if (row.container.empty() && row.builds.kind != ControlKind::Frame && row.top >= frames.front()->top)
            below = std::min(below, placeInClient(table, row).y);
    const int gap = below - framesBottom;

    // Each frame's shift, and the rows below them all moved down by what the frames grew.
    std::map<const ControlSpec*, std::pair<int, int>> shifts;
    int top = first.y;
    for (const ControlSpec* frame : frames) {
        const PixelPlace place = placeInClient(table, *frame);
        shifts[frame] = {first.x - place.x, top - place.y};
        top += place.height + gap;
    }
    const int grown = top - gap - framesBottom;
    int bottom = 0, tableBottom = 0;
    for (const ControlSpec& row : table) {
        const ControlSpec* outer = topLevelOf(table, row);
        // Rows inside a picture are placed from its corner, and move with it.
        if (outer != &row && outer->builds.kind != ControlKind::Frame)
            continue;
        PixelPlace place = placeInClient(table, row);
        tableBottom = std::max(tableBottom, place.y + place.height);
        if (const auto shift = shifts.find(outer); shift != shifts.end()) {
            place.x += shift->second.first;
            place.y += shift->second.second;
        } else if (row.top >= frames.front()->top) {
            place.y += grown;
            if (place.width > first.width) {
                if (row.builds.kind == ControlKind::PictureBox) {
                    const PixelPlace area = drawingArea(row);
                    const int inner = first.width - 2 * pictureBorder;
                    place.height = 2 * pictureBorder + inner * area.height / area.width;
                }
                place.x = first.x;
                place.width = first.width;
            }
        }
        bottom = std::max(bottom, place.y + place.height);
        if (place != placeInClient(table, row))
            narrow.places[&row] = place;
    }
    narrow.width = 2 * first.x + first.width;
    narrow.height = bottom + clientHeight - tableBottom; // the table's margin below
    return narrow;
}

// Where the page is narrower than the window with the page's margins, its border and a
// scroll bar.
constexpr int pageMargins = 40;

void writeNarrowPlaces(Markup& markup, std::span<const ControlSpec> table, const std::string& window,
                       int width, int height)
{
    const NarrowLayout narrow = narrowLayout(table, pixelsFromTwips(height));
    if (narrow.places.empty())
        return;
    const std::string media =
        "@media (max-width: " + std::to_string(pixelsFromTwips(width) + pageMargins - 1) + "px)";
    markup.style(pageid::part(window, pageid::client),
                 "width:" + std::to_string(narrow.width) + "px;height:" + std::to_string(narrow.height) +
                     "px;",
                 media);
    for (const auto& [row, place] : narrow.places) {
        const std::string id = elementId(window, row->name);
        markup.style(id, placementCss(place.x, place.y, place.width, place.height), media);
        if (row->builds.kind == ControlKind::PictureBox) // its drawing scaled to fit
            markup.style(pageid::part(id, pageid::drawing),
                         "width:" + std::to_string(place.width - 2 * pictureBorder) +
                             "px;height:" + std::to_string(place.height - 2 * pictureBorder) + "px;",
                         media);
    }
}

void writeAboutWindow(Markup& markup)
{
    const std::string about(pageid::aboutWindow);
    openDialog(markup, about, "about", aboutCaption, aboutWindowWidth, aboutWindowHeight,
               "background-color:" + cssColour(aboutBackground) + ";");
    for (const ControlSpec& row : aboutWindowControls())
        writeLabel(markup, row, pageid::part(about, row.name), placeInContainer(aboutWindowControls(), row));
    closeDialog(markup);
}

void writeProblemsWindow(Markup& markup)
{
    openDialog(markup, pageid::problemsWindow, "problems", problemsTitle, problemsWindowWidth,
               problemsWindowHeight);
    writeControls(markup, problemsWindowControls(), pageid::problemsWindow);
    closeDialog(markup);
    writeNarrowPlaces(markup, problemsWindowControls(), pageid::problemsWindow, problemsWindowWidth,
                      problemsWindowHeight);
}

} // namespace

Markup pageMarkup()
{
    using pageid::part;
    const std::string main(pageid::mainWindow);
    const std::string message(pageid::message);
    Markup markup;
    // Inert until the program has bound the controls: seen at once, used once they work.
    markup.open("div", {{"class", "windows"}, {"id", std::string(pageid::windows)}, {"inert", ""}});
    markup.open(
        "section",
        {{"class", "window main-window"}, {"id", main}, {"aria-labelledby", part(main, pageid::title)}});
    markup.open("div", {{"class", "title-bar"}});
    markup.element("h1", {{"class", "title"}, {"id", part(main, pageid::title)}}, applicationTitle);
    markup.close("div");
    markup.open("div", {{"class", "menu-bar"}, {"role", "menubar"}, {"aria-label", "Menu"}});
    markup.element("button",
                   {{"class", "menu-entry"},
                    {"id", std::string(pageid::aboutEntry)},
                    {"type", "button"},
                    {"role", "menuitem"}},
                   aboutCaption);
    markup.element("button",
                   {{"class", "menu-entry"},
                    {"id", std::string(pageid::problemsEntry)},
                    {"type", "button"},
                    {"role", "menuitem"}},
                   problemsCaption);
    markup.close("div");
    markup.open("div", {{"class", "client"}, {"id", part(main, pageid::client)}});
    markup.style(part(main, pageid::client),
                 placementCss(0, 0, pixelsFromTwips(mainWindowWidth), pixelsFromTwips(mainWindowHeight)));
    writeControls(markup, mainWindowControls());
    markup.close("div");
    markup.close("section");
    writeAboutWindow(markup);
    writeProblemsWindow(markup);
    markup.close("div");

    markup.open("dialog", {{"class", "window message"},
                           {"id", message},
                           {"aria-labelledby", part(message, pageid::title)},
                           {"aria-describedby", part(message, pageid::text)}});
    markup.element("h2", {{"class", "title-bar title"}, {"id", part(message, pageid::title)}},
                   applicationTitle);
    markup.element("p", {{"class", "message-text font-interface"}, {"id", part(message, pageid::text)}});
    markup.element(
        "button",
        {{"class", "message-ok font-interface"}, {"id", part(message, pageid::ok)}, {"type", "button"}},
        "OK");
    markup.close("dialog");
    markup.element("div", {{"class", "visually-hidden"},
                           {"id", std::string(pageid::announcement)},
                           {"role", "status"},
                           {"aria-live", "polite"}});
    return markup;
}

} // namespace velmora
