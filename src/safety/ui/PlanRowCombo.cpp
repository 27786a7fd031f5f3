#include "safety/ui/PlanRowCombo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
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

void MakeBandRowFields(BandRowFields& fields, int rowCount, const PlanBandRows& rows,
                       QWidget* parent) {
    const int values[4] = {rows.upper.first, rows.upper.last, rows.lower.first, rows.lower.last};
    for (int i = 0; i < 4; ++i) {
        fields[i] = new CPlanRowCombo(rowCount, values[i], parent);
    }
}

QGroupBox* MakeBandRowsBox(const BandRowFields& fields, const char* upperName,
                           const char* lowerName, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8("枠高さ"), parent);
    auto* rows = new QGridLayout(box);
    const char* bands[2] = {upperName, lowerName};
    for (int band = 0; band < 2; ++band) {
        rows->addWidget(new QLabel(QString::fromUtf8(bands[band]), parent), band, 0);
        rows->addWidget(new QLabel(QString::fromUtf8("開始行"), parent), band, 1);
        rows->addWidget(fields[2 * band], band, 2);
        rows->addWidget(new QLabel(QString::fromUtf8("終了行"), parent), band, 3);
        rows->addWidget(fields[2 * band + 1], band, 4);
    }
    return box;
}

PlanBandRows CommitBandRows(const BandRowFields& fields) {
    for (CPlanRowCombo* field : fields) {
        field->Commit();
    }
    return {{fields[0]->Value(), fields[1]->Value()}, {fields[2]->Value(), fields[3]->Value()}};
}

} // namespace tembra
