// The QKR ASCII schedule (*.asd) taken into a chart: its first line, each section taken or
// passed over, the records of each, the lines left out and a file that ends early.
#include "exchange/QkrImport.h"
#include "ExchangeFixture.h"
#include "document/DocFileRequests.h"
#include "document/RecordCast.h"
#include "exchange/AsciiLineFile.h"
#include "model/Calendar.h"
#include "print/PrNewText.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::J;

// An .asd file by its sections (UTF-8, written as CP932 with CR LF).
struct Asd {
    std::string first = "QKRTOOL_ASC 3.0";
    int years = 1;
    int year = 2010;
    std::vector<int> holidays;
    int divisions = 1;
    std::string termFont = "\"Gothic\",10.5,0,1";
    std::vector<std::string> processes;
    std::string itemFont = "\"ItemFace\"";
    std::vector<std::string> items;
    int eventRow = 3;
    std::vector<std::string> events; // group and event lines
    std::vector<std::string> header = std::vector<std::string>(12, "\"\"");
    std::string period = "30";

    std::string Text() const {
        std::vector<std::string> lines{first, std::to_string(years), std::to_string(year),
                                       std::to_string(holidays.size())};
        for (std::size_t i = 0; i < holidays.size(); i += 10) {
            std::string line;
            for (std::size_t j = i; j < std::min(holidays.size(), i + 10); ++j) {
                line += (j > i ? "," : "") + std::to_string(holidays[j]);
            }
            lines.push_back(line);
        }
        lines.push_back(std::to_string(divisions));
        lines.push_back(termFont);
        lines.insert(lines.end(), processes.begin(), processes.end());
        lines.push_back("-9999");
        lines.push_back(itemFont);
        lines.insert(lines.end(), items.begin(), items.end());
        lines.push_back("-9999");
        lines.push_back(std::to_string(eventRow));
        lines.insert(lines.end(), events.begin(), events.end());
        lines.push_back("-9999");
        lines.insert(lines.end(), header.begin(), header.end());
        lines.push_back(period);
        std::string text;
        for (const std::string& line : lines) {
            text += Sjis::FromUtf8(line) + "\r\n";
        }
        return text;
    }
};

class QkrImportTest : public test::ExchangeFixture {
protected:
    QkrImportTest() : chart(NewChart()) {}

    int Read(const std::string& text, DWORD flags = kQkrAll) {
        const auto path = files.Write("in.asd", text);
        CAsciiLineFile file;
        EXPECT_TRUE(file.Open(path, CAsciiLineFile::modeRead));
        return ReadQkrAscii(*chart, file, flags);
    }

    std::vector<CKoutei*> Processes() {
        std::vector<CKoutei*> found;
        for (POSITION pos = chart->GetHeadObjPosition(); pos != nullptr;) {
            if (CKoutei* p = AsKoutei(chart->GetNextObj(pos))) {
                found.push_back(p);
            }
        }
        return found;
    }
    std::vector<CEvent*> Events() {
        std::vector<CEvent*> found;
        for (POSITION pos = chart->GetHeadObjPosition(); pos != nullptr;) {
            if (CEvent* e = AsEvent(chart->GetNextObj(pos))) {
                found.push_back(e);
            }
        }
        return found;
    }

    std::unique_ptr<CTembraDoc> chart;
};

TEST_F(QkrImportTest, TheFirstLineNamesTheFileAndItsVersion) {
    struct Case {
        const char* first;
        int result;
        std::vector<UINT> messages;
    };
    for (const Case& c : {Case{"QKRTOOL_ASC 3.0", 1, {}},
                          {"x QKRTOOL_ASC3.5 y", 1, {}},
                          {"QKRTOOL_ASC 2.9", 0, {IDS_QKR_OLD_VERSION}},
                          {"QKRTOOL_ASC", 0, {IDS_QKR_OLD_VERSION}},
                          {"QKR_TOOL 3.0", 0, {IDS_QKR_NOT_QKR}}}) {
        ui->ClearRecords();
        Asd asd;
        asd.first = c.first;
        asd.processes = {"3,1,5,0,1,1,1,0,0"};
        const int before = chart->GetObjCount();
        EXPECT_EQ(Read(asd.Text()), c.result) << c.first;
        EXPECT_EQ(Messages(), c.messages) << c.first;
        EXPECT_EQ(chart->GetObjCount() - before, c.result) << c.first;
    }
    ui->ClearRecords();
    EXPECT_EQ(Read(""), 0);
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_QKR_NOT_QKR});
}

TEST_F(QkrImportTest, HolidaysAndTheWorkingDaysOfTheFilesYears) {
    CCalendar& calendar = chart->GetWorkCalendar();
    calendar.SetDayFlag(CTime(2010, 7, 1).GetTime(), 32);
    calendar.SetDayFlag(CTime(2011, 7, 1).GetTime(), 32);
    Asd asd;
    for (int day = 1; day <= 25; ++day) {
        asd.holidays.push_back(day * 3);
    }
    asd.holidays.back() = 400; // 2011-02-04
    ASSERT_EQ(Read(asd.Text()), 1);
    EXPECT_FALSE(calendar.IsHoliday(CTime(2010, 7, 1))) << "the file's year is cleared";
    EXPECT_TRUE(calendar.IsHoliday(CTime(2011, 7, 1))) << "the next year is not";
    EXPECT_TRUE(calendar.IsHoliday(CTime(2010, 1, 3)));
    EXPECT_TRUE(calendar.IsHoliday(CTime(2010, 3, 13))) << "day 72 on the third line";
    EXPECT_TRUE(calendar.IsHoliday(CTime(2011, 2, 4)));
    EXPECT_FALSE(calendar.IsHoliday(CTime(2010, 1, 4)));
    EXPECT_TRUE(Messages().empty());

    // Years reaching out of the calendar clear the part inside it; days outside it are left.
    Asd early;
    early.year = 1989;
    early.years = 4;
    early.holidays = {1, 800, 1200};
    calendar.SetDayFlag(CTime(1992, 6, 1).GetTime(), 32);
    calendar.SetDayFlag(CTime(1993, 6, 1).GetTime(), 32);
    ASSERT_EQ(Read(early.Text()), 1);
    EXPECT_FALSE(calendar.IsHoliday(CTime(1992, 6, 1)));
    EXPECT_TRUE(calendar.IsHoliday(CTime(1993, 6, 1)));
    EXPECT_TRUE(calendar.IsHoliday(CTime(1992, 4, 14))) << "day 1200 from 1989";
}

TEST_F(QkrImportTest, OnlyThePrintHeaderPassesOverTheOtherSections) {
    CCalendar& calendar = chart->GetWorkCalendar();
    const bool holiday = calendar.IsHoliday(CTime(2010, 1, 3)) != FALSE;
    Asd asd;
    asd.holidays = {3, 4, 5};
    asd.processes = {"3,1,5,0,1,1,1,0,0", "1,1,5,0,1,1,1,0,0", "0,0,0,0,0,0,\"T\",0,0"};
    asd.items = {"1,\"Item\",0,0,0,0"};
    asd.events = {"2010,1", "5,\"E\",\"\""};
    asd.header = {"\"Title\"", "\"unused\"", "\"Client\"", "\"\"", "\"\"", "\"\"",
                  "\"\"",      "\"\"",       "\"\"",       "\"\"", "\"\"", "\"\""};
    asd.period = "40";
    const CTime start = chart->GetSyokiSet().GetStartDate();
    ASSERT_EQ(Read(asd.Text(), kQkrHeader), 1);
    EXPECT_EQ(calendar.IsHoliday(CTime(2010, 1, 3)) != FALSE, holiday);
    EXPECT_EQ(chart->GetObjCount(), 0);
    EXPECT_EQ(chart->GetKoumokuCells().GetKoumokuCell(0, 0), nullptr);
    EXPECT_EQ(chart->GetPrHeader().GetTitleText(), "Title");
    EXPECT_EQ(chart->GetPrHeader().FindElementByText(J("建築主"))->GetContents(), "Client");
    EXPECT_EQ(chart->GetSyokiSet().GetEndDate(), start + CTimeSpan(39, 0, 0, 0));
}

TEST_F(QkrImportTest, PeriodsBelowTwoDaysAre105) {
    for (const char* period : {"0", "1", "-3"}) {
        Asd asd;
        asd.period = period;
        ASSERT_EQ(Read(asd.Text()), 1);
        EXPECT_EQ(chart->GetSyokiSet().GetEndDate() - chart->GetSyokiSet().GetStartDate(),
                  CTimeSpan(104, 0, 0, 0))
            << period;
    }
}

TEST_F(QkrImportTest, ProcessesAndTheirTerms) {
    Asd asd;
    asd.divisions = 2; // half days
    asd.termFont = "\"Gothic\",10.5,0,1";
    asd.processes = {
        // kind, start, end, -, start row, end row, bend row, line type; colour
        "1,3,8,0,2,6,4,2,255", "1,1,0,1,0,0", // (1 unit, the term line)
        "1,20,10,0,5,3,9,5,0", "2,1,1,2,2,3,\"Rev\",7,1",
        "1,11,12,0,2,2,2,9,0", "0,0,0,0,0,0,\"\",0,1",
    };
    ASSERT_EQ(Read(asd.Text()), 1);
    const LOGFONT& font = chart->GetSyokiSet().GetChart().GetYogoAttr().GetLogFont();
    EXPECT_EQ(font.FaceName(), "Gothic");
    EXPECT_EQ(font.lfHeight, 37) << "10.5 pt: 37.04 tenths of a millimetre";
    EXPECT_EQ(font.lfWidth, 18);
    EXPECT_NE(chart->GetSyokiSet().GetChart().GetYogoAttr().m_attrb & kLabelBold, 0);

    const std::vector<CKoutei*> p = Processes();
    ASSERT_EQ(p.size(), 3u);
    // Units of half a day from 2010-01-01: start unit 3 is 1 day in, end unit 8 is 4 days.
    EXPECT_EQ(p[0]->GetStartTime(), CTime(2010, 1, 2));
    EXPECT_EQ(p[0]->GetEndTime(), CTime(2010, 1, 5));
    EXPECT_EQ(p[0]->GetStartRow(), 1);
    EXPECT_EQ(p[0]->GetEndRow(), 5);
    EXPECT_EQ(p[0]->GetLayer(), 15);
    const CKouteiAttr& a0 = p[0]->GetLines()->GetAttr();
    EXPECT_EQ(a0.m_style, 4) << "a bend row between the ends";
    EXPECT_EQ(a0.m_type, 2);
    EXPECT_EQ(a0.m_color, COLORREF{255});
    EXPECT_EQ(a0.m_subStyle, 0);
    EXPECT_EQ(p[0]->GetStartLand()->GetShape(), 0);
    EXPECT_EQ(p[0]->GetStartLand()->GetSize(), 200);
    EXPECT_EQ(p[0]->GetEndLand()->GetShape(), 2) << "end mark 1";
    EXPECT_EQ(p[0]->GetEndLand()->GetSubStyle(), 0);
    ASSERT_EQ(p[0]->GetYogoCount(), 1);
    const CYogo& t0 = *p[0]->GetYogo(0);
    EXPECT_EQ(t0.GetLayer(), 0);
    EXPECT_EQ(t0.GetAttr().m_form, 1) << "offsets 0 and 0 stand on the line";
    EXPECT_EQ(t0.GetAttr().m_linkPosition, 0);

    // End before start: dates and rows change places, the line turned round.
    EXPECT_EQ(p[1]->GetStartTime(), CTime(2010, 1, 6));
    EXPECT_EQ(p[1]->GetEndTime(), CTime(2010, 1, 10, 12, 0, 0));
    EXPECT_EQ(p[1]->GetStartRow(), 2);
    EXPECT_EQ(p[1]->GetEndRow(), 4);
    const CKouteiAttr& a1 = p[1]->GetLines()->GetAttr();
    EXPECT_EQ(a1.m_subStyle, 2);
    EXPECT_EQ(a1.m_style, 6);
    EXPECT_EQ(p[1]->GetLines()->GetBendOffset(), 9 - 3);
    EXPECT_EQ(a1.m_type, 0);
    EXPECT_EQ(a1.m_width, 2) << "line type 5";
    // Its start node: form 2, then mark 1, then end shape 2 (form 0 and type 0x81).
    EXPECT_EQ(p[1]->GetStartLand()->GetShape(), 0);
    EXPECT_EQ(p[1]->GetStartLand()->GetSubStyle(), 0x81);
    EXPECT_EQ(p[1]->GetEndLand()->GetSubStyle(), 0x82);
    const CElemAttr& t1 = p[1]->GetYogo(0)->GetAttr();
    EXPECT_EQ(t1.m_form, 3);
    EXPECT_EQ(t1.GetOffsetY(), -100);
    // The free term moved left by its text: 3 bytes / 4 x 100 / 3.0 (the factor of a period of
    // 30 days) is 25.
    EXPECT_EQ(t1.GetOffset(), 7 * 100 / 2 - 25);
    // x 0, y 1: on the line, below it.
    EXPECT_EQ(p[2]->GetYogo(0)->GetAttr().m_form, 1);
    EXPECT_EQ(p[2]->GetYogo(0)->GetAttr().m_linkPosition, 1);
    EXPECT_EQ(p[2]->GetLines()->GetAttr().m_type, 0) << "an unknown line type";
}

TEST_F(QkrImportTest, TermPlacementMovesOnlyTheImportsProcesses) {
    CChartPos pos;
    pos.SetStartDate(CTime(2010, 4, 5));
    pos.SetEndDate(CTime(2010, 4, 9));
    std::unique_ptr<CKoutei> own = chart->CreateKoutei(&pos, TRUE);
    std::unique_ptr<CYogo> term = chart->GetTerms().CreateYogo();
    term->SetText("Mine");
    term->GetAttr().m_form = 3;
    term->GetAttr().SetOffset(500);
    own->AddYogo(term, TRUE);
    chart->AddObj(own.release(), FALSE);
    Asd asd;
    asd.period = "1000"; // a day flag of 0 and the factor 3.0
    asd.processes = {"1,3,8,0,2,6,0,2,0", "0,0,0,0,0,0,\"ABCDEFGH\",10,3"};
    ASSERT_EQ(Read(asd.Text()), 1);
    const std::vector<CKoutei*> p = Processes();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0]->GetYogo(0)->GetAttr().GetOffset(), 500);
    EXPECT_EQ(p[1]->GetYogo(0)->GetAttr().GetOffset(), 10 * 100 - 66 * 30);
}

TEST_F(QkrImportTest, RelationLinesNameTheProcessesTheyLink) {
    Asd asd;
    asd.processes = {
        "1,1,5,0,2,2,0,0,0",    // 01-01..01-05, row 2, its end node of form 1
        "0,2,0,0,0,0,\"\",0,0", //
        "0,9,12,0,2,2,0,0,0",   // 01-09..01-12, row 2
        "2,6,8,0,2,2,0,0,0",    // 01-05..01-08: between them
        "2,6,8,0,2,2,0,0,0",    // the same again: the relation line above is passed over
        "4,6,8,0,2,2,0,0,0",    // the relation style without the flag: forms only
    };
    ASSERT_EQ(Read(asd.Text()), 1);
    const std::vector<CKoutei*> p = Processes();
    ASSERT_EQ(p.size(), 5u);
    for (int i : {2, 3}) {
        EXPECT_NE(p[i]->IsRelationLine(), 0);
        EXPECT_EQ(p[i]->GetLines()->GetAttr().m_style, 5);
        EXPECT_EQ(p[i]->GetStartLandNo(), p[0]->GetSeqNumber()) << i;
        EXPECT_EQ(p[i]->GetEndLandNo(), p[1]->GetSeqNumber()) << i;
    }
    EXPECT_EQ(p[4]->IsRelationLine(), 0);
    EXPECT_EQ(p[4]->GetLines()->GetAttr().m_style, 5);
    EXPECT_TRUE(p[4]->GetStartLandNo().IsNull());
    EXPECT_EQ(p[4]->GetStartLand()->GetShape(), 1) << "the predecessor's end node form";
    EXPECT_EQ(p[2]->GetStartLand()->GetShape(), 1);
}

TEST_F(QkrImportTest, ItemsAndEvents) {
    Asd asd;
    asd.itemFont = "\"Item Face\"";
    asd.items = {"1,\"Left\",0,0,1,0", "2,\"Right\",0,0,0,1", "3,\"Centre\",0,0,0,2"};
    asd.eventRow = 4;
    asd.events = {"2010,2", "32,\"One\",\"\"", "33,\"First\",\"Second\"", "2011,1",
                  "1,\"Next year\",\"\""};
    ASSERT_EQ(Read(asd.Text()), 1);
    EXPECT_EQ(chart->GetSyokiSet().GetChart().GetKoumokuAttr().GetLogFont().FaceName(),
              "Item Face");
    struct Cell {
        int row;
        const char* text;
        WORD format;
        WORD flags;
    };
    for (const Cell& c : {Cell{0, "Left", CKoumokuData::kLeft, CKoumokuData::kBold},
                          {1, "Right", CKoumokuData::kRight, 0},
                          {2, "Centre", CKoumokuData::kCenter, 0}}) {
        const CKoumokuData* cell = chart->GetKoumokuCells().GetKoumokuCell(c.row, 0);
        ASSERT_NE(cell, nullptr) << c.text;
        EXPECT_EQ(cell->GetText(), c.text);
        EXPECT_EQ(cell->GetFormat(), c.format) << c.text;
        EXPECT_EQ(cell->GetFlags(), c.flags) << c.text;
        EXPECT_EQ(cell->GetSize(), 0x0101);
    }
    const std::vector<CEvent*> e = Events();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0]->GetText(), "One");
    EXPECT_EQ(e[0]->GetStartDate(), CTime(2010, 2, 1));
    EXPECT_EQ(e[0]->GetStartRow(), 3);
    EXPECT_EQ(e[0]->GetForm(), 1);
    EXPECT_EQ(e[0]->GetStyle(), kEventVertical);
    EXPECT_EQ(e[0]->GetOffsetX(), 50);
    EXPECT_EQ(e[0]->GetLayer(), 15);
    // Two texts: two events side by side.
    EXPECT_EQ(e[1]->GetText(), "First");
    EXPECT_EQ(e[1]->GetForm(), 0);
    EXPECT_EQ(e[1]->GetOffsetX(), 0);
    EXPECT_EQ(e[2]->GetText(), "Second");
    EXPECT_EQ(e[2]->GetForm(), 0);
    EXPECT_EQ(e[2]->GetOffsetX(), 50);
    EXPECT_EQ(e[2]->GetStartDate(), CTime(2010, 2, 2));
    EXPECT_EQ(e[3]->GetStartDate(), CTime(2011, 1, 1));
}

TEST_F(QkrImportTest, LinesTheChartCannotHoldAreLeftOutAndTold) {
    Asd asd;
    asd.year = 1985;
    asd.processes = {"3,1,5,0,1,1,1,0,0", // 1985: before the calendar
                     "1,3000,3010,0,0,1,1,0,0", "0,0,0,0,0,0,\"T\",0,0", // row 0, its term line
                     "3,3000,3010,0,1,1,1,0,0"};
    asd.items = {"0,\"No row\",0,0,0,0", "1,\"Row 1\",0,0,0,0"};
    asd.events = {"1985,1", "5,\"Too early\",\"\"", "2010,1", "5,\"Fine\",\"\""};
    asd.eventRow = 1;
    ASSERT_EQ(Read(asd.Text()), 1);
    EXPECT_EQ(Processes().size(), 1u);
    EXPECT_EQ(Events().size(), 1u);
    EXPECT_EQ(chart->GetKoumokuCells().GetKoumokuCell(0, 0)->GetText(), "Row 1");
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_NE(MessageTexts()[0].find("4 件"), std::string::npos) << MessageTexts()[0];
}

TEST_F(QkrImportTest, AFileThatEndsEarlyKeepsWhatWasRead) {
    Asd asd;
    asd.processes = {"3,1,5,0,1,1,1,0,0", "3,6,9,0,1,1,1,0,0"};
    std::string text = asd.Text();
    text.resize(text.find("-9999"));
    const CTime end = chart->GetSyokiSet().GetEndDate();
    ASSERT_EQ(Read(text), 1);
    EXPECT_EQ(Processes().size(), 2u);
    EXPECT_EQ(chart->GetSyokiSet().GetEndDate(), end) << "no period line was read";
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_NE(MessageTexts()[0].find("途中"), std::string::npos);
}

TEST_F(QkrImportTest, TheCommandAsksForThePartsAndTheFile) {
    Asd asd;
    asd.processes = {"3,1,5,0,1,1,1,0,0"};
    const auto path = files.Write("plan.ASD", asd.Text());
    DWORD offered = 0;
    ui->OnDialog("QkrImportSelect", [&](DialogRequest& r) {
        auto& select = static_cast<QkrImportSelectRequest&>(r);
        offered = select.flags;
        select.flags = kQkrProcesses | kQkrCalendar;
        return IDOK;
    });
    FileDialogRequest::Filter filter = FileDialogRequest::Filter::Charts;
    ui->OnDialog("FileDialog", [&](DialogRequest& r) {
        auto& file = static_cast<FileDialogRequest&>(r);
        filter = file.filter;
        EXPECT_TRUE(file.open);
        file.path = path.string();
        return IDOK;
    });
    chart->SetModifiedFlag(FALSE);
    OnQkrAsciiImport(*chart);
    EXPECT_EQ(offered, DWORD{0x9D});
    EXPECT_EQ(filter, FileDialogRequest::Filter::QkrAscii);
    EXPECT_EQ(Processes().size(), 1u);
    EXPECT_TRUE(chart->IsModified());

    // Nothing chosen, or a file that is no QKR file: nothing changes.
    ui->OnDialog("QkrImportSelect", [](DialogRequest& r) {
        static_cast<QkrImportSelectRequest&>(r).flags = 0;
        return IDOK;
    });
    chart->SetModifiedFlag(FALSE);
    OnQkrAsciiImport(*chart);
    EXPECT_FALSE(chart->IsModified());
    ui->OnDialog("QkrImportSelect", [](DialogRequest&) { return IDOK; });
    files.Write("plan.ASD", "not a schedule");
    OnQkrAsciiImport(*chart);
    EXPECT_FALSE(chart->IsModified());
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_QKR_NOT_QKR});
}

TEST(AsciiLineFileTest, LinesComeWithoutTheirEndsAndCutToTheirLength) {
    test::TempDir dir;
    const auto path = dir.Write("lines.txt", "one\r\ntwo\nthree\r" + std::string(600, 'x') + "\n" +
                                                 test::J("全角") + "\n\nlast");
    CAsciiLineFile file;
    ASSERT_TRUE(file.Open(path, CAsciiLineFile::modeRead));
    std::string line;
    std::vector<std::string> lines;
    while (file.ReadLine(line, 511)) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "one");
    EXPECT_EQ(lines[1], "two");
    EXPECT_EQ(lines[2], "three\r" + std::string(505, 'x')) << "a CR inside the line stays";
    EXPECT_EQ(lines[3], test::J("全角"));
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "last");
    // A double-byte character is not cut in two.
    CAsciiLineFile again;
    ASSERT_TRUE(again.Open(path, CAsciiLineFile::modeRead));
    for (int i = 0; i < 4; ++i) {
        again.ReadLine(line, 3);
    }
    EXPECT_EQ(line, test::J("全"));

    // Written lines end with CR LF; a file that cannot be opened says so.
    CAsciiLineFile out;
    ASSERT_TRUE(out.Open(dir.File("out.txt"), CAsciiLineFile::modeWrite));
    out.WriteString("a\nb\n");
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(test::TempDir::Read(dir.File("out.txt")), "a\r\nb\r\n");
    test::ScopedUi ui;
    CAsciiLineFile missing;
    EXPECT_FALSE(missing.Open(dir.File("none.txt"), CAsciiLineFile::modeRead));
    EXPECT_EQ(ui->MessageBoxes().size(), 1u);
}

} // namespace
} // namespace tembra
