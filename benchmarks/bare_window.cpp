// The toolkit's floor for start-up: a main window of Velmora's size with the same menu
// bar and nothing else.

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addAction(QStringLiteral("About"));
    window.menuBar()->addAction(QStringLiteral("Problems"));
    auto* client = new QWidget(&window);
    client->setFixedSize(269, 399);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    // As Velmora does: Qt in the browser would otherwise spread the window over the page.
    window.showNormal();
    return QApplication::exec();
}
