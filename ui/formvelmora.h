#pragma once

// The main window: its controls built from the layout table, and the handlers that turn
// the user's clicks into calls on the flow relations and the chart. No arithmetic here.

#include "flow/fanno.h"
#include "flow/messenger.h"
#include "ui/mainwindowcontrols.h"

#include <QMainWindow>

#include <memory>

namespace velmora {

class Form_Velmora : public QMainWindow {
    Q_OBJECT
public:
    // Messages go to messenger when one is given (tests record them), else to modal boxes.
    explicit Form_Velmora(Messenger* messenger = nullptr, QWidget* parent = nullptr);
    ~Form_Velmora() override;

    [[nodiscard]] const FlowState& flowState() const { return flow_; }

private:
    void load();
    void onPictureClicked();
    void onCalculateClicked();

    FlowState flow_;
    MainWindowControls controls_;
    std::unique_ptr<Messenger> ownMessenger_;
    Messenger* messenger_ = nullptr;
};

} // namespace velmora
