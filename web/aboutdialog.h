#pragma once

#include "ui/aboutwindow.h"
#include "web/dom.h"

namespace velmora {

// The About window in the page: a dialog that is not modal, beside the main window (below
// it where the screen is narrow), with a button that closes it.
class AboutDialog final : public AboutWindow {
public:
    AboutDialog(); // binds the page's dialog, closed
    AboutDialog(const AboutDialog&) = delete;
    AboutDialog& operator=(const AboutDialog&) = delete;

    [[nodiscard]] bool isOpen() const override { return dialog_.is("open"); }
    void open() override { dialog_.call("show"); }
    void activate() override { close_.call("focus"); } // which brings the dialog into view

private:
    dom::Element dialog_;
    dom::Element close_;
};

} // namespace velmora
