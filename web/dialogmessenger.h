#pragma once

#include "flow/messenger.h"

#include "web/dom.h"

#include <emscripten/html5.h>

#include <deque>
#include <string>

namespace velmora {

// Shows each message in the page's modal dialog titled "Velmora", with the plain text and
// one OK button; OK, Return and Escape close it, and a message that came while one was
// shown follows once it is closed. A page cannot wait inside a call for the answer, so
// showMessage returns at once: nothing that follows a message depends on the answer, and
// the window ends in the state the desktop reaches after OK. Focus goes back, after the
// last message, to where it was before the first.
class DialogMessenger final : public Messenger {
public:
    // dialog: the <dialog> element, with the elements of the text and the OK button.
    DialogMessenger(dom::Element dialog, dom::Element text, dom::Element ok);
    DialogMessenger(const DialogMessenger&) = delete;
    DialogMessenger& operator=(const DialogMessenger&) = delete;

    void showMessage(const std::string& text) override;

private:
    void showNext();
    void acknowledge();
    static EM_BOOL onOkClicked(int, const EmscriptenMouseEvent*, void* self);
    static EM_BOOL onKey(int, const EmscriptenKeyboardEvent* event, void* self);

    dom::Element dialog_;
    dom::Element text_;
    dom::Element ok_;
    dom::Element focusBefore_;
    std::deque<std::string> waiting_;
    bool showing_ = false;
};

} // namespace velmora
