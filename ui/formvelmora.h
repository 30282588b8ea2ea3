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
    // Messages go to messenger when one is given (tests record them), else to modal boxes.
    // The About menu shows the program's About window when given one, else a reference
    // the window keeps for itself.
    explicit Form_Velmora(Messenger* messenger = nullptr, AboutWindowReference* about = nullptr,
                          QWidget* parent = nullptr);
    ~Form_Velmora() override;

    [[nodiscard]] const FlowState& flowState() const { return flow_; }
    [[nodiscard]] const MainWindowControls& controls() const { return controls_; }

private:
    void load();
    void onPictureClicked();
    void onCalculateClicked();

    FlowState flow_;
    MainWindowControls controls_;
    std::unique_ptr<ChartView> chart_;
    std::unique_ptr<Messenger> ownMessenger_;
    Messenger* messenger_ = nullptr;
    std::unique_ptr<AboutWindowReference> ownAbout_;
    AboutWindowReference* about_ = nullptr;
};

} // namespace velmora
