// A chart is written with the calendar window that holds all its dates: charts within the first
// 30 years keep the window of every older file, later ones move it, and one whose dates span
// more than 30 years is not written at all.
#include "DocFileFixture.h"

#include "model/Calendar.h"
#include "model/CalendarRequests.h"
#include "model/HolidaySettings.h"
#include "platform/RegKey.h"

#include <gtest/gtest.h>

#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;

CTime Day(int year, int month, int day) {
    return CTime(year, month, day);
}

class DocCalendarWindowTest : public test::DocFileFixture {
protected:
    // A chart of the period with a process over [from, to) on row 0.
    std::unique_ptr<CTembraDoc> Chart(CTime start, CTime end, CTime from, CTime to) {
        auto doc = NewChart();
        doc->GetSyokiSet().SetStartDate(start);
        doc->GetSyokiSet().SetEndDate(end);
        CChartPos pos;
        pos.SetStartDate(from);
        pos.SetEndDate(to);
        doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
        return doc;
    }
    std::unique_ptr<CTembraDoc> Reopen(const fs::path& path) {
        // A copy: an open chart keeps a lock file beside it.
        const fs::path copy = files.File("reopened-" + std::to_string(++m_reopened) + ".tbr");
        fs::copy_file(path, copy);
        auto doc = std::make_unique<CTembraDoc>();
        EXPECT_TRUE(doc->OnOpenDocument(copy.string()));
        return doc;
    }
    int m_reopened = 0;
};

TEST_F(DocCalendarWindowTest, AChartOf2026IsWrittenWithTheWindowThatHoldsIt) {
    clock.Set(CTime(2026, 12, 10, 9, 0, 0));
    auto doc = Chart(Day(2026, 4, 1), Day(2027, 3, 31), Day(2026, 5, 11), Day(2026, 6, 1));
    CCalendar& calendar = doc->GetWorkCalendar();
    calendar.ToggleDayFlag(2026, 8, 13, CCalendar::kUserToggle);
    calendar.ToggleDayFlag(2027, 3, 7, CCalendar::kUserToggle);
    const fs::path path = files.File("2026.tbr");
    ASSERT_TRUE(doc->OnSaveDocument(path.string()));
    EXPECT_TRUE(Messages().empty());

    auto reopened = Reopen(path);
    const CCalendar& loaded = reopened->GetWorkCalendar();
    EXPECT_EQ(loaded.GetFirstDay(), Day(1998, 1, 1));
    EXPECT_EQ(loaded.GetLastDay(), Day(2027, 12, 31));
    for (CTime d = Day(2026, 1, 1); d <= Day(2027, 12, 31); d += CTimeSpan(1, 0, 0, 0)) {
        ASSERT_EQ(loaded.GetDayFlag(d.GetTime()), calendar.GetDayFlag(d.GetTime()))
            << d.Format("%Y-%m-%d");
    }
    EXPECT_TRUE(loaded.IsHoliday(2026, 8, 13));
    EXPECT_FALSE(loaded.IsHoliday(2027, 3, 7));
    EXPECT_TRUE(loaded.IsSameAs(&calendar));

    // Written again as it was read.
    const fs::path again = files.File("again.tbr");
    ASSERT_TRUE(reopened->OnSaveDocument(again.string()));
    EXPECT_TRUE(SameBytes(ReadBytes(again), ReadBytes(path)));
}

TEST_F(DocCalendarWindowTest, AChartWithinTheFirstThirtyYearsKeepsTheFirstWindow) {
    auto doc = Chart(Day(2020, 11, 1), Day(2020, 12, 31), Day(2020, 12, 1), Day(2020, 12, 20));
    const fs::path path = files.File("2020.tbr");
    ASSERT_TRUE(doc->OnSaveDocument(path.string()));
    auto reopened = Reopen(path);
    EXPECT_EQ(reopened->GetWorkCalendar().GetFirstDay(), Day(1991, 1, 1));
    EXPECT_EQ(reopened->GetWorkCalendar().GetLastDay(), Day(2020, 12, 31));

    // A process reaching into 2021 moves the window by a year.
    CChartPos pos;
    pos.SetStartDate(Day(2020, 12, 28));
    pos.SetEndDate(Day(2021, 1, 15));
    doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
    ASSERT_TRUE(doc->OnSaveDocument(path.string()));
    EXPECT_EQ(Reopen(path)->GetWorkCalendar().GetFirstDay(), Day(1992, 1, 1));
}

TEST_F(DocCalendarWindowTest, ADayToggledYearsAfterTheChartSurvives) {
    clock.Set(CTime(2026, 12, 10, 9, 0, 0));
    auto doc = Chart(Day(2026, 4, 1), Day(2026, 9, 30), Day(2026, 5, 11), Day(2026, 6, 1));
    doc->GetWorkCalendar().ToggleDayFlag(2035, 6, 6, CCalendar::kUserToggle);
    const fs::path path = files.File("toggled.tbr");
    ASSERT_TRUE(doc->OnSaveDocument(path.string()));
    auto reopened = Reopen(path);
    EXPECT_EQ(reopened->GetWorkCalendar().GetFirstDay(), Day(2006, 1, 1));
    EXPECT_TRUE(reopened->GetWorkCalendar().IsHoliday(2035, 6, 6));
}

TEST_F(DocCalendarWindowTest, AChartOfMoreThanThirtyYearsIsNotWritten) {
    auto doc = Chart(Day(1995, 4, 1), Day(1995, 12, 31), Day(1995, 5, 8), Day(1995, 6, 1));
    const fs::path path = files.File("long.tbr");
    ASSERT_TRUE(doc->OnSaveDocument(path.string()));
    const std::string before = ReadBytes(path);

    CChartPos pos;
    pos.SetStartDate(Day(2030, 3, 1));
    pos.SetEndDate(Day(2030, 3, 20));
    doc->AddObj(doc->CreateKoutei(&pos).release(), FALSE);
    ui->ClearRecords();
    EXPECT_FALSE(doc->OnSaveDocument(path.string()));
    ASSERT_EQ(Messages(), std::vector<UINT>{5912});
    const std::string text = MessageTexts()[0];
    EXPECT_NE(text.find("1995/04/01"), std::string::npos) << text;
    EXPECT_NE(text.find("2030/03/20"), std::string::npos) << text;
    EXPECT_TRUE(SameBytes(ReadBytes(path), before)) << "the file stays as it was";
}

TEST_F(DocCalendarWindowTest, AChartInElapsedDaysIsWrittenWithTheWindowOfItsDates) {
    // Its calendar has no holidays, so every day differs from the rules: none of them is a
    // reason to refuse the chart.
    for (const int year : {2010, 2027}) {
        SCOPED_TRACE(year);
        clock.Set(CTime(year, 3, 10, 9, 0, 0));
        auto doc = std::make_unique<CTembraDoc>();
        ASSERT_TRUE(doc->InitNewDocument(1));
        ui->ClearRecords();
        const fs::path path = files.File("elapsed-" + std::to_string(year) + ".tbr");
        ASSERT_TRUE(doc->OnSaveDocument(path.string()));
        EXPECT_TRUE(Messages().empty());
        auto reopened = Reopen(path);
        EXPECT_GT(reopened->GetSyokiSet().GetNobeMode(), 0);
        const CCalendar& calendar = reopened->GetWorkCalendar();
        EXPECT_EQ(calendar.GetWindowYear(),
                  year <= 2020 ? 1991 : year - CCalendar::kWindowYears + 1);
        CCalendar none;
        none.Clear();
        EXPECT_TRUE(calendar.IsSameAs(&none)) << "no holidays outside the window either";
    }
}

TEST_F(DocCalendarWindowTest, NoCalendarEditStopsTheSaveOfAnOpenChart) {
    // Each edit with the charts of 2010 and of 2027 open: the calendar dialog's 反転, and in
    // 特別休日設定 a new yearly holiday or other weekly days off. Both charts save, and a rule
    // change, which reaches the charts made or opened after it, leaves the file as it was.
    const fs::path shipped =
        fs::path(TEMBRA_SOURCE_DIR) / "data" / AppRegKeyDefaultPath().filename();
    enum class Edit { kInvert, kYearlyHoliday, kWeeklyDaysOff };
    struct Case {
        const char* what;
        Edit edit;
        int year;
    };
    const Case cases[] = {
        {"反転, 2010", Edit::kInvert, 2010},
        {"反転, 2027", Edit::kInvert, 2027},
        {"a yearly holiday, 2010", Edit::kYearlyHoliday, 2010},
        {"a yearly holiday, 2027", Edit::kYearlyHoliday, 2027},
        {"Saturdays off, 2010", Edit::kWeeklyDaysOff, 2010},
        {"Saturdays off, 2027", Edit::kWeeklyDaysOff, 2027},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::copy_file(shipped, AppRegKeyDefaultPath(), fs::copy_options::overwrite_existing);
        clock.Set(CTime(c.year, 3, 10, 9, 0, 0));
        auto made =
            Chart(Day(c.year, 4, 1), Day(c.year, 9, 30), Day(c.year, 5, 11), Day(c.year, 6, 1));
        const fs::path path = files.File("made.tbr");
        ASSERT_TRUE(made->OnSaveDocument(path.string()));
        made.reset();
        auto open = Reopen(path);
        const fs::path plain = files.File("plain.tbr");
        ASSERT_TRUE(open->OnSaveDocument(plain.string()));
        CCalendar before;
        open->GetWorkCalendar().CopyTo(&before);

        switch (c.edit) {
        case Edit::kInvert:
            ui->OnDialog("CalendarSet", [](DialogRequest& r) {
                static_cast<CalendarSetRequest&>(r).calendar->InvertHolidays();
                return IDOK;
            });
            ui->OnDialog("AutoAdjust", [](DialogRequest&) { return IDCANCEL; });
            open->GetCalendarUpdate().OnCalendar();
            break;
        case Edit::kYearlyHoliday: {
            CHolidaySettings settings;
            settings.Load();
            CHolidayEntry entry;
            entry.month = 6;
            entry.day = 10;
            entry.kind = 2;
            entry.name = "site";
            settings.Yearly().push_back(entry);
            ASSERT_TRUE(settings.Save());
            break;
        }
        case Edit::kWeeklyDaysOff: {
            CHolidaySettings settings;
            settings.Load();
            for (int week = 0; week < 5; ++week) {
                settings.Weekly()[static_cast<std::size_t>(6 * 5 + week)] = 1;
            }
            ASSERT_TRUE(settings.Save());
            break;
        }
        }
        CCalendar edited;
        open->GetWorkCalendar().CopyTo(&edited);

        ui->ClearRecords();
        const fs::path saved = files.File("saved.tbr");
        ASSERT_TRUE(open->OnSaveDocument(saved.string()));
        EXPECT_TRUE(Messages().empty());
        if (c.edit != Edit::kInvert) {
            EXPECT_TRUE(edited.IsSameAs(&before)) << "the open chart keeps its calendar";
            EXPECT_TRUE(SameBytes(ReadBytes(saved), ReadBytes(plain)));
        }

        // Reopened: the window as saved, the other years from the rules as they are now.
        auto reopened = Reopen(saved);
        const CCalendar& loaded = reopened->GetWorkCalendar();
        CCalendar rules;
        ASSERT_TRUE(rules.MakeHolidays(nullptr, TRUE, TRUE));
        const int window = loaded.GetWindowYear();
        EXPECT_EQ(window, c.year <= 2020 ? 1991 : c.year - CCalendar::kWindowYears + 1);
        for (const int year : {window - 1, window, c.year, window + CCalendar::kWindowYears}) {
            for (int day = 1; day <= 28; ++day) {
                const CTime date = Day(year, 6, day);
                if (year < kMinDateYear || year > kMaxDateYear) {
                    continue;
                }
                const bool inWindow = year >= window && year < window + CCalendar::kWindowYears;
                const CCalendar& from = inWindow ? edited : rules;
                ASSERT_EQ(loaded.GetDayFlag(date.GetTime()), from.GetDayFlag(date.GetTime()))
                    << date.Format("%Y-%m-%d");
            }
        }
        // And saved again as it was read.
        ui->ClearRecords();
        const fs::path again = files.File("again.tbr");
        ASSERT_TRUE(reopened->OnSaveDocument(again.string()));
        EXPECT_TRUE(Messages().empty());
        EXPECT_TRUE(SameBytes(ReadBytes(again), ReadBytes(saved)));
        open->SetModifiedFlag(FALSE);
    }
}

} // namespace
} // namespace tembra
