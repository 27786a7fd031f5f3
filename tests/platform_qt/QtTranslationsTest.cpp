// Qt's own dialogs speak the program's language once its catalogue is installed.
#include "platform/qt/QtTranslations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTranslator>

namespace tembra {
namespace {

TEST(QtTranslationsTest, QtsOwnButtonsAndLabelsReadJapanese) {
    ASSERT_TRUE(InstallQtTranslations());
    QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("はい")))
        << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("いいえ")));

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's catalogue says "アドレス:" for "Look in:".
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), QString::fromUtf8("アドレス:"));
    EXPECT_TRUE(dialog.labelText(QFileDialog::Accept).contains(QString::fromUtf8("保存")))
        << dialog.labelText(QFileDialog::Accept).toStdString();

    // The other tests of this binary see Qt as it comes.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace
} // namespace tembra
