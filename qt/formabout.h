#pragma once

#include "ui/aboutwindow.h"

#include <QWidget>

namespace velmora {

// The About window: a description, credits, a date and a contact address on light
// yellow, built from its layout table; it does nothing beyond showing them, and has no
// owner window.
class Form_About : public QWidget, public AboutWindow {
    Q_OBJECT
public:
    Form_About();

    [[nodiscard]] bool isOpen() const override { return isVisible(); }
    void open() override;
    void activate() override;
};

// Shows the program's one About window through its reference, made on first use; the
// window manager places it.
void showAboutWindow(AboutWindowReference& reference);

// The About window the reference holds, if it has been made.
[[nodiscard]] Form_About* aboutWindowOf(const AboutWindowReference& reference);

} // namespace velmora
