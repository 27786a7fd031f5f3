// The resource chart as a record: its defaults, its series, its file form at the versions that
// add fields, and its copy.
#include "ChartTestSupport.h"

#include "model/Utility.h"
#include "platform/Exception.h"
#include "platform/RuntimeClass.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiString.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::April;
using test::Bytes;
using test::ByteWriter;
using test::ChartDoc;
using test::ChartTest;
using test::Load;
using test::MakeChart;
using test::Store;

Bytes FontBytes(const LOGFONT& font) {
    std::array<BYTE, LogFont16::kSize> bytes{};
    LogFont16::FromLogFont(font).ToBytes(bytes.data());
    return Bytes(bytes.begin(), bytes.end());
}

LOGFONT Font(LONG height, LONG width, const char* face) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = 700;
    font.lfCharSet = 128;
    font.SetFaceName(face);
    return font;
}

TEST(ChartRecordTest, NewChartDefaults) {
    const CChart chart;
    EXPECT_EQ(chart.GetType(), kTypeChart);
    EXPECT_EQ(chart.CDataHeader::GetKind(), kKindChart);
    EXPECT_EQ(chart.GetWord6(), 1000);
    EXPECT_EQ(chart.GetKind(), CChart::kPurposeNone);
    EXPECT_EQ(chart.GetGraphType(), CChart::kBarGraph);
    EXPECT_EQ(chart.GetScaleStep(), 0);
    EXPECT_EQ(chart.GetMaxValue(), 0u);
    EXPECT_EQ(chart.GetPointMode(), CChart::kPointStandard);
    EXPECT_EQ(chart.GetIgnoreHoliday(), 1);
    EXPECT_EQ(chart.GetOptions(), 0u);
    EXPECT_EQ(chart.GetLabelPos(), CChart::kLabelFree);
    EXPECT_EQ(chart.GetSeparator(), ":");
    EXPECT_EQ(chart.GetSeriesCount(), 0);
    EXPECT_TRUE(chart.GetShapes().empty());
    EXPECT_TRUE(chart.GetLabels().empty());
    for (const LOGFONT* font : {&chart.GetScaleFont(), &chart.GetTotalsFont()}) {
        EXPECT_EQ(font->lfHeight, -32);
        EXPECT_EQ(font->lfWidth, 16);
        EXPECT_EQ(font->lfWeight, 400);
        EXPECT_EQ(font->lfCharSet, 128);
        EXPECT_EQ(font->lfOutPrecision, 3);
        EXPECT_EQ(font->lfClipPrecision, 2);
        EXPECT_EQ(font->lfQuality, 1);
        EXPECT_EQ(font->lfPitchAndFamily, 0x11);
        EXPECT_EQ(font->FaceName(), kDefaultFaceName);
    }
    // The purpose answers as the kind; the header keeps its sub-kind.
    CChart earned;
    earned.SetPurpose(CChart::kPurposeEarnedValue);
    earned.CDataHeader::SetKind(9);
    earned.SetKind();
    EXPECT_EQ(earned.GetKind(), CChart::kPurposeEarnedValue);
    EXPECT_EQ(earned.CDataHeader::GetKind(), kKindChart);
}

TEST(ChartRecordTest, SeriesCountAndAccessors) {
    CChart chart;
    chart.SetSeriesCount(3);
    const CDispSetData* first = chart.GetSeries(0);
    const CDispSetData* second = chart.GetSeries(1);
    chart.SetSeriesCount(3);
    EXPECT_EQ(chart.GetSeries(0), first);
    chart.SetSeriesCount(2);
    EXPECT_EQ(chart.GetSeriesCount(), 2);
    EXPECT_EQ(chart.GetSeries(0), first);
    EXPECT_EQ(chart.GetSeries(1), second);
    chart.SetSeriesCount(4);
    EXPECT_EQ(chart.GetSeriesCount(), 4);
    EXPECT_EQ(chart.GetSeries(1), second);
    EXPECT_EQ(chart.GetSeriesPattern(3), 999);
    chart.SetSeriesCount(-1);
    EXPECT_EQ(chart.GetSeriesCount(), 0);

    chart.SetSeriesCount(3);
    chart.SetSeriesShown(0, 1);
    chart.SetSeriesShown(2, 1);
    chart.SetSeriesLineColor(2, RGB(1, 2, 3));
    chart.SetSeriesPatternColor(2, RGB(4, 5, 6));
    chart.SetSeriesPattern(2, 7);
    chart.SetSeriesLineType(2, 3);
    chart.SetSeriesLineWidth(2, 2);
    EXPECT_EQ(chart.CountShownSeries(), 2);
    EXPECT_EQ(chart.GetSeriesLineColor(2), RGB(1, 2, 3));
    EXPECT_EQ(chart.GetSeriesPatternColor(2), RGB(4, 5, 6));
    EXPECT_EQ(chart.GetSeriesPattern(2), 7);
    EXPECT_EQ(chart.GetSeriesLineType(2), 3);
    EXPECT_EQ(chart.GetSeriesLineWidth(2), 2);
    // Outside the series nothing is read or written.
    for (const int i : {-1, 3, 1000}) {
        SCOPED_TRACE(i);
        chart.SetSeriesShown(i, 1);
        chart.SetSeriesLineColor(i, 1);
        chart.SetSeriesPatternColor(i, 1);
        chart.SetSeriesPattern(i, 1);
        chart.SetSeriesLineType(i, 1);
        chart.SetSeriesLineWidth(i, 1);
        EXPECT_EQ(chart.IsSeriesShown(i), 0);
        EXPECT_EQ(chart.GetSeriesLineColor(i), 0u);
        EXPECT_EQ(chart.GetSeriesPatternColor(i), 0u);
        EXPECT_EQ(chart.GetSeriesPattern(i), 0);
        EXPECT_EQ(chart.GetSeriesLineType(i), 0);
        EXPECT_EQ(chart.GetSeriesLineWidth(i), 0);
    }
    EXPECT_EQ(chart.CountShownSeries(), 2);
}

// ---- File form ----------------------------------------------------------------------------------

TEST(ChartRecordTest, SeriesBytesByVersion) {
    CDispSetData series;
    series.SetSlot(1);
    series.SetLineColor(RGB(255, 0, 0));
    series.SetPatternColor(RGB(0, 0, 255));
    series.SetPattern(999);
    series.SetLineWidth(2);
    series.SetLineType(1);
    const Bytes full = {0x01, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00,
                        0xFF, 0x00, 0xE7, 0x03, 0x02, 0x00, 0x01, 0x00};
    EXPECT_EQ(Store(series, 58000), full);
    EXPECT_EQ(Store(series, 51000), full);
    EXPECT_EQ(Store(series, 50000), Bytes(full.begin(), full.begin() + 12));

    CDispSetData back;
    Load(full, back, 58000);
    EXPECT_EQ(back.GetSlot(), 1);
    EXPECT_EQ(back.GetLineColor(), RGB(255, 0, 0));
    EXPECT_EQ(back.GetPatternColor(), RGB(0, 0, 255));
    EXPECT_EQ(back.GetPattern(), 999);
    EXPECT_EQ(back.GetLineWidth(), 2);
    EXPECT_EQ(back.GetLineType(), 1);
    // An older file has no line width and type.
    Load(Bytes(full.begin(), full.begin() + 12), back, 50000);
    EXPECT_EQ(back.GetLineWidth(), 0);
    EXPECT_EQ(back.GetLineType(), 0);
    // The 16-bit fields come back zero-extended.
    Load({0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}, back, 50000);
    EXPECT_EQ(back.GetSlot(), 65535);
    EXPECT_EQ(back.GetPattern(), 65535);
}

// The fields in file order at 58000, and what each older version leaves out.
TEST(ChartRecordTest, BytesByVersion) {
    CChart chart;
    chart.SetGraphType(CChart::kLineGraph);
    chart.SetScaleFont(Font(-40, 20, "Scale"));
    chart.SetScaleStep(5);
    chart.SetTopRow(3);
    chart.SetBottomRow(9);
    chart.SetPurpose(CChart::kPurposeEarnedValue);
    chart.SetMaxValue(100000);
    chart.SetPointMode(CChart::kPointBefore);
    chart.SetIgnoreHoliday(0);
    chart.SetOptions(5);
    chart.SetTotalsFont(Font(-24, 12, "Totals"));
    chart.SetTotalsColor(RGB(1, 2, 3));
    chart.SetLabelPos(CChart::kLabelTopRight);
    chart.SetSeparator("=");
    chart.SetDisplayNames({"ab", ""});
    chart.SetSeriesCount(1);
    chart.SetSeriesShown(0, 1);

    const auto head = [&](ByteWriter& w) {
        w.Header(7, 1).Word(1).Append(FontBytes(chart.GetScaleFont())).Word(5).Word(3).Word(9);
    };
    const Bytes series = {0x01, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0xE7, 0x03};
    ByteWriter v58;
    head(v58);
    v58.Word(2).Dword(100000).Word(1).Dword(0);
    v58.Dword(5).Append(FontBytes(chart.GetTotalsFont())).Dword(0x030201).Dword(2).String("=");
    v58.Word(0).Word(2).String("ab").String("");
    v58.Word(1).NewClass(1, "CDispSetData").Append(series).Word(0).Word(0).Word(0);
    EXPECT_EQ(Store(chart, 58000), v58.Get());

    ByteWriter v57;
    head(v57);
    v57.Word(2).Dword(100000).Word(1).Dword(0);
    v57.Word(1).NewClass(1, "CDispSetData").Append(series).Word(0).Word(0).Word(0);
    EXPECT_EQ(Store(chart, 57000), v57.Get());

    ByteWriter v50;
    head(v50);
    v50.Word(1).NewClass(1, "CDispSetData").Append(series).Word(0);
    EXPECT_EQ(Store(chart, 50000), v50.Get());

    // The 16-bit fields come back zero-extended.
    ByteWriter wide;
    wide.Header(7, 1).Word(0xFFFF).Append(FontBytes(chart.GetScaleFont()));
    wide.Word(0xFFFF).Word(0xFFFF).Word(0x8000).Word(0).Word(0);
    CChart back;
    Load(wide.Get(), back, 50000);
    EXPECT_EQ(back.GetGraphType(), 65535);
    EXPECT_EQ(back.GetScaleStep(), 65535);
    EXPECT_EQ(back.GetTopRow(), -1);
    EXPECT_EQ(back.GetBottomRow(), -32768);
}

// A chart with every part, built on a document.
class ChartFileTest : public ChartTest {
protected:
    ChartFileTest() {
        doc.SetNames({"A", "B"});
        doc.AddProcess(April(1), April(4), {{1, 2}, {2, 1}});
        chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 4, 12, 2, {0, 1});
        chart->SetSeriesLineWidth(1, 3);
        chart->SetSeriesLineType(1, 2);
        chart->SetSeriesPattern(0, 12);
        chart->SetMaxValue(9);
        chart->SetPointMode(CChart::kPointAfter);
        chart->SetIgnoreHoliday(0);
        chart->SetOptions(CChart::kOptionDayTotals | CChart::kOptionResourceTotals);
        chart->SetTotalsColor(RGB(9, 8, 7));
        chart->SetLabelPos(CChart::kLabelBottomLeft);
        chart->SetSeparator("->");
        chart->SetDisplayNames({"Alpha"});
        EXPECT_TRUE(chart->EnsureLabel());
        chart->BuildShapes(doc, doc.layout);
    }

    std::unique_ptr<CChart> chart;
};

// What the shapes of a chart are, group by group: the kinds of their members.
std::vector<std::vector<WORD>> ShapeKinds(const CChart& chart) {
    std::vector<std::vector<WORD>> kinds;
    for (std::size_t i = 0; i < chart.GetShapes().size(); ++i) {
        std::vector<WORD> members;
        const CZukeiGroup* group = chart.GetGroup(static_cast<int>(i));
        for (int m = 0; group != nullptr && m < group->GetElementCount(); ++m) {
            members.push_back(group->GetMember(m)->GetKind());
        }
        kinds.push_back(members);
    }
    return kinds;
}

TEST_F(ChartFileTest, RoundTripsByVersion) {
    for (const int version : {58000, 57000, 51000, 50000}) {
        SCOPED_TRACE(version);
        const Bytes bytes = Store(*chart, version);
        CChart back;
        back.SetSeparator("x");
        back.SetOptions(7);
        Load(bytes, back, version);
        EXPECT_EQ(Store(back, version), bytes);

        EXPECT_EQ(back.GetBottomRow(), 12);
        EXPECT_EQ(back.GetSeriesCount(), 2);
        EXPECT_EQ(back.IsSeriesShown(1), 2);
        EXPECT_EQ(back.GetSeriesPattern(0), 12);
        EXPECT_EQ(ShapeKinds(back), ShapeKinds(*chart));
        EXPECT_EQ(back.GetGroup(CChart::kGroupFrame)->GetDeviceRect(doc),
                  chart->GetGroup(CChart::kGroupFrame)->GetDeviceRect(doc));

        const bool purpose = version >= 51000;
        EXPECT_EQ(back.GetPurpose(), purpose ? CChart::kPurposeLoading : 0);
        EXPECT_EQ(back.GetMaxValue(), purpose ? 9u : 0u);
        EXPECT_EQ(back.GetPointMode(), purpose ? CChart::kPointAfter : CChart::kPointStandard);
        EXPECT_EQ(back.GetIgnoreHoliday(), purpose ? 0 : 1);
        EXPECT_EQ(back.GetSeriesLineWidth(1), purpose ? 3 : 0);
        EXPECT_EQ(back.GetSeriesLineType(1), purpose ? 2 : 0);

        const bool totals = version >= 58000;
        EXPECT_EQ(back.GetOptions(), totals ? chart->GetOptions() : 0u);
        EXPECT_EQ(back.GetTotalsColor(), totals ? RGB(9, 8, 7) : 0u);
        EXPECT_EQ(back.GetLabelPos(), totals ? CChart::kLabelBottomLeft : CChart::kLabelFree);
        EXPECT_EQ(back.GetSeparator(), totals ? "->" : ":");
        EXPECT_EQ(back.GetDisplayNames(),
                  totals ? std::vector<std::string>{"Alpha"} : std::vector<std::string>{});
        EXPECT_EQ(back.GetTotalsFont(), totals ? chart->GetTotalsFont() : CChart().GetTotalsFont());
        ASSERT_EQ(back.GetLabels().size(), totals ? 1u : 0u);
        if (totals) {
            EXPECT_EQ(back.GetLabel()->GetText(), "Alpha -> 6\r\nB -> 3\r\n");
            EXPECT_EQ(back.GetLabel()->GetKind(), kZukeiFramedString);
        }
    }
}

TEST_F(ChartFileTest, ADamagedFileFailsTheLoad) {
    const Bytes bytes = Store(*chart, 58000);
    for (std::size_t size = 0; size < bytes.size(); size += 7) {
        SCOPED_TRACE(size);
        CChart back;
        EXPECT_THROW(
            Load(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(size)), back, 58000),
            CArchiveException);
    }
    // A series that is no series record.
    ByteWriter wrong;
    wrong.Header(7, 1).Word(0).Append(FontBytes(chart->GetScaleFont())).Word(0).Word(0).Word(0);
    wrong.Word(1).NewClass(1, "CChart");
    CChart back;
    EXPECT_THROW(Load(wrong.Get(), back, 50000), CArchiveException);
}

// A document stores its charts as objects named by their class.
TEST_F(ChartFileTest, KnownToTheArchiveByName) {
    for (const char* name : {"CChart", "CDispSetData"}) {
        const CRuntimeClass* cls = CRuntimeClass::FromName(name);
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_EQ(cls->m_wSchema, 1u);
        EXPECT_TRUE(cls->IsSerializable());
    }
    const Bytes bytes = Store([&](CArchive& ar) { ar.WriteObject(chart.get()); });
    ByteWriter start;
    start.NewClass(1, "CChart");
    ASSERT_GT(bytes.size(), start.Get().size());
    EXPECT_TRUE(std::equal(start.Get().begin(), start.Get().end(), bytes.begin()));
    std::unique_ptr<CChart> back;
    Load(bytes, [&](CArchive& ar) { back = ar.ReadOwned<CChart>(); });
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(ShapeKinds(*back), ShapeKinds(*chart));
}

// ---- Copy ---------------------------------------------------------------------------------------

TEST_F(ChartFileTest, ACopyClonesEveryShapeAndKeepsItsOwnValues) {
    CChart copy;
    copy = *chart;
    EXPECT_EQ(Store(copy), Store(*chart));
    ASSERT_EQ(copy.GetShapes().size(), chart->GetShapes().size());
    for (std::size_t i = 0; i < copy.GetShapes().size(); ++i) {
        EXPECT_NE(copy.GetShapes()[i].get(), chart->GetShapes()[i].get());
        const CZukeiGroup* mine = copy.GetGroup(static_cast<int>(i));
        const CZukeiGroup* theirs = chart->GetGroup(static_cast<int>(i));
        for (int m = 0; m < mine->GetElementCount(); ++m) {
            EXPECT_NE(mine->GetMember(m), theirs->GetMember(m));
        }
    }
    ASSERT_NE(copy.GetLabel(), nullptr);
    EXPECT_NE(copy.GetLabel(), chart->GetLabel());
    EXPECT_NE(copy.GetSeries(0), chart->GetSeries(0));
    // The day values are the computation's, not the record's.
    EXPECT_EQ(chart->GetSlotCount(), 2);
    EXPECT_EQ(copy.GetSlotCount(), 0);
    EXPECT_TRUE(copy.GetDayValues(1).empty());

    // Copying back replaces what the copy had; copying onto itself changes nothing.
    chart->SetSeriesCount(5);
    *chart = copy;
    EXPECT_EQ(chart->GetSeriesCount(), 2);
    EXPECT_EQ(chart->GetSlotCount(), 2);
    const Bytes before = Store(*chart);
    CChart& same = *chart;
    *chart = same;
    EXPECT_EQ(Store(*chart), before);
}

} // namespace
} // namespace tembra
