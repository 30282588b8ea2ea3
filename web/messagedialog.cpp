#include "web/messagedialog.h"

#include "web/pageids.h"

namespace velmora {

PageMessageDialog::PageMessageDialog()
    : dialog_(dom::byId(pageid::message)), text_(dom::byId(pageid::part(pageid::message, pageid::text))),
      ok_(dom::byId(pageid::part(pageid::message, pageid::ok)))
{
    ok_.listen(
        "click", [](void* queue) { static_cast<MessageQueue*>(queue)->okClicked(); }, &queue_);
    // OK, Return and Escape, the back gesture and a close request all end here.
    dialog_.listen(
        "close", [](void* queue) { static_cast<MessageQueue*>(queue)->closed(); }, &queue_);
}

void PageMessageDialog::open(std::string_view text, bool first)
{
    if (first)
        focusBefore_ = dom::focused();
    text_.setText(std::string(text));
    dialog_.call("showModal");
    ok_.call("focus");
}

void PageMessageDialog::finished()
{
    focusBefore_.call("focus");
    focusBefore_ = dom::Element();
}

} // namespace velmora
