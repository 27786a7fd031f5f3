// The disaster and countermeasure frame batch (306 "災害と対策枠一括入力"): the column unit and
// width and the rows of the two bands. 決定 asks about frames in the way and stays open with the
// values when the user declines; after 決定 the caller builds the frames.
#pragma once

#include "safety/PlanBandRows.h"

#include <QDialog>

class QComboBox;

namespace tembra {

class CPageLayout;
class CPlanRowCombo;
class CTembraDoc;

class CDisasterFrameDlg : public QDialog {
public:
    static constexpr int IDD = 306;

    CDisasterFrameDlg(CTembraDoc& doc, const CPageLayout& layout, QWidget* parent = nullptr);

    int DoModal();
    void accept() override;
    // The frames of the dialog's values; false when a frame could not be made.
    bool BuildFrames();

    int Width() const { return m_width; }
    int Unit() const { return m_unit; }
    const PlanBandRows& Rows() const { return m_rows; }

    QComboBox* UnitList() const { return m_unitList; }
    QComboBox* WidthList() const { return m_widthList; }
    CPlanRowCombo* RowField(int i) const { return m_rowFields[i]; }

private:
    void FillWidthList();

    CTembraDoc& m_doc;
    const CPageLayout& m_layout;
    std::vector<int> m_units;
    int m_width = 1;
    int m_unit = 2;
    PlanBandRows m_rows;
    QComboBox* m_unitList = nullptr;
    QComboBox* m_widthList = nullptr;
    CPlanRowCombo* m_rowFields[4] = {};
};

} // namespace tembra
