// No embedded object is ever made on this system: the object mode's clicks hit nothing and change
// nothing, and the view answers none of the container commands, so that they stay disabled.
#include "ViewMouseFixture.h"

#include "model/ConfigOperation.h"

namespace tembra {
namespace {

class ObjectModeTest : public test::ViewMouseFixture {};

TEST_F(ObjectModeTest, ClicksInTheObjectModeHitNothingAndChangeNothing) {
    CKoutei* process = AddProcess(3, 6, 2);
    // Day 4 of row 2, on the process's line.
    const CPoint onProcess(500 + 100 * 3, -125 - 50 * 2);
    for (const LONG operation : {Op::kOpDraw, Op::kOpEdit}) {
        SCOPED_TRACE(operation);
        SetState(Op::kModeObject, operation);
        doc.SetModifiedFlag(FALSE);
        At(CMouseEvent::kLeftDown, MK_LBUTTON, onProcess);
        At(CMouseEvent::kMove, MK_LBUTTON, onProcess + CPoint(200, -100));
        At(CMouseEvent::kLeftUp, 0, onProcess + CPoint(200, -100));
        At(CMouseEvent::kLeftDoubleClick, MK_LBUTTON, onProcess);
        EXPECT_EQ(doc.GetSelCount(), 0);
        EXPECT_EQ(process->IsSelected(), 0);
        EXPECT_EQ(process->GetStartTime(), test::April(3));
        EXPECT_EQ(process->GetStartRow(), 2);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.GetOperation().GetState(), 0);
        EXPECT_EQ(Mode(), Op::kModeObject);
        EXPECT_FALSE(host.HasCapture());
    }
}

TEST_F(ObjectModeTest, TheViewAnswersNoContainerCommand) {
    // Paste object, paste link, paste special, insert object, end in-place editing, show as
    // content, as an icon, size reset.
    for (const UINT id : {32939u, 57638u, 57639u, 57856u, 32780u, 32936u, 32935u, 32937u}) {
        SCOPED_TRACE(id);
        CCmdUI cmdUI(id);
        EXPECT_FALSE(View().OnUpdateCommand(cmdUI));
        EXPECT_FALSE(View().OnCommand(id));
    }
}

} // namespace
} // namespace tembra
