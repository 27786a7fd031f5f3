// Drawing on a printer's page (a PDF file): the ruled lines of one pixel wait and go to the page
// together, as one path, without changing what the page shows.
#include "platform/qt/QtDC.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

namespace tembra {
namespace {

constexpr int kDpi = 300;

struct PrintedPage {
    QImage image;    // the page rasterised at kDpi
    QByteArray what; // the drawing operators of the page
};

// The content stream of the PDF's only page, inflated.
QByteArray PageContent(const QByteArray& pdf) {
    QByteArray largest;
    const QRegularExpression stream(QStringLiteral("/FlateDecode[^>]*>>\\s*stream\\r?\\n"));
    auto it = stream.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const auto match = it.next();
        const qsizetype begin = match.capturedEnd();
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0) {
            continue;
        }
        // qUncompress wants the size ahead of the zlib stream; it is a first guess only.
        QByteArray packed(4, '\0');
        packed[0] = 0x01;
        packed.append(pdf.mid(begin, end - begin));
        const QByteArray inflated = qUncompress(packed);
        if (inflated.contains(" m\n") && inflated.size() > largest.size()) {
            largest = inflated;
        }
    }
    return largest;
}

// Draws on an A4 page in MM_LOMETRIC (y upwards from the top left) and reads the page back.
PrintedPage Print(const std::function<void(CQtDC&)>& draw) {
    PrintedPage page;
    QTemporaryDir dir;
    EXPECT_TRUE(dir.isValid());
    const QString path = dir.filePath("page.pdf");
    {
        QPdfWriter writer(path);
        writer.setResolution(kDpi);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        CQtDC dc(&writer, CQtDC::ForPagedDevice(writer));
        dc.SetMapMode(MM_LOMETRIC);
        draw(dc);
    }
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    page.what = PageContent(file.readAll());
    QProcess raster;
    raster.start("pdftoppm", {"-r", QString::number(kDpi), "-gray", "-png", "-singlefile", path,
                              dir.filePath("page")});
    EXPECT_TRUE(raster.waitForFinished(60000));
    EXPECT_EQ(raster.exitCode(), 0) << raster.readAllStandardError().toStdString();
    page.image = QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_Grayscale8);
    return page;
}

// The greys across a line of one pixel lying upright at x, near (x, y) in MM_LOMETRIC (0.1 mm,
// about 1.18 pixels at 300 dpi): the darkest and the lightest.
std::pair<int, int> GreysAcross(const QImage& image, int x, int y) {
    int darkest = 255;
    int lightest = 0;
    for (int dx = -2; dx <= 2; ++dx) {
        const int grey = qGray(image.pixel(static_cast<int>(x * kDpi / 254.0) + dx,
                                           static_cast<int>(-y * kDpi / 254.0)));
        darkest = std::min(darkest, grey);
        lightest = std::max(lightest, grey);
    }
    return {darkest, lightest};
}

int DarkestNear(const QImage& image, int x, int y) {
    return GreysAcross(image, x, y).first;
}

void UprightLines(CDC& dc, int count, int top, int bottom) {
    for (int i = 0; i < count; ++i) {
        const int x = 200 + 20 * i;
        dc.MoveTo(x, top);
        dc.LineTo(x, bottom);
    }
}

// A day grid: dotted lines of one pixel over the gaps' background colour, one per day, then the
// solid ones. The page holds a pen for each run, not one for every line.
TEST(CQtDCPrintedPage, RuledLinesOfOnePenGoAsOnePath) {
    const PrintedPage page = Print([](CQtDC& dc) {
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(255, 255, 255));
        CPen dotted(PS_DOT, 0, RGB(0, 0, 0));
        dc.SelectObject(&dotted);
        UprightLines(dc, 60, -200, -1400);
        CPen solid(PS_SOLID, 0, RGB(0, 0, 0));
        dc.SelectObject(&solid);
        UprightLines(dc, 60, -1500, -2500);
    });
    // The gaps' pen and the dashes' pen for the dotted run, one pen for the solid one.
    EXPECT_LE(page.what.count(" d\n"), 4) << page.what.left(2000).toStdString();
    EXPECT_LE(page.what.count("\nS\n"), 4);
    // Every line is on the page.
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(DarkestNear(page.image, 200 + 20 * i, -2000), 160);
    }
}

// Whatever is drawn after the lines that wait lies over them, as if they had been drawn at once:
// a fill, a text, and lines of another pen; and the lines drawn after a fill lie over it.
TEST(CQtDCPrintedPage, WaitingLinesKeepTheirPlaceInTheDrawing) {
    const PrintedPage page = Print([](CQtDC& dc) {
        CPen black(PS_SOLID, 0, RGB(0, 0, 0));
        dc.SelectObject(&black);
        UprightLines(dc, 10, -200, -1000);
        // White over the lower half of the lines.
        CBrush white(RGB(255, 255, 255));
        CRect lower(100, -600, 600, -1100);
        dc.FillRect(&lower, &white);
        // A black block, then lines in white across it.
        CBrush ink(RGB(0, 0, 0));
        CRect block(100, -1200, 600, -1600);
        dc.FillRect(&block, &ink);
        CPen whitePen(PS_SOLID, 0, RGB(255, 255, 255));
        dc.SelectObject(&whitePen);
        UprightLines(dc, 10, -1150, -1650);
        dc.SelectObject(&black);
    });
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const int x = 200 + 20 * i;
        EXPECT_LT(DarkestNear(page.image, x, -400), 160) << "the upper half stays";
        EXPECT_EQ(DarkestNear(page.image, x, -800), 255) << "the fill covers the lower half";
    }
    // The white lines show on the black block.
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_GT(GreysAcross(page.image, 200 + 20 * i, -1400).second, 100);
    }
}

} // namespace
} // namespace tembra
