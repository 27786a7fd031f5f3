#include "controls/OwnerDrawColors.h"

#include "platform/Sjis.h"

#include <QFont>
#include <QFontInfo>
#include <QPalette>

namespace tembra {

namespace {

COLORREF ToColorRef(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace

COLORREF PaletteSysColor(const QPalette& palette, int index) {
    switch (index) {
    case kSysWindow:
        return ToColorRef(palette.color(QPalette::Active, QPalette::Base));
    case kSysWindowText:
        return ToColorRef(palette.color(QPalette::Active, QPalette::Text));
    case kSysHighlight:
        return ToColorRef(palette.color(QPalette::Active, QPalette::Highlight));
    case kSysHighlightText:
        return ToColorRef(palette.color(QPalette::Active, QPalette::HighlightedText));
    case kSysButtonFace:
        return ToColorRef(palette.color(QPalette::Active, QPalette::Button));
    case kSysButtonShadow:
        return ToColorRef(palette.color(QPalette::Active, QPalette::Dark));
    case kSysGrayText:
        return ToColorRef(palette.color(QPalette::Disabled, QPalette::ButtonText));
    case kSysButtonText:
        return ToColorRef(palette.color(QPalette::Active, QPalette::ButtonText));
    case kSysButtonHighlight:
        return ToColorRef(palette.color(QPalette::Active, QPalette::Light));
    default:
        return RGB(0, 0, 0);
    }
}

LOGFONT LogFontOf(const QFont& font) {
    LOGFONT logFont;
    logFont.lfHeight = -QFontInfo(font).pixelSize();
    logFont.lfWeight = font.bold() ? 700 : 400;
    logFont.lfCharSet = 128; // SHIFTJIS: the captions are Japanese
    logFont.SetFaceName(Sjis::FromUtf8(font.family().toStdString()));
    return logFont;
}

} // namespace tembra
