#include "web/pageproblemswindow.h"

#include "ui/controltable.h"
#include "ui/placement.h"
#include "web/keyevents.h"
#include "web/pageids.h"

#include <emscripten/html5.h>

#include <charconv>
#include <variant>

namespace velmora {

namespace {

std::string idOf(std::string_view name) { return pageid::part(pageid::problemsWindow, name); }

// Stopped where the key does nothing.
EM_BOOL onKey(int, const EmscriptenKeyboardEvent* event, void* target)
{
    const auto& [window, control] = *static_cast<const PageProblemsWindow::Target*>(target);
    ProblemsWindowHandlers* handlers = window->handlers();
    return handlers && handlers->keyPressed(keyOf(*event), control) == KeyResponse::Nothing;
}

// The chart's point is taken from the corner inside its border: where a narrow screen
// shows the drawing smaller, its caption keeps its size and place.
EM_BOOL onClick(int, const EmscriptenMouseEvent* event, void* target)
{
    const auto& [window, control] = *static_cast<const PageProblemsWindow::Target*>(target);
    if (ProblemsWindowHandlers* handlers = window->handlers())
        handlers->clicked(control, event->targetX - pictureBorder, event->targetY - pictureBorder);
    return EM_FALSE;
}

} // namespace

PageProblemsWindow::PageProblemsWindow(Messenger& messenger)
    : messenger_(messenger), dialog_(pageid::problemsWindow),
      close_(pageid::part(pageid::problemsWindow, pageid::close)), announcement_(pageid::announcement)
{
    const std::span<const ControlSpec> table = problemsWindowControls();
    complete_ = dialog_.exists() && close_.exists();
    for (const ControlSpec& row : table) {
        if (!row.builds.control)
            continue;
        const dom::Element element(idOf(row.name));
        complete_ = complete_ && element.exists();
        if (const auto* box = std::get_if<ProblemsBox>(&*row.builds.control))
            boxes_[*box] = element;
        else if (std::holds_alternative<Choice>(*row.builds.control))
            choice_ = element;
        else if (row.builds.kind == ControlKind::PictureBox) {
            chartDescription_ = dom::Element(pageid::part(idOf(row.name), pageid::description));
            const ControlSpec* caption = chartCaption(table);
            chart_ = std::make_unique<SvgSurface>(dom::Element(pageid::part(idOf(row.name), pageid::drawing)),
                                                  dom::Element(caption ? idOf(caption->name) : ""),
                                                  drawingArea(row));
            complete_ = complete_ && chartDescription_.exists();
        }
        if (takesFocus(row.builds.kind))
            targets_.push_back({this, *row.builds.control});
    }
    close_.listen(
        "click", [](void* dialog) { static_cast<dom::Element*>(dialog)->call("close"); }, &dialog_);
    if (!complete_)
        return; // the page has said what it lacks, and the window stays without behaviour
    handlers_ = std::make_unique<ProblemsWindowHandlers>(*this);
    // Every event goes to the handlers as it comes; they decide what it does.
    for (Target& target : targets_) {
        const std::string selector = "#" + idOf(nameOf(target.control));
        emscripten_set_keydown_callback(selector.c_str(), &target, false, &onKey);
        emscripten_set_click_callback(selector.c_str(), &target, false, &onClick);
    }
}

// As it was closed, as a desktop window shown again is: the texts, the choice, the chart
// and the gas kept.
void PageProblemsWindow::open() { dialog_.call("show"); }

std::size_t PageProblemsWindow::knownEntry() const
{
    const std::string index = choice_.get("selectedIndex");
    std::size_t entry = 0; // none chosen: the first, as the window opens
    std::from_chars(index.data(), index.data() + index.size(), entry);
    return entry;
}

// The browser's number formats are loaded on first use.
std::string PageProblemsWindow::decimalSeparator() const
{
    if (!decimalSeparator_)
        decimalSeparator_ = dom::decimalSeparator();
    return *decimalSeparator_;
}

} // namespace velmora
