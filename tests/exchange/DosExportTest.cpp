// A chart written as a DOS document: the header file's fixed values and counts, every record of
// the data file byte by byte, the limits of an elapsed-day chart, a failed export that leaves the
// old pair, and what a round trip through the DOS format keeps and changes.
#include "DosFiles.h"
#include "ExchangeFixture.h"
#include "document/RecordCast.h"
#include "exchange/DosConvert.h"
#include "platform/ReplacementFile.h"
#include "shapes/ZukeiBox.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iterator>

namespace tembra {
namespace {

using test::DosBlock;
using test::J;

constexpr std::size_t kB2 = 2595; // block 2 in the header file

std::string Hex(const std::string& bytes, std::size_t at, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n && at + i < bytes.size(); ++i) {
        char text[4];
        std::snprintf(text, sizeof text, i == 0 ? "%02X" : " %02X",
                      static_cast<unsigned char>(bytes[at + i]));
        out += text;
    }
    return out;
}

DosBlock Block(const std::string& bytes) {
    DosBlock block(bytes.size());
    block.Bytes() = bytes;
    return block;
}

class DosExportTest : public test::ExchangeFixture {
protected:
    // Chart "A": a process with two terms, an event, a progress line, a box, an item cell.
    std::unique_ptr<CTembraDoc> GoldenChart() {
        auto document = NewChart();
        document->GetPrHeader().SetTitleText("A");
        CChartPos pos;
        pos.SetStartDate(CTime(2010, 4, 5));
        pos.SetEndDate(CTime(2010, 4, 9));
        pos.SetStartRow(1);
        pos.SetEndRow(3);
        std::unique_ptr<CKoutei> process = document->CreateKoutei(&pos, TRUE);
        CKouteiAttr& attr = process->GetLines()->GetAttr();
        attr.m_style = 3;
        attr.m_subStyle = 0;
        attr.m_type = 1;
        attr.m_width = 2;
        attr.m_color = RGB(255, 0, 0);
        attr.m_hatch = 3;
        attr.m_holiday = 1;
        process->GetStartLand()->SetShape(2);
        process->GetStartLand()->SetSubStyle(0x80);
        process->GetEndLand()->SetShape(4);
        process->GetEndLand()->SetSubStyle(0);
        for (const auto& [text, form] :
             {std::pair{std::string("T1"), WORD{0}}, std::pair{J("長い用語のテキスト"), WORD{4}}}) {
            std::unique_ptr<CYogo> term = document->GetTerms().CreateYogo();
            term->SetText(text);
            term->GetAttr().m_form = form;
            term->GetAttr().m_fontHeigh = 2;
            term->GetAttr().m_fontWidth = 1;
            term->GetAttr().m_color = RGB(0, 0, 255);
            term->GetAttr().SetOffset(250);
            term->GetAttr().SetOffsetY(-300);
            process->AddYogo(term, TRUE);
        }
        document->AddObj(process.release(), FALSE);

        std::unique_ptr<CEvent> event = document->GetEvents().CreateEvent();
        event->SetStartDate(CTime(2010, 4, 7, 12, 0, 0));
        event->SetStartRow(4);
        event->SetText("E");
        event->SetForm(1);
        event->SetStyle(kEventFrame | kEventVertical);
        event->SetColor(RGB(0, 0, 255));
        event->SetOffset(250, 300);
        event->GetAttr().SetSize(0x0201);
        document->AddObj(event.release(), FALSE);

        std::unique_ptr<CShincyoku> line =
            document->GetProgressLines().CreateShincyoku(CTime(2010, 4, 20));
        line->SetPointDate(3, CTime(2010, 4, 22));
        line->SetPointDate(120, CTime(2010, 4, 25));
        document->GetProgressLines().AddShincyoku(line.release(), FALSE);

        auto box = std::make_unique<CZukeiBox>();
        box->SetAnchors(CTime(2010, 4, 6), 2.0, CTime(2010, 4, 8), 4.0);
        document->GetShapes().AddZukei(box.release(), FALSE);

        CKoumokuData* cell = document->GetKoumokuCells().CreateKoumokuData(0, 0);
        cell->SetText(J("基礎工事"));
        cell->SetFormat(CKoumokuData::kCenter);
        cell->SetSize(0x0101);
        return document;
    }

    // Saves the chart as X.phd; the save's result.
    bool Export(CTembraDoc& document, const std::string& name = "X") {
        return document.OnSaveDocument(files.File(name + ".phd").string()) != FALSE;
    }
    std::string Read(const std::string& name) { return test::TempDir::Read(files.File(name)); }
};

TEST_F(DosExportTest, TheHeaderFile) {
    auto document = GoldenChart();
    document->SetCurrentLayer(3);
    document->GetChartLayers().SetLayerVisible(1, CLayerSet::kReference);
    document->GetChartLayers().SetLayerVisible(2, CLayerSet::kHidden);
    document->GetChartLayers().SetLayerName(1, J("躯体工事の全部と仕上げ"));
    ASSERT_TRUE(Export(*document)) << ::testing::PrintToString(MessageTexts());
    const std::string phd = Read("X.phd");
    ASSERT_EQ(phd.size(), 10004u);
    EXPECT_EQ(Hex(phd, 0, 2), "04 10");
    EXPECT_EQ(Hex(phd, 2, 4), "00 80 6D 45");
    EXPECT_EQ(Hex(phd, 44, 4), "00 00 80 3F");
    EXPECT_EQ(Hex(phd, 2530, 5), "97 EF 3A 41 00");
    const DosBlock h = Block(phd);
    const int paperSizes[] = {891, 594, 891, 594, 420, 297, 594, 420, 297, 210};
    for (std::size_t i = 0; i < std::size(paperSizes); ++i) {
        EXPECT_EQ(h.GetWord(8 + 2 * i), paperSizes[i]);
    }
    EXPECT_EQ(h.GetWord(48), 24);
    EXPECT_EQ(Hex(phd, 578, 4), "00 01 02 00");
    // Sixteen bytes of the name, ended on a character boundary, and its zero.
    EXPECT_EQ(phd.substr(850 + 17, 17), J("躯体工事の全部と") + std::string(1, '\0'));

    // Block 2: the chart, the counts, the constants.
    EXPECT_EQ(h.GetWord(kB2 + 1297), 2010);
    EXPECT_EQ(h.GetWord(kB2 + 1321), document->GetSyokiSet().GetFirstRow() + 1);
    EXPECT_EQ(h.GetWord(kB2 + 1323), document->GetSyokiSet().GetLastRow() + 1);
    EXPECT_EQ(h.GetWord(kB2 + 44), document->GetSyokiSet().GetRowSpan());
    EXPECT_EQ(h.GetWord(kB2 + 1468), 0);
    EXPECT_EQ(h.GetDword(kB2 + 110), static_cast<std::uint32_t>(Read("X.pdt").size()));
    EXPECT_EQ(h.GetWord(kB2 + 4221), 1) << "events";
    EXPECT_EQ(h.GetDword(kB2 + 5053), 1u) << "processes";
    EXPECT_EQ(h.GetDword(kB2 + 5057), 1u) << "shapes";
    EXPECT_EQ(h.GetDword(kB2 + 6297), 1u) << "item cells";
    EXPECT_EQ(h.GetWord(kB2 + 4351), 1) << "progress lines";
    EXPECT_EQ(h.GetWord(kB2 + 4353), 1);
    EXPECT_EQ(h.GetWord(kB2 + 4349), 4100);
    EXPECT_EQ(Hex(phd, kB2 + 4249, 4), "07 00 01 00");
    EXPECT_EQ(Hex(phd, kB2 + 4305, 4), "02 00 01 00");
    EXPECT_EQ(Hex(phd, kB2 + 8, 4), "00 00 80 3F");
}

TEST_F(DosExportTest, TheDataFileRecordByRecord) {
    auto document = GoldenChart();
    ASSERT_TRUE(Export(*document));
    const std::string pdt = Read("X.pdt");
    const std::size_t term2 = 80 + 16 * ((18 + 1) / 16);
    ASSERT_EQ(pdt.size(), 80u + 80 + term2 + 96 + 1640 + 352 + 64);
    const DosBlock d = Block(pdt);

    // The process.
    EXPECT_EQ(Hex(pdt, 0, 8), "64 F0 00 00 05 00 02 00");
    EXPECT_EQ(d.GetWord(0x10), 2) << "thick";
    EXPECT_EQ(Hex(pdt, 0x13, 12), "DA 07 04 00 05 00 00 00 00 00 00 00");
    EXPECT_EQ(Hex(pdt, 0x1F, 6), "DA 07 04 00 09 00");
    EXPECT_EQ(d.GetWord(0x2B), 2);
    EXPECT_EQ(d.GetWord(0x2D), 4);
    EXPECT_EQ(Hex(pdt, 0x2F, 3), "20 82 04") << "line type 2, holidays counted; the nodes";
    EXPECT_EQ(Hex(pdt, 0x34, 3), "01 01 00");
    EXPECT_EQ(Hex(pdt, 0x39, 1), "44") << "type 破線 (2) and red (2)";
    EXPECT_EQ(Hex(pdt, 0x3C, 6), "01 00 01 00 0C 00") << "one leader term, one other; pattern";

    // Its terms.
    EXPECT_EQ(Hex(pdt, 80, 8), "64 FE 00 00 05 00 00 00");
    EXPECT_EQ(Hex(pdt, 80 + 0x10, 4), "01 03 09 02") << "left: 1 and 9; on the line; blue";
    EXPECT_EQ(Hex(pdt, 80 + 0x14, 8), "00 00 40 40 00 00 20 40") << "3.0, 2.5";
    EXPECT_EQ(Hex(pdt, 80 + 0x24, 2), "02 00");
    EXPECT_EQ(Hex(pdt, 80 + 0x40, 3), "54 31 00");
    const std::size_t t2 = 160;
    EXPECT_EQ(Hex(pdt, t2, 8), "64 FE 00 00 06 00 00 00");
    EXPECT_EQ(Hex(pdt, t2 + 0x10, 1), "02");
    EXPECT_EQ(d.GetWord(t2 + 0x32), 1) << "its index";

    // The event.
    const std::size_t ev = t2 + term2;
    EXPECT_EQ(Hex(pdt, ev, 8), "64 FC 00 00 06 00 00 00");
    EXPECT_EQ(Hex(pdt, ev + 0x12, 8), "DA 07 04 00 07 00 0C 00");
    EXPECT_EQ(d.GetWord(ev + 0x1E), 5);
    EXPECT_EQ(Hex(pdt, ev + 0x20, 8), "00 00 20 40 00 00 40 C0") << "2.5, -3.0";
    EXPECT_EQ(Hex(pdt, ev + 0x28, 5), "01 01 00 45 00");
    EXPECT_EQ(Hex(pdt, ev + 0x54, 8), "00 00 80 3F 00 00 00 40") << "sizes 1 and 2";
    EXPECT_EQ(Hex(pdt, ev + 0x5C, 3), "02 01 02") << "vertical as the import reads it; framed";

    // The progress line: 130 points, each the line's date where it has none.
    const std::size_t pl = ev + 96;
    EXPECT_EQ(Hex(pdt, pl, 8), "64 FB 00 00 66 00 00 00");
    EXPECT_EQ(Hex(pdt, pl + 0x12, 6), "DA 07 04 00 14 00");
    EXPECT_EQ(Hex(pdt, pl + 0x1E + 12 * 3, 6), "DA 07 04 00 16 00");
    EXPECT_EQ(Hex(pdt, pl + 0x1E + 12 * 4, 6), "DA 07 04 00 14 00");
    EXPECT_EQ(Hex(pdt, pl + 0x1E + 12 * 120, 6), "DA 07 04 00 19 00");
    EXPECT_EQ(Hex(pdt, pl + 0x1E + 12 * 129, 6), "DA 07 04 00 14 00");

    // The box, then the item cell, last; no end record.
    const std::size_t sh = pl + 1640;
    EXPECT_EQ(Hex(pdt, sh, 6), "64 FD 00 00 16 00");
    EXPECT_EQ(d.GetWord(sh + 0x10), 1);
    const std::size_t ce = sh + 352;
    EXPECT_EQ(Hex(pdt, ce, 8), "64 F5 00 00 04 00 00 00");
    EXPECT_EQ(Hex(pdt, ce + 0x10, 6), "01 00 00 02 08 00");
    EXPECT_EQ(Hex(pdt, ce + 0x1E, 6), "00 00 00 00 01 00");
    EXPECT_EQ(pdt.substr(ce + 0x30, 9), J("基礎工事") + std::string(1, '\0'));
}

TEST_F(DosExportTest, ObjectsBeyondTheDosLayersGoOnTheLastOne) {
    auto document = GoldenChart();
    for (POSITION pos = document->GetHeadObjPosition(); pos != nullptr;) {
        document->GetNextObj(pos)->SetLayer(20);
    }
    document->GetZukeiList().GetHead()->SetLayer(20);
    ASSERT_TRUE(Export(*document));
    const std::string pdt = Read("X.pdt");
    const std::size_t term2 = 80 + 16 * ((18 + 1) / 16);
    const std::size_t event = 160 + term2;
    const std::size_t shape = event + 96 + 1640;
    ASSERT_GT(pdt.size(), shape + 4);
    for (const std::size_t record : {std::size_t{0}, event, shape}) {
        EXPECT_EQ(Hex(pdt, record, 4), Hex(pdt, record, 2) + " 00 78") << record << ": layer 15";
    }
}

TEST_F(DosExportTest, RecordSizesGrowWithTheirTexts) {
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{14}, std::size_t{15}, std::size_t{31}, std::size_t{128}}) {
        auto document = NewChart();
        CChartPos pos;
        pos.SetStartDate(CTime(2010, 4, 5));
        pos.SetEndDate(CTime(2010, 4, 9));
        std::unique_ptr<CKoutei> process = document->CreateKoutei(&pos, TRUE);
        std::unique_ptr<CYogo> term = document->GetTerms().CreateYogo();
        term->SetText(std::string(length, 't'));
        process->AddYogo(term, TRUE);
        document->AddObj(process.release(), FALSE);
        document->GetKoumokuCells().CreateKoumokuData(0, 0)->SetText(std::string(length, 'c'));
        ASSERT_TRUE(Export(*document));
        const std::string pdt = Read("X.pdt");
        const std::size_t grow = 16 * ((length + 1) / 16);
        ASSERT_EQ(pdt.size(), 80 + (80 + grow) + (64 + grow)) << length;
        EXPECT_EQ(Block(pdt).GetWord(80 + 4), static_cast<int>(5 + grow / 16));
        EXPECT_EQ(Block(pdt).GetWord(160 + grow + 4), static_cast<int>(4 + grow / 16));
    }
}

TEST_F(DosExportTest, GreyIsWrittenBlackWhereThreeBitsHoldTheColour) {
    auto document = NewChart();
    CChartPos pos;
    pos.SetStartDate(CTime(2010, 4, 5));
    pos.SetEndDate(CTime(2010, 4, 9));
    std::unique_ptr<CKoutei> process = document->CreateKoutei(&pos, TRUE);
    process->GetLines()->GetAttr().m_color = RGB(192, 192, 192);
    std::unique_ptr<CYogo> term = document->GetTerms().CreateYogo();
    term->GetAttr().m_color = RGB(192, 192, 192);
    process->AddYogo(term, TRUE);
    document->AddObj(process.release(), FALSE);
    std::unique_ptr<CEvent> event = document->GetEvents().CreateEvent();
    event->SetStartDate(CTime(2010, 4, 5));
    event->SetColor(RGB(192, 192, 192));
    document->AddObj(event.release(), FALSE);
    ASSERT_TRUE(Export(*document));
    const std::string pdt = Read("X.pdt");
    EXPECT_EQ(static_cast<unsigned char>(pdt[0x39]) & 0x0E, 7 << 1) << "black, not green (4)";
    EXPECT_EQ(static_cast<unsigned char>(pdt[80 + 0x13]) & 0x0E, 7 << 1);
    EXPECT_EQ(static_cast<unsigned char>(pdt[160 + 0x28]), 12) << "an event holds the index";
}

TEST_F(DosExportTest, AnElapsedDayChartWritesDayCounts) {
    struct Case {
        int days;
        int unit;
    };
    for (const Case& c : {Case{365, 1}, Case{366, 0}}) {
        auto document = NewChart();
        ASSERT_TRUE(document->InitNewDocument(1));
        CSyokiSet& s = document->GetSyokiSet();
        s.SetMaeYohaku(CTimeSpan());
        s.SetAtoYohaku(CTimeSpan());
        s.SetJyunbiKikan(CTimeSpan());
        s.SetStartDate(CTime(2010, 1, 1));
        s.SetEndDate(CTime(2010, 1, 1) + CTimeSpan(c.days - 1, 0, 0, 0));
        s.SetOption1(0);
        s.SetOption2(0);
        CChartPos pos;
        pos.SetStartDate(CTime(2010, 1, 1) + CTimeSpan(40, 0, 0, 0));
        pos.SetEndDate(CTime(2010, 1, 1) + CTimeSpan(75, 0, 0, 0));
        std::unique_ptr<CKoutei> process = document->CreateKoutei(&pos, TRUE);
        document->AddObj(process.release(), FALSE);
        std::unique_ptr<CShincyoku> line =
            document->GetProgressLines().CreateShincyoku(CTime(2010, 2, 1));
        document->GetProgressLines().AddShincyoku(line.release(), FALSE);
        ASSERT_TRUE(Export(*document)) << c.days << ::testing::PrintToString(MessageTexts());
        const DosBlock h = Block(Read("X.phd"));
        EXPECT_EQ(h.GetWord(kB2 + 1468), 1);
        EXPECT_EQ(h.GetWord(kB2 + 1470), c.unit) << c.days;
        const std::string pdt = Read("X.pdt");
        if (c.unit == 1) {
            EXPECT_EQ(Hex(pdt, 0x13, 12), "00 00 00 00 29 00 00 00 00 00 00 00") << "day 41";
            EXPECT_EQ(Hex(pdt, 0x1F, 6), "00 00 00 00 4C 00") << "day 76";
            EXPECT_EQ(h.GetWord(kB2 + 1474), 365);
        } else {
            EXPECT_EQ(Hex(pdt, 0x13, 6), "00 00 02 00 0B 00") << "month 2, day 11";
            EXPECT_EQ(Hex(pdt, 0x1F, 6), "00 00 03 00 10 00") << "month 3, day 16";
            EXPECT_EQ(h.GetWord(kB2 + 1474), 12);
        }
        // A progress line keeps its calendar dates.
        EXPECT_EQ(Hex(pdt, 80 + 0x12, 6), "DA 07 02 00 01 00");
    }
}

TEST_F(DosExportTest, AnElapsedDayChartBeyondTheDosLimitsIsRefusedBeforeAnyRecord) {
    files.Write("X.phd", "old header");
    files.Write("X.pdt", "old data");
    auto document = NewChart();
    ASSERT_TRUE(document->InitNewDocument(1));
    CSyokiSet& s = document->GetSyokiSet();
    s.SetOption1(0);
    s.SetOption2(0);
    s.SetJyunbiKikan(CTimeSpan(3, 0, 0, 0));
    s.SetMaeYohaku(CTimeSpan(3, 0, 0, 0));
    s.SetAtoYohaku(CTimeSpan(0, 0, 0, 0));
    ui->ClearRecords();
    EXPECT_FALSE(Export(*document));
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_DOS_NOBE_DAYS});
    EXPECT_EQ(Read("X.phd"), "old header");
    EXPECT_EQ(Read("X.pdt"), "old data");

    // In months: more than 5 months of trailing margin.
    s.SetJyunbiKikan(CTimeSpan());
    s.SetMaeYohaku(CTimeSpan());
    s.SetEndDate(s.GetStartDate() + CTimeSpan(400, 0, 0, 0));
    s.SetAtoYohaku(CTimeSpan(180, 0, 0, 0));
    ui->ClearRecords();
    EXPECT_FALSE(Export(*document));
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_DOS_NOBE_MONTHS});
    EXPECT_EQ(Read("X.pdt"), "old data");
}

TEST_F(DosExportTest, ADataFileThatCannotBeWrittenLeavesTheOldPair) {
    files.Write("X.phd", "old header");
    std::filesystem::create_directories(files.File("X.pdt") / "in the way");
    auto document = GoldenChart();
    EXPECT_FALSE(Export(*document));
    EXPECT_EQ(Read("X.phd"), "old header");
    EXPECT_TRUE(std::filesystem::is_directory(files.File("X.pdt")));
    // The reason goes to the save, which tells the user.
    EXPECT_EQ(document->GetLastSaveError(), EISDIR);
}

// The header and its data file go in place together: when the header cannot, the data file
// already in place is the old one again.
TEST_F(DosExportTest, AHeaderThatCannotBePutInPlaceLeavesTheOldPair) {
    files.Write("X.phd", "old header");
    files.Write("X.pdt", "old data");
    auto document = GoldenChart();
    CReplacementFile::SetStepHook([](CReplacementFile::Step step, const std::filesystem::path& to) {
        return step == CReplacementFile::Step::Renaming && to.extension() == ".phd" ? EIO : 0;
    });
    const bool exported = Export(*document);
    CReplacementFile::SetStepHook({});
    EXPECT_FALSE(exported);
    EXPECT_EQ(Read("X.phd"), "old header");
    EXPECT_EQ(Read("X.pdt"), "old data");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(files.Path()),
                            std::filesystem::directory_iterator()),
              2);
    EXPECT_EQ(document->GetLastSaveError(), EIO);

    // Without the failure both change.
    EXPECT_TRUE(Export(*document));
    EXPECT_NE(Read("X.phd"), "old header");
    EXPECT_NE(Read("X.pdt"), "old data");
}

TEST_F(DosExportTest, ARoundTripKeepsTheChartAndItsKnownAsymmetries) {
    auto document = GoldenChart();
    ASSERT_TRUE(Export(*document));
    auto back = Open(files.File("X.phd"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetPrHeader().GetTitleText(), "A");

    std::vector<CKoutei*> processes;
    std::vector<CEvent*> events;
    for (POSITION pos = back->GetHeadObjPosition(); pos != nullptr;) {
        CDataHeader* object = back->GetNextObj(pos);
        if (CKoutei* p = AsKoutei(object)) {
            processes.push_back(p);
        } else if (CEvent* e = AsEvent(object)) {
            events.push_back(e);
        }
    }
    ASSERT_EQ(processes.size(), 1u);
    const CKoutei& p = *processes[0];
    EXPECT_EQ(p.GetStartTime(), CTime(2010, 4, 5));
    EXPECT_EQ(p.GetEndTime(), CTime(2010, 4, 9));
    EXPECT_EQ(p.GetStartRow(), 1);
    EXPECT_EQ(p.GetEndRow(), 3);
    const CKouteiAttr& attr = p.GetLines()->GetAttr();
    EXPECT_EQ(attr.m_style, 3);
    EXPECT_EQ(attr.m_type, 1);
    EXPECT_EQ(attr.m_width, 2);
    EXPECT_EQ(attr.m_color, RGB(255, 0, 0));
    EXPECT_EQ(attr.m_hatch, 3);
    EXPECT_EQ(p.GetStartLand()->GetShape(), 2);
    EXPECT_EQ(p.GetStartLand()->GetSubStyle(), 0x80);
    EXPECT_EQ(p.GetEndLand()->GetShape(), 4);
    // The holiday flag is written as bit 3, which is read as the hatching (the pattern code of
    // the file then decides it): the line takes the chart's default again.
    EXPECT_EQ(attr.m_holiday, back->GetSyokiSet().GetChart().GetKouteiAttr().m_holiday);
    ASSERT_EQ(p.GetYogoCount(), 2);
    EXPECT_EQ(p.GetYogo(0)->GetText(), "T1");
    EXPECT_EQ(p.GetYogo(0)->GetAttr().m_form, 0);
    EXPECT_EQ(p.GetYogo(1)->GetAttr().m_form, 4);
    EXPECT_EQ(p.GetYogo(0)->GetAttr().m_fontHeigh, 2);
    EXPECT_EQ(p.GetYogo(0)->GetAttr().m_fontWidth, 1);
    // The term offsets go out divided by 100 and come back as they stand.
    EXPECT_EQ(p.GetYogo(0)->GetAttr().GetOffset(), 2);
    EXPECT_EQ(p.GetYogo(0)->GetAttr().GetOffsetY(), -3);

    ASSERT_EQ(events.size(), 1u);
    const CEvent& e = *events[0];
    EXPECT_EQ(e.GetStartDate(), CTime(2010, 4, 7, 12, 0, 0));
    EXPECT_EQ(e.GetStartRow(), 4);
    EXPECT_EQ(e.GetForm(), 1);
    EXPECT_EQ(e.GetAttr().GetSize(), 0x0201);
    EXPECT_EQ(e.GetText(), "E");
    // A frame comes back framed and white.
    EXPECT_EQ(e.GetStyle(), kEventFrame | kEventWhiteBack | kEventVertical);

    // The progress line: its points beyond the hundredth do not come back.
    ASSERT_EQ(back->GetProgressLines().GetShincyokuCount(), 1);
    POSITION at = back->GetProgressLines().GetHeadShincyokuPosition();
    const CShincyoku* line = back->GetProgressLines().GetNextShincyoku(at);
    EXPECT_EQ(line->GetDate(), CTime(2010, 4, 20));
    EXPECT_EQ(line->GetPointDate(3), CTime(2010, 4, 22));
    EXPECT_EQ(line->GetPointDate(120), CTime(2010, 4, 20));

    ASSERT_EQ(back->GetZukeiCount(), 1);
    POSITION zp = back->GetShapes().GetHeadZukeiPosition();
    const auto* box = static_cast<const CZukei2*>(back->GetShapes().GetNextZukei(zp));
    EXPECT_EQ(box->GetKind(), kZukeiBox);
    EXPECT_EQ(box->GetAnchor1().GetDate(), CTime(2010, 4, 6));
    EXPECT_NEAR(box->GetAnchor2().GetRow(), 4.0, 1e-6);

    const CKoumokuData* cell = back->GetKoumokuCells().GetKoumokuCell(0, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetText(), J("基礎工事"));
    EXPECT_EQ(cell->GetFormat(), CKoumokuData::kCenter);
    EXPECT_EQ(cell->GetSize(), 0x0101);
}

TEST_F(DosExportTest, AnEventsDirectionAndFrameComeBack) {
    struct Case {
        const char* name;
        WORD style;
        WORD back;
    };
    const Case cases[] = {
        {"horizontal", 0, 0},
        {"vertical", kEventVertical, kEventVertical},
        {"vertical, framed", kEventVertical | kEventFrame,
         kEventVertical | kEventFrame | kEventWhiteBack},
        {"horizontal, framed", kEventFrame, kEventFrame | kEventWhiteBack},
    };
    auto document = NewChart();
    const CTime start = document->GetSyokiSet().GetStartDate();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::unique_ptr<CEvent> event = document->GetEvents().CreateEvent();
        event->SetStartDate(start + CTimeSpan(static_cast<LONG>(i), 0, 0, 0));
        event->SetStartRow(static_cast<WORD>(i));
        event->SetText(cases[i].name);
        event->SetStyle(cases[i].style);
        document->AddObj(event.release(), FALSE);
    }
    ASSERT_TRUE(Export(*document));
    auto back = Open(files.File("X.phd"));
    ASSERT_NE(back, nullptr);
    std::vector<const CEvent*> events;
    for (POSITION pos = back->GetHeadObjPosition(); pos != nullptr;) {
        if (const CEvent* e = AsEvent(back->GetNextObj(pos))) {
            events.push_back(e);
        }
    }
    ASSERT_EQ(events.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(events[i]->GetText(), cases[i].name);
        EXPECT_EQ(events[i]->GetStyle(), cases[i].back);
    }
}

TEST_F(DosExportTest, TheDateLabelsComeBackFromThePeriodPaperAndDateFont) {
    // The import chooses the date labels anew from what the header holds: the period, the paper
    // and the date font's height and half width. A chart whose labels were chosen from the same
    // gets them back.
    struct Case {
        const char* name;
        int days;
        bool halfWidthFont;
        WORD step; // of the day labels: 0 every day, 1 every second, 2 every third
    };
    const Case cases[] = {
        {"every day", 40, false, 0},
        {"every second day", 100, false, 1},
        {"every third day", 171, false, 2},
        {"half-width dates, every day", 100, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto document = NewChart();
        CSyokiSet& settings = document->GetSyokiSet();
        CConfigChart& chart = settings.GetChart();
        chart.GetAreaNameSet().SetKoumokuName(J("工種"));
        chart.GetAreaNameSet().SetHizukeName(J("工程"));
        if (c.halfWidthFont) {
            LOGFONT font = chart.GetDateStyle().GetLogFont();
            font.lfWidth = std::abs(font.lfHeight) / 4;
            chart.GetDateStyle().SetLogFont(font);
        }
        settings.SetEndDate(settings.GetStartDate() + CTimeSpan(c.days - 1, 0, 0, 0));
        ASSERT_TRUE(settings.CalcDateThinning());
        ASSERT_EQ(settings.GetDateUnit(), kUnitDay);
        ASSERT_EQ(settings.GetOption2(), c.step);
        ASSERT_TRUE(Export(*document));
        auto back = Open(files.File("X.phd"));
        ASSERT_NE(back, nullptr);
        const CSyokiSet& read = back->GetSyokiSet();
        EXPECT_EQ(read.GetDayCount(), c.days);
        EXPECT_EQ(read.GetDateUnit(), settings.GetDateUnit());
        EXPECT_EQ(read.GetOption2(), settings.GetOption2());
        EXPECT_EQ(read.GetChart().GetDateStyle().GetLogFont().lfWidth,
                  chart.GetDateStyle().GetLogFont().lfWidth);
        EXPECT_EQ(read.GetChart().GetAreaNameSet().GetKoumokuName(), J("工種"));
        EXPECT_EQ(read.GetChart().GetAreaNameSet().GetHizukeName(), J("工程"));
    }
}

TEST_F(DosExportTest, TheProjectTextsAndPrintSettingsGoOutAndComeBack) {
    auto document = NewChart();
    CPrHeader& header = document->GetPrHeader();
    header.SetTitleText(J("本社\\n新築工事"));
    header.FindElementByText(J("作業所名"))->SetContents(J("東現場"));
    header.FindElementByText(J("建築主"))->SetContents(std::string(200, 'c'));
    header.SetSelect(3);
    header.SetAmikake(1);
    header.SetToDay(1);
    header.SetKikan(2);
    header.SetHeaderTexts({"2010", "4", "1", "2010", "6", "30"});
    header.SetHeaderTexts2({"2010", "3", "15"});
    ASSERT_TRUE(Export(*document));
    const std::string phd = Read("X.phd");
    EXPECT_EQ(phd.substr(kB2 + 1553, 15), J("本社＼新築工事") + std::string(1, '\0'));
    EXPECT_EQ(phd.substr(kB2 + 1634, 7), J("東現場") + std::string(1, '\0'));
    EXPECT_EQ(phd.substr(kB2 + 1715, 161), std::string(160, 'c') + std::string(1, '\0'));

    auto back = Open(files.File("X.phd"));
    ASSERT_NE(back, nullptr);
    const CPrHeader& read = back->GetPrHeader();
    EXPECT_EQ(read.GetTitleText(), J("本社\\n新築工事"));
    EXPECT_EQ(read.FindElementByText(J("作業所名"))->GetContents(), J("東現場"));
    EXPECT_EQ(read.GetSelect(), 3);
    EXPECT_EQ(read.GetAmikake(), 1);
    EXPECT_EQ(read.GetToDay(), 1);
    EXPECT_EQ(read.GetKikan(), 2);
    EXPECT_EQ(read.GetHeaderTexts(),
              (CConfigPrint::PeriodTexts{"2010", "4", "1", "2010", "6", "30"}));
    EXPECT_EQ(read.GetHeaderTexts2(), (CConfigPrint::DateTexts{"2010", "3", "15"}));
}

TEST_F(DosExportTest, ARoundTripKeepsTheChartsSizes) {
    auto document = NewChart();
    CConfigChart& chart = document->GetSyokiSet().GetChart();
    chart.GetLandAttr().m_radius = 30;
    chart.SetCornerSize(40);
    chart.SetArrowLength(50);
    chart.SetArrowAngle(30);
    ASSERT_TRUE(Export(*document));
    auto back = Open(files.File("X.phd"));
    ASSERT_NE(back, nullptr);
    const CConfigChart& read = back->GetSyokiSet().GetChart();
    EXPECT_EQ(read.GetLandAttr().m_radius, 30);
    EXPECT_EQ(read.GetCornerSize(), 40);
    EXPECT_EQ(read.GetArrowLength(), 50);
    EXPECT_EQ(read.GetArrowAngle(), 30);
    const CConfigChart& sent = document->GetSyokiSet().GetChart();
    EXPECT_EQ(read.GetKoumokuAttr().GetLogFont().lfHeight,
              -std::abs(sent.GetKoumokuAttr().GetLogFont().lfHeight));
    EXPECT_EQ(read.GetYogoAttr().GetLogFont().lfWidth, sent.GetYogoAttr().GetLogFont().lfWidth);
}

TEST_F(DosExportTest, ElapsedDayProgressLinesGoOutInCalendarDates) {
    auto document = NewChart();
    ASSERT_TRUE(document->InitNewDocument(1));
    const CTime base = document->GetSyokiSet().GetNobeBaseDate();
    std::unique_ptr<CShincyoku> line =
        document->GetProgressLines().CreateShincyoku(base + CTimeSpan(3, 0, 0, 0));
    document->GetProgressLines().AddShincyoku(line.release(), FALSE);
    ASSERT_TRUE(Export(*document));
    auto back = Open(files.File("X.phd"));
    ASSERT_NE(back, nullptr);
    // Written as 2010/4/4, read as an elapsed day: month 4 and day 4 of 30-day months from the
    // base, which lies outside the chart's calendar-range check only when it is past 2020.
    const CTime written = base + CTimeSpan(3, 0, 0, 0);
    const int unit = Block(Read("X.phd")).GetWord(kB2 + 1470);
    const std::int64_t days =
        unit == 0 ? (written.GetMonth() - 1) * 30 + written.GetDay() - 1 : written.GetDay() - 1;
    ASSERT_EQ(back->GetProgressLines().GetShincyokuCount(), 1);
    POSITION at = back->GetProgressLines().GetHeadShincyokuPosition();
    EXPECT_EQ(back->GetProgressLines().GetNextShincyoku(at)->GetDate(),
              back->GetSyokiSet().GetNobeBaseDate() + CTimeSpan(days, 0, 0, 0));
}

} // namespace
} // namespace tembra
