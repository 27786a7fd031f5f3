// Clicks and keys of the process mode and the bars in the running program: a process's menu opens
// wherever a left click would pick the process and a right click beside everything keeps the
// selection; a process started on a line and ended on its row is refused while one started on a
// node continues the chain, as the drawing's guide says; the term box takes the focus after a
// drawing and a pick makes its text no longer typed; in the item bar Enter stores the name and
// the editing keys work on the field's text.
#include "ChartGestureFixture.h"

#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "platform/PopupMenuRequest.h"
#include "platform/Sjis.h"
#include "shell/YogoBar.h"
#include "support/qt/WaitUntil.h"

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::kDrawOperation;
using test::kEditOperation;
using test::kElbowLine;

constexpr UINT kEventMode = 32926; // ﾓｰﾄﾞ > 行　事

class ChartClicksTest : public test::ChartGestureFixture {
protected:
    void RightClick(const QPoint& at) {
        Send(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        Send(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    }
    QComboBox* Combo() { return Frame().YogoBar()->YogoCombo(); }
    bool ComboFocused() {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && (focus == Combo() || focus == Combo()->lineEdit());
    }
    // The middle of the chart's one event, scrolled into the window.
    QPoint EventMiddle() {
        const CDataHeader* event = nullptr;
        for (const auto* list : {&doc->GetObjList(), &doc->GetSelList()}) {
            for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                const CDataHeader* object = list->GetNext(pos);
                if (object->GetType() == kTypeEvent) {
                    event = object;
                }
            }
        }
        EXPECT_NE(event, nullptr);
        CRect bounds;
        {
            std::unique_ptr<CDC> dc = pane->GetClientDC();
            View().OnPrepareDC(dc.get());
            bounds = View().GetPageLayout().GetObjectBounds(dc.get(), event, 1);
            dc->DPtoLP(&bounds);
        }
        View().KeepPointAt(bounds.CenterPoint(), CPoint(300, 300));
        QApplication::processEvents();
        return Device(bounds.CenterPoint());
    }
    void Activate() {
        Frame().activateWindow();
        test::WaitUntil([this] { return Frame().isActiveWindow(); });
        ASSERT_TRUE(Frame().isActiveWindow());
    }
};

TEST_F(ChartClicksTest, AProcessMenuOpensWhereALeftClickPicksAndAClickOnNothingKeepsTheSelection) {
    Open();
    Draw("A", 3, Day(4, 5), Day(4, 26));
    std::vector<UINT> menus;
    ui.OnDialog("PopupMenu", [&menus](DialogRequest& request) {
        menus.push_back(static_cast<PopupMenuRequest&>(request).menuId);
        return IDCANCEL;
    });
    Command(kEditOperation);
    const QPoint line = LineMiddle(*Find("A"));
    const int rowHeight = std::abs(At(Day(4, 12), 4, false).y() - At(Day(4, 12), 3, false).y());
    struct MenuCase {
        const char* where;
        QPoint at;
        bool menu; // the menu of selected process lines (135)
    };
    const MenuCase cases[] = {
        {"on the line", line, true},
        {"a pixel above it", line + QPoint(0, -1), true},
        {"two pixels below it", line + QPoint(0, 2), true},
        {"near the top of its row", line + QPoint(0, -rowHeight / 2 + 2), true},
        {"two pixels beside its end node", At(Day(4, 26), 3, true) + QPoint(2, 0), true},
        {"in the empty row below", line + QPoint(0, rowHeight), false},
        {"far beside it on its row", At(Day(6, 20), 3, false), false},
    };
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(c.where);
        // A left click there picks the process exactly where the menu is the process's.
        doc->UnselectAll();
        Click(c.at);
        EXPECT_EQ(doc->GetSelCount(), c.menu ? 1 : 0) << "a left click there";
        if (!c.menu) {
            RightClick(c.at); // the band a click on nothing begins
        }
        doc->UnselectAll();
        Click(line);
        ASSERT_EQ(doc->GetSelCount(), 1);

        menus.clear();
        RightClick(c.at);

        const bool processMenu = !menus.empty() && menus.back() == 135;
        EXPECT_EQ(processMenu, c.menu);
        EXPECT_EQ(doc->GetSelCount(), 1) << "the selection stays";
        EXPECT_EQ(doc->GetOperation().GetOperation(), COperationState::kOpEdit);
    }
    doc->UnselectAll();
}

TEST_F(ChartClicksTest, AProcessStartedOnALineMayNotEndOnItsRowOneStartedOnANodeContinuesTheChain) {
    Open();
    Command(kElbowLine);
    Draw("A", 3, Day(4, 5), Day(4, 19));
    Command(kDrawOperation);
    EXPECT_EQ(ui.LastStatusUtf8(),
              "開始点、または項目欄で左クリック（既存工程の終点ノードで開始すると連結）");
    struct DrawCase {
        const char* start;
        bool onLine; // else on A's end node, or (empty) on an empty day
        bool onNode;
        int endRow;
        bool added;
    };
    const DrawCase cases[] = {
        {"on A's line, ending on its row", true, false, 3, false},
        {"on A's line, ending a row below", true, false, 4, true},
        {"on A's end node, ending later on its row", false, true, 3, true},
        {"on an empty day, ending on its row", false, false, 6, true},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.start);
        Command(kDrawOperation);
        ScrollTo(Day(4, 5), 3);
        const QPoint start = c.onLine   ? At(Day(4, 12), 3, false)
                             : c.onNode ? At(Day(4, 19), 3, true)
                                        : At(Day(5, 10), c.endRow, false);
        const QPoint end = At(Day(5, 24), c.endRow, false);
        const int before = doc->GetObjCount() + doc->GetSelCount();
        const std::size_t beeps = ui.Beeps().size();
        Click(start);
        Move(end);
        Click(end);
        EXPECT_EQ(doc->GetObjCount() + doc->GetSelCount(), before + (c.added ? 1 : 0));
        if (!c.added) {
            EXPECT_EQ(ui.Beeps().size(), beeps + 1);
            EXPECT_EQ(doc->GetOperation().GetState(), 4) << "still placing the end";
            RightClick(end);
            EXPECT_EQ(doc->GetOperation().GetState(), 0);
            continue;
        }
        const CKoutei* added = nullptr;
        for (POSITION pos = doc->GetObjList().GetHeadPosition(); pos != nullptr;) {
            const CKoutei* process = AsKoutei(doc->GetObjList().GetNext(pos));
            if (process != nullptr && !Known(*process)) {
                added = process;
            }
        }
        ASSERT_NE(added, nullptr);
        numbers[c.start] = test::Key(*added);
        if (c.onNode) {
            // On A's end node: the chain goes on from it.
            EXPECT_EQ(added->GetStartTime(), Find("A")->GetEndTime());
            EXPECT_EQ(added->GetStartRow(), Find("A")->GetEndRow());
        }
        EXPECT_EQ(added->GetEndRow(), c.endRow);
        const bool marked = (added->GetStartLand()->GetSubStyle() & 0x80) != 0;
        EXPECT_EQ(marked, c.onLine) << "a start on a line is a link to it";
    }
}

TEST_F(ChartClicksTest, TheTermBoxHasTheFocusAfterADrawingAndAPickMakesItsTextNotTyped) {
    Open();
    Activate();
    Combo()->setEditText(QString::fromUtf8("old"));
    pane->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    Draw("A", 3, Day(4, 5), Day(4, 26));
    test::WaitUntil([this] { return ComboFocused(); });
    ASSERT_TRUE(ComboFocused());
    EXPECT_EQ(Combo()->lineEdit()->selectedText(), QString::fromUtf8("old"));

    std::unique_ptr<CEvent> note = doc->GetEvents().CreateEvent();
    note->SetText(Sjis::FromUtf8("上棟"));
    note->SetStartDate(Day(5, 10));
    note->SetStartRow(6);
    doc->AddObj(note.release(), TRUE);

    struct PickCase {
        const char* what;
        UINT mode;
        std::function<QPoint()> at;
    };
    const PickCase cases[] = {
        {"a process", test::kProcessMode, [this] { return LineMiddle(*Find("A")); }},
        {"an event", kEventMode, [this] { return EventMiddle(); }},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.what);
        Command(c.mode);
        Command(kEditOperation);
        doc->UnselectAll();
        // Typed into the box: its text is the user's.
        Combo()->lineEdit()->setFocus();
        QTest::keyClicks(Combo()->lineEdit(), "typed");
        ASSERT_TRUE(Combo()->lineEdit()->isModified());
        Click(c.at());
        EXPECT_EQ(doc->GetSelCount(), 1) << "the click took it";
        EXPECT_FALSE(Combo()->lineEdit()->isModified());
    }
}

TEST_F(ChartClicksTest, InTheItemBarEnterStoresTheNameAndTheEditingKeysWorkOnTheText) {
    Open();
    Activate();
    // A click on an item cell in the draw operation starts its name in the item bar.
    Command(kDrawOperation);
    const CPageLayout& layout = View().GetPageLayout();
    const CRect items = layout.GetKoumokuRect();
    View().KeepPointAt(CPoint(items.left + 10, layout.RowToY(2, 0)), CPoint(40, 300));
    QApplication::processEvents();
    Click(Device(CPoint((items.left + items.right) / 2, layout.RowToY(2, 0))));
    ASSERT_EQ(doc->GetOperation().GetMode(), COperationState::kModeKoumoku);
    QLineEdit* field = Combo()->lineEdit();
    test::WaitUntil([this] { return ComboFocused(); });
    ASSERT_TRUE(ComboFocused());
    field->selectAll();
    QInputMethodEvent typed;
    typed.setCommitString(QString::fromUtf8("基礎工事"));
    QApplication::sendEvent(field, &typed);
    QTest::keyClick(field, Qt::Key_Return);
    QApplication::processEvents();
    const CKoumokuData* cell = doc->GetKoumokuCells().GetKoumokuCell(2, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(Sjis::ToUtf8(cell->GetText()), "基礎工事");

    // The editing keys on the field's own text; the chart's objects stay as they are.
    struct KeyCase {
        const char* what;
        Qt::Key key;
        int selectFrom; // the selection before the key: from here to the end (-1: none)
        const char* clipboardBefore;
        const char* text;
        const char* clipboardAfter;
    };
    const KeyCase cases[] = {
        {"Ctrl+A selects all, a key replaces it", Qt::Key_A, -1, "", "x", ""},
        {"Ctrl+C copies", Qt::Key_C, 3, "", "abcdef", "def"},
        {"Ctrl+X cuts", Qt::Key_X, 3, "", "abc", "def"},
        {"Ctrl+V pastes at the cursor", Qt::Key_V, -1, "12", "abcdef12", "12"},
    };
    const int objects = doc->GetObjCount() + doc->GetSelCount();
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        QApplication::clipboard()->setText(QString::fromUtf8(c.clipboardBefore));
        field->setFocus();
        field->setText("abcdef");
        field->end(false);
        if (c.selectFrom >= 0) {
            field->setSelection(c.selectFrom, 6 - c.selectFrom);
        }
        QTest::keyClick(field, c.key, Qt::ControlModifier);
        if (c.key == Qt::Key_A) {
            QTest::keyClicks(field, "x");
        }
        EXPECT_EQ(field->text().toStdString(), c.text);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clipboardAfter);
    }
    EXPECT_EQ(doc->GetObjCount() + doc->GetSelCount(), objects);
}

} // namespace
} // namespace tembra
