#include "qt/messageboxmessenger.h"

#include "qt/qttext.h"
#include "text/systemtexts.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

namespace velmora {

void MessageBoxMessenger::showMessage(const std::string& text)
{
#ifdef Q_OS_WASM
    // A page cannot wait inside a call for a click without Asyncify, which makes the
    // program two thirds larger (a third after gzip). Nothing that follows a message depends on its answer,
    // so the command goes on at once, under a modal box that leaves the same state once dismissed. The owner
    // window, or closing, disposes of the box.
    auto* box = new QMessageBox(QMessageBox::NoIcon, fromUtf8(applicationTitle), fromUtf8(text),
                                QMessageBox::Ok, owner_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setModal(true);
    box->setDefaultButton(QMessageBox::Ok);
    box->show();
    // As under exec(): the box keeps the keyboard, so that Return answers its OK, even
    // after the click that opened it or a click on a window behind it, which the page's
    // Qt makes active although the box blocks it.
    QTimer::singleShot(0, box, [box] { box->activateWindow(); });
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, box, [box](QWindow* focused) {
        if (focused && focused != box->windowHandle())
            QTimer::singleShot(0, box, [box] { box->activateWindow(); });
    });
#else
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(applicationTitle), fromUtf8(text), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
#endif
}

} // namespace velmora
