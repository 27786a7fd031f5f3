// A field limited to a number of CP932 bytes: the limit the data's fixed-size fields put on a
// text, counted as the file stores it (a kanji takes two bytes), not in characters.
#pragma once

#include <QValidator>

#include <cstddef>

namespace tembra {

// Accepts text whose CP932 form keeps within a number of bytes. Characters CP932 cannot hold are
// refused on 決定 by the text check (TextFieldCheck.h), with a message naming them.
class CCp932Validator : public QValidator {
    Q_OBJECT
public:
    CCp932Validator(std::size_t maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::size_t m_maxBytes;
};

} // namespace tembra
