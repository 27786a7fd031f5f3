#include "safety/ui/DisasterFrameDlg.h"

#include "document/TembraDoc.h"
#include "model/SyokiSet.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "safety/DisasterFrames.h"
#include "safety/ui/PlanRowCombo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>

namespace tembra {

CDisasterFrameDlg::CDisasterFrameDlg(CTembraDoc& doc, const CPageLayout& layout, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_layout(layout), m_rows(DisasterDefaultRows(doc)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("災害と対策枠一括入力"));
    m_units = DisasterColumnUnits(doc.GetSyokiSet());
    m_unitList = new QComboBox(this);
    for (const int unit : m_units) {
        m_unitList->addItem(FromCp932(PlanUnitName(unit)));
    }
    m_widthList = new QComboBox(this);
    connect(m_unitList, &QComboBox::currentIndexChanged, this, [this] { FillWidthList(); });
    FillWidthList();

    const int rowCount = doc.GetSyokiSet().GetRowSpan();
    MakeBandRowFields(m_rowFields, rowCount, m_rows, this);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch(
        {m_unitList, m_widthList, m_rowFields[0], m_rowFields[1], m_rowFields[2], m_rowFields[3]});
    auto* widthBox = new QGroupBox(QString::fromUtf8("枠幅間隔"), this);
    auto* widthRow = new QGridLayout(widthBox);
    widthRow->addWidget(m_unitList, 0, 0);
    widthRow->addWidget(m_widthList, 0, 1);
    widthRow->addWidget(new QLabel(QString::fromUtf8("毎"), this), 0, 2);
    QGroupBox* rowsBox = MakeBandRowsBox(m_rowFields, "＜災害＞", "＜対策＞", this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(widthBox, 0, 0);
    grid->addWidget(rowsBox, 1, 0);
    grid->addWidget(MakeOkCancel(this, enter), 2, 0);
}

void CDisasterFrameDlg::FillWidthList() {
    m_widthList->clear();
    const int index = m_unitList->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_units.size()) {
        return;
    }
    for (const int width : PlanColumnWidths(m_units[static_cast<std::size_t>(index)])) {
        m_widthList->addItem(QString::number(width));
    }
    m_widthList->setCurrentIndex(0);
}

int CDisasterFrameDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CDisasterFrameDlg::accept() {
    m_unit = m_units[static_cast<std::size_t>(std::max(0, m_unitList->currentIndex()))];
    m_width = m_widthList->currentText().toInt();
    m_rows = CommitBandRows(m_rowFields);
    // Declined: the dialog stays open with the values as they are.
    if (CheckDisasterOverlap(m_doc, m_rows)) {
        QDialog::accept();
    }
}

bool CDisasterFrameDlg::BuildFrames() {
    return BuildDisasterFrames(m_doc, m_layout, m_width, m_unit, m_rows);
}

} // namespace tembra
