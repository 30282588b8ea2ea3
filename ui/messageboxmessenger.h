#pragma once

#include "flow/messenger.h"

class QWidget;

namespace velmora {

// Shows each message in a modal box titled "Velmora", with the plain text, one OK
// button and no icon, and returns when the user has dismissed it.
class MessageBoxMessenger final : public Messenger {
public:
    explicit MessageBoxMessenger(QWidget* owner) : owner_(owner) {}
    void showMessage(const std::string& text) override;

private:
    QWidget* owner_ = nullptr;
};

} // namespace velmora
