#include "ui/formabout.h"
#include "ui/formvelmora.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));

    // Outlives the main window: closing it leaves an open About window, and the program
    // ends when the last window is closed.
    velmora::AboutWindowReference about;
    velmora::Form_Velmora window(nullptr, &about);
    window.show();
    return QApplication::exec();
}
