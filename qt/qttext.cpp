#include "qt/qttext.h"

namespace velmora {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

} // namespace velmora
