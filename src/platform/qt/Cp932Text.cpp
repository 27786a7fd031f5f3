#include "platform/qt/Cp932Text.h"

#include "platform/Sjis.h"

namespace tembra {

QString FromCp932(const std::string& text) {
    return QString::fromStdString(Sjis::ToUtf8(text));
}

std::string ToCp932(const QString& text) {
    return Sjis::FromUtf8(text.toStdString());
}

} // namespace tembra
