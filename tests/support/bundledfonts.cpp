// Linked into every widget test of the windows: the fonts the program carries are made
// available as the program makes them, so that the browser's test pages, which have no
// fonts of their own, lay the windows out with the layout's fonts.

#include "qt/windowlook.h"

#include <QCoreApplication>

namespace {
void addBundledFonts() { velmora::addBundledFonts(); }
} // namespace

Q_COREAPP_STARTUP_FUNCTION(addBundledFonts)
