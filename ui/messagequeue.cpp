#include "ui/messagequeue.h"

namespace velmora {

void MessageQueue::showMessage(const std::string& text)
{
    queue_.push_back(text);
    if (queue_.size() == 1)
        dialog_.open(queue_.front(), true);
}

void MessageQueue::okClicked()
{
    if (showing())
        dialog_.close();
}

void MessageQueue::closed()
{
    if (!showing())
        return;
    queue_.erase(queue_.begin());
    if (showing())
        dialog_.open(queue_.front(), false);
    else
        dialog_.finished();
}

} // namespace velmora
