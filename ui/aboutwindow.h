#pragma once

#include "ui/windowreference.h"

namespace velmora {

// The About window as its menu entry sees it: a window that is open or closed.
class AboutWindow : public OpenableWindow {};

// The program's one reference to the About window, made on the first click on Mn_About.
using AboutWindowReference = WindowReference<AboutWindow>;

} // namespace velmora
