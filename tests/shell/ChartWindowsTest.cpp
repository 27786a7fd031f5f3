// Charts in their MDI windows: new and opened charts, the closing of untouched empty ones after
// an open with the windows tiled full width, the question before a changed chart closes, the
// recent files and the chart window's title.
#include "ShellFixture.h"

#include "platform/SaveRequests.h"
#include "platform/Sjis.h"
#include "shell/ChartWindowFactory.h"
#include "shell/core/MenuTable.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

namespace tembra {
namespace {

class ChartWindowsTest : public test::ShellFixture {
protected:
    std::vector<QMdiSubWindow*> Windows() {
        const QList<QMdiSubWindow*> list = Frame().MdiArea()->subWindowList();
        return {list.begin(), list.end()};
    }
    test::TempDir files;
};

TEST_F(ChartWindowsTest, AnOpenClosesOnlyUntouchedEmptyCharts) {
    ASSERT_FALSE(Start());
    CTembraDoc* empty = app->NewDocument();
    CTembraDoc* modified = app->NewDocument();
    modified->SetModifiedFlag(TRUE);
    CTembraDoc* holding = app->NewDocument();
    holding->GetChartLayers().CreateLayers();
    holding->AddObj(holding->GetEvents().CreateEvent().release(), FALSE);
    ASSERT_EQ(app->Documents().size(), 3u);

    CTembraDoc* opened = app->OpenDocumentFile(test::CopyOfSample(files, "A.tbr").string());
    ASSERT_NE(opened, nullptr);
    const std::vector<CTembraDoc*> documents = app->Documents();
    EXPECT_EQ(documents, (std::vector<CTembraDoc*>{modified, holding, opened}));
    EXPECT_EQ(std::count(documents.begin(), documents.end(), empty), 0);

    // The windows are tiled: full width, stacked.
    const QRect area = Frame().MdiArea()->viewport()->rect();
    const std::vector<QMdiSubWindow*> windows = Windows();
    ASSERT_EQ(windows.size(), 3u);
    std::vector<int> tops;
    for (QMdiSubWindow* w : windows) {
        EXPECT_EQ(w->width(), area.width());
        tops.push_back(w->y());
    }
    std::sort(tops.begin(), tops.end());
    EXPECT_EQ(tops.front(), 0);
    EXPECT_GE(tops[1], windows[0]->height() - 1);

    // The same file again: its window comes forward, nothing else happens.
    EXPECT_EQ(app->OpenDocumentFile(opened->GetPathName()), opened);
    EXPECT_EQ(app->Documents().size(), 3u);
    modified->SetModifiedFlag(FALSE);
}

// A window that no tiling places (a new chart beside an open one, a second window) comes up as
// the system's default window does: the next cascade step, reaching to the area's bottom right
// less the cascade's steps, not at the small size its contents ask for.
TEST_F(ChartWindowsTest, NewWindowsTakeTheDefaultPlaceOfACascade) {
    ASSERT_FALSE(Start());
    Frame().resize(1200, 900);
    app->NewDocument();
    app->Router().Execute(57648);
    const QRect area = Frame().MdiArea()->viewport()->rect();
    const std::vector<QMdiSubWindow*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    const int step = windows[1]->y() - windows[0]->y();
    EXPECT_GT(step, 0);
    EXPECT_EQ(windows[1]->x() - windows[0]->x(), step);
    for (const QMdiSubWindow* w : windows) {
        EXPECT_EQ(w->width(), windows[0]->width());
        EXPECT_EQ(w->height(), windows[0]->height());
    }
    EXPECT_GT(windows[0]->width(), area.width() / 2);
    EXPECT_GT(windows[0]->height(), area.height() / 2);
    EXPECT_EQ(area.width() - windows[0]->width(), area.height() - windows[0]->height());
    EXPECT_LE(windows[1]->geometry().right(), area.right());
    EXPECT_LE(windows[1]->geometry().bottom(), area.bottom());
}

TEST_F(ChartWindowsTest, AChangedChartAsksBeforeItCloses) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    document->SetModifiedFlag(TRUE);
    std::vector<int> answers = {IDCANCEL, IDNO};
    ui.OnDialog("SaveChanges", [&](DialogRequest& r) {
        static_cast<SaveChangesRequest&>(r).answer = answers.front();
        answers.erase(answers.begin());
        return IDOK;
    });
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_FALSE(Windows()[0]->close()) << "Cancel keeps it";
    EXPECT_EQ(app->Documents().size(), 1u);
    EXPECT_TRUE(Windows()[0]->close());
    EXPECT_TRUE(app->Documents().empty());
}

TEST_F(ChartWindowsTest, ASecondWindowOnAChart) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    app->Router().Execute(57648);
    ASSERT_EQ(Windows().size(), 2u);
    // The window menu lists both, the active one checked.
    QMenu* windowMenu = nullptr;
    for (QAction* top : Frame().menuBar()->actions()) {
        if (top->text() == QString::fromUtf8("ｳｨﾝﾄﾞｳ(&W)")) {
            windowMenu = top->menu();
        }
    }
    ASSERT_NE(windowMenu, nullptr);
    emit windowMenu->aboutToShow();
    QStringList listed;
    for (QAction* a : windowMenu->actions()) {
        if (a->property("chartWindow").toBool() && !a->isSeparator()) {
            listed << a->text() + (a->isChecked() ? "*" : "");
        }
    }
    ASSERT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed[1].endsWith("*")) << listed.join(" | ").toStdString();
    EXPECT_TRUE(Windows()[1]->close());
    EXPECT_EQ(app->Documents(), (std::vector<CTembraDoc*>{document}));
    EXPECT_EQ(Windows().size(), 1u);
}

TEST_F(ChartWindowsTest, TheChartWindowShowsTheTitleAndTheRecentFilesFollow) {
    ASSERT_FALSE(Start());
    const std::string path = test::CopyOfSample(files, "工程表.tbr").string();
    ASSERT_NE(app->OpenDocumentFile(path), nullptr);
    IChartWindow* chart = app->ActiveChart();
    ASSERT_NE(chart, nullptr);
    const QString title = QString::fromStdString(Sjis::ToUtf8(chart->Document().GetTitle()));
    EXPECT_TRUE(title.contains(QString::fromUtf8("工程表"))) << title.toStdString();
    EXPECT_EQ(Windows()[0]->windowTitle(), title + "[*]");
    EXPECT_EQ(app->RecentFiles().Paths().front(), path);
    EXPECT_EQ(app->LastFolder(), files.Path().string() + "/") << "where the next dialog starts";
    EXPECT_TRUE(Frame().Action(ID_FILE_MRU_FILE1)->text().contains(QString::fromStdString(path)));
    EXPECT_EQ(app->OpenDocumentFile(files.File("missing.tbr").string()), nullptr);
}

TEST_F(ChartWindowsTest, FilesDroppedOnTheWindowAreOpened) {
    ASSERT_FALSE(Start());
    const std::string path = test::CopyOfSample(files, "dropped.tbr").string();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    // A drop goes to the window that accepted the drag entering it.
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &drop);
    ASSERT_EQ(app->Documents().size(), 1u);
    EXPECT_EQ(app->Documents()[0]->GetPathName(), path);
}

} // namespace
} // namespace tembra
