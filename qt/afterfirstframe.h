#pragma once

#include <functional>

class QWidget;

namespace velmora {

// Runs the work once the window's first frame is out: for what the opening window does
// not show (the icon, the fonts of the chart's caption and the About window), which would
// otherwise hold that frame back.
void afterFirstFrame(QWidget& window, std::function<void()> work);

} // namespace velmora
