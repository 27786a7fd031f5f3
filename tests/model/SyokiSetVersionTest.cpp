// The settings record stored and loaded at every file version: each block comes back as
// written where the version holds it and as the default where it does not, and the bytes of the
// current version match the golden record.
#include "SyokiSetRecordFixture.h"

#include "platform/Archive.h"
#include "support/SettingsRecordBytes.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

using test::Bytes;
using test::Days;
using test::Fmt;
using test::FontText;
using test::MakeFont;
using test::PageText;
using test::RectText;
using test::SyokiSetTest;
using test::SyokiSetVersionTest;

// ---- The version matrix -------------------------------------------------------------------

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

} // namespace
} // namespace tembra
