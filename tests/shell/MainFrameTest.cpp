// The main frame: its bars and status bar from an empty profile, the positions it stores when it
// closes and restores at the next start, and the bars that follow the active chart's object mode.
#include "ShellFixture.h"

#include "platform/Sjis.h"
#include "shell/FrameToolBar.h"
#include "shell/LayerBar.h"
#include "shell/MainStatusBar.h"
#include "shell/ModeBar.h"
#include "shell/ProcessColorBar.h"
#include "shell/SizingToolBar.h"
#include "shell/YogoBar.h"
#include "shell/ZukeiToolBar.h"
#include "shell/core/FramePositions.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <set>

namespace tembra {
namespace {

class MainFrameTest : public test::ShellFixture {};

TEST_F(MainFrameTest, AnEmptyProfileGivesTheDefaultBars) {
    ASSERT_FALSE(Start());
    CMainFrame& frame = Frame();
    std::set<QString> ids;
    for (QWidget* bar : frame.findChildren<QWidget*>()) {
        if (qobject_cast<QToolBar*>(bar) != nullptr || qobject_cast<QDockWidget*>(bar) != nullptr) {
            ids.insert(bar->objectName());
        }
    }
    EXPECT_EQ(ids,
              (std::set<QString>{"59392", "59632", "59633", "59634", "59636", "59640", "160"}));
    EXPECT_TRUE(frame.LayerBar()->isVisible());
    EXPECT_TRUE(frame.YogoBar()->isVisible());
    EXPECT_TRUE(frame.KouteiBar()->isVisible());
    EXPECT_TRUE(frame.ZukeiBar()->isHidden());
    EXPECT_TRUE(frame.ChartBar()->isHidden());
    EXPECT_TRUE(frame.FunctionBar()->isHidden()) << "the function bar starts hidden";

    // The palette floats at (10, 10), 185 pixels wide, with its buttons in rows.
    CFrameToolBar* palette = frame.Palette();
    EXPECT_TRUE(palette->isFloating());
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->pos(), QPoint(10, 10));
    EXPECT_EQ(palette->width(), 185);
    EXPECT_LT(palette->height(), 185);

    // The layer combo in its place (on a window wide enough for the whole bar), entry 0
    // "ﾚｲﾔｰ 0" in its bytes.
    frame.resize(2400, 800);
    QComboBox* layers = frame.LayerBar()->LayerCombo();
    ASSERT_NE(layers, nullptr);
    test::WaitUntil([layers] { return layers->isVisible(); });
    test::FlushPosted();
    EXPECT_EQ(layers->objectName(), "1665");
    EXPECT_TRUE(layers->isVisible());
    EXPECT_EQ(layers->width(), 76);
    ASSERT_EQ(layers->count(), 16);
    EXPECT_EQ(Sjis::FromUtf8(layers->itemText(0).toStdString()), "\xDA\xB2\xD4\xB0\x20\x30");
    EXPECT_EQ(layers->itemText(15), QString::fromUtf8("ﾚｲﾔｰ F"));
    EXPECT_EQ(frame.KouteiBar()->ColorCombo()->width(), 80);
    EXPECT_EQ(frame.YogoBar()->YogoCombo()->width(), 282);
    EXPECT_EQ(frame.YogoBar()->ColorCombo()->width(), 80);
}

TEST_F(MainFrameTest, TheStatusBarHasNinePanes) {
    ASSERT_FALSE(Start());
    CMainStatusBar* bar = Frame().StatusBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->objectName(), "59393");
    const QFontMetrics metrics(bar->Pane(5)->font());
    EXPECT_GE(bar->Pane(5)->width(), metrics.horizontalAdvance("99/99 99:99"));
    EXPECT_EQ(bar->Pane(5)->width(), bar->Pane(7)->width());
    EXPECT_GE(bar->Pane(6)->width(), metrics.horizontalAdvance("9999"));
    EXPECT_EQ(bar->Pane(6)->width(), bar->Pane(8)->width());
    EXPECT_LT(bar->Pane(6)->width(), bar->Pane(5)->width());
    EXPECT_GT(bar->Pane(0)->width(), bar->Pane(5)->width()) << "pane 0 stretches";

    // The helpers reach it; the indicators show while their key is down.
    EXPECT_EQ(SetStatusText("%s", "message"), 1);
    EXPECT_EQ(bar->Pane(0)->text(), "message");
    app->UpdateCommandStates();
    EXPECT_EQ(bar->Pane(1)->text(), "") << "CAP stays off";
    EXPECT_EQ(bar->Pane(2)->text(), "");
}

TEST_F(MainFrameTest, ClosingStoresThePositionsAndTheNextStartRestoresThem) {
    ASSERT_FALSE(Start());
    Frame().setGeometry(120, 80, 900, 640);
    app->Router().Execute(32952); // the function bar on
    app->Router().Execute(32785); // the palette off
    ASSERT_TRUE(Frame().close());

    const std::optional<WindowPlacement> placement =
        FramePositions::ParseWindowPos(GetProfileString("Settings", "WindowPos"));
    ASSERT_TRUE(placement) << "ten numbers";
    EXPECT_EQ(placement->normalPosition, CRect(120, 80, 1020, 720));
    EXPECT_EQ(FramePositions::ParsePaletteShown(GetProfileString("Settings", "ToolPalettePos")), 0);
    EXPECT_EQ(GetProfileInt("Settings", "FunctionBar", 0), 1u);
    // The floating overview, never shown, keeps the default place it was given.
    const FloatWndPosition floatWnd =
        FramePositions::ParseFloatWndPos(GetProfileString("Settings", "FloatWndPos"));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(floatWnd.rect,
              FramePositions::PlaceFloatWnd(CRect(), screen.width(), screen.height()));
    EXPECT_EQ(floatWnd.shown, 0);
    EXPECT_FALSE(GetProfileString(CMainFrame::kBarStateSection, "State").empty());
    EXPECT_EQ(GetProfileInt(CMainFrame::kBarSummarySection, "Bars", 0), 7u);

    ASSERT_FALSE(Start());
    EXPECT_EQ(Frame().geometry(), QRect(120, 80, 900, 640));
    EXPECT_TRUE(Frame().FunctionBar()->isVisible());
    EXPECT_TRUE(Frame().Palette()->isHidden());
}

TEST_F(MainFrameTest, ABadOrLostPlacementGivesAPlaceOnTheScreen) {
    ASSERT_FALSE(Start());
    const QRect defaultPlace = Frame().geometry();

    WriteProfileString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,30,40,630,440"); // fine
    ASSERT_FALSE(Start());
    EXPECT_EQ(Frame().geometry(), QRect(30, 40, 600, 400));

    WriteProfileString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,30,40,630"); // nine numbers
    ASSERT_FALSE(Start());
    EXPECT_EQ(Frame().geometry(), defaultPlace);

    // A rectangle on no screen that is there now moves onto the primary one.
    WriteProfileString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,9000,9000,9600,9400");
    ASSERT_FALSE(Start());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(Frame().frameGeometry().topLeft()));
    EXPECT_LE(Frame().frameGeometry().left() - screen.left(), 8);
    EXPECT_EQ(Frame().geometry().size(), QSize(600, 400));
}

TEST_F(MainFrameTest, CtrlAtTheStartSkipsTheBarState) {
    ASSERT_FALSE(Start());
    Frame().Palette()->setFloating(false);
    Frame().addDockWidget(Qt::RightDockWidgetArea, Frame().Palette());
    ASSERT_TRUE(Frame().close());

    ASSERT_FALSE(Start());
    EXPECT_FALSE(Frame().Palette()->isFloating()) << "the saved state docks it";
    Frame().close();

    ctrlDown = true;
    ASSERT_FALSE(Start());
    EXPECT_FALSE(Frame().Palette()->isFloating())
        << "with a saved state the palette keeps its docked default";
    EXPECT_EQ(Frame().dockWidgetArea(Frame().Palette()), Qt::LeftDockWidgetArea);
}

TEST_F(MainFrameTest, TheBarsFollowTheObjectMode) {
    ASSERT_FALSE(Start());
    EXPECT_EQ(Frame().OnModeChanged(), -1) << "no chart window";
    CTembraDoc* document = app->NewDocument();
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(app->ActiveDocument(), document);
    struct Case {
        LONG mode;
        int kind;
        bool zukei;
        bool chart;
        bool relaid;
    };
    const std::vector<Case> cases = {
        {6, 0, false, false, true},  {6, 0, false, false, false}, {0, 2, false, false, true},
        {2, 1, false, false, true},  {4, 1, true, false, false},  {8, 1, false, true, false},
        {1, 1, false, false, false},
    };
    for (const Case& c : cases) {
        const int layouts = Frame().YogoBarLayouts();
        document->GetOperation().SetMode(c.mode); // tells the frame
        EXPECT_EQ(Frame().YogoBarKind(), c.kind) << c.mode;
        EXPECT_EQ(Frame().YogoBarLayouts() - layouts, c.relaid ? 1 : 0) << c.mode;
        EXPECT_EQ(!Frame().ZukeiBar()->isHidden(), c.zukei) << c.mode;
        EXPECT_EQ(Frame().IsZukeiBarShown() != FALSE, c.zukei) << c.mode;
        EXPECT_EQ(!Frame().ChartBar()->isHidden(), c.chart) << c.mode;
    }
    // The event bar carries the event set's buttons.
    document->GetOperation().SetMode(6);
    EXPECT_TRUE(Frame().YogoBar()->actions().contains(Frame().Action(40063)));
    EXPECT_FALSE(Frame().YogoBar()->actions().contains(Frame().Action(32985)));
}

TEST_F(MainFrameTest, TheAutoSaveTickRunsWhenDue) {
    ASSERT_FALSE(Start());
    EXPECT_EQ(Frame().AutoSaveTimer()->interval(), 5000);
    int saves = 0;
    app->Hooks().autoSave = [&] { ++saves; };
    app->Config().SetAutoSaveTime(10);
    const CTime start(2000, 5, 1, 10, 0, 0);
    app->SetLastAutoSave(start);
    clock.Set(start + CTimeSpan(600));
    app->OnAutoSaveTimer();
    EXPECT_EQ(saves, 0);
    clock.Set(start + CTimeSpan(601));
    app->OnAutoSaveTimer();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(app->GetLastAutoSave(), start + CTimeSpan(601));

    clock.Set(start + CTimeSpan(2000));
    Frame().LayerBar()->grabMouse();
    app->OnAutoSaveTimer();
    Frame().LayerBar()->releaseMouse();
    EXPECT_EQ(saves, 1) << "not while a window holds the mouse";

    for (LONG off : {0, -1}) {
        app->Config().SetAutoSaveTime(off);
        app->OnAutoSaveTimer();
        EXPECT_EQ(saves, 1) << off;
    }
}

TEST_F(MainFrameTest, TermTextFromTheListsGoesToTheBarAndTheChart) {
    ASSERT_FALSE(Start());
    CTembraDoc* document = app->NewDocument();
    document->GetOperation().SetMode(COperationState::kModeKoutei);
    QComboBox* combo = Frame().YogoBar()->YogoCombo();
    Frame().OnYogoInput(0, Sjis::FromUtf8("基礎"));
    EXPECT_EQ(combo->currentText(), QString::fromUtf8("基礎"));
    EXPECT_EQ(document->GetOperation().GetMode(), COperationState::kModeYogo);
    Frame().OnYogoInput(1, Sjis::FromUtf8("工事"));
    EXPECT_EQ(combo->currentText(), QString::fromUtf8("基礎工事"));
    Frame().OnYogoInput(5, "x");
    EXPECT_EQ(combo->currentText(), "");
}

} // namespace
} // namespace tembra
