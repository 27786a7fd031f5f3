// marquell: the layout editor.
#include "layout_editor/MarquellApp.h"
#include "platform/qt/DesktopIconTheme.h"
#include "platform/qt/QtTranslations.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tembra::InstallQtTranslations();
    tembra::UseDesktopIconTheme();
    marquell::CMarquellApp editor;
    const int status = editor.InitInstance(QApplication::arguments().mid(1));
    if (status >= 0) {
        return status;
    }
    return QApplication::exec();
}
