#include "qt/afterfirstframe.h"
#include "qt/formabout.h"
#include "qt/formvelmora.h"
#include "qt/messageboxmessenger.h"
#include "qt/qttext.h"
#include "qt/windowlook.h"
#include "text/systemtexts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(velmora::fromUtf8(velmora::applicationTitle));
    // The desktop entry's name, which Wayland compositors match the window to.
    QApplication::setDesktopFileName(QStringLiteral(VELMORA_DESKTOP_ID));
    velmora::addBundledFonts(velmora::BundledFonts::OpeningWindow);

    // Outlive the main window: closing it leaves an open About or problems window, and the
    // program ends when the last window is closed.
    velmora::AboutWindowReference about;
    velmora::ProblemsWindowReference problems;
    velmora::MessageBoxMessenger messenger;
    velmora::Form_Velmora window(messenger, about, problems);
    messenger.setOwner(window);
    velmora::afterFirstFrame(window, [] { velmora::addBundledFonts(velmora::BundledFonts::Rest); });
    window.show();
    return QApplication::exec();
}
