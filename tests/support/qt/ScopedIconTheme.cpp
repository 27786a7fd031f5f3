#include "support/qt/ScopedIconTheme.h"

#include <QDir>
#include <QFile>
#include <QIcon>

#include <stdexcept>

namespace tembra::test {

const QColor ScopedIconTheme::kColor(255, 0, 255);

ScopedIconTheme::ScopedIconTheme(const std::vector<std::string>& names)
    : m_name(QIcon::themeName()), m_paths(QIcon::themeSearchPaths()),
      m_fallback(QIcon::fallbackSearchPaths()) {
    const QString actions = m_folder.path() + QStringLiteral("/test/16x16/actions");
    if (!QDir().mkpath(actions)) {
        throw std::runtime_error("cannot make the test's icon theme");
    }
    if (!names.empty()) {
        QFile index(m_folder.path() + QStringLiteral("/test/index.theme"));
        if (!index.open(QIODevice::WriteOnly)) {
            throw std::runtime_error("cannot write the test's icon theme");
        }
        index.write("[Icon Theme]\nName=Test\nDirectories=16x16/actions\n\n"
                    "[16x16/actions]\nSize=16\nContext=Actions\nType=Fixed\n");
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(kColor);
        for (const std::string& name : names) {
            image.save(actions + QLatin1Char('/') + QString::fromStdString(name) +
                       QStringLiteral(".png"));
        }
    }
    QIcon::setFallbackSearchPaths({});
    QIcon::setThemeSearchPaths({m_folder.path()});
    QIcon::setThemeName(names.empty() ? QStringLiteral("none") : QStringLiteral("test"));
}

ScopedIconTheme::~ScopedIconTheme() {
    QIcon::setThemeSearchPaths(m_paths);
    QIcon::setFallbackSearchPaths(m_fallback);
    QIcon::setThemeName(m_name);
}

bool ScopedIconTheme::Shows(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == kColor) {
                return true;
            }
        }
    }
    return false;
}

} // namespace tembra::test
