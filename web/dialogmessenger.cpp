#include "web/dialogmessenger.h"

#include "web/dom.h"

#include <cstring>
#include <utility>

namespace velmora {

DialogMessenger::DialogMessenger(dom::Element dialog, dom::Element text, dom::Element ok)
    : dialog_(std::move(dialog)), text_(std::move(text)), ok_(std::move(ok))
{
    emscripten_set_click_callback("#message-ok", this, false, &DialogMessenger::onOkClicked);
    // Escape would close the dialog by itself, past the queue: it is answered here as OK.
    emscripten_set_keydown_callback("#message", this, true, &DialogMessenger::onKey);
}

void DialogMessenger::showMessage(const std::string& text)
{
    waiting_.push_back(text);
    if (!showing_) {
        focusBefore_ = dom::focused();
        showNext();
    }
}

void DialogMessenger::showNext()
{
    text_.setText(waiting_.front());
    waiting_.pop_front();
    if (!showing_)
        dialog_.call("showModal");
    showing_ = true;
    ok_.call("focus");
}

void DialogMessenger::acknowledge()
{
    if (!showing_)
        return;
    if (!waiting_.empty()) {
        showNext();
        return;
    }
    showing_ = false;
    dialog_.call("close");
    if (focusBefore_.exists())
        focusBefore_.call("focus");
    focusBefore_ = dom::Element();
}

EM_BOOL DialogMessenger::onOkClicked(int, const EmscriptenMouseEvent*, void* self)
{
    static_cast<DialogMessenger*>(self)->acknowledge();
    return EM_TRUE;
}

EM_BOOL DialogMessenger::onKey(int, const EmscriptenKeyboardEvent* event, void* self)
{
    if (std::strcmp(event->key, "Escape") != 0)
        return EM_FALSE;
    static_cast<DialogMessenger*>(self)->acknowledge();
    return EM_TRUE;
}

} // namespace velmora
