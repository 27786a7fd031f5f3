// What the layout editor's dialogs share: CP932 text in and out of their fields, fields limited
// to a number of CP932 bytes, number fields read as the framework's field exchange reads them
// (an integer within a range, else its message and the focus back on the field), and Enter
// that moves the focus on instead of closing the dialog.
#pragma once

#include <QObject>
#include <QString>
#include <QValidator>

#include <cstddef>
#include <string>

class QLineEdit;
class QWidget;

namespace marquell {

QString FromCp932(const std::string& text);
std::string ToCp932(const QString& text);

// Accepts text whose CP932 form keeps within a number of bytes and that CP932 can hold.
class CCp932Validator : public QValidator {
    Q_OBJECT
public:
    CCp932Validator(std::size_t maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::size_t m_maxBytes;
};

// The integer of a field's text within [min, max]. Otherwise the framework's message (an
// integer wanted, or the range) is shown, the field takes the focus with its text selected, and
// the result is false.
bool ReadIntField(QLineEdit* field, int min, int max, int& value);
// The integer a text holds (blanks around it allowed), or false.
bool ParseIntText(const QString& text, int& value);

// Installed on a dialog's fields: Enter moves the focus to the next control.
class CEnterMovesFocus : public QObject {
    Q_OBJECT
public:
    explicit CEnterMovesFocus(QObject* parent) : QObject(parent) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace marquell
