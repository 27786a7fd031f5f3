// The standard layout as the editor shows and prints it: its A4 header at 100 % in a window of
// 1024 x 600 pixels, compared with a reference picture, and its page written as a PDF.
//
// After a deliberate change of what the view draws, write the picture anew with
// TEMBRA_UPDATE_IMAGES=1 and look at it before committing it (data/README.md).
#include "layout_editor/LayoutPrint.h"
#include "layout_editor/LayoutViewWnd.h"
#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/MarquellDoc.h"
#include "platform/FontCatalog.h"
#include "platform/qt/QtFontCatalog.h"

#include "EditorFixture.h"
#include "support/qt/ReferenceImage.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <cstdlib>

namespace marquell {
namespace {

namespace fs = std::filesystem;

// Runs a poppler tool on a file and returns what it printed.
QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

class RenderTest : public test::EditorFixture {
protected:
    RenderTest() {
        m_previousFonts = tembra::SetFontCatalog(&m_fonts);
        app.ReadProfile();
        doc.SetServices(&app, nullptr);
        const fs::path master = fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT";
        EXPECT_TRUE(doc.OnOpenDocument(master.string()));
        window = std::make_unique<CLayoutViewWnd>(doc, app);
        window->resize(1024, 600);
        window->View().OnInitialUpdate();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    ~RenderTest() override {
        window.reset();
        tembra::SetFontCatalog(m_previousFonts);
    }

    tembra::CQtFontCatalog m_fonts;
    const tembra::IFontCatalog* m_previousFonts = nullptr;
    CAppSettings app;
    CMarquellDoc doc;
    std::unique_ptr<CLayoutViewWnd> window;
};

TEST_F(RenderTest, TheStandardLayoutsA4HeaderAt100Percent) {
    ASSERT_EQ(window->View().GetZoomPercent(), 100);
    // The header with its margins is wider than the window: it scrolls across, not down.
    EXPECT_TRUE(window->horizontalScrollBar()->isVisible());
    EXPECT_EQ(window->horizontalScrollBar()->maximum(),
              window->View().GetTotalDeviceSize().cx - window->viewport()->width());
    const QImage image = window->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    tembra::test::ExpectLooksLike(image, {"layout_editor", "master01_a4_header.png", 0.001});
}

TEST_F(RenderTest, ThePageIsWrittenAsAPdfOfOnePage) {
    const QString path = QString::fromStdString(paths.Dir().File("master01.pdf").string());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(PrintLayoutToPdf(path, printer, window->View()));
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(
        RunTool(QStringLiteral("pdfinfo"), {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString text =
        RunTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QString::fromUtf8("工事名"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("承認"))) << text.toStdString();
}

} // namespace
} // namespace marquell
