#pragma once

// The main window in the page: the HTML controls written from its layout table
// (web/pagemarkup.h), each control's events handed as they come to the window's behaviour
// (ui/mainwindowhandlers.h), and the MainWindow that behaviour reads and writes.

#include "ui/aboutwindow.h"
#include "ui/mainwindow.h"
#include "ui/mainwindowhandlers.h"
#include "ui/problemswindow.h"
#include "web/dom.h"
#include "web/layout.h"
#include "web/messagedialog.h"
#include "web/svgsurface.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class PageWindow final : public MainWindow {
public:
    // Binds the window's behaviour to the page's elements and runs its load step, unless
    // the page lacks one of them; about and problems must outlive this.
    PageWindow(AboutWindowReference& about, ProblemsWindowReference& problems);
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // False where an element was missing: the window then stays inert.
    [[nodiscard]] bool bound() const { return handlers_ != nullptr; }

    [[nodiscard]] std::string text(Box box) const override { return elements_.at(box).get("value"); }
    void setText(Box box, std::string_view text) override { elements_.at(box).set("value", text); }
    void setCaption(Button b, std::string_view caption) override
    {
        elements_.at(b).set("textContent", caption);
    }
    void setVisible(Control control, bool visible) override { elements_.at(control).setHidden(!visible); }
    void setBackground(Box box, Rgb rgb) override
    {
        elements_.at(box).setStyle("background-color", cssColour(rgb));
    }
    [[nodiscard]] std::optional<Option> selectedOption() const override;
    [[nodiscard]] std::string decimalSeparator() const override;
    DrawingSurface& chart() override { return *chart_; }
    void describeChart(std::string_view words) override { chartDescription_.set("textContent", words); }
    void announce(std::string_view words) override { announcement_.set("textContent", words); }
    Messenger& messenger() override { return messages_.messenger(); }
    void showAboutWindow() override;
    void showProblemsWindow() override;

    struct Target { // where a control's events find their way back
        MainWindowHandlers* handlers;
        Control control;
    };

private:
    AboutWindowReference& about_;
    ProblemsWindowReference& problems_;
    std::map<Control, dom::Element> elements_;
    dom::Element announcement_;
    dom::Element chartDescription_;
    std::unique_ptr<SvgSurface> chart_;
    PageMessageDialog messages_;
    std::vector<Target> targets_;                         // filled once: the events hold their addresses
    mutable std::optional<std::string> decimalSeparator_; // asked of the browser when first needed
    std::unique_ptr<MainWindowHandlers> handlers_;        // made once every element is found
};

} // namespace velmora
