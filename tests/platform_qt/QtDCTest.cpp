#include "platform/qt/QtDC.h"

#include "platform/Sjis.h"

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace tembra {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

QImage WhiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRgb Px(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

// The bounding box of every pixel that is not the background.
QRect InkBox(const QImage& image, QRgb background = kWhite) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Px(image, x, y) != background) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

// A device context where one logical unit of MM_LOMETRIC is one pixel.
CQtDC::Options OnePixelPerUnit() {
    CQtDC::Options o;
    o.dpiX = 254;
    o.dpiY = 254;
    return o;
}

std::string Cp932(const char* utf8) {
    return Sjis::FromUtf8(utf8);
}

LOGFONT Font(const char* faceUtf8, int height, int width = 0, int escapement = 0) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.SetFaceName(Cp932(faceUtf8));
    return lf;
}

// ---- Mapping and shapes -------------------------------------------------------------------------

TEST(CQtDC, MetricMappingPutsYUpwards) {
    QImage image = WhiteImage(200, 200);
    {
        CQtDC dc(&image); // 96 dpi
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetViewportOrg(0, 200);
        CBrush red(RGB(255, 0, 0));
        dc.SelectObject(&red);
        dc.SelectStockObject(NULL_PEN);
        // One inch from the left, from one to two inches above the bottom.
        dc.Rectangle(254, 508, 508, 254);
    }
    // Device rows 8 (two inches up) to 104 (one inch up); without a pen GDI leaves out one
    // more pixel on the right and at the bottom.
    EXPECT_EQ(Px(image, 120, 50), qRgb(255, 0, 0));
    EXPECT_EQ(Px(image, 120, 102), qRgb(255, 0, 0));
    EXPECT_EQ(Px(image, 120, 103), kWhite);
    EXPECT_EQ(Px(image, 120, 7), kWhite);
    EXPECT_EQ(InkBox(image), QRect(QPoint(96, 8), QPoint(190, 102)));
}

TEST(CQtDC, RectangleLeavesOutItsRightAndBottomEdges) {
    QImage image = WhiteImage(20, 20);
    {
        CQtDC dc(&image);
        CBrush grey(RGB(128, 128, 128));
        dc.SelectObject(&grey);
        dc.Rectangle(2, 2, 10, 8);
    }
    EXPECT_EQ(Px(image, 2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(Px(image, 9, 7), qRgb(0, 0, 0));
    EXPECT_EQ(Px(image, 5, 5), qRgb(128, 128, 128));
    EXPECT_EQ(Px(image, 10, 5), kWhite);
    EXPECT_EQ(Px(image, 5, 8), kWhite);
    EXPECT_EQ(InkBox(image), QRect(QPoint(2, 2), QPoint(9, 7)));
}

struct HatchCase {
    const char* name;
    int hatch;
    std::vector<QPoint> ink;
    std::vector<QPoint> gap;
};

class HatchTest : public testing::TestWithParam<HatchCase> {};

TEST_P(HatchTest, RunsTheRightWayUnderAYUpMapping) {
    const HatchCase& c = GetParam();
    // At 96 dpi the cell is 8 device pixels.
    QImage image = WhiteImage(16, 16);
    {
        CQtDC dc(&image);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetBkMode(TRANSPARENT);
        CBrush hatch(c.hatch, RGB(0, 0, 255));
        const CRect all(0, 0, 100, -100);
        dc.FillRect(&all, &hatch);
    }
    for (const QPoint& p : c.ink) {
        EXPECT_EQ(Px(image, p.x(), p.y()), qRgb(0, 0, 255)) << p.x() << "," << p.y();
    }
    for (const QPoint& p : c.gap) {
        EXPECT_EQ(Px(image, p.x(), p.y()), kWhite) << p.x() << "," << p.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, HatchTest,
    testing::Values(
        HatchCase{"horizontal", HS_HORIZONTAL, {{0, 0}, {5, 0}, {15, 8}}, {{0, 1}, {5, 4}}},
        HatchCase{"vertical", HS_VERTICAL, {{0, 0}, {0, 5}, {8, 15}}, {{1, 0}, {4, 5}}},
        // Falling from the upper left to the lower right on the device.
        HatchCase{
            "falling", HS_FDIAGONAL, {{0, 0}, {1, 1}, {2, 2}, {7, 7}, {9, 1}}, {{1, 0}, {7, 0}}},
        // Rising from the lower left to the upper right.
        HatchCase{"rising", HS_BDIAGONAL, {{7, 0}, {6, 1}, {0, 7}, {15, 0}}, {{0, 0}, {1, 1}}},
        HatchCase{"cross", HS_CROSS, {{0, 0}, {5, 0}, {0, 5}}, {{1, 1}, {5, 5}}},
        HatchCase{
            "diagonal_cross", HS_DIAGCROSS, {{0, 0}, {1, 1}, {7, 0}, {6, 1}}, {{1, 0}, {4, 0}}}),
    [](const auto& info) { return info.param.name; });

TEST(CQtDC, HatchGapsFollowTheBackgroundModeAndBrushOrigin) {
    QImage image = WhiteImage(16, 16);
    {
        CQtDC dc(&image);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(0, 255, 0));
        dc.SetBrushOrg(3, 2);
        CBrush hatch(HS_HORIZONTAL, RGB(0, 0, 255));
        const CRect all(0, 0, 16, 16);
        dc.FillRect(&all, &hatch);
    }
    EXPECT_EQ(Px(image, 0, 2), qRgb(0, 0, 255));
    EXPECT_EQ(Px(image, 0, 10), qRgb(0, 0, 255));
    EXPECT_EQ(Px(image, 0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(Px(image, 0, 3), qRgb(0, 255, 0));
}

TEST(CQtDC, HatchCellGrowsWithTheResolution) {
    // At 288 dpi a cell pixel is 3 device pixels, so that a printed hatch keeps the spacing it
    // has on a 96 dpi screen.
    QImage image = WhiteImage(48, 48);
    {
        CQtDC::Options o;
        o.dpiX = 288;
        o.dpiY = 288;
        CQtDC dc(&image, o);
        dc.SetBkMode(TRANSPARENT);
        CBrush hatch(HS_HORIZONTAL, RGB(0, 0, 0));
        const CRect all(0, 0, 48, 48);
        dc.FillRect(&all, &hatch);
    }
    for (int y : {0, 1, 2, 24, 25, 26}) {
        EXPECT_EQ(Px(image, 10, y), qRgb(0, 0, 0)) << y;
    }
    for (int y : {3, 12, 23, 27}) {
        EXPECT_EQ(Px(image, 10, y), kWhite) << y;
    }
}

TEST(CQtDC, MonochromePatternUsesTextAndBackgroundColours) {
    // A checker whose 0 bits draw in the text colour, 1 bits in the background colour.
    const unsigned char rows[16] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0,
                                    0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, rows));
    CBrush brush;
    ASSERT_TRUE(brush.CreatePatternBrush(&bitmap));
    QImage image = WhiteImage(8, 8);
    {
        CQtDC dc(&image);
        dc.SetTextColor(RGB(255, 0, 0));
        dc.SetBkColor(RGB(0, 0, 255));
        dc.SetBkMode(TRANSPARENT); // does not matter for a pattern
        const CRect all(0, 0, 8, 8);
        dc.FillRect(&all, &brush);
    }
    EXPECT_EQ(Px(image, 0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(Px(image, 1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(Px(image, 0, 1), qRgb(255, 0, 0));
}

// ---- Raster operations --------------------------------------------------------------------

struct RopCase {
    const char* name;
    int rop;
    std::function<void(CDC&)> draw;
};

class RopTwiceTest : public testing::TestWithParam<RopCase> {};

TEST_P(RopTwiceTest, DrawingTwiceRestoresThePixels) {
    const RopCase& c = GetParam();
    QImage image(120, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 2, y * 2, (x + y) % 256));
        }
    }
    const QImage before = image.copy();
    {
        CQtDC dc(&image);
        CPen pen(PS_SOLID, 0, RGB(200, 30, 90));
        CBrush brush(HS_DIAGCROSS, RGB(10, 250, 40));
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.SetBkMode(TRANSPARENT);
        dc.SetROP2(c.rop);
        c.draw(dc);
        ASSERT_NE(image, before) << "the first drawing changed nothing";
        c.draw(dc);
    }
    EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RopTwiceTest,
    testing::Values(
        RopCase{"xor_polyline", R2_XORPEN,
                [](CDC& dc) {
                    const CPoint pts[] = {{5, 5}, {100, 5}, {100, 90}, {20, 60}};
                    dc.Polyline(pts, 4);
                }},
        RopCase{"xor_lines", R2_XORPEN,
                [](CDC& dc) {
                    dc.MoveTo(10, 10);
                    dc.LineTo(90, 10);
                    dc.LineTo(90, 80);
                    dc.LineTo(10, 10);
                }},
        RopCase{"not_rectangle_frame", R2_NOT,
                [](CDC& dc) {
                    dc.SelectStockObject(NULL_BRUSH);
                    dc.Rectangle(10, 10, 80, 70);
                }},
        RopCase{"xor_filled_rectangle", R2_XORPEN, [](CDC& dc) { dc.Rectangle(10, 10, 80, 70); }},
        RopCase{"xor_ellipse", R2_XORPEN, [](CDC& dc) { dc.Ellipse(10, 10, 110, 70); }},
        RopCase{"xor_polygon", R2_XORPEN,
                [](CDC& dc) {
                    const CPoint pts[] = {{60, 5}, {110, 100}, {5, 40}};
                    dc.Polygon(pts, 3);
                }},
        RopCase{"not_pie", R2_NOT, [](CDC& dc) { dc.Pie(10, 10, 110, 110, 110, 60, 60, 10); }},
        RopCase{"dstinvert_block", R2_COPYPEN,
                [](CDC& dc) { dc.PatBlt(5, 5, 40, -4, DSTINVERT); }}),
    [](const auto& info) { return info.param.name; });

// Inverting white once gives black: a shape drawn with R2_NOT must look exactly like the same
// shape copied in black, or some pixel was combined twice (a corner of a frame, a vertex of a
// line chain, the seam between fill and outline).
class RopOnceTest : public testing::TestWithParam<RopCase> {};

TEST_P(RopOnceTest, NoPixelIsCombinedTwice) {
    const RopCase& c = GetParam();
    auto render = [&](int rop) {
        QImage image = WhiteImage(120, 120);
        CQtDC dc(&image);
        CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
        CBrush brush(RGB(0, 0, 0));
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.SetROP2(rop);
        c.draw(dc);
        return image;
    };
    const QImage copied = render(R2_COPYPEN);
    const QImage inverted = render(R2_NOT);
    ASSERT_FALSE(InkBox(copied).isNull());
    int differing = 0;
    for (int y = 0; y < copied.height(); ++y) {
        for (int x = 0; x < copied.width(); ++x) {
            differing += Px(copied, x, y) != Px(inverted, x, y);
        }
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RopOnceTest,
    testing::Values(RopCase{"line_chain", 0,
                            [](CDC& dc) {
                                dc.MoveTo(10, 10);
                                dc.LineTo(90, 10);
                                dc.LineTo(90, 80);
                                dc.LineTo(10, 40);
                            }},
                    RopCase{"polyline", 0,
                            [](CDC& dc) {
                                const CPoint pts[] = {{5, 5}, {100, 5}, {100, 90}, {20, 60}};
                                dc.Polyline(pts, 4);
                            }},
                    RopCase{"frame", 0,
                            [](CDC& dc) {
                                dc.SelectStockObject(NULL_BRUSH);
                                dc.Rectangle(10, 10, 80, 70);
                            }},
                    RopCase{"filled_rectangle", 0, [](CDC& dc) { dc.Rectangle(10, 10, 80, 70); }},
                    RopCase{"filled_ellipse", 0, [](CDC& dc) { dc.Ellipse(10, 10, 110, 70); }},
                    RopCase{"filled_polygon", 0,
                            [](CDC& dc) {
                                const CPoint pts[] = {{60, 5}, {110, 100}, {5, 40}};
                                dc.Polygon(pts, 3);
                            }}),
    [](const auto& info) { return info.param.name; });

TEST(CQtDC, VectorDevicesCopyWhatARasterOperationWouldShow) {
    QPicture picture;
    {
        CQtDC::Options o;
        o.device = CQtDC::Device::Metafile;
        CQtDC dc(&picture, o);
        EXPECT_TRUE(dc.IsMetafile());
        dc.SetROP2(R2_XORPEN);
        CBrush red(RGB(255, 0, 0));
        dc.SelectObject(&red);
        dc.SelectStockObject(NULL_PEN);
        dc.Rectangle(0, 0, 10, 10);
        // XOR with black leaves everything as it is: nothing is drawn.
        CPen black(PS_SOLID, 0, RGB(0, 0, 0));
        dc.SelectObject(&black);
        dc.MoveTo(0, 15);
        dc.LineTo(20, 15);
    }
    QImage image = WhiteImage(30, 30);
    {
        QPainter p(&image);
        p.drawPicture(0, 0, picture);
    }
    EXPECT_EQ(Px(image, 4, 4), qRgb(255, 0, 0));
    EXPECT_EQ(Px(image, 5, 15), kWhite);
}

// ---- Clipping and memory bitmaps ----------------------------------------------------------

TEST(CQtDC, ClipLimitsTheDrawing) {
    QImage image = WhiteImage(50, 50);
    {
        CQtDC::Options o;
        o.updateRect = QRect(0, 0, 40, 50);
        CQtDC dc(&image, o);
        dc.IntersectClipRect(10, 10, 30, 30);
        dc.ExcludeClipRect(15, 15, 20, 20);
        const CRect all(0, 0, 50, 50);
        CBrush black(RGB(0, 0, 0));
        dc.FillRect(&all, &black);
        dc.SelectClipRgn(nullptr);
        dc.FillRect(&all, &black);
    }
    EXPECT_EQ(Px(image, 5, 5), qRgb(0, 0, 0)); // second fill, clip removed
    EXPECT_EQ(Px(image, 45, 5), kWhite);       // never: outside the update rectangle
}

TEST(CQtDC, MemoryBitmapBlitsOntoTheDevice) {
    QImage image = WhiteImage(40, 40);
    {
        CQtDC dc(&image);
        auto mem = dc.CreateCompatibleDC();
        ASSERT_TRUE(mem);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 10, 10));
        CBitmap* old = mem->SelectObject(&bitmap);
        ASSERT_NE(old, nullptr);
        mem->PatBlt(0, 0, 10, 10, WHITENESS);
        const CRect inner(2, 2, 8, 8);
        CBrush red(RGB(255, 0, 0));
        mem->FillRect(&inner, &red);
        dc.BitBlt(20, 20, 10, 10, mem.get(), 0, 0, SRCCOPY);
        // The bitmap holds what was drawn into it.
        EXPECT_EQ(bitmap.Pixels()->At(5, 5) | 0xFF000000u, qRgb(255, 0, 0));
        // XOR of the inverted bitmap (black around red) changes only the red part.
        mem->PatBlt(0, 0, 10, 10, DSTINVERT);
        dc.BitBlt(0, 0, 10, 10, mem.get(), 0, 0, SRCINVERT);
        mem->SelectObject(old);
    }
    EXPECT_EQ(Px(image, 25, 25), qRgb(255, 0, 0));
    EXPECT_EQ(Px(image, 21, 21), kWhite);
    EXPECT_EQ(Px(image, 1, 1), kWhite);
    EXPECT_EQ(Px(image, 5, 5), qRgb(255, 0, 0));
}

// ---- Pens -----------------------------------------------------------------------------------

TEST(CQtDC, DashedPenDashesOnlyWhileOnePixelWide) {
    auto inked = [](int dpi) {
        QImage image = WhiteImage(200, 10);
        CQtDC::Options o;
        o.dpiX = dpi;
        o.dpiY = dpi;
        {
            CQtDC dc(&image, o);
            dc.SetMapMode(MM_LOMETRIC);
            CPen pen(PS_DASH, 2, RGB(0, 0, 0));
            dc.SelectObject(&pen);
            dc.SetBkMode(TRANSPARENT);
            CPoint from(0, 5);
            CPoint to(200, 5);
            dc.DPtoLP(&from);
            dc.DPtoLP(&to);
            dc.MoveTo(from);
            dc.LineTo(to);
        }
        int n = 0;
        for (int x = 0; x < 200; ++x) {
            n += Px(image, x, 5) != kWhite;
        }
        return n;
    };
    // 2 units are under a pixel at 96 dpi: dashes of 18 on, 6 off over 200 pixels.
    EXPECT_EQ(inked(96), 8 * 18 + 8);
    // 2 pixels wide at 254 dpi: solid.
    EXPECT_EQ(inked(254), 200);
}

TEST(CQtDC, GeometricPenWithFlatEndsAndUserDashes) {
    QImage image = WhiteImage(100, 20);
    {
        CQtDC dc(&image);
        LOGBRUSH lb{BS_SOLID, RGB(0, 0, 0), 0};
        const DWORD runs[] = {10, 10};
        CPen pen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 4, &lb, 2, runs);
        dc.SelectObject(&pen);
        dc.MoveTo(0, 10);
        dc.LineTo(100, 10);
    }
    EXPECT_EQ(Px(image, 5, 10), qRgb(0, 0, 0));
    EXPECT_EQ(Px(image, 15, 10), kWhite);
    EXPECT_EQ(Px(image, 25, 10), qRgb(0, 0, 0));
    EXPECT_EQ(Px(image, 5, 5), kWhite);
}

// The dash runs of a geometric pen are logical lengths along the line: where the mapping
// stretches y twice as much as x, an upright line's dashes are twice as long on the device as a
// level line's.
TEST(CQtDC, UserDashesKeepTheirLogicalLengthAlongTheLine) {
    QImage image = WhiteImage(200, 200);
    {
        CQtDC dc(&image);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(100, 100);
        dc.SetViewportExt(100, 200);
        LOGBRUSH lb{BS_SOLID, RGB(0, 0, 0), 0};
        const DWORD runs[] = {10, 10};
        CPen pen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 2, &lb, 2, runs);
        dc.SelectObject(&pen);
        dc.MoveTo(50, 0);
        dc.LineTo(50, 90);
        dc.MoveTo(0, 95);
        dc.LineTo(90, 95);
    }
    const QRgb ink = qRgb(0, 0, 0);
    struct Probe {
        int x;
        int y;
        bool inked;
    };
    const Probe probes[] = {
        {50, 5, true},  {50, 15, true}, {50, 25, false},  {50, 35, false},
        {50, 45, true}, {5, 190, true}, {15, 190, false}, {25, 190, true},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(Px(image, p.x, p.y) == ink, p.inked) << p.x << "," << p.y;
    }
}

// Level and upright lines one pixel wide set exactly the pixels the painter's own line sets:
// from the smaller end up to the larger, whichever way they run, cut by the clip; a sloping line
// is drawn as it always was.
TEST(CQtDC, ThinLevelAndUprightLinesSetThePaintersPixels) {
    struct Case {
        const char* name;
        QPoint from;
        QPoint to;
    };
    const Case cases[] = {
        {"level, to the right", {3, 7}, {40, 7}},
        {"level, to the left", {40, 9}, {3, 9}},
        {"upright, downwards", {11, 2}, {11, 38}},
        {"upright, upwards", {13, 38}, {13, 2}},
        {"through the clip's edge", {0, 20}, {49, 20}},
        {"beyond the image", {-10, 25}, {60, 25}},
        {"sloping", {2, 2}, {40, 30}},
    };
    const auto penOf = [](bool geometric) {
        LOGBRUSH lb{BS_SOLID, RGB(200, 0, 100), 0};
        return geometric ? std::make_unique<CPen>(PS_GEOMETRIC | PS_ENDCAP_FLAT, 0, &lb, 0, nullptr)
                         : std::make_unique<CPen>(PS_SOLID, 0, RGB(200, 0, 100));
    };
    for (const bool geometric : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (geometric ? ", geometric" : ""));
            QImage drawn = WhiteImage(50, 40);
            {
                CQtDC dc(&drawn);
                dc.IntersectClipRect(0, 0, 45, 40);
                const auto pen = penOf(geometric);
                dc.SelectObject(pen.get());
                dc.MoveTo(c.from.x(), c.from.y());
                dc.LineTo(c.to.x(), c.to.y());
            }
            QImage painted = WhiteImage(50, 40);
            {
                QPainter p(&painted);
                p.setClipRect(QRect(0, 0, 45, 40));
                QPen pen(QColor(200, 0, 100));
                pen.setWidth(0);
                pen.setCapStyle(Qt::FlatCap);
                p.setPen(pen);
                p.drawLine(c.from, c.to);
            }
            EXPECT_EQ(drawn, painted);
        }
    }
}

// ---- Text -----------------------------------------------------------------------------------

// Selects ＭＳ ゴシック 40 units high into dc; font holds it while dc draws.
void SelectGothic40(CDC& dc, CFont& font) {
    const LOGFONT lf = Font("ＭＳ ゴシック", -40);
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
}

struct AlignCase {
    const char* name;
    UINT align;
    bool inkBelow; // all ink below (device) the reference line
    bool inkAbove;
};

class TextAlignTest : public testing::TestWithParam<AlignCase> {};

TEST_P(TextAlignTest, ReferencePointIsWhereGdiPutsIt) {
    const AlignCase& c = GetParam();
    QImage image = WhiteImage(300, 200);
    {
        CQtDC dc(&image, OnePixelPerUnit());
        dc.SetMapMode(MM_LOMETRIC);
        CFont font;
        SelectGothic40(dc, font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(c.align);
        dc.TextOut(100, -100, Cp932("工程"));
    }
    const QRect ink = InkBox(image);
    ASSERT_FALSE(ink.isNull());
    if (c.inkBelow) {
        EXPECT_GE(ink.top(), 100);
        EXPECT_LE(ink.bottom(), 100 + 46);
    }
    if (c.inkAbove) {
        EXPECT_LT(ink.bottom(), 100);
        EXPECT_GE(ink.top(), 100 - 46);
    }
    // Left aligned from x = 100; about 80 pixels for two full-width characters.
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.right(), 100 + 80);
    EXPECT_GT(ink.width(), 60);
}

INSTANTIATE_TEST_SUITE_P(Alignments, TextAlignTest,
                         testing::Values(AlignCase{"top", TA_TOP, true, false},
                                         AlignCase{"bottom", TA_BOTTOM, false, true}),
                         [](const auto& info) { return info.param.name; });

// The ink of two full-width characters (about 80 pixels) against the reference x = 150.
struct HorizontalAlignCase {
    const char* name;
    UINT align;
    int inkLeftMin; // the ink lies within [inkLeftMin, inkRightMax] and covers [coverFrom, coverTo]
    int inkRightMax;
    int coverFrom;
    int coverTo;
};

class HorizontalAlignTest : public testing::TestWithParam<HorizontalAlignCase> {};

TEST_P(HorizontalAlignTest, TextStandsWhereTheAlignmentPutsIt) {
    const HorizontalAlignCase& c = GetParam();
    QImage image = WhiteImage(300, 100);
    {
        CQtDC dc(&image, OnePixelPerUnit());
        dc.SetMapMode(MM_LOMETRIC);
        CFont font;
        SelectGothic40(dc, font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(c.align);
        dc.TextOut(150, -20, Cp932("工程"));
    }
    const QRect ink = InkBox(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), c.inkLeftMin);
    EXPECT_LE(ink.right(), c.inkRightMax);
    EXPECT_LE(ink.left(), c.coverFrom);
    EXPECT_GE(ink.right(), c.coverTo);
}

INSTANTIATE_TEST_SUITE_P(Alignments, HorizontalAlignTest,
                         testing::Values(HorizontalAlignCase{"left", TA_LEFT, 150, 231, 156, 215},
                                         HorizontalAlignCase{"centre", TA_CENTER, 109, 191, 115,
                                                             185},
                                         HorizontalAlignCase{"right", TA_RIGHT, 69, 150, 85, 144}),
                         [](const auto& info) { return info.param.name; });

// In opaque mode the text's cell is filled with the background colour: the text is measured
// for it, also when its alignment would not need the width.
TEST(CQtDC, OpaqueTextFillsItsCell) {
    for (const UINT align : {UINT{TA_LEFT}, UINT{TA_RIGHT}}) {
        SCOPED_TRACE(align);
        QImage image = WhiteImage(300, 100);
        {
            CQtDC dc(&image, OnePixelPerUnit());
            dc.SetMapMode(MM_LOMETRIC);
            CFont font;
            SelectGothic40(dc, font);
            dc.SetBkMode(OPAQUE);
            dc.SetBkColor(RGB(0, 255, 0));
            dc.SetTextAlign(align);
            dc.TextOut(150, -20, Cp932("工程"));
        }
        QRect cell;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (Px(image, x, y) == qRgb(0, 255, 0)) {
                    cell = cell.united(QRect(x, y, 1, 1));
                }
            }
        }
        ASSERT_FALSE(cell.isNull());
        EXPECT_NEAR(cell.width(), 80, 2);
        EXPECT_NEAR(cell.top(), 20, 1);
        EXPECT_GE(cell.height(), 40);
        EXPECT_NEAR(align == TA_LEFT ? cell.left() : cell.right() + 1, 150, 1);
        EXPECT_TRUE(cell.contains(InkBox(image, qRgb(0, 255, 0)).intersected(cell)));
    }
}

// Transparent text over a shape drawn just before in opaque mode (a balloon's box and its
// label): the text leaves the shape's outline and fill as they were around its glyphs, on the
// level path and on the path that places glyph by glyph (here for the clipping rectangle).
struct TextOverShapeCase {
    const char* name;
    UINT options;
};

class TextOverShapeTest : public testing::TestWithParam<TextOverShapeCase> {};

TEST_P(TextOverShapeTest, TransparentTextKeepsTheShapeBelow) {
    const TextOverShapeCase& c = GetParam();
    constexpr QRgb kGreen = 0xFF00FF00;
    QImage image = WhiteImage(300, 100);
    {
        CQtDC dc(&image, OnePixelPerUnit());
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(0, 255, 0));
        CBrush yellow(RGB(255, 255, 0));
        dc.SelectObject(&yellow);
        // Device rows 20 .. 79, columns 20 .. 279; the outline black.
        dc.Rectangle(20, -20, 280, -80);
        CFont font;
        SelectGothic40(dc, font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 0, 0));
        // The text's cell begins on the outline's top row.
        const CRect clip(0, 0, 300, -100);
        dc.ExtTextOut(40, -20, c.options, &clip, Cp932("中間検査"), nullptr);
    }
    int topEdge = 0;
    for (int x = 20; x <= 279; ++x) {
        topEdge += Px(image, x, 20) == qRgb(0, 0, 0) ? 1 : 0;
    }
    EXPECT_EQ(topEdge, 260);
    long background = 0;
    long yellow = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            background += Px(image, x, y) == kGreen ? 1 : 0;
            yellow += Px(image, x, y) == qRgb(255, 255, 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(background, 0);
    // The interior (258 x 58) less the text's ink.
    EXPECT_GT(yellow, 258 * 58 - 160 * 40);
    EXPECT_GT(InkBox(image.copy(40, 21, 200, 58), qRgb(255, 255, 0)).width(), 140);
}

INSTANTIATE_TEST_SUITE_P(Paths, TextOverShapeTest,
                         testing::Values(TextOverShapeCase{"level", 0},
                                         TextOverShapeCase{"clipped", ETO_CLIPPED}),
                         [](const auto& info) { return info.param.name; });

// A window paints through its own painter, and may set a font of its own between the calls of
// the device context: the next text is still drawn in the device context's font.
TEST(CQtDC, TextKeepsItsFontAfterThePainterWasGivenAnother) {
    QImage image = WhiteImage(400, 100);
    {
        QPainter painter(&image);
        CQtDC dc(&painter, OnePixelPerUnit());
        dc.SetMapMode(MM_LOMETRIC);
        const LOGFONT lf = Font("ＭＳ ゴシック", -60);
        CFont font;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, -10, Cp932("工"));
        QFont small(QStringLiteral("IPAGothic"));
        small.setPixelSize(8);
        painter.setFont(small);
        dc.TextOut(210, -10, Cp932("工"));
    }
    const QRect first = InkBox(image.copy(0, 0, 200, 100));
    const QRect second = InkBox(image.copy(200, 0, 200, 100));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(second.size(), first.size());
    EXPECT_GT(first.height(), 40);
}

TEST(CQtDC, VerticalFaceRunsDownwards) {
    QImage image = WhiteImage(300, 300);
    CSize extent;
    {
        CQtDC dc(&image, OnePixelPerUnit());
        dc.SetMapMode(MM_LOMETRIC);
        const LOGFONT lf = Font("@ＭＳ 明朝", -40, 20, 901);
        CFont font;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        extent = dc.GetTextExtent(Cp932("日本語"));
        dc.TextOut(200, -20, Cp932("日本語"));
    }
    const QRect ink = InkBox(image);
    ASSERT_FALSE(ink.isNull());
    // Three characters stacked downwards from y = 20, the column to the left of x = 200.
    EXPECT_GE(ink.top(), 18);
    EXPECT_GT(ink.height(), 100);
    EXPECT_LE(ink.height(), 125);
    EXPECT_LT(ink.width(), 46);
    EXPECT_LE(ink.right(), 201);
    EXPECT_GE(ink.left(), 200 - 48);
    // Measured along the line: three full-width characters of width 2 x 20.
    EXPECT_NEAR(extent.cx, 120, 3);
}

TEST(CQtDC, FontWidthNarrowsTheText) {
    QImage image = WhiteImage(10, 10);
    CQtDC dc(&image, OnePixelPerUnit());
    dc.SetMapMode(MM_LOMETRIC);
    auto width = [&](int lfWidth) {
        const LOGFONT lf = Font("ＭＳ ゴシック", -40, lfWidth);
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* old = dc.SelectObject(&font);
        const CSize s = dc.GetTextExtent("ABCD");
        dc.SelectObject(old);
        return s;
    };
    EXPECT_NEAR(width(20).cx, 80, 2);
    EXPECT_NEAR(width(10).cx, 40, 2);
    EXPECT_NEAR(width(0).cx, 80, 2);
    EXPECT_GE(width(10).cy, 40);
    EXPECT_LE(width(10).cy, 48);
}

TEST(CQtDC, WindowsFaceNamesDrawWithTheIpaFonts) {
    QImage image = WhiteImage(10, 10);
    CQtDC dc(&image); // installs the substitutions
    const std::pair<const char*, const char*> names[] = {
        {"ＭＳ 明朝", "IPAMincho"},    {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"}, {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"MS Mincho", "IPAMincho"},    {"MS PGothic", "IPAPGothic"},
    };
    for (const auto& [windows, ipa] : names) {
        QFont f(QString::fromUtf8(windows));
        EXPECT_EQ(QFontInfo(f).family(), QString::fromLatin1(ipa)) << windows;
    }
}

// ---- Printing -------------------------------------------------------------------------------

TEST(CQtDC, PdfHoldsTheJapaneseText) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("chart.pdf");
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        CQtDC dc(&writer, CQtDC::ForPagedDevice(writer));
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 300);
        EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
        EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALWIDTH), 2480, 2);
        dc.SetMapMode(MM_LOMETRIC);
        LOGBRUSH lb{BS_SOLID, RGB(0, 0, 0), 0};
        CPen pen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 4, &lb);
        dc.SelectObject(&pen);
        dc.MoveTo(100, -100);
        dc.LineTo(1500, -100);
        dc.Rectangle(100, -150, 1500, -400);
        const LOGFONT lf = Font("ＭＳ 明朝", -50);
        CFont font;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(150, -200, Cp932("工程表の印刷"));
    }
    ASSERT_TRUE(QFile::exists(path));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {path, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QString::fromUtf8("工程表の印刷"))) << text.toStdString();
}

// A tall hatched band (a holiday column of a printed chart) is one fill in the PDF: the file
// holds one pattern, not one for every strip a raster device would fill.
TEST(CQtDC, PdfFillsATallPatternOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("band.pdf");
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        CQtDC dc(&writer, CQtDC::ForPagedDevice(writer));
        dc.SetMapMode(MM_LOMETRIC);
        CBrush hatch(HS_DIAGCROSS, RGB(255, 0, 0));
        dc.SelectObject(&hatch);
        dc.SelectStockObject(NULL_PEN);
        dc.Rectangle(100, -100, 300, -2800);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/PatternType"), 1);
}

} // namespace
} // namespace tembra
