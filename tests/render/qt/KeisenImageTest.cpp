// Double lines in pixel mode as the screen shows them: a table of double lines rendered through
// the Qt device context into an image at 96 dpi.
#include "render/PageLayout.h"

#include "platform/qt/QtDC.h"
#include "render/ChartTestDoc.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tembra {
namespace {

// The white pixels reached from a start pixel (4-connected), as a bounding box; an empty box
// when the start is not white.
QRect WhiteRegion(const QImage& image, QPoint start) {
    const QRgb white = qRgb(255, 255, 255);
    QRect box;
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()), false);
    std::vector<QPoint> stack{start};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!image.rect().contains(p)) {
            continue;
        }
        const auto index = static_cast<std::size_t>(p.y() * image.width() + p.x());
        if (seen[index] || (image.pixel(p) | 0xFF000000u) != white) {
            continue;
        }
        seen[index] = true;
        box = box.united(QRect(p, QSize(1, 1)));
        stack.insert(stack.end(),
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    return box;
}

class KeisenImageTest : public test::ChartTestBase {
protected:
    static constexpr int kOrigin = 20; // device pixels around the page

    // A table of three columns and three rows, every edge a double line, drawn on screen.
    QImage Render() {
        doc.table.SetLevelCount(3);
        Rows(0, 2);
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) {
                doc.SetCell(r, c, 5, 5);
            }
        }
        Bind();
        QImage image(1100, 660, QImage::Format_RGB32);
        image.fill(Qt::white);
        CQtDC::Options options;
        options.dpiX = 96;
        options.dpiY = 96;
        CQtDC dc(&image, options);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetViewportOrg(kOrigin, kOrigin);
        layout.DrawKoumokuGrid(&dc);
        m_toDevice = [this](int x, int y) {
            CRecordingDC same(CRecordingDC::Device::Screen, 96);
            same.SetMapMode(MM_LOMETRIC);
            same.SetViewportOrg(kOrigin, kOrigin);
            CPoint p(x, y);
            same.LPtoDP(&p);
            return QPoint(p.x, p.y);
        };
        return image;
    }
    QPoint Device(int x, int y) const { return m_toDevice(x, y); }

    std::function<QPoint(int, int)> m_toDevice;
};

// Each cell enclosed by double lines shows its own closed frame one pixel inside its edges:
// the white inside of the cell ends exactly there. At the table's first row and column the
// frame lies one pixel outside the edge, under the table's frame.
TEST_F(KeisenImageTest, EnclosedCellShowsClosedInnerFrame) {
    const QImage image = Render();
    const int left = Device(layout.ColumnToX(0, 1), 0).x();
    const int right = Device(layout.ColumnToX(1, 1), 0).x();
    const int top = Device(0, layout.RowToY(0, 1)).y();
    const int bottom = Device(0, layout.RowToY(1, 1)).y();
    const QRect inner(QPoint(left + 2, top + 2), QPoint(right - 2, bottom - 2));
    EXPECT_EQ(WhiteRegion(image, inner.center()), inner);

    const QPoint corner = Device(layout.ColumnToX(0, -1), layout.RowToY(0, -1));
    const QRect first(corner, QPoint(left - 2, top - 2));
    EXPECT_EQ(WhiteRegion(image, first.center()), first);

    // The frame itself is black all round.
    for (int x = inner.left() - 1; x <= inner.right() + 1; ++x) {
        EXPECT_EQ(image.pixel(x, inner.top() - 1) | 0xFF000000u, qRgb(0, 0, 0)) << x;
        EXPECT_EQ(image.pixel(x, inner.bottom() + 1) | 0xFF000000u, qRgb(0, 0, 0)) << x;
    }
}

// Between two frames the line itself stays white: two strands, not one broad line.
TEST_F(KeisenImageTest, DoubleLineKeepsItsGap) {
    const QImage image = Render();
    const int x = Device(layout.ColumnToX(0, 1), 0).x();
    const int y = Device(0, layout.RowToY(1, 0)).y();
    EXPECT_EQ(image.pixel(x - 1, y) | 0xFF000000u, qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(x, y) | 0xFF000000u, qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(x + 1, y) | 0xFF000000u, qRgb(0, 0, 0));
}

} // namespace
} // namespace tembra
