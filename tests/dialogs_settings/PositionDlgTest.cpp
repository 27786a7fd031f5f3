// The position dialogs offscreen, answered through the one "Position" request: the dialog each
// template opens, elapsed months and days as typed and stepped, the calendar date checked on 決定
// in any order of typing and the arrows' ends, spans in working days, the second point from an
// edited period, and Enter.
#include "dialogs/settings/PosNobeDlg.h"
#include "dialogs/settings/PosNobeDlg2.h"
#include "dialogs/settings/PosRekiDlg.h"
#include "dialogs/settings/PosRekiDlg2.h"
#include "dialogs/settings/PositionFields.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "document/PositionRequest.h"
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/Utility.h"
#include "platform/RangeMessage.h"
#include "support/ScriptedUi.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <string>
#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::Control;

const CTime kBase(2024, 4, 1);

class PositionDlgTest : public ::testing::Test {
protected:
    PositionDlgTest() {
        RegisterSettingsDialogs(registry);
        CSyokiSet& settings = doc.GetSyokiSet();
        settings.SetStartDate(kBase);
        settings.SetMaeYohaku(CTimeSpan(0));
        settings.SetJyunbiKikan(CTimeSpan(0));
        settings.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
    }

    PositionRequest Request(int templateId, const CTime& start, const CTime& end, WORD row = 4) {
        PositionRequest request;
        request.templateId = templateId;
        request.document = &doc;
        request.noTimeOfDay = false;
        request.span.SetStartDate(start);
        request.span.SetEndDate(end);
        request.span.SetStartRow(row);
        request.span.SetEndRow(row);
        return request;
    }

    test::ScopedUi ui;
    test::KeepingRegistry registry;
    CTembraDoc doc;
};

QLineEdit* Field(const QWidget& d, int offset) {
    return Control<QLineEdit>(d, IDC_POS_FIRST + offset);
}

std::vector<std::string> Shown(const QWidget& d, int count) {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        texts.push_back(Field(d, i)->text().toStdString());
    }
    return texts;
}

void Arrow(const QWidget& d, int offset, const char* which) {
    d.findChild<QToolButton*>(QString::number(IDC_POS_FIRST + offset) + "." + which)->click();
}

// Types into the field and leaves it with Enter, as the user does.
void Type(QDialog& d, int offset, const char* text) {
    QLineEdit* field = Field(d, offset);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString::fromUtf8(text));
    QTest::keyClick(field, Qt::Key_Return);
}

void Activate(QDialog& d) {
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
}

TEST_F(PositionDlgTest, EachTemplateOpensItsDialogAndOkWritesTheEnd) {
    struct TemplateCase {
        int templateId;
        const char* caption;
    };
    const TemplateCase cases[] = {
        {PositionRequest::kStartCalendar, "位置指定"},
        {PositionRequest::kTargetCalendar, "位置指定"},
        {PositionRequest::kStartElapsed, "位置指定(延)"},
        {PositionRequest::kTargetElapsed, "位置指定(延)"},
    };
    for (const TemplateCase& c : cases) {
        SCOPED_TRACE(c.templateId);
        PositionRequest request = Request(c.templateId, kBase, kBase + CTimeSpan(3, 5, 0, 0));
        test::WhenShown<QDialog>([&c](QDialog& d) {
            EXPECT_EQ(d.objectName(), QString::number(c.templateId));
            EXPECT_EQ(d.windowTitle(), QString::fromUtf8(c.caption));
            const bool calendar = c.templateId == PositionRequest::kStartCalendar ||
                                  c.templateId == PositionRequest::kTargetCalendar;
            Field(d, calendar ? int{kCalRow} : int{kNobeRow})->setText("9");
            Control<QPushButton>(d, 1)->click();
        });
        EXPECT_EQ(registry.Run(request), IDOK);
        EXPECT_EQ(request.span.GetEndDate(), kBase + CTimeSpan(3, 5, 0, 0));
        EXPECT_EQ(request.span.GetEndRow(), 8);
        EXPECT_EQ(request.span.GetStartDate(), kBase);
    }
    PositionRequest orphan;
    EXPECT_EQ(registry.Run(orphan), IDCANCEL);
}

TEST_F(PositionDlgTest, ElapsedPointsShowTypeAndStepWithoutMonthZero) {
    struct ShownCase {
        std::int64_t days;
        std::vector<std::string> shown;
    };
    const ShownCase cases[] = {
        {0, {"1", "1"}}, {-1, {"-1", "30"}}, {-30, {"-1", "1"}}, {-31, {"-2", "30"}}};
    for (const ShownCase& c : cases) {
        PositionRequest request =
            Request(PositionRequest::kStartElapsed, kBase, kBase + CTimeSpan(c.days, 0, 0, 0));
        CPosNobeDlg dialog(request, doc.GetSyokiSet());
        EXPECT_EQ(Shown(dialog, 2), c.shown) << c.days;
    }

    PositionRequest request = Request(PositionRequest::kStartElapsed, kBase, kBase);
    CPosNobeDlg dialog(request, doc.GetSyokiSet());
    Activate(dialog);
    Type(dialog, kNobeMonth, "0");
    Type(dialog, kNobeDay, "0");
    EXPECT_EQ(Shown(dialog, 2), (std::vector<std::string>{"1", "1"}));
    Arrow(dialog, kNobeDay, "down");
    EXPECT_EQ(Shown(dialog, 2), (std::vector<std::string>{"-1", "30"}));
    Type(dialog, kNobeHour, "23");
    Arrow(dialog, kNobeHour, "up");
    EXPECT_EQ(Shown(dialog, 4), (std::vector<std::string>{"1", "1", "0", "0"}));
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(request.span.GetEndDate(), kBase);
}

TEST_F(PositionDlgTest, ElapsedArrowsStopAtTheSupportedDates) {
    PositionRequest request = Request(PositionRequest::kStartElapsed, kBase, GetMaxDate());
    CPosNobeDlg dialog(request, doc.GetSyokiSet());
    const std::vector<std::string> last = Shown(dialog, 2);
    Arrow(dialog, kNobeDay, "up");
    Arrow(dialog, kNobeMonth, "up");
    EXPECT_EQ(Shown(dialog, 2), last);
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(request.span.GetEndDate(), GetMaxDate());

    PositionRequest early = Request(PositionRequest::kStartElapsed, kBase, GetMinDate());
    CPosNobeDlg first(early, doc.GetSyokiSet());
    const std::vector<std::string> earliest = Shown(first, 2);
    Arrow(first, kNobeDay, "down");
    EXPECT_EQ(Shown(first, 2), earliest);
}

// The date is checked when the dialog is confirmed: a month and a day may be typed in either
// order, and a day the month lacks gets the range message on 決定 (the fields as typed).
TEST_F(PositionDlgTest, CalendarDateIsCheckedOnOkWhateverTheOrderOfTyping) {
    struct TypedCase {
        const char* what;
        std::vector<std::pair<int, const char*>> typed;
        bool refused; // the first 決定 gives the range message and leaves the focus on the field
        int wrongField;
        CTime date; // the date written on 決定 (after the refusal: with day 1 typed)
    };
    const std::vector<TypedCase> cases = {
        {"month, then day",
         {{kCalMonth, "4"}, {kCalDay, "29"}},
         false,
         0,
         CTime(2027, 4, 29, 9, 0)},
        {"day, then month",
         {{kCalDay, "29"}, {kCalMonth, "4"}},
         false,
         0,
         CTime(2027, 4, 29, 9, 0)},
        {"a month without the 31st", {{kCalMonth, "4"}}, true, kCalDay, CTime(2027, 4, 1, 9, 0)},
        {"29 February of a common year",
         {{kCalMonth, "2"}, {kCalDay, "29"}},
         true,
         kCalDay,
         CTime(2027, 2, 1, 9, 0)},
        {"29 February of a leap year",
         {{kCalYear, "2028"}, {kCalMonth, "2"}, {kCalDay, "29"}},
         false,
         0,
         CTime(2028, 2, 29, 9, 0)},
        {"month 13", {{kCalMonth, "13"}}, true, kCalMonth, CTime(2027, 5, 31, 9, 0)},
    };
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(c.what);
        // As an Alt+click on 31 May gives it.
        PositionRequest request =
            Request(PositionRequest::kStartCalendar, kBase, CTime(2027, 5, 31, 9, 0));
        CPosRekiDlg dialog(request);
        Activate(dialog);
        for (const auto& [field, text] : c.typed) {
            Type(dialog, field, text);
            EXPECT_EQ(Field(dialog, field)->text().toStdString(), text) << "kept as typed";
        }
        ui->ClearRecords();
        Control<QPushButton>(dialog, 1)->click();
        if (c.refused) {
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_VALUE_RANGE});
            EXPECT_EQ(dialog.focusWidget(), Field(dialog, c.wrongField));
            EXPECT_EQ(request.span.GetEndDate(), CTime(2027, 5, 31, 9, 0)) << "nothing written";
            Field(dialog, c.wrongField)->setText(c.wrongField == kCalDay ? "1" : "5");
            Control<QPushButton>(dialog, 1)->click();
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(request.span.GetEndDate(), c.date);
    }
}

TEST_F(PositionDlgTest, CalendarArrowsStopAtTheFieldEndsAndEnterMovesOn) {
    PositionRequest request =
        Request(PositionRequest::kStartCalendar, kBase, CTime(2024, 4, 10, 23, 0));
    CPosRekiDlg dialog(request);
    Activate(dialog);
    Type(dialog, kCalDay, "30");
    EXPECT_TRUE(dialog.isVisible()); // Enter in a field moves on
    EXPECT_EQ(dialog.focusWidget(), Field(dialog, kCalHour));
    Arrow(dialog, kCalHour, "up");
    EXPECT_EQ(Field(dialog, kCalHour)->text(), "23");

    ui->ClearRecords();
    Field(dialog, kCalRow)->setText("0");
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_VALUE_RANGE});
    Field(dialog, kCalRow)->setText("2");
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(request.span.GetEndDate(), CTime(2024, 4, 30, 23, 0));
    EXPECT_EQ(request.span.GetEndRow(), 1);
}

// A working calendar whose weekend of 8 and 9 June 2024 is off, used because processes skip
// holidays.
class WorkingSpanTest : public PositionDlgTest {
protected:
    WorkingSpanTest() {
        doc.GetSyokiSet().GetChart().GetKouteiAttr().m_holiday = 1;
        doc.GetWorkCalendar().Clear();
        doc.GetWorkCalendar().AddDayFlag(2024, 6, 8, CCalendar::kRuleHoliday);
        doc.GetWorkCalendar().AddDayFlag(2024, 6, 9, CCalendar::kRuleHoliday);
    }
    QLineEdit* Span(const QWidget& d, int id) { return Control<QLineEdit>(d, id); }
};

TEST_F(WorkingSpanTest, WorkingDaysLeaveOutTheWeekendAndTypedDaysCountWorkingDays) {
    PositionRequest request =
        Request(PositionRequest::kTargetCalendar, CTime(2024, 6, 7), CTime(2024, 6, 11));
    test::WhenShown<CPosRekiDlg2>([this](CPosRekiDlg2& d) {
        EXPECT_EQ(Span(d, IDC_SPAN_DAYS)->text(), "4");
        EXPECT_EQ(Span(d, IDC_SPAN_HOLIDAYS)->text(), "2");
        Control<QRadioButton>(d, IDC_SPAN_WORKING)->click();
        EXPECT_EQ(Span(d, IDC_SPAN_DAYS)->text(), "2");
        Span(d, IDC_SPAN_DAYS)->setText("5");
        emit Span(d, IDC_SPAN_DAYS)->editingFinished();
        EXPECT_EQ(Shown(d, 3), (std::vector<std::string>{"2024", "6", "14"}));
        EXPECT_EQ(Span(d, IDC_SPAN_DAYS)->text(), "5");
        Control<QPushButton>(d, 1)->click();
    });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(request.span.GetEndDate(), CTime(2024, 6, 14));
}

TEST_F(WorkingSpanTest, OneRowWithoutTimesNeverGetsAnEmptySpan) {
    PositionRequest request =
        Request(PositionRequest::kTargetCalendar, CTime(2024, 6, 3), CTime(2024, 6, 5));
    request.noTimeOfDay = true;
    CPosRekiDlg2 dialog(request, doc.GetWorkCalendar());
    EXPECT_FALSE(Field(dialog, kCalHour)->isEnabled());
    EXPECT_FALSE(Span(dialog, IDC_SPAN_MINUTES)->isEnabled());
    Span(dialog, IDC_SPAN_DAYS)->setText("0");
    emit Span(dialog, IDC_SPAN_DAYS)->editingFinished();
    EXPECT_EQ(Span(dialog, IDC_SPAN_DAYS)->text(), "1");
    EXPECT_EQ(Shown(dialog, 3), (std::vector<std::string>{"2024", "6", "4"}));
}

TEST_F(PositionDlgTest, EditedPeriodGivesStartPlusPeriodWithTheStartsTimeOfDay) {
    const CTime start = kBase + CTimeSpan(2, 9, 30, 0);
    PositionRequest request =
        Request(PositionRequest::kTargetElapsed, start, start + CTimeSpan(1, 0, 0, 0));
    CPosNobeDlg2 dialog(request, doc.GetSyokiSet());
    EXPECT_EQ(Control<QLineEdit>(dialog, IDC_SPAN_DAYS)->text(), "1");
    Control<QLineEdit>(dialog, IDC_SPAN_DAYS)->setText("40");
    emit Control<QLineEdit>(dialog, IDC_SPAN_DAYS)->editingFinished();
    // Day 42 from B is month 2 day 13, at the start's 9:30.
    EXPECT_EQ(Shown(dialog, 4), (std::vector<std::string>{"2", "13", "9", "30"}));
    Arrow(dialog, kNobeMinute, "up");
    EXPECT_EQ(Control<QLineEdit>(dialog, IDC_SPAN_MINUTES)->text(), "1");
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(request.span.GetEndDate(), start + CTimeSpan(40, 0, 1, 0));
}

} // namespace
} // namespace tembra
