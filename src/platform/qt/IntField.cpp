#include "platform/qt/IntField.h"

#include "platform/RangeMessage.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <QLineEdit>

#include <climits>
#include <optional>
#include <string>

namespace tembra {

bool ReadIntField(QLineEdit* field, int min, int max, int& value, IntFieldMessages messages) {
    const std::optional<long> number =
        ParseIntInRange(field->text().toStdString(), INT_MIN, INT_MAX);
    if (number && *number >= min && *number <= max) {
        value = static_cast<int>(*number);
        return true;
    }
    const UINT message = number ? messages.outOfRange : messages.notInteger;
    const std::string text =
        FormatString(LoadString(message), {std::to_string(min), std::to_string(max)});
    Ui().MessageBox(text, MB_OK | MB_ICONEXCLAMATION, message);
    if (field->isEnabled()) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
    return false;
}

} // namespace tembra
