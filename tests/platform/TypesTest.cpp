#include "platform/Types.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(ColorTest, RedLivesInTheLowByte) {
    COLORREF c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x00563412u);
    EXPECT_EQ(GetRValue(c), 0x12);
    EXPECT_EQ(GetGValue(c), 0x34);
    EXPECT_EQ(GetBValue(c), 0x56);
    // Components are taken modulo 256, never spilling into the next one.
    EXPECT_EQ(RGB(0x1FF, 0, 0), 0x000000FFu);
    EXPECT_EQ(MAKELONG(0x1234, 0xABCD), 0xABCD1234u);
    EXPECT_EQ(LOWORD(0xABCD1234u), 0x1234);
    EXPECT_EQ(HIWORD(0xABCD1234u), 0xABCD);
}

TEST(PointSizeTest, Arithmetic) {
    CPoint p(10, 20);
    p += CSize(1, 2);
    EXPECT_EQ(p, CPoint(11, 22));
    p -= CPoint(11, 2);
    EXPECT_EQ(p, CPoint(0, 20));
    p.Offset(CSize(-5, -5));
    EXPECT_EQ(p, CPoint(-5, 15));
    EXPECT_EQ(-p, CPoint(5, -15));
    EXPECT_EQ(CPoint(1, 2) + CSize(3, 4), CPoint(4, 6));
    EXPECT_EQ(CPoint(1, 2) - CSize(3, 4), CPoint(-2, -2));
    EXPECT_EQ(CSize(5, 6) - CSize(1, 1), CSize(4, 5));
}

TEST(RectTest, EdgesAreExclusiveOnTheRightAndBottom) {
    CRect r(10, 20, 30, 40);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 20);
    EXPECT_EQ(r.CenterPoint(), CPoint(20, 30));
    struct Case {
        CPoint p;
        bool inside;
    };
    const std::vector<Case> cases = {
        {{10, 20}, true},  {{29, 39}, true}, {{30, 39}, false},
        {{29, 40}, false}, {{9, 25}, false}, {{15, 19}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(r.PtInRect(c.p), c.inside) << c.p.x << "," << c.p.y;
}

TEST(RectTest, NormalizeAndEmptiness) {
    CRect r(30, 40, 10, 20);
    EXPECT_TRUE(r.IsRectEmpty());
    EXPECT_FALSE(r.IsRectNull());
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(10, 20, 30, 40));
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(RectTest, OffsetInflateDeflate) {
    CRect r(0, 0, 10, 10);
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(5, -5, 15, 5));
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(3, -8, 17, 8));
    r.DeflateRect(2, 3);
    EXPECT_EQ(r, CRect(5, -5, 15, 5));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(4, -7, 18, 9));
}

TEST(RectTest, IntersectAndUnion) {
    struct Case {
        CRect a, b;
        BOOL intersects;
        CRect intersection;
        CRect unionRect;
    };
    const std::vector<Case> cases = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}, {0, 0, 15, 15}},
        // Touching edges share no point: the right edge is outside.
        {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {}, {0, 0, 20, 10}},
        {{0, 0, 10, 10}, {20, 20, 30, 30}, FALSE, {}, {0, 0, 30, 30}},
        // An empty operand does not stretch the union.
        {{0, 0, 10, 10}, {50, 50, 50, 60}, FALSE, {}, {0, 0, 10, 10}},
        {{}, {2, 3, 4, 5}, FALSE, {}, {2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        CRect r(1, 1, 2, 2);
        EXPECT_EQ(r.IntersectRect(c.a, c.b), c.intersects);
        EXPECT_EQ(r, c.intersection);
        CRect u;
        u.UnionRect(c.a, c.b);
        EXPECT_EQ(u, c.unionRect);
    }
    CRect both(1, 1, 2, 2);
    EXPECT_FALSE(both.UnionRect(CRect(), CRect(3, 3, 3, 3)));
    EXPECT_TRUE(both.IsRectNull());
}

TEST(LogFontTest, FaceNameIsCutOnACharacterBoundary) {
    struct Case {
        std::string name;
        std::string stored;
    };
    const std::string a30(30, 'a');
    const std::string hyo = "\x95\x5C"; // 表
    const std::vector<Case> cases = {
        {"", ""},
        {"\x82\x6C\x82\x72 \x96\xBE\x92\xA9", "\x82\x6C\x82\x72 \x96\xBE\x92\xA9"}, // ＭＳ 明朝
        {std::string(31, 'x'), std::string(31, 'x')},
        {std::string(40, 'x'), std::string(31, 'x')},
        // 30 bytes then a double-byte character: the character would need bytes 31 and 32.
        {a30 + hyo, a30},
        {"a" + a30 + hyo, "a" + a30},
        {std::string(29, 'a') + hyo + "z", std::string(29, 'a') + hyo},
    };
    for (const Case& c : cases) {
        LOGFONT lf;
        lf.SetFaceName(std::string(31, 'q')); // a longer name before must not show through
        lf.SetFaceName(c.name);
        EXPECT_EQ(std::string(lf.FaceName()), c.stored);
        EXPECT_EQ(lf.lfFaceName[LF_FACESIZE - 1], '\0');
        LOGFONT fresh;
        fresh.SetFaceName(c.name);
        EXPECT_TRUE(lf == fresh) << "padding differs for " << c.name.size() << " bytes";
    }
}

} // namespace
} // namespace tembra
