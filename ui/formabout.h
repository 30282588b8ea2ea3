#pragma once

#include <QWidget>

#include <memory>

namespace velmora {

// The About window: a description, credits, a date and a contact address on light
// yellow, built from its layout table; it does nothing beyond showing them, and has no
// owner window.
class Form_About : public QWidget {
    Q_OBJECT
public:
    Form_About();
};

// The program's one reference to the About window: empty until the first use, then
// kept. Showing it opens the window, or makes the open one active; there is never a
// second one. The window has no parent, so closing the main window leaves it open.
// Where no window manager places windows, it first opens beside the main window.
class AboutWindowReference {
public:
    void show(const QWidget* mainWindow = nullptr);
    [[nodiscard]] Form_About* window() const { return window_.get(); }

private:
    std::unique_ptr<Form_About> window_;
};

} // namespace velmora
