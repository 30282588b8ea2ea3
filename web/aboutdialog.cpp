#include "web/aboutdialog.h"

#include "web/pageids.h"

namespace velmora {

AboutDialog::AboutDialog()
    : dialog_(dom::byId(pageid::aboutWindow)),
      close_(dom::byId(pageid::part(pageid::aboutWindow, pageid::close)))
{
    close_.listen(
        "click", [](void* dialog) { static_cast<dom::Element*>(dialog)->call("close"); }, &dialog_);
}

} // namespace velmora
