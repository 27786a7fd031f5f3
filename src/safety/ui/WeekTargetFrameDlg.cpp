#include "safety/ui/WeekTargetFrameDlg.h"

#include "document/TembraDoc.h"
#include "model/SyokiSet.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "safety/WeekTargetFrames.h"
#include "safety/ui/PlanRowCombo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace tembra {

CWeekTargetFrameDlg::CWeekTargetFrameDlg(CTembraDoc& doc, const CPageLayout& layout,
                                         QWidget* parent)
    : QDialog(parent), m_doc(doc), m_layout(layout), m_rows(WeekTargetDefaultRows(doc)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("週間目標と実施項目枠一括入力"));
    m_weekday = new QComboBox(this);
    m_weekday->addItems({QString::fromUtf8("日曜日"), QString::fromUtf8("月曜日")});
    m_weeks = new QComboBox(this);
    m_weeks->addItems({QStringLiteral("1"), QStringLiteral("2")});
    const int rowCount = doc.GetSyokiSet().GetRowSpan();
    MakeBandRowFields(m_rowFields, rowCount, m_rows, this);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch(
        {m_weekday, m_weeks, m_rowFields[0], m_rowFields[1], m_rowFields[2], m_rowFields[3]});
    auto* widthBox = new QGroupBox(QString::fromUtf8("枠幅間隔"), this);
    auto* widthRow = new QGridLayout(widthBox);
    widthRow->addWidget(m_weekday, 0, 0);
    widthRow->addWidget(new QLabel(QString::fromUtf8("から"), this), 0, 1);
    widthRow->addWidget(m_weeks, 0, 2);
    widthRow->addWidget(new QLabel(QString::fromUtf8("週毎"), this), 0, 3);
    QGroupBox* rowsBox = MakeBandRowsBox(m_rowFields, "＜週間目標＞", "＜実施項目＞", this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(widthBox, 0, 0);
    grid->addWidget(rowsBox, 1, 0);
    grid->addWidget(MakeOkCancel(this, enter), 2, 0);
}

int CWeekTargetFrameDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CWeekTargetFrameDlg::accept() {
    m_rows = CommitBandRows(m_rowFields);
    if (CheckWeekTargetOverlap(m_doc, m_rows)) {
        QDialog::accept();
    }
}

bool CWeekTargetFrameDlg::BuildFrames() {
    return BuildWeekTargetFrames(m_doc, m_layout, m_weeks->currentIndex() + 1,
                                 m_weekday->currentIndex() == 1, m_rows);
}

} // namespace tembra
