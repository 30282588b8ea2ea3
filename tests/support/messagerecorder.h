#pragma once

#include "flow/messenger.h"

#include <string>
#include <vector>

namespace velmora::testing {

// Keeps every message instead of showing it, so a test can assert what the user saw.
class MessageRecorder final : public Messenger {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

} // namespace velmora::testing
