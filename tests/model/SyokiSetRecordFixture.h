// The settings record of a chart stored and loaded at every file version, with the helpers that
// turn its blocks into texts that compare and print at once. SyokiSetTest gives temporary
// program folders holding the standard layout, the application's settings with a few values of
// their own, a fixed clock and the scripted user interface; SyokiSetVersionTest adds a record
// with a value of its own in every block.
#pragma once

#include "model/SyokiSet.h"

#include "model/ConfigBase.h"
#include "model/Utility.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "support/ArchiveBytes.h"
#include "support/ScopedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>

namespace tembra::test {

inline constexpr CTimeSpan Days(int n) {
    return CTimeSpan(n, 0, 0, 0);
}

inline std::string U(const char* utf8) {
    return Sjis::FromUtf8(utf8);
}

// Values joined into one text, so that a whole block compares (and prints) at once.
template <class... T> std::string Fmt(const T&... values) {
    std::ostringstream out;
    ((out << values << ','), ...);
    return out.str();
}

inline std::string FontText(const LOGFONT& f) {
    return Fmt(f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight, int(f.lfItalic),
               int(f.lfUnderline), int(f.lfStrikeOut), int(f.lfCharSet), int(f.lfOutPrecision),
               int(f.lfClipPrecision), int(f.lfQuality), int(f.lfPitchAndFamily),
               std::string(f.FaceName()));
}

inline std::string RectText(const CRect& r) {
    return Fmt(r.left, r.top, r.right, r.bottom);
}

// Every stored field of the page block; a file before 51000 holds no footer and one inset, for
// which the values given are expected.
inline std::string PageText(const CPrintArea& p, std::optional<CRect> footer = std::nullopt,
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

inline LOGFONT MakeFont(LONG height, LONG width, const char* face) {
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
        const std::filesystem::path source = Paths::ShippedDataDir() / "MASTER01.LYT";
        m_paths.emplace();
        std::filesystem::copy_file(source, m_paths->Shipped() / "MASTER01.LYT");
        std::filesystem::copy_file(source, m_paths->Writable() / "MASTER01.LYT");
        m_previous = SetAppConfig(&app);
        app.Read(FALSE);
        app.SetMaeYohaku(2);
        app.SetAtoYohaku(3);
        app.SetJyunbiKikan(4);
        app.SetMonthDays(25);
    }
    ~SyokiSetTest() override { SetAppConfig(m_previous); }

    std::filesystem::path LayoutFolder() const { return ConfigPathToFs(app.GetPath().GetFolder()); }
    std::filesystem::path LayoutPath() const {
        return ConfigPathToFs(app.GetPath().GetLayoutFilePath());
    }

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

    ScopedClock m_clock;
    std::optional<ScopedPaths> m_paths;
    ScopedUi ui;
    CConfigBase app;
    CConfigBase* m_previous = nullptr;
};

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
        std::filesystem::copy_file(LayoutPath(), LayoutFolder() / name,
                                   std::filesystem::copy_options::overwrite_existing);
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

} // namespace tembra::test
