#include "ui/messageboxmessenger.h"

#include "text/systemtexts.h"
#include "ui/qttext.h"

#include <QMessageBox>

namespace velmora {

void MessageBoxMessenger::showMessage(const std::string& text)
{
#ifdef Q_OS_WASM
    // A page cannot wait inside a call for a click without Asyncify, which makes the whole
    // program a third larger. Nothing that follows a message depends on its answer, so
    // the command goes on at once, under a modal box that leaves the same state once
    // dismissed. The owner window, or closing, disposes of the box.
    auto* box = new QMessageBox(QMessageBox::NoIcon, fromUtf8(applicationTitle), fromUtf8(text),
                                QMessageBox::Ok, owner_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setModal(true);
    box->show();
#else
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(applicationTitle), fromUtf8(text), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
#endif
}

} // namespace velmora
