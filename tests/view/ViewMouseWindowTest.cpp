// The mouse in a chart window on the screen: Qt's events become the view's mouse messages with
// their codes and key bits, an event the view does not take goes on to the window behind it, a
// drag held outside the window moves again on each tick of the window's timer while the capture
// is held, and the cross-hair inverted twice leaves the picture as it was.
#include "ViewWindowFixture.h"

#include "model/ConfigBase.h"
#include "platform/DC.h"
#include "support/qt/WaitUntil.h"
#include "view/ModeCursors.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace tembra {
namespace {

class ViewMouseWindowTest : public test::ViewWindowFixture {
protected:
    // Sends a mouse event of the type with the button that changed, the buttons held after it
    // and the keys to the pane's client area.
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers keys, const QPoint& at = QPoint(400, 300)) {
        QWidget* port = Pane().viewport();
        QMouseEvent event(type, at, port->mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(port, &event);
    }
};

// Notes the mouse events that reach a widget.
class MouseSpy : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove) {
            ++seen;
        }
        return false;
    }
    int seen = 0;
};

TEST_F(ViewMouseWindowTest, QtsEventsBecomeTheViewsCodesAndKeyBits) {
    struct Case {
        const char* what;
        QEvent::Type type;
        Qt::MouseButton button;
        Qt::MouseButtons held;
        Qt::KeyboardModifiers keys;
        int code;
        int modifiers;
    };
    using M = CMouseEvent;
    const Case cases[] = {
        {"left press", QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier,
         M::kLeftPress, 0},
        {"left press, right held, Shift", QEvent::MouseButtonPress, Qt::LeftButton,
         Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier, M::kLeftPressRightHeld, M::kShift},
        {"right press, Ctrl", QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton,
         Qt::ControlModifier, M::kRightPress, M::kCtrl},
        {"right press, left held", QEvent::MouseButtonPress, Qt::RightButton,
         Qt::LeftButton | Qt::RightButton, Qt::NoModifier, M::kRightPressLeftHeld, 0},
        {"left release, Alt", QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton,
         Qt::AltModifier, M::kLeftRelease, M::kAlt},
        {"left release, right held", QEvent::MouseButtonRelease, Qt::LeftButton, Qt::RightButton,
         Qt::NoModifier, M::kLeftReleaseRightHeld, 0},
        {"right release, all keys", QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton,
         Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, M::kRightRelease,
         M::kShift | M::kCtrl | M::kAlt},
        {"right release, left held", QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton,
         Qt::NoModifier, M::kRightReleaseLeftHeld, 0},
        {"move", QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, M::kMoveNoButton,
         0},
        {"move, both held", QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton,
         Qt::NoModifier, M::kMoveBoth, 0},
        {"double click", QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton,
         Qt::NoModifier, M::kDoubleClick, 0},
        {"left press, the middle held", QEvent::MouseButtonPress, Qt::LeftButton,
         Qt::LeftButton | Qt::MiddleButton, Qt::NoModifier, M::kNone, 0},
        {"move, the middle held", QEvent::MouseMove, Qt::NoButton, Qt::MiddleButton, Qt::NoModifier,
         M::kNone, 0},
    };
    Show(QSize(800, 600));
    // Item cells in the draw operation: nothing edits them, the view keeps only the record.
    doc->GetOperation().SetMode(COperationState::kModeKoumoku);
    doc->GetOperation().SetOperation(COperationState::kOpDraw);
    const CMouseEvent& record = Pane().View().GetMouseEvent();
    for (const Case& c : cases) {
        Send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(10, 10));
        Send(c.type, c.button, c.held, c.keys);
        EXPECT_EQ(record.GetCode(), c.code) << c.what;
        EXPECT_EQ(record.GetModifiers(), c.modifiers) << c.what;
    }
}

TEST_F(ViewMouseWindowTest, AnEventTheViewDoesNotTakeGoesOnToTheWindow) {
    Show(QSize(800, 600));
    MouseSpy spy;
    Pane().installEventFilter(&spy);
    // Item cells in the draw operation: a press is nobody's.
    doc->GetOperation().SetMode(COperationState::kModeKoumoku);
    doc->GetOperation().SetOperation(COperationState::kOpDraw);
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(spy.seen, 1);
    // The area zoom takes every event.
    Pane().View().OnCommand(40062);
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier,
         QPoint(700, 500));
    EXPECT_EQ(spy.seen, 1);
    Pane().removeEventFilter(&spy);
}

TEST_F(ViewMouseWindowTest, HeldOutsideWithTheCaptureTheMoveComesOnEachTick) {
    Show(QSize(800, 600));
    CTembraView& view = Pane().View();
    doc->GetOperation().SetMode(COperationState::kModeKoutei);
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    int moves = 0;
    view.SetEditFunction(CTembraView::EditSlot::KouteiPick, [&](CDC*) {
        if (view.GetMouseEvent().GetCode() == CMouseEvent::kMoveNoButton ||
            view.GetMouseEvent().GetCode() == CMouseEvent::kMoveLeft) {
            ++moves;
        }
        return TRUE;
    });
    // The timer's own ticks are counted, so the test waits for ticks, not for time: a busy
    // machine may fire them late but never makes one count for another.
    int ticks = 0;
    QObject::connect(&Pane().AutoScrollTimer(), &QTimer::timeout, [&] { ++ticks; });
    QWidget* port = Pane().viewport();
    QCursor::setPos(port->mapToGlobal(QPoint(900, 300)));
    Pane().SetCapture();
    Pane().SetAutoScroll(true);
    test::WaitUntil([&] { return ticks >= 3; }, 30000);
    EXPECT_GE(ticks, 3);
    EXPECT_GE(moves, ticks) << "one move each tick";
    // Inside the window the pointer's own moves do the work.
    QCursor::setPos(port->mapToGlobal(QPoint(300, 300)));
    QApplication::processEvents();
    const int inside = moves;
    const int ticksInside = ticks;
    test::WaitUntil([&] { return ticks >= ticksInside + 2; }, 30000);
    EXPECT_GE(ticks, ticksInside + 2);
    EXPECT_EQ(moves, inside);
    // Released: the next tick stops the timer and moves nothing.
    QCursor::setPos(port->mapToGlobal(QPoint(900, 300)));
    Pane().ReleaseCapture();
    QApplication::processEvents();
    const int released = moves;
    test::WaitUntil([&] { return !Pane().IsAutoScrolling(); }, 30000);
    EXPECT_EQ(moves, released);
    EXPECT_FALSE(Pane().IsAutoScrolling());
}

TEST_F(ViewMouseWindowTest, TheCrossHairInvertedTwiceLeavesThePictureAsItWas) {
    Show(QSize(800, 600));
    QApplication::processEvents();
    CTembraView& view = Pane().View();
    const QImage before = Pane().BackingImage().copy();
    CMouseEvent at;
    {
        std::unique_ptr<CDC> dc = Pane().GetClientDC();
        view.OnPrepareDC(dc.get());
        CPoint point(400, 300);
        dc->DPtoLP(&point);
        at.Set(CMouseEvent::kMove, 0, point.x, point.y);
        view.DrawCrossCursor(dc.get(), 1, at);
    }
    EXPECT_TRUE(view.IsCrossShown());
    const QImage shown = Pane().BackingImage().copy();
    EXPECT_NE(shown, before);
    // The arm across the point's row: light grey inverted into what was there.
    EXPECT_EQ(QColor(shown.pixel(600, 300)).red(), QColor(before.pixel(600, 300)).red() ^ 192);
    {
        std::unique_ptr<CDC> dc = Pane().GetClientDC();
        view.OnPrepareDC(dc.get());
        view.DrawCrossCursor(dc.get(), 0, at);
    }
    EXPECT_FALSE(view.IsCrossShown());
    EXPECT_EQ(Pane().BackingImage(), before) << "byte for byte";
}

TEST_F(ViewMouseWindowTest, DrawDragAndUndoLeaveTheChartAsDrawn) {
    Show(QSize(900, 700));
    QApplication::processEvents();
    CTembraView& view = Pane().View();
    QWidget* port = Pane().viewport();
    const CPageLayout& layout = view.GetPageLayout();
    // Two rows below everything the sample chart holds, from a day near the window's left.
    const CChartPos extent =
        doc->GetObjectsExtent(ObjectSets::Unselected | ObjectSets::Selection, FALSE);
    const int row = std::min<int>(extent.GetEndRow() + 2, layout.GetLastRow());
    const auto pixel = [&](int day) {
        std::unique_ptr<CDC> dc = Pane().GetClientDC();
        view.OnPrepareDC(dc.get());
        CPoint p = layout.DateRowToPoint(layout.GetStartDate() + CTimeSpan(day, 0, 0, 0), row);
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
    };
    const QPoint start = pixel(3);
    const QPoint end = pixel(7);
    ASSERT_TRUE(port->rect().contains(end)) << "the row lies in the window";
    doc->GetOperation().SetMode(COperationState::kModeKoutei);
    doc->GetOperation().SetOperation(COperationState::kOpDraw);
    const int before = doc->GetObjCount() + doc->GetSelCount();
    QTest::mouseClick(port, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(port, end);
    QTest::mouseClick(port, Qt::LeftButton, Qt::NoModifier, end);
    QApplication::processEvents();
    ASSERT_EQ(doc->GetObjCount() + doc->GetSelCount(), before + 1);
    const std::filesystem::path drawn = files.File("drawn.tbr");
    const std::filesystem::path undone = files.File("undone.tbr");
    ASSERT_TRUE(doc->OnSaveDocument(drawn.string()));

    // Drag it two days right in the edit operation: press on its line, move, release.
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    QApplication::processEvents();
    const QPoint on = (start + end) / 2;
    // The undo gives the process back unselected, as drawn.
    const QImage beforeDrag = Pane().BackingImage().copy();
    QTest::mouseClick(port, Qt::LeftButton, Qt::NoModifier, on);
    QApplication::processEvents();
    const QPoint shift = pixel(5) - pixel(3);
    const auto send = [&](QEvent::Type type, const QPoint& at, Qt::MouseButton button,
                          Qt::MouseButtons held) {
        QMouseEvent event(type, at, port->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(port, &event);
        QApplication::processEvents();
    };
    send(QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, on + shift, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, on + shift, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, on + shift, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(doc->GetOperation().GetState(), 0);
    EXPECT_NE(Pane().BackingImage(), beforeDrag) << "moved";
    EXPECT_FALSE(Pane().View().IsMoveFeedbackDrawn());

    view.OnEditUndo();
    QApplication::processEvents();
    EXPECT_EQ(Pane().BackingImage(), beforeDrag);

    ASSERT_TRUE(doc->OnSaveDocument(undone.string()));
    std::ifstream a(drawn, std::ios::binary);
    std::ifstream b(undone, std::ios::binary);
    const std::string bytesA((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
    const std::string bytesB((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytesA, bytesB);
}

} // namespace
} // namespace tembra

namespace tembra {
namespace {

TEST(ViewCursorShapeTest, EachCursorIdHasItsShapeAndAnUnknownOneNone) {
    struct Case {
        int id;
        std::optional<Qt::CursorShape> shape; // none: a cursor drawn by the view
        QPoint hotSpot;
    };
    const Case cases[] = {
        {IViewHost::kCursorArrow, Qt::ArrowCursor, {}},
        {IViewHost::kCursorSize, Qt::SizeAllCursor, {}},
        {IViewHost::kCursorSizeNWSE, Qt::SizeFDiagCursor, {}},
        {IViewHost::kCursorSizeNESW, Qt::SizeBDiagCursor, {}},
        {IViewHost::kCursorSizeWE, Qt::SizeHorCursor, {}},
        {IViewHost::kCursorSizeNS, Qt::SizeVerCursor, {}},
        {IViewHost::kCursorAreaZoom, Qt::CrossCursor, {}},
        {1193, std::nullopt, {0, 0}}, // edit: an arrow
        {1501, std::nullopt, {8, 8}}, // draw: a cross
        {1669, std::nullopt, {0, 0}},
        {228, std::nullopt, {0, 0}},
        {272, std::nullopt, {0, 0}},
    };
    for (const Case& c : cases) {
        const std::optional<QCursor> cursor = ViewCursor(c.id);
        ASSERT_TRUE(cursor.has_value()) << c.id;
        if (c.shape) {
            EXPECT_EQ(cursor->shape(), *c.shape) << c.id;
        } else {
            EXPECT_EQ(cursor->shape(), Qt::BitmapCursor) << c.id;
            EXPECT_FALSE(cursor->pixmap().isNull()) << c.id;
            EXPECT_EQ(cursor->hotSpot(), c.hotSpot) << c.id;
        }
    }
    for (const int unknown : {1, 1174, 1199, 40000}) {
        EXPECT_FALSE(ViewCursor(unknown).has_value()) << unknown;
    }
}

} // namespace
} // namespace tembra
