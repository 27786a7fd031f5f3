#include "layout_editor/DialogFields.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace marquell {

namespace {

// The framework's messages of a number field.
constexpr tembra::UINT kWantInteger = 61712;
constexpr tembra::UINT kWantRange = 61715;

} // namespace

QString FromCp932(const std::string& text) {
    return QString::fromStdString(tembra::Sjis::ToUtf8(text));
}

std::string ToCp932(const QString& text) {
    return tembra::Sjis::FromUtf8(text.toStdString());
}

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

bool ParseIntText(const QString& text, int& value) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (ok) {
        value = number;
    }
    return ok;
}

bool ReadIntField(QLineEdit* field, int min, int max, int& value) {
    int number = 0;
    const bool parsed = ParseIntText(field->text(), number);
    if (parsed && number >= min && number <= max) {
        value = number;
        return true;
    }
    if (!parsed) {
        tembra::AfxMessageBox(kWantInteger, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
    } else {
        const std::string text = tembra::FormatString(tembra::LoadString(kWantRange),
                                                      {std::to_string(min), std::to_string(max)});
        tembra::Ui().MessageBox(text, tembra::MB_OK | tembra::MB_ICONEXCLAMATION, kWantRange);
    }
    field->setFocus();
    field->selectAll();
    return false;
}

bool CEnterMovesFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(watched, &tab);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace marquell
