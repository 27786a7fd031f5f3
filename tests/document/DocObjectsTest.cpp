// The object lists of the document: deleting unselected objects and shapes with undo that puts
// them back where they stood, the lookups in the application's clipboard, and dropping every
// selection at once.
#include "DocTestSupport.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "shapes/ZukeiBox.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::RecordingView;
using test::ScopedAppState;

class DocObjectsTest : public testing::Test {
protected:
    DocObjectsTest() { doc.AddView(&view); }

    // An unselected event (or a process for odd numbers) named by its row.
    CDataHeader* AddObject(int row) {
        CDataHeader* object = nullptr;
        if (row % 2 == 0) {
            auto* event = new CEvent;
            event->SetStartRow(static_cast<WORD>(row));
            object = event;
        } else {
            auto* process = new CKoutei;
            process->SetStartRow(static_cast<WORD>(row));
            object = process;
        }
        doc.GetObjList().AddTail(object);
        return object;
    }
    static int RowOf(const CDataHeader* object) {
        if (const auto* event = dynamic_cast<const CEvent*>(object)) {
            return event->GetStartRow();
        }
        return static_cast<const CKoutei*>(object)->GetStartRow();
    }
    std::vector<int> ObjectRows() const {
        std::vector<int> rows;
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            rows.push_back(RowOf(doc.GetNextObj(pos)));
        }
        return rows;
    }
    // A shape that carries its first place in its page row.
    CZukeiBox* AddShape() {
        auto* shape = new CZukeiBox;
        shape->SetPageRow(static_cast<WORD>(doc.GetZukeiCount()));
        doc.GetZukeiList().AddTail(shape);
        return shape;
    }
    std::vector<int> ShapeOrder() {
        std::vector<int> order;
        for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
            order.push_back(doc.GetShapes().GetNextZukei(pos)->GetPageRow());
        }
        return order;
    }

    ScopedAppState app;
    test::ScopedUi ui;
    RecordingView view;
    CTembraDoc doc;
};

TEST_F(DocObjectsTest, DeletingAnUnselectedObjectIsUndoneInItsPlace) {
    for (int row = 0; row < 4; ++row) {
        AddObject(row);
    }
    EXPECT_EQ(doc.DeleteObjAt(nullptr), 0);
    EXPECT_FALSE(doc.IsModified());

    const POSITION second = doc.GetObjList().FindIndex(1);
    CDataHeader* gone = doc.GetObjAt(second);
    ASSERT_EQ(doc.DeleteObjAt(second), 1);
    EXPECT_EQ(ObjectRows(), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(view.CountFor(gone), 1) << "redrawn where it was";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetChangedFlag());

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(ObjectRows(), (std::vector<int>{0, 1, 2, 3}));
    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    EXPECT_EQ(ObjectRows(), (std::vector<int>{0, 2, 3}));
}

TEST_F(DocObjectsTest, DeletingAllObjectsIsOneUndoThatKeepsTheOrder) {
    for (int row = 0; row < 5; ++row) {
        AddObject(row);
    }
    doc.GetUndoHistory().Reset();
    doc.DeleteAllObjects();
    EXPECT_EQ(doc.GetObjCount(), 0);
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 5u);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(ObjectRows(), (std::vector<int>{0, 1, 2, 3, 4}));
}

// The drawing order is what a shape's place means: the back one stays behind, the front one in
// front, whichever of them was deleted.
TEST_F(DocObjectsTest, UndoingAShapeDeletionKeepsTheDrawingOrder) {
    for (int i = 0; i < 3; ++i) {
        AddShape();
    }
    for (int deleted = 0; deleted < 3; ++deleted) {
        doc.GetUndoHistory().Reset();
        doc.DeleteZukei(doc.GetZukeiList().GetAt(doc.GetZukeiList().FindIndex(deleted)));
        ASSERT_EQ(doc.GetZukeiCount(), 2) << deleted;
        ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
        EXPECT_EQ(ShapeOrder(), (std::vector<int>{0, 1, 2})) << "deleted " << deleted;
        ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
        ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
        EXPECT_EQ(ShapeOrder(), (std::vector<int>{0, 1, 2})) << "again, deleted " << deleted;
    }
}

TEST_F(DocObjectsTest, ProcessesAreFoundInTheClipboardByTheirNumbers) {
    OwnedObList<CDataHeader>& clipboard = app->GetObjectClipboard();
    auto* event = new CEvent;
    clipboard.AddTail(event);
    auto* process = new CKoutei;
    process->SetSeqNumber(1, 10);
    process->SetStartLandNo(1, 20);
    process->SetEndLandNo(1, 30);
    clipboard.AddTail(process);
    auto* other = new CKoutei;
    other->SetSeqNumber(1, 20);
    clipboard.AddTail(other);

    EXPECT_EQ(CTembraDoc::GetClipboardCount(), 3);
    EXPECT_EQ(CTembraDoc::FindClipKouteiByNumber(CObSeqNumber(1, 10), 0), process);
    EXPECT_EQ(CTembraDoc::FindClipKouteiByNumber(CObSeqNumber(1, 20), 0), other);
    EXPECT_EQ(CTembraDoc::FindClipKouteiByNumber(CObSeqNumber(1, 20), 1), process);
    EXPECT_EQ(CTembraDoc::FindClipKouteiByNumber(CObSeqNumber(1, 30), 2), process);
    EXPECT_EQ(CTembraDoc::FindClipKouteiByNumber(CObSeqNumber(1, 30), 1), nullptr);
    EXPECT_EQ(CTembraDoc::FindClipKouteiByNumber(CObSeqNumber(), 0), nullptr) << "no number";
    // The document's own lists are not the clipboard.
    EXPECT_EQ(doc.FindKouteiByNumber(CObSeqNumber(1, 10), 0), nullptr);
}

TEST_F(DocObjectsTest, ClearingAllSelectionsDropsEveryKind) {
    doc.GetKoumoku()->SetLevelCount(2);
    CDataHeader* object = AddObject(1);
    doc.SelectAt(doc.FindObj(object));
    CZukeiBox* shape = AddShape();
    shape->Select();
    doc.AddSel(shape);
    CKoumokuData* empty = doc.GetKoumokuCells().CreateKoumokuData(3, 1);
    empty->SetSelected(1);
    CKoumokuData* filled = doc.GetKoumokuCells().CreateKoumokuData(4, 1);
    filled->SetText("x");
    filled->SetSelected(1);
    doc.GetSelectedDateRange()->SetStartDate(Day(2005, 6, 1));
    doc.GetSelectedDateRange()->SetEndDate(Day(2005, 6, 5));

    doc.ClearAllSelections(FALSE);
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(object->IsSelected(), 0);
    EXPECT_EQ(doc.FindObj(object) != nullptr, true);
    EXPECT_EQ(shape->IsSelected(), 0);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(3, 1), nullptr)
        << "an empty cell goes with its selection";
    ASSERT_EQ(doc.GetKoumokuCells().GetKoumokuCell(4, 1), filled);
    EXPECT_EQ(filled->IsSelected(), 0);
    EXPECT_FALSE(doc.HasColumnRange());
    EXPECT_EQ(doc.GetSelectedDateRange()->GetStartDateValue(), 0u);
    EXPECT_EQ(doc.GetEmbeddedItems().GetCurrentCntrItem(), nullptr);
}

TEST_F(DocObjectsTest, ClearingAllSelectionsEndsAShapeDeformationOutsideTheShapeMode) {
    struct Case {
        LONG mode;
        LONG operation;
        LONG after;
    };
    const Case cases[] = {
        {COperationState::kModeKoutei, COperationState::kOpDeformApply, COperationState::kOpEdit},
        {COperationState::kModeKoutei, COperationState::kOpDeformPick, COperationState::kOpEdit},
        {COperationState::kModeZukei, COperationState::kOpDeformApply,
         COperationState::kOpDeformApply},
        {COperationState::kModeKoutei, COperationState::kOpMove, COperationState::kOpMove},
    };
    for (const Case& c : cases) {
        doc.GetOperation().SetMode(c.mode);
        doc.GetOperation().SetOperation(c.operation);
        doc.ClearAllSelections(FALSE);
        EXPECT_EQ(doc.GetOperation().GetOperation(), c.after) << c.mode << " " << c.operation;
    }
}

} // namespace
} // namespace tembra
