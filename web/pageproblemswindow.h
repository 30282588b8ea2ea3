#pragma once

// The Fanno problems window in the page: a dialog of its own, not modal, beside the main
// window (below it where the screen is narrow), holding the HTML controls written from its
// layout table (web/pagemarkup.h). Each control's events go as they come to the window's
// behaviour (ui/problemswindowhandlers.h); this is the ProblemsWindow that behaviour reads
// and writes, and the window its menu entry opens.

#include "ui/problemswindow.h"
#include "ui/problemswindowhandlers.h"
#include "web/dom.h"
#include "web/svgsurface.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class PageProblemsWindow final : public ProblemsWindow, public OpenableWindow {
public:
    // Binds the page's dialog, closed; its messages go to messenger, which must outlive it.
    explicit PageProblemsWindow(Messenger& messenger);
    PageProblemsWindow(const PageProblemsWindow&) = delete;
    PageProblemsWindow& operator=(const PageProblemsWindow&) = delete;

    // OpenableWindow
    [[nodiscard]] bool isOpen() const override { return dialog_.is("open"); }
    void open() override;
    void activate() override { close_.call("focus"); } // which brings the dialog into view

    // ProblemsWindow
    [[nodiscard]] std::string text(ProblemsBox box) const override { return boxes_.at(box).get("value"); }
    void setText(ProblemsBox box, std::string_view text) override { boxes_.at(box).set("value", text); }
    [[nodiscard]] std::size_t knownEntry() const override;
    [[nodiscard]] std::string decimalSeparator() const override;
    DrawingSurface& chart() override { return *chart_; }
    void describeChart(std::string_view words) override { chartDescription_.set("textContent", words); }
    void announce(std::string_view words) override { announcement_.set("textContent", words); }
    Messenger& messenger() override { return messenger_; }

    struct Target { // where a control's events find their way back
        PageProblemsWindow* window;
        Control control;
    };
    // The window's behaviour; none where the page lacks an element.
    [[nodiscard]] ProblemsWindowHandlers* handlers() const { return handlers_.get(); }

private:
    Messenger& messenger_;
    dom::Element dialog_;
    dom::Element close_;
    dom::Element choice_;
    dom::Element announcement_;
    dom::Element chartDescription_;
    std::map<ProblemsBox, dom::Element> boxes_;
    std::unique_ptr<SvgSurface> chart_;
    std::vector<Target> targets_; // filled once: the events hold their addresses
    bool complete_ = false;
    mutable std::optional<std::string> decimalSeparator_;
    std::unique_ptr<ProblemsWindowHandlers> handlers_; // made once every element is found
};

} // namespace velmora
