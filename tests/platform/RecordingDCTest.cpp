#include "platform/RecordingDC.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace tembra {
namespace {

// ---- Mapping ----------------------------------------------------------------------------------

struct MappingCase {
    const char* name;
    int dpi;
    int mode;
    CPoint logical;
    CPoint device;
};

class MappingTest : public testing::TestWithParam<MappingCase> {};

TEST_P(MappingTest, ConvertsBothWays) {
    const MappingCase& c = GetParam();
    CRecordingDC dc(CRecordingDC::Device::Screen, c.dpi);
    dc.SetMapMode(c.mode);
    CPoint p = c.logical;
    dc.LPtoDP(&p);
    EXPECT_EQ(p, c.device);
    dc.DPtoLP(&p);
    // Back within the rounding of one device unit.
    EXPECT_NEAR(p.x, c.logical.x, 254.0 / c.dpi);
    EXPECT_NEAR(p.y, c.logical.y, 254.0 / c.dpi);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MappingTest,
    testing::Values(MappingCase{"text", 96, MM_TEXT, {17, 23}, {17, 23}},
                    // 0.1 mm with y up: 254 units are one inch.
                    MappingCase{"lometric_96", 96, MM_LOMETRIC, {254, -508}, {96, 192}},
                    MappingCase{"lometric_600", 600, MM_LOMETRIC, {100, 100}, {236, -236}},
                    MappingCase{"lometric_rounding", 96, MM_LOMETRIC, {2, -2}, {1, 1}},
                    MappingCase{"himetric", 96, MM_HIMETRIC, {2540, -2540}, {96, 96}},
                    MappingCase{"twips", 96, MM_TWIPS, {1440, -720}, {96, 48}}),
    [](const auto& info) { return info.param.name; });

TEST(CDCMapping, OriginsShiftTheConversion) {
    CRecordingDC dc(CRecordingDC::Device::Screen, 254);
    dc.SetMapMode(MM_LOMETRIC); // one unit per pixel, y up
    dc.SetWindowOrg(100, -200);
    dc.SetViewportOrg(10, 20);
    CPoint p(150, -250);
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(60, 70));
    EXPECT_EQ(dc.OffsetWindowOrg(5, 5), CPoint(100, -200));
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(105, -195));
}

TEST(CDCMapping, ExtentsChangeOnlyInTheScalableModes) {
    CRecordingDC dc(CRecordingDC::Device::Screen, 96);
    dc.SetMapMode(MM_LOMETRIC);
    const CSize fixed = dc.GetWindowExt();
    dc.SetWindowExt(1, 1);
    EXPECT_EQ(dc.GetWindowExt(), fixed);

    // The zoom of a view: anisotropic keeps the metric extents and scales them.
    dc.SetMapMode(MM_ANISOTROPIC);
    EXPECT_EQ(dc.GetWindowExt(), fixed);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(200, -200);
    CPoint p(10, 10);
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(20, -20));
    // A zero extent is refused.
    EXPECT_EQ(dc.SetViewportExt(0, 5), CSize(200, -200));
    EXPECT_EQ(dc.GetViewportExt(), CSize(200, -200));
}

TEST(CDCMapping, IsotropicKeepsUnitsSquare) {
    CRecordingDC dc(CRecordingDC::Device::Screen, 96);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(400, -200);
    EXPECT_EQ(dc.GetViewportExt(), CSize(200, -200));
}

TEST(CDCMapping, SizesKeepTheirSign) {
    CRecordingDC dc(CRecordingDC::Device::Screen, 254);
    dc.SetMapMode(MM_LOMETRIC);
    CSize s(10, -10);
    dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(10, -10));
    EXPECT_EQ(MulDiv(7, 3, 2), 11); // 10.5 away from zero
    EXPECT_EQ(MulDiv(-7, 3, 2), -11);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

// ---- Objects and saved states -------------------------------------------------------------

TEST(CDCObjects, SelectReturnsThePreviousObject) {
    CRecordingDC dc;
    CPen red(PS_SOLID, 3, RGB(255, 0, 0));
    CPen* stock = dc.SelectObject(&red);
    EXPECT_EQ(stock, CGdiObject::Stock(BLACK_PEN));
    EXPECT_EQ(dc.CurrentPen().color, RGB(255, 0, 0));
    CPen blue(PS_DOT, 0, RGB(0, 0, 255));
    EXPECT_EQ(dc.SelectObject(&blue), &red);
    EXPECT_EQ(dc.SelectObject(stock), &blue);
    EXPECT_EQ(dc.CurrentPen().color, RGB(0, 0, 0));
    // An object without a value is refused and changes nothing.
    CPen empty;
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);
    EXPECT_EQ(dc.GetCurrentPen(), stock);
}

TEST(CDCObjects, ASelectedValueOutlivesItsObject) {
    CRecordingDC dc;
    {
        CBrush brush(RGB(1, 2, 3));
        dc.SelectObject(&brush);
    }
    dc.Rectangle(0, 0, 10, 10);
    const auto rects = dc.Find(DcOp::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].brush.color, RGB(1, 2, 3));
}

TEST(CDCObjects, StockObjectsCannotBeDeletedOrRecreated) {
    auto* pen = static_cast<CPen*>(CGdiObject::Stock(NULL_PEN));
    ASSERT_NE(pen, nullptr);
    EXPECT_FALSE(pen->DeleteObject());
    EXPECT_FALSE(pen->CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    EXPECT_TRUE(pen->Data().IsNull());
    EXPECT_EQ(CGdiObject::Stock(15), nullptr);
    EXPECT_EQ(CGdiObject::Stock(99), nullptr);
}

TEST(CDCObjects, PenRules) {
    CPen dashed(PS_DASH, 2, RGB(0, 0, 0));
    EXPECT_EQ(dashed.Data().LineStyle(), PS_DASH); // the device decides by its own width
    CPen bad(9, 1, RGB(0, 0, 0));
    EXPECT_EQ(bad.GetSafeHandle(), nullptr);

    LOGBRUSH lb{BS_SOLID, RGB(0, 0, 255), 0};
    CPen flat(PS_GEOMETRIC | PS_ENDCAP_FLAT, 12, &lb);
    EXPECT_TRUE(flat.Data().IsGeometric());
    EXPECT_EQ(flat.Data().EndCap(), PS_ENDCAP_FLAT);
    EXPECT_EQ(flat.Data().width, 12);

    const DWORD runs[] = {5, 3};
    CPen user(PS_GEOMETRIC | PS_USERSTYLE, 4, &lb, 2, runs);
    EXPECT_EQ(user.Data().dashes, std::vector<DWORD>({5, 3}));
    const DWORD zeros[] = {0, 0};
    CPen none(PS_GEOMETRIC | PS_USERSTYLE, 4, &lb, 2, zeros);
    EXPECT_EQ(none.GetSafeHandle(), nullptr);
    // A cosmetic pen of the extended form is one pixel wide.
    CPen cosmetic(PS_COSMETIC | PS_SOLID, 3, &lb);
    EXPECT_EQ(cosmetic.GetSafeHandle(), nullptr);
}

TEST(CDCObjects, HatchStylesOutsideTheSixAreRefused) {
    CBrush ok;
    EXPECT_TRUE(ok.CreateHatchBrush(HS_DIAGCROSS, 0));
    CBrush bad;
    EXPECT_FALSE(bad.CreateHatchBrush(6, 0));
    EXPECT_FALSE(bad.CreateHatchBrush(-1, 0));
}

TEST(CDCObjects, MonochromeBitmapBitsAsGdiLaysThemOut) {
    // Rows of 16 bits; the first pixel is the most significant bit.
    const unsigned char rows[] = {0x80, 0x00, 0x01, 0x00};
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 2, 1, 1, rows));
    const auto& px = *bitmap.Pixels();
    EXPECT_TRUE(px.Bit(0, 0));
    EXPECT_FALSE(px.Bit(1, 0));
    EXPECT_TRUE(px.Bit(7, 1));
    EXPECT_FALSE(px.Bit(0, 1));
    CBitmap huge;
    EXPECT_FALSE(huge.CreateCompatibleBitmap(nullptr, 100000, 100000));
    EXPECT_FALSE(huge.CreateCompatibleBitmap(nullptr, 0, 10));
}

TEST(CDCSavedStates, RestoreBringsBackEverything) {
    CRecordingDC dc;
    CPen pen(PS_SOLID, 1, RGB(9, 9, 9));
    const int first = dc.SaveDC();
    dc.SelectObject(&pen);
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetROP2(R2_XORPEN);
    dc.IntersectClipRect(0, 0, 100, -100);
    const int second = dc.SaveDC();
    dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);

    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetROP2(), R2_XORPEN);
    EXPECT_TRUE(dc.RestoreDC(first));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.GetCurrentPen(), CGdiObject::Stock(BLACK_PEN));
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 1920, 1080));
    // Nothing left to restore.
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(0));
}

TEST(CDCAttributes, InvalidModesAreRefused) {
    CRecordingDC dc;
    EXPECT_EQ(dc.SetROP2(0), 0);
    EXPECT_EQ(dc.SetROP2(17), 0);
    EXPECT_EQ(dc.SetBkMode(3), 0);
    EXPECT_EQ(dc.SetMapMode(9), 0);
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
}

// ---- Clipping ---------------------------------------------------------------------------------

TEST(CDCClip, IntersectAndExcludeInLogicalUnits) {
    CRecordingDC dc(CRecordingDC::Device::Screen, 254, CSize(1000, 1000));
    dc.SetMapMode(MM_LOMETRIC);
    CRect box;
    EXPECT_EQ(dc.IntersectClipRect(100, -100, 300, -400), SIMPLEREGION);
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    // Converted corner by corner: top above bottom under y up.
    EXPECT_EQ(box, CRect(100, -100, 300, -400));
    EXPECT_EQ(dc.ExcludeClipRect(150, -200, 200, -250), COMPLEXREGION);
    EXPECT_FALSE(dc.PtVisible(160, -210));
    EXPECT_TRUE(dc.PtVisible(120, -210));
    const CRect inside(160, -210, 190, -240);
    EXPECT_FALSE(dc.RectVisible(&inside));
    EXPECT_EQ(dc.SelectClipRgn(nullptr), SIMPLEREGION);
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 1000, -1000));
    EXPECT_EQ(dc.IntersectClipRect(2000, -2000, 3000, -3000), NULLREGION);
    EXPECT_EQ(dc.GetClipBox(&box), NULLREGION);
}

TEST(CDCClip, UpdateRectBoundsTheClip) {
    CRecordingDC dc;
    dc.SetUpdateRect(CRect(10, 10, 50, 60));
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(10, 10, 50, 60));
    // Removing the clip region keeps the update region.
    dc.SelectClipRgn(nullptr);
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(10, 10, 50, 60));
}

TEST(CDCClip, AMetafileHasNoClipBox) {
    CRecordingDC dc(CRecordingDC::Device::Metafile);
    EXPECT_TRUE(dc.IsMetafile());
    EXPECT_FALSE(dc.IsPrinting());
    CRect box(1, 2, 3, 4);
    EXPECT_EQ(dc.GetClipBox(&box), NULLREGION);
    EXPECT_TRUE(box.IsRectNull());
    dc.IntersectClipRect(0, 0, 10, 10);
    EXPECT_EQ(dc.GetClipBox(&box), NULLREGION);
    const CRect far(5000, 5000, 6000, 6000);
    EXPECT_TRUE(dc.RectVisible(&far));
}

TEST(CDCClip, SelectClipRgnCombines) {
    CRecordingDC dc(CRecordingDC::Device::Screen, 96, CSize(100, 100));
    CRgn a;
    a.CreateRectRgn(0, 0, 50, 50);
    dc.SelectClipRgn(&a);
    CRgn b;
    b.CreateRectRgn(25, 25, 75, 75);
    EXPECT_EQ(dc.SelectClipRgn(&b, RGN_OR), COMPLEXREGION);
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 75, 75));
    EXPECT_EQ(dc.SelectClipRgn(&b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(dc.SelectClipRgn(&b, 9), RGN_ERROR);
}

// ---- Regions ----------------------------------------------------------------------------------

struct CombineCase {
    const char* name;
    int mode;
    int type;
    CRect box;
    std::vector<CPoint> in;
    std::vector<CPoint> out;
};

class RegionCombineTest : public testing::TestWithParam<CombineCase> {};

TEST_P(RegionCombineTest, CombinesTwoOverlappingRectangles) {
    const CombineCase& c = GetParam();
    CRgn a;
    CRgn b;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 5, 15, 15);
    CRgn r;
    EXPECT_EQ(r.CombineRgn(&a, &b, c.mode), c.type);
    CRect box;
    r.GetRgnBox(&box);
    EXPECT_EQ(box, c.box);
    for (const CPoint& p : c.in) {
        EXPECT_TRUE(r.PtInRegion(p.x, p.y)) << p.x << "," << p.y;
    }
    for (const CPoint& p : c.out) {
        EXPECT_FALSE(r.PtInRegion(p.x, p.y)) << p.x << "," << p.y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RegionCombineTest,
    testing::Values(
        CombineCase{
            "and", RGN_AND, SIMPLEREGION, {5, 5, 10, 10}, {{5, 5}, {9, 9}}, {{4, 4}, {10, 10}}},
        CombineCase{"or",
                    RGN_OR,
                    COMPLEXREGION,
                    {0, 0, 15, 15},
                    {{0, 0}, {14, 14}, {7, 12}},
                    {{14, 0}, {0, 14}}},
        CombineCase{
            "xor", RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}, {{0, 0}, {14, 14}}, {{7, 7}, {14, 0}}},
        CombineCase{"diff",
                    RGN_DIFF,
                    COMPLEXREGION,
                    {0, 0, 10, 10},
                    {{0, 0}, {9, 4}, {4, 9}},
                    {{5, 5}, {9, 9}}}),
    [](const auto& info) { return info.param.name; });

TEST(Region, PolygonAndEllipse) {
    // A triangle: the pixels whose centres lie inside.
    const CPoint tri[] = {{0, 0}, {10, 0}, {0, 10}};
    CRgn t;
    ASSERT_TRUE(t.CreatePolygonRgn(tri, 3, ALTERNATE));
    EXPECT_TRUE(t.PtInRegion(0, 0));
    EXPECT_TRUE(t.PtInRegion(4, 4));
    EXPECT_FALSE(t.PtInRegion(5, 5));
    EXPECT_FALSE(t.PtInRegion(9, 9));

    // A star drawn in one stroke: its middle is a hole by alternate filling, not by winding.
    const CPoint star[] = {{50, 0}, {80, 100}, {0, 35}, {100, 35}, {20, 100}};
    CRgn alternate;
    CRgn winding;
    alternate.CreatePolygonRgn(star, 5, ALTERNATE);
    winding.CreatePolygonRgn(star, 5, WINDING);
    EXPECT_FALSE(alternate.PtInRegion(50, 55));
    EXPECT_TRUE(winding.PtInRegion(50, 55));
    EXPECT_TRUE(alternate.PtInRegion(50, 10));

    CRgn e;
    e.CreateEllipticRgn(0, 0, 100, 50);
    EXPECT_TRUE(e.PtInRegion(50, 25));
    EXPECT_FALSE(e.PtInRegion(2, 2));
    EXPECT_TRUE(e.PtInRegion(1, 25));
    const CRect corner(90, 0, 100, 5);
    EXPECT_FALSE(e.RectInRegion(&corner));
    CRect box;
    EXPECT_EQ(e.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 100, 50));
}

TEST(Region, EqualityOffsetAndErrors) {
    CRgn a;
    CRgn b;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(0, 0, 5, 10);
    CRgn c;
    c.CreateRectRgn(5, 0, 10, 10);
    CRgn u;
    u.CombineRgn(&b, &c, RGN_OR);
    // Two halves make the same region as the whole.
    EXPECT_TRUE(u.EqualRgn(&a));
    u.OffsetRgn(1, 0);
    EXPECT_FALSE(u.EqualRgn(&a));
    CRgn none;
    EXPECT_EQ(u.CombineRgn(&a, &none, RGN_AND), RGN_ERROR);
    EXPECT_EQ(u.CombineRgn(&a, nullptr, RGN_COPY), SIMPLEREGION);
    // A damaged polygon that spans millions of rows makes an empty region, not a huge one.
    const CPoint tall[] = {{0, -2000000000}, {10, 2000000000}, {0, 2000000000}};
    CRgn t;
    ASSERT_TRUE(t.CreatePolygonRgn(tall, 3, ALTERNATE));
    CRect box;
    EXPECT_EQ(t.GetRgnBox(&box), NULLREGION);
}

// ---- Devices ----------------------------------------------------------------------------------

TEST(CDCDevice, NearestColorOfAMonochromePrinter) {
    CRecordingDC mono(CRecordingDC::Device::MonoPrinter);
    EXPECT_EQ(mono.GetNearestColor(RGB(255, 255, 0)), RGB(255, 255, 255));
    EXPECT_EQ(mono.GetNearestColor(RGB(0, 0, 255)), RGB(0, 0, 0));
    EXPECT_EQ(mono.GetNearestColor(RGB(192, 192, 192)), RGB(255, 255, 255));
    CRecordingDC colour(CRecordingDC::Device::Printer);
    EXPECT_EQ(colour.GetNearestColor(RGB(255, 255, 0)), RGB(255, 255, 0));
}

TEST(CDCDevice, CapsAndPrintingOffset) {
    CRecordingDC printer(CRecordingDC::Device::Printer, 600);
    EXPECT_TRUE(printer.IsPrinting());
    EXPECT_EQ(printer.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(printer.GetDeviceCaps(LOGPIXELSY), 600);
    EXPECT_NEAR(printer.GetDeviceCaps(HORZSIZE), 210 - 8, 1);
    CPoint offset;
    EXPECT_EQ(printer.Escape(GETPRINTINGOFFSET, 0, nullptr, &offset), 1);
    EXPECT_EQ(offset, CPoint(100, 100));
    const int asked = GETPRINTINGOFFSET;
    EXPECT_EQ(printer.Escape(QUERYESCSUPPORT, sizeof asked, &asked, nullptr), 1);

    CRecordingDC screen;
    EXPECT_EQ(screen.Escape(GETPRINTINGOFFSET, 0, nullptr, &offset), 0);
    EXPECT_EQ(screen.Escape(QUERYESCSUPPORT, sizeof asked, &asked, nullptr), 0);
}

// The capabilities follow from the device's description, the same for every backend; a memory
// device context keeps the resolution, size and colours of its device but is no printer.
struct DeviceCapsCase {
    const char* name;
    CRecordingDC::Device device;
    bool memory;
    int technology;
    int bitsPerPixel;
    int colours;
    bool printing;
    bool metafile;
    int sheetWidth; // PHYSICALWIDTH at 600 dpi
};

class DeviceCapsTest : public testing::TestWithParam<DeviceCapsCase> {};

TEST_P(DeviceCapsTest, FollowTheDescription) {
    const DeviceCapsCase& c = GetParam();
    CRecordingDC device(c.device, 600, CSize(4800, 6000));
    std::unique_ptr<CDC> memory = c.memory ? device.CreateCompatibleDC() : nullptr;
    const CDC& dc = memory ? *memory : device;
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), c.technology);
    EXPECT_EQ(dc.GetDeviceCaps(BITSPIXEL), c.bitsPerPixel);
    EXPECT_EQ(dc.GetDeviceCaps(NUMCOLORS), c.colours);
    EXPECT_EQ(dc.IsPrinting(), c.printing);
    EXPECT_EQ(dc.IsMetafile(), c.metafile);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), c.sheetWidth);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), c.sheetWidth > 0 ? 100 : 0);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 4800);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 6000);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 600);
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 203); // 8 inches
    // A bitmap made for the device context has its colours.
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 8, 8));
    EXPECT_EQ(bitmap.Pixels()->monochrome, c.bitsPerPixel == 1);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, DeviceCapsTest,
    testing::Values(DeviceCapsCase{"screen", CRecordingDC::Device::Screen, false, DT_RASDISPLAY, 32,
                                   -1, false, false, 0},
                    DeviceCapsCase{"printer", CRecordingDC::Device::Printer, false, DT_RASPRINTER,
                                   32, -1, true, false, 5000},
                    DeviceCapsCase{"mono_printer", CRecordingDC::Device::MonoPrinter, false,
                                   DT_RASPRINTER, 1, 2, true, false, 5000},
                    DeviceCapsCase{"metafile", CRecordingDC::Device::Metafile, false, DT_METAFILE,
                                   32, -1, false, true, 0},
                    DeviceCapsCase{"memory_of_mono_printer", CRecordingDC::Device::MonoPrinter,
                                   true, DT_RASDISPLAY, 1, 2, false, false, 0},
                    DeviceCapsCase{"memory_of_metafile", CRecordingDC::Device::Metafile, true,
                                   DT_RASDISPLAY, 32, -1, false, false, 0}),
    [](const auto& info) { return info.param.name; });

TEST(CDCDevice, BitmapsGoOnlyIntoMemoryDCs) {
    CRecordingDC dc;
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 20, 10));
    EXPECT_EQ(dc.SelectObject(&bitmap), nullptr);
    auto mem = dc.CreateCompatibleDC();
    ASSERT_TRUE(mem);
    CBitmap* first = mem->SelectObject(&bitmap);
    ASSERT_NE(first, nullptr);
    CRect box;
    mem->GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 20, 10));
    EXPECT_EQ(mem->SelectObject(first), &bitmap);
}

// ---- The log ----------------------------------------------------------------------------------

TEST(CRecordingDC, LogsCallsWithTheStateInForce) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    CPen pen(PS_DASH, 0, RGB(255, 0, 0));
    CPen* old = dc.SelectObject(&pen);
    dc.SetROP2(R2_NOTXORPEN);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(10, -20);
    dc.LineTo(30, -40);
    dc.SelectObject(old);
    dc.LineTo(50, -60);

    const auto lines = dc.Find(DcOp::LineTo);
    ASSERT_EQ(lines.size(), 2u) << dc.Dump();
    EXPECT_EQ(lines[0].args.points, std::vector<CPoint>({{10, -20}, {30, -40}}));
    EXPECT_EQ(lines[0].pen.color, RGB(255, 0, 0));
    EXPECT_EQ(lines[0].pen.LineStyle(), PS_DASH);
    EXPECT_EQ(lines[0].rop2, R2_NOTXORPEN);
    EXPECT_EQ(lines[0].bkMode, TRANSPARENT);
    EXPECT_EQ(lines[0].mapMode, MM_LOMETRIC);
    // The current position carries on from the last line.
    EXPECT_EQ(lines[1].args.points, std::vector<CPoint>({{30, -40}, {50, -60}}));
    EXPECT_EQ(lines[1].pen.color, RGB(0, 0, 0));
    EXPECT_EQ(dc.Drawings().size(), 2u);
}

TEST(CRecordingDC, MemoryDCsLogUnderTheirOwnNumber) {
    CRecordingDC dc;
    auto mem = dc.CreateCompatibleDC();
    mem->PatBlt(0, 0, 10, 10, WHITENESS);
    dc.BitBlt(0, 0, 10, 10, mem.get(), 0, 0, SRCINVERT);
    EXPECT_EQ(dc.Drawings(1).size(), 1u);
    const auto blits = dc.Find(DcOp::BitBlt);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].args.source, mem.get());
    dc.FailMemoryDC(true);
    EXPECT_EQ(dc.CreateCompatibleDC(), nullptr);
}

TEST(CRecordingDC, TextExtentIsTheByteEstimate) {
    CRecordingDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    CFont font;
    font.CreateFont(-40, 20, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "");
    dc.SelectObject(&font);
    // "AB" and one double-byte character (0x82 0xA0).
    EXPECT_EQ(dc.GetTextExtent("AB\x82\xA0"), CSize(80, 40));
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, 40);
    EXPECT_EQ(tm.tmAveCharWidth, 20);
    // TA_UPDATECP draws at the current position and moves it on.
    dc.SetTextAlign(TA_UPDATECP);
    dc.MoveTo(100, 0);
    dc.TextOut(0, 0, "AB");
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(140, 0));
    EXPECT_EQ(dc.Find(DcOp::TextOut)[0].args.points[0], CPoint(100, 0));
}

// The screen is whatever the application installed; with nothing installed asking for it is
// a fault of the program, not a screen of some default resolution.
TEST(CDCScreen, IsMadeByTheInstalledFactoryOnly) {
    const ScreenDCFactory previous = SetScreenDCFactory({});
    EXPECT_THROW(CreateScreenDC(), std::logic_error);
    SetScreenDCFactory(
        [] { return std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen, 120); });
    auto screen = CreateScreenDC();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->GetDeviceCaps(LOGPIXELSY), 120);
    EXPECT_FALSE(screen->IsPrinting());
    SetScreenDCFactory({});
    EXPECT_THROW(CreateScreenDC(), std::logic_error);
    SetScreenDCFactory(previous);
}

} // namespace
} // namespace tembra
