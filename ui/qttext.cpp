#include "ui/qttext.h"

#include "text/numbertext.h"

#include <QLocale>

namespace velmora {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString userResultText(double value)
{
    return QString::fromStdString(resultText(value, QLocale().decimalPoint().toStdString()));
}

} // namespace velmora
