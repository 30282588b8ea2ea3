#include "web/pagewindow.h"

#include "ui/controltable.h"
#include "ui/placement.h"
#include "web/aboutdialog.h"
#include "web/keyevents.h"
#include "web/pageids.h"
#include "web/pageproblemswindow.h"

#include <emscripten/html5.h>

namespace velmora {

namespace {

// Stopped where the key does nothing.
EM_BOOL onKey(int, const EmscriptenKeyboardEvent* event, void* target)
{
    const auto& [handlers, control] = *static_cast<const PageWindow::Target*>(target);
    return handlers->keyPressed(keyOf(*event), control) == KeyResponse::Nothing;
}

// The chart's point is taken from the corner inside its border.
EM_BOOL onClick(int, const EmscriptenMouseEvent* event, void* target)
{
    const auto& [handlers, control] = *static_cast<const PageWindow::Target*>(target);
    handlers->clicked(control, event->targetX - pictureBorder, event->targetY - pictureBorder);
    return EM_FALSE;
}

} // namespace

PageWindow::PageWindow(AboutWindowReference& about, ProblemsWindowReference& problems)
    : about_(about), problems_(problems), announcement_(pageid::announcement)
{
    const dom::Element windows(pageid::windows);
    bool complete = windows.exists() && announcement_.exists() && messages_.complete();
    for (const ControlSpec& row : mainWindowControls()) {
        if (!row.builds.control)
            continue;
        const dom::Element& element = elements_[*row.builds.control] = dom::Element(std::string(row.name));
        complete = complete && element.exists();
        if (row.builds.kind == ControlKind::PictureBox) {
            chartDescription_ = dom::Element(pageid::part(row.name, pageid::description));
            const ControlSpec* caption = chartCaption(mainWindowControls());
            chart_ = std::make_unique<SvgSurface>(dom::Element(pageid::part(row.name, pageid::drawing)),
                                                  dom::Element(caption ? std::string(caption->name) : ""),
                                                  drawingArea(row));
            complete = complete && chartDescription_.exists();
        }
    }
    if (!complete)
        return; // the page has said what it lacks
    handlers_ = std::make_unique<MainWindowHandlers>(*this);
    for (const auto& [control, element] : elements_)
        if (takesFocus(kindOf(control)))
            targets_.push_back({handlers_.get(), control});
    // Every event goes to the handlers as it comes; they decide what it does.
    for (Target& target : targets_) {
        const std::string selector = "#" + std::string(nameOf(target.control));
        emscripten_set_keydown_callback(selector.c_str(), &target, false, &onKey);
        emscripten_set_click_callback(selector.c_str(), &target, false, &onClick);
    }
    dom::Element(pageid::aboutEntry)
        .listen(
            "click", [](void* handlers) { static_cast<MainWindowHandlers*>(handlers)->aboutClicked(); },
            handlers_.get());
    dom::Element(pageid::problemsEntry)
        .listen(
            "click", [](void* handlers) { static_cast<MainWindowHandlers*>(handlers)->problemsClicked(); },
            handlers_.get());
    windows.removeAttribute("inert");
}

// The browser's number formats are loaded on first use, which the opening page need not wait for.
std::string PageWindow::decimalSeparator() const
{
    if (!decimalSeparator_)
        decimalSeparator_ = dom::decimalSeparator();
    return *decimalSeparator_;
}

std::optional<Option> PageWindow::selectedOption() const
{
    for (const Option option : {Option::Option_M, Option::Option_FLD4})
        if (elements_.at(option).is("checked"))
            return option;
    return std::nullopt;
}

void PageWindow::showAboutWindow()
{
    about_.show([]() -> std::unique_ptr<AboutWindow> { return std::make_unique<AboutDialog>(); });
}

// Made on first use: the page opens without it.
void PageWindow::showProblemsWindow()
{
    problems_.show([this]() -> std::unique_ptr<OpenableWindow> {
        return std::make_unique<PageProblemsWindow>(messages_.messenger());
    });
}

} // namespace velmora
