// A row field of the plan batch dialogs: an editable list of the rows 1 .. N. A typed row is
// taken when the field loses the focus if it lies in 1 .. N; anything else puts the previous row
// back.
#pragma once

#include <QComboBox>

namespace tembra {

class CPlanRowCombo : public QComboBox {
public:
    CPlanRowCombo(int rowCount, int value, QWidget* parent);

    int Value() const { return m_value; }
    void SetValue(int value);
    // Takes the typed text now (as leaving the field does).
    void Commit();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_rowCount;
    int m_value;
};

} // namespace tembra
