// Velmora in the browser's page: the behaviour of the windows the page holds (written from
// the layout tables when the site was made), alive as long as the page. The program ends
// main and its windows stay: the page's own event loop calls their handlers.
//
// The controls are bound in a task of their own after the runtime's start, not in the
// same one: two short tasks let a phone's browser answer its visitor in between.

#include "ui/aboutwindow.h"
#include "web/dom.h"
#include "web/pageids.h"
#include "web/pagewindow.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <optional>

namespace {

struct Program {
    velmora::AboutWindowReference about;
    std::optional<velmora::PageWindow> window;
};

void bindWindow(void* program)
{
    auto& opened = *static_cast<Program*>(program);
    opened.window.emplace(opened.about);
    if (opened.window->bound())
        velmora::dom::byId(velmora::pageid::status).setHidden(true);
}

} // namespace

int main()
{
    static Program program; // for the page's life
    emscripten_set_timeout(&bindWindow, 0, &program);
    // main ends, the runtime stays for the timer and the page's events: a newer emscripten
    // would otherwise take main's return for the program's end and ignore them.
    emscripten_exit_with_live_runtime();
}
