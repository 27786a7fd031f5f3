#include "model/ui/CalendarSetDlg.h"

#include "model/Calendar.h"
#include "model/CalendarRequests.h"
#include "model/Utility.h"
#include "platform/RangeMessage.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr int IDOK_BUTTON = 1;
constexpr int IDCANCEL_BUTTON = 2;

void Paint(QLabel* swatch, COLORREF colour, bool shown) {
    const QColor face = swatch->palette().color(QPalette::Button);
    const QColor c = shown ? QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)) : face;
    swatch->setProperty("colour",
                        shown ? QVariant::fromValue(static_cast<uint>(colour)) : QVariant());
    swatch->setStyleSheet(QStringLiteral("background-color: %1;").arg(c.name()));
}

} // namespace

CCalendarSetDlg::CCalendarSetDlg(CCalendar* calendar, int year, int month, QWidget* parent)
    : QDialog(parent), m_calendar(calendar), m_grid(year, month) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("カレンダー設定"));

    m_year = new QLineEdit(this);
    m_year->setObjectName(IdName(IDC_YEAR));
    m_year->setMaxLength(4);
    m_month = new QLineEdit(this);
    m_month->setObjectName(IdName(IDC_MONTH));
    m_month->setMaxLength(2);
    auto* previous = new QPushButton(QString::fromUtf8("←"), this);
    previous->setObjectName(IdName(IDC_PREVIOUS));
    auto* next = new QPushButton(QString::fromUtf8("→"), this);
    next->setObjectName(IdName(IDC_NEXT));
    auto* header = new QHBoxLayout;
    header->addWidget(previous);
    header->addWidget(m_year);
    header->addWidget(new QLabel(QString::fromUtf8("年"), this));
    header->addWidget(m_month);
    header->addWidget(new QLabel(QString::fromUtf8("月"), this));
    header->addWidget(next);

    auto* grid = new QGridLayout;
    static const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int column = 0; column < 7; ++column) {
        auto* label = new QLabel(QString::fromUtf8(kWeekdays[column]), this);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 0, column);
    }
    for (int cell = 0; cell < CalendarMonthGrid::kCells; ++cell) {
        auto* day = new QPushButton(this);
        day->setObjectName(IdName(IDC_FIRST_DAY + cell));
        day->setAutoDefault(false);
        day->setFixedWidth(36);
        auto* swatch = new QLabel(this);
        swatch->setObjectName(IdName(IDC_FIRST_SWATCH + cell));
        swatch->setFixedSize(36, 6);
        const int row = 1 + (cell / 7) * 2;
        grid->addWidget(day, row, cell % 7);
        grid->addWidget(swatch, row + 1, cell % 7);
        m_days[static_cast<std::size_t>(cell)] = day;
        m_swatches[static_cast<std::size_t>(cell)] = swatch;
        connect(day, &QPushButton::clicked, this, [this, cell] { OnDay(cell); });
    }

    auto* invert = new QPushButton(QString::fromUtf8("反　転"), this);
    invert->setObjectName(IdName(IDC_INVERT));
    auto* batch = new QPushButton(QString::fromUtf8("一括変更"), this);
    batch->setObjectName(IdName(IDC_BATCH));
    auto* ok = new QPushButton(QString::fromUtf8("決定"), this);
    ok->setObjectName(IdName(IDOK_BUTTON));
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName(IdName(IDCANCEL_BUTTON));
    for (QPushButton* button : {previous, next, invert, batch, ok, cancel}) {
        button->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(invert);
    buttons->addWidget(batch);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_year, m_month, previous, next, invert, batch});
    enter->SetButtons(ok, cancel);

    connect(previous, &QPushButton::clicked, this, [this] {
        if (m_grid.Previous()) {
            Redraw();
        }
    });
    connect(next, &QPushButton::clicked, this, [this] {
        if (m_grid.Next()) {
            Redraw();
        }
    });
    connect(m_year, &QLineEdit::editingFinished, this, &CCalendarSetDlg::TakeFields);
    connect(m_month, &QLineEdit::editingFinished, this, &CCalendarSetDlg::TakeFields);
    connect(invert, &QPushButton::clicked, this, &CCalendarSetDlg::OnInvert);
    connect(batch, &QPushButton::clicked, this, &CCalendarSetDlg::OnBatch);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    Redraw();
}

CCalendarSetDlg::~CCalendarSetDlg() = default;

void CCalendarSetDlg::TakeFields() {
    const std::optional<long> year = ParseIntInRange(
        m_year->text().toStdString(), GetMinDate().GetYear(), GetMaxDate().GetYear());
    const std::optional<long> month = ParseIntInRange(m_month->text().toStdString(), 1, 12);
    if (year && month) {
        m_grid = CalendarMonthGrid(static_cast<int>(*year), static_cast<int>(*month));
    }
    Redraw();
}

void CCalendarSetDlg::Redraw() {
    m_year->setText(QString::number(m_grid.Year()));
    m_month->setText(QString::number(m_grid.Month()));
    const auto cells = m_grid.Cells(*m_calendar);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool shown = cells[i].day != 0;
        m_days[i]->setText(shown ? QString::asprintf("%2d", cells[i].day) : QString());
        m_days[i]->setVisible(shown);
        m_swatches[i]->setVisible(shown);
        Paint(m_swatches[i], cells[i].colour, shown);
    }
}

void CCalendarSetDlg::OnDay(int cell) {
    const int day = m_days[static_cast<std::size_t>(cell)]->text().trimmed().toInt();
    if (day <= 0) {
        return;
    }
    CalendarMonthGrid::ToggleDay(*m_calendar, m_grid.Year(), m_grid.Month(), day);
    Paint(m_swatches[static_cast<std::size_t>(cell)],
          CalendarMonthGrid::ColourOf(m_calendar->GetDayFlag(m_grid.Year(), m_grid.Month(), day)),
          true);
}

void CCalendarSetDlg::OnInvert() {
    if (AfxMessageBox(Sjis::FromUtf8("休日と平日を反転します"), MB_YESNO | MB_ICONQUESTION) !=
        IDYES) {
        return;
    }
    {
        CWaitCursor wait;
        m_calendar->InvertHolidays();
    }
    Redraw();
}

void CCalendarSetDlg::OnBatch() {
    HolidayInitRequest request;
    request.calendar = m_calendar;
    if (Ui().RunDialog(request) == IDOK) {
        Redraw();
    }
}

} // namespace tembra
