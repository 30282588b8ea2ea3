// Linked into every widget test of the windows: the fonts the program carries are made
// available as the program makes them, so that the Windows build's tests, run where no
// such fonts are installed, lay the windows out with the layout's fonts.

#include "qt/windowlook.h"

#include <QCoreApplication>

namespace {
void addBundledFonts() { velmora::addBundledFonts(); }
} // namespace

Q_COREAPP_STARTUP_FUNCTION(addBundledFonts)
