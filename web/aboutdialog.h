#pragma once

#include "ui/aboutwindow.h"
#include "web/dom.h"

namespace velmora {

// The About window in the page: a dialog that is not modal, written from its layout table
// into the page beside the main window (below it where the screen is narrow), with a
// button that closes it.
class AboutDialog final : public AboutWindow {
public:
    // Binds the dialog the page holds, closed.
    AboutDialog();
    AboutDialog(const AboutDialog&) = delete;
    AboutDialog& operator=(const AboutDialog&) = delete;

    [[nodiscard]] bool isOpen() const override { return dialog_.is("open"); }
    void open() override { dialog_.call("show"); }
    // Its button takes the focus, which brings the dialog into view.
    void activate() override { close_.call("focus"); }

private:
    dom::Element dialog_;
    dom::Element close_;
};

} // namespace velmora
