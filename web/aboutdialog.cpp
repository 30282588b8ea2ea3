#include "web/aboutdialog.h"

#include "web/dom.h"

namespace velmora {

AboutDialog::AboutDialog() : dialog_(dom::byId("Form_About")), close_(dom::byId("Form_About-close"))
{
    emscripten_set_click_callback("#Form_About-close", this, false, &AboutDialog::onClose);
}

bool AboutDialog::isOpen() const { return dialog_["open"].as<bool>(); }

void AboutDialog::open() { dialog_.call<void>("show"); }

void AboutDialog::activate()
{
    emscripten::val nearest = emscripten::val::object();
    nearest.set("block", std::string("nearest"));
    dialog_.call<void>("scrollIntoView", nearest);
    close_.call<void>("focus");
}

EM_BOOL AboutDialog::onClose(int, const EmscriptenMouseEvent*, void* self)
{
    static_cast<AboutDialog*>(self)->dialog_.call<void>("close");
    return EM_TRUE;
}

} // namespace velmora
