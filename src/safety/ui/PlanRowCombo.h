// A row field of the plan batch dialogs: an editable list of the rows 1 .. N. A typed row is
// taken when the field loses the focus if it lies in 1 .. N; anything else puts the previous row
// back.
#pragma once

#include "safety/PlanBandRows.h"

#include <QComboBox>

class QGroupBox;

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

// The four row fields of a two-band batch: start and end row of the upper band, then of the
// lower one.
using BandRowFields = CPlanRowCombo* [4];

// The fields set to rows, out of the chart's rowCount rows.
void MakeBandRowFields(BandRowFields& fields, int rowCount, const PlanBandRows& rows,
                       QWidget* parent);
// Their group box "枠高さ": a line per band with its name, start row and end row.
QGroupBox* MakeBandRowsBox(const BandRowFields& fields, const char* upperName,
                           const char* lowerName, QWidget* parent);
// Takes what is typed in the four (as leaving them does) and gives the rows.
PlanBandRows CommitBandRows(const BandRowFields& fields);

} // namespace tembra
