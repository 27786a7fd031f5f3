#include "dialogs/attributes/EventBatchWeekDlg.h"

#include "dialogs/attributes/EnterAcceptsButtons.h"
#include "dialogs/attributes/core/EventBatchChecks.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace tembra {

namespace {

constexpr UINT kNothingChosen = 5097;
constexpr UINT kNotInPeriod = 5096;

} // namespace

CEventBatchWeekDlg::CEventBatchWeekDlg(EventBatchWeekTable* table, const CTime& start,
                                       const CTime& end, QWidget* parent)
    : QDialog(parent), m_table(table), m_start(start), m_end(end) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("行事一括入力設定（曜日指定）"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QString::fromUtf8("毎週"), this), 0, 0);
    const char* weeks[] = {"第１", "第２", "第３", "第４", "第５"};
    for (int n = 0; n < 5; ++n) {
        grid->addWidget(new QLabel(QString::fromUtf8(weeks[n]), this), 0, n + 1, Qt::AlignCenter);
    }
    const char* weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int w = 0; w < 7; ++w) {
        auto* header = new QPushButton(QString::fromUtf8(weekdays[w]), this);
        header->setObjectName(IdName(kHeaderIds[w]));
        header->setAutoDefault(false);
        grid->addWidget(header, w + 1, 0);
        for (int n = 0; n < 5; ++n) {
            auto* box = new QCheckBox(this);
            box->setObjectName(IdName(kFirstBoxIds[w] + n));
            box->setChecked(table != nullptr && table->weeks[w][n] != 0);
            m_boxes[w][n] = box;
            grid->addWidget(box, w + 1, n + 1, Qt::AlignCenter);
        }
        connect(header, &QPushButton::clicked, this, [this, w] {
            const auto& row = m_boxes[w];
            const bool all =
                std::all_of(row.begin(), row.end(), [](QCheckBox* b) { return b->isChecked(); });
            for (QCheckBox* box : row) {
                box->setChecked(!all);
            }
        });
    }
    QDialogButtonBox* buttons = MakeEnterAcceptsButtons(this);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons, 0, Qt::AlignTop);
}

EventBatchWeekTable CEventBatchWeekDlg::Taken() const {
    EventBatchWeekTable table;
    for (int w = 0; w < 7; ++w) {
        for (int n = 0; n < 5; ++n) {
            table.weeks[w][n] = m_boxes[w][n]->isChecked() ? 1 : 0;
        }
    }
    return table;
}

void CEventBatchWeekDlg::accept() {
    const EventBatchWeekTable table = Taken();
    if (!AnyWeekdayChosen(table)) {
        AfxMessageBox(kNothingChosen, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!WeekPeriodHolds(table, m_start, m_end)) {
        AfxMessageBox(kNotInPeriod, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (m_table != nullptr) {
        *m_table = table;
    }
    QDialog::accept();
}

} // namespace tembra
