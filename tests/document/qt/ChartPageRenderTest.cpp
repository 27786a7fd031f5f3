// The whole chart page of a small schedule document, drawn as the chart view draws it: on the
// screen device into an image at 100 %, compared with a reference picture, and printed (output
// mode 1) into a PDF whose page and texts are read back with poppler's tools.
//
// The chart: A4 landscape, 19 April .. 16 May 2010 over the May holidays (29 April and 1 .. 5
// May, shaded as a run of five), year, month, day and weekday rows, two item columns whose
// texts hold macros, processes of every bent line shape, both bar forms and a relation line,
// terms at three places, a resource label, a balloon event and a framed one, a progress line
// with date labels, a hatching of each kind and a selected block of item cells.
//
// The reference picture lies in tests/document/data; see the README there for writing it anew.
#include "document/PageFixture.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/Yogo.h"
#include "platform/Document.h"
#include "platform/qt/QtDC.h"
#include "render/KouteiLabels.h"
#include "render/PageLayout.h"

#include "document/DocTestSupport.h"
#include "support/ChartPage.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/QtTestEnvironment.h"
#include "support/qt/ReferenceImage.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace tembra {
namespace {

using test::J;

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new tembra::test::QtTestEnvironment("document_tests"));

constexpr int kScreenDpi = 96;

CTime Day(int month, int day) {
    return CTime(2010, month, day);
}

LOGFONT Gothic(LONG height, LONG width) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.SetFaceName(J("ＭＳ ゴシック"));
    return font;
}

CChartPos Span(const CTime& start, int startRow, const CTime& end, int endRow) {
    CChartPos pos;
    pos.SetStartDate(start);
    pos.SetEndDate(end);
    pos.SetStartRow(static_cast<WORD>(startRow));
    pos.SetEndRow(static_cast<WORD>(endRow));
    return pos;
}

class ChartPageRenderTest : public ::testing::Test {
protected:
    ChartPageRenderTest() {
        m_config.Read(FALSE);
        m_previousConfig = SetAppConfig(&m_config);
        BuildSettings();
        BuildItems();
        BuildProcesses();
        BuildEvents();
        BuildProgressLine();
        BuildHatchings();
        // Lines on paper are lifted over the level lines they cross.
        doc.GetPrHeader().SetCrossType(1);
    }
    ~ChartPageRenderTest() override { SetAppConfig(m_previousConfig); }

    void BuildSettings() {
        CSyokiSet& set = doc.GetSyokiSet();
        set.SetDefault(&doc, 0);
        const auto master = std::filesystem::path(TEMBRA_DATA_DIR) / "MASTER01.LYT";
        EXPECT_TRUE(set.GetPageSetting().SetPaper(kPaperA4, 0, master, -1));
        set.SetMaeYohaku(CTimeSpan());
        set.SetAtoYohaku(CTimeSpan());
        set.SetStartDate(Day(4, 19));
        set.SetEndDate(Day(5, 16));
        set.SetFirstRow(0);
        set.SetLastRow(19);
        set.SetFixedFirstRow(0);
        set.SetFixedLastRow(0xFFFF);
        set.SetOption1(kUnitDay);
        set.SetOption2(0);
        set.SetKeisenUnit(kUnitDay);
        set.SetKeisenStep(0);
        set.SetHolidayMode(1);
        const WORD rows[] = {kDateRowYear, kDateRowMonth, kDateRowDay, kDateRowWeekday};
        for (int i = 0; i < kDateRowMax; ++i) {
            set.SetDateRowKind(i, rows[i]);
        }
        CConfigChart& chart = set.GetChart();
        chart.GetDateStyle().SetLogFont(Gothic(-24, 10));
        chart.GetDateStyle().SetMode(0, 5);
        chart.SetKoumokuFont(Gothic(-30, 14));
        chart.GetYogoAttr().SetLogFont(Gothic(-28, 13));
        chart.GetShigenAttr().SetLogFont(Gothic(-24, 11));
        set.GetEvent().SetLogFont(Gothic(-32, 15));
        set.GetShin().SetLogFont(Gothic(-22, 10));

        // Saturdays, Sundays and the May holidays.
        CCalendar& calendar = doc.GetWorkCalendar();
        calendar.Clear();
        for (CTime d = Day(4, 1); d <= Day(5, 31); d += CTimeSpan(1, 0, 0, 0)) {
            const int weekday = d.GetDayOfWeek();
            if (weekday == 1 || weekday == 7) {
                calendar.SetDayFlag(d.GetTime(), CCalendar::kRuleHoliday);
            }
        }
        for (const CTime& d : {Day(4, 29), Day(5, 3), Day(5, 4), Day(5, 5)}) {
            calendar.SetDayFlag(d.GetTime(), CCalendar::kRuleHoliday);
        }
    }

    // Two item columns: the row number and the row's date, each from the cell's macros; a
    // block of four cells selected.
    void BuildItems() {
        CKoumoku& table = *doc.GetKoumoku();
        table.SetLevelCount(2);
        table.SetColumnWidth(0, 30);
        table.SetColumnWidth(1, 70);
        for (int row = 0; row < 14; ++row) {
            doc.GetKoumokuCells().CreateKoumokuData(row, 0)->SetText("No.$L$");
            doc.GetKoumokuCells().CreateKoumokuData(row, 1)->SetText(J("$M$月$D$日($W$)"));
        }
        for (int row : {8, 9}) {
            for (int column : {0, 1}) {
                dynamic_cast<CKoumokuData*>(table.GetAt(row, column))->SetSelected(1);
            }
        }
    }

    CKoutei& Process(const CTime& start, int startRow, const CTime& end, int endRow, WORD shape,
                     COLORREF color) {
        const CChartPos pos = Span(start, startRow, end, endRow);
        std::unique_ptr<CKoutei> koutei = doc.CreateKoutei(&pos);
        CKouteiAttr& attr = koutei->GetLines()->GetAttr();
        attr.m_style = shape;
        attr.m_color = color;
        attr.m_type = 0;
        attr.m_width = 0;
        if ((shape & 0xFF) == kLineShapeBar || (shape & 0xFF) == kLineShapeSlantBar) {
            attr.m_hatch = 99;
            koutei->GetStartLand()->SetShape(15);
            koutei->GetEndLand()->SetShape(15);
        }
        CKoutei* added = koutei.release();
        doc.AddObj(added, FALSE);
        return *added;
    }

    static void Term(CKoutei& koutei, const std::string& text, WORD place, LONG dx, LONG dy) {
        auto term = std::make_unique<CYogo>();
        term->SetText(text);
        term->SetDateKind(kYogoOnLine);
        CElemAttr& attr = term->GetAttr();
        attr.m_fontHeigh = 1;
        attr.m_fontWidth = 1;
        attr.m_form = place;
        attr.m_offsetX = dx;
        attr.m_offsetY = dy;
        attr.m_color = RGB(0, 0, 160);
        EXPECT_TRUE(koutei.AddYogo(term, TRUE));
    }

    void BuildProcesses() {
        const COLORREF blue = RGB(0, 0, 255);
        CKoutei& elbow = Process(Day(4, 20), 1, Day(4, 27), 3, kLineShapeElbowVH, blue);
        Term(elbow, J("基礎工事"), kYogoPlaceStart, 0, 0);
        Term(elbow, J("型枠"), kYogoPlaceFree, 150, 120);
        Term(elbow, J("配筋検査"), kYogoPlaceLeaderLeft, 100, 250);
        Process(Day(4, 27), 3, Day(5, 7), 5, kLineShapeElbowHV, RGB(0, 128, 0));
        CKoutei& crank = Process(Day(5, 7), 5, Day(5, 13), 7, kLineShapeCrank, blue);
        crank.GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, 4));
        crank.GetShigen()->AddShigenData(std::make_unique<CShigenData>(2, 12));
        crank.GetShigen()->GetAttr().m_fontHeigh = 1;
        crank.GetShigen()->GetAttr().m_fontWidth = 1;
        crank.GetShigen()->GetAttr().m_color = RGB(128, 0, 0);
        CKoutei& gate = Process(Day(4, 21), 10, Day(5, 3), 12, kLineShapeGate, RGB(192, 0, 0));
        gate.GetLines()->SetBendOffset(-2);
        Process(Day(4, 22), 14, Day(5, 10), 14, 0x0140, RGB(0, 128, 128));
        Process(Day(4, 26), 16, Day(5, 14), 16, 0x0180, RGB(128, 0, 128));
        CKoutei& relation = Process(Day(4, 27), 3, Day(5, 6), 12, kLineShapeStraight, blue);
        relation.SetRelationLine(1);
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, J("作業員")));
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(2, 0, J("鉄筋工")));
    }

    void BuildEvents() {
        const auto event = [&](const CTime& date, int row, WORD form, WORD style,
                               const std::string& text) {
            auto* e = new CEvent();
            e->SetStartDate(date);
            e->SetStartRow(static_cast<WORD>(row));
            e->SetForm(form);
            e->SetStyle(style);
            e->GetAttr().m_fontHeigh = 1;
            e->GetAttr().m_fontWidth = 1;
            e->SetColor(RGB(0, 0, 0));
            e->SetText(text);
            return e;
        };
        CEvent* balloon =
            event(Day(5, 11), 9, kEventFormBalloonRight, kEventWhiteBack, J("中間検査"));
        balloon->SetOffset(100, 150);
        doc.AddObj(balloon, FALSE);
        doc.AddObj(
            event(Day(4, 23), 18, kEventFormLeft, kEventFrame | kEventWhiteBack, J("安全大会")),
            FALSE);
    }

    void BuildProgressLine() {
        auto* line = new CShincyoku();
        line->SetDate(Day(5, 7));
        CShinLineAttr& attr = line->GetLineAttr();
        attr.m_type = 0;
        attr.m_width = 0;
        attr.m_color = RGB(255, 0, 0);
        CShinLabelAttr& label = line->GetLabelAttr();
        label.m_dateDisp = 1;
        label.m_ownFont = 1;
        label.m_dateColor = RGB(255, 0, 0);
        label.SetText("mm/dd");
        line->SetLogFont(Gothic(-22, 10));
        line->SetPointDate(3, Day(5, 10));
        line->SetPointDate(5, Day(5, 4));
        line->SetPointDate(11, Day(5, 12));
        doc.GetShincyokuList().AddTail(line);
    }

    void BuildHatchings() {
        auto* rows = new CKtkmHatch();
        rows->SetKind(CKtkmHatch::kRowBand);
        rows->SetFirstRow(17);
        rows->SetLastRow(18);
        rows->SetColor(RGB(255, 255, 160));
        rows->SetPattern(99);
        auto* dates = new CKtkmHatch();
        dates->SetKind(CKtkmHatch::kDateBand);
        dates->SetStartDate(Day(5, 13));
        dates->SetEndDate(Day(5, 15));
        dates->SetColor(RGB(200, 200, 255));
        dates->SetPattern(2);
        auto* cells = new CKtkmHatch();
        cells->SetKind(CKtkmHatch::kKoumokuCells);
        cells->SetFirstRow(2);
        cells->SetLastRow(4);
        cells->SetFirstColumn(1);
        cells->SetLastColumn(1);
        cells->SetColor(RGB(255, 200, 200));
        cells->SetPattern(99);
        for (CKtkmHatch* hatch : {rows, dates, cells}) {
            doc.GetHatchList()->AddTail(hatch);
        }
    }

    test::ScopedUi ui;
    test::ScopedAppState app;
    CConfigBase m_config;
    CConfigBase* m_previousConfig = nullptr;
    CTembraDoc doc;
    test::DocLayoutView view{doc};
};

// The page on the screen at 100 % into an image of the paper, all of it or the part of it that
// a window repaints (device pixels).
QImage ScreenPage(CTembraDoc& doc, IPageLayoutView& view, const QRect& update,
                  test::ChartPageCount* count = nullptr) {
    CPageLayout layout;
    layout.Init(&view);
    const CSize paper = doc.GetSyokiSet().GetPageSetting().GetPaperSize();
    QImage image(paper.cx * kScreenDpi / 254, paper.cy * kScreenDpi / 254, QImage::Format_RGB32);
    image.fill(Qt::white);
    CQtDC::Options options;
    options.dpiX = kScreenDpi;
    options.dpiY = kScreenDpi;
    options.updateRect = update;
    CQtDC dc(&image, options);
    dc.SetMapMode(MM_LOMETRIC);
    const test::ChartPageCount drawn = test::DrawChartPage(doc, layout, dc);
    if (count != nullptr) {
        *count = drawn;
    }
    return image;
}

TEST_F(ChartPageRenderTest, TheScreenShowsTheWholePage) {
    test::ChartPageCount count;
    const QImage image = ScreenPage(doc, view, QRect(), &count);
    EXPECT_EQ(count.passedOver, 0);
    test::ExpectLooksLike(image, {"document", "chart_page.png", 0.002});
}

// A window that repaints a part of the page draws there what the whole page shows, and passes
// over the objects that lie elsewhere: a strip of days across the holidays, a corner of the
// date header and the item columns, a block in the middle of the chart.
TEST_F(ChartPageRenderTest, APartRepaintedShowsWhatTheWholePageShowsThere) {
    const QImage whole = ScreenPage(doc, view, QRect());
    for (const QRect& part :
         {QRect(520, 0, 90, 620), QRect(0, 0, 330, 180), QRect(640, 230, 260, 170)}) {
        SCOPED_TRACE(testing::Message()
                     << part.x() << "," << part.y() << " " << part.width() << "x" << part.height());
        test::ChartPageCount count;
        const QImage image = ScreenPage(doc, view, part, &count);
        EXPECT_GT(count.passedOver, 0);
        long differing = 0;
        for (int y = part.top(); y <= part.bottom(); ++y) {
            for (int x = part.left(); x <= part.right(); ++x) {
                differing += image.pixel(x, y) != whole.pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

// Printed through a PDF writer in output mode 1: the page is the chart's paper, and its texts
// are there to be found.
TEST_F(ChartPageRenderTest, ThePrintedPageHoldsThePaperAndTheTexts) {
    const test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("chart.pdf").string());
    const CSize paper = doc.GetSyokiSet().GetPageSetting().GetPaperSize();
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QSizeF(paper.cx / 10.0, paper.cy / 10.0),
                                     QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        CQtDC dc(&writer, CQtDC::ForPagedDevice(writer));
        dc.SetMapMode(MM_LOMETRIC);
        CPageLayout layout;
        layout.Init(&view);
        layout.SetOutputMode(1);
        layout.PrepareForPrint(&dc);
        test::DrawChartPage(doc, layout, dc);
    }
    if (const char* keep = std::getenv("TEMBRA_KEEP_IMAGES")) {
        const QString kept = QString::fromUtf8(keep) + "/chart_page.pdf";
        QFile::remove(kept);
        QFile::copy(path, kept);
    }

    QProcess info;
    info.start("pdfinfo", {path});
    ASSERT_TRUE(info.waitForFinished());
    const std::string infoText = info.readAllStandardOutput().toStdString();
    EXPECT_NE(infoText.find("Pages:           1"), std::string::npos) << infoText;
    // 297 x 210 mm in whole points.
    EXPECT_NE(infoText.find("Page size:       842 x 595 pts (A4)"), std::string::npos) << infoText;

    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", path, "-"});
    ASSERT_TRUE(text.waitForFinished());
    // Each label on a line of its own: the date rows' year, month, day and weekday, the item
    // cells' texts with their macros expanded, the terms, the events, the resource label and a
    // date label of the progress line.
    const QStringList lines = QString::fromUtf8(text.readAllStandardOutput()).split('\n');
    for (const char* expected :
         {"2010年", "5月", "16", "水", "No.1", "No.14", "4月19日(月)", "5月2日(日)", "基礎工事",
          "型枠", "配筋検査", "中間検査", "安全大会", "[作業員 4]", "05/10"}) {
        EXPECT_TRUE(lines.contains(QString::fromUtf8(expected))) << expected;
    }
}

} // namespace
} // namespace tembra
