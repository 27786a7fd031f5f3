// The pages of a print as they come out of the PDF printer, rasterised at a fixed resolution and
// compared with reference pictures: the shipped sample chart grown to four pages, with objects
// that reach over the edges of the pages (a process across a page break, a relation line over
// three pages, a term and an event at a page's last row, a framed shape across a break) and item
// cells on every page. Each page draws the band of its own rows: an object that lies on a page
// must show there however the objects were found for the page before. The same pages with the
// print settings' styled lines: faint dotted ruled lines and dashed, dotted and dash-dotted
// processes, whose dashes keep their lengths on paper however the device is handed them.
#include "ViewWindowFixture.h"

#include "model/ChartPos.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/Shigen.h"
#include "model/Yogo.h"
#include "platform/Sjis.h"
#include "render/KouteiLabels.h"
#include "shapes/ZukeiBox.h"
#include "support/qt/ReferenceImage.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include <filesystem>
#include <memory>
#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;

// The resolution of the pictures of the pages.
constexpr int kDpi = 50;

CTime Day(int month, int day) {
    return CTime(2010, month, day);
}

class PrintedPagesImageTest : public test::ViewWindowFixture {
protected:
    // A process on the rows, with a term at its start and, when asked, resources.
    CKoutei* AddProcess(CTime start, CTime end, int row, int endRow, const char* term,
                        WORD workers = 0) {
        CChartPos pos;
        pos.SetStartDate(start);
        pos.SetEndDate(end);
        pos.SetStartRow(static_cast<WORD>(row));
        pos.SetEndRow(static_cast<WORD>(endRow));
        std::unique_ptr<CKoutei> process = doc->CreateKoutei(&pos);
        process->GetLines()->GetAttr().m_color = RGB(0, 0, 200);
        auto label = std::make_unique<CYogo>();
        label->SetText(term);
        label->SetDateKind(kYogoOnLine);
        label->GetAttr().m_fontHeigh = 1;
        label->GetAttr().m_fontWidth = 1;
        label->GetAttr().m_form = kYogoPlaceStart;
        process->AddYogo(label, TRUE);
        if (workers != 0) {
            process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, workers));
        }
        CKoutei* raw = process.get();
        doc->AddObj(process.release(), FALSE);
        return raw;
    }

    void Relate(const CKoutei& from, const CKoutei& to) {
        CChartPos pos;
        pos.SetStartDate(from.GetEndTime());
        pos.SetEndDate(to.GetStartTime());
        pos.SetStartRow(from.GetEndRow());
        pos.SetEndRow(to.GetStartRow());
        std::unique_ptr<CKoutei> relation = doc->CreateKoutei(&pos);
        relation->SetRelationLine(1);
        relation->SetStartLandNo(from.GetSeqNumber().GetHigh(), from.GetSeqNumber().GetLow());
        relation->SetEndLandNo(to.GetSeqNumber().GetHigh(), to.GetSeqNumber().GetLow());
        relation->SetLineShape(kLineShapeRelation);
        doc->AddObj(relation.release(), FALSE);
    }

    // The sample's 30 rows a page, grown to four pages.
    void GrowToFourPages() {
        for (int row = 30; row < 120; row += 3) {
            doc->GetKoumokuCells().CreateKoumokuData(row, 0)->SetText("No." + std::to_string(row));
        }
        CKoutei* first = AddProcess(Day(4, 5), Day(4, 20), 27, 27, "Across");
        CKoutei* across = AddProcess(Day(4, 22), Day(5, 6), 28, 32, "Break", 5);
        Relate(*first, *across);
        CKoutei* late = AddProcess(Day(5, 20), Day(6, 10), 88, 88, "Late", 3);
        Relate(*across, *late);
        AddProcess(Day(6, 1), Day(6, 20), 29, 29, "Edge");
        AddProcess(Day(4, 10), Day(6, 25), 59, 60, "Long", 2);
        AddProcess(Day(5, 1), Day(5, 15), 119, 119, "Last");

        std::unique_ptr<CEvent> event = doc->GetEvents().CreateEvent();
        event->SetText("Inspection");
        event->SetStartDate(Day(5, 25));
        event->SetStartRow(59);
        event->SetForm(kEventFormBalloonRight);
        event->SetStyle(kEventFrame | kEventWhiteBack);
        event->SetOffset(100, 100);
        doc->AddObj(event.release(), FALSE);

        auto box = std::make_unique<CZukeiBox>();
        box->SetAttr(CZukeiAttr{1, kPlaceOnChart, 1, -3, RGB(0, 160, 0), kHatchNone, 0, 0});
        box->SetAnchors(Day(5, 10), 55.5, Day(6, 5), 64.5);
        doc->GetShapes().AddZukei(box.release(), FALSE);
        doc->SetModifiedFlag(FALSE);
    }

    // The print settings' styled lines with the faint dotted ruled lines, and the line types 1
    // to 4 in turn on the processes.
    void DashTheLines() {
        constexpr int kFaintDotted = 1;
        doc->GetPrHeader().SetKeisen(kFaintDotted, kFaintDotted);
        doc->GetPrHeader().SetVoldLineEx(1);
        int n = 0;
        for (POSITION pos = doc->GetHeadObjPosition(); pos != nullptr;) {
            if (auto* process = dynamic_cast<CKoutei*>(doc->GetNextObj(pos))) {
                process->GetLines()->GetAttr().m_type = static_cast<WORD>(1 + n++ % 4);
            }
        }
        doc->SetModifiedFlag(FALSE);
    }

    void ExpectPagesLookLike(const std::vector<const char*>& references) {
        Show(QSize(800, 600));
        const fs::path pdf = files.File("pages.pdf");
        ASSERT_TRUE(Pane().PrintDirect("", pdf.string()));
        const std::vector<QImage> pages = PagesOf(pdf);
        ASSERT_EQ(pages.size(), references.size());
        for (std::size_t i = 0; i < pages.size(); ++i) {
            SCOPED_TRACE(references[i]);
            test::ExpectLooksLike(pages[i], {"view", references[i]});
        }
    }

    // The pages of the PDF as pictures.
    std::vector<QImage> PagesOf(const fs::path& pdf) {
        const QString prefix = QString::fromStdString(files.File("page").string());
        QProcess raster;
        raster.start("pdftoppm", {"-r", QString::number(kDpi), "-png",
                                  QString::fromStdString(pdf.string()), prefix});
        EXPECT_TRUE(raster.waitForFinished(60000));
        EXPECT_EQ(raster.exitCode(), 0) << raster.readAllStandardError().toStdString();
        std::vector<QImage> pages;
        const QStringList names = QDir(QString::fromStdString(files.Path().string()))
                                      .entryList({"page-*.png"}, QDir::Files, QDir::Name);
        for (const QString& name : names) {
            pages.push_back(QImage(QString::fromStdString(files.File(name.toStdString()).string()))
                                .convertToFormat(QImage::Format_RGB32));
        }
        return pages;
    }
};

TEST_F(PrintedPagesImageTest, EveryPageLooksAsBefore) {
    GrowToFourPages();
    ExpectPagesLookLike(
        {"printed_page_1.png", "printed_page_2.png", "printed_page_3.png", "printed_page_4.png"});
}

TEST_F(PrintedPagesImageTest, DashedLinesLookAsBefore) {
    GrowToFourPages();
    DashTheLines();
    ExpectPagesLookLike({"printed_dashed_page_1.png", "printed_dashed_page_2.png",
                         "printed_dashed_page_3.png", "printed_dashed_page_4.png"});
}

} // namespace
} // namespace tembra
