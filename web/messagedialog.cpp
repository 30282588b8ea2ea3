#include "web/messagedialog.h"

#include "web/pageids.h"

namespace velmora {

PageMessageDialog::PageMessageDialog()
    : dialog_(pageid::message), text_(pageid::part(pageid::message, pageid::text)),
      ok_(pageid::part(pageid::message, pageid::ok))
{
    ok_.listen(
        "click", [](void* queue) { static_cast<MessageQueue*>(queue)->okClicked(); }, &queue_);
    // OK, Return and Escape, the back gesture and a close request all end here.
    dialog_.listen(
        "close", [](void* queue) { static_cast<MessageQueue*>(queue)->closed(); }, &queue_);
}

// Opened modal, the dialog takes the focus to its one button.
void PageMessageDialog::open(std::string_view text, bool)
{
    text_.set("textContent", text);
    dialog_.call("showModal");
}

} // namespace velmora
