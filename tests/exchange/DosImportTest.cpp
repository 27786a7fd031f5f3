// Documents of the DOS version taken in: the header's layers, settings and print header, the
// data file's records one by one, what a damaged data file leaves, and the open and insert of
// a ".phd" file.
#include "DosFiles.h"
#include "ExchangeFixture.h"
#include "document/DocFileFormat.h"
#include "document/DocFileRequests.h"
#include "document/RecordCast.h"
#include "exchange/DosConvert.h"
#include "model/Calendar.h"
#include "model/DamagedFile.h"
#include "print/PrNewText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tembra {
namespace {

using test::DosBlock;
using test::DosHeader;
using test::DosRecord;
using test::J;

// A calendar-date chart of the version: 2010-04-01 to 2010-06-30, rows 1 to 41, the date rows
// lines 0 to 100 of a screen of 1267 lines (a date font of about 3 mm on A4).
DosHeader CalendarHeader(int version = 4100) {
    DosHeader header(version);
    header.block2.Date(1297, 2010, 4, 1).Date(1309, 2010, 6, 30).Word(1321, 1).Word(1323, 41);
    header.block2.Word(1445, 0).Word(1447, 100).Word(1453, 1266);
    return header;
}

// A process record from (month m1, day d1) to (m2, d2) of 2010, rows r1 to r2, line type t in
// the high nibble of byte 0x2F.
DosBlock Process(int m1, int d1, int m2, int d2, int r1 = 1, int r2 = 1, int t = 1) {
    DosBlock record = DosRecord(0xF0, 5, 80);
    record.Date(0x13, 2010, m1, d1).Date(0x1F, 2010, m2, d2).Word(0x2B, r1).Word(0x2D, r2);
    record.Byte(0x2F, t << 4);
    return record;
}

// A term record of the text.
DosBlock Term(const std::string& text) {
    const std::size_t size = 80 + 16 * ((text.size() + 1) / 16);
    DosBlock record = DosRecord(0xFE, static_cast<int>(size / 16), size);
    record.Word(0x24, static_cast<int>(text.size())).Text(0x40, text);
    record.Float(0x29, 1.0f).Float(0x2D, 2.0f);
    return record;
}

// An event record at (m, d) of 2010, row r.
DosBlock Event(int m, int d, int r, const std::string& text = "E") {
    DosBlock record = DosRecord(0xFC, 6, 96);
    record.Date(0x12, 2010, m, d).Word(0x1E, r).Word(0x29, static_cast<int>(text.size()));
    return record.Text(0x2B, text);
}

// An item cell of row r.
DosBlock Cell(int r, const std::string& text) {
    DosBlock record = DosRecord(0xF5, 4, 64);
    return record.Word(0x10, r).Word(0x14, static_cast<int>(text.size())).Text(0x30, text);
}

Dos::Bytes ToBytes(const DosBlock& block) {
    Dos::Bytes bytes(block.Bytes().size());
    std::memcpy(bytes.Data(), block.Bytes().data(), bytes.Size());
    return bytes;
}

std::vector<CKoutei*> Processes(CTembraDoc& document) {
    std::vector<CKoutei*> found;
    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        if (CKoutei* process = AsKoutei(document.GetNextObj(pos))) {
            found.push_back(process);
        }
    }
    return found;
}

std::vector<CEvent*> Events(CTembraDoc& document) {
    std::vector<CEvent*> found;
    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        if (CEvent* event = AsEvent(document.GetNextObj(pos))) {
            found.push_back(event);
        }
    }
    return found;
}

class DosImportTest : public test::ExchangeFixture {
protected:
    // Writes X.phd and X.pdt; returns the header's path.
    std::filesystem::path WritePair(const DosHeader& header, const std::string& data,
                                    const std::string& name = "X") {
        files.Write(name + ".pdt", data);
        return files.Write(name + ".phd", header.File());
    }

    // Opens the pair as a chart, under a name of its own.
    std::unique_ptr<CTembraDoc> OpenPair(const DosHeader& header, const std::string& data) {
        return Open(WritePair(header, data, "X" + std::to_string(++m_opened)));
    }

private:
    int m_opened = 0;

protected:
    // The converter on one record of a chart of version 4100 with calendar dates.
    void Convert(CDosConvert& convert, CTembraDoc& document, const DosBlock& record) {
        convert.GetBlock1().PutWord(0, 4100);
        convert.SetRecord(ToBytes(record));
        switch (static_cast<BYTE>(record.Bytes()[1])) {
        case 0xF0:
            convert.ConvertKoutei(document);
            break;
        case 0xFE:
            convert.ConvertYogo(document);
            break;
        case 0xF5:
            convert.ConvertKoumoku(document);
            break;
        case 0xFC:
            convert.ConvertEvent(document);
            break;
        default:
            break;
        }
    }
};

// ---- Open ---------------------------------------------------------------------------------------

TEST_F(DosImportTest, APhdFileOpensAsAModifiedTbrChart) {
    auto document = OpenPair(CalendarHeader(), Process(4, 5, 4, 9).Bytes());
    ASSERT_NE(document, nullptr) << ::testing::PrintToString(MessageTexts());
    EXPECT_EQ(std::filesystem::path(document->GetPathName()).filename(), "X1.tbr");
    EXPECT_TRUE(document->IsModified());
    ASSERT_EQ(Processes(*document).size(), 1u);
    EXPECT_EQ(document->GetSyokiSet().GetStartDate(), CTime(2010, 4, 1));
    EXPECT_EQ(document->GetSyokiSet().GetEndDate(), CTime(2010, 6, 30));
    EXPECT_EQ(document->GetSyokiSet().GetLastRow(), 40);
}

TEST_F(DosImportTest, WithoutItsDataFileTheOpenFailsAfterTheHeader) {
    const auto header = files.Write("X.phd", CalendarHeader().File());
    EXPECT_EQ(Open(header), nullptr);
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_NE(MessageTexts()[0].find("X.pdt"), std::string::npos) << MessageTexts()[0];
    // Too old a version says so and never looks for the data file.
    ui->ClearRecords();
    files.Write("Y.phd", DosHeader(2101).File());
    EXPECT_EQ(Open(files.File("Y.phd")), nullptr);
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_DOS_VERSION});
}

TEST_F(DosImportTest, AHeaderFileShorterThanItsBlocksIsToldAsDamaged) {
    const std::string current = CalendarHeader().File();
    const std::string old = CalendarHeader(4099).File();
    struct Case {
        std::string name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"byte", current.substr(0, 1)}, // (an empty file is a new chart)
        {"block1", current.substr(0, 2594)},
        {"block2", current.substr(0, current.size() - 1)},
        {"oldblock2", old.substr(0, old.size() - 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui->ClearRecords();
        files.Write(c.name + ".pdt", Process(4, 5, 4, 9).Bytes());
        EXPECT_EQ(Open(files.Write(c.name + ".phd", c.bytes)), nullptr);
        EXPECT_EQ(Messages(), std::vector<UINT>{IDS_FILE_DAMAGED});
        ASSERT_EQ(MessageTexts().size(), 1u);
        EXPECT_NE(MessageTexts()[0].find(c.name + ".phd"), std::string::npos) << MessageTexts()[0];
    }
    // The whole header still opens.
    ui->ClearRecords();
    EXPECT_NE(OpenPair(CalendarHeader(4099), Process(4, 5, 4, 9).Bytes()), nullptr);
    EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(MessageTexts());
}

TEST_F(DosImportTest, TheDataFileOfAnUpperCaseHeaderIsUpperCaseToo) {
    files.Write("UP.PDT", Process(4, 5, 4, 9).Bytes());
    auto document = Open(files.Write("UP.PHD", CalendarHeader().File()));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Processes(*document).size(), 1u);
}

// ---- The header's parts -------------------------------------------------------------------------

TEST_F(DosImportTest, LayersComeFromBlock1) {
    DosHeader header = CalendarHeader();
    header.block1.Word(48, 5 * 8 + 3);
    header.block1.Byte(578 + 0, 0).Byte(578 + 1, 1).Byte(578 + 2, 2).Byte(578 + 3, 9);
    header.block1.Text(850 + 17 * 1, J("躯体")).Text(850 + 17 * 15, "ABCDEFGHIJKLMNOPQ");
    auto document = OpenPair(header, "");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->GetCurrentLayer(), 5);
    EXPECT_EQ(document->GetChartLayers().IsLayerVisible(0), CLayerSet::kShown);
    EXPECT_EQ(document->GetChartLayers().IsLayerVisible(1), CLayerSet::kReference);
    EXPECT_EQ(document->GetChartLayers().IsLayerVisible(2), CLayerSet::kHidden);
    EXPECT_EQ(document->GetChartLayers().IsLayerVisible(3), CLayerSet::kShown)
        << "a state of its own is kept";
    EXPECT_EQ(document->GetChartLayers().GetLayerName(1), J("躯体"));
    EXPECT_EQ(document->GetChartLayers().GetLayerName(15), "ABCDEFGHIJKLMNOP")
        << "at most 16 bytes";

    // A layer word beyond the sixteen layers takes the last one.
    header.block1.Word(48, 200 * 8);
    auto wide = OpenPair(header, "");
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->GetCurrentLayer(), 15);
}

TEST_F(DosImportTest, AnElapsedDayChartStartsTodayWithItsMarginsInUnits) {
    struct Case {
        int unit, origin, length, leading, trailing;
        int mae, ato, prep, days;
    };
    // Unit 0 counts months of 30 days: a margin of 2 is 60 days.
    for (const Case& c : {Case{0, -1, 4, 2, 1, 60, 30, 30, 119},
                          Case{1, -3, 100, 5, 2, 5, 2, 3, 99}, Case{1, 4, 10, 0, 0, 0, 0, 0, 9}}) {
        DosHeader header(4100);
        header.block2.Word(1468, 1).Word(1470, c.unit).Word(1472, c.origin).Word(1474, c.length);
        header.block2.Word(1476, c.leading).Word(1478, c.trailing).Word(1321, 1).Word(1323, 20);
        auto document = OpenPair(header, "");
        ASSERT_NE(document, nullptr);
        const CSyokiSet& s = document->GetSyokiSet();
        EXPECT_NE(s.GetNobeMode(), 0);
        EXPECT_EQ(s.GetMaeYohaku(), CTimeSpan(c.mae, 0, 0, 0)) << c.unit;
        EXPECT_EQ(s.GetAtoYohaku(), CTimeSpan(c.ato, 0, 0, 0)) << c.unit;
        EXPECT_EQ(s.GetNobeOffset(), CTimeSpan(c.prep, 0, 0, 0)) << c.unit;
        // Today (2010-04-01) less the leading margin; the end after the length, the preparation
        // and the trailing margin.
        EXPECT_EQ(s.GetStartDate(), CTime(2010, 4, 1) - CTimeSpan(c.mae, 0, 0, 0)) << c.unit;
        EXPECT_EQ(s.GetEndDate(), CTime(2010, 4, 1) + CTimeSpan(c.days + c.prep + c.ato, 0, 0, 0))
            << c.unit;
        EXPECT_EQ(s.GetLastRow(), 19);
    }
}

TEST_F(DosImportTest, TodayMovesSoThatAnElapsedDayPeriodFitsTheCalendar) {
    DosHeader header(4100);
    header.block2.Word(1468, 1).Word(1470, 1).Word(1474, 300).Word(1476, 5).Word(1478, 5);
    for (const CTime& now :
         {CTime(2037, 12, 20, 8, 0, 0), CTime(2038, 6, 1, 8, 0, 0), CTime(1989, 1, 1, 8, 0, 0)}) {
        clock.Set(now);
        auto document = OpenPair(header, "");
        ASSERT_NE(document, nullptr);
        const CSyokiSet& s = document->GetSyokiSet();
        EXPECT_GE(s.GetStartDate(), CTime(1991, 1, 1));
        EXPECT_LE(s.GetEndDate(), CTime(2037, 12, 31));
        EXPECT_EQ((s.GetEndDate() - s.GetStartDate()).GetDays(), 5 + 299 + 5);
    }
}

TEST_F(DosImportTest, SettingsOfTheDosScreen) {
    DosHeader header = CalendarHeader();
    header.block2.Text(1381, J("工種")).Text(1411, J("日程"));
    header.block2.Word(4173, 4).Byte(4219, 0); // A2
    // The date font: lines 0 to 15 of the screen; 16 lines make 0.8 x paper width.
    header.block2.Word(1445, 3).Word(1447, 2).Word(1453, 15).Byte(1467, 1);
    for (int i = 0; i < 8; ++i) {
        header.block2.Float(1333 + 4 * i, 0.5f);
    }
    header.block2.Float(1333 + 4 * 6, 2.0f).Float(1333 + 4 * 7, 0.0f);
    auto document = OpenPair(header, "");
    ASSERT_NE(document, nullptr);
    const CSyokiSet& s = document->GetSyokiSet();
    const CConfigChart& chart = s.GetChart();
    EXPECT_EQ(s.GetPageSetting().GetPaper(), 4);
    EXPECT_EQ(chart.GetAreaNameSet().GetKoumokuName(), J("工種"));
    EXPECT_EQ(chart.GetAreaNameSet().GetHizukeName(), J("日程"));
    const LONG paperWidth = s.GetPageSetting().GetPaperSize().cx;
    const LONG h = static_cast<LONG>(0.8 * 16 / 16 * paperWidth);
    EXPECT_EQ(chart.GetDateStyle().GetLogFont().lfHeight, -h);
    EXPECT_EQ(chart.GetDateStyle().GetLogFont().lfWidth, h / 2 / 2) << "half-width dates";
    const double dayWidth = s.GetWidthPerDay();
    const double rowHeight = s.GetHeightPerRow();
    ASSERT_GT(dayWidth, 0.0);
    const LONG fontHeight = -static_cast<LONG>(std::floor(rowHeight * 0.5));
    const LONG fontWidth = static_cast<LONG>(std::floor(dayWidth * 0.5)) / 2;
    EXPECT_EQ(chart.GetKoumokuAttr().GetLogFont().lfHeight, fontHeight);
    EXPECT_EQ(chart.GetKoumokuAttr().GetLogFont().lfWidth, fontWidth);
    EXPECT_EQ(chart.GetYogoAttr().GetLogFont().lfHeight, fontHeight);
    EXPECT_EQ(s.GetEvent().GetLogFont().lfHeight, fontHeight) << "the events take the terms'";
    const auto within = [](double v) {
        return std::clamp(static_cast<int>(std::floor(v)), 5, 100);
    };
    EXPECT_EQ(chart.GetLandAttr().m_radius, within(dayWidth * 0.5));
    EXPECT_EQ(chart.GetCornerSize(), within(dayWidth * 0.5));
    // The arrow: along the line at least 5, across it 2 days' width.
    const double across = std::clamp(dayWidth * 2.0, 5.0, 100.0);
    EXPECT_EQ(chart.GetArrowLength(), within(std::sqrt(25.0 + across * across)));
    EXPECT_EQ(
        chart.GetArrowAngle(),
        std::clamp(static_cast<int>(std::atan2(5.0, across) * 180.0 / 3.14159265358979), 10, 45));
}

TEST_F(DosImportTest, AScreenOfNoLinesKeepsTheDateFont) {
    DosHeader header = CalendarHeader();
    header.block2.Word(1445, 0).Word(1453, -1); // C - A + 1 = 0
    const LOGFONT before = NewChart()->GetSyokiSet().GetChart().GetDateStyle().GetLogFont();
    auto document = OpenPair(header, "");
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->GetSyokiSet().GetChart().GetDateStyle().GetLogFont(), before);
    header.block2.Word(1453, -7);
    auto negative = OpenPair(header, "");
    ASSERT_NE(negative, nullptr);
    EXPECT_EQ(negative->GetSyokiSet().GetChart().GetDateStyle().GetLogFont(), before);
}

TEST_F(DosImportTest, ThePrintHeaderTakesTheProjectTexts) {
    DosHeader header = CalendarHeader();
    header.block2.Text(1553, J("本社＼新築工事")).Text(1634, J("東現場")).Text(1715, J("施主"));
    header.block2.Double(2318, 123.456);
    header.block2.Word(4175, 3).Word(4179, 0).Word(4187, 1).Word(4189, 2);
    header.block2.Word(4191, 2010).Word(4193, 4).Word(4195, 1);
    header.block2.Word(4203, 2010).Word(4205, 6).Word(4207, 30);
    auto document = OpenPair(header, "");
    ASSERT_NE(document, nullptr);
    const CPrHeader& pr = document->GetPrHeader();
    EXPECT_EQ(pr.GetTitleText(), J("本社\\n新築工事"));
    EXPECT_EQ(pr.FindElementByText(J("作業所名"))->GetContents(), J("東現場"));
    EXPECT_EQ(pr.FindElementByText(J("建築主"))->GetContents(), J("施主"));
    EXPECT_EQ(pr.GetSelect(), 3);
    EXPECT_EQ(pr.GetAmikake(), 2) << "DOS 0 is 2";
    EXPECT_EQ(pr.GetToDay(), 1);
    EXPECT_EQ(pr.GetKikan(), 2);
    const CConfigPrint::PeriodTexts expected{"2010", "4", "1", "2010", "6", "30"};
    EXPECT_EQ(pr.GetHeaderTexts(), expected);
    EXPECT_EQ(pr.GetHeaderTexts2(), CConfigPrint::DateTexts{}) << "0 in the first: none";
}

TEST_F(DosImportTest, ResourceNamesEndAtTheFirstEmptyOne) {
    DosHeader header = CalendarHeader();
    header.block2.Text(5755, J("鉄筋工")).Text(5755 + 41, J("型枠工")).Text(5755 + 41 * 3, "X");
    DosBlock shigen = DosRecord(0xF8, 4, 64);
    shigen.Word(0x20, 3).Word(0x20 + 2, 0).Word(0x20 + 4, 7);
    auto document = OpenPair(header, Process(4, 5, 4, 9).Bytes() + shigen.Bytes() + shigen.Bytes());
    ASSERT_NE(document, nullptr);
    const CShigenNameTable& names = document->GetShigenNames();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0]->GetName(), J("鉄筋工"));
    EXPECT_EQ(names[1]->GetNumber(), 2);
    // Quantities that are not 0, in order, replacing what the process had.
    const CShigen* resources = Processes(*document)[0]->GetShigen();
    ASSERT_EQ(resources->GetCount(), 2);
    EXPECT_EQ(resources->GetEntries()[0]->GetNumber(), 1);
    EXPECT_EQ(resources->GetEntries()[0]->GetQuantity(), 3);
    EXPECT_EQ(resources->GetEntries()[1]->GetNumber(), 3);
}

// ---- Records ------------------------------------------------------------------------------------

TEST_F(DosImportTest, ProcessRecordCodes) {
    auto document = NewChart();
    CDosConvert convert;
    struct Case {
        int t;
        WORD style;
        bool hidden; // bars hide their nodes
    };
    for (const Case& c : {Case{0, 2, false},
                          {1, 2, false},
                          {2, 3, false},
                          {3, 4, false},
                          {4, 5, false},
                          {5, 0x180, true},
                          {6, 0x280, true},
                          {7, 0x380, true},
                          {8, 0x140, true},
                          {9, 2, false}}) {
        DosBlock record = Process(4, 5, 4, 9, 2, 3, c.t);
        record.Byte(0x30, 0x83).Byte(0x31, 0x05);
        Convert(convert, *document, record);
        CKoutei* process = Processes(*document).back();
        EXPECT_EQ(process->GetLines()->GetAttr().m_style, c.style) << c.t;
        EXPECT_EQ(process->GetStartLand()->GetShape(), c.hidden ? 15 : 3) << c.t;
        EXPECT_EQ(process->GetEndLand()->GetShape(), c.hidden ? 15 : 5) << c.t;
        EXPECT_EQ(process->GetStartLand()->GetSubStyle(), 0x80) << "sub-style in place";
        EXPECT_EQ(process->GetStartLand()->GetSize(), 100);
    }
    // Files before 3300 take the line type from bits 5 to 7.
    DosHeader old(3299);
    auto older = OpenPair(old, Process(4, 5, 4, 9, 1, 2, 0x5 << 1).Bytes());
    ASSERT_NE(older, nullptr);
    EXPECT_EQ(Processes(*older)[0]->GetLines()->GetAttr().m_style, 0x180);

    // Line kind, colour, width, flags and pattern.
    struct Line {
        int k;
        WORD type;
        int pattern;
        WORD hatch;
    };
    const WORD defaultType = document->GetSyokiSet().GetChart().GetKouteiAttr().m_type;
    for (const Line& c : {Line{0, 0, 9, 1},
                          {1, 2, 10, 0},
                          {2, 1, 12, 3},
                          {3, 3, 14, 2},
                          {4, 4, 16, 99},
                          {5, 5, 17, 100},
                          {6, defaultType, 15, 999},
                          {7, defaultType, 3, 999}}) {
        DosBlock record = Process(4, 5, 4, 9);
        record.Byte(0x39, (c.k << 5) | (2 << 1)).Word(0x40, c.pattern);
        record.Byte(0x10, 3).Byte(0x32, 1).Word(0x35, 0);
        Convert(convert, *document, record);
        const CKouteiAttr& attr = Processes(*document).back()->GetLines()->GetAttr();
        EXPECT_EQ(attr.m_type, c.type) << c.k;
        EXPECT_EQ(attr.m_hatch, c.hatch) << c.pattern;
        EXPECT_EQ(attr.m_color, RGB(255, 0, 0));
        EXPECT_EQ(attr.m_width, 2);
        EXPECT_EQ(attr.m_subStyle, kSubStyleInclined | kSubStyleNoArrow);
    }
}

TEST_F(DosImportTest, TermRecordCodes) {
    auto document = NewChart();
    CDosConvert convert;
    // Before any process a term is left out.
    Convert(convert, *document, Term("T"));
    EXPECT_TRUE(Processes(*document).empty());
    Convert(convert, *document, Process(4, 5, 4, 9));
    CKoutei* process = Processes(*document)[0];
    struct Case {
        int kind, align;
        WORD form;
        int hatch;
        WORD dateKind;
    };
    const WORD defaultForm = document->GetSyokiSet().GetChart().GetYogoAttr().m_form;
    for (const Case& c : {Case{1, 0, 3, 1, 1},
                          {1, 1, 2, 2, 2},
                          {1, 5, 1, 3, 0},
                          {1, 9, 0, 4, 0},
                          {1, 7, defaultForm, 0, 0},
                          {2, 0, 4, 0, 0},
                          {3, 0, 5, 0, 0}}) {
        DosBlock term = Term("T");
        term.Byte(0x10, c.kind).Byte(0x12, c.align).Byte(0x11, c.hatch).Byte(0x13, 4 << 1);
        term.Float(0x14, 12.7f).Float(0x18, -3.9f).Float(0x1C, 1.0f).Float(0x20, 2.0f);
        term.Byte(0x26, 1).Word(0x27, 1).Byte(0x31, 1);
        Convert(convert, *document, term);
        const CYogo* yogo = process->GetYogo(process->GetYogoCount() - 1);
        const CElemAttr& a = yogo->GetAttr();
        EXPECT_EQ(a.m_form, c.form) << c.kind << "," << c.align;
        EXPECT_EQ(yogo->GetDateKind(), c.dateKind) << c.hatch;
        EXPECT_EQ(a.m_color, RGB(0, 255, 0));
        EXPECT_EQ(a.m_attrb, kLabelOutline | kLabelBold | kLabelFrame);
        EXPECT_EQ(a.GetOffsetY(), -12) << "negated, truncated";
        EXPECT_EQ(a.GetOffset(), -3);
        EXPECT_EQ(a.GetDrawerY(), -1);
        EXPECT_EQ(a.GetDrawerX(), 2);
        EXPECT_EQ(a.m_fontHeigh, 2);
        EXPECT_EQ(a.m_fontWidth, 1);
    }
    // A vertical term placed freely stands above its line by its text's length.
    DosBlock vertical = Term("ABCD");
    vertical.Byte(0x10, 1).Byte(0x12, 0).Word(0x34, 1);
    convert.GetBlock2().PutFloat(1333 + 4 * 3, 1.5f);
    Convert(convert, *document, vertical);
    const CElemAttr& v = process->GetYogo(process->GetYogoCount() - 1)->GetAttr();
    EXPECT_EQ(v.m_attrb, kLabelVertical);
    EXPECT_EQ(v.GetOffsetY(), -static_cast<LONG>(4 * 1.5 * 2.0));
}

TEST_F(DosImportTest, TextsStopAtTheirLengthTheirZeroAndTheirField) {
    auto document = NewChart();
    CDosConvert convert;
    Convert(convert, *document, Process(4, 5, 4, 9));
    // A term text of 200 bytes keeps 128.
    Convert(convert, *document, Term(std::string(200, 'a')));
    EXPECT_EQ(Processes(*document)[0]->GetYogo(0)->GetText(), std::string(128, 'a'));
    // A length beyond the record reads to its end only.
    DosBlock term = Term("abc");
    term.Word(0x24, 120);
    Convert(convert, *document, term);
    EXPECT_EQ(Processes(*document)[0]->GetYogo(1)->GetText(), "abc");
    // An event's text has 41 bytes before its sizes begin, whatever its length says.
    DosBlock event = Event(4, 5, 2);
    event.Word(0x29, 100).Text(0x2B, std::string(41, 'e')).Float(0x54, 1.0f).Float(0x58, 1.0f);
    Convert(convert, *document, event);
    ASSERT_EQ(Events(*document).size(), 1u);
    EXPECT_EQ(Events(*document)[0]->GetText(), std::string(41, 'e'));
    // A shorter length cuts, a zero byte ends.
    DosBlock cell = Cell(3, "abcdef");
    cell.Word(0x14, 4);
    Convert(convert, *document, cell);
    EXPECT_EQ(document->GetKoumokuCells().GetKoumokuCell(2, 0)->GetText(), "abcd");
    Convert(convert, *document, Cell(4, std::string("ab\0cd", 5)));
    EXPECT_EQ(document->GetKoumokuCells().GetKoumokuCell(3, 0)->GetText(), "ab");
}

TEST_F(DosImportTest, TextsAreCutOnACharacterBoundary) {
    const std::string a = J("あ"); // 0x82 0xA0
    std::string odd = "x";         // 201 bytes: byte 128 is the second of a character
    for (int i = 0; i < 100; ++i) {
        odd += a;
    }
    std::string event = "xy"; // 42 bytes: the field's 41st byte is a lead byte
    for (int i = 0; i < 20; ++i) {
        event += a;
    }
    enum class Place { Term, Cell, Event };
    struct Case {
        Place place;
        DosBlock record;
        std::string expected; // whole characters only
    };
    DosBlock shortTerm = Term("x" + a + a);
    shortTerm.Word(0x24, 4); // the length ends inside the second character
    const std::vector<Case> cases = {
        {Place::Term, Term(odd), odd.substr(0, 127)},
        {Place::Term, shortTerm, "x" + a},
        {Place::Cell, Cell(3, odd), odd.substr(0, 127)},
        {Place::Event, Event(4, 5, 2, event), event.substr(0, 40)},
    };
    auto document = NewChart();
    CDosConvert convert;
    Convert(convert, *document, Process(4, 5, 4, 9));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.size());
        Convert(convert, *document, c.record);
        switch (c.place) {
        case Place::Term: {
            CKoutei* process = Processes(*document)[0];
            EXPECT_EQ(process->GetYogo(process->GetYogoCount() - 1)->GetText(), c.expected);
            break;
        }
        case Place::Cell:
            EXPECT_EQ(document->GetKoumokuCells().GetKoumokuCell(2, 0)->GetText(), c.expected);
            break;
        case Place::Event:
            ASSERT_FALSE(Events(*document).empty());
            EXPECT_EQ(Events(*document).back()->GetText(), c.expected);
            break;
        }
    }
}

TEST_F(DosImportTest, CellAndEventCodes) {
    auto document = NewChart();
    CDosConvert convert;
    struct CellCase {
        int type;
        WORD format;
        int vertical;
        WORD flags;
    };
    const WORD defaultFormat = document->GetKoumokuCells().CreateKoumokuData(50, 0)->GetFormat();
    int row = 1;
    for (const CellCase& c : {CellCase{1, 2, 0, CKoumokuData::kTop},
                              {2, 1, 1, 0},
                              {4, 0, 2, CKoumokuData::kBottom},
                              {3, defaultFormat, 5, 0}}) {
        DosBlock cell = Cell(row, "c");
        cell.Byte(0x13, c.type).Word(0x22, c.vertical).Float(0x16, 2.0f).Float(0x1A, 1.0f);
        Convert(convert, *document, cell);
        const CKoumokuData* data = document->GetKoumokuCells().GetKoumokuCell(row - 1, 0);
        EXPECT_EQ(data->GetFormat(), c.format) << c.type;
        EXPECT_EQ(data->GetFlags(), c.flags) << c.vertical;
        EXPECT_EQ(data->GetSize(), 0x0201);
        ++row;
    }
    DosBlock styled = Cell(row, "c");
    styled.Word(0x1E, 1).Word(0x20, 1).Word(0x22, 1).Byte(0x12, 1);
    Convert(convert, *document, styled);
    EXPECT_EQ(document->GetKoumokuCells().GetKoumokuCell(row - 1, 0)->GetFlags(),
              CKoumokuData::kBold | CKoumokuData::kFrame);
    EXPECT_EQ(document->GetKoumokuCells().GetKoumokuCell(row - 1, 0)->GetKeisenWord1(), 1);

    struct EventCase {
        int form;
        WORD expected;
        int vertical, frame;
        WORD style;
    };
    const WORD defaultForm = document->GetSyokiSet().GetEvent().GetTextAttr().m_form;
    for (const EventCase& c : {EventCase{0, 3, 2, 0, kEventVertical},
                               {1, 0, 1, 1, kEventFrame | kEventWhiteBack},
                               {2, 1, 0, 0, 0},
                               {7, defaultForm, 0, 0, 0}}) {
        DosBlock event = Event(4, 5, 3);
        event.Byte(0x5E, c.form).Byte(0x5C, c.vertical).Byte(0x5D, c.frame).Byte(0x28, 12);
        event.Float(0x20, 5.5f).Float(0x24, 7.5f).Float(0x58, 2.0f).Float(0x54, 2.0f);
        event.Byte(3, 4 * 8);
        Convert(convert, *document, event);
        const CEvent* e = Events(*document).back();
        EXPECT_EQ(e->GetForm(), c.expected) << c.form;
        EXPECT_EQ(e->GetStyle(), c.style) << c.vertical << "," << c.frame;
        EXPECT_EQ(e->GetColor(), RGB(192, 192, 192));
        EXPECT_EQ(e->GetOffsetX(), 5);
        EXPECT_EQ(e->GetOffsetY(), -7);
        EXPECT_EQ(e->GetAttr().GetSize(), 0x0202);
        EXPECT_EQ(e->GetLayer(), 4);
        EXPECT_EQ(e->GetStartDate(), CTime(2010, 4, 5));
        EXPECT_EQ(e->GetStartRow(), 2);
    }
}

TEST_F(DosImportTest, RecordsOfImpossibleDatesOrRowsAreLeftOutAndTold) {
    const std::string data = Process(2, 30, 3, 1).Bytes() +      // 2010-02-30
                             Process(4, 1, 4, 2, 0, 1).Bytes() + // row 0
                             Event(4, 5, 0).Bytes() + Cell(0, "x").Bytes() +
                             Process(4, 1, 4, 2).Bytes() + Event(4, 5, 1).Bytes();
    auto document = OpenPair(CalendarHeader(), data);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Processes(*document).size(), 1u);
    EXPECT_EQ(Events(*document).size(), 1u);
    EXPECT_EQ(document->GetKoumokuCells().GetKoumokuCell(0, 0), nullptr);
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_NE(MessageTexts()[0].find("4 件"), std::string::npos) << MessageTexts()[0];
}

TEST_F(DosImportTest, RecordLengthsByKindAndVersion) {
    // Before 3300 an event is 3 bytes longer than its length says; from 3300 it is exact.
    const std::string event = Event(4, 5, 1).Bytes();
    const std::string process = Process(4, 5, 4, 9).Bytes();
    auto old = OpenPair(CalendarHeader(3299), event + "xyz" + process);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(Events(*old).size(), 1u);
    EXPECT_EQ(Processes(*old).size(), 1u);
    auto exact = OpenPair(CalendarHeader(3300), event + process);
    ASSERT_NE(exact, nullptr);
    EXPECT_EQ(Events(*exact).size(), 1u);
    EXPECT_EQ(Processes(*exact).size(), 1u);

    // From 4100 a progress line is 1640 bytes whatever its length says.
    DosBlock line = DosRecord(0xFB, 2, 1640);
    line.Date(0x12, 2010, 4, 10).Date(0x1E + 12 * 3, 2010, 4, 12).Date(0x1E + 12 * 4, 2010, 4, 10);
    auto progress = OpenPair(CalendarHeader(4100), line.Bytes() + process);
    ASSERT_NE(progress, nullptr);
    ASSERT_EQ(progress->GetProgressLines().GetShincyokuCount(), 1);
    POSITION pos = progress->GetProgressLines().GetHeadShincyokuPosition();
    const CShincyoku* shin = progress->GetProgressLines().GetNextShincyoku(pos);
    EXPECT_EQ(shin->GetDate(), CTime(2010, 4, 10));
    EXPECT_EQ(shin->GetPointDate(3), CTime(2010, 4, 12));
    EXPECT_EQ(shin->GetPoint(4), nullptr) << "a point on the base date is none";
    EXPECT_EQ(Processes(*progress).size(), 1u);
    EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(MessageTexts());
}

TEST_F(DosImportTest, WhatIsNotAskedForOrNotKnownIsPassedOver) {
    DosBlock unknown = DosRecord(0x99, 3, 48);
    DosBlock unmarked = Process(4, 5, 4, 9);
    unmarked.Byte(0, 99);
    const std::string data =
        unknown.Bytes() + unmarked.Bytes() + Process(4, 5, 4, 9).Bytes() + Event(4, 5, 1).Bytes();
    auto document = OpenPair(CalendarHeader(), data);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Processes(*document).size(), 1u);
    EXPECT_EQ(Events(*document).size(), 1u);

    // The end record ends the data; without it every record to the end is taken.
    DosBlock end = DosRecord(0xF4, 1, 16);
    auto ended = OpenPair(CalendarHeader(),
                          Event(4, 5, 1).Bytes() + end.Bytes() + Process(4, 5, 4, 9).Bytes());
    ASSERT_NE(ended, nullptr);
    EXPECT_EQ(Events(*ended).size(), 1u);
    EXPECT_TRUE(Processes(*ended).empty());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DosImportTest, ADamagedDataFileKeepsWhatCameBeforeTheDamage) {
    struct Case {
        const char* name;
        std::string damage;
        bool told; // the file broke off
    };
    DosBlock noLength = Process(4, 5, 4, 9);
    noLength.Word(4, 0);
    DosBlock shortEvent = DosRecord(0xFC, 1, 19); // 3 bytes more before 3300
    DosBlock crowd = DosRecord(0xF6, 5, 80);
    crowd.Date(0x12, 2010, 4, 5).Word(0x1E, 1).Date(0x28, 2010, 4, 9).Word(0x34, 2);
    crowd.Word(0x3E, 1000);
    DosBlock emptyShape = DosRecord(0xFD, 1, 16);
    const std::string cutProcess = Process(4, 5, 4, 9).Bytes().substr(0, 40);
    for (const Case& c : {Case{"length 0", noLength.Bytes(), true},
                          Case{"an event of length 1", shortEvent.Bytes(), false},
                          Case{"an event of length 1 cut", shortEvent.Bytes().substr(0, 16), true},
                          Case{"1000 members in 5 units", crowd.Bytes(), false},
                          Case{"a shape of length 1", emptyShape.Bytes(), false},
                          Case{"a record header cut", std::string("d\xF0\x00", 3), true},
                          Case{"a record cut", cutProcess, true}}) {
        ui->ClearRecords();
        auto document = OpenPair(CalendarHeader(3299), Process(4, 1, 4, 3).Bytes() + c.damage);
        ASSERT_NE(document, nullptr) << c.name;
        EXPECT_EQ(Processes(*document).size(), 1u) << c.name;
        EXPECT_EQ(document->GetZukeiCount(), 0) << c.name;
        const std::vector<std::string> texts = MessageTexts();
        const bool told = !texts.empty() && texts.back().find("途中") != std::string::npos;
        EXPECT_EQ(told, c.told) << c.name << ::testing::PrintToString(texts);
    }
}

// ---- Insert -------------------------------------------------------------------------------------

TEST_F(DosImportTest, InsertingItemsTakesLayersNamesAndCellsOnly) {
    DosHeader header = CalendarHeader();
    header.block1.Word(48, 3 * 8).Byte(578 + 2, 2).Text(850 + 17 * 2, "L2");
    header.block2.Text(5755, J("鳶工")).Word(1323, 100).Text(1553, J("別件"));
    const std::string data =
        Process(4, 5, 4, 9).Bytes() + Event(4, 5, 1).Bytes() + Cell(2, J("基礎")).Bytes();
    const auto path = WritePair(header, data);

    // The records of a DOS document read for an insert: layers and names always, the cells.
    auto read =
        CTembraDoc::ReadDocumentFile(path.string(), DocFile::kInsertItems, NewChart().get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetChartLayers().GetLayerName(2), "L2");
    ASSERT_EQ(read->GetShigenNames().size(), 1u);
    EXPECT_EQ(read->GetShigenNames()[0]->GetName(), J("鳶工"));
    EXPECT_EQ(read->GetKoumokuCells().GetKoumokuCell(1, 0)->GetText(), J("基礎"));
    EXPECT_EQ(read->GetObjCount(), 0);

    auto chart = NewChart();
    const CTime start = chart->GetSyokiSet().GetStartDate();
    const WORD lastRow = chart->GetSyokiSet().GetLastRow();
    const std::string title = chart->GetPrHeader().GetTitleText();
    ui->OnDialog("InsertSelect", [](DialogRequest& r) {
        static_cast<InsertSelectRequest&>(r).mask = DocFile::kInsertItems;
        return IDOK;
    });
    ui->OnDialog("FileDialog", [&path](DialogRequest& r) {
        static_cast<FileDialogRequest&>(r).path = path.string();
        return IDOK;
    });
    chart->OnFileInsert();
    EXPECT_EQ(chart->GetCurrentLayer(), 3);
    EXPECT_EQ(chart->GetChartLayers().IsLayerVisible(2), CLayerSet::kHidden);
    EXPECT_EQ(chart->GetChartLayers().GetLayerName(2), "L2");
    EXPECT_EQ(chart->GetKoumokuCells().GetKoumokuCell(1, 0)->GetText(), J("基礎"));
    EXPECT_EQ(chart->GetObjCount() + chart->GetSelCount(), 0);
    EXPECT_EQ(chart->GetSyokiSet().GetStartDate(), start);
    EXPECT_EQ(chart->GetSyokiSet().GetLastRow(), lastRow);
    EXPECT_EQ(chart->GetPrHeader().GetTitleText(), title);
}

TEST_F(DosImportTest, InsertedProcessesAndEventsComeAsABlock) {
    const std::string data =
        Process(4, 5, 4, 9, 3, 3).Bytes() + Term("T").Bytes() + Event(4, 6, 4).Bytes();
    const auto path = WritePair(CalendarHeader(), data);
    auto chart = NewChart();
    ui->OnDialog("InsertSelect", [](DialogRequest& r) {
        static_cast<InsertSelectRequest&>(r).mask =
            DocFile::kInsertProcesses | DocFile::kInsertEvents;
        return IDOK;
    });
    ui->OnDialog("InsertConfirm", [](DialogRequest& r) {
        static_cast<InsertConfirmRequest&>(r).adjust = false;
        return IDOK;
    });
    ui->OnDialog("FileDialog", [&path](DialogRequest& r) {
        static_cast<FileDialogRequest&>(r).path = path.string();
        return IDOK;
    });
    chart->OnFileInsert();
    chart->UnselectAll(FALSE);
    const std::vector<CKoutei*> processes = Processes(*chart);
    ASSERT_EQ(processes.size(), 1u);
    EXPECT_EQ(processes[0]->GetStartTime(), CTime(2010, 4, 5)) << "kept in place";
    EXPECT_EQ(processes[0]->GetYogoCount(), 1);
    EXPECT_EQ(Events(*chart).size(), 1u);
}

} // namespace
} // namespace tembra
