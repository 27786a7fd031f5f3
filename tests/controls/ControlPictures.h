// The controls drawn offscreen in a fixed palette, whose system colours all differ, so that a
// pixel tells which colour was drawn. TEMBRA_KEEP_IMAGES=dir also saves each picture there.
#pragma once

#include "platform/Types.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <cstdlib>

namespace tembra::test {

inline constexpr COLORREF kFace = RGB(212, 208, 200);
inline constexpr COLORREF kLight = RGB(250, 250, 250);
inline constexpr COLORREF kShadow = RGB(120, 120, 120);
inline constexpr COLORREF kButtonText = RGB(0, 0, 0);
inline constexpr COLORREF kGrayText = RGB(150, 150, 150);
inline constexpr COLORREF kWindow = RGB(255, 255, 255);
inline constexpr COLORREF kWindowText = RGB(0, 0, 0);
inline constexpr COLORREF kHighlight = RGB(0, 0, 128);
inline constexpr COLORREF kHighlightText = RGB(255, 255, 255);

inline QColor Q(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

inline QPalette FixedPalette() {
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Button, Q(kFace));
        palette.setColor(group, QPalette::Light, Q(kLight));
        palette.setColor(group, QPalette::Dark, Q(kShadow));
        palette.setColor(group, QPalette::ButtonText,
                         Q(group == QPalette::Disabled ? kGrayText : kButtonText));
        palette.setColor(group, QPalette::Base, Q(kWindow));
        palette.setColor(group, QPalette::Text, Q(kWindowText));
        palette.setColor(group, QPalette::Highlight, Q(kHighlight));
        palette.setColor(group, QPalette::HighlightedText, Q(kHighlightText));
    }
    return palette;
}

inline COLORREF Pixel(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

inline QImage Picture(QWidget& widget, const char* name) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const char* keep = std::getenv("TEMBRA_KEEP_IMAGES")) {
        image.save(QDir(QString::fromLocal8Bit(keep)).filePath(QString::fromUtf8(name)));
    }
    return image;
}

} // namespace tembra::test
