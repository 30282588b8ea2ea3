#pragma once

// The main window in the page: the real HTML controls written from the layout table
// (web/pagemarkup.h) (text inputs named for screen readers, one radio group, a button, the
// chart as an SVG image with its description), their events handed as they come to the
// window's behaviour (ui/mainwindowhandlers.h), and the MainWindow that behaviour reads
// and writes, as those elements.

#include "ui/aboutwindow.h"
#include "ui/mainwindow.h"
#include "ui/mainwindowhandlers.h"
#include "web/dom.h"
#include "web/messagedialog.h"
#include "web/svgsurface.h"

#include <emscripten/html5.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class PageWindow final : public MainWindow {
public:
    // Binds the window's behaviour to the page's elements, runs its load step and makes the
    // window usable, unless the page lacks one of them; about is the program's one About
    // window, which must outlive this.
    explicit PageWindow(AboutWindowReference& about);
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // False where an element was missing: the window then stays unusable.
    [[nodiscard]] bool bound() const { return handlers_ != nullptr; }

    [[nodiscard]] std::string text(Box box) const override { return elements_.at(box).value(); }
    void setText(Box box, std::string_view text) override { elements_.at(box).setValue(std::string(text)); }
    void setCaption(Button button, std::string_view caption) override
    {
        elements_.at(button).setText(std::string(caption));
    }
    void setVisible(Control control, bool visible) override { elements_.at(control).setHidden(!visible); }
    void setBackground(Box box, Rgb colour) override;
    [[nodiscard]] std::optional<Option> selectedOption() const override;
    [[nodiscard]] std::string decimalSeparator() const override;
    DrawingSurface& chart() override { return *chart_; }
    void describeChart(std::string_view description) override
    {
        chartDescription_.setText(std::string(description));
    }
    void announce(std::string_view words) override { announcement_.setText(std::string(words)); }
    Messenger& messenger() override { return messages_.messenger(); }
    void showAboutWindow() override;

private:
    // What a control's events need to find their way back.
    struct Target {
        PageWindow* window;
        Control control;
        static EM_BOOL onKey(int, const EmscriptenKeyboardEvent* event, void* target);
        static EM_BOOL onClick(int, const EmscriptenMouseEvent* event, void* target);
    };
    void bindEvents();

    AboutWindowReference& about_;
    dom::Element windows_;
    dom::Element announcement_;
    dom::Element chartDescription_;
    std::map<Control, dom::Element> elements_;
    std::unique_ptr<SvgSurface> chart_;
    PageMessageDialog messages_;
    std::vector<Target> targets_;                         // filled once: the events hold their addresses
    mutable std::optional<std::string> decimalSeparator_; // asked of the browser when first needed
    std::unique_ptr<MainWindowHandlers> handlers_;        // made once every element is found
};

} // namespace velmora
