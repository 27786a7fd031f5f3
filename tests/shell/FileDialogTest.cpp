// The application's file dialog: the filters it offers, the version a save dialog's filter
// chooses, the one-shot ASCII filters, the folders it starts in and remembers, and a document's
// questions (save the changes? under which name?) answered through it.
#include "ShellFixture.h"

#include "exchange/ui/FileOpenDlg.h"
#include "model/Utility.h"
#include "platform/SaveRequests.h"
#include "platform/Sjis.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <functional>

namespace tembra {
namespace {

class FileDialogTest : public test::ShellFixture {
protected:
    // Runs the next file dialog with the script: it sees the dialog and may choose.
    void WhenTheDialogOpens(std::function<void(CFileOpenDlg&)> script) {
        QTimer::singleShot(0, [script] {
            auto* dialog = qobject_cast<CFileOpenDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            script(*dialog);
        });
    }
    test::TempDir files;
};

TEST_F(FileDialogTest, TheSaveFilterChoosesTheVersion) {
    ASSERT_FALSE(Start());
    struct Case {
        int filter; // 0-based in the list
        int version;
    };
    for (const Case& c :
         std::vector<Case>{{3, 41001}, {2, 40000}, {4, 50000}, {0, 58000}, {1, 58000}}) {
        QStringList seen;
        WhenTheDialogOpens([&](CFileOpenDlg& dialog) {
            seen = dialog.nameFilters();
            dialog.selectNameFilter(seen.at(c.filter));
            dialog.selectFile(QString::fromStdString(files.File("out.tbr").string()));
            dialog.accept();
        });
        std::string path = files.Path().string() + "/";
        ASSERT_TRUE(app->DoFileDialog(path, 61441, false, false));
        EXPECT_EQ(app->State().GetSaveVersion(), c.version) << c.filter;
        ASSERT_EQ(seen.size(), 5);
        EXPECT_EQ(seen.at(4), "Tembra+ V5.0 (*.tbr)");
    }
    EXPECT_EQ(app->LastFolder(), files.Path().string() + "/");
}

TEST_F(FileDialogTest, OneShotFiltersAndTheFoldersOfTheDialog) {
    ASSERT_FALSE(Start());
    app->FileFlags().asd = true;
    QStringList seen;
    QString folder;
    WhenTheDialogOpens([&](CFileOpenDlg& dialog) {
        seen = dialog.nameFilters();
        folder = dialog.directory().absolutePath();
        dialog.reject();
    });
    std::string path = files.Path().string() + "/x.asd";
    EXPECT_FALSE(app->DoFileDialog(path, 61440, true, false));
    EXPECT_EQ(seen, QStringList{QString::fromUtf8("QKRｱｽｷｰﾌｧｲﾙ(*.asd)")});
    EXPECT_FALSE(app->FileFlags().asd);
    EXPECT_EQ(folder.toStdString(), files.Path().string()) << "the proposal's folder";

    // Without a proposal and a last folder the dialog starts in the user's documents folder,
    // not in the program's hidden data folder.
    test::TempDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(home.Path().string()));
    const std::filesystem::path documents = home.File("Documents");
    std::filesystem::create_directories(documents);
    const QString current = QDir::currentPath();
    WhenTheDialogOpens([&](CFileOpenDlg& dialog) {
        seen = dialog.nameFilters();
        folder = dialog.directory().absolutePath();
        dialog.reject();
    });
    path.clear();
    EXPECT_FALSE(app->DoFileDialog(path, 61440, true, false));
    EXPECT_EQ(seen.size(), 4);
    EXPECT_EQ(QDir::cleanPath(folder).toStdString(), documents.string());
    qputenv("HOME", oldHome);
    EXPECT_EQ(QDir::currentPath(), current) << "the current folder comes back";
}

// File > Open as a user reaches it: the dialog's type list offers the text data files, and the
// one chosen under that type opens as a chart.
TEST_F(FileDialogTest, TheOpenDialogOffersTheTextDataFilesAndOpensOne) {
    ASSERT_FALSE(Start());
    ui.OnDialog("FileDialog", [this](DialogRequest& r) { return app->QtUi().RunDialog(r); });
    const CTime end = GetMaxDate() - CTimeSpan(100, 0, 0, 0);
    const std::filesystem::path plan = files.Write(
        "plan.psv", "0,TEMBRA_TXT,1\r\n1,1," + (end - CTimeSpan(40, 0, 0, 0)).Format("%Y/%m/%d") +
                        "," + end.Format("%Y/%m/%d") + ",0\r\n");
    QString chosen;
    WhenTheDialogOpens([&](CFileOpenDlg& dialog) {
        for (const QString& filter : dialog.nameFilters()) {
            if (filter.endsWith(QStringLiteral("(*.psv)"))) {
                dialog.selectNameFilter(filter);
                chosen = dialog.selectedNameFilter();
            }
        }
        dialog.selectFile(QString::fromStdString(plan.string()));
        dialog.accept();
    });
    Frame().Action(57601)->trigger(); // File > Open
    EXPECT_EQ(chosen, QString::fromUtf8("ﾃｷｽﾄﾃﾞｰﾀﾌｧｲﾙ (*.psv)"));
    QTRY_VERIFY_WITH_TIMEOUT(app->Documents().size() == 1u, 30000);
    const CTembraDoc* chart = app->Documents().front();
    EXPECT_EQ(chart->GetSyokiSet().GetEndDate(), end);
    EXPECT_EQ(chart->GetPathName(), files.File("plan.tbr").string());
}

TEST_F(FileDialogTest, TheDocumentsQuestions) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    document->SetModifiedFlag(TRUE);
    // "SaveChanges" and the file dialog are the program's own dialogs: the scripted user
    // interface hands them to the application's handlers.
    ui.OnDialog("SaveChanges", [this](DialogRequest& r) { return app->QtUi().RunDialog(r); });
    ui.OnDialog("FileDialog", [this](DialogRequest& r) { return app->QtUi().RunDialog(r); });
    ui.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(app->CloseDocument(document));
    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_NE(ui.MessageBoxes()[0].text.find("への変更を保存しますか"), std::string::npos);

    // Yes: the name is asked for, and the chart is written there.
    ui.QueueAnswer(IDYES);
    const std::string target = files.File("saved.tbr").string();
    WhenTheDialogOpens([&](CFileOpenDlg& dialog) {
        dialog.selectFile(QString::fromStdString(target));
        dialog.accept();
    });
    EXPECT_TRUE(app->CloseDocument(document));
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_TRUE(app->Documents().empty());
}

} // namespace
} // namespace tembra
