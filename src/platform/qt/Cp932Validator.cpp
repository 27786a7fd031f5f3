#include "platform/qt/Cp932Validator.h"

#include "platform/qt/Cp932Text.h"

namespace tembra {

CCp932Validator::CCp932Validator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State CCp932Validator::validate(QString& input, int& pos) const {
    static_cast<void>(pos);
    const std::string bytes = ToCp932(input);
    if (bytes.size() > m_maxBytes || FromCp932(bytes) != input) {
        return Invalid;
    }
    return Acceptable;
}

} // namespace tembra
