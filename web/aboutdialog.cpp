#include "web/aboutdialog.h"

#include "text/systemtexts.h"
#include "ui/controltable.h"
#include "web/dom.h"
#include "web/layout.h"

namespace velmora {

AboutDialog::AboutDialog(const emscripten::val& windows)
    : dialog_(dom::element("dialog", "window about")), close_(dom::element("button", "close"))
{
    dom::setAttribute(dialog_, "id", "Form_About");
    dom::setAttribute(dialog_, "aria-labelledby", "Form_About-title");

    emscripten::val titleBar = dom::element("div", "title-bar");
    emscripten::val title = dom::element("h2", "title");
    dom::setAttribute(title, "id", "Form_About-title");
    dom::setText(title, aboutCaption);
    dom::setAttribute(close_, "id", "Form_About-close");
    dom::setAttribute(close_, "type", "button");
    dom::setAttribute(close_, "aria-label", "Close");
    dom::setText(close_, "×");
    titleBar.call<void>("append", title, close_);

    emscripten::val client = dom::element("div", "client about-client");
    dom::place(client, 0, 0, pixelsFromTwips(aboutWindowWidth), pixelsFromTwips(aboutWindowHeight));
    client["style"].set("position", std::string("relative"));
    client["style"].set("left", std::string());
    client["style"].set("top", std::string());
    client["style"].set("backgroundColor", dom::colour(aboutBackground));
    for (const ControlSpec& row : aboutWindowControls())
        client.call<void>("appendChild", makeLabel(row, 0, 0));

    dialog_.call<void>("append", titleBar, client);
    windows.call<void>("appendChild", dialog_);
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
