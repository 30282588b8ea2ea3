#include "web/dialogmessenger.h"

#include "web/dom.h"

#include <cstring>
#include <utility>

namespace velmora {

DialogMessenger::DialogMessenger(emscripten::val dialog, emscripten::val text, emscripten::val ok)
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
        focusBefore_ = dom::document()["activeElement"];
        showNext();
    }
}

void DialogMessenger::showNext()
{
    dom::setText(text_, waiting_.front());
    waiting_.pop_front();
    if (!showing_)
        dialog_.call<void>("showModal");
    showing_ = true;
    ok_.call<void>("focus");
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
    dialog_.call<void>("close");
    if (!focusBefore_.isNull() && !focusBefore_.isUndefined())
        focusBefore_.call<void>("focus");
    focusBefore_ = emscripten::val::null();
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
