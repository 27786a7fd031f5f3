// The chart window on the screen: the sample chart as a window of 1280 x 800 pixels shows it at
// 100 %, its splitter's panes, the mouse reaching the area zoom, printing into a PDF, the print
// dialog and the preview with its bar.
//
// The reference picture lies in tests/view/data; see the README there for writing it anew.
#include "ViewWindowFixture.h"

#include "platform/RecordingDC.h"
#include "platform/StringTable.h"
#include "support/qt/ReferenceImage.h"
#include "view/PreviewViewEx.h"
#include "view/TembraPrintDialog.h"
#include "view/core/PrintInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cstdlib>

namespace tembra {
namespace {

class ViewWindowTest : public test::ViewWindowFixture {};

TEST_F(ViewWindowTest, TheSampleAt100PercentInA1280By800Window) {
    Show(QSize(1280, 800));
    ASSERT_EQ(Pane().viewport()->size(), QSize(1280, 800));
    EXPECT_EQ(Pane().View().GetLayout().GetZoom(), 100);
    test::ExpectLooksLike(Picture(Pane()), {"view", "sample_100.png", 0.002});
}

TEST_F(ViewWindowTest, SplittingOpensPanesThatScrollTogetherAndJoiningClosesThem) {
    Show(QSize(800, 600));
    Pane().View().OnShiftRight();
    frame->Split(2, 2);
    ASSERT_NE(frame->Pane(0, 1), nullptr);
    ASSERT_NE(frame->Pane(1, 0), nullptr);
    ASSERT_NE(frame->Pane(1, 1), nullptr);
    EXPECT_EQ(doc->GetViews().size(), 4u);
    EXPECT_EQ(Pane(1, 1).View().GetLayout().GetStartDate(),
              Pane().View().GetLayout().GetStartDate());
    EXPECT_FALSE(Pane().View().IsCenter());

    // Down in the first pane: the pane beside it follows, the panes below keep their place.
    const int before = Pane(1, 0).verticalScrollBar()->value();
    Pane().verticalScrollBar()->setValue(Pane().verticalScrollBar()->value() + 40);
    EXPECT_EQ(Pane(0, 1).verticalScrollBar()->value(), Pane().verticalScrollBar()->value());
    EXPECT_EQ(Pane(1, 0).verticalScrollBar()->value(), before);
    // Sideways in the lower pane: the pane above follows.
    Pane(1, 0).horizontalScrollBar()->setValue(Pane(1, 0).horizontalScrollBar()->value() + 30);
    EXPECT_EQ(Pane().horizontalScrollBar()->value(), Pane(1, 0).horizontalScrollBar()->value());

    frame->Split(1, 1);
    EXPECT_EQ(frame->Pane(0, 1), nullptr);
    EXPECT_EQ(frame->Pane(1, 1), nullptr);
    EXPECT_EQ(doc->GetViews().size(), 1u);
    EXPECT_TRUE(Pane().View().IsCenter());
}

TEST_F(ViewWindowTest, TheMouseDragsAnAreaToZoomTo) {
    Show(QSize(800, 600));
    CTembraView& view = Pane().View();
    doc->GetOperation().SetEditOperation();
    view.OnCommand(40062);
    QWidget* port = Pane().viewport();
    // The window paints between the messages, as the event loop has it do.
    QApplication::processEvents();
    QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QApplication::processEvents();
    QTest::mouseMove(port, QPoint(150, 130));
    QApplication::processEvents();
    QTest::mouseMove(port, QPoint(300, 250));
    QApplication::processEvents();
    QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, QPoint(300, 250));
    QApplication::processEvents();
    EXPECT_GT(view.GetLayout().GetExplicitZoom(), 100);
    EXPECT_EQ(doc->GetOperation().GetOperation(), COperationState::kOpEdit);
}

TEST_F(ViewWindowTest, TheSamplePrintsIntoAPdfWithItsTexts) {
    Show(QSize(800, 600));
    const QString path = QString::fromStdString(files.File("sample.pdf").string());
    ASSERT_TRUE(Pane().PrintDirect("", path.toStdString()));
    if (const char* keep = std::getenv("TEMBRA_KEEP_IMAGES")) {
        const QString kept = QString::fromUtf8(keep) + "/sample.pdf";
        QFile::remove(kept);
        QFile::copy(path, kept);
    }
    QProcess info;
    info.start("pdfinfo", {path});
    ASSERT_TRUE(info.waitForFinished());
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    const QString pages =
        QStringLiteral("Pages:           %1").arg(Pane().View().CountPrintPages());
    EXPECT_TRUE(infoText.contains(pages)) << infoText.toStdString();

    QProcess text;
    text.start("pdftotext", {"-enc", "UTF-8", path, "-"});
    ASSERT_TRUE(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"仮設工事", "基礎工事", "準備工", "躯体工事", "着工", "上棟式",
                                 "工程会議", "見本工事 新築工事"}) {
        EXPECT_TRUE(printed.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_EQ(Pane().View().GetLayout().GetOutputMode(), 0);
}

// The resource chart's parts are placed on the page: a page printed with the print header above
// the chart draws them in the chart's rows all the same, and the chart is not changed by it.
TEST_F(ViewWindowTest, TheResourceChartPrintsInItsRowsUnderTheHeader) {
    Show(QSize(800, 600));
    CTembraView& view = Pane().View();
    doc->SetModifiedFlag(FALSE);
    CRecordingDC printer(CRecordingDC::Device::Printer);
    CPageLayout page = view.GetLayout();
    page.SetHeader(&doc->GetPrHeader());
    page.SetOutputMode(1);
    page.PrepareForPrint(&printer);
    const int top = page.RowToY(20, -1);
    const int bottom = page.RowToY(27, 1);

    doc->GetPrHeader().SetZoomPrinting(1);
    CPrintInfo info;
    info.m_nMaxPage = info.m_nToPage = 1;
    view.OnPrint(&printer, info);
    int bars = 0;
    for (const auto& r : printer.Records()) {
        if (!IsDrawingOp(r.op) || r.brush.color != RGB(120, 170, 255) || r.brush.IsNull()) {
            continue;
        }
        ++bars;
        for (const CPoint& p : r.args.points) {
            EXPECT_LE(p.y, top + 1);
            EXPECT_GE(p.y, bottom - 1);
        }
        if (r.args.points.empty()) {
            EXPECT_LE(std::max(r.args.rect.top, r.args.rect.bottom), top + 1);
            EXPECT_GE(std::min(r.args.rect.top, r.args.rect.bottom), bottom - 1);
        }
    }
    EXPECT_GT(bars, 0);
    EXPECT_FALSE(doc->IsModified());
    // The window's chart is built for the window again.
    const CRect onScreen =
        view.GetLayout().GetObjectBounds(nullptr, doc->GetChartList().GetHead(), 1);
    EXPECT_EQ(onScreen.top, view.GetLayout().RowToY(20, -1));
}

TEST_F(ViewWindowTest, ThePrintDialogPrintsPreviewsOrCancels) {
    test::PdfOnlyCatalog catalog;
    const auto run = [&](const std::function<void(CTembraPrintDialog&)>& act,
                         PrinterDevMode& mode) {
        CTembraPrintDialog dialog(catalog);
        dialog.SetPageRange(1, 3, 1, 3);
        QTimer::singleShot(0, &dialog, [&] { act(dialog); });
        return dialog.DoModal(mode);
    };
    PrinterDevMode mode{kPdfPrinterName, 9, "A4", PrinterDevMode::kLandscape};
    EXPECT_EQ(run([](CTembraPrintDialog& d) { d.PreviewButton()->click(); }, mode), 41000);
    EXPECT_EQ(run([](CTembraPrintDialog& d) { d.reject(); }, mode), IDCANCEL);
    // The PDF printer needs its file.
    EXPECT_EQ(run(
                  [](CTembraPrintDialog& d) {
                      d.FileEdit()->clear();
                      EXPECT_FALSE(d.OkButton()->isEnabled());
                      d.FileEdit()->setText("/tmp/x.pdf");
                      d.PageRange()->setChecked(true);
                      d.FromSpin()->setValue(2);
                      d.OkButton()->click();
                  },
                  mode),
              IDOK);
    EXPECT_EQ(mode.deviceName, kPdfPrinterName);
    EXPECT_EQ(mode.orientation, PrinterDevMode::kLandscape);
    EXPECT_EQ(run([](CTembraPrintDialog& d) { d.PreviewButton()->click(); }, mode), 41000);
    EXPECT_EQ(QString::fromStdString(LoadStringUtf8(5133)), QString::fromUtf8("ﾌﾟﾚﾋﾞｭｰ"));
}

TEST_F(ViewWindowTest, ThePreviewButtonOfThePrintDialogPreviews) {
    Show(QSize(800, 600));
    app.printDialog = [](IPrinterDialog&, PrinterDevMode&) { return 41000; };
    Pane().View().OnCommand(57607);
    EXPECT_EQ(app.dialogs, 1);
    EXPECT_EQ(app.shown, nullptr) << "nothing printed, the preview comes after the dialog";
    QApplication::processEvents();
    ASSERT_NE(app.shown, nullptr);
    EXPECT_EQ(app.shown, Pane().Preview());
}

TEST_F(ViewWindowTest, ThePreviewShowsThePagesAndItsBarLeavesIt) {
    Show(QSize(800, 600));
    Pane().View().OnCommand(57609);
    CPreviewViewEx* preview = Pane().Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(app.shown, preview);
    EXPECT_EQ(preview->Pages()->pageCount(), static_cast<int>(Pane().View().CountPrintPages()));
    EXPECT_EQ(Pane().View().GetLayout().GetOutputMode(), 0) << "the window's layout as it was";
    for (UINT id : {58112u, 32940u, 58116u, 58114u, 58115u, 58113u, 58117u, 58118u}) {
        EXPECT_NE(preview->Button(id), nullptr) << id;
    }
    // "設定...": the preview goes first, then the printer settings of the view's chart.
    preview->Button(CPreviewViewEx::ID_PREVIEW_SETUP)->click();
    EXPECT_EQ(app.shown, nullptr);
    EXPECT_EQ(app.setups, 1);
    EXPECT_EQ(Pane().Preview(), nullptr);

    // "閉じる" leaves it as well, without a command.
    Pane().View().OnCommand(57609);
    ASSERT_NE(Pane().Preview(), nullptr);
    Pane().Preview()->Button(CPreviewViewEx::ID_PREVIEW_CLOSE)->click();
    EXPECT_EQ(app.shown, nullptr);
    EXPECT_EQ(app.setups, 1);
    EXPECT_EQ(app.dialogs, 0);
}

// How far two pictures of one page differ: both in grey, averaged over cells of 4 x 4 pixels
// (so that the anti-aliased edges of the rendered PDF and a line a pixel over do not count),
// the share of cells whose greys differ by more than a sixth of the range.
double CellsDiffering(const QImage& a, const QImage& b) {
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    constexpr int kCell = 4;
    const int columns = std::min(ga.width(), gb.width()) / kCell;
    const int rows = std::min(ga.height(), gb.height()) / kCell;
    int differing = 0;
    for (int cy = 0; cy < rows; ++cy) {
        for (int cx = 0; cx < columns; ++cx) {
            int sumA = 0;
            int sumB = 0;
            for (int y = cy * kCell; y < (cy + 1) * kCell; ++y) {
                const uchar* lineA = ga.constScanLine(y);
                const uchar* lineB = gb.constScanLine(y);
                for (int x = cx * kCell; x < (cx + 1) * kCell; ++x) {
                    sumA += lineA[x];
                    sumB += lineB[x];
                }
            }
            if (std::abs(sumA - sumB) > 255 / 6 * kCell * kCell) {
                ++differing;
            }
        }
    }
    return columns * rows > 0 ? differing / static_cast<double>(columns * rows) : 1.0;
}

// The preview shows the page as it prints: its page on the screen at 100 pixels an inch looks
// like the PDF of the same print rendered at 100 pixels an inch.
TEST_F(ViewWindowTest, ThePreviewShowsThePageAsThePdfPrintsIt) {
    Show(QSize(800, 600));
    const QString pdf = QString::fromStdString(files.File("sample.pdf").string());
    ASSERT_TRUE(Pane().PrintDirect("", pdf.toStdString()));
    const QString prefix = QString::fromStdString(files.File("page").string());
    QProcess render;
    render.start("pdftoppm", {"-r", "100", "-f", "1", "-l", "1", "-png", pdf, prefix});
    ASSERT_TRUE(render.waitForFinished());
    const QImage printed(prefix + "-1.png");
    ASSERT_FALSE(printed.isNull());

    Pane().View().OnCommand(57609);
    CPreviewViewEx* preview = Pane().Preview();
    ASSERT_NE(preview, nullptr);
    preview->resize(printed.width() + 300, printed.height() + 200);
    preview->show();
    QApplication::processEvents();
    preview->Pages()->setZoomFactor(100.0 / preview->Pages()->logicalDpiY());
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
    EXPECT_NEAR(preview->Pages()->zoomFactor() * preview->Pages()->logicalDpiY(), 100.0, 0.5);
    auto* view = preview->Pages()->findChild<QGraphicsView*>();
    ASSERT_NE(view, nullptr);
    ASSERT_FALSE(view->scene()->items().isEmpty());
    // The page's corner on the screen.
    const QGraphicsItem* page = view->scene()->items().front();
    const QPoint corner = view->mapFromScene(page->mapToScene(QPointF(0, 0)));
    const QImage shown = view->viewport()->grab().toImage().copy(QRect(corner, printed.size()));
    if (const char* keep = std::getenv("TEMBRA_KEEP_IMAGES")) {
        shown.save(QString::fromUtf8(keep) + "/preview_page.png");
        printed.save(QString::fromUtf8(keep) + "/printed_page.png");
    }
    // Drawn at the printer's resolution and shrunk, an eighth of the cells differed (the dotted
    // day lines as heavy bars); text and hatching rendered otherwise leave about 2 %.
    EXPECT_LT(CellsDiffering(shown, printed), 0.04);
}

// The preview takes the main window's place, so no chart window is active while it shows;
// whichever button ends it, the chart window that started it is active again with the focus,
// and the button's command reaches its view.
TEST_F(ViewWindowTest, LeavingThePreviewGivesTheChartWindowBackItsFocusAndTheCommand) {
    QMainWindow main;
    auto* mdi = new QMdiArea;
    main.setCentralWidget(mdi);
    frame = std::make_unique<CTembraFrame>(*doc, app);
    QMdiSubWindow* sub = mdi->addSubWindow(frame.get());
    QMdiSubWindow* other = mdi->addSubWindow(new QLineEdit);
    main.resize(1000, 700);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    app.mainWindow = &main;
    app.printDialog = [](IPrinterDialog&, PrinterDevMode&) { return IDCANCEL; };

    struct Case {
        UINT button;
        int setups;
        int dialogs;
    };
    const Case cases[] = {{CPreviewViewEx::ID_PREVIEW_CLOSE, 0, 0},
                          {CPreviewViewEx::ID_PREVIEW_SETUP, 1, 0},
                          {CPreviewViewEx::ID_PREVIEW_PRINT, 1, 1}};
    for (const Case& c : cases) {
        mdi->setActiveSubWindow(other);
        Pane().View().OnCommand(57609);
        ASSERT_NE(Pane().Preview(), nullptr) << c.button;
        QApplication::processEvents();
        Pane().Preview()->Button(c.button)->click();
        QApplication::processEvents();
        EXPECT_EQ(Pane().Preview(), nullptr) << c.button;
        EXPECT_EQ(mdi->currentSubWindow(), sub) << c.button;
        EXPECT_EQ(QApplication::focusWidget(), &Pane()) << c.button;
        EXPECT_EQ(app.setups, c.setups) << c.button;
        EXPECT_EQ(app.dialogs, c.dialogs) << c.button << ": the print dialog";
    }
    app.mainWindow = nullptr;
    mdi->removeSubWindow(frame.get());
    frame->setParent(nullptr);
}

// The wheel scrolls down the chart, with Shift across it, and with Ctrl zooms a step keeping
// the chart point under the pointer there.
TEST_F(ViewWindowTest, TheWheelScrollsDownWithShiftAcrossAndWithCtrlZooms) {
    Show(QSize(800, 600));
    QWidget* port = Pane().viewport();
    QScrollBar* across = Pane().horizontalScrollBar();
    QScrollBar* down = Pane().verticalScrollBar();
    ASSERT_GT(across->maximum(), 0);
    ASSERT_GT(down->maximum(), 0);
    const auto turn = [&](Qt::KeyboardModifiers keys, const QPoint& at) {
        QWheelEvent wheel(at, port->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, keys,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(port, &wheel);
    };
    turn(Qt::NoModifier, QPoint(400, 300));
    EXPECT_GT(down->value(), 0);
    EXPECT_EQ(across->value(), 0);
    const int downBefore = down->value();
    turn(Qt::ShiftModifier, QPoint(400, 300));
    EXPECT_GT(across->value(), 0) << "sideways, towards the later days";
    EXPECT_EQ(down->value(), downBefore);

    // The chart point under the pointer, logical units.
    const auto under = [&](const QPoint& at) {
        const CRect client = Pane().View().GetClientLogicalRect();
        const QSize size = port->size();
        return CPoint(client.left + client.Width() * at.x() / size.width(),
                      client.top + client.Height() * at.y() / size.height());
    };
    const QPoint at(500, 200);
    const CPoint before = under(at);
    QWheelEvent zoomIn(at, port->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(port, &zoomIn);
    EXPECT_EQ(Pane().View().GetLayout().GetZoom(), 150);
    const CPoint after = under(at);
    EXPECT_NEAR(after.x, before.x * 3 / 2, 4);
    EXPECT_NEAR(after.y, before.y * 3 / 2, 4);
    turn(Qt::ControlModifier, at);
    EXPECT_EQ(Pane().View().GetLayout().GetZoom(), 100);
}

} // namespace
} // namespace tembra
