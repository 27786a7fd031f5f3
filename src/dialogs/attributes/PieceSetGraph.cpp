#include "dialogs/attributes/PieceSetGraph.h"

#include "chart/Chart.h"
#include "controls/GraphSampleButton.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "dialogs/attributes/LineTypeDlg.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tembra {

CPieceSetGraph::CPieceSetGraph(CChart& chart, const CShigenNameTable& names, QWidget* parent)
    : QWidget(parent), m_chart(chart) {
    setObjectName(IdName(IDD));
    auto* totalGroup = new QGroupBox(QString::fromUtf8("出来高 合計値"), this);
    m_total = new QLineEdit(totalGroup);
    m_total->setObjectName(QStringLiteral("total"));
    m_total->setMaxLength(10);
    auto* totalLayout = new QHBoxLayout(totalGroup);
    totalLayout->addWidget(m_total);
    totalLayout->addWidget(
        new QLabel(QString::fromUtf8("＊この値が100％時の値となります"), totalGroup));
    m_rows = new CSeriesRows(names, this);
    m_rows->SetSampleKind(CGraphSampleButton::kLineSample);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(totalGroup);
    layout->addWidget(m_rows);
    layout->addStretch();

    connect(m_rows, &CSeriesRows::SampleClicked, this, [this](int row) { OpenSample(row); });
    connect(m_rows, &CSeriesRows::PageRequested, this, [this](bool forward) { Page(forward); });
}

void CPieceSetGraph::Fill() {
    m_total->setText(QString::number(static_cast<long>(m_chart.GetMaxValue())));
    m_rows->Fill(m_chart, m_first);
}

void CPieceSetGraph::OpenSample(int row) {
    CLineTypeDlg dialog(m_first + row, m_chart, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_rows->RefreshSample(m_chart, m_first, row);
    }
}

void CPieceSetGraph::Store() {
    const long total = ReadChartNumber(m_total->text().toStdString());
    if (static_cast<DWORD>(total) != m_chart.GetMaxValue()) {
        m_chart.SetMaxValue(static_cast<DWORD>(total));
    }
    m_rows->StoreShown(m_chart, m_first);
}

bool CPieceSetGraph::Apply() {
    if (ReadChartNumber(m_total->text().toStdString()) < 1) {
        AfxMessageBox(IDS_EARNED_VALUE_TOTAL, MB_OK | MB_ICONEXCLAMATION);
        FocusOnPage(this, m_total);
        return false;
    }
    return true;
}

void CPieceSetGraph::Page(bool forward) {
    Store();
    m_first = forward ? m_first + kSeriesRows : PreviousFirst(m_first);
    Fill();
}

} // namespace tembra
