#include "render/ui/AreaNamePreviewButton.h"

#include "model/Utility.h"
#include "platform/GdiObjects.h"
#include "platform/qt/QtDC.h"
#include "render/AreaNamePreviewPicture.h"

#include <QPainter>
#include <QPalette>

#include <optional>

namespace tembra {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kSelected = RGB(255, 0, 0);
constexpr int kLabelHeight = -12;

COLORREF ToColorRef(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace

CAreaNamePreviewButton::CAreaNamePreviewButton(const AreaNameSheetValues* values, QWidget* parent)
    : QPushButton(parent), m_values(values) {
    setFocusPolicy(Qt::NoFocus);
}

CAreaNamePreviewButton::~CAreaNamePreviewButton() = default;

void CAreaNamePreviewButton::SetSelected(int index) {
    m_selected = index;
    update();
}

void CAreaNamePreviewButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    CQtDC dc(&painter);
    const CRect client(0, 0, width(), height());
    dc.FillSolidRect(&client, ToColorRef(palette().color(QPalette::Button)));
    const AreaNamePreviewPicture picture =
        AreaNamePreviewPicture::Make(*m_values, width(), height(), m_selected);

    dc.SetBkMode(TRANSPARENT);
    CPen solid(PS_SOLID, 1, kBlack);
    CPen dotted(PS_DOT, 1, kBlack);
    CPen* old = dc.SelectObject(&solid);
    CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(&picture.frame);
    for (const AreaNamePreviewLine& line : picture.lines) {
        dc.SelectObject(line.hidden ? &dotted : &solid);
        dc.MoveTo(line.from);
        dc.LineTo(line.to);
    }
    dc.SelectObject(old);
    dc.SelectObject(oldBrush);

    LOGFONT face;
    EnumFontFaces(face, std::nullopt, kLabelHeight, 0);
    CFont labelFont;
    labelFont.CreateFontIndirect(&face);
    CFont* oldFont = dc.SelectObject(&labelFont);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (const AreaNamePreviewLabel& label : picture.labels) {
        dc.SetTextColor(label.selected ? kSelected : kBlack);
        const CSize extent = dc.GetTextExtent(label.text);
        dc.TextOut(label.center.x, label.center.y - extent.cy / 2, label.text);
    }
    dc.SelectObject(oldFont);
}

} // namespace tembra
