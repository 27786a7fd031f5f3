// A process joined to two others by relation lines, dragged with the mouse in a chart window: as
// the drag ends, the lines into it and out of it are drawn again to its new place, and one undo
// takes the drag and the lines back.
#include "ViewWindowFixture.h"

#include "model/Koutei.h"
#include "model/OperationState.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>
#include <memory>

namespace tembra {
namespace {

class RelationDragWindowTest : public test::ViewWindowFixture {
protected:
    CKoutei* AddProcess(int startDay, int endDay, int row) {
        CChartPos pos;
        pos.SetStartDate(Day(startDay));
        pos.SetEndDate(Day(endDay));
        pos.SetStartRow(static_cast<WORD>(row));
        pos.SetEndRow(static_cast<WORD>(row));
        std::unique_ptr<CKoutei> process = doc->CreateKoutei(&pos, TRUE);
        // Calendar days: the drag moves plain days, and a line's spare days are its days.
        process->GetLines()->GetAttr().m_holiday = 0;
        CKoutei* raw = process.get();
        doc->AddObj(process.release(), FALSE);
        return raw;
    }
    // A relation line from the end of one to the start of the other, drawn somewhere else.
    CObSeqNumber AddRelation(const CKoutei& from, const CKoutei& to) {
        CKoutei* line = AddProcess(0, 1, from.GetEndRow());
        line->SetRelationLine(1);
        line->SetStartLandNo(from.GetSeqNumber().GetHigh(), from.GetSeqNumber().GetLow());
        line->SetEndLandNo(to.GetSeqNumber().GetHigh(), to.GetSeqNumber().GetLow());
        return line->GetSeqNumber();
    }
    CTime Day(int day) const { return doc->GetSyokiSet().GetStartDate() + CTimeSpan(day, 0, 0, 0); }
    const CKoutei* Find(const CObSeqNumber& number) const {
        const CKoutei* found = doc->FindKouteiByNumber(number, 0);
        return found != nullptr ? found : doc->FindSelKouteiByNumber(number, 0);
    }
    QPoint Pixel(int day, int row) {
        CTembraView& view = Pane().View();
        std::unique_ptr<CDC> dc = Pane().GetClientDC();
        view.OnPrepareDC(dc.get());
        CPoint p = view.GetPageLayout().DateRowToPoint(Day(day), row);
        dc->LPtoDP(&p);
        return QPoint(p.x, p.y);
    }
    void Send(QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* port = Pane().viewport();
        QMouseEvent event(type, at, port->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(port, &event);
        QApplication::processEvents();
    }
};

TEST_F(RelationDragWindowTest, TheLinesOfADraggedProcessFollowItAndOneUndoTakesAllBack) {
    // Three rows below everything the sample chart holds.
    const int row =
        doc->GetObjectsExtent(ObjectSets::Unselected | ObjectSets::Selection, FALSE).GetEndRow() +
        2;
    const CKoutei* a = AddProcess(3, 5, row);
    const CKoutei* b = AddProcess(8, 10, row + 1);
    const CKoutei* c = AddProcess(16, 18, row + 2);
    const CObSeqNumber intoB = AddRelation(*a, *b);
    const CObSeqNumber outOfB = AddRelation(*b, *c);
    const CObSeqNumber numberB = b->GetSeqNumber();
    doc->GetKouteiChains().PropagateKankei();
    ASSERT_EQ(Find(intoB)->GetEndTime(), Day(8));
    ASSERT_EQ(Find(outOfB)->GetStartTime(), Day(10));
    doc->GetUndoHistory().Reset();

    Show(QSize(900, 700));
    QApplication::processEvents();
    QWidget* port = Pane().viewport();
    ASSERT_LE(row + 2, Pane().View().GetPageLayout().GetLastRow());
    ASSERT_TRUE(port->rect().contains(Pixel(18, row + 2))) << "the rows lie in the window";
    doc->GetOperation().SetMode(COperationState::kModeKoutei);
    doc->GetOperation().SetOperation(COperationState::kOpEdit);
    QApplication::processEvents();

    // B, picked on its line inside its second day and clear of its nodes, dragged three days
    // later. (A day's first pixel can belong to the day before: the pointer's day is the day
    // whose cell it is in.)
    const QPoint on = Pixel(9, row + 1) + QPoint(2, 0);
    QTest::mouseClick(port, Qt::LeftButton, Qt::NoModifier, on);
    QApplication::processEvents();
    ASSERT_EQ(doc->GetSelCount(), 1);
    // Measured where the drag happens: the chart's scale need not give every day one width.
    const QPoint shift = Pixel(12, row + 1) - Pixel(9, row + 1);
    Send(QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, on + shift, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseMove, on + shift, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, on + shift, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(doc->GetOperation().GetState(), 0);

    EXPECT_EQ(Find(numberB)->GetStartTime(), Day(11));
    EXPECT_EQ(Find(numberB)->GetEndTime(), Day(13));
    EXPECT_EQ(Find(intoB)->GetStartTime(), Day(5));
    EXPECT_EQ(Find(intoB)->GetEndTime(), Day(11));
    EXPECT_EQ(Find(outOfB)->GetStartTime(), Day(13));
    EXPECT_EQ(Find(outOfB)->GetStartRow(), row + 1);
    EXPECT_EQ(Find(outOfB)->GetEndTime(), Day(16));
    EXPECT_EQ(Find(outOfB)->GetSpareDays(), CTimeSpan(3, 0, 0, 0));

    Pane().View().OnEditUndo();
    QApplication::processEvents();
    // The drag put copies in the place of B as it went: B is found again by its number.
    ASSERT_NE(Find(numberB), nullptr);
    EXPECT_EQ(Find(numberB)->GetStartTime(), Day(8));
    EXPECT_EQ(Find(numberB)->GetEndTime(), Day(10));
    EXPECT_EQ(Find(intoB)->GetEndTime(), Day(8));
    EXPECT_EQ(Find(outOfB)->GetStartTime(), Day(10));
    EXPECT_EQ(Find(outOfB)->GetSpareDays(), CTimeSpan(6, 0, 0, 0));
}

} // namespace
} // namespace tembra
