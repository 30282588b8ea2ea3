#include "web/pagewindow.h"

#include "ui/accessiblenames.h"
#include "ui/controltable.h"
#include "web/aboutdialog.h"
#include "web/dom.h"
#include "web/layout.h"

namespace velmora {

PageWindow::PageWindow(AboutWindowReference& about)
    : about_(about), windows_(dom::byId("windows")), announcement_(dom::byId("announcement"))
{
    for (const ControlSpec& row : mainWindowControls())
        if (row.builds.control)
            elements_.emplace(*row.builds.control, dom::byId(std::string(row.name)));
    for (const ControlSpec& row : mainWindowControls())
        if (row.builds.kind == ControlKind::PictureBox) {
            chartDescription_ = dom::byId(std::string(row.name) + "-description");
            std::string caption;
            for (const ControlSpec& inside : mainWindowControls())
                if (inside.container == row.name)
                    caption = inside.name;
            chart_ = std::make_unique<SvgSurface>(dom::byId(std::string(row.name) + "-drawing"),
                                                  caption.empty() ? dom::Element() : dom::byId(caption),
                                                  pixelsFromTwips(row.width) - 2 * pictureBorder,
                                                  pixelsFromTwips(row.height) - 2 * pictureBorder);
        }
    messenger_ = std::make_unique<DialogMessenger>(dom::byId("message"), dom::byId("message-text"),
                                                   dom::byId("message-ok"));
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

std::string PageWindow::text(Box box) const { return element(box).value(); }

void PageWindow::setText(Box box, std::string_view text)
{
    element(box).setValue(text);
    written_.emplace_back(box, std::string(text));
}

void PageWindow::setCaption(Button button, std::string_view caption) { element(button).setText(caption); }

void PageWindow::setVisible(Control control, bool visible) { element(control).setHidden(!visible); }

void PageWindow::setBackground(Box box, Rgb colour)
{
    element(box).setStyle("background-color", cssColour(colour));
}

std::optional<Option> PageWindow::selectedOption() const
{
    for (const Option option : {Option::Option_M, Option::Option_FLD4})
        if (element(option).is("checked"))
            return option;
    return std::nullopt;
}

void PageWindow::describeChart(std::string_view description) { chartDescription_.setText(description); }

void PageWindow::showAboutWindow()
{
    about_.show([]() -> std::unique_ptr<AboutWindow> { return std::make_unique<AboutDialog>(); });
}

// As on the desktop, a mode is applied when its option becomes selected, not when a
// selected option is clicked again.
void PageWindow::onOption(Option option)
{
    if (selectedOption() != option || selected_ == option)
        return;
    selected_ = option;
    handlers_->optionSelected(option);
}

// The results of a calculation are read out once, together, by a screen reader.
void PageWindow::onCalculate()
{
    written_.clear();
    handlers_->calculateClicked();
    std::string summary;
    for (const auto& [box, text] : written_) {
        const AccessibleText* named = accessibleTextOf(box);
        if (!summary.empty())
            summary += ", ";
        summary += std::string(named ? named->name : "") + " " + text;
    }
    written_.clear();
    if (!summary.empty())
        announcement_.setText(summary);
}

void PageWindow::bindEvents()
{
    struct Binding {
        const char* target;
        em_mouse_callback_func callback;
    };
    const Binding bindings[] = {
        {"#Command1",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->onCalculate();
             return EM_FALSE;
         }},
        {"#Option_M",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->onOption(Option::Option_M);
             return EM_FALSE;
         }},
        {"#Option_FLD4",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->onOption(Option::Option_FLD4);
             return EM_FALSE;
         }},
        {"#Picture1",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->handlers_->chartClicked();
             return EM_FALSE;
         }},
        {"#Mn_About",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->handlers_->aboutClicked();
             return EM_FALSE;
         }},
    };
    for (const Binding& binding : bindings)
        emscripten_set_click_callback(binding.target, this, false, binding.callback);
}

} // namespace velmora
