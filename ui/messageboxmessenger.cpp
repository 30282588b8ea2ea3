#include "ui/messageboxmessenger.h"

#include "text/systemtexts.h"

#include <QMessageBox>

namespace velmora {

void MessageBoxMessenger::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(applicationTitle), QString::fromStdString(text),
                    QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmora
