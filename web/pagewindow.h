#pragma once

// The main window in the page: the real HTML controls written from the layout table
// (web/pagemarkup.h) (text inputs named for screen readers, one radio group, a button, the chart
// as an SVG image with its description), the window's behaviour (ui/mainwindowhandlers.h)
// called from their events, and the MainWindow that behaviour reads and writes, as those
// elements.

#include "ui/aboutwindow.h"
#include "ui/mainwindow.h"
#include "ui/mainwindowhandlers.h"
#include "web/dialogmessenger.h"
#include "web/dom.h"
#include "web/svgsurface.h"

#include <emscripten/html5.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

class PageWindow final : public MainWindow {
public:
    // Binds the window's behaviour to the page's elements, runs its load step and makes the
    // window usable; about is the program's one About window, which must outlive this.
    explicit PageWindow(AboutWindowReference& about);
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    [[nodiscard]] std::string text(Box box) const override;
    void setText(Box box, std::string_view text) override;
    void setCaption(Button button, std::string_view caption) override;
    void setVisible(Control control, bool visible) override;
    void setBackground(Box box, Rgb colour) override;
    [[nodiscard]] std::optional<Option> selectedOption() const override;
    [[nodiscard]] std::string decimalSeparator() const override;
    DrawingSurface& chart() override { return *chart_; }
    void describeChart(std::string_view description) override;
    Messenger& messenger() override { return *messenger_; }
    void showAboutWindow() override;

private:
    [[nodiscard]] dom::Element& element(const Control& control) { return elements_.at(control); }
    [[nodiscard]] const dom::Element& element(const Control& control) const { return elements_.at(control); }
    void onOption(Option option);
    void onCalculate();
    void bindEvents();

    AboutWindowReference& about_;
    dom::Element windows_;
    dom::Element announcement_;
    dom::Element chartDescription_;
    std::map<Control, dom::Element> elements_;
    std::unique_ptr<SvgSurface> chart_;
    std::unique_ptr<DialogMessenger> messenger_;
    mutable std::optional<std::string> decimalSeparator_; // asked of the browser when first needed
    std::optional<Option> selected_;                      // the option whose mode was last applied
    std::vector<std::pair<Box, std::string>> written_;    // the results of the click under way
    std::unique_ptr<MainWindowHandlers> handlers_;        // made once the controls exist
};

} // namespace velmora
