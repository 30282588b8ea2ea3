#include "web/aboutdialog.h"

#include "web/pageids.h"

namespace velmora {

AboutDialog::AboutDialog()
    : dialog_(pageid::aboutWindow), close_(pageid::part(pageid::aboutWindow, pageid::close))
{
    close_.listen(
        "click", [](void* dialog) { static_cast<dom::Element*>(dialog)->call("close"); }, &dialog_);
}

} // namespace velmora
