// The mouse in the program's chart windows: a right click opens the program's context menu,
// whose chosen command runs from the event loop after the click; a menu of a tool-bar button
// opens under the button; the pattern popup shows its images; the idle pulse reaches the views; a
// mode chosen in the middle of a gesture frees the mouse.
#include "ShellFixture.h"

#include "document/RecordCast.h"
#include "model/AttrBlocks.h"
#include "model/ConfigBase.h"
#include "model/DataHeader.h"
#include "platform/DC.h"
#include "platform/PopupMenuRequest.h"
#include "platform/Profile.h"
#include "shell/ChartViewWindow.h"
#include "shell/LayerBar.h"
#include "shell/OwnerDrawMenu.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include "view/core/EditGesture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace tembra {
namespace {

class ChartMouseTest : public test::ShellFixture {
protected:
    ChartMouseTest() {
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", sample);
    }
    CTembraViewWnd& OpenPane() {
        EXPECT_FALSE(Start());
        doc = app->OpenDocumentFile(sample.string());
        EXPECT_NE(doc, nullptr);
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        return *window->Frame()->ActivePane();
    }
    // Picks the first enabled command of the menu that opens next (with none: closes it), from
    // the event loop once the menu is shown; the command picked is kept.
    void PickNextMenu(bool pick, int tries = 200) {
        QTimer::singleShot(10, [this, pick, tries] {
            QMenu* menu = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* m = qobject_cast<QMenu*>(w); m != nullptr && m->isVisible()) {
                    menu = m;
                }
            }
            if (menu == nullptr) {
                if (tries > 0) {
                    PickNextMenu(pick, tries - 1);
                }
                return;
            }
            opened.push_back(menu->objectName().toStdString());
            openedAt.push_back(menu->geometry().topLeft());
            for (QAction* action : menu->actions()) {
                if (pick && action->isEnabled() && action->data().toUInt() != 0) {
                    picked.push_back(action->data().toUInt());
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            menu->close();
        });
    }

    test::TempDir files;
    const std::filesystem::path sample = files.File("sample.tbr");
    CTembraDoc* doc = nullptr;
    std::vector<std::string> opened;
    std::vector<QPoint> openedAt;
    std::vector<UINT> picked;
};

TEST_F(ChartMouseTest, ARightClickOpensTheMenuAndItsCommandRunsAfterTheClick) {
    CTembraViewWnd& pane = OpenPane();
    ui.realMenus = true;
    WriteProfileString("ExecURL\\0000", "Title", "search");
    WriteProfileString("ExecURL\\0000", "URL", "https://example.org/");
    doc->GetOperation().SetMode(COperationState::kModeEvent);
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    // An event of the sample, scrolled into the window.
    CDataHeader* event = nullptr;
    for (POSITION pos = doc->GetObjList().GetHeadPosition(); pos != nullptr && event == nullptr;) {
        CDataHeader* object = doc->GetObjList().GetNext(pos);
        if (object->GetType() == kTypeEvent) {
            event = object;
        }
    }
    ASSERT_NE(event, nullptr);
    CTembraView& view = pane.View();
    CRect bounds;
    {
        std::unique_ptr<CDC> dc = pane.GetClientDC();
        view.OnPrepareDC(dc.get());
        bounds = view.GetLayout().GetObjectBounds(dc.get(), event, 1);
        dc->DPtoLP(&bounds);
    }
    view.KeepPointAt(bounds.CenterPoint(), CPoint(100, 100));
    QApplication::processEvents();
    QPoint at;
    {
        std::unique_ptr<CDC> dc = pane.GetClientDC();
        view.OnPrepareDC(dc.get());
        CPoint centre = bounds.CenterPoint();
        dc->LPtoDP(&centre);
        at = QPoint(centre.x, centre.y);
    }
    bool clickReturned = false;
    std::vector<std::pair<UINT, bool>> ran;
    app->QtUi().SetCommandHandler([&](UINT id) { ran.push_back({id, clickReturned}); });
    PickNextMenu(true);
    QTest::mouseClick(pane.viewport(), Qt::RightButton, Qt::NoModifier, at);
    clickReturned = true;
    EXPECT_EQ(opened, std::vector<std::string>{"PopupMenu143"});
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_TRUE(ran.empty());
    test::WaitUntil([&] { return !ran.empty(); });
    ASSERT_EQ(ran.size(), 1u);
    EXPECT_EQ(ran[0].first, picked[0]);
    EXPECT_TRUE(ran[0].second) << "posted, not run inside the click";

    // Closed without a choice: nothing runs.
    PickNextMenu(false);
    QTest::mouseClick(pane.viewport(), Qt::RightButton, Qt::NoModifier, at);
    test::FlushPosted();
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(ran.size(), 1u);
    doc->SetModifiedFlag(FALSE);
}

// A menu's choice still queued when the program goes (its window closed in the same turn of
// the loop) is dropped: it must not run against the program it was meant for.
TEST_F(ChartMouseTest, ACommandStillPostedWhenTheProgramGoesIsDropped) {
    OpenPane();
    doc->SetModifiedFlag(FALSE);
    app->QtUi().PostCommand(57600); // ﾌｧｲﾙ > 新規作成
    app.reset();
    test::FlushPosted();
    SUCCEED() << "nothing ran against the program that went";
}

TEST_F(ChartMouseTest, TheMenuOfAToolBarButtonOpensUnderTheButton) {
    OpenPane();
    QApplication::processEvents();
    // A button of a tool bar shown, and its command.
    QWidget* button = nullptr;
    UINT command = 0;
    for (const auto& [id, action] : Frame().Actions()) {
        for (QToolBar* bar : Frame().findChildren<QToolBar*>()) {
            QWidget* w = bar->widgetForAction(action);
            if (w != nullptr && w->isVisible() && button == nullptr) {
                button = w;
                command = id;
            }
        }
    }
    ASSERT_NE(button, nullptr);
    PopupMenuRequest request;
    request.menuId = 7;
    request.added = {{0, {}}, {33054, "search"}};
    request.anchorCommand = command;
    PickNextMenu(true);
    EXPECT_EQ(app->QtUi().RunDialog(request), IDOK);
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(request.chosen, picked[0]);
    ASSERT_EQ(openedAt.size(), 1u);
    const QPoint expected = button->mapToGlobal(button->rect().bottomLeft());
    EXPECT_LE((openedAt[0] - expected).manhattanLength(), 2) << "under the button";
}

// The line-drawing bar's drop-downs: each button's menu opens under it, and the item chosen runs
// as the attribute command it is (nothing selected: the drawing defaults).
TEST_F(ChartMouseTest, TheLineDrawingDropDownsOpenUnderTheirButtonsAndTheirChoiceRuns) {
    OpenPane();
    ui.realMenus = true;
    doc->GetOperation().SetMode(COperationState::kModeZukei);
    doc->ClearAllSelections(FALSE);
    struct Case {
        UINT button;
        UINT item;
        std::function<bool()> applied;
    };
    // Room below every bar for the menus, which Qt would lift off the screen's edge.
    Frame().move(0, 0);
    Frame().resize(760, 420);
    QCursor::setPos(100, 100);
    CZukeiAttr& defaults = doc->GetSyokiSet().GetZukei().GetAttr();
    defaults.m_type = 0;
    defaults.m_color = 0;
    const std::vector<Case> cases{
        {33009, 40003, [&] { return defaults.m_type == 1; }},
        {33011, 40012, [&] { return defaults.m_color == RGB(0, 255, 0); }},
        {33099, 33097,
         [&] { return (doc->GetSyokiSet().GetZukei().GetTextAttr().m_attrb & 512) != 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        QAction* action = Frame().Action(c.button);
        ASSERT_NE(action, nullptr);
        // The bar that holds the button is put on screen; the menu opens under the first
        // button of the command that shows.
        for (QToolBar* bar : Frame().findChildren<QToolBar*>()) {
            if (bar->widgetForAction(action) != nullptr) {
                for (QWidget* up = bar; up != nullptr && up != &Frame(); up = up->parentWidget()) {
                    up->show();
                }
            }
        }
        QApplication::processEvents();
        QWidget* button = nullptr;
        for (QToolBar* bar : Frame().findChildren<QToolBar*>()) {
            QWidget* w = bar->widgetForAction(action);
            if (w != nullptr && w->isVisible() && button == nullptr) {
                button = w;
            }
        }
        std::vector<UINT> items;
        QPoint at;
        QTimer::singleShot(30, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* menu = qobject_cast<QMenu*>(w);
                if (menu == nullptr || !menu->isVisible()) {
                    continue;
                }
                at = menu->geometry().topLeft();
                for (QAction* item : menu->actions()) {
                    items.push_back(item->data().toUInt());
                    if (item->data().toUInt() == c.item) {
                        menu->setActiveAction(item);
                    }
                }
                QTest::keyClick(menu, Qt::Key_Return);
            }
        });
        EXPECT_TRUE(action->isEnabled());
        EXPECT_FALSE(action->isChecked());
        action->trigger();
        // The choice is posted and runs from the loop.
        test::WaitUntil([&] { return !items.empty() && c.applied(); });
        EXPECT_FALSE(items.empty());
        // Where no button of the command shows, the menu opens at the pointer.
        const QPoint expected =
            button != nullptr ? button->mapToGlobal(button->rect().bottomLeft()) : QCursor::pos();
        EXPECT_LE((at - expected).manhattanLength(), 2)
            << "under the button: " << at.x() << "," << at.y() << " for " << expected.x() << ","
            << expected.y();
        EXPECT_TRUE(c.applied());
    }
    doc->SetModifiedFlag(FALSE);
}

// The layer bar's combo reaches the document through the application's state: a layer chosen
// there becomes the layer of new objects and the term combo takes the focus back.
TEST_F(ChartMouseTest, TheLayerComboChoosesTheLayerOfNewObjects) {
    OpenPane();
    CLayerBar* bar = Frame().LayerBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(app->State().GetLayerBar(), bar);
    doc->GetOperation().SetMode(COperationState::kModeKoutei);
    doc->ClearAllSelections(FALSE);
    QComboBox* combo = bar->LayerCombo();
    combo->setCurrentIndex(7);
    emit combo->activated(7);
    EXPECT_EQ(doc->GetCurrentLayer(), 7);
    doc->SetCurrentLayer(2);
    app->UpdateCommandStates();
    EXPECT_EQ(combo->currentIndex(), 2) << "the combo shows the current layer";
}

TEST_F(ChartMouseTest, AMenuIdWithoutEntriesOpensNothing) {
    OpenPane();
    PopupMenuRequest request;
    request.menuId = 150;
    EXPECT_EQ(app->QtUi().RunDialog(request), IDCANCEL);
    EXPECT_EQ(request.chosen, 0u);
}

TEST_F(ChartMouseTest, ThePatternPopupShowsItsNineImagesAndItsChoiceFillsTheProcess) {
    OpenPane();
    ui.realMenus = true;
    doc->GetOperation().SetMode(COperationState::kModeKoutei);
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    CKoutei* process = nullptr;
    for (POSITION pos = doc->GetObjList().GetHeadPosition(); pos != nullptr && !process;) {
        process = AsKoutei(doc->GetObjList().GetNext(pos));
    }
    ASSERT_NE(process, nullptr);
    process->Select();
    doc->SelectAt(doc->FindObj(process));

    constexpr UINT kSolid = 32856; // "3. べた"
    std::vector<UINT> ids;
    std::vector<QImage> images;
    std::function<void(int)> capture = [&](int tries) {
        QTimer::singleShot(10, [&, tries] {
            QMenu* menu = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* m = qobject_cast<QMenu*>(w); m != nullptr && m->isVisible()) {
                    menu = m;
                }
            }
            if (menu == nullptr) {
                if (tries > 0) {
                    capture(tries - 1);
                }
                return;
            }
            for (QAction* action : menu->actions()) {
                ids.push_back(action->data().toUInt());
                images.push_back(action->icon().pixmap(32, 16).toImage());
                if (ids.back() == kSolid) {
                    menu->setActiveAction(action);
                }
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
    };
    capture(200);
    EXPECT_TRUE(app->Router().Execute(33022));
    // The chosen entry is posted, then runs.
    test::WaitUntil([&] {
        const CKoutei* koutei = AsKoutei(doc->GetSelAt(doc->GetHeadSelPosition()));
        return koutei != nullptr && koutei->GetLines()->GetAttr().m_hatch == 99;
    });

    EXPECT_EQ(ids,
              (std::vector<UINT>{32858, 32860, 32856, 32852, 32853, 32854, 32855, 32857, 32859}));
    // Each image differs from the others: every pattern shows as what it is.
    ASSERT_EQ(images.size(), 9u);
    for (std::size_t i = 0; i < images.size(); ++i) {
        EXPECT_FALSE(images[i].isNull()) << ids[i];
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_NE(images[i], images[j]) << ids[i] << " " << ids[j];
        }
    }
    // Inside the frame: "べた" black, "白抜き" white, "なし" the ground of the image.
    EXPECT_EQ(images[2].pixelColor(16, 8), QColor(Qt::black));
    EXPECT_EQ(images[1].pixelColor(16, 8), QColor(Qt::white));
    EXPECT_NE(images[0].pixelColor(16, 8), QColor(Qt::white));
    const CKoutei* filled = AsKoutei(doc->GetSelAt(doc->GetHeadSelPosition()));
    ASSERT_NE(filled, nullptr);
    EXPECT_EQ(filled->GetLines()->GetAttr().m_hatch, 99);
    doc->SetModifiedFlag(FALSE);
}

// A gesture of the test's own that holds the mouse from the press until it ends.
class HoldGesture : public CEditGesture {
public:
    using CEditGesture::CEditGesture;
    int dropped = 0;

protected:
    WORD Pick(CDC*) override { return kFirstPlacing; }
    void DrawFeedback(CDC*) override {}
    void Commit(CDC*) override {}
    void Discard() override { ++dropped; }
};

TEST_F(ChartMouseTest, AModeChosenMidGestureFreesTheMouse) {
    CTembraViewWnd& pane = OpenPane();
    CTembraView& view = pane.View();
    HoldGesture gesture(view);
    view.SetEditFunction(CTembraView::EditSlot::ZukeiDraw,
                         [&gesture](CDC* dc) { return gesture.Run(dc); });
    doc->GetOperation().SetMode(COperationState::kModeZukei);
    doc->GetOperation().SetOperation(COperationState::kOpDraw);
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::NoModifier,
                      pane.viewport()->rect().center());
    ASSERT_TRUE(pane.HasCapture());
    ASSERT_EQ(doc->GetOperation().GetState(), CEditGesture::kFirstPlacing);
    // F6.
    doc->GetOperation().SetMode(COperationState::kModeYogo);
    EXPECT_FALSE(pane.HasCapture());
    EXPECT_FALSE(pane.IsAutoScrolling());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(gesture.dropped, 1);
    EXPECT_EQ(doc->GetOperation().GetState(), 0);
}

TEST_F(ChartMouseTest, TheIdlePulseEndsTheCrossHairOffTheView) {
    CTembraViewWnd& pane = OpenPane();
    app->Config().SetSystemWord(CConfigBase::kSysCrossCursor, 1);
    const QPoint centre = pane.viewport()->rect().center();
    QCursor::setPos(pane.viewport()->mapToGlobal(centre));
    QTest::mouseMove(pane.viewport(), centre);
    ASSERT_TRUE(pane.View().IsCrossShown());
    QCursor::setPos(QPoint(-500, -500));
    app->OnIdle();
    EXPECT_FALSE(pane.View().IsCrossShown());
}

} // namespace
} // namespace tembra

namespace tembra {
namespace {

TEST_F(ChartMouseTest, ABoxOrAMenuBorrowsTheMouseAWindowHolds) {
    CTembraViewWnd& pane = OpenPane();
    struct Case {
        const char* what;
        std::function<void()> open;
    };
    PopupMenuRequest menu;
    menu.menuId = 7;
    const Case cases[] = {
        {"a message box", [this] { app->QtUi().MessageBox("?", MB_OK, 0); }},
        {"a context menu", [this, &menu] { app->QtUi().RunDialog(menu); }},
    };
    for (const Case& c : cases) {
        pane.SetCapture();
        ASSERT_EQ(QWidget::mouseGrabber(), pane.viewport()) << c.what;
        std::optional<QWidget*> grabberWhileOpen;
        QTimer::singleShot(50, [&grabberWhileOpen] {
            grabberWhileOpen = QWidget::mouseGrabber();
            if (QWidget* box = QApplication::activeModalWidget()) {
                box->close();
            } else if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
        });
        c.open();
        ASSERT_TRUE(grabberWhileOpen.has_value()) << c.what;
        EXPECT_NE(*grabberWhileOpen, pane.viewport()) << c.what;
        EXPECT_EQ(QWidget::mouseGrabber(), pane.viewport()) << c.what << ": taken back";
        pane.ReleaseCapture();
    }
}

} // namespace
} // namespace tembra
