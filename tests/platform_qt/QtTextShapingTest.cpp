// A line of text is shaped once for its font and drawn from what was shaped: each font keeps its
// own shapes, and the line looks the same the first time and every time after.
#include "platform/qt/QtDC.h"

#include "platform/Sjis.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace tembra {
namespace {

// The bounding box of the dark pixels inside a band of the image.
QRect InkIn(const QImage& image, const QRect& band) {
    QRect box;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

TEST(QtTextShaping, EachFontDrawsItsOwnShapeOfALine) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    const std::string text = Sjis::FromUtf8("Ab工程12");
    {
        CQtDC::Options options;
        options.dpiX = 96;
        options.dpiY = 96;
        CQtDC dc(&image, options);
        dc.SetBkMode(TRANSPARENT);
        // The same line in 20, 40 and again 20 pixels, one band of 100 pixels each; between
        // them the measure that the centred and right-aligned lines need.
        const int heights[] = {-20, -40, -20};
        for (int i = 0; i < 3; ++i) {
            LOGFONT lf;
            lf.lfHeight = heights[i];
            lf.lfCharSet = SHIFTJIS_CHARSET;
            lf.SetFaceName(Sjis::FromUtf8("ＭＳ ゴシック"));
            CFont font;
            font.CreateFontIndirect(&lf);
            CFont* old = dc.SelectObject(&font);
            EXPECT_GT(dc.GetTextExtent(text).cx, 0);
            dc.TextOut(10, 100 * i + 20, text);
            dc.SelectObject(old);
        }
    }
    const QRect small = InkIn(image, QRect(0, 0, 400, 100));
    const QRect large = InkIn(image, QRect(0, 100, 400, 100));
    const QRect again = InkIn(image, QRect(0, 200, 400, 100));
    ASSERT_FALSE(small.isNull());
    // The larger font draws a line about twice as wide and high.
    EXPECT_NEAR(large.width(), 2 * small.width(), small.width() / 5);
    EXPECT_NEAR(large.height(), 2 * small.height(), small.height() / 3);
    // Drawn again from its shapes, the first line is the same, pixel for pixel.
    ASSERT_EQ(again.size(), small.size());
    EXPECT_EQ(again.translated(0, -200), small);
    EXPECT_EQ(image.copy(again), image.copy(small));
}

} // namespace
} // namespace tembra
