// Drawing on a printer's page (a PDF file): the ruled lines of one pixel, the level labels of one
// font and colour and the blocks filled with one brush wait and go to the page together, as one
// path, one text object or one fill, without changing what the page shows.
#include "platform/qt/QtDC.h"

#include "platform/Sjis.h"

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
#include <string>
#include <utility>

namespace tembra {
namespace {

constexpr int kDpi = 300;

struct PrintedPage {
    QImage image;    // the page rasterised at kDpi
    QByteArray what; // the drawing operators of the page
    QByteArray file; // the whole PDF file
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
        const bool drawing = inflated.contains(" m\n") || inflated.contains("BT\n");
        if (drawing && inflated.size() > largest.size()) {
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
    page.file = file.readAll();
    page.what = PageContent(page.file);
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

// The darkest grey in a box given in MM_LOMETRIC.
int DarkestIn(const QImage& image, const CRect& box) {
    int darkest = 255;
    for (int y = -box.top; y < -box.bottom; y += 2) {
        for (int x = box.left; x < box.right; x += 2) {
            darkest = std::min(darkest, qGray(image.pixel(static_cast<int>(x * kDpi / 254.0),
                                                          static_cast<int>(y * kDpi / 254.0))));
        }
    }
    return darkest;
}

void SelectFont(CDC& dc, CFont& font, int height) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.SetFaceName(Sjis::FromUtf8("ＭＳ ゴシック"));
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
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

// The day numbers of a row: labels of one font and colour are one text object, whatever their
// places; a label of another colour starts another, drawn where it falls in the drawing.
TEST(CQtDCPrintedPage, LabelsOfOneFontAndColourGoAsOneText) {
    const PrintedPage page = Print([](CQtDC& dc) {
        CFont font;
        SelectFont(dc, font, -40);
        dc.SetBkMode(TRANSPARENT);
        for (int day = 1; day <= 31; ++day) {
            dc.SetTextColor(day % 7 == 0 ? RGB(255, 0, 0) : RGB(0, 0, 0));
            dc.TextOut(100 + 60 * day, -300, std::to_string(day));
        }
    });
    // Black runs between the red Sundays: five black and four red text objects.
    EXPECT_EQ(page.what.count("BT\n"), 9);
    // Every label is on the page, the Sundays in red.
    for (int day = 1; day <= 31; ++day) {
        SCOPED_TRACE(day);
        const int x = static_cast<int>((110 + 60 * day) * kDpi / 254.0);
        QRgb darkest = qRgb(255, 255, 255);
        for (int px = x - 8; px < x + 30; ++px) {
            for (int py = static_cast<int>(300 * kDpi / 254.0);
                 py < static_cast<int>(340 * kDpi / 254.0); ++py) {
                if (qGray(page.image.pixel(px, py)) < qGray(darkest)) {
                    darkest = page.image.pixel(px, py);
                }
            }
        }
        EXPECT_LT(qGray(darkest), 128);
    }
}

// Text that waits is drawn before whatever comes after it: a fill after it covers it, a text
// after a fill lies on it.
TEST(CQtDCPrintedPage, WaitingTextKeepsItsPlaceInTheDrawing) {
    const PrintedPage page = Print([](CQtDC& dc) {
        CFont font;
        SelectFont(dc, font, -60);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(200, -200, Sjis::FromUtf8("工程表"));
        dc.TextOut(200, -400, Sjis::FromUtf8("工程表"));
        CBrush white(RGB(255, 255, 255));
        CRect over(150, -380, 700, -500);
        dc.FillRect(&over, &white);
        CBrush grey(RGB(192, 192, 192));
        CRect under(150, -580, 700, -700);
        dc.FillRect(&under, &grey);
        dc.TextOut(200, -600, Sjis::FromUtf8("工程表"));
    });
    EXPECT_LT(DarkestIn(page.image, CRect(200, -200, 400, -260)), 100) << "the first line stays";
    EXPECT_EQ(DarkestIn(page.image, CRect(160, -390, 690, -490)), 255) << "the fill covers";
    EXPECT_LT(DarkestIn(page.image, CRect(200, -600, 400, -660)), 100) << "the text lies on";
}

// The holiday shading of a chart: blocks filled with one pattern brush are one fill with one
// pattern object (a PDF page gets a new one for every fill), and a block of another brush drawn
// between them keeps its place: white over the first run covers it, the second run lies on the
// white.
TEST(CQtDCPrintedPage, BlocksOfOneBrushGoAsOneFill) {
    const auto column = [](int i, int top, int bottom) {
        return CRect(200 + 60 * i, top, 240 + 60 * i, bottom);
    };
    const PrintedPage page = Print([&](CQtDC& dc) {
        CBrush hatch;
        hatch.CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 0));
        for (int i = 0; i < 20; ++i) {
            CRect block = column(i, -200, -1000);
            dc.FillRect(&block, &hatch);
        }
        CBrush white(RGB(255, 255, 255));
        CRect over(100, -600, 1500, -1300);
        dc.FillRect(&over, &white);
        for (int i = 0; i < 20; ++i) {
            CRect block = column(i, -1100, -1400);
            dc.FillRect(&block, &hatch);
        }
    });
    EXPECT_EQ(page.file.count("/PatternType"), 2) << "one pattern for each run";
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(DarkestIn(page.image, column(i, -250, -550)), 128) << "the first run shows";
        EXPECT_EQ(DarkestIn(page.image, column(i, -650, -1050)), 255) << "the white covers it";
        EXPECT_LT(DarkestIn(page.image, column(i, -1150, -1350)), 128) << "the second run lies on";
        EXPECT_EQ(DarkestIn(page.image, CRect(245 + 60 * i, -250, 255 + 60 * i, -550)), 255)
            << "nothing between the blocks";
    }
}

} // namespace
} // namespace tembra
