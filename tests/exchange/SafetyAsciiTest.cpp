// The safety-management ASCII file (*.akd): whole files of small charts, the texts of its
// fields, the places of terms and events measured outside the chart's window, the name proposed
// and the command's refusals.
#include "ExchangeFixture.h"
#include "document/DocFileRequests.h"
#include "exchange/SafetyAsciiExport.h"
#include "model/Calendar.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <regex>

namespace tembra {
namespace {

using test::J;

// The lines of the file's text (CP932 to UTF-8), CR LF line ends.
std::vector<std::string> Lines(const std::string& cp932) {
    std::vector<std::string> lines;
    std::string line;
    const std::string text = Sjis::ToUtf8(cp932);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            lines.push_back(line);
            line.clear();
            ++i;
        } else {
            EXPECT_NE(text[i], '\n') << "a line feed without its carriage return";
            line += text[i];
        }
    }
    EXPECT_TRUE(line.empty()) << "the last line ends with CR LF";
    return lines;
}

const std::vector<std::string> kHead = {"\"ＶＯＲＬＡＮ アスキーデータ １．００\"", "",
                                        "\"$CALENDAR$\"", "\"1991/01/01\"", "\"2020/12/31\""};

class SafetyAsciiTest : public test::ExchangeFixture {
protected:
    // A chart without holidays, of 2010-04-01 to 2010-05-10.
    std::unique_ptr<CTembraDoc> EmptyChart() {
        auto document = NewChart();
        document->GetWorkCalendar().Clear();
        document->GetSyokiSet().SetStartDate(CTime(2010, 4, 1));
        document->GetSyokiSet().SetEndDate(CTime(2010, 5, 10));
        return document;
    }
    std::vector<std::string> Export(CTembraDoc& document) {
        const auto path = files.File("out.akd");
        EXPECT_TRUE(ExportSafetyAscii(document, path));
        return Lines(test::TempDir::Read(path));
    }
};

TEST_F(SafetyAsciiTest, AChartWithoutHolidaysOrObjects) {
    auto document = EmptyChart();
    std::vector<std::string> expected = kHead;
    for (const char* line :
         {"", "\"-9999\"", "", "\"$KOUMOKU$\"", "-9999", "", "\"$KOUTEI$\"", "\"-9999\"",
          "\"-9999\"", "-9999", "\"-9999\"", "", "\"$GYOUJI$\"", "\"-9999\"", ""}) {
        expected.push_back(line);
    }
    EXPECT_EQ(Export(*document), expected);
}

TEST_F(SafetyAsciiTest, HolidaysGoFiveALine) {
    struct Case {
        std::vector<CTime> holidays;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {{CTime(1991, 1, 1), CTime(1995, 3, 2), CTime(2000, 1, 1), CTime(2010, 4, 4),
          CTime(2010, 4, 5)},
         {"\"1991/01/01\",\"1995/03/02\",\"2000/01/01\",\"2010/04/04\",\"2010/04/05\",", ""}},
        {{CTime(2000, 1, 1), CTime(2020, 12, 31)}, {"\"2000/01/01\",\"2020/12/31\""}},
        {{CTime(2020, 12, 27), CTime(2020, 12, 28), CTime(2020, 12, 29), CTime(2020, 12, 30),
          CTime(2020, 12, 31)},
         {"\"2020/12/27\",\"2020/12/28\",\"2020/12/29\",\"2020/12/30\",\"2020/12/31\""}},
        {{CTime(2001, 1, 1), CTime(2001, 1, 2), CTime(2001, 1, 3), CTime(2001, 1, 4),
          CTime(2001, 1, 5), CTime(2001, 1, 6)},
         {"\"2001/01/01\",\"2001/01/02\",\"2001/01/03\",\"2001/01/04\",\"2001/01/05\",",
          "\"2001/01/06\","}},
    };
    for (const Case& c : cases) {
        auto document = EmptyChart();
        for (const CTime& day : c.holidays) {
            document->GetWorkCalendar().SetDayFlag(day.GetTime(), 32);
        }
        const std::vector<std::string> lines = Export(*document);
        std::vector<std::string> between(lines.begin() + static_cast<long>(kHead.size()),
                                         lines.end());
        between.resize(c.lines.size() + 1);
        std::vector<std::string> expected = c.lines;
        expected.push_back("\"-9999\"");
        EXPECT_EQ(between, expected) << c.holidays.size();
    }
}

TEST_F(SafetyAsciiTest, AChartAfter2020WritesItsOwnCalendarWindow) {
    // Sundays off; the chart's dates need the window of 1998 to 2027.
    auto document = NewChart();
    document->GetSyokiSet().SetStartDate(CTime(2026, 4, 1));
    document->GetSyokiSet().SetEndDate(CTime(2027, 3, 31));
    const std::vector<std::string> lines = Export(*document);
    ASSERT_GT(lines.size(), 6u);
    EXPECT_EQ(lines[2], "\"$CALENDAR$\"");
    EXPECT_EQ(lines[3], "\"1998/01/01\"");
    EXPECT_EQ(lines[4], "\"2027/12/31\"");
    EXPECT_EQ(lines[5].substr(0, 14), "\"1998/01/04\",\"") << "the window's first Sunday";
    const auto end = std::find(lines.begin(), lines.end(), "\"-9999\"");
    ASSERT_NE(end, lines.end());
    std::string holidays;
    for (auto line = lines.begin() + 5; line != end; ++line) {
        holidays += *line;
    }
    EXPECT_EQ(holidays.substr(holidays.size() - 13), "\"2027/12/26\",") << "the last Sunday";
}

TEST_F(SafetyAsciiTest, OneOfEverything) {
    auto document = EmptyChart();
    document->GetWorkCalendar().SetDayFlag(CTime(2010, 4, 29).GetTime(), 32);
    document->GetKoumokuCells().CreateKoumokuData(2, 1)->SetText(J("仮設\"足場\""));
    document->GetKoumokuCells().CreateKoumokuData(0, 1)->SetText("");
    document->GetKoumokuCells().CreateKoumokuData(1, 0)->SetText("A");
    document->GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, J("鳶工")));
    CChartPos pos;
    pos.SetStartDate(CTime(2010, 4, 5, 8, 0, 0));
    pos.SetEndDate(CTime(2010, 4, 15, 17, 30, 0));
    pos.SetStartRow(2);
    pos.SetEndRow(6);
    std::unique_ptr<CKoutei> process = document->CreateKoutei(&pos, TRUE);
    CKouteiAttr& attr = process->GetLines()->GetAttr();
    attr.m_style = 0x180;
    attr.m_type = 3;
    attr.m_width = 2;
    process->GetLines()->SetBendOffset(-2);
    process->SetSpareDays(CTimeSpan(3, 5, 0, 0));
    std::unique_ptr<CYogo> term = document->GetTerms().CreateYogo();
    term->SetText(J("型枠\r\n組立"));
    term->GetAttr().m_attrb = kLabelBold;
    process->AddYogo(term, TRUE);
    auto resources = CChartResources::CreateShigen();
    resources->AddShigenData(std::make_unique<CShigenData>(1, 12));
    process->SetShigen(std::move(resources));
    document->AddObj(process.release(), FALSE);
    std::unique_ptr<CEvent> event = document->GetEvents().CreateEvent();
    event->SetStartDate(CTime(2010, 4, 20, 12, 0, 0));
    event->SetStartRow(7);
    event->SetText("E");
    document->AddObj(event.release(), FALSE);

    const std::vector<std::string> lines = Export(*document);
    ASSERT_EQ(lines.size(), 27u) << ::testing::PrintToString(lines);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5), kHead);
    EXPECT_EQ(lines[5], "\"2010/04/29\",");
    EXPECT_EQ(lines[6], "\"-9999\"");
    // Items column by column; an empty cell has no line; a quote becomes the full-width one.
    EXPECT_EQ(lines[8], "\"$KOUMOKU$\"");
    EXPECT_EQ(lines[9], "2,1,\"A\"");
    EXPECT_EQ(lines[10], "3,2,\"仮設＂足場＂\"");
    EXPECT_EQ(lines[11], "-9999");
    EXPECT_EQ(lines[13], "\"$KOUTEI$\"");
    EXPECT_EQ(lines[14], "\"鳶工\"");
    EXPECT_EQ(lines[15], "\"-9999\"");
    EXPECT_EQ(lines[16], "\"2010/04/05\",\"08:00\",3,\"2010/04/15\",\"17:30\",7,-2,3,3,2,5");
    // The term: its place on the chart, its text on one line, bold.
    const std::regex termLine(
        R"re("2010/04/(0[5-9]|1[0-5])","\d\d:\d\d",[2-7]\.\d,"型枠  組立",1)re");
    EXPECT_TRUE(std::regex_match(lines[17], termLine)) << lines[17];
    EXPECT_EQ(lines[18], "\"-9999\"");
    EXPECT_EQ(lines[19], "1,12");
    EXPECT_EQ(lines[20], "-9999");
    EXPECT_EQ(lines[21], "\"-9999\"");
    EXPECT_EQ(lines[23], "\"$GYOUJI$\"");
    EXPECT_EQ(lines[25], "\"-9999\"");
    EXPECT_EQ(lines[26], "");
    EXPECT_TRUE(std::regex_match(lines[24], std::regex(R"re("2010/04/20","\d\d:\d\d",8,"E",0)re")))
        << lines[24];
}

TEST_F(SafetyAsciiTest, TermsAndEventsOutsideTheChartsWindowKeepTheirPlaces) {
    auto document = EmptyChart();
    CChartPos pos;
    pos.SetStartDate(CTime(2015, 6, 1));
    pos.SetEndDate(CTime(2015, 6, 20));
    pos.SetStartRow(900);
    pos.SetEndRow(900);
    std::unique_ptr<CKoutei> process = document->CreateKoutei(&pos, TRUE);
    std::unique_ptr<CYogo> term = document->GetTerms().CreateYogo();
    term->SetText("T");
    process->AddYogo(term, TRUE);
    document->AddObj(process.release(), FALSE);
    for (const CTime& date : {CTime(1992, 3, 3, 12, 0, 0), CTime(2019, 8, 8, 12, 0, 0)}) {
        std::unique_ptr<CEvent> event = document->GetEvents().CreateEvent();
        event->SetStartDate(date);
        event->SetStartRow(2000);
        event->SetText("E");
        document->AddObj(event.release(), FALSE);
    }
    const std::vector<std::string> lines = Export(*document);
    const auto termAt = std::find(lines.begin(), lines.end(), "\"$KOUTEI$\"") + 3;
    EXPECT_TRUE(std::regex_match(*termAt, std::regex(R"re("2015/06/[01]\d",.*,90\d\.\d,"T",0)re")))
        << *termAt;
    const auto events = std::find(lines.begin(), lines.end(), "\"$GYOUJI$\"");
    ASSERT_NE(events, lines.end());
    EXPECT_TRUE(std::regex_match(*(events + 1), std::regex(R"re("1992/03/03",.*,2001,"E",0)re")))
        << *(events + 1);
    EXPECT_TRUE(std::regex_match(*(events + 2), std::regex(R"re("2019/08/08",.*,2001,"E",0)re")))
        << *(events + 2);
}

TEST(SafetyAsciiNameTest, TheNameProposedForATitle) {
    for (const auto& [title, name] : {std::pair{"A B.C", "A.akd"},
                                      {"ABCDEFGHIJKL", "ABCDEFGH.akd"},
                                      {"AB.CD", "AB.akd"},
                                      {"x#y", "x.akd"},
                                      {"", ".akd"}}) {
        EXPECT_EQ(ProposeSafetyAsciiName(title), name) << title;
    }
    // Eight bytes end on a character boundary.
    EXPECT_EQ(ProposeSafetyAsciiName(J("工程表") + "AB" + J("表")), J("工程表") + "AB.akd");
}

TEST_F(SafetyAsciiTest, TheCommandAsksForAnAkdFile) {
    auto document = EmptyChart();
    document->SetTitle("Site plan");
    std::string proposed;
    FileDialogRequest::Filter filter = FileDialogRequest::Filter::Charts;
    std::string chosen = files.File("out.txt").string();
    ui->OnDialog("FileDialog", [&](DialogRequest& r) {
        auto& file = static_cast<FileDialogRequest&>(r);
        proposed = file.path;
        filter = file.filter;
        EXPECT_FALSE(file.open);
        file.path = chosen;
        return IDOK;
    });
    OnSafetyAsciiExport(*document);
    EXPECT_EQ(proposed, "Site.akd");
    EXPECT_EQ(filter, FileDialogRequest::Filter::SafetyAscii);
    EXPECT_EQ(Messages(), std::vector<UINT>{IDS_UNSUPPORTED_FILE_TYPE});
    EXPECT_FALSE(std::filesystem::exists(chosen));

    // Any case of ".akd" is written, at the path as it was chosen; a selected object goes with
    // the others, and the command leaves the selection empty.
    std::unique_ptr<CEvent> event = document->GetEvents().CreateEvent();
    event->SetStartDate(CTime(2010, 4, 20, 12, 0, 0));
    event->SetText("Selected");
    document->AddObj(event.release(), FALSE);
    document->SelectLastObj();
    ui->ClearRecords();
    chosen = files.File("Out.AKD").string();
    OnSafetyAsciiExport(*document);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(document->GetSelCount(), 0);
    const std::vector<std::string> lines = Lines(test::TempDir::Read(chosen));
    const auto events = std::find(lines.begin(), lines.end(), "\"$GYOUJI$\"");
    ASSERT_NE(events, lines.end());
    EXPECT_NE((events + 1)->find("\"Selected\""), std::string::npos) << *(events + 1);
}

TEST_F(SafetyAsciiTest, AFileThatCannotBeWrittenKeepsWhatWasThere) {
    auto document = EmptyChart();
    std::filesystem::create_directories(files.File("in.akd") / "way");
    EXPECT_FALSE(ExportSafetyAscii(*document, files.File("in.akd")));
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(files.File("in.akd")));
}

} // namespace
} // namespace tembra
