#include "safety/ui/PlanRowCombo.h"

#include <QLineEdit>

namespace tembra {

CPlanRowCombo::CPlanRowCombo(int rowCount, int value, QWidget* parent)
    : QComboBox(parent), m_rowCount(rowCount), m_value(value) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    for (int row = 1; row <= rowCount; ++row) {
        addItem(QString::number(row));
    }
    SetValue(value);
}

void CPlanRowCombo::SetValue(int value) {
    m_value = value;
    if (value >= 1 && value <= m_rowCount) {
        setCurrentIndex(value - 1);
    }
    setEditText(QString::number(value));
}

void CPlanRowCombo::Commit() {
    bool ok = false;
    const int typed = currentText().trimmed().toInt(&ok);
    SetValue(ok && typed >= 1 && typed <= m_rowCount ? typed : m_value);
}

void CPlanRowCombo::focusOutEvent(QFocusEvent* event) {
    Commit();
    QComboBox::focusOutEvent(event);
}

} // namespace tembra
