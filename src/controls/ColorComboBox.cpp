#include "controls/ColorComboBox.h"

#include "controls/OwnerDrawColors.h"
#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/Sjis.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/QtDC.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <string>

namespace tembra {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr COLORREF kBarColors[] = {
    RGB(0, 0, 0),     RGB(255, 0, 0),   RGB(0, 255, 0), RGB(255, 0, 255),
    RGB(0, 255, 255), RGB(255, 255, 0), kWhite,
};

struct NamedColor {
    COLORREF color;
    const char* name; // UTF-8
};
constexpr NamedColor kColorNames[] = {
    {RGB(0, 0, 0), " 黒 "},       {RGB(255, 0, 0), " 赤 "},   {RGB(0, 255, 0), " 緑 "},
    {RGB(0, 0, 255), " 青 "},     {RGB(255, 255, 0), " 黄 "}, {RGB(255, 0, 255), " 紫 "},
    {RGB(0, 255, 255), "水色"},   {kWhite, "その他"},         {RGB(128, 128, 128), "暗灰"},
    {RGB(128, 0, 0), "暗赤"},     {RGB(0, 128, 0), "暗緑"},   {RGB(0, 0, 128), "暗青"},
    {RGB(128, 128, 0), " 茶 "},   {RGB(128, 0, 128), "暗紫"}, {RGB(0, 128, 128), "青緑"},
    {RGB(192, 192, 192), "明灰"},
};

// The rows of the drop-down, drawn by the list itself.
class ColorItemDelegate : public QStyledItemDelegate {
public:
    explicit ColorItemDelegate(CColorComboBox* combo)
        : QStyledItemDelegate(combo), m_combo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        CQtDC dc(painter);
        const QRect& r = option.rect;
        const CRect rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        m_combo->DrawItem(dc, rect, index.row(), option.state.testFlag(QStyle::State_Selected));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), CColorComboBox::kItemHeight);
    }

private:
    CColorComboBox* m_combo;
};

} // namespace

CColorComboBox::CColorComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new ColorItemDelegate(this));
}

void CColorComboBox::FillColors() {
    for (const COLORREF color : kBarColors) {
        AddColor(color);
    }
}

void CColorComboBox::AddColor(COLORREF color) {
    const std::string_view name = ColorName(color);
    addItem(FromCp932(std::string(name)), QVariant::fromValue<quint32>(color));
}

COLORREF CColorComboBox::ItemColor(int index) const {
    return static_cast<COLORREF>(itemData(index).value<quint32>());
}

void CColorComboBox::SetCustomColorSource(CustomColorSource source) {
    m_custom = std::move(source);
    update();
}

std::string_view CColorComboBox::ColorName(COLORREF color) {
    static const std::vector<std::pair<COLORREF, std::string>> names = [] {
        std::vector<std::pair<COLORREF, std::string>> list;
        for (const NamedColor& entry : kColorNames) {
            list.emplace_back(entry.color, Sjis::FromUtf8(entry.name));
        }
        return list;
    }();
    for (const auto& [named, name] : names) {
        if (named == color) {
            return name;
        }
    }
    return {};
}

void CColorComboBox::DrawItem(CDC& dc, const CRect& rect, int index, bool selected) {
    const QPalette& colors = palette();
    const COLORREF background = PaletteSysColor(colors, selected ? kSysHighlight : kSysWindow);
    const COLORREF text = PaletteSysColor(colors, selected ? kSysHighlightText : kSysWindowText);
    dc.FillSolidRect(&rect, background);
    if (index < 0 || index >= count()) {
        return;
    }
    const COLORREF color = ItemColor(index);
    COLORREF swatchColor = color;
    if (color == kWhite) {
        m_cachedCustom = m_custom ? m_custom() : RGB(0, 0, 0);
        swatchColor = m_cachedCustom;
    }
    const int side = kItemHeight - 4;
    const int top = rect.top + (rect.Height() - side) / 2;
    const CRect swatch(rect.left + 2, top, rect.left + 2 + side, top + side);
    dc.FillSolidRect(&swatch, swatchColor);
    CBrush frame(RGB(0, 0, 0));
    dc.FrameRect(&swatch, &frame);

    const std::string_view name = ColorName(color);
    if (name.empty()) {
        return;
    }
    const CRect nameArea(swatch.right + 2, rect.top, rect.right, rect.bottom);
    if (nameArea.Width() <= 0) {
        return;
    }
    const int saved = dc.SaveDC();
    const LOGFONT logFont = LogFontOf(font());
    CFont nameFont;
    nameFont.CreateFontIndirect(&logFont);
    dc.SelectObject(&nameFont);
    const CSize extent = dc.GetTextExtent(name);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(text);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.ExtTextOut(nameArea.left, rect.top + (rect.Height() - extent.cy) / 2, ETO_CLIPPED, &nameArea,
                  name, nullptr);
    dc.RestoreDC(saved);
}

void CColorComboBox::paintEvent(QPaintEvent*) {
    // The style's frame and arrow, with the current entry drawn in its field.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    CQtDC dc(static_cast<QPainter*>(&painter));
    DrawItem(dc, CRect(field.left(), field.top(), field.right() + 1, field.bottom() + 1),
             currentIndex(), hasFocus());
}

} // namespace tembra
