#include "platform/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tembra {

bool InstallQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // "qt_ja" gathers the catalogues of every Qt module of the package.
    if (!translator->load(QStringLiteral("qt_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace tembra
