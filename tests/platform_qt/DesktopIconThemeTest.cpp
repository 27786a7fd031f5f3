// The icon theme a program takes at its start: the desktop's where it names one, else the
// system's default theme where there is one, else none.
#include "platform/qt/DesktopIconTheme.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tembra {
namespace {

// Qt's icon theme settings, put back when the test ends.
class KeptIconTheme {
public:
    KeptIconTheme() : m_name(QIcon::themeName()), m_paths(QIcon::themeSearchPaths()) {}
    ~KeptIconTheme() {
        QIcon::setThemeSearchPaths(m_paths);
        QIcon::setThemeName(m_name);
    }

private:
    QString m_name;
    QStringList m_paths;
};

TEST(DesktopIconThemeTest, TheSystemsDefaultThemeStandsInWhereTheDesktopNamesNone) {
    const KeptIconTheme kept;
    QTemporaryDir withDefault;
    ASSERT_TRUE(QDir().mkpath(withDefault.path() + "/default"));
    QFile index(withDefault.path() + "/default/index.theme");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Default\nInherits=hicolor\nDirectories=\n");
    index.close();
    QTemporaryDir withoutDefault;

    struct Case {
        const char* named; // the desktop's theme
        QString folder;    // where the themes lie
        bool used;
        const char* taken;
    };
    const Case cases[] = {
        {"", withDefault.path(), true, "default"},
        {"hicolor", withDefault.path(), true, "default"},
        {"Custom", withDefault.path(), true, "Custom"},
        {"Custom", withoutDefault.path(), true, "Custom"},
        {"", withoutDefault.path(), false, ""},
        {"hicolor", withoutDefault.path(), false, "hicolor"},
    };
    for (const Case& c : cases) {
        QIcon::setThemeSearchPaths({c.folder});
        QIcon::setThemeName(QString::fromUtf8(c.named));
        EXPECT_EQ(UseDesktopIconTheme(), c.used) << c.named;
        EXPECT_EQ(QIcon::themeName(), QString::fromUtf8(c.taken)) << c.named;
    }
}

} // namespace
} // namespace tembra
