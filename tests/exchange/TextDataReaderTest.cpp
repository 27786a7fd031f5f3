// Text data files: the field splitter and conversions, the header line, every record line, and
// the question a bad line asks.
#include "exchange/TextDataReader.h"
#include "ExchangeFixture.h"
#include "document/RecordCast.h"
#include "model/Calendar.h"
#include "print/PrNewText.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::J;
using Fields = CTextDataReader::Fields;

// The heights of the table's levels.
std::vector<WORD> Heights(const CKoumoku& table) {
    std::vector<WORD> heights;
    for (int level = 0; level < table.GetLevelCount(); ++level) {
        heights.push_back(table.GetLevelHeight(level));
    }
    return heights;
}

class TextDataTest : public test::ExchangeFixture {
protected:
    // Opens the text as a ".psv" file; null when the load failed.
    std::unique_ptr<CTembraDoc> Load(const std::string& text) {
        return Open(files.Write("T" + std::to_string(++m_files) + ".psv", text));
    }
    static std::string File(const std::string& body) { return "0,TEMBRA_TXT,1\r\n" + body; }

    std::vector<CKoutei*> Processes(CTembraDoc& document) {
        std::vector<CKoutei*> found;
        for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
            if (CKoutei* p = AsKoutei(document.GetNextObj(pos))) {
                found.push_back(p);
            }
        }
        return found;
    }
    std::vector<CEvent*> Events(CTembraDoc& document) {
        std::vector<CEvent*> found;
        for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
            if (CEvent* e = AsEvent(document.GetNextObj(pos))) {
                found.push_back(e);
            }
        }
        return found;
    }

private:
    int m_files = 0;
};

// ---- Fields -------------------------------------------------------------------------------------

TEST(TextDataFieldsTest, TheSplitterHonoursQuotes) {
    struct Case {
        const char* line;
        Fields fields;
    };
    for (const Case& c :
         {Case{"a,b", {"a", "b"}}, Case{"\"a,b\"", {"a,b"}}, Case{"\"x\"\"y\"", {"x\"y"}},
          Case{"\"\"", {""}}, Case{"a,,b,", {"a", "", "b", ""}}, Case{"", {""}},
          Case{"1,\"2,3\",4", {"1", "2,3", "4"}}}) {
        EXPECT_EQ(CTextDataReader::SplitFields(c.line, ','), c.fields) << c.line;
    }
    // The second byte of a double-byte character is never a separator.
    const std::string text = J("表,示");
    EXPECT_EQ(CTextDataReader::SplitFields(text, ','), (Fields{J("表"), J("示")}));
}

TEST(TextDataFieldsTest, StrictAndPlainIntegers) {
    for (const auto& [field, strict, plain] : {std::tuple{"1", 1, 1},
                                               {"0", 0, 0},
                                               {"-5", -5, -5},
                                               {"01", -1, 1},
                                               {"+1", -1, 1},
                                               {" 1", -1, 1},
                                               {"1 ", -1, 1},
                                               {"", -1, 0},
                                               {"1a", -1, 1},
                                               {"-0", -1, 0},
                                               {"99999999999", -1, 2147483647},
                                               {"abc", -1, 0}}) {
        EXPECT_EQ(CTextDataReader::ParseInt(field), strict) << "'" << field << "'";
        EXPECT_EQ(CTextDataReader::PlainInt(field), plain) << "'" << field << "'";
    }
}

TEST(TextDataFieldsTest, DatesRowsColoursAndFonts) {
    CTime date;
    EXPECT_TRUE(CTextDataReader::ParseDate("2000/2/29", date));
    EXPECT_EQ(date, CTime(2000, 2, 29));
    EXPECT_TRUE(CTextDataReader::ParseDate("1991/1/1", date));
    EXPECT_TRUE(CTextDataReader::ParseDate("2020/12/31", date));
    EXPECT_TRUE(CTextDataReader::ParseDate("2021/1/1", date));
    EXPECT_TRUE(CTextDataReader::ParseDate("2037/12/31", date));
    EXPECT_EQ(date, CTime(2037, 12, 31));
    for (const char* bad : {"1999/2/29", "1990/1/1", "2038/1/1", "2000/13/1", "2000/4",
                            "2000/4/1/2", "2000-04-01", ""}) {
        EXPECT_FALSE(CTextDataReader::ParseDate(bad, date)) << bad;
    }
    int row = -1;
    EXPECT_TRUE(CTextDataReader::ParseRow("1", 10000, row));
    EXPECT_EQ(row, 0);
    EXPECT_TRUE(CTextDataReader::ParseRow("10000", 10000, row));
    EXPECT_FALSE(CTextDataReader::ParseRow("10001", 10000, row));
    EXPECT_FALSE(CTextDataReader::ParseRow("0", 10000, row));
    EXPECT_FALSE(CTextDataReader::ParseRow("151", 150, row));

    for (const auto& [field, color] : {std::pair{"yellow", COLORREF{0x00FFFF}},
                                       {"BLACK", 0x000000},
                                       {"Red", 0x0000FF},
                                       {"cyan", 0xFFFF00},
                                       {"255", 255},
                                       {"16777215", 0xFFFFFF},
                                       {"abc", 0}}) {
        COLORREF value = 1;
        EXPECT_TRUE(CTextDataReader::ParseColor(field, value)) << field;
        EXPECT_EQ(value, color) << field;
    }
    for (const char* bad : {"16777216", "-1"}) {
        COLORREF value = 0;
        EXPECT_FALSE(CTextDataReader::ParseColor(bad, value)) << bad;
    }

    LOGFONT font;
    CTextDataReader::ParseFontName("0", font);
    EXPECT_EQ(font.FaceName(), J("ＭＳ 明朝"));
    CTextDataReader::ParseFontName("1", font);
    EXPECT_EQ(font.FaceName(), J("ＭＳ ゴシック"));
    CTextDataReader::ParseFontName(std::string(40, 'F'), font);
    EXPECT_EQ(font.FaceName(), std::string(31, 'F'));
    EXPECT_TRUE(CTextDataReader::ParseCharSize("999", font));
    EXPECT_EQ(font.lfHeight, -999);
    EXPECT_FALSE(CTextDataReader::ParseCharSize("1000", font));
    EXPECT_FALSE(CTextDataReader::ParseCharSize("0", font));
}

// ---- The header line ----------------------------------------------------------------------------

TEST_F(TextDataTest, TheHeaderLine) {
    struct Case {
        const char* text;
        bool accepted;
    };
    for (const Case& c : {Case{"0,TEMBRA_TXT,1\n", true},
                          {"0,KELVA_TXT,0\n", true},
                          {"; comment\n\n  0,TEMBRA_TXT,9999,more\n", true},
                          {"0,TEMBRA_TXT,10000\n", false},
                          {"00,TEMBRA_TXT,1\n", false},
                          {"0,tembra_txt,1\n", false},
                          {"0,TEMBRA_TXT\n", false},
                          {"0,TEMBRA_TXT,-1\n", false},
                          {"; only\n", false}}) {
        ui->ClearRecords();
        auto document = Load(c.text);
        EXPECT_EQ(document != nullptr, c.accepted) << c.text;
        EXPECT_EQ(Messages(), c.accepted ? std::vector<UINT>{} : std::vector<UINT>{5167}) << c.text;
    }
}

// ---- Record lines -------------------------------------------------------------------------------

TEST_F(TextDataTest, ABadLineAsksWithItsNumberAndNoStopsTheLoad) {
    const std::string text = File(";c\n\n9,9,x\n1,2,20\n3,9\n");
    ui->QueueAnswer(IDYES);
    ui->QueueAnswer(IDYES);
    auto document = Load(text);
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(Messages(), (std::vector<UINT>{5168, 5168}));
    EXPECT_EQ(MessageTexts()[0], "4 行目の記述に誤りがあります。この行を無視し、読み込みを続行しま"
                                 "すか？\n\n<詳細>\n9,9,x");
    EXPECT_EQ(ui->MessageBoxes()[0].type & MB_TYPEMASK, MB_YESNO);
    EXPECT_NE(MessageTexts()[1].find("6 行目"), std::string::npos);
    EXPECT_EQ(document->GetSyokiSet().GetLastRow(), 19);

    ui->ClearRecords();
    ui->QueueAnswer(IDNO);
    EXPECT_EQ(Load(text), nullptr);
    EXPECT_EQ(Messages(), std::vector<UINT>{5168});
}

TEST_F(TextDataTest, LinesThatBreakARule) {
    const char* const bad[] = {
        "01,2,20",                                // a kind written 01
        "1,2,151",                                // more than 150 rows
        "1,0,A5",                                 // no such paper
        "1,1,2000/4/1,2000/4/10,2",               // a flag other than 0 and 1
        "1,3,1990/1/1",                           // a holiday before the calendar
        "1,4,2,10",                               // no such unit
        "1,4,1,0",                                // no width
        "2,2,x",                                  // no such header text
        "3,0,0,2000/4/1,2000/4/5,1,1,1,0,0",      // fields missing (7 and 10 needed)
        "3,0,10,2000/4/1,2000/4/5,1,1,1,0,0,0,0", // no such style
        "3,0,4,2000/4/1,2000/4/5,1,1,0,0,0,0,0",  // a gate without its label row
        "3,0,6,2000/4/1,2000/4/5,1,1,1,0,0,9,0",  // no such fill
        "4,0,2000/4/1,1,0,10,E,3,0,0,0,0,0",      // no such alignment
        "4,0,2000/4/1,1,0,0,E,0,0,0,0,0,0",       // a size of 0
        "5,0,11",                                 // eleven levels
        "5,1,1,11,0,10,x,0,0,0,0",                // column 11
        "5,1,1,1,0,10,x,0,3,0,0",                 // no such vertical position
    };
    for (const char* line : bad) {
        ui->ClearRecords();
        ui->QueueAnswer(IDYES);
        auto document = Load(File(std::string(line) + "\n"));
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(Messages(), std::vector<UINT>{5168}) << line;
    }
}

TEST_F(TextDataTest, PeriodAndHolidays) {
    // Flag 1 clears the holiday marks from the start up to, not including, the end.
    auto document = Load(File("1,3,2000/4/1,2000/4/8,2000/4/10\n"
                              "1,1,2000/4/1,2000/4/10,1\n"));
    ASSERT_NE(document, nullptr);
    const CCalendar& calendar = document->GetWorkCalendar();
    for (int day = 1; day <= 9; ++day) {
        EXPECT_FALSE(calendar.IsHoliday(CTime(2000, 4, day))) << day;
    }
    EXPECT_TRUE(calendar.IsHoliday(CTime(2000, 4, 10)));
    EXPECT_EQ(document->GetSyokiSet().GetStartDate(), CTime(2000, 4, 1));
    EXPECT_EQ(document->GetSyokiSet().GetEndDate(), CTime(2000, 4, 10));

    // Holidays: empty fields are skipped; a start after the end is swapped.
    auto marked = Load(File("1,1,2000/4/1,2000/4/10,1\n"
                            "1,1,1999/6/30,1999/5/1,0\n"
                            "1,3,1999/5/3,,1999/5/5\n"));
    ASSERT_NE(marked, nullptr);
    const CCalendar& cal = marked->GetWorkCalendar();
    EXPECT_TRUE(cal.IsHoliday(CTime(1999, 5, 3)));
    EXPECT_TRUE(cal.IsHoliday(CTime(1999, 5, 5)));
    EXPECT_EQ(marked->GetSyokiSet().GetStartDate(), CTime(1999, 5, 1));
    EXPECT_EQ(marked->GetSyokiSet().GetEndDate(), CTime(1999, 6, 30));
    EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(MessageTexts());

    // A bad date on a holiday line leaves the days before it marked.
    ui->QueueAnswer(IDYES);
    auto partly = Load(File("1,1,2010/4/1,2010/6/30,1\n1,3,2010/4/6,1990/1/1,2010/4/8\n"));
    ASSERT_NE(partly, nullptr);
    EXPECT_TRUE(partly->GetWorkCalendar().IsHoliday(CTime(2010, 4, 6)));
    EXPECT_FALSE(partly->GetWorkCalendar().IsHoliday(CTime(2010, 4, 8)));
}

TEST_F(TextDataTest, PaperRowsWidthAndHeaderTexts) {
    auto document = Load(File("1,0,A3TATE\n1,2,25\n1,4,0,20\n2,0,\"Title, with comma\"\n"
                              "2,1,Site\n"));
    ASSERT_NE(document, nullptr);
    const CSyokiSet& s = document->GetSyokiSet();
    EXPECT_EQ(s.GetPageSetting().GetPaper(), 3);
    EXPECT_EQ(s.GetPageSetting().GetMuki(), 1);
    EXPECT_EQ(s.GetLastRow(), 24);
    EXPECT_EQ(s.GetPageSetting().GetLeftWidth(), s.GetPageSetting().GetPaperSize().cx * 20 / 100);
    EXPECT_EQ(document->GetPrHeader().GetTitleText(), "Title, with comma");
    EXPECT_EQ(document->GetPrHeader().FindElementByText(J("作業所名"))->GetContents(), "Site");

    // An absolute width of more than half the paper is refused.
    ui->QueueAnswer(IDYES);
    auto wide = Load(File("1,4,1,100000\n"));
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(Messages(), std::vector<UINT>{5168});
}

TEST_F(TextDataTest, ProcessesNodesAndTerms) {
    auto document =
        Load(File("3,1,0,0,100,Red,0,0,100,Red\n" // before any process: taken, nothing done
                  "3,0,2,2000/4/3,2000/4/7,2,5,9,1,2,3,Red\n"
                  "3,1,8,1,1000,Green,13,0,65537,Blue\n"
                  "3,2,1,12,\"Term, one\",2,1,1,0,1,1,1,yellow\n"
                  "3,0,4,2000/4/3,2000/4/7,2,5,9,0,0,0,0\n"
                  "3,0,7,2000/4/3,2000/4/7,2,5,0,5,1,6,255\n"));
    ASSERT_NE(document, nullptr);
    // The end node's size of 65537 makes the nodes line bad (its start node is changed).
    ASSERT_EQ(Messages(), std::vector<UINT>{5168});
    const std::vector<CKoutei*> processes = Processes(*document);
    ASSERT_EQ(processes.size(), 3u);
    const CKoutei& crank = *processes[0];
    EXPECT_EQ(crank.GetStartTime(), CTime(2000, 4, 3));
    EXPECT_EQ(crank.GetEndRow(), 4);
    const CKouteiAttr& a = crank.GetLines()->GetAttr();
    EXPECT_EQ(a.m_style, 4);
    EXPECT_EQ(a.m_type, 1);
    EXPECT_EQ(a.m_width, 2);
    EXPECT_EQ(a.m_color, RGB(255, 0, 0));
    EXPECT_EQ(crank.GetStartLand()->GetShape(), 8);
    EXPECT_EQ(crank.GetStartLand()->GetSubStyle(), 0x80);
    EXPECT_EQ(crank.GetStartLand()->GetSize(), 1000);
    EXPECT_EQ(crank.GetStartLand()->GetAttr().m_color, RGB(0, 255, 0));
    ASSERT_EQ(crank.GetYogoCount(), 1);
    const CYogo& term = *crank.GetYogo(0);
    EXPECT_EQ(term.GetText(), "Term, one");
    EXPECT_EQ(term.GetLogFont().FaceName(), J("ＭＳ ゴシック"));
    EXPECT_EQ(term.GetLogFont().lfHeight, -12);
    EXPECT_EQ(term.GetAttr().m_ownFont, 1);
    EXPECT_EQ(term.GetDateKind(), 2) << "word A";
    EXPECT_EQ(term.GetAttr().m_linkPosition, 1) << "word B";
    EXPECT_EQ(term.GetAttr().m_form, 1);
    EXPECT_EQ(term.GetAttr().m_attrb, 0x2 | 0x4 | 0x1000);
    EXPECT_EQ(term.GetAttr().m_color, COLORREF{0x00FFFF});
    // A gate takes its label row; the fill counts from style 6 on.
    EXPECT_EQ(processes[1]->GetLines()->GetAttr().m_style, 6);
    EXPECT_EQ(processes[1]->GetLines()->GetBendOffset(), 7);
    EXPECT_EQ(processes[2]->GetLines()->GetAttr().m_style, 0x280);
    EXPECT_EQ(processes[2]->GetLines()->GetAttr().m_hatch, 2);
    EXPECT_EQ(processes[2]->GetLines()->GetAttr().m_type, 5);
    EXPECT_EQ(processes[2]->GetLines()->GetAttr().m_width, 0);
}

TEST_F(TextDataTest, RelationLinesNameTheProcessesTheyLink) {
    auto document = Load(File("3,0,2,2000/4/3,2000/4/7,2,2,0,0,0,0,0\n"
                              "3,1,3,0,150,0,5,0,250,0\n"
                              "3,0,2,2000/4/10,2000/4/14,4,4,0,0,0,0,0\n"
                              "3,1,7,0,100,0,9,0,300,0\n"
                              "3,0,5,2000/4/7,2000/4/10,2,4,0,0,0,0,0\n"));
    ASSERT_NE(document, nullptr);
    const std::vector<CKoutei*> processes = Processes(*document);
    ASSERT_EQ(processes.size(), 3u);
    const CKoutei& relation = *processes[2];
    EXPECT_NE(relation.IsRelationLine(), 0);
    EXPECT_EQ(relation.GetLines()->GetAttr().m_style, 5);
    EXPECT_EQ(relation.GetStartLandNo(), processes[0]->GetSeqNumber());
    EXPECT_EQ(relation.GetEndLandNo(), processes[1]->GetSeqNumber());
    EXPECT_FALSE(relation.GetStartLandNo().IsNull());
    EXPECT_EQ(relation.GetStartLand()->GetShape(), 5) << "the predecessor's end node";
    EXPECT_EQ(relation.GetStartLand()->GetSize(), 250);
    EXPECT_EQ(relation.GetEndLand()->GetShape(), 7) << "the successor's start node";
    EXPECT_EQ(relation.GetEndLand()->GetSize(), 100);
    // Relation lines are passed over by their flag: an earlier relation line is, a slanted
    // process (whose style 5 a relation line shares) is not.
    auto chained = Load(File("3,0,3,2000/4/3,2000/4/7,2,2,0,0,0,0,0\n"
                             "3,0,5,2000/4/7,2000/4/7,2,2,0,0,0,0,0\n"
                             "3,0,2,2000/4/7,2000/4/9,2,2,0,0,0,0,0\n"
                             "3,0,5,2000/4/7,2000/4/7,2,2,0,0,0,0,0\n"));
    ASSERT_NE(chained, nullptr);
    const std::vector<CKoutei*> chain = Processes(*chained);
    ASSERT_EQ(chain.size(), 4u);
    EXPECT_EQ(chain[3]->GetStartLandNo(), chain[0]->GetSeqNumber());
    EXPECT_EQ(chain[3]->GetEndLandNo(), chain[2]->GetSeqNumber());
}

TEST_F(TextDataTest, EventsAndItems) {
    auto document = Load(File("4,0,2000/4/5,3,Gothic,20,\"Event\",2,1,1,1,0,Magenta\n"
                              "5,0,3,30,30\n"
                              "5,1,2,3,0,14,Cell,1,0,1,Cyan\n"
                              "5,1,2,3,0,16,Again,2,2,0,0\n"));
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(Events(*document).size(), 1u);
    const CEvent& event = *Events(*document)[0];
    EXPECT_EQ(event.GetStartDate(), CTime(2000, 4, 5, 12, 0, 0)) << "noon of the day";
    EXPECT_EQ(event.GetStartRow(), 2);
    EXPECT_EQ(event.GetText(), "Event");
    EXPECT_EQ(event.GetLogFont().FaceName(), "Gothic");
    EXPECT_EQ(event.GetLogFont().lfHeight, -20);
    EXPECT_TRUE(event.HasOwnFont());
    EXPECT_EQ(event.GetForm(), 2);
    EXPECT_EQ(event.GetStyle(), 0x2 | 0x1 | 0x4);
    EXPECT_EQ(event.GetColor(), COLORREF{0xFF00FF});

    const CKoumoku& table = document->GetKoumokuTable();
    EXPECT_EQ(table.GetLevelCount(), 3);
    EXPECT_EQ(Heights(table), (std::vector<WORD>{30, 30, 40}));
    const CKoumokuData* cell = document->GetKoumokuCells().GetKoumokuCell(1, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetText(), "Again") << "the second line takes the same cell";
    EXPECT_EQ(cell->GetFormat(), 2);
    EXPECT_EQ(cell->GetFlags(), CKoumokuData::kBottom);
    EXPECT_EQ(cell->GetOwnFont(), 1);
    EXPECT_EQ(cell->GetLogFont().lfHeight, -16);
}

TEST_F(TextDataTest, ItemLevelsKeepNoHeightsThatDoNotAddUp) {
    struct Case {
        const char* line;
        int levels;
        std::vector<WORD> heights; // empty: the table's own division
    };
    for (const Case& c : {Case{"5,0,3,30,30", 3, {30, 30, 40}},
                          {"5,0,3,60,50", 3, {}},
                          {"5,0,3,30", 3, {}},
                          {"5,0,3,30,", 3, {}},
                          {"5,0,3,0,30", 3, {}},
                          {"5,0,2,-20", 2, {}},
                          {"5,0,1", 1, {100}}}) {
        auto document = Load(File(std::string(c.line) + "\n"));
        ASSERT_NE(document, nullptr);
        EXPECT_TRUE(Messages().empty()) << c.line;
        CKoumoku divided;
        divided.SetLevelCount(c.levels);
        const CKoumoku& table = document->GetKoumokuTable();
        EXPECT_EQ(table.GetLevelCount(), c.levels) << c.line;
        EXPECT_EQ(Heights(table), c.heights.empty() ? Heights(divided) : c.heights) << c.line;
    }
}

} // namespace
} // namespace tembra
