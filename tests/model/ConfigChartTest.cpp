#include "model/ConfigChart.h"

#include "model/ConfigBase.h"
#include "model/PrintArea.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;

std::string U(const char* utf8) {
    return Sjis::FromUtf8(utf8);
}

void Put(const char* section, const std::string& key, const std::string& utf8Value) {
    WriteProfileString(U(section), key.c_str(), U(utf8Value.c_str()).c_str());
}

std::string Get(const char* section, const char* key) {
    return Sjis::ToUtf8(GetProfileString(U(section), key, "<none>"));
}

// Temporary program folders with the shipped standard layout; the application's settings are
// installed and reset, so that the chart part finds its layout path and font table there.
class ConfigChartTest : public ::testing::Test {
protected:
    ConfigChartTest() : m_sourceData(Paths::ShippedDataDir()) {
        m_paths.emplace();
        fs::copy_file(m_sourceData / "MASTER01.LYT", m_paths->Shipped() / "MASTER01.LYT");
        m_previous = SetAppConfig(&app);
        app.Read(FALSE);
    }
    ~ConfigChartTest() override { SetAppConfig(m_previous); }

    fs::path m_sourceData;
    std::optional<test::ScopedPaths> m_paths;
    test::ScopedUi ui;
    CConfigBase app;
    CConfigBase* m_previous = nullptr;
};

TEST_F(ConfigChartTest, EmptyProfileGivesTheBuiltInDefaults) {
    CConfigChart chart;
    ASSERT_EQ(chart.Read(TRUE), TRUE);
    EXPECT_TRUE(ui->MessageBoxes().empty());

    EXPECT_EQ(chart.GetPageSetting().GetPaper(), 0);
    EXPECT_EQ(chart.GetPageSetting().GetMuki(), 0);
    const CAreaNameSet& names = chart.GetAreaNameSet();
    EXPECT_EQ(names.GetStyle(), 0);
    EXPECT_EQ(names.GetBunkatuOpt(), 3);
    EXPECT_EQ(names.GetKoumokuColumnCount(), 1);
    EXPECT_EQ(names.GetKoumokuName(), U("作業"));
    EXPECT_EQ(names.GetHizukeName(), U("期間"));
    EXPECT_EQ(names.GetGridCells().size(), 30u);

    const CAreaStyle& date = chart.GetDateStyle();
    const WORD modes[5] = {5, 0, 0, 1, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(date.GetMode(i), modes[i]) << i;
    }
    EXPECT_EQ(date.GetLogFont(), app.GetFont(kFontDate, 0));
    for (BYTE b : chart.GetSpare()) {
        EXPECT_EQ(b, 0);
    }

    const CFontAttr& item = chart.GetKoumokuAttr();
    EXPECT_EQ(item, ([&] {
                  CFontAttr a;
                  a.m_fontHeigh = 1;
                  a.m_fontWidth = 1;
                  a.m_font = app.GetFont(kFontKoumoku, 0);
                  return a;
              }()));

    EXPECT_EQ(chart.GetKouteiAttr(), (CKouteiAttr{2, 0, 0, 0, 0, 1, 999}));
    EXPECT_EQ(chart.GetKouteiWidthSet().m_width, (std::array<WORD, 3>{3, 1, 6}));
    const struct {
        const char* name;
        int value;
        int expected;
    } process[] = {
        {"CornerSize", chart.GetCornerSize(), 10}, {"ArrowLength", chart.GetArrowLength(), 12},
        {"ArrowAngle", chart.GetArrowAngle(), 30}, {"KakomiAngle", chart.GetKakomiAngle(), 45},
        {"Inclined", chart.GetInclined(), 20},     {"BarHeight", chart.GetBarHeight(), 18},
        {"(no key)", chart.GetKouteiSpare(), 0},
    };
    for (const auto& c : process) {
        EXPECT_EQ(c.value, c.expected) << c.name;
    }
    EXPECT_EQ(chart.GetLandAttr(), (CLandAttr{0, 0, 0, 100, 9}));

    for (const CElemAttr* label : {&chart.GetYogoAttr(), &chart.GetShigenAttr()}) {
        EXPECT_EQ(label->m_fontHeigh, 1);
        EXPECT_EQ(label->m_fontWidth, 1);
        EXPECT_EQ(label->m_form, 1);
        EXPECT_EQ(label->m_attrb, 0);
        EXPECT_EQ(label->m_linkWord, 0);
        EXPECT_EQ(label->m_stack, 1);
        EXPECT_EQ(label->m_linkPosition, 0);
        EXPECT_EQ(label->m_offsetX, 0);
        EXPECT_EQ(label->m_offsetY, 0);
        EXPECT_EQ(label->m_drawerX, 0);
        EXPECT_EQ(label->m_drawerY, 0);
        EXPECT_EQ(label->m_lineSpace, 10);
        EXPECT_EQ(label->m_firstSpace, 0);
        EXPECT_EQ(label->m_color, RGB(0, 0, 0));
    }
    EXPECT_EQ(chart.GetYogoAttr().GetLogFont(), app.GetFont(kFontYogo, 0));
    EXPECT_EQ(chart.GetShigenAttr().GetLogFont(), app.GetFont(kFontShigen, 0));
}

TEST_F(ConfigChartTest, PaperFourSetsUpTheA2PageFromTheLayout) {
    Put("BaseConfig", "Paper", "4");
    CConfigChart chart;
    chart.Read(TRUE);
    CPrintArea expected;
    expected.SetPaper(4, 0, ConfigPathToFs(app.GetPath().GetLayoutFilePath()));
    EXPECT_EQ(chart.GetPageSetting().GetPaper(), 4);
    EXPECT_EQ(chart.GetPageSetting(), expected);
    EXPECT_EQ(chart.GetPageSetting().GetLeftWidth(), 1273); // the A2 item width
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(ConfigChartTest, ColumnCountIsKeptWithinTheHeadersColumns) {
    // 0 would be divided by; more than the header's ten columns would reach every new
    // document, whose file would then be refused when it is opened again.
    const struct {
        const char* stored;
        WORD expected;
    } cases[] = {{"0", 1}, {"1", 1}, {"4", 4}, {"10", 10}, {"11", 10}, {"65535", 10}};
    for (const auto& c : cases) {
        Put("AreaNameConfig", "KoumokuColumnCount", c.stored);
        CConfigChart chart;
        chart.Read(TRUE);
        EXPECT_EQ(chart.GetAreaNameSet().GetKoumokuColumnCount(), c.expected) << c.stored;
    }
}

// ---- Area-name lines --------------------------------------------------------------------------

TEST_F(ConfigChartTest, DefaultCellsInTheirProfileForms) {
    CConfigChart chart;
    chart.Read(FALSE);
    const CAreaNameSet& set = chart.GetAreaNameSet();
    EXPECT_EQ(Sjis::ToUtf8(CConfigChart::FormatStdLine(*set.FindStd(0))),
              "0,作業,0,ＭＳ 明朝,-32,16,512,0,0");
    EXPECT_EQ(Sjis::ToUtf8(CConfigChart::FormatStdLine(*set.FindStd(1))),
              "1,期間,0,ＭＳ 明朝,-32,16,256,2,0");
    CAreaNameDataGrid grid = *set.FindGrid(2, 7);
    grid.SetLine2Type(-1);
    grid.SetLineColor(RGB(255, 0, 0));
    EXPECT_EQ(Sjis::ToUtf8(CConfigChart::FormatGridLine(grid)),
              "2,7,,0,ＭＳ 明朝,-32,16,0,1,0,0,255,0,65535,0,0");
    EXPECT_EQ(Sjis::ToUtf8(CConfigChart::FormatSlantLine(*set.FindSlant(10))),
              "10,,0,ＭＳ 明朝,-32,16,256,2,0,0,0,0");
}

TEST_F(ConfigChartTest, EachCellKindRoundTripsThroughItsLine) {
    CConfigChart chart;
    chart.Read(FALSE);
    CAreaNameSet& set = chart.GetAreaNameSet();
    CAreaNameDataStd* s = set.FindStd(0);
    s->SetText(U("工種"));
    s->SetOwnFont(1);
    s->SetStyle(4);
    s->SetTextColor(RGB(0, 0, 255));
    CAreaNameDataGrid* g = set.FindGrid(1, 3);
    g->SetText("G");
    g->SetLineType(-1);
    g->SetLineWidth(2);
    g->SetLine2Type(-1);
    g->SetLine2Color(RGB(0, 255, 0));
    g->SetLine2Width(1);
    CAreaNameDataSlant* k = set.FindSlant(12);
    k->SetText("K");
    k->SetLineType(-1);
    k->SetLineWidth(1);
    k->SetLineColor(RGB(1, 2, 3));
    ASSERT_EQ(chart.Write(kConfigBase), TRUE);

    CConfigChart back;
    back.Read(TRUE);
    const CAreaNameSet& b = back.GetAreaNameSet();
    for (const auto& cell : set.GetStdCells()) {
        EXPECT_EQ(CConfigChart::FormatStdLine(*b.FindStd(cell->GetNo())),
                  CConfigChart::FormatStdLine(*cell));
    }
    for (const auto& cell : set.GetGridCells()) {
        DWORD r = 0;
        DWORD c = 0;
        cell->GetNoPair(r, c);
        EXPECT_EQ(CConfigChart::FormatGridLine(*b.FindGrid(r, c)),
                  CConfigChart::FormatGridLine(*cell));
    }
    for (const auto& cell : set.GetSlantCells()) {
        EXPECT_EQ(CConfigChart::FormatSlantLine(*b.FindSlant(cell->GetNo())),
                  CConfigChart::FormatSlantLine(*cell));
    }
    EXPECT_EQ(b.FindGrid(1, 3)->GetBottomLineStyle(), (AreaLineStyle{-1, 1, RGB(0, 255, 0)}));
    EXPECT_EQ(b.FindSlant(12)->GetLineStyle(), (AreaLineStyle{-1, 1, RGB(1, 2, 3)}));
}

TEST_F(ConfigChartTest, MissingFieldsRepeatTheLastOne) {
    Put("AreaNameConfig\\StdData", "StdData0", "0,AB,1,ＭＳ ゴシック,-40");
    CConfigChart chart;
    chart.Read(TRUE);
    const CAreaNameDataStd* cell = chart.GetAreaNameSet().FindStd(0);
    EXPECT_EQ(cell->GetText(), "AB");
    EXPECT_EQ(cell->GetOwnFont(), 1);
    EXPECT_EQ(cell->GetLogFont().FaceName(), U("ＭＳ ゴシック"));
    EXPECT_EQ(cell->GetLogFont().lfHeight, -40);
    EXPECT_EQ(cell->GetLogFont().lfWidth, -40);
    EXPECT_EQ(cell->GetStyle(), static_cast<WORD>(-40));
    EXPECT_EQ(cell->GetAlign(), static_cast<WORD>(-40));
    EXPECT_EQ(cell->GetTextColor(), static_cast<COLORREF>(-40));
    EXPECT_EQ(cell->GetNo(), 0u);
}

TEST_F(ConfigChartTest, BadNumbersReadAsZeroAndLongFacesAreCut) {
    std::string face;
    for (int i = 0; i < 20; ++i) {
        face += "朝";
    }
    Put("AreaNameConfig\\SlantData", "SlantData0",
        "0,T,x," + face + ",abc,16,0,7z,99999999999,-1,0,2");
    CConfigChart chart;
    chart.Read(TRUE);
    const CAreaNameDataSlant* cell = chart.GetAreaNameSet().FindSlant(0);
    EXPECT_EQ(cell->GetOwnFont(), 0);
    EXPECT_EQ(cell->GetLogFont().lfHeight, 0);
    EXPECT_EQ(cell->GetAlign(), 7);
    EXPECT_EQ(cell->GetTextColor(), static_cast<COLORREF>(2147483647));
    EXPECT_EQ(cell->GetLineType(), -1);
    EXPECT_EQ(cell->GetLineWidth(), 2);
    const std::string cut(cell->GetLogFont().FaceName());
    EXPECT_EQ(cut.size(), 30u);
    EXPECT_EQ(Sjis::ToUtf8(cut), face.substr(0, 15 * 3));
}

TEST_F(ConfigChartTest, EmptyLinesEndTheirLoops) {
    // No Std values: the defaults stay. GridData1-0 empty: row 1 is skipped, row 2 is read.
    // SlantData0 empty: no Slant cell is read.
    Put("AreaNameConfig\\StdData", "StdData1", "1,X,0,F,-32,16,0,0,0");
    Put("AreaNameConfig\\GridData", "GridData0-0", "0,0,A,0,F,-32,16,0,1,0,0,0,0,0,0,0");
    Put("AreaNameConfig\\GridData", "GridData1-1", "1,1,B,0,F,-32,16,0,1,0,0,0,0,0,0,0");
    Put("AreaNameConfig\\GridData", "GridData2-0", "2,0,C,0,F,-32,16,0,1,0,0,0,0,0,0,0");
    Put("AreaNameConfig\\SlantData", "SlantData1", "1,D,0,F,-32,16,0,0,0,0,0,0");
    CConfigChart chart;
    chart.Read(TRUE);
    const CAreaNameSet& set = chart.GetAreaNameSet();
    EXPECT_EQ(set.GetKoumokuName(), U("作業"));
    EXPECT_EQ(set.GetHizukeName(), U("期間"));
    EXPECT_EQ(set.FindGrid(0, 0)->GetText(), "A");
    EXPECT_EQ(set.FindGrid(1, 1)->GetText(), "");
    EXPECT_EQ(set.FindGrid(2, 0)->GetText(), "C");
    EXPECT_EQ(set.FindSlant(1)->GetText(), "");
}

TEST_F(ConfigChartTest, CommaInACellTextIsWrittenFullWidth) {
    CConfigChart chart;
    chart.Read(FALSE);
    chart.GetAreaNameSet().SetKoumokuName("A,B");
    chart.Write(kConfigBase);
    EXPECT_EQ(Get("AreaNameConfig\\StdData", "StdData0"), "0,A，B,0,ＭＳ 明朝,-32,16,512,0,0");

    CConfigChart back;
    back.Read(TRUE);
    EXPECT_EQ(back.GetAreaNameSet().GetKoumokuName(), U("A，B"));
    EXPECT_EQ(back.GetAreaNameSet().GetKoumokuCell()->GetStyle(), 512);

    // A line that holds a plain comma (written elsewhere) splits there: the fields shift.
    Put("AreaNameConfig\\StdData", "StdData0", "0,A,B,0,ＭＳ 明朝,-32,16,512,0,0");
    back.Read(TRUE);
    const CAreaNameDataStd* cell = back.GetAreaNameSet().GetKoumokuCell();
    EXPECT_EQ(cell->GetText(), "A");
    EXPECT_EQ(cell->GetLogFont().FaceName(), "0");
    EXPECT_EQ(cell->GetLogFont().lfHeight, 0);
    EXPECT_EQ(cell->GetLogFont().lfWidth, -32);
}

// ---- Label blocks -----------------------------------------------------------------------------

TEST_F(ConfigChartTest, TermOffsetsAndLinkPositionRoundTrip) {
    CConfigChart chart;
    chart.Read(FALSE);
    CElemAttr& yogo = chart.GetYogoAttr();
    yogo.SetOffset(5);
    yogo.SetOffsetY(-3);
    yogo.m_linkWord = 2;
    yogo.m_linkPosition = 1;
    chart.Write(kConfigYogo);
    EXPECT_EQ(Get("YogoConfig", "OffsetX"), "5");
    EXPECT_EQ(Get("YogoConfig", "OffsetY"), "-3");
    EXPECT_EQ(Get("YogoConfig", "LinkPosition"), "1");
    EXPECT_EQ(Get("ShigenConfig", "LinkPosition"), "<none>");

    CConfigChart back;
    back.Read(TRUE);
    EXPECT_EQ(back.GetYogoAttr().GetOffset(), 5);
    EXPECT_EQ(back.GetYogoAttr().GetOffsetY(), -3);
    EXPECT_EQ(back.GetYogoAttr().m_linkWord, 1);
    EXPECT_EQ(back.GetYogoAttr().GetLinkPosition(), 1);
}

TEST_F(ConfigChartTest, SizeWordsKeepTheirLowBytes) {
    Put("KoumokuConfig", "FontHeigh", "300");
    Put("KoumokuConfig", "FontWidth", "-1");
    Put("ShigenConfig", "FontHeigh", "258");
    CConfigChart chart;
    chart.Read(TRUE);
    EXPECT_EQ(chart.GetKoumokuAttr().m_fontHeigh, 44);
    EXPECT_EQ(chart.GetKoumokuAttr().m_fontWidth, 255);
    EXPECT_EQ(chart.GetShigenAttr().m_fontHeigh, 2);
    EXPECT_EQ(chart.GetShigenAttr().m_fontWidth, 1);
}

TEST_F(ConfigChartTest, CopyDuplicatesTheCells) {
    CConfigChart a;
    a.Read(FALSE);
    a.SetKakomiAngle(60);
    CConfigChart b;
    b.Copy(a);
    EXPECT_EQ(b.GetKakomiAngle(), 60);
    EXPECT_NE(b.GetAreaNameSet().GetKoumokuCell(), a.GetAreaNameSet().GetKoumokuCell());
    b.GetAreaNameSet().SetKoumokuName("b");
    EXPECT_EQ(a.GetAreaNameSet().GetKoumokuName(), U("作業"));
    EXPECT_EQ(b.GetAreaNameSet().GetGridCells().size(), 30u);
}

} // namespace
} // namespace tembra
