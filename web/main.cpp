// Velmora in the browser's page: the windows' behaviour, alive as long as the page; the
// page's own event loop calls their handlers once main has ended. The controls are bound
// in a task of their own after the runtime's start: two short tasks let a phone's browser
// answer its visitor in between.

#include "ui/aboutwindow.h"
#include "ui/problemswindow.h"
#include "web/pageids.h"
#include "web/pagewindow.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <optional>

namespace {

struct Program {
    velmora::AboutWindowReference about;
    velmora::ProblemsWindowReference problems;
    std::optional<velmora::PageWindow> window;
};

} // namespace

int main()
{
    static Program program; // for the page's life
    emscripten_set_timeout(
        [](void* opened) {
            auto& [about, problems, window] = *static_cast<Program*>(opened);
            if (window.emplace(about, problems).bound())
                velmora::dom::Element(velmora::pageid::status).setHidden(true);
        },
        0, &program);
    // Else a newer emscripten takes main's return for the program's end and ignores the events.
    emscripten_exit_with_live_runtime();
}
