#include "dialogs/settings/AttrSample.h"

#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/QtDC.h"
#include "render/StyledDraw.h"

#include <QPainter>

#include <algorithm>

namespace tembra {

namespace {

constexpr int kMargin = 8;

} // namespace

int SampleWidthPixels(int tenthMillimetres) {
    return std::max(1, (tenthMillimetres * 96 + 127) / 254);
}

CAttrSample::CAttrSample(QWidget* parent, int id) : QWidget(parent) {
    setObjectName(IdName(id));
    setMinimumSize(sizeHint());
}

void CAttrSample::Show(const AttrSampleLook& look) {
    if (look == m_look) {
        return;
    }
    m_look = look;
    update();
}

void CAttrSample::Draw(CDC& dc, const CRect& rect, const AttrSampleLook& look) {
    dc.FillSolidRect(&rect, RGB(255, 255, 255));
    CBrush frame(RGB(128, 128, 128));
    dc.FrameRect(&rect, &frame);
    const int width = std::max(1, look.width);
    if (look.fill == AttrSampleLook::kNoFill) {
        const int y = rect.top + rect.Height() / 2;
        DrawStyledLine(&dc, rect.left + kMargin, y, rect.right - kMargin, y, look.type, width,
                       look.color, R2_COPYPEN, TRANSPARENT);
        return;
    }
    const CRect box(rect.left + kMargin, rect.top + kMargin / 2, rect.right - kMargin,
                    rect.bottom - kMargin / 2);
    DrawStyledRect(&dc, box, look.type, width, look.color, look.fill, look.fillColor, R2_COPYPEN,
                   TRANSPARENT);
}

void CAttrSample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    CQtDC dc(&painter);
    Draw(dc, CRect(0, 0, width(), height()), m_look);
}

} // namespace tembra
