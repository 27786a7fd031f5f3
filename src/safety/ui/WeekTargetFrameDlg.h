// The weekly target and action frame batch (417 "週間目標と実施項目枠一括入力"): the weekday each
// week column begins on, one or two weeks a column, and the rows of the two bands. 決定 asks
// about frames in the way and stays open with the values when the user declines.
#pragma once

#include "safety/PlanBandRows.h"

#include <QDialog>

class QComboBox;

namespace tembra {

class CPageLayout;
class CPlanRowCombo;
class CTembraDoc;

class CWeekTargetFrameDlg : public QDialog {
public:
    static constexpr int IDD = 417;

    CWeekTargetFrameDlg(CTembraDoc& doc, const CPageLayout& layout, QWidget* parent = nullptr);

    int DoModal();
    void accept() override;
    bool BuildFrames();

    const PlanBandRows& Rows() const { return m_rows; }
    QComboBox* WeekdayList() const { return m_weekday; }
    QComboBox* WeeksList() const { return m_weeks; }
    CPlanRowCombo* RowField(int i) const { return m_rowFields[i]; }

private:
    CTembraDoc& m_doc;
    const CPageLayout& m_layout;
    PlanBandRows m_rows;
    QComboBox* m_weekday = nullptr;
    QComboBox* m_weeks = nullptr;
    CPlanRowCombo* m_rowFields[4] = {};
};

} // namespace tembra
