#pragma once

// Messages on a platform whose dialogs do not wait (the browser): one message at a time in
// a modal dialog, the others queued behind it. However the dialog closes (its OK, a key,
// the system's back gesture or a close request), that counts as the message's OK: the next
// one shows, and after the last the focus goes back where it was before the first.

#include "flow/messenger.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The platform's dialog, which reports every closing to MessageQueue::closed.
class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    // Shows text, modal, with the focus on OK; first: no message was showing before it,
    // so the focus is to be kept for finished().
    virtual void open(std::string_view text, bool first) = 0;
    virtual void close() = 0;
    // The last message is gone: the focus goes back.
    virtual void finished() = 0;
};

class MessageQueue final : public Messenger {
public:
    explicit MessageQueue(MessageDialog& dialog) : dialog_(dialog) {}

    void showMessage(const std::string& text) override;
    void okClicked();
    // The dialog has closed, by whatever means.
    void closed();

    [[nodiscard]] bool showing() const { return !queue_.empty(); }

private:
    MessageDialog& dialog_;
    std::vector<std::string> queue_; // the first one is showing
};

} // namespace velmora
