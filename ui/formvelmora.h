#pragma once

// The main window: its controls built from the layout table, and the handlers that turn
// the user's clicks into calls on the flow relations and the chart. No arithmetic here.

#include "flow/fanno.h"
#include "flow/messenger.h"
#include "ui/chartview.h"
#include "ui/mainwindowcontrols.h"

#include <QMainWindow>

#include <memory>

namespace velmora {

class AboutWindowReference;

class Form_Velmora : public QMainWindow {
    Q_OBJECT
public:
    // Messages go to messenger (modal boxes in the program, a recorder in tests); the
    // About menu shows the program's one About window, which outlives this one. Both
    // must outlive the window.
    Form_Velmora(Messenger& messenger, AboutWindowReference& about, QWidget* parent = nullptr);
    ~Form_Velmora() override;

    [[nodiscard]] const FlowState& flowState() const { return flow_; }
    [[nodiscard]] const MainWindowControls& controls() const { return controls_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void onPictureClicked();
    void onCalculateClicked();

    FlowState flow_;
    MainWindowControls controls_;
    std::unique_ptr<ChartView> chart_;
    Messenger& messenger_;
    AboutWindowReference& about_;
};

} // namespace velmora
