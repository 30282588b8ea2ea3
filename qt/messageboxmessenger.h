#pragma once

#include "flow/messenger.h"

#include <QPointer>
#include <QWidget>

namespace velmora {

// Shows each message in a modal box titled "Velmora", with the plain text, one OK
// button and no icon, over its owner window, and returns when the user has dismissed it.
// The owner is set once the window exists, since the window is made with its messenger.
class MessageBoxMessenger final : public Messenger {
public:
    void setOwner(QWidget& owner) { owner_ = &owner; }
    void showMessage(const std::string& text) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace velmora
