// An icon theme of the test's own, or none at all, for the life of the object: the system's
// themes are out of sight either way, so that a test of the buttons' images does not depend on
// what the machine has installed. The theme's icons are plain squares of ScopedIconTheme::kColor,
// a colour no drawn button image uses: a pixel of it on a button is a pixel of the theme's icon.
#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace tembra::test {

class ScopedIconTheme {
public:
    static const QColor kColor;

    // names: the icons the theme has, in the freedesktop naming ("document-new" ...); empty: no
    // theme at all.
    explicit ScopedIconTheme(const std::vector<std::string>& names);
    ~ScopedIconTheme();
    ScopedIconTheme(const ScopedIconTheme&) = delete;
    ScopedIconTheme& operator=(const ScopedIconTheme&) = delete;

    // Whether the image shows a pixel of a theme's icon.
    static bool Shows(const QImage& image);

private:
    QTemporaryDir m_folder;
    QString m_name;
    QStringList m_paths;
    QStringList m_fallback;
};

} // namespace tembra::test
