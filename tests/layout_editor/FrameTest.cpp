// The layout editor's main window over a started application: the menu entries as their update
// handlers leave them, commands through the menus, closing, a layout saved under a new name and
// opened again, the four bars and the status bar, what the profile keeps of them, dropped files,
// the context menu and the print preview's bars.
#include "layout_editor/LayoutViewWnd.h"
#include "layout_editor/MainFrame.h"
#include "layout_editor/MarquellApp.h"
#include "layout_editor/PaperFontBar.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/MarquellView.h"
#include "model/LayoutFile.h"
#include "platform/Profile.h"

#include "EditorFixture.h"

#include "support/qt/ScopedIconTheme.h"
#include "support/qt/WaitUntil.h"
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace marquell {
namespace {

namespace fs = std::filesystem;
using test::J;

class FrameTest : public test::EditorFixture {
protected:
    FrameTest() {
        const fs::path runtime = paths.Dir().File("run");
        fs::create_directories(runtime);
        ::chmod(runtime.c_str(), 0700);
        app.SetRuntimeFolder(QString::fromStdString(runtime.string()));
        app.SetUiServices(&ui.Get());
    }
    void Start(const fs::path& file) {
        ASSERT_EQ(app.InitInstance({QString::fromStdString(file.string())}), -1);
        frame = app.GetMainFrame();
        frame->UpdateCommands();
    }
    QAction* Action(unsigned id) { return frame->Action(id); }
    // The commands of a bar's buttons as it shows them (0 for a separator).
    std::vector<unsigned> Buttons(QToolBar* bar) {
        std::vector<unsigned> ids;
        for (QAction* action : bar->actions()) {
            if (action->isSeparator()) {
                ids.push_back(0);
                continue;
            }
            for (unsigned id = 32000; id < 60000; ++id) {
                if (frame->Action(id) == action) {
                    ids.push_back(id);
                    break;
                }
            }
        }
        return ids;
    }
    void Drop(const fs::path& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window: the application passes drops on only during a drag.
        static_cast<QObject*>(frame)->event(&event);
    }

    CMarquellApp app;
    CMainFrame* frame = nullptr;
};

TEST_F(FrameTest, ATemporaryEditGreysTheFileAndRecentEntries) {
    // A recent file from an earlier run.
    ASSERT_TRUE(tembra::WriteProfileString("Recent File List", "File1", "/tmp/old.lyt"));
    Start(Layout("LAYTEMP0.LY$", -1, 0));
    for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_MRU_FILE1}) {
        EXPECT_FALSE(Action(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->isVisible());
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1 + 1)->isVisible());
    EXPECT_TRUE(Action(ID_FILE_SAVE_AS)->isEnabled());
    EXPECT_EQ(Action(ID_APP_EXIT)->text(), QString::fromUtf8("戻る"));
}

TEST_F(FrameTest, AnOrdinaryLayoutOffersThemAll) {
    ASSERT_TRUE(tembra::WriteProfileString("Recent File List", "File1", "/tmp/old.lyt"));
    Start(Layout("a.lyt", 0, 0));
    for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_MRU_FILE1}) {
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
    }
    // Opening put the file at the head of the list.
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->text().contains(QStringLiteral("a.lyt")));
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1 + 1)->text().contains(QStringLiteral("old.lyt")));
    EXPECT_EQ(Action(ID_APP_EXIT)->text(), QString::fromUtf8("アプリケーションの終了(&X)"));
}

TEST_F(FrameTest, TheEntriesFollowTheStateWhenTheProgramWaits) {
    Start(Layout("a.lyt", 0, 0));
    EXPECT_FALSE(Action(ID_ZOOM_RESET)->isEnabled());
    EXPECT_TRUE(Action(kZoomCommands[3])->isChecked());
    frame->RunCommand(ID_ZOOM_IN);
    EXPECT_TRUE(Action(ID_ZOOM_RESET)->isEnabled());
    EXPECT_TRUE(Action(kZoomCommands[4])->isChecked());
    // A change that came by no menu shows once the program waits for more.
    app.View().OnCommand(ID_ZOOM_RESET);
    EXPECT_TRUE(Action(ID_ZOOM_RESET)->isEnabled());
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(Action(ID_ZOOM_RESET)->isEnabled());
    // A disabled entry does nothing.
    frame->RunCommand(ID_ZOOM_RESET);
    EXPECT_EQ(app.View().GetZoomIndex(), 3);
}

TEST_F(FrameTest, ClosingAChangedLayoutAsksFirst) {
    Start(Layout("a.lyt", 0, 0));
    app.GetDoc().SetModifiedFlag(TRUE);
    ui->QueueAnswer(tembra::IDCANCEL);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_GT(app.GetDoc().GetCurrentPaper().CountElements(), 0);
    ui->QueueAnswer(tembra::IDNO);
    EXPECT_TRUE(frame->close());
    // The view went with the window: the papers are empty.
    EXPECT_EQ(app.GetDoc().GetCurrentPaper().CountElements(), 0);
}

TEST_F(FrameTest, ALayoutSavedUnderANewNameOpensAgain) {
    const fs::path folder = paths.Writable();
    Start(folder / "MASTER01.LYT");
    ASSERT_TRUE(fs::exists(folder / "MASTER01.LYT"));
    std::string name = J("試験書式");
    ui->OnDialog("LayoutFormatName", [&](tembra::DialogRequest& request) {
        static_cast<LayoutFormatNameRequest&>(request).name = name;
        return tembra::IDOK;
    });
    fs::path chosen = folder / "test1.lyt";
    ui->OnDialog("PromptFileName", [&](tembra::DialogRequest& request) {
        auto& r = static_cast<PromptFileNameRequest&>(request);
        r.path = chosen.string();
        return tembra::IDOK;
    });
    frame->RunCommand(ID_FORMAT_NAME);
    tembra::test::WaitUntil([&] {
        return frame->windowTitle() == QString::fromUtf8("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <試験書式> - [ Ａ４ ] ");
    });
    ASSERT_EQ(frame->windowTitle(), QString::fromUtf8("ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <試験書式> - [ Ａ４ ] "));
    frame->RunCommand(ID_FILE_SAVE_AS);
    ASSERT_TRUE(fs::exists(chosen));
    EXPECT_EQ(tembra::ReadLayoutName(chosen), name);
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(folder / "MASTER01.LYT"), 1);
    EXPECT_EQ(app.GetDoc().GetPathName(), chosen.string());

    frame->RunCommand(ID_FILE_NEW);
    EXPECT_EQ(app.GetDoc().GetLayout().GetLayoutName(), "");
    frame->RunCommand(ID_FILE_OPEN);
    EXPECT_EQ(app.GetDoc().GetPathName(), chosen.string());
    EXPECT_EQ(app.GetDoc().GetLayout().GetLayoutName(), name);
    EXPECT_TRUE(Action(ID_FILE_MRU_FILE1)->text().contains(QStringLiteral("test1.lyt")));
}

TEST_F(FrameTest, TheFileDialogOpensInTheProposalsFolderElseInTheLayoutFolder) {
    Start(Layout("a.lyt", 0, 0));
    const fs::path other = paths.Dir().File("other");
    fs::create_directories(other);
    struct Case {
        std::string path;
        fs::path folder;
        QString name;
    };
    const Case cases[] = {
        {(other / "MASTER01.LYT").string(), other, QStringLiteral("MASTER01.LYT")},
        {"test.lyt", paths.Writable(), QStringLiteral("test.lyt")},
        {"", paths.Writable(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        QString folder;
        QString name;
        QStringList filters;
        QTimer::singleShot(50, [&]() {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            folder = dialog->directory().absolutePath();
            name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            filters = dialog->nameFilters();
            dialog->reject();
        });
        PromptFileNameRequest request;
        request.path = c.path;
        request.titleId = 61441;
        request.layoutFolder = app.Settings().layoutFolder;
        EXPECT_FALSE(app.DoPromptFileName(request));
        EXPECT_EQ(folder.toStdString(), c.folder.string());
        EXPECT_EQ(name, c.name);
        // "*.lyt" in any case.
        ASSERT_EQ(filters.size(), 1);
        EXPECT_TRUE(filters[0].endsWith(QStringLiteral("(*.[lL][yY][tT])")));
    }
}

TEST_F(FrameTest, AFirstStartShowsTheFourBarsAndThePanes) {
    Start(Layout("a.lyt", 0, 0));
    struct Case {
        unsigned id;
        std::vector<unsigned> buttons;
    };
    const Case cases[] = {
        {59392, {57600, 57601, 57603, 0, 57607, 57606, 57609, 0,     40006, 32775, 32788, 0,
                 32782, 32783, 32784, 0, 33009, 33010, 33011, 33012, 0,     57666, 57669}},
        {59632, {32771, 32772, 32773, 32774, 0,     32923, 32780, 32781, 40001, 32779, 0,    57643,
                 0,     0,     40008, 40007, 40009, 0,     0,     32776, 32777, 0,     32778}},
        {59634, {32923, 32780, 32781, 40001, 57643, 32771, 32772, 32773, 32774, 32779}},
    };
    for (const Case& c : cases) {
        QToolBar* bar = frame->Bar(c.id);
        ASSERT_NE(bar, nullptr) << c.id;
        EXPECT_EQ(bar->objectName(), QString::number(c.id));
        EXPECT_FALSE(bar->isHidden());
        EXPECT_EQ(Buttons(bar), c.buttons) << c.id;
    }
    // The palette floats by the corner of the editor's own window, 138 pixels wide; not at the
    // screen's corner, over whatever program is there.
    QToolBar* palette = frame->Bar(59634);
    EXPECT_TRUE(palette->isFloating());
    EXPECT_EQ(palette->geometry().topLeft(), frame->centralWidget()->mapToGlobal(QPoint(10, 10)));
    EXPECT_NE(palette->geometry().topLeft(), QPoint(10, 10));
    // Where the desktop then puts the window, the palette goes along, until the user moves it.
    frame->move(frame->pos() + QPoint(120, 80));
    QCoreApplication::processEvents();
    EXPECT_EQ(palette->pos(), frame->centralWidget()->mapToGlobal(QPoint(10, 10)));
    palette->move(palette->pos() + QPoint(300, 0));
    const QPoint put = palette->pos();
    frame->move(frame->pos() + QPoint(-60, -40));
    QCoreApplication::processEvents();
    EXPECT_EQ(palette->pos(), put);
    EXPECT_EQ(palette->width(), 138);
    EXPECT_FALSE(frame->Bar(59392)->isFloating());
    // The help buttons stay disabled: the editor has no help.
    EXPECT_FALSE(Action(57666)->isEnabled());

    // The paper/font bar's three boxes.
    CPaperFontBar* paperFont = frame->PaperFontBar();
    ASSERT_EQ(frame->Bar(59633), paperFont);
    QStringList papers;
    for (int i = 0; i < paperFont->PaperList()->count(); ++i) {
        papers << paperFont->PaperList()->itemText(i);
    }
    EXPECT_EQ(papers, QString::fromUtf8("Ａ４,Ｂ４,Ａ３,Ａ３縦,Ａ２,Ａ１").split(QLatin1Char(',')));
    EXPECT_EQ(paperFont->PaperList()->width(), 80);
    EXPECT_EQ(paperFont->FontList()->width(), 184);
    EXPECT_EQ(paperFont->HeightBox()->width(), 140);
    ASSERT_GT(paperFont->FontList()->count(), 0);
    for (int i = 0; i < paperFont->FontList()->count(); ++i) {
        EXPECT_FALSE(paperFont->FontList()->itemText(i).startsWith(QLatin1Char('@')));
        EXPECT_NE(paperFont->FontOf(i), nullptr);
    }
    EXPECT_EQ(paperFont->FontList()->currentText(), QString::fromUtf8("ＭＳ 明朝"));
    EXPECT_EQ(paperFont->FontList()->itemText(0), QString::fromUtf8("ＭＳ 明朝"))
        << "the Windows faces come first";
    QStringList heights;
    for (int i = 0; i < paperFont->HeightBox()->count(); ++i) {
        heights << paperFont->HeightBox()->itemText(i);
    }
    EXPECT_EQ(heights.front(), QStringLiteral("10"));
    EXPECT_EQ(heights.back(), QStringLiteral("100"));
    EXPECT_EQ(heights.size(), 23);
    EXPECT_EQ(paperFont->HeightBox()->currentText(), QStringLiteral(" 24 x0.1mm"));
    paperFont->HeightBox()->setEditText(QStringLiteral("1"));
    EXPECT_EQ(paperFont->HeightBox()->lineEdit()->maxLength(), 3);

    // Seven panes; the two of the position as wide as eleven letters "a".
    const int width =
        QFontMetrics(frame->statusBar()->font()).horizontalAdvance(QStringLiteral("aaaaaaaaaaa"));
    EXPECT_EQ(frame->Pane(5)->width(), width);
    EXPECT_EQ(frame->Pane(6)->width(), width);
    const char* keys[] = {"CAP", "CTRL", "SHIFT", "ALT"};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(frame->Pane(i)->text(), QString::fromLatin1(keys[i - 1]));
        EXPECT_FALSE(frame->Pane(i)->isEnabled()) << keys[i - 1];
    }
}

// The standard actions on the tool bar show the desktop icon theme's icons where it has them; the
// others, and all of them without a theme, their drawn images.
TEST_F(FrameTest, TheBarsStandardActionsShowTheThemesIcons) {
    struct Case {
        const char* theme;
        std::vector<std::string> icons; // empty: no theme
        std::vector<unsigned> themed;   // the buttons that show the theme's icon
    };
    // The theme lacks zoom-original: 等倍 keeps its tile. 設 (printer set-up) and the context help
    // have no standard action.
    const Case cases[] = {
        {"theme",
         {"document-new", "document-open", "document-print-preview", "zoom-in", "edit-undo",
          "edit-delete", "help-contents"},
         {57600, 57601, 57609, 32782, 57643, 32779, 57666}},
        {"none", {}, {}},
    };
    for (const Case& c : cases) {
        const tembra::test::ScopedIconTheme theme(c.icons);
        // A program of its own for each theme: the bars take their images as they are built.
        CMarquellApp program;
        const fs::path run = paths.Dir().File(std::string("run-") + c.theme);
        fs::create_directories(run);
        ::chmod(run.c_str(), 0700);
        program.SetRuntimeFolder(QString::fromStdString(run.string()));
        program.SetUiServices(&ui.Get());
        ASSERT_EQ(program.InitInstance({QString::fromStdString(
                      Layout(std::string(c.theme) + ".lyt", 0, 0).string())}),
                  -1);
        CMainFrame* shown = program.GetMainFrame();
        for (const unsigned id : {57600u, 57601u, 57609u, 57606u, 32782u, 32783u, 57643u, 32779u,
                                  57666u, 57669u, 32771u}) {
            QToolButton* button = nullptr;
            for (QToolBar* bar : {shown->Bar(59392), shown->Bar(59632)}) {
                if (button == nullptr) {
                    button = qobject_cast<QToolButton*>(bar->widgetForAction(shown->Action(id)));
                }
            }
            ASSERT_NE(button, nullptr) << id;
            const bool themed = std::find(c.themed.begin(), c.themed.end(), id) != c.themed.end();
            // The image itself: a button whose command is greyed out draws it grey.
            EXPECT_EQ(tembra::test::ScopedIconTheme::Shows(button->icon().pixmap(16).toImage()),
                      themed)
                << c.theme << " " << id;
            EXPECT_FALSE(button->icon().isNull()) << c.theme << " " << id;
        }
        EXPECT_TRUE(shown->close());
    }
}

TEST_F(FrameTest, TheBarsBoxesReachTheView) {
    Start(Layout("a.lyt", 0, 0));
    CPaperFontBar* bar = frame->PaperFontBar();
    CMarquellView& view = app.View();
    // A height typed: for new texts; shown with its unit before the next mouse move.
    QTest::keyClicks(bar->HeightBox()->lineEdit(), QStringLiteral("32"));
    bar->HeightBox()->lineEdit()->selectAll();
    QTest::keyClicks(bar->HeightBox()->lineEdit(), QStringLiteral("32"));
    EXPECT_EQ(view.GetHeightText(), "32");
    bar->NormalizeHeight(view);
    EXPECT_EQ(bar->HeightBox()->currentText(), QStringLiteral(" 32 x0.1mm"));
    // A face chosen: for new texts.
    const int gothic = bar->FontList()->findText(QString::fromUtf8("ＭＳ ゴシック"));
    ASSERT_GE(gothic, 0);
    bar->FontList()->setCurrentIndex(gothic);
    emit bar->FontList()->activated(gothic);
    EXPECT_EQ(view.GetFaceName(), J("ＭＳ ゴシック"));
    // Another paper.
    emit bar->PaperList()->activated(2);
    EXPECT_EQ(app.GetDoc().GetLayout().GetCurrentPaperIndex(), 2);
    frame->UpdateCommands();
    EXPECT_TRUE(bar->PaperList()->isEnabled());
    EXPECT_EQ(bar->PaperList()->currentIndex(), 2);
}

TEST_F(FrameTest, TheTemporaryCopysPaperListIsClosed) {
    Start(Layout("LAYTEMP0.LY$", -1, 3));
    EXPECT_FALSE(frame->PaperFontBar()->PaperList()->isEnabled());
    EXPECT_EQ(frame->PaperFontBar()->PaperList()->currentIndex(), 3);
}

TEST_F(FrameTest, TheBarsAreShownAndHiddenByTheirCommands) {
    Start(Layout("a.lyt", 0, 0));
    for (const unsigned command : {59392u, 40002u, 40015u, 32787u}) {
        SCOPED_TRACE(command);
        QToolBar* bar = command == 59392u   ? frame->Bar(59392)
                        : command == 40002u ? frame->Bar(59632)
                        : command == 40015u ? frame->Bar(59634)
                                            : frame->Bar(59633);
        EXPECT_TRUE(Action(command)->isChecked());
        frame->RunCommand(command);
        EXPECT_TRUE(bar->isHidden());
        EXPECT_FALSE(Action(command)->isChecked());
        frame->RunCommand(command);
        EXPECT_FALSE(bar->isHidden());
    }
}

TEST_F(FrameTest, ClosingKeepsThePlacementAndTheBarsForTheNextStart) {
    Start(Layout("a.lyt", 0, 0));
    frame->setGeometry(QRect(40, 50, 900, 600));
    frame->RunCommand(40015); // the palette hidden
    frame->removeToolBar(frame->Bar(59632));
    frame->addToolBar(Qt::LeftToolBarArea, frame->Bar(59632));
    frame->Bar(59632)->show();
    ASSERT_TRUE(frame->close());
    const std::vector<std::string> placement = [] {
        std::vector<std::string> parts;
        const QString text =
            QString::fromStdString(tembra::GetProfileString("Settings", "WindowPos", ""));
        for (const QString& part : text.split(QLatin1Char(','))) {
            parts.push_back(part.toStdString());
        }
        return parts;
    }();
    ASSERT_EQ(placement.size(), 10u);
    EXPECT_EQ(placement[1], "1");
    EXPECT_EQ(placement[6], "40");
    EXPECT_EQ(placement[7], "50");
    EXPECT_EQ(placement[8], "940");
    EXPECT_EQ(placement[9], "650");
    EXPECT_TRUE(QString::fromStdString(tembra::GetProfileString("Settings", "ToolPalettePos", ""))
                    .endsWith(QStringLiteral(",0")));
    EXPECT_EQ(tembra::GetProfileInt("ControlBars\\State-Summary", "Bars", 0), 4u);
    EXPECT_FALSE(tembra::GetProfileString("ControlBars\\State", "State", "").empty());

    CMarquellApp next;
    const fs::path run = paths.Dir().File("run2");
    fs::create_directories(run);
    next.SetRuntimeFolder(QString::fromStdString(run.string()));
    next.SetUiServices(&ui.Get());
    ASSERT_EQ(next.InitInstance({}), -1);
    CMainFrame* again = next.GetMainFrame();
    EXPECT_EQ(again->geometry(), QRect(40, 50, 900, 600));
    EXPECT_TRUE(again->Bar(59634)->isHidden());
    EXPECT_FALSE(again->Bar(59634)->isFloating() && !again->Bar(59634)->isHidden());
    EXPECT_EQ(again->toolBarArea(again->Bar(59632)), Qt::LeftToolBarArea);
    again->UpdateCommands();
    EXPECT_FALSE(again->Action(40015)->isChecked());
}

TEST_F(FrameTest, AShowCommandOtherThanNormalOverridesTheStoredOne) {
    ASSERT_TRUE(
        tembra::WriteProfileString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,40,50,940,650"));
    app.SetShowCommand(kShowMaximized);
    Start(Layout("a.lyt", 0, 0));
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_EQ(frame->normalGeometry(), QRect(40, 50, 900, 600));
}

TEST_F(FrameTest, ADroppedFileOpensUnlessATemporaryCopyIsEdited) {
    const fs::path dropped = Layout("b.lyt", 0, 0);
    Start(Layout("LAYTEMP0.LY$", -1, 0));
    const std::string temporary = app.GetDoc().GetPathName();
    Drop(dropped);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 61253u);
    EXPECT_EQ(app.GetDoc().GetPathName(), temporary);
    EXPECT_TRUE(app.GetDoc().IsTemporaryEdit());
}

TEST_F(FrameTest, AnOrdinaryLayoutTakesADroppedFile) {
    const fs::path dropped = Layout("b.lyt", 0, 2);
    Start(Layout("a.lyt", 0, 0));
    Drop(dropped);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_EQ(app.GetDoc().GetPathName(), dropped.string());
}

TEST_F(FrameTest, ShiftAndTheRightButtonOpenTheContextMenu) {
    Start(Layout("a.lyt", 0, 0));
    QStringList entries;
    bool enabled = true;
    QTimer::singleShot(100, [&]() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->text() == QString::fromUtf8("消去")) {
                enabled = action->isEnabled();
            }
        }
        menu->close();
    });
    QWidget* viewport = frame->ViewWnd().viewport();
    QTest::mouseClick(viewport, Qt::RightButton, Qt::ShiftModifier, QPoint(400, 100));
    EXPECT_EQ(entries, QString::fromUtf8("固定文字,文字入力領域,直線,四角,編集ﾓｰﾄﾞ,変形ﾓｰﾄﾞ,複写,"
                                         "移動,消去,サイズ設定,グリッドの設定")
                           .split(QLatin1Char(',')));
    EXPECT_FALSE(enabled) << "nothing is selected";
    // Without SHIFT it swaps the mode.
    QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, QPoint(400, 100));
    EXPECT_EQ(app.View().GetMode(), kModeEdit);
}

TEST_F(FrameTest, ThePreviewHidesTheBarsAndShowsThemAgain) {
    Start(Layout("a.lyt", 0, 0));
    frame->RunCommand(40002); // the layout input bar stays hidden afterwards
    bool hidden = false;
    QTimer::singleShot(200, [&]() {
        hidden = frame->Bar(59632)->isHidden() && frame->Bar(59634)->isHidden() &&
                 frame->Bar(59633)->isHidden() && !frame->Bar(59392)->isHidden();
        if (QWidget* preview = QApplication::activeModalWidget()) {
            static_cast<QDialog*>(preview)->reject();
        }
    });
    frame->RunCommand(ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(frame->Bar(59632)->isHidden());
    EXPECT_FALSE(frame->Bar(59634)->isHidden());
    EXPECT_FALSE(frame->Bar(59633)->isHidden());
}

TEST_F(FrameTest, AGestureOnTheWindowDrawsABox) {
    Start(Layout("a.lyt", 0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    QWidget* viewport = frame->ViewWnd().viewport();
    frame->RunCommand(ID_MODE_BOX);
    frame->RunCommand(ID_GRID_SNAP);
    // The header's top edge on the window.
    int top = 0;
    while (top < viewport->height() &&
           app.View().DeviceToLayout(CPoint(300, top)).y > app.View().GetCurrentAreaRect().top) {
        ++top;
    }
    const int before = app.GetDoc().GetCurrentPaper().CountElements();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(300, top + 10));
    QTest::mouseMove(viewport, QPoint(360, top + 30));
    QTest::mouseMove(viewport, QPoint(420, top + 50));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(420, top + 50));
    EXPECT_EQ(app.GetDoc().GetCurrentPaper().CountElements(), before + 1);
    EXPECT_FALSE(frame->Pane(0)->text().isEmpty());
    EXPECT_FALSE(frame->Pane(5)->text().isEmpty());
}

} // namespace
} // namespace marquell
