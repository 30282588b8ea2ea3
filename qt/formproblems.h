#pragma once

// The Fanno problems window on the desktop: its widgets built from its layout table, its
// behaviour (ui/problemswindowhandlers.h) called from their signals, and the
// ProblemsWindow that behaviour reads and writes, as widgets. Modeless and without an
// owner, as the About window.

#include "qt/controlbuilder.h"
#include "qt/messageboxmessenger.h"
#include "ui/problemswindow.h"
#include "ui/problemswindowhandlers.h"

#include <QWidget>

#include <memory>

namespace velmora {

class Form_Problems : public QWidget, public ProblemsWindow, public OpenableWindow {
    Q_OBJECT
public:
    // Messages go to modal boxes over this window.
    Form_Problems();
    // Messages go to messenger instead (a recorder in tests), which must outlive the window.
    explicit Form_Problems(Messenger& messenger);
    ~Form_Problems() override;

    [[nodiscard]] const BuiltControls& controls() const { return controls_; }
    [[nodiscard]] const FlowState& flowState() const { return handlers_->flowState(); }

    // ProblemsWindow
    [[nodiscard]] std::string text(ProblemsBox box) const override;
    void setText(ProblemsBox box, std::string_view text) override;
    [[nodiscard]] std::size_t knownEntry() const override;
    [[nodiscard]] std::string decimalSeparator() const override;
    DrawingSurface& chart() override;
    void describeChart(std::string_view description) override;
    void announce(std::string_view words) override;
    Messenger& messenger() override { return messenger_; }

    // OpenableWindow
    [[nodiscard]] bool isOpen() const override { return isVisible(); }
    void open() override { show(); }
    void activate() override;

protected:
    // Each key a control receives goes to the window's behaviour, which may stop it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageBoxMessenger boxes_;
    Messenger& messenger_;
    BuiltControls controls_;
    std::unique_ptr<ProblemsWindowHandlers> handlers_; // made once the controls exist
};

// Shows the program's one problems window through its reference, made on first use; the
// window manager places it.
void showProblemsWindow(ProblemsWindowReference& reference);

// The problems window the reference holds, if it has been made.
[[nodiscard]] Form_Problems* problemsWindowOf(const ProblemsWindowReference& reference);

} // namespace velmora
