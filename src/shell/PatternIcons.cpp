#include "shell/PatternIcons.h"

#include "document/KouteiAttrCommands.h"
#include "platform/qt/QtDC.h"
#include "render/StyledDraw.h"

#include <QPixmap>

namespace tembra {

QIcon PatternIcon(UINT command) {
    constexpr int kGround = 192;
    const KouteiAttrCommand* entry = FindKouteiAttrCommand(command);
    if (entry == nullptr || entry->arg != KouteiAttrArg::Hatch) {
        return {};
    }
    constexpr int kWidth = 32;
    constexpr int kHeight = 16;
    QPixmap image(kWidth, kHeight);
    // A grey ground, so that "なし" (nothing filled) and "白抜き" (filled white) tell apart.
    image.fill(QColor(kGround, kGround, kGround));
    {
        CQtDC dc(&image);
        DrawStyledRect(&dc, 0, 0, kWidth - 1, kHeight - 1, 0, 0, RGB(0, 0, 0),
                       static_cast<int>(entry->value), RGB(0, 0, 0), R2_COPYPEN, OPAQUE);
    }
    return QIcon(image);
}

} // namespace tembra
