// Velmora in the browser's page: the main window built into the page's #velmora element,
// alive as long as the page. The program returns from main and its windows stay: the
// page's own event loop calls their handlers.

#include "ui/aboutwindow.h"
#include "web/dom.h"
#include "web/pagewindow.h"

int main()
{
    // For the page's life: main returns, the runtime stays.
    static velmora::AboutWindowReference about;
    static velmora::PageWindow window(velmora::dom::byId("velmora"), about);
    velmora::dom::setHidden(velmora::dom::byId("status"), true);
    return 0;
}
