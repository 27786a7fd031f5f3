#include "platform/qt/DesktopIconTheme.h"

#include <QFileInfo>
#include <QIcon>

namespace tembra {

bool UseDesktopIconTheme() {
    const QString named = QIcon::themeName();
    if (!named.isEmpty() && named != QStringLiteral("hicolor")) {
        return true;
    }
    const QString fallback = QStringLiteral("default");
    for (const QString& folder : QIcon::themeSearchPaths()) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + fallback +
                              QStringLiteral("/index.theme"))) {
            QIcon::setThemeName(fallback);
            return true;
        }
    }
    return false;
}

} // namespace tembra
