#pragma once

// The main window on the desktop: its widgets built from the layout table, the window's
// behaviour (ui/mainwindowhandlers.h) called from their signals, and the MainWindow that
// behaviour reads and writes, as widgets.

#include "qt/controlbuilder.h"
#include "ui/aboutwindow.h"
#include "ui/mainwindow.h"
#include "ui/mainwindowhandlers.h"
#include "ui/problemswindow.h"

#include <QMainWindow>

#include <memory>

class QButtonGroup;

namespace velmora {

class Form_Velmora : public QMainWindow, public MainWindow {
    Q_OBJECT
public:
    // Messages go to messenger (modal boxes in the program, a recorder in tests); the
    // About menu shows the program's one About window, which outlives this one. Both
    // must outlive the window.
    Form_Velmora(Messenger& messenger, AboutWindowReference& about, QWidget* parent = nullptr);
    // The same, with the program's one problems window, which outlives this one too; the
    // window above keeps one of its own.
    Form_Velmora(Messenger& messenger, AboutWindowReference& about, ProblemsWindowReference& problems,
                 QWidget* parent = nullptr);
    ~Form_Velmora() override;

    [[nodiscard]] const FlowState& flowState() const { return handlers_->flowState(); }
    [[nodiscard]] const BuiltControls& controls() const { return controls_; }

    using QMainWindow::setVisible; // the window's own, beside a control's below
    [[nodiscard]] std::string text(Box box) const override;
    void setText(Box box, std::string_view text) override;
    void setCaption(Button button, std::string_view caption) override;
    void setVisible(Control control, bool visible) override;
    void setBackground(Box box, Rgb colour) override;
    [[nodiscard]] std::optional<Option> selectedOption() const override;
    [[nodiscard]] std::string decimalSeparator() const override;
    DrawingSurface& chart() override;
    void describeChart(std::string_view description) override;
    void announce(std::string_view words) override;
    Messenger& messenger() override { return messenger_; }
    void showAboutWindow() override;
    void showProblemsWindow() override;

protected:
    // Each key a control receives goes to the window's behaviour, which may stop it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(); // what both constructors do

    BuiltControls controls_;
    QButtonGroup* options_ = nullptr; // the two options, one exclusive group; ids are Option values
    Messenger& messenger_;
    AboutWindowReference& about_;
    std::unique_ptr<ProblemsWindowReference> ownProblems_; // without a program-wide one
    ProblemsWindowReference& problems_;
    std::unique_ptr<MainWindowHandlers> handlers_; // made once the controls exist
};

} // namespace velmora
