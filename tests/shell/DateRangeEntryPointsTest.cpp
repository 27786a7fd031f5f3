// Every place of the program that takes a date takes the days of the supported range to its last
// one, 2037-12-31, and refuses the day after it the way it refuses any date it cannot take: the
// dialogs' date fields with their range message, the fill command by its state, the automation
// members by their answer, the readers by their report.
#include "ShellFixture.h"

#include "automation/AutomationHost.h"
#include "automation/SettingsChanges.h"
#include "automation/TembraDocAutomation.h"
#include "dialogs/attributes/ChangeDaysDlg.h"
#include "dialogs/attributes/DayToCalDateDlg.h"
#include "dialogs/settings/PosRekiDlg.h"
#include "dialogs/settings/PositionFields.h"
#include "document/PositionRequest.h"
#include "exchange/AsciiLineFile.h"
#include "exchange/DosConvert.h"
#include "exchange/QkrImport.h"
#include "model/Calendar.h"
#include "model/Event.h"
#include "model/HolidaySettings.h"
#include "model/Koutei.h"
#include "model/ui/CalendarSetDlg.h"
#include "model/ui/HolidayDlg.h"
#include "safety/ui/ManeiToubanP1.h"
#include "support/qt/DialogControls.h"

#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Control;

const CTimeSpan kDay(1, 0, 0, 0);

// The field range message of every year field.
const std::string kYearRange = "1991 から 2037 までの整数を入力してください。";

// What an entry point did with a date: whether it took it, and the messages it showed (UTF-8).
struct Outcome {
    bool taken = false;
    std::vector<std::string> messages;
};

struct EntryPoint {
    const char* name;
    std::function<bool(const CTime&)> take;
    // How the first day after the range is refused: the start of the one message shown, or
    // nothing for an entry point that refuses without a message.
    std::string refusal;
};

std::string Slashed(const CTime& d) {
    return d.Format("%Y/%m/%d");
}

void SetText(const QWidget& dialog, int id, int value) {
    Control<QLineEdit>(dialog, id)->setText(QString::number(value));
}

class NoHost : public IAutomationHost {
public:
    void CloseIdleDocuments(CTembraDoc&) override {}
    bool CloseDocument(CTembraDoc&, int) override { return true; }
    bool OtherDocumentsOpen(const CTembraDoc&) const override { return false; }
    void CloseApplication(CTembraDoc&) override {}
    void BeginQuestion() override {}
    void EndQuestion() override {}
};

class DateRangeEntryPointsTest : public test::ShellFixture {
protected:
    DateRangeEntryPointsTest() { clock.Set(CTime(2027, 4, 1, 9, 0, 0)); }

    // A chart of the program that no window shows.
    std::unique_ptr<CTembraDoc> Chart(bool elapsed = false) {
        auto chart = std::make_unique<CTembraDoc>();
        EXPECT_TRUE(chart->OnNewDocument());
        if (elapsed) {
            // No trailing margin: the last elapsed day ends the period.
            chart->GetSyokiSet().SetNobeMode(1);
            chart->GetSyokiSet().SetAtoYohaku(CTimeSpan(0));
        }
        return chart;
    }

    std::vector<EntryPoint> EntryPoints() {
        return {
            {"日数変更 (end date)",
             [this](const CTime& d) {
                 CKoutei process;
                 process.SetStartDate(d - CTimeSpan(10, 0, 0, 0));
                 process.SetEndDate(d - CTimeSpan(5, 0, 0, 0));
                 process.SetStartRow(3);
                 process.SetEndRow(3);
                 CChangeDaysDlg dialog(false, &process, doc);
                 SetText(dialog, CChangeDaysDlg::IDC_YEAR, d.GetYear());
                 SetText(dialog, CChangeDaysDlg::IDC_MONTH, d.GetMonth());
                 SetText(dialog, CChangeDaysDlg::IDC_DAY, d.GetDay());
                 Control<QPushButton>(dialog, 1)->click();
                 return dialog.result() == QDialog::Accepted && process.GetEndTime() == d;
             },
             kYearRange},
            {"位置指定 (the typed point)",
             [this](const CTime& d) {
                 PositionRequest request;
                 request.templateId = PositionRequest::kStartCalendar;
                 request.document = doc;
                 request.noTimeOfDay = false;
                 request.span.SetStartDate(d - kDay);
                 request.span.SetEndDate(d - kDay);
                 request.span.SetStartRow(4);
                 request.span.SetEndRow(4);
                 CPosRekiDlg dialog(request);
                 SetText(dialog, int{IDC_POS_FIRST} + int{kCalYear}, d.GetYear());
                 SetText(dialog, int{IDC_POS_FIRST} + int{kCalMonth}, d.GetMonth());
                 SetText(dialog, int{IDC_POS_FIRST} + int{kCalDay}, d.GetDay());
                 Control<QPushButton>(dialog, 1)->click();
                 return dialog.result() == QDialog::Accepted && request.span.GetEndDate() == d;
             },
             kYearRange},
            {"延日→暦日変換 (the calendar date of the last elapsed day)",
             [this](const CTime& d) {
                 const std::unique_ptr<CTembraDoc> elapsed = Chart(true);
                 const CSyokiSet& settings = elapsed->GetSyokiSet();
                 CDayToCalDateDlg dialog(settings);
                 SetText(dialog, CDayConversionDlg::IDC_YEAR, d.GetYear());
                 SetText(dialog, CDayConversionDlg::IDC_MONTH, d.GetMonth());
                 SetText(dialog, CDayConversionDlg::IDC_DAY, d.GetDay());
                 SetText(dialog, CDayConversionDlg::IDC_DAY_NUMBER, LastElapsedDay(settings));
                 Control<QPushButton>(dialog, 1)->click();
                 return dialog.result() == QDialog::Accepted;
             },
             kYearRange},
            {"休日 (a holiday of one day)",
             [](const CTime& d) {
                 CHolidayEntry entry;
                 entry.year = d.GetYear() - 1;
                 entry.month = 1;
                 entry.day = 1;
                 CHolidayDlg dialog(entry);
                 SetText(dialog, CHolidayDlg::IDC_YEAR, d.GetYear());
                 SetText(dialog, CHolidayDlg::IDC_MONTH, d.GetMonth());
                 SetText(dialog, CHolidayDlg::IDC_DAY, d.GetDay());
                 Control<QPushButton>(dialog, 1)->click();
                 const CHolidayEntry& taken = dialog.Entry();
                 return dialog.result() == QDialog::Accepted && taken.year == d.GetYear() &&
                        taken.month == d.GetMonth() && taken.day == d.GetDay();
             },
             "1991年から2037年以外は無効です。"},
            {"カレンダー設定 (the month shown)",
             [this](const CTime& d) {
                 CCalendarSetDlg dialog(&doc->GetWorkCalendar(), 2027, 4);
                 auto* year = Control<QLineEdit>(dialog, CCalendarSetDlg::IDC_YEAR);
                 SetText(dialog, CCalendarSetDlg::IDC_MONTH, d.GetMonth());
                 year->setText(QString::number(d.GetYear()));
                 emit year->editingFinished();
                 return year->text() == QString::number(d.GetYear());
             },
             ""},
            {"当番表 (the roster's first day)",
             [this](const CTime& d) {
                 std::unique_ptr<QDateEdit> field(MakeToubanDateField(doc->GetSyokiSet(), nullptr));
                 const QDate date(d.GetYear(), d.GetMonth(), d.GetDay());
                 field->setDate(date);
                 return field->date() == date && ToubanDate(field.get()) == d;
             },
             ""},
            {"塗り潰し設定 (the day chosen in the date band)",
             [this](const CTime& d) {
                 doc->GetSelectedDateRange()->SetStartDate(d);
                 doc->GetSelectedDateRange()->SetEndDate(d + kDay);
                 app->UpdateCommandStates();
                 const bool enabled = Frame().Action(33145)->isEnabled();
                 doc->RedrawColumnRange(TRUE);
                 return enabled;
             },
             ""},
            {"TakeInData",
             [this](const CTime& d) {
                 return Automation().TakeInData(Slashed(d), std::string(), std::string("t"),
                                                std::string()) == AutoResult::I2(-1);
             },
             ""},
            {"KikanChange",
             [this](const CTime& d) {
                 const std::unique_ptr<CTembraDoc> chart = Chart();
                 CTembraDocAutomation automation(*chart, host, changes);
                 return automation.KikanChange(Slashed(d - CTimeSpan(40, 0, 0, 0)), Slashed(d)) ==
                            AutoResult::I2(-1) &&
                        chart->GetSyokiSet().GetEndDate() == d;
             },
             ""},
            {"ChangeNobeToReki",
             [this](const CTime& d) {
                 const std::unique_ptr<CTembraDoc> chart = Chart(true);
                 CTembraDocAutomation automation(*chart, host, changes);
                 const std::string day = std::to_string(LastElapsedDay(chart->GetSyokiSet()));
                 return automation.ChangeNobeToReki(day, d.Format("%Y,%m,%d"), std::string("0"),
                                                    std::string("1,1"),
                                                    std::string("1")) == AutoResult::I2(-1) &&
                        chart->GetSyokiSet().GetNobeMode() == 0;
             },
             ""},
            {"text data file (the period)",
             [this](const CTime& d) {
                 const auto path =
                     files.Write("period" + std::to_string(++fileCount) + ".psv",
                                 "0,TEMBRA_TXT,1\r\n1,1," + Slashed(d - CTimeSpan(40, 0, 0, 0)) +
                                     "," + Slashed(d) + ",0\r\n");
                 CTembraDoc chart;
                 return chart.OnOpenDocument(path.string()) != FALSE &&
                        chart.GetSyokiSet().GetEndDate() == d;
             },
             "2 行目の記述に誤りがあります。"},
            {"QKR ASCII file (an event)",
             [this](const CTime& d) {
                 const int day = static_cast<int>((d - CTime(d.GetYear(), 1, 1)).GetDays()) + 1;
                 std::string text = "QKRTOOL_ASC 3.0\r\n1\r\n2027\r\n0\r\n1\r\n\"Gothic\",10.5,0,"
                                    "1\r\n-9999\r\n\"Item\"\r\n-9999\r\n3\r\n" +
                                    std::to_string(d.GetYear()) + ",1\r\n" + std::to_string(day) +
                                    ",\"E\",\"\"\r\n-9999\r\n";
                 for (int i = 0; i < 12; ++i) {
                     text += "\"\"\r\n";
                 }
                 text += "30\r\n";
                 const auto path =
                     files.Write("events" + std::to_string(++fileCount) + ".asd", text);
                 const std::unique_ptr<CTembraDoc> chart = Chart();
                 CAsciiLineFile file;
                 EXPECT_TRUE(file.Open(path, CAsciiLineFile::modeRead));
                 if (ReadQkrAscii(*chart, file, kQkrEvents) == 0) {
                     return false;
                 }
                 for (POSITION pos = chart->GetHeadObjPosition(); pos != nullptr;) {
                     const CDataHeader* object = chart->GetNextObj(pos);
                     if (object->GetType() == kTypeEvent &&
                         static_cast<const CEvent*>(object)->GetStartDate() == d) {
                         return true;
                     }
                 }
                 return false;
             },
             "日付または行が正しくないデータが 1 件ありました。"},
            {"DOS chart (a record's date)",
             [](const CTime& d) {
                 CDosConvert convert;
                 const Dos::DateWords words{static_cast<WORD>(d.GetYear()),
                                            static_cast<WORD>(d.GetMonth()),
                                            static_cast<WORD>(d.GetDay())};
                 return convert.DecodeDate(words, CTime()) == d;
             },
             ""},
        };
    }

    // The elapsed day on the chart's last day: a calendar date given to it moves the whole period
    // to end there.
    static int LastElapsedDay(const CSyokiSet& settings) {
        return static_cast<int>(
                   (settings.GetWorkEndDate() - settings.GetNobeBaseDate()).GetDays()) +
               1;
    }
    CTembraDocAutomation& Automation() {
        if (!automation) {
            automation = std::make_unique<CTembraDocAutomation>(*doc, host, changes);
            automation->AppInit();
        }
        return *automation;
    }

    CTembraDoc* doc = nullptr;
    NoHost host;
    CSyokiSetChanges changes;
    std::unique_ptr<CTembraDocAutomation> automation;
    test::TempDir files;
    int fileCount = 0;
};

TEST_F(DateRangeEntryPointsTest, EveryEntryPointTakesTheRangeTo2037AndRefusesTheDayAfter) {
    ASSERT_FALSE(Start());
    doc = app->NewDocument();
    ASSERT_NE(doc, nullptr);
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    const CTime taken[] = {CTime(2020, 12, 31), CTime(2021, 1, 1), CTime(2027, 5, 6),
                           CTime(2037, 12, 31)};
    const CTime refused(2038, 1, 1);
    for (const EntryPoint& entry : EntryPoints()) {
        SCOPED_TRACE(entry.name);
        for (const CTime& d : taken) {
            ui.ClearRecords();
            EXPECT_TRUE(entry.take(d)) << Slashed(d);
            EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{}) << Slashed(d);
        }
        ui.ClearRecords();
        EXPECT_FALSE(entry.take(refused));
        const std::vector<std::string> shown = ui.MessageTexts();
        if (entry.refusal.empty()) {
            EXPECT_EQ(shown, std::vector<std::string>{});
        } else {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].substr(0, entry.refusal.size()), entry.refusal) << shown[0];
        }
    }
}

} // namespace
} // namespace tembra
