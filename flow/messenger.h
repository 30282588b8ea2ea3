#pragma once

#include <string>

namespace velmora {

// Where the flow layer and the window send a message for the user. The window shows it
// in a modal box and returns once the user has dismissed it; tests record it instead.
class Messenger {
public:
    virtual ~Messenger() = default;
    // Shows the text (UTF-8) and returns when the user has acknowledged it, or, where the
    // platform cannot wait (the browser), with the acknowledgement still to come.
    virtual void showMessage(const std::string& text) = 0;
};

// Drops every message: for running a search only to learn how it ends.
class SilentMessenger final : public Messenger {
public:
    void showMessage(const std::string&) override {}
};

} // namespace velmora
