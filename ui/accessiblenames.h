#pragma once

#include "ui/mainwindowcontrols.h"

namespace velmora {

// Gives the main window's boxes and chart names (and descriptions where a name is not
// enough) in the words a student would use, for screen readers. The options and the
// button keep their captions as names.
void nameForAssistiveTechnology(const MainWindowControls& controls);

} // namespace velmora
