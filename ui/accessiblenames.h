#pragma once

#include "ui/mainwindowcontrols.h"

namespace velmora {

// Gives the main window's boxes and chart names (and descriptions where a name is not
// enough) in the words a student would use, for screen readers, and the same names as
// hover help: "Po/Po*" is read out, and shown, as "Stagnation pressure ratio p0/p0*". The
// options and the button keep their captions as names and have no hover help.
void nameForAssistiveTechnology(const MainWindowControls& controls);

} // namespace velmora
