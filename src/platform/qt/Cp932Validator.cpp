#include "platform/qt/Cp932Validator.h"

#include "platform/qt/Cp932Text.h"

namespace tembra {

CCp932Validator::CCp932Validator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State CCp932Validator::validate(QString& input, int& pos) const {
    static_cast<void>(pos);
    // A character CP932 lacks is let in (it counts one byte, as its "?" would) so that 決定 can
    // name it (CheckTextField) instead of the key press being lost without a word.
    return ToCp932(input).size() > m_maxBytes ? Invalid : Acceptable;
}

} // namespace tembra
