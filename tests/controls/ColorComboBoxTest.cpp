// The colour list: its seven entries, how an entry draws (swatch, name, selection), the custom
// colour of "その他" and the closed list's field.
#include "controls/ColorComboBox.h"
#include "controls/ControlPictures.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/QtDC.h"

#include <QAbstractItemView>
#include <QPainter>

#include <cstdlib>

#include <gtest/gtest.h>

namespace tembra {
namespace {

using namespace tembra::test;

constexpr int kRowWidth = 80;

// Every entry drawn one under the other, the selected one as selected.
QImage DrawRows(CColorComboBox& combo, int selected, const char* name) {
    const int h = CColorComboBox::kItemHeight;
    QImage image(kRowWidth, h * combo.count(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    {
        QPainter painter(&image);
        CQtDC dc(&painter);
        for (int i = 0; i < combo.count(); ++i) {
            combo.DrawItem(dc, CRect(0, i * h, kRowWidth, (i + 1) * h), i, i == selected);
        }
    }
    if (const char* keep = std::getenv("TEMBRA_KEEP_IMAGES")) {
        image.save(QDir(QString::fromLocal8Bit(keep)).filePath(QString::fromUtf8(name)));
    }
    return image;
}

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// Whether a pixel of the area is nearer the colour than the background (the text is smoothed).
bool HasInk(const QImage& image, const QRect& area, COLORREF color, COLORREF background) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const COLORREF pixel = Pixel(image, x, y);
            if (Distance(pixel, color) < Distance(pixel, background)) {
                return true;
            }
        }
    }
    return false;
}

bool HasPixel(const QImage& image, const QRect& area, COLORREF color) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Pixel(image, x, y) == color) {
                return true;
            }
        }
    }
    return false;
}

struct Combo {
    Combo() {
        combo.setPalette(FixedPalette());
        combo.FillColors();
    }
    CColorComboBox combo;
};

TEST(CColorComboBox, TheBarsListSixColoursAndOtherEachWithSwatchAndName) {
    struct Entry {
        COLORREF color;
        const char* name;
    } entries[] = {
        {RGB(0, 0, 0), " 黒 "},         {RGB(255, 0, 0), " 赤 "},   {RGB(0, 255, 0), " 緑 "},
        {RGB(255, 0, 255), " 紫 "},     {RGB(0, 255, 255), "水色"}, {RGB(255, 255, 0), " 黄 "},
        {RGB(255, 255, 255), "その他"},
    };
    Combo c;
    c.combo.SetCustomColorSource([] { return RGB(1, 2, 3); });
    ASSERT_EQ(c.combo.count(), 7);
    const QImage image = DrawRows(c.combo, 1, "color_rows.png");
    const int h = CColorComboBox::kItemHeight;
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(c.combo.ItemColor(i), entries[i].color);
        EXPECT_EQ(c.combo.itemText(i), QString::fromUtf8(entries[i].name));
        const int top = i * h;
        // The swatch: 12 x 12 from (2, top + 2), framed in black.
        const COLORREF swatch = i == 6 ? RGB(1, 2, 3) : entries[i].color;
        EXPECT_EQ(Pixel(image, 8, top + 8), swatch);
        EXPECT_EQ(Pixel(image, 2, top + 8), RGB(0, 0, 0));
        EXPECT_EQ(Pixel(image, 13, top + 8), RGB(0, 0, 0));
        const bool selected = i == 1;
        const COLORREF background = selected ? kHighlight : kWindow;
        EXPECT_EQ(Pixel(image, 0, top + 8), background);
        EXPECT_EQ(Pixel(image, kRowWidth - 1, top), background);
        // The name right of the swatch, in the text colour of the row.
        EXPECT_TRUE(HasInk(image, QRect(15, top, kRowWidth - 15, h),
                           selected ? kHighlightText : kWindowText, background));
    }
    EXPECT_EQ(c.combo.CachedCustomColor(), RGB(1, 2, 3));
}

TEST(CColorComboBox, OtherWithoutACustomColourShowsABlackSwatchAndItsName) {
    Combo c;
    const QImage image = DrawRows(c.combo, -1, "color_rows_no_custom.png");
    const int top = 6 * CColorComboBox::kItemHeight;
    EXPECT_EQ(Pixel(image, 8, top + 8), RGB(0, 0, 0));
    EXPECT_TRUE(HasInk(image, QRect(15, top, kRowWidth - 15, 16), kWindowText, kWindow));
    EXPECT_EQ(c.combo.itemText(6), QStringLiteral("その他"));
    EXPECT_EQ(c.combo.CachedCustomColor(), RGB(0, 0, 0));
}

TEST(CColorComboBox, TheCustomColourIsReadAgainEachTimeOtherIsDrawn) {
    Combo c;
    COLORREF custom = RGB(10, 20, 30);
    c.combo.SetCustomColorSource([&custom] { return custom; });
    EXPECT_EQ(Pixel(DrawRows(c.combo, -1, "custom_1.png"), 8, 6 * 16 + 8), RGB(10, 20, 30));
    custom = RGB(40, 50, 60);
    // Not drawn yet: the cached colour is the one last shown.
    EXPECT_EQ(c.combo.CachedCustomColor(), RGB(10, 20, 30));
    EXPECT_EQ(Pixel(DrawRows(c.combo, -1, "custom_2.png"), 8, 6 * 16 + 8), RGB(40, 50, 60));
    EXPECT_EQ(c.combo.CachedCustomColor(), RGB(40, 50, 60));
}

TEST(CColorComboBox, ColoursOutsideTheNamedOnesHaveNoName) {
    EXPECT_EQ(FromCp932(std::string(CColorComboBox::ColorName(RGB(128, 128, 0)))),
              QStringLiteral(" 茶 "));
    EXPECT_EQ(FromCp932(std::string(CColorComboBox::ColorName(RGB(0, 0, 255)))),
              QStringLiteral(" 青 "));
    EXPECT_TRUE(CColorComboBox::ColorName(RGB(1, 2, 3)).empty());
    Combo c;
    c.combo.AddColor(RGB(1, 2, 3));
    const QImage image = DrawRows(c.combo, -1, "color_unnamed.png");
    const int top = 7 * CColorComboBox::kItemHeight;
    EXPECT_EQ(Pixel(image, 8, top + 8), RGB(1, 2, 3));
    EXPECT_FALSE(HasInk(image, QRect(15, top, kRowWidth - 15, 16), kWindowText, kWindow));
}

TEST(CColorComboBox, TheClosedListShowsTheSelectedEntryAndTheDropDownRowsAre16High) {
    Combo c;
    c.combo.SetCustomColorSource([] { return RGB(1, 2, 3); });
    c.combo.resize(90, 22);
    for (const auto& [index, swatch] : {std::pair{2, RGB(0, 255, 0)}, std::pair{6, RGB(1, 2, 3)}}) {
        c.combo.setCurrentIndex(index);
        const QImage image = Picture(c.combo, "combo_closed.png");
        EXPECT_TRUE(HasPixel(image, QRect(0, 0, 30, 22), swatch)) << index;
    }
    QAbstractItemView* list = c.combo.view();
    EXPECT_EQ(list->sizeHintForRow(0), CColorComboBox::kItemHeight);
}

} // namespace
} // namespace tembra
