#include "ui/formvelmora.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    velmora::Form_Velmora window;
    window.show();
    return QApplication::exec();
}
