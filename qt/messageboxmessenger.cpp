#include "qt/messageboxmessenger.h"

#include "qt/qttext.h"
#include "text/systemtexts.h"

#include <QMessageBox>

namespace velmora {

void MessageBoxMessenger::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(applicationTitle), fromUtf8(text), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmora
