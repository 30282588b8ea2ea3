#include "web/pagewindow.h"

#include "ui/controltable.h"
#include "ui/placement.h"
#include "web/aboutdialog.h"
#include "web/layout.h"
#include "web/pageids.h"

#include <emscripten/html5.h>

#include <cstring>
#include <variant>

namespace velmora {

namespace {

Key keyOf(const EmscriptenKeyboardEvent& event)
{
    if (std::strcmp(event.key, "Enter") == 0)
        return std::strcmp(event.code, "NumpadEnter") == 0 ? Key::Enter : Key::Return;
    if (std::strcmp(event.key, "Escape") == 0)
        return Key::Escape;
    if (std::strcmp(event.key, " ") == 0)
        return Key::Space;
    return Key::Other;
}

} // namespace

PageWindow::PageWindow(AboutWindowReference& about)
    : about_(about), windows_(dom::byId(pageid::windows)), announcement_(dom::byId(pageid::announcement))
{
    bool complete = windows_.exists() && announcement_.exists() && messages_.complete();
    for (const ControlSpec& row : mainWindowControls()) {
        if (!row.builds.control)
            continue;
        dom::Element& element = elements_[*row.builds.control] = dom::byId(std::string(row.name));
        complete = complete && element.exists();
        if (row.builds.kind != ControlKind::PictureBox)
            continue;
        chartDescription_ = dom::byId(pageid::part(row.name, pageid::description));
        const ControlSpec* caption = chartCaption(mainWindowControls());
        const PixelPlace area = drawingArea(row);
        chart_ = std::make_unique<SvgSurface>(
            dom::byId(pageid::part(row.name, pageid::drawing)),
            caption ? dom::byId(std::string(caption->name)) : dom::Element(), area.width, area.height);
        complete = complete && chartDescription_.exists();
    }
    if (!complete)
        return; // the page has said what it lacks; the window stays inert
    handlers_ = std::make_unique<MainWindowHandlers>(*this);
    bindEvents();
    windows_.removeAttribute("inert");
}

// The browser's number formats are loaded on first use, which the opening page need not wait for.
std::string PageWindow::decimalSeparator() const
{
    if (!decimalSeparator_)
        decimalSeparator_ = dom::decimalSeparator();
    return *decimalSeparator_;
}

void PageWindow::setBackground(Box box, Rgb colour)
{
    elements_.at(box).setStyle("background-color", cssColour(colour));
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

// Every event goes to the handlers as it comes; they decide what it does.
void PageWindow::bindEvents()
{
    for (const ControlSpec& row : mainWindowControls())
        if (row.builds.control && takesFocus(row.builds.kind))
            targets_.push_back({this, *row.builds.control});
    for (Target& target : targets_) {
        const std::string selector = "#" + std::string(nameOf(target.control));
        emscripten_set_keydown_callback(selector.c_str(), &target, false, &Target::onKey);
        emscripten_set_click_callback(selector.c_str(), &target, false, &Target::onClick);
    }
    emscripten_set_click_callback(("#" + std::string(pageid::aboutEntry)).c_str(), this, false,
                                  [](int, const EmscriptenMouseEvent*, void* self) {
                                      static_cast<PageWindow*>(self)->handlers_->aboutClicked();
                                      return EM_FALSE;
                                  });
}

// Stopped where the key does nothing.
EM_BOOL PageWindow::Target::onKey(int, const EmscriptenKeyboardEvent* event, void* data)
{
    const Target& target = *static_cast<Target*>(data);
    return target.window->handlers_->keyPressed(keyOf(*event), target.control) == KeyResponse::Nothing;
}

EM_BOOL PageWindow::Target::onClick(int, const EmscriptenMouseEvent* event, void* data)
{
    const Target& target = *static_cast<Target*>(data);
    MainWindowHandlers& handlers = *target.window->handlers_;
    if (const Option* option = std::get_if<Option>(&target.control))
        handlers.optionSelected(*option);
    else if (target.control == Control(Button::Command1))
        handlers.calculateClicked();
    else if (std::holds_alternative<Picture>(target.control)) // from the corner inside its border
        handlers.chartClicked(event->targetX - pictureBorder, event->targetY - pictureBorder);
    return EM_FALSE;
}

} // namespace velmora
