#include "web/aboutdialog.h"

#include "web/dom.h"

namespace velmora {

AboutDialog::AboutDialog() : dialog_(dom::byId("Form_About")), close_(dom::byId("Form_About-close"))
{
    emscripten_set_click_callback("#Form_About-close", this, false, &AboutDialog::onClose);
}

bool AboutDialog::isOpen() const { return dialog_.is("open"); }

void AboutDialog::open() { dialog_.call("show"); }

void AboutDialog::activate()
{
    dialog_.scrollIntoView();
    close_.call("focus");
}

EM_BOOL AboutDialog::onClose(int, const EmscriptenMouseEvent*, void* self)
{
    static_cast<AboutDialog*>(self)->dialog_.call("close");
    return EM_TRUE;
}

} // namespace velmora
