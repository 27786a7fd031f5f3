// Text shapes on pixels, through the Qt device context at 100 % on the screen path: framed
// Japanese texts broken into lines in a box (selected, with its tag) and in an ellipse, a plain
// one-line text, and a group of a polyline and a framed text, compared with a reference image.
//
// The reference image lies in tests/shapes/data; see the README there for writing it anew.
#include "platform/qt/QtDC.h"
#include "render/StyledDraw.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiString.h"
#include "support/Cp932Text.h"

#include "shapes/ShapeTestSupport.h"
#include "support/qt/ReferenceImage.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace tembra {
namespace {

using test::Day;
using test::J;

// The page of the test chart (2770 x 1600 units of 0.1 mm) at 72 dpi.
constexpr int kDpi = 72;
constexpr int kWidth = 786;
constexpr int kHeight = 454;

LOGFONT Gothic(LONG height) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.SetFaceName(J("ＭＳ ゴシック"));
    return font;
}

std::unique_ptr<CZukeiString> Text(const IZukeiView& view, WORD kind, WORD frameKind,
                                   const CRect& rect, const std::string& text, WORD form) {
    auto shape = std::make_unique<CZukeiString>();
    shape->SetKind(kind);
    shape->SetAttr(CZukeiAttr{14, kPlaceOnPage, 0, -3, RGB(0, 0, 160), 100, 0, 60});
    shape->SetFrameKind(frameKind);
    shape->SetFont(Gothic(-50));
    shape->SetText(text);
    CTextAttr attr = shape->GetTextAttr();
    attr.m_form = form;
    attr.m_color = RGB(0, 0, 0);
    shape->SetTextAttr(attr);
    CDatePos pos;
    pos.point = rect.TopLeft();
    shape->SetPoint(pos, view, 1);
    pos.point = rect.BottomRight();
    shape->SetPoint(pos, view, 2);
    shape->SetUpdate(TRUE);
    return shape;
}

void PaintTexts(test::ShapeChart& chart, CDC& dc) {
    DrawStyledRect(&dc, chart.layout.GetChartRect(), 0, 0, RGB(128, 128, 128), -1, 0, R2_COPYPEN,
                   OPAQUE);
    auto boxed = Text(chart, kZukeiFramedString, kZukeiBox, CRect(700, -250, 1300, -650),
                      J("工程表の説明文です。枠に合わせて折り返します。\r\n二段落目"), 1);
    boxed->SetFrameTag(CZukeiString::kTagSai);
    boxed->Select();
    auto ellipse = Text(chart, kZukeiFramedString, kZukeiEllipse, CRect(1500, -250, 2300, -700),
                        J("楕円の中の文字\r\n右寄せ"), 2);
    ellipse->SetHatch(99);
    ellipse->SetHatchColor(RGB(255, 255, 200));
    auto plain = Text(chart, kZukeiString, 0, CRect(700, -800, 1700, -900), J("一行の文字 ABC"), 0);

    CZukeiGroup group;
    auto line = std::make_unique<CZukeiPolyLine>();
    line->AddPoint(CZukeiPoint(Day(2010, 4, 2), 22.0));
    line->AddPoint(CZukeiPoint(Day(2010, 4, 9), 28.0));
    line->AddPoint(CZukeiPoint(Day(2010, 4, 14), 22.0));
    line->SetAttr(CZukeiAttr{1, 0, 0, -6, RGB(200, 0, 0), 999, 0, 30});
    group.AddMember(std::move(line));
    group.AddMember(Text(chart, kZukeiFramedString, kZukeiDiamond, CRect(1700, -1050, 2500, -1500),
                         J("菱形の枠"), 1));

    boxed->Draw(chart, dc, kDrawNormal);
    ellipse->Draw(chart, dc, kDrawNormal);
    plain->Draw(chart, dc, kDrawNormal);
    group.Draw(chart, dc, kDrawNormal);
}

TEST(ZukeiStringRenderTest, FramedPlainAndGroupedTextsLookAsTheyShould) {
    test::ShapeChart chart;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CQtDC::Options options;
        options.dpiX = kDpi;
        options.dpiY = kDpi;
        CQtDC dc(&image, options);
        dc.SetMapMode(MM_LOMETRIC);
        PaintTexts(chart, dc);
    }
    test::ExpectLooksLike(image, {"shapes", "text_shapes.png", 0.002});
}

} // namespace
} // namespace tembra
