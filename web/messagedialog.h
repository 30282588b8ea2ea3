#pragma once

#include "ui/messagequeue.h"
#include "web/dom.h"

namespace velmora {

// The page's modal message dialog titled "Velmora", with the text and one OK button, and
// the queue of messages it shows (ui/messagequeue.h): a page cannot wait inside a call for
// the answer, so a message returns at once. The dialog reports its every closing.
class PageMessageDialog final : public MessageDialog {
public:
    PageMessageDialog();
    PageMessageDialog(const PageMessageDialog&) = delete;
    PageMessageDialog& operator=(const PageMessageDialog&) = delete;

    [[nodiscard]] Messenger& messenger() { return queue_; }
    [[nodiscard]] bool complete() const { return dialog_.exists() && text_.exists() && ok_.exists(); }

    void open(std::string_view text, bool first) override;
    void close() override { dialog_.call("close"); }
    void finished() override {} // the dialog gives the focus back as it closes

private:
    dom::Element dialog_;
    dom::Element text_;
    dom::Element ok_;
    MessageQueue queue_{*this};
};

} // namespace velmora
