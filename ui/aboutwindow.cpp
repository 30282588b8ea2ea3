#include "ui/aboutwindow.h"

namespace velmora {

void AboutWindowReference::show(const Maker& make)
{
    if (!window_)
        window_ = make();
    if (!window_->isOpen())
        window_->open();
    window_->activate();
}

} // namespace velmora
