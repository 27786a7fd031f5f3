#include "model/SyokiSet.h"

#include "model/ConfigBase.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "support/ArchiveBytes.h"
#include "support/ScopedClock.h"
#include "support/ScriptedUi.h"
#include "support/SettingsRecordBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::ByteWriter;

constexpr CTimeSpan Days(int n) {
    return CTimeSpan(n, 0, 0, 0);
}

std::string U(const char* utf8) {
    return Sjis::FromUtf8(utf8);
}

// Values joined into one text, so that a whole block compares (and prints) at once.
template <class... T> std::string Fmt(const T&... values) {
    std::ostringstream out;
    ((out << values << ','), ...);
    return out.str();
}

std::string FontText(const LOGFONT& f) {
    return Fmt(f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight, int(f.lfItalic),
               int(f.lfUnderline), int(f.lfStrikeOut), int(f.lfCharSet), int(f.lfOutPrecision),
               int(f.lfClipPrecision), int(f.lfQuality), int(f.lfPitchAndFamily),
               std::string(f.FaceName()));
}

std::string RectText(const CRect& r) {
    return Fmt(r.left, r.top, r.right, r.bottom);
}

// Every stored field of the page block; a file before 51000 holds no footer and one inset, for
// which the values given are expected.
std::string PageText(const CPrintArea& p, std::optional<CRect> footer = std::nullopt,
                     std::optional<short> insetRight = std::nullopt) {
    return Fmt(RectText(p.GetHeaderRect()), RectText(p.GetPageRect()), RectText(p.GetBodyRect()),
               RectText(p.GetDateRect()), RectText(p.GetKoumokuRect()), RectText(p.GetKouteiRect()),
               RectText(footer.value_or(p.GetFooterRect())), p.GetInsetLeft(),
               insetRight.value_or(p.GetInsetRight()), RectText(p.GetChartRect()),
               RectText(p.GetGridRect()), RectText(p.GetKouteiGridRect()),
               RectText(p.GetChartGridRect()), p.GetPaper(), p.GetMuki(), p.GetLeftWidth(),
               RectText(p.GetPaperRect()), p.GetMarginShift().x, p.GetMarginShift().y,
               p.GetPrinterOffset().x, p.GetPrinterOffset().y);
}

LOGFONT MakeFont(LONG height, LONG width, const char* face) {
    LOGFONT f;
    f.lfHeight = height;
    f.lfWidth = width;
    f.lfWeight = 400;
    f.lfCharSet = SHIFTJIS_CHARSET;
    f.lfOutPrecision = 3;
    f.lfClipPrecision = 2;
    f.lfQuality = 1;
    f.lfPitchAndFamily = 17;
    f.SetFaceName(face);
    return f;
}

// Temporary program folders holding the standard layout, the application's settings installed
// with a few values of their own (so that a default shows where a file lacks a block), the clock
// at 2005-06-15 10:30 and the scripted user interface.
class SyokiSetTest : public ::testing::Test {
protected:
    SyokiSetTest() : m_clock(CTime(2005, 6, 15, 10, 30)) {
        const fs::path source = Paths::ShippedDataDir() / "MASTER01.LYT";
        m_paths.emplace();
        fs::copy_file(source, m_paths->Shipped() / "MASTER01.LYT");
        fs::copy_file(source, m_paths->Writable() / "MASTER01.LYT");
        m_previous = SetAppConfig(&app);
        app.Read(FALSE);
        app.SetMaeYohaku(2);
        app.SetAtoYohaku(3);
        app.SetJyunbiKikan(4);
        app.SetMonthDays(25);
    }
    ~SyokiSetTest() override { SetAppConfig(m_previous); }

    fs::path LayoutFolder() const { return ConfigPathToFs(app.GetPath().GetFolder()); }
    fs::path LayoutPath() const { return ConfigPathToFs(app.GetPath().GetLayoutFilePath()); }

    // A record of the application's defaults, as every load starts from.
    CSyokiSet Defaults() {
        CSyokiSet d;
        d.SetDefault(nullptr, -1);
        return d;
    }

    Bytes StoreAt(CSyokiSet& record, int version) { return test::Store(record, version); }
    CSyokiSet LoadAt(const Bytes& bytes, int version) {
        CSyokiSet loaded;
        test::Load(bytes, loaded, version);
        return loaded;
    }

    test::ScopedClock m_clock;
    std::optional<test::ScopedPaths> m_paths;
    test::ScopedUi ui;
    CConfigBase app;
    CConfigBase* m_previous = nullptr;
};

// ---- Tables ---------------------------------------------------------------------------------

TEST(SyokiSetTables, StepAndHolidayTablesAndTheirEdges) {
    const std::vector<std::vector<int>> steps = {
        {1, 2, 3, 4, 5, 7, 10, 15}, {1, 2}, {1, 2, 3, 4, 6}, {1, 2}, {1, 2, 6, 12},
        {5, 10, 15, 20, 30}};
    const std::vector<std::vector<int>> holiday = {
        {2, 2, 2, 1, 1, 1, 1, 1}, {2, 2}, {1, 1, 1, 1, 1}, {}, {2, 2, 2, 2}};
    for (int u = -1; u <= kUnitCount; ++u) {
        for (int n = -1; n <= kThinningStepCount; ++n) {
            const bool inUnit = u >= 0 && u < kUnitCount;
            const auto& row = inUnit ? steps[static_cast<std::size_t>(u)] : std::vector<int>{};
            const int step = n >= 0 && n < static_cast<int>(row.size()) ? row[n] : 0;
            EXPECT_EQ(GetThinningStep(u, n), step) << u << "/" << n;
            const bool inTable = u >= 0 && u < 5;
            const auto& hrow = inTable ? holiday[static_cast<std::size_t>(u)] : std::vector<int>{};
            const int mode = n >= 0 && n < static_cast<int>(hrow.size()) ? hrow[n] : 0;
            EXPECT_EQ(GetHolidayMaxMode(u, n), mode) << u << "/" << n;
        }
    }
    EXPECT_EQ(GetUnitDays(kUnitDay), 1);
    EXPECT_EQ(GetUnitDays(kUnitWeek), 7);
    EXPECT_EQ(GetUnitDays(kUnitMonth), 28);
    EXPECT_EQ(GetUnitDays(kUnitYear), 364);
    EXPECT_EQ(GetUnitDays(kUnitHour), 0);
}

TEST(SyokiSetTables, DefaultDateRowsByUnitAndMode) {
    struct Case {
        int unit;
        std::array<WORD, 4> calendar;
        std::array<WORD, 4> elapsed;
    };
    const Case cases[] = {
        {kUnitDay, {13, 17, 0, 0}, {14, 17, 0, 0}},
        {kUnitWeek, {13, 17, 0, 0}, {14, 17, 0, 0}},
        {kUnitMonth, {1, 13, 0, 0}, {2, 14, 0, 0}},
        {kUnitYear, {1, 0, 0, 0}, {2, 0, 0, 0}},
        {kUnitHour, {17, 19, 0, 0}, {18, 19, 0, 0}},
        {kUnitMinute, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {-1, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        std::array<WORD, 4> rows{9, 9, 9, 9};
        GetDefaultDateRows(0, c.unit, rows);
        EXPECT_EQ(rows, c.calendar) << c.unit;
        GetDefaultDateRows(1, c.unit, rows);
        EXPECT_EQ(rows, c.elapsed) << c.unit;
        GetDefaultDateRows(2, c.unit, rows);
        EXPECT_EQ(rows, c.elapsed) << c.unit;
    }
}

TEST(SyokiSetTables, ChooseThinningTakesTheFirstStepWiderThanTheMinimum) {
    struct Case {
        double minWidth;
        double perDay;
        BOOL found;
        int unit;
        int step;
    };
    const Case cases[] = {
        {34, 1000, TRUE, kUnitHour, 0},    // 41 a label per hour
        {34, 820, TRUE, kUnitHour, 1},     // 34 per hour is not wider, 68 per 2 hours is
        {34, 300, TRUE, kUnitHour, 2},     // 12, 25, then 75 per 6 hours
        {34, 60, TRUE, kUnitDay, 0},       // no hour step fits: 60 per day
        {34, 20, TRUE, kUnitDay, 1},       // 20, 40
        {34, 3, TRUE, kUnitDay, 7},        // 45 per 15 days
        {34, 2.3, TRUE, kUnitMonth, 0},    // 15 days 34.5 (whole part 34); weeks 16, 32
        {34, 1, TRUE, kUnitMonth, 1},      // 28, 56
        {34, 0.05, TRUE, kUnitYear, 1},    // 18.2, 36.4
        {35.9, 35.5, TRUE, kUnitDay, 1},   // whole parts: 35 is not more than 35, 71 is
        {122, 0.2017, TRUE, kUnitYear, 1}, // 73, 146
        {34, 0.04, FALSE, -1, -1},         // even 2 years give only 29
        {34, 0, FALSE, -1, -1},
    };
    for (const Case& c : cases) {
        int unit = -1;
        int step = -1;
        EXPECT_EQ(ChooseThinning(c.minWidth, c.perDay, unit, step), c.found)
            << c.minWidth << " " << c.perDay;
        EXPECT_EQ(unit, c.unit) << c.minWidth << " " << c.perDay;
        EXPECT_EQ(step, c.step) << c.minWidth << " " << c.perDay;
    }
}

// ---- Derived values and the thinning of a record ----------------------------------------------

TEST_F(SyokiSetTest, DerivedDatesCountsAndSizes) {
    CSyokiSet s = Defaults();
    s.SetStartDate(CTime(2004, 4, 1));
    s.SetEndDate(CTime(2004, 4, 30));
    s.SetMaeYohaku(Days(3));
    s.SetAtoYohaku(Days(5));
    s.SetJyunbiKikan(Days(7));
    s.SetFirstRow(10);
    s.SetLastRow(29);
    EXPECT_EQ(s.GetDayCount(), 30);
    EXPECT_EQ(s.GetWorkStartDate(), CTime(2004, 4, 4));
    EXPECT_EQ(s.GetWorkEndDate(), CTime(2004, 4, 25));
    EXPECT_EQ(s.GetDisplayDayCount(), 22);
    EXPECT_EQ(s.GetNobeBaseDate(), CTime(2004, 4, 11));
    EXPECT_EQ(s.GetRowSpan(), 20);
    const CRect chart = s.GetPageSetting().GetChartRect();
    EXPECT_DOUBLE_EQ(s.GetWidthPerDay(), chart.Width() / 30.0);
    EXPECT_DOUBLE_EQ(s.GetHeightPerRow(), -chart.Height() / 20.0);

    // An empty period or row range gives no size rather than a division by zero.
    s.SetEndDate(CTime(2004, 3, 1));
    s.SetLastRow(5);
    EXPECT_LE(s.GetDayCount(), 0);
    EXPECT_LE(s.GetRowSpan(), 0);
    EXPECT_EQ(s.GetWidthPerDay(), 0.0);
    EXPECT_EQ(s.GetHeightPerRow(), 0.0);

    for (int i = 0; i < kDateRowMax; ++i) {
        s.SetDateRowKind(i, 17);
    }
    EXPECT_EQ(s.GetDateRowCount(), 4);
    s.SetDateRowKind(2, 0);
    EXPECT_EQ(s.GetDateRowCount(), 2);
    s.SetDateRowKind(0, 0);
    EXPECT_EQ(s.GetDateRowCount(), 0);
    EXPECT_EQ(s.GetDateRowKind(4), 0);
    EXPECT_EQ(s.GetDateRowKind(-1), 0);
}

// The standard layout's A4 chart rectangle is 2210 wide; the date font 16 wide needs labels
// wider than 34.
TEST_F(SyokiSetTest, ThinningByPeriodLengthAndDateFont) {
    struct Case {
        int days;
        LONG fontWidth;
        short nobeMode;
        WORD unit;
        WORD step;
        short shade;
        std::array<WORD, 4> rows;
    };
    const Case cases[] = {
        {3, 16, 0, kUnitHour, 1, 2, {17, 19, 0, 0}},   // 736 a day: 61 per 2 hours
        {3, 16, 1, kUnitHour, 1, 2, {18, 19, 0, 0}},   // elapsed days: elapsed day row
        {6, 16, 0, kUnitDay, 0, 2, {13, 17, 0, 0}},    // 6 hours would fit, but not for 6 days
        {40, 16, 0, kUnitDay, 0, 2, {13, 17, 0, 0}},   // 55 a day
        {100, 16, 0, kUnitDay, 1, 2, {13, 17, 0, 0}},  // 22, 44
        {365, 16, 0, kUnitDay, 5, 1, {13, 17, 0, 0}},  // 6 a day: every 7 days
        {365, -16, 0, kUnitDay, 5, 1, {13, 17, 0, 0}}, // the width's size counts
        {1000, 16, 0, kUnitMonth, 0, 1, {1, 13, 0, 0}},
        {1000, 16, 1, kUnitMonth, 0, 1, {2, 14, 0, 0}},
        {10957, 16, 0, kUnitYear, 0, 0, {1, 0, 0, 0}}, // 30 years
        {10957, 60, 0, kUnitYear, 1, 0, {1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        CSyokiSet s = Defaults();
        s.SetNobeMode(c.nobeMode);
        s.SetStartDate(CTime(1991, 1, 1));
        s.SetEndDate(CTime(1991, 1, 1) + Days(c.days - 1));
        s.GetChart().GetDateStyle().SetLogFont(MakeFont(-32, c.fontWidth, "Date"));
        s.SetKeisenUnit(kUnitMinute);
        s.SetSpareWord(0, 7);
        s.SetSpareWord(2, 9);
        ui->ClearRecords();
        ASSERT_EQ(s.CalcDateThinning(), TRUE) << c.days << " " << c.fontWidth;
        EXPECT_EQ(s.GetDateUnit(), c.unit) << c.days << " " << c.fontWidth;
        EXPECT_EQ(s.GetOption2(), c.step) << c.days << " " << c.fontWidth;
        EXPECT_EQ(s.GetKeisenUnit(), c.unit) << c.days;
        EXPECT_EQ(s.GetKeisenStep(), c.step) << c.days;
        EXPECT_EQ(s.GetHolidayShade(), c.shade) << c.days;
        EXPECT_EQ(s.GetSpareWord(0), 0);
        EXPECT_EQ(s.GetSpareWord(2), 0);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(s.GetDateRowKind(i), c.rows[static_cast<std::size_t>(i)]) << c.days;
        }
        EXPECT_TRUE(ui->MessageBoxes().empty());
    }
}

TEST_F(SyokiSetTest, ThinningThatFindsNothingKeepsTheUnitsAndSaysWhy) {
    struct Case {
        const char* what;
        int days;
        LONG fontWidth;
        UINT message;
        const char* text;
    };
    const Case cases[] = {
        {"even 2 years are too narrow", 10957, 100, 5075,
         "期間が長すぎるか、日付フォントが大きすぎます\n間引きの妥当値を調整できませんでした。"},
        {"the period ends before it starts", -5, 16, 5079,
         "用紙サイズに対して期間が長すぎます。\n用紙サイズを大きくするか期間を縮めてください。"},
    };
    for (const Case& c : cases) {
        CSyokiSet s = Defaults();
        s.SetStartDate(CTime(1995, 1, 1));
        s.SetEndDate(CTime(1995, 1, 1) + Days(c.days - 1));
        s.GetChart().GetDateStyle().SetLogFont(MakeFont(-32, c.fontWidth, "Date"));
        s.SetOption1(kUnitMonth);
        s.SetOption2(3);
        s.SetKeisenUnit(kUnitDay);
        s.SetKeisenStep(2);
        s.SetHolidayMode(1);
        s.SetDateRowKind(0, 25);
        ui->ClearRecords();
        EXPECT_EQ(s.CalcDateThinning(), FALSE) << c.what;
        ASSERT_EQ(ui->MessageBoxes().size(), 1u) << c.what;
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, c.message) << c.what;
        EXPECT_EQ(ui->MessageBoxes()[0].text, c.text) << c.what;
        EXPECT_EQ(s.GetDateUnit(), kUnitMonth);
        EXPECT_EQ(s.GetOption2(), 3);
        EXPECT_EQ(s.GetKeisenUnit(), kUnitDay);
        EXPECT_EQ(s.GetKeisenStep(), 2);
        EXPECT_EQ(s.GetHolidayShade(), 1);
        EXPECT_EQ(s.GetDateRowKind(0), 25);
    }
}

// ---- Defaults ---------------------------------------------------------------------------------

TEST_F(SyokiSetTest, SetDefaultTakesTheApplicationsDefaults) {
    app.GetEvent().SetRevice(0x0777);
    app.GetChart().GetYogoAttr().m_lineSpace = 17;
    app.GetShin().SetDateFormat("yy/mm");
    app.GetZukei().SetTimePartition(4);
    app.GetPath().SetLayoutTempFileName("T.LY$");
    app.SetFont(kFontHeader, kPaperA4, MakeFont(-50, 25, "Header"));
    app.SetKikan(30);
    app.SetLines(25);

    CSyokiSet s;
    s.GetHensoku()->AddData(std::make_unique<CHensokuData>());
    test::VersionDocument doc;
    EXPECT_EQ(s.SetDefault(&doc, 0), TRUE);
    EXPECT_EQ(s.GetDocument(), &doc);
    EXPECT_EQ(s.GetRefreshFlag(), 1u);
    EXPECT_EQ(s.GetEvent().GetRevice(), 0x0777);
    EXPECT_EQ(s.GetChart().GetYogoAttr().m_lineSpace, 17);
    EXPECT_EQ(s.GetShin().GetDateFormat(), "yy/mm");
    EXPECT_EQ(s.GetZukei().GetTimePartition(), 4);
    EXPECT_EQ(s.GetPath().GetLayoutTempFileName(), "T.LY$");
    EXPECT_EQ(PageText(s.GetPageSetting()), PageText(app.GetChart().GetPageSetting()));
    EXPECT_EQ(FontText(s.GetPaperFont()), FontText(MakeFont(-50, 25, "Header")));
    EXPECT_EQ(s.GetHensoku()->GetDataCount(), 0);

    // Today (2005-06-15) less 2 days of leading margin; 30 days, then 3 of trailing margin.
    EXPECT_EQ(s.GetNobeMode(), 0);
    EXPECT_EQ(s.GetStartDate(), CTime(2005, 6, 13));
    EXPECT_EQ(s.GetWorkStartDate(), CTime(2005, 6, 15));
    EXPECT_EQ(s.GetWorkEndDate(), CTime(2005, 7, 14));
    EXPECT_EQ(s.GetEndDate(), CTime(2005, 7, 17));
    EXPECT_EQ(s.GetMaeYohaku(), Days(2));
    EXPECT_EQ(s.GetAtoYohaku(), Days(3));
    EXPECT_EQ(s.GetNobeOffset(), CTimeSpan()); // calendar dates have no elapsed origin
    EXPECT_EQ(s.GetMonthSpan(), Days(25));
    EXPECT_EQ(s.GetFirstRow(), 0);
    EXPECT_EQ(s.GetLastRow(), 24);
    EXPECT_EQ(s.GetDateUnit(), kUnitDay); // 2210 / 35 days: 63 a day
    EXPECT_EQ(s.GetDateRowKind(0), 13);

    // Elapsed days keep their origin; -1 takes the application's mode.
    app.SetNobeMode(1);
    EXPECT_EQ(s.SetDefault(&doc, -1), TRUE);
    EXPECT_EQ(s.GetNobeMode(), 1);
    EXPECT_EQ(s.GetNobeOffset(), Days(4));
    EXPECT_EQ(s.GetDateRowKind(0), 14);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(SyokiSetTest, DefaultPeriodIsMovedIntoTheCalendar) {
    app.SetKikan(40);
    struct Case {
        CTime now;
        CTime start;
        CTime end;
    };
    const Case cases[] = {
        // After the calendar's last day: the period ends on it.
        {CTime(2038, 3, 1, 9, 0), CTime(2037, 11, 17), CTime(2037, 12, 31)},
        // Before its first day: the period starts on it.
        {CTime(1985, 5, 5), CTime(1991, 1, 1), CTime(1991, 2, 14)},
        // Inside: today at 00:00 less the leading margin.
        {CTime(2010, 3, 10, 23, 59), CTime(2010, 3, 8), CTime(2010, 4, 21)},
        {CTime(2026, 12, 10, 9, 0), CTime(2026, 12, 8), CTime(2027, 1, 21)},
    };
    for (const Case& c : cases) {
        m_clock.Set(c.now);
        CSyokiSet s;
        s.SetDefault(nullptr, 0);
        EXPECT_EQ(s.GetStartDate(), c.start) << c.now.GetTime();
        EXPECT_EQ(s.GetEndDate(), c.end) << c.now.GetTime();
        EXPECT_EQ(s.GetDayCount(), 2 + 40 + 3);
    }

    // A period longer than the calendar starts on its first day and is cut at its last.
    app.SetKikan(20000);
    CSyokiSet s;
    s.SetDefault(nullptr, 0);
    EXPECT_EQ(s.GetStartDate(), GetMinDate());
    EXPECT_EQ(s.GetEndDate(), GetMaxDate());
}

TEST_F(SyokiSetTest, ThinningMessageOfSetDefaultButNotOfALoad) {
    CSyokiSet written = Defaults();
    const Bytes bytes = StoreAt(written, kCurrentFileVersion);

    LOGFONT wide = app.GetChart().GetDateStyle().GetLogFont();
    wide.lfWidth = 30000; // labels of 60002: wider than 2 years on A4
    app.GetChart().GetDateStyle().SetLogFont(wide);
    CSyokiSet s;
    EXPECT_EQ(s.SetDefault(nullptr, 0), FALSE);
    EXPECT_EQ(s.GetRefreshFlag(), 0u);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5075u);

    ui->ClearRecords();
    CSyokiSet loaded = LoadAt(bytes, kCurrentFileVersion);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_EQ(loaded.GetRefreshFlag(), 1u);
}

// ---- The version matrix -------------------------------------------------------------------

// A record with a value of its own in every block, stored and loaded at each version: a block
// the version holds comes back as written, one it lacks as the application's default (or as the
// rule for older files says).
class SyokiSetVersionTest : public SyokiSetTest {
protected:
    SyokiSetVersionTest() {
        // The elapsed-day default shows where an older file falls back to calendar dates.
        app.SetNobeMode(1);
        CopyLayoutAs("OTHER.LYT");
    }

    void CopyLayoutAs(const std::string& name) {
        fs::copy_file(LayoutPath(), LayoutFolder() / name, fs::copy_options::overwrite_existing);
    }

    CSyokiSet MakeWritten() {
        CSyokiSet w;
        w.SetDefault(nullptr, 0);

        CPrintArea& page = w.GetPageSetting();
        page.SetPaper(kPaperB4, 0, LayoutPath(), -1);
        page.SetLeftWidth(600);
        page.SetEditInsets(11, 13);
        page.AdjustMargins(7, -9);

        CAreaNameSet& names = w.GetChart().GetAreaNameSet();
        names.SetKoumokuName(U("工種"));
        names.SetHizukeName(U("日程"));
        names.SetKoumokuColumnCount(3);
        names.SetStyle(CAreaNameSet::kStyleGrid);
        names.SetBunkatuOpt(1);
        names.FindGrid(1, 2)->SetText("G12");
        names.FindSlant(11)->SetText("S11");

        CAreaStyle& date = w.GetChart().GetDateStyle();
        date.SetLogFont(MakeFont(-40, 18, "DateF"));
        date.m_mode = {7, 1, 2, 0, 1};

        CFontAttr& item = w.GetChart().GetKoumokuAttr();
        item.m_fontHeigh = 2;
        item.m_fontWidth = 3;
        item.m_form = 4;
        item.m_color = RGB(1, 2, 3);
        item.m_attrb = 5;
        item.m_partition = 6;
        item.m_eventBase = 7;
        item.m_spare = {8, 9};
        item.SetLogFont(MakeFont(-20, 10, "ItemF"));

        CConfigChart& chart = w.GetChart();
        chart.GetKouteiAttr() = {3, 4, 5, -2, RGB(4, 5, 6), 0, 88};
        chart.GetKouteiWidthSet().m_width = {4, 2, 8};
        chart.SetCornerSize(11);
        chart.SetArrowLength(13);
        chart.SetArrowAngle(31);
        chart.SetKakomiAngle(-46);
        chart.SetInclined(21);
        chart.SetBarHeight(19);
        chart.GetLandAttr() = {1, 2, RGB(7, 8, 9), 90, 8};

        for (CElemAttr* label : {&chart.GetYogoAttr(), &chart.GetShigenAttr()}) {
            const WORD k = label == &chart.GetYogoAttr() ? 0 : 100;
            label->m_fontHeigh = WORD(2 + k);
            label->m_fontWidth = WORD(3 + k);
            label->m_form = 4;
            label->m_color = RGB(9, 8, 7 + k);
            label->m_attrb = 0x1004;
            label->m_linkWord = 2;
            label->m_stack = 3;
            label->m_linkPosition = 1;
            label->m_offsetX = -5;
            label->m_offsetY = 6;
            label->m_drawerX = -70000;
            label->m_drawerY = 80000;
            label->m_ownFont = 1;
            label->SetLogFont(MakeFont(-24, 12, k == 0 ? "YogoF" : "ShigenF"));
            label->m_spare = WORD(5 + k);
            label->m_lineSpace = WORD(12 + k);
            label->m_firstSpace = WORD(3 + k);
        }

        CTextAttr& event = w.GetEvent().GetTextAttr();
        event.m_fontHeigh = 2;
        event.m_fontWidth = 2;
        event.m_form = 5;
        event.m_color = RGB(0, 0, 255);
        event.m_attrb = 0x1001;
        event.m_offsetX = 20;
        event.m_offsetY = -50;
        event.m_ownFont = 1;
        event.m_reserved[0] = 0xAB;
        event.m_reserved[13] = 0xCD;
        w.GetEvent().SetLogFont(MakeFont(-28, 14, "EventF"));
        w.GetEvent().SetRevice(0x0101);

        CConfigShin& shin = w.GetShin();
        shin.SetStyle(1);
        shin.SetSubStyle(2);
        shin.SetType(3);
        shin.SetWidth(-1);
        shin.SetColor(RGB(0, 128, 0));
        shin.SetLinked(2);
        shin.GetWidthSet().m_width = {5, 2, 9};
        shin.SetLogFont(MakeFont(-30, 15, "ShinF"));
        shin.SetDateColor(RGB(1, 1, 1));
        shin.SetDateDisp(0);
        shin.SetDateFormat("yy.mm");
        w.SetShinLabelWord(1);

        CConfigZukei& zukei = w.GetZukei();
        zukei.GetAttr() = {7, 1, 2, 1, RGB(2, 2, 2), 5, RGB(3, 3, 3), 40};
        zukei.GetWidthSet().m_width = {2, 1, 7};
        zukei.SetPartitionFlag(1);
        zukei.SetTimePartition(3);
        zukei.SetLinePartition(2);
        zukei.GetTextAttr().m_attrb = 0x0104;
        zukei.SetLogFont(MakeFont(-36, 0, "ZukeiF"));

        w.SetNobeMode(0);
        w.SetMaeYohaku(Days(5));
        w.SetAtoYohaku(Days(6));
        w.SetJyunbiKikan(Days(7));
        w.SetNobeMonthSpan(Days(28));
        w.SetStartDate(CTime(2004, 4, 1));
        w.SetEndDate(CTime(2004, 9, 30));
        w.SetFirstRow(3);
        w.SetLastRow(52);
        w.SetHolidayMode(1);
        w.SetOption1(kUnitMonth);
        w.SetOption2(3);
        for (int i = 0; i < CSyokiSet::kSpareWordCount; ++i) {
            w.SetSpareWord(i, WORD(i + 1));
        }
        w.SetFixedFirstRow(2);
        w.SetFixedLastRow(5);
        const WORD rows[4] = {1, 13, 17, 25};
        for (int i = 0; i < 4; ++i) {
            w.SetDateRowKind(i, rows[i]);
        }
        w.SetKeisenUnit(kUnitMinute);
        w.SetKeisenStep(2);
        w.GetPath().SetLayoutFileName("OTHER.LYT");
        auto period = std::make_unique<CHensokuData>();
        period->SetDayPeriod(1, CTime(2004, 5, 1).GetTime(), CTime(2004, 5, 5).GetTime(),
                             CHensokuData::kHolidays, 0, 0, 1, 1, 2);
        w.GetHensoku()->AddData(std::move(period));
        for (int i = 0; i < CSyokiSet::kLayoutWordCount; ++i) {
            w.SetLayoutWord(i, WORD(10 + i));
        }
        w.SetLayoutDword(0x12345678);
        w.SetPaperFont(MakeFont(-60, 30, "PaperF"));
        return w;
    }
};

struct Probe {
    const char* name;
    std::function<std::string(const CSyokiSet&)> get;
    // The value expected after a load at a version, given the written record and the defaults.
    std::function<std::string(int, const CSyokiSet&, const CSyokiSet&)> expect;
};

// A block that is in files from a version on and keeps the default in older ones.
Probe Since(const char* name, int first, std::function<std::string(const CSyokiSet&)> get) {
    return {name, get, [get, first](int v, const CSyokiSet& w, const CSyokiSet& d) {
                return get(v >= first ? w : d);
            }};
}

std::string ElemText(const CElemAttr& a) {
    return Fmt(a.m_fontHeigh, a.m_fontWidth, a.m_form, a.m_color, a.m_attrb, a.m_linkWord,
               a.m_stack, a.m_linkPosition, a.m_offsetX, a.m_offsetY, a.m_drawerX, a.m_drawerY,
               a.m_ownFont, FontText(a.m_font), a.m_spare);
}

std::string HensokuText(const CHensoku& h) {
    std::string text = Fmt(h.m_precedence, h.m_mode, h.GetDayList().size(), h.GetHourList().size());
    for (const auto& d : h.GetDayList()) {
        text += Fmt(d->GetRangeKind(), d->GetStart(), d->GetEnd(), d->GetDayClass(),
                    d->GetNumerator(), d->GetDenominator());
    }
    return text;
}

std::vector<Probe> Probes(const fs::path& layoutPath) {
    std::vector<Probe> p;
    p.push_back({"page", [](const CSyokiSet& s) { return PageText(s.GetPageSetting()); },
                 [layoutPath](int v, const CSyokiSet& w, const CSyokiSet&) {
                     CPrintArea page = w.GetPageSetting();
                     if (v < 31000) {
                         // Older files take the areas of the layout file, keeping the width.
                         page.SetPaper(page.GetPaper(), page.GetMuki(), layoutPath, 0);
                         return PageText(page);
                     }
                     if (v < 51000) {
                         // No footer and one inset: a zero-height footer at the body's bottom.
                         const CRect h = page.GetHeaderRect();
                         const CRect b = page.GetBodyRect();
                         return PageText(page, CRect(h.left, b.bottom, h.right, b.bottom),
                                         page.GetInsetLeft());
                     }
                     return PageText(page);
                 }});
    p.push_back({"area-name headings",
                 [](const CSyokiSet& s) {
                     const CAreaNameSet& n = s.GetChart().GetAreaNameSet();
                     return Fmt(n.GetKoumokuName(), n.GetHizukeName());
                 },
                 [](int, const CSyokiSet& w, const CSyokiSet&) {
                     const CAreaNameSet& n = w.GetChart().GetAreaNameSet();
                     return Fmt(n.GetKoumokuName(), n.GetHizukeName());
                 }});
    p.push_back(Since("area-name words and cells", 53000, [](const CSyokiSet& s) {
        const CAreaNameSet& n = s.GetChart().GetAreaNameSet();
        return Fmt(n.GetKoumokuColumnCount(), n.GetStyle(), n.GetBunkatuOpt(),
                   n.FindGrid(1, 2)->GetText(), n.FindSlant(11)->GetText(), n.GetGridCells().size(),
                   n.GetSlantCells().size());
    }));
    p.push_back(Since("date font and BigHolidays", 0, [](const CSyokiSet& s) {
        const CAreaStyle& d = s.GetChart().GetDateStyle();
        return Fmt(FontText(d.GetLogFont()), d.GetMode(0));
    }));
    p.push_back(Since("date modes", 40000, [](const CSyokiSet& s) {
        const CAreaStyle& d = s.GetChart().GetDateStyle();
        return Fmt(d.GetMode(1), d.GetMode(2), d.GetMode(3), d.GetMode(4));
    }));
    p.push_back(Since("item text", 0, [](const CSyokiSet& s) {
        const CFontAttr& a = s.GetChart().GetKoumokuAttr();
        return Fmt(a.m_fontHeigh, a.m_fontWidth, a.m_form, a.m_color, a.m_attrb, a.m_partition,
                   a.m_eventBase, a.m_spare[0], a.m_spare[1], FontText(a.m_font));
    }));
    p.push_back(Since("process line", 0, [](const CSyokiSet& s) {
        const CConfigChart& c = s.GetChart();
        const CKouteiAttr& a = c.GetKouteiAttr();
        const CWidthSet& wd = c.GetKouteiWidthSet();
        return Fmt(a.m_style, a.m_subStyle, a.m_type, a.m_width, a.m_color, a.m_holiday, a.m_hatch,
                   wd.GetAt(0), wd.GetAt(1), wd.GetAt(2), c.GetCornerSize(), c.GetArrowLength(),
                   c.GetArrowAngle(), c.GetKakomiAngle());
    }));
    p.push_back(Since("Inclined", 11000,
                      [](const CSyokiSet& s) { return Fmt(s.GetChart().GetInclined()); }));
    p.push_back(Since("BarHeight", 21000,
                      [](const CSyokiSet& s) { return Fmt(s.GetChart().GetBarHeight()); }));
    p.push_back(Since("node", 0, [](const CSyokiSet& s) {
        const CLandAttr& a = s.GetChart().GetLandAttr();
        return Fmt(a.m_style, a.m_type, a.m_color, a.m_radius);
    }));
    // Before 31000 the keyless size word is 100, which is also the default.
    p.push_back(Since("node size", 31000,
                      [](const CSyokiSet& s) { return Fmt(s.GetChart().GetLandAttr().m_size); }));
    p.push_back(Since("term label", 0,
                      [](const CSyokiSet& s) { return ElemText(s.GetChart().GetYogoAttr()); }));
    p.push_back(Since("term label spacing", 10000, [](const CSyokiSet& s) {
        const CElemAttr& a = s.GetChart().GetYogoAttr();
        return Fmt(a.m_lineSpace, a.m_firstSpace);
    }));
    p.push_back(Since("resource label", 41001, [](const CSyokiSet& s) {
        const CElemAttr& a = s.GetChart().GetShigenAttr();
        return ElemText(a) + Fmt(a.m_lineSpace, a.m_firstSpace);
    }));
    p.push_back(Since("event", 2001, [](const CSyokiSet& s) {
        const CTextAttr& a = s.GetEvent().GetTextAttr();
        return Fmt(a.m_fontHeigh, a.m_fontWidth, a.m_form, a.m_color, a.m_attrb, a.m_offsetX,
                   a.m_offsetY, a.m_ownFont, int(a.m_reserved[0]), int(a.m_reserved[13]),
                   FontText(s.GetEvent().GetLogFont()), s.GetEvent().GetRevice());
    }));
    p.push_back(Since("progress head", 1001, [](const CSyokiSet& s) {
        const CConfigShin& c = s.GetShin();
        return Fmt(c.GetStyle(), c.GetSubStyle(), c.GetType(), c.GetWidth(), c.GetColor(),
                   c.GetLinked(), c.GetWidthSet().GetAt(0), c.GetWidthSet().GetAt(1),
                   c.GetWidthSet().GetAt(2));
    }));
    p.push_back(Since("progress date labels", 58000, [](const CSyokiSet& s) {
        const CConfigShin& c = s.GetShin();
        return Fmt(FontText(c.GetLogFont()), c.GetDateColor(), c.GetDateDisp(), c.GetDateFormat(),
                   s.GetShinLabelWord());
    }));
    p.push_back(Since("shape head", 22001, [](const CSyokiSet& s) {
        const CConfigZukei& z = s.GetZukei();
        const CZukeiAttr& a = z.GetAttr();
        return Fmt(a.m_style, a.m_pointMode, a.m_type, a.m_width, a.m_color, a.m_hatch,
                   a.m_hatchColor, a.m_boxRay, z.GetWidthSet().GetAt(0), z.GetWidthSet().GetAt(1),
                   z.GetWidthSet().GetAt(2), z.GetPartitionFlag(), z.GetTimePartition(),
                   z.GetLinePartition());
    }));
    p.push_back(Since("shape text", 51000, [](const CSyokiSet& s) {
        return Fmt(s.GetZukei().GetTextAttr().m_attrb, FontText(s.GetZukei().GetLogFont()));
    }));
    p.push_back({"period",
                 [](const CSyokiSet& s) {
                     return Fmt(s.GetNobeMode(), s.GetStartDate().GetTime(),
                                s.GetEndDate().GetTime(), s.GetFirstRow(), s.GetLastRow(),
                                s.GetHolidayShade(), s.GetDateUnit(), s.GetOption2());
                 },
                 [](int, const CSyokiSet& w, const CSyokiSet&) {
                     return Fmt(0, w.GetStartDate().GetTime(), w.GetEndDate().GetTime(),
                                w.GetFirstRow(), w.GetLastRow(), w.GetHolidayShade(),
                                w.GetDateUnit(), w.GetOption2());
                 }});
    auto spans = [](const CSyokiSet& s) {
        return Fmt(s.GetMaeYohaku().GetDays(), s.GetAtoYohaku().GetDays(),
                   s.GetNobeOffset().GetDays(), s.GetMonthSpan().GetDays());
    };
    p.push_back({"margins and elapsed spans", spans,
                 [spans](int v, const CSyokiSet& w, const CSyokiSet& d) {
                     // Older files have no margins and no elapsed origin.
                     return v >= 22002 ? spans(w) : Fmt(0, 0, 0, d.GetMonthSpan().GetDays());
                 }});
    p.push_back({"spare words",
                 [](const CSyokiSet& s) {
                     return Fmt(s.GetSpareWord(0), s.GetSpareWord(1), s.GetSpareWord(2));
                 },
                 [](int v, const CSyokiSet& w, const CSyokiSet&) {
                     return v >= 2002 ? Fmt(w.GetSpareWord(0), w.GetSpareWord(1), w.GetSpareWord(2))
                                      : Fmt(0, 0, 0);
                 }});
    p.push_back(Since("fixed rows", 56000, [](const CSyokiSet& s) {
        return Fmt(s.GetFixedFirstRow(), s.GetFixedLastRow());
    }));
    auto rows = [](const CSyokiSet& s) {
        return Fmt(s.GetDateRowKind(0), s.GetDateRowKind(1), s.GetDateRowKind(2),
                   s.GetDateRowKind(3), s.GetKeisenUnit(), s.GetKeisenStep());
    };
    p.push_back(
        {"date rows and ruled lines", rows, [rows](int v, const CSyokiSet& w, const CSyokiSet&) {
             if (v >= 55000) {
                 return rows(w);
             }
             if (v >= 2002) {
                 // No minute grid yet: every 2 hours.
                 return Fmt(w.GetDateRowKind(0), w.GetDateRowKind(1), w.GetDateRowKind(2),
                            w.GetDateRowKind(3), 4, 1);
             }
             // The rows of the label unit, the ruled lines as the labels.
             std::array<WORD, 4> r{};
             GetDefaultDateRows(0, w.GetDateUnit(), r);
             return Fmt(r[0], r[1], r[2], r[3], w.GetDateUnit(), w.GetOption2());
         }});
    p.push_back(Since("layout file name", 31000,
                      [](const CSyokiSet& s) { return s.GetPath().GetLayoutFileName(); }));
    p.push_back(Since("irregular periods", 40000,
                      [](const CSyokiSet& s) { return HensokuText(*s.GetHensoku()); }));
    p.push_back(Since("layout words", 50000, [](const CSyokiSet& s) {
        return Fmt(s.GetLayoutWord(0), s.GetLayoutWord(1), s.GetLayoutWord(2), s.GetLayoutWord(3),
                   s.GetLayoutDword(), s.GetLayoutWord(4));
    }));
    p.push_back(
        Since("paper font", 55000, [](const CSyokiSet& s) { return FontText(s.GetPaperFont()); }));
    return p;
}

TEST_F(SyokiSetVersionTest, EveryBlockByVersion) {
    const int versions[] = {1000,  2000,  2001,  2002,  9999,  10000, 10999, 11000, 20999, 21000,
                            22001, 22002, 30999, 31000, 39999, 40000, 41000, 41001, 49999, 50000,
                            50999, 51000, 52999, 53000, 54999, 55000, 55999, 56000, 57999, 58000};
    CSyokiSet written = MakeWritten();
    const CSyokiSet defaults = Defaults();
    const std::vector<Probe> probes = Probes(LayoutPath());
    for (const int v : versions) {
        SCOPED_TRACE(v);
        const CSyokiSet before = written;
        const Bytes bytes = StoreAt(written, v);
        const CSyokiSet loaded = LoadAt(bytes, v);
        for (const Probe& probe : probes) {
            EXPECT_EQ(probe.get(loaded), probe.expect(v, written, defaults)) << probe.name;
            // Saving converts what it writes, never the record.
            EXPECT_EQ(probe.get(written), probe.get(before)) << probe.name;
        }
        EXPECT_EQ(loaded.GetRefreshFlag(), 1u);
        EXPECT_EQ(written.GetRefreshFlag(), 0u);
        // What was loaded stores the same bytes again (before 31000 the page areas are the
        // layout file's, no longer those of the file).
        if (v >= 31000) {
            CSyokiSet again = loaded;
            EXPECT_EQ(StoreAt(again, v), bytes);
        }
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

// ---- Golden bytes at 58000 ---------------------------------------------------------------------

TEST_F(SyokiSetTest, GoldenBytesAtTheCurrentVersion) {
    const Bytes golden = test::SettingsRecordBytes();
    const CSyokiSet loaded = LoadAt(golden, kCurrentFileVersion);

    const CPrintArea& page = loaded.GetPageSetting();
    EXPECT_EQ(RectText(page.GetHeaderRect()), RectText(CRect(10, -20, 2910, -310)));
    EXPECT_EQ(RectText(page.GetPageRect()), RectText(CRect(10, -310, 2910, -2010)));
    EXPECT_EQ(RectText(page.GetBodyRect()), RectText(CRect(11, -410, 2911, -2011)));
    EXPECT_EQ(RectText(page.GetDateRect()), RectText(CRect(12, -311, 2912, -409)));
    EXPECT_EQ(RectText(page.GetKoumokuRect()), RectText(CRect(13, -412, 513, -2012)));
    EXPECT_EQ(RectText(page.GetKouteiRect()), RectText(CRect(514, -413, 2914, -2013)));
    EXPECT_EQ(page.GetInsetLeft(), 31);
    EXPECT_EQ(page.GetInsetRight(), 41);
    EXPECT_EQ(RectText(page.GetChartRect()), RectText(CRect(545, -414, 2873, -2014)));
    EXPECT_EQ(RectText(page.GetFooterRect()), RectText(CRect(15, -2015, 2915, -2055)));
    EXPECT_EQ(page.GetPaper(), kPaperB4);
    EXPECT_EQ(page.GetMuki(), 0);
    EXPECT_EQ(page.GetLeftWidth(), 501);
    EXPECT_EQ(RectText(page.GetPaperRect()), RectText(CRect(0, 0, 3640, -2570)));
    EXPECT_EQ(page.GetMarginShift(), CPoint(101, -81));
    EXPECT_EQ(page.GetPrinterOffset(), CPoint(3, -4));
    // The fixed-row bands start as the tops of their areas.
    EXPECT_EQ(RectText(page.GetGridRect()), RectText(CRect(13, -412, 513, -412)));
    EXPECT_EQ(RectText(page.GetKouteiGridRect()), RectText(CRect(514, -413, 2914, -413)));
    EXPECT_EQ(RectText(page.GetChartGridRect()), RectText(CRect(545, -414, 2873, -414)));

    const CAreaNameSet& names = loaded.GetChart().GetAreaNameSet();
    EXPECT_EQ(names.GetKoumokuColumnCount(), 2);
    EXPECT_EQ(names.GetStyle(), 1);
    EXPECT_EQ(names.GetBunkatuOpt(), 3);
    EXPECT_TRUE(names.GetStdCells().empty());
    EXPECT_EQ(loaded.GetChart().GetDateStyle().GetMode(4), 4);
    EXPECT_EQ(FontText(loaded.GetChart().GetDateStyle().GetLogFont()),
              FontText(MakeFont(-32, 16, "A")));
    EXPECT_EQ(loaded.GetChart().GetKoumokuAttr().m_color, RGB(1, 2, 3));
    EXPECT_EQ(loaded.GetChart().GetKouteiAttr().m_width, -1);
    EXPECT_EQ(loaded.GetChart().GetInclined(), 20);
    EXPECT_EQ(loaded.GetChart().GetBarHeight(), 18);
    EXPECT_EQ(loaded.GetChart().GetLandAttr().m_color, RGB(0, 0, 255));
    EXPECT_EQ(loaded.GetChart().GetYogoAttr().m_offsetY, -3);
    EXPECT_EQ(loaded.GetChart().GetYogoAttr().m_firstSpace, 2);
    EXPECT_EQ(FontText(loaded.GetChart().GetShigenAttr().GetLogFont()),
              FontText(MakeFont(-24, 12, "D")));
    EXPECT_EQ(loaded.GetEvent().GetTextAttr().m_offsetY, 50);
    EXPECT_EQ(loaded.GetEvent().GetRevice(), 0x0102);
    EXPECT_EQ(loaded.GetShin().GetWidth(), 2);
    EXPECT_EQ(loaded.GetShin().GetDateDisp(), 1);
    EXPECT_EQ(loaded.GetShin().GetDateValue1(), 7);
    EXPECT_EQ(loaded.GetShin().GetDateValue2(), -9);
    EXPECT_EQ(loaded.GetShin().GetDateFormat(), "mm/dd");
    EXPECT_EQ(loaded.GetZukei().GetAttr().m_boxRay, 30);
    EXPECT_EQ(loaded.GetZukei().GetTextAttr().m_attrb, 0x0100);
    EXPECT_EQ(loaded.GetMaeYohaku(), Days(2));
    EXPECT_EQ(loaded.GetMonthSpan(), Days(30));
    EXPECT_EQ(loaded.GetStartDate(), CTime(2005, 6, 13));
    EXPECT_EQ(loaded.GetEndDate(), CTime(2005, 7, 27));
    EXPECT_EQ(loaded.GetLastRow(), 39);
    EXPECT_EQ(loaded.GetHolidayShade(), 2);
    EXPECT_EQ(loaded.GetFixedLastRow(), 0xFFFF);
    EXPECT_EQ(loaded.GetDateRowCount(), 2);
    EXPECT_EQ(loaded.GetReserved()[0], 0x5A);
    EXPECT_EQ(loaded.GetReserved()[127], 0xA5);
    EXPECT_EQ(loaded.GetInsertRow(), -1);
    EXPECT_EQ(FontText(loaded.GetPaperFont()), FontText(MakeFont(-40, 20, "I")));

    CSyokiSet again = loaded;
    EXPECT_EQ(StoreAt(again, kCurrentFileVersion), golden);
}

// ---- What older files and damaged files hold ------------------------------------------------

void PutWordAt(Bytes& bytes, std::size_t at, WORD value) {
    bytes[at] = BYTE(value & 0xFF);
    bytes[at + 1] = BYTE(value >> 8);
}

TEST_F(SyokiSetVersionTest, Version50000WritesTheOldPageBlockAndTwoNames) {
    CSyokiSet written = MakeWritten();
    const Bytes bytes = StoreAt(written, 50000);
    // 80 bytes of page settings, then the two names in 129-byte fields.
    const std::string koumoku = U("工種");
    const std::string hizuke = U("日程");
    const std::string first(bytes.begin() + 80, bytes.begin() + 80 + 129);
    const std::string second(bytes.begin() + 209, bytes.begin() + 209 + 129);
    EXPECT_EQ(first, koumoku + std::string(129 - koumoku.size(), '\0'));
    EXPECT_EQ(second, hizuke + std::string(129 - hizuke.size(), '\0'));
    // The date-row style follows: its font begins with the date font's height.
    EXPECT_EQ(bytes[338], BYTE(-40));

    const CSyokiSet loaded = LoadAt(bytes, 50000);
    const CPrintArea& page = loaded.GetPageSetting();
    EXPECT_EQ(page.GetFooterRect().top, page.GetBodyRect().bottom);
    EXPECT_EQ(page.GetFooterRect().bottom, page.GetBodyRect().bottom);
    EXPECT_EQ(page.GetFooterRect().left, page.GetHeaderRect().left);
    EXPECT_EQ(page.GetFooterRect().right, page.GetHeaderRect().right);
    EXPECT_EQ(page.GetInsetRight(), page.GetInsetLeft());
    EXPECT_EQ(page.GetInsetLeft(), 11);
    EXPECT_EQ(loaded.GetChart().GetAreaNameSet().GetStyle(), CAreaNameSet::kStyleStandard);
}

TEST_F(SyokiSetVersionTest, OldAreaNameIsCutOnACharacterBoundary) {
    CSyokiSet written = MakeWritten();
    Bytes bytes = StoreAt(written, 50000);
    // 129 bytes without a terminator: "a" and 64 double-byte characters.
    bytes[80] = 'a';
    for (std::size_t i = 0; i < 64; ++i) {
        bytes[81 + 2 * i] = 0x82;
        bytes[82 + 2 * i] = 0xA0;
    }
    const std::string name = LoadAt(bytes, 50000).GetChart().GetAreaNameSet().GetKoumokuName();
    EXPECT_EQ(name.size(), 127u);
    EXPECT_EQ(name, Sjis::Cut(name, 128));
    EXPECT_EQ(name.substr(name.size() - 2), "\x82\xa0");

    // A name longer than its field is written cut on a character boundary as well.
    std::string longName = "a";
    for (int i = 0; i < 100; ++i) {
        longName += "\x82\xa0";
    }
    written.GetChart().GetAreaNameSet().SetKoumokuName(longName);
    const Bytes cut = StoreAt(written, 50000);
    EXPECT_EQ(cut[80 + 127], 0);
    EXPECT_EQ(LoadAt(cut, 50000).GetChart().GetAreaNameSet().GetKoumokuName().size(), 127u);
}

TEST_F(SyokiSetVersionTest, TermLabelBefore10000) {
    CSyokiSet written = MakeWritten();
    written.GetChart().GetYogoAttr().m_linkPosition = 5;
    const CSyokiSet loaded = LoadAt(StoreAt(written, 9999), 9999);
    const CElemAttr& yogo = loaded.GetChart().GetYogoAttr();
    EXPECT_EQ(yogo.m_linkPosition, 0); // only 0 (above) and 1 (below) are link positions
    EXPECT_EQ(yogo.m_lineSpace, app.GetChart().GetYogoAttr().m_lineSpace);
    EXPECT_EQ(yogo.m_firstSpace, app.GetChart().GetYogoAttr().m_firstSpace);
    EXPECT_EQ(FontText(yogo.GetLogFont()), FontText(MakeFont(-24, 12, "YogoF")));
    EXPECT_EQ(yogo.m_spare, 5);
}

TEST_F(SyokiSetVersionTest, ElapsedDayChartLoadsWithoutIrregularPeriods) {
    CSyokiSet written = MakeWritten();
    written.SetNobeMode(1);
    ASSERT_EQ(written.GetHensoku()->GetDataCount(), 1);
    const CSyokiSet loaded = LoadAt(StoreAt(written, kCurrentFileVersion), kCurrentFileVersion);
    EXPECT_EQ(loaded.GetNobeMode(), 1);
    EXPECT_EQ(loaded.GetHensoku()->GetDataCount(), 0);
    EXPECT_TRUE(loaded.GetHensoku()->GetDayList().empty());
    // The blocks after the periods are read as usual.
    EXPECT_EQ(loaded.GetLayoutDword(), 0x12345678u);
    EXPECT_EQ(FontText(loaded.GetPaperFont()), FontText(MakeFont(-60, 30, "PaperF")));
}

TEST_F(SyokiSetVersionTest, LayoutFileNameOnlyWhenTheLayoutFolderHoldsIt) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"OTHER.LYT", "OTHER.LYT"},
        {"NOPE.LYT", "MASTER01.LYT"},
        {"", "MASTER01.LYT"},
    };
    for (const Case& c : cases) {
        const CSyokiSet loaded =
            LoadAt(test::SettingsRecordBytes({.layoutName = c.name}), kCurrentFileVersion);
        EXPECT_EQ(loaded.GetPath().GetLayoutFileName(), c.expected) << c.name;
    }
}

TEST_F(SyokiSetTest, ProgressDateFormatIsCutToItsField) {
    // 30 single bytes and a double-byte character across the 31-byte limit.
    const std::string format = std::string(30, 'y') + "\x82\xa0" + "zz";
    const CSyokiSet loaded =
        LoadAt(test::SettingsRecordBytes({.dateFormat = format}), kCurrentFileVersion);
    EXPECT_EQ(loaded.GetShin().GetDateFormat(), std::string(30, 'y'));
}

TEST_F(SyokiSetTest, DamagedRecordFailsToLoadAndLeavesTheRecord) {
    test::SettingsRecordOffsets at;
    const Bytes golden = test::SettingsRecordBytes({}, &at);
    // Behind the period start: end, first and last row, shading, then the label unit and step,
    // three spare words, the fixed rows, four row kinds, the ruled-line unit and step.
    const std::size_t unit = at.period + 14;
    const std::size_t keisen = at.period + 36;
    // Values no chart can hold say "ファイルが異常です" and abandon the load; a stream that
    // simply ends is the archive's end of file, which the document reports.
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        bool damagedValue = true;
    };
    const Case cases[] = {
        {"a date-label unit outside the table", [&](Bytes& b) { PutWordAt(b, unit, 9); }},
        {"a step the unit does not have",
         [&](Bytes& b) {
             PutWordAt(b, unit, kUnitYear);
             PutWordAt(b, unit + 2, 2);
         }},
        {"a step index past the table", [&](Bytes& b) { PutWordAt(b, unit + 2, 10); }},
        {"a ruled-line unit outside the table", [&](Bytes& b) { PutWordAt(b, keisen, 6); }},
        {"a ruled-line step the unit does not have",
         [&](Bytes& b) {
             PutWordAt(b, keisen, kUnitWeek);
             PutWordAt(b, keisen + 2, 2);
         }},
        {"more item columns than the header has",
         [&](Bytes& b) { PutWordAt(b, at.columnCount, 11); }},
        {"no item column", [&](Bytes& b) { PutWordAt(b, at.columnCount, 0); }},
        {"the stream ends in the last block", [](Bytes& b) { b.pop_back(); }, false},
        {"the stream ends in the page block", [](Bytes& b) { b.resize(60); }, false},
    };
    for (const Case& c : cases) {
        Bytes bytes = golden;
        c.damage(bytes);
        CSyokiSet record = Defaults();
        record.SetStartDate(CTime(1999, 9, 9));
        record.GetHensoku()->AddData(std::make_unique<CHensokuData>());
        const CSyokiSet before = record;
        CMemFile file(bytes);
        CArchive ar(&file, CArchive::load);
        test::VersionDocument doc;
        ar.m_pDocument = &doc;
        test::ScopedUi ui;
        if (c.damagedValue) {
            EXPECT_THROW(record.Serialize(ar), CUserException) << c.what;
            ASSERT_EQ(ui->MessageBoxes().size(), 1u) << c.what;
            EXPECT_EQ(ui->MessageBoxes()[0].text, "ファイルが異常です") << c.what;
        } else {
            EXPECT_THROW(record.Serialize(ar), CArchiveException) << c.what;
            EXPECT_TRUE(ui->MessageBoxes().empty()) << c.what;
        }
        EXPECT_EQ(PageText(record.GetPageSetting()), PageText(before.GetPageSetting())) << c.what;
        EXPECT_EQ(record.GetStartDate(), before.GetStartDate()) << c.what;
        EXPECT_EQ(record.GetDateUnit(), before.GetDateUnit()) << c.what;
        EXPECT_EQ(record.GetHensoku()->GetDataCount(), 1) << c.what;
        EXPECT_EQ(record.GetChart().GetAreaNameSet().GetStdCells().size(), 2u) << c.what;
    }
    // Undamaged, the same bytes load.
    EXPECT_NO_THROW(LoadAt(golden, kCurrentFileVersion));
}

// A chart file goes on after the settings record; the archive must not hand out, to a later
// reference, a cell or a period that the load made and then let go.
TEST_F(SyokiSetTest, LaterReferencesDoNotReachWhatTheLoadLetGo) {
    // One area-name cell (its class is object index 1, the cell 2) and one irregular period
    // (class 3, period 4): the record needs no more to show it.
    CSyokiSet record = Defaults();
    CAreaNameSet& names = record.GetChart().GetAreaNameSet();
    names.RemoveAll();
    names.ReplaceKoumokuCell(std::make_unique<CAreaNameDataStd>(0));
    record.GetHensoku()->AddData(std::make_unique<CHensokuData>());
    constexpr WORD kCellIndex = 2;
    constexpr WORD kPeriodIndex = 4;
    // What follows the record's date-row block: the layout file name, the periods, the layout
    // words and the paper font.
    const std::size_t tail = 1 + record.GetPath().GetLayoutFileName().size() +
                             test::Store(*record.GetHensoku()).size() + 14 + 60;

    struct Case {
        const char* what;
        short nobeMode;
        WORD unit;  // a unit outside the table fails the load before the periods
        WORD index; // the object a later record refers to
    };
    const Case cases[] = {
        {"a cell of a loaded record", 0, kUnitDay, kCellIndex},
        {"a period of a loaded record", 0, kUnitDay, kPeriodIndex},
        {"a period an elapsed-day chart drops", 1, kUnitDay, kPeriodIndex},
        {"a cell of a record whose load failed", 0, 9, kCellIndex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        record.SetNobeMode(c.nobeMode);
        record.SetOption1(c.unit);
        Bytes bytes = StoreAt(record, kCurrentFileVersion);
        if (c.unit != kUnitDay) {
            // The load stops behind the date-row block: the reference stands there.
            bytes.resize(bytes.size() - tail);
        }
        bytes.push_back(BYTE(c.index));
        bytes.push_back(0);

        CMemFile file(bytes);
        CArchive ar(&file, CArchive::load);
        test::VersionDocument doc;
        ar.m_pDocument = &doc;
        CSyokiSet loaded;
        if (c.unit != kUnitDay) {
            EXPECT_THROW(loaded.Serialize(ar), CUserException);
        } else {
            loaded.Serialize(ar);
        }
        try {
            ar.ReadObject(RUNTIME_CLASS(CObject));
            ADD_FAILURE() << "a reference to an object that is gone was resolved";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
        }
    }
}

TEST_F(SyokiSetVersionTest, OldFileRechoosesTheThinningWhenItsProcessAreaNarrows) {
    CSyokiSet written = MakeWritten();
    written.SetOption1(kUnitYear);
    written.SetOption2(1);
    const Bytes bytes = StoreAt(written, 30000);

    // As stored, the layout's process area is as wide as the file's: the units stay.
    const CSyokiSet same = LoadAt(bytes, 30000);
    EXPECT_EQ(same.GetDateUnit(), kUnitYear);
    EXPECT_EQ(same.GetOption2(), 1);

    // A file whose process area was wider than the layout's gets the thinning of the new width.
    Bytes wide = bytes;
    PutWordAt(wide, 40 + 4, 9000); // the right edge of the process area
    const CSyokiSet narrowed = LoadAt(wide, 30000);
    CSyokiSet expected = same;
    ASSERT_EQ(expected.CalcDateThinning(), TRUE);
    EXPECT_EQ(narrowed.GetDateUnit(), expected.GetDateUnit());
    EXPECT_EQ(narrowed.GetOption2(), expected.GetOption2());
    EXPECT_EQ(narrowed.GetHolidayShade(), expected.GetHolidayShade());
    EXPECT_NE(narrowed.GetDateUnit(), kUnitYear);
    EXPECT_EQ(PageText(narrowed.GetPageSetting()), PageText(same.GetPageSetting()));
}

} // namespace
} // namespace tembra
