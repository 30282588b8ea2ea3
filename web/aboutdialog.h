#pragma once

#include "ui/aboutwindow.h"

#include "web/dom.h"

#include <emscripten/html5.h>

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

    [[nodiscard]] bool isOpen() const override;
    void open() override;
    void activate() override;

private:
    static EM_BOOL onClose(int, const EmscriptenMouseEvent*, void* self);

    dom::Element dialog_;
    dom::Element close_;
};

} // namespace velmora
