// The hatchings of the document: clipping against a cleared region, following deleted and
// inserted rows and dates, and the item-cell blocks following the item table's row and column
// edits, each undone in one step.
#include "document/TembraDoc.h"

#include "DocTestSupport.h"
#include "FailingAllocator.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::ScopedAppState;
using test::ScopedUi;

// A hatching as the tests compare it: kind, rows, days of April 2010 (0: no date) and columns.
struct Band {
    int kind = CKtkmHatch::kRowBand;
    int firstRow = 0;
    int lastRow = 0;
    int startDay = 0;
    int endDay = 0;
    int firstColumn = 0;
    int lastColumn = 0;
    auto operator<=>(const Band&) const = default;
};

void PrintTo(const Band& b, std::ostream* os) {
    *os << "{kind " << b.kind << ", rows " << b.firstRow << ".." << b.lastRow << ", days "
        << b.startDay << ".." << b.endDay << ", columns " << b.firstColumn << ".." << b.lastColumn
        << "}";
}

Band Rows(int first, int last) {
    return {CKtkmHatch::kRowBand, first, last, 0, 0, 0, 0};
}
Band Days(int start, int end) {
    return {CKtkmHatch::kDateBand, 0, 0, start, end, 0, 0};
}
Band Cells(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    return {CKtkmHatch::kKoumokuCells, firstRow, lastRow, 0, 0, firstColumn, lastColumn};
}

CTime DayOf(int day) {
    return day == 0 ? CTime() : Day(2010, 4, day);
}

int DayFrom(const CTime& date) {
    return date.GetTime() == 0 ? 0 : date.GetDay();
}

class DocHatchTest : public testing::Test {
protected:
    DocHatchTest() { doc.AddView(&view); }

    CKtkmHatch* Add(const Band& b) {
        std::unique_ptr<CKtkmHatch> hatch = CChartHatches::CreateHatch(
            static_cast<WORD>(b.kind), 201, 0x00FF00, DayOf(b.startDay), DayOf(b.endDay),
            b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
        CKtkmHatch* raw = hatch.get();
        doc.GetHatchList()->AddTail(hatch.release());
        return raw;
    }
    void AddAll(const std::vector<Band>& bands) {
        for (const Band& b : bands) {
            Add(b);
        }
    }
    std::vector<Band> List() {
        std::vector<Band> bands;
        const OwnedObList<CKtkmHatch>& list = *doc.GetHatchList();
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const CKtkmHatch* h = list.GetNext(pos);
            bands.push_back({h->GetKind(), h->GetFirstRow(), h->GetLastRow(),
                             DayFrom(h->GetStartDate()), DayFrom(h->GetEndDate()),
                             static_cast<int>(h->GetFirstColumn()),
                             static_cast<int>(h->GetLastColumn())});
        }
        return bands;
    }
    // The undo step of an edit gives back the hatchings as they were, and the redo the edited
    // ones (a hatching that comes back is listed at the end: the order is not compared).
    void ExpectUndoRedo(std::vector<Band> before, std::vector<Band> after) {
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
        std::vector<Band> undone = List();
        std::sort(undone.begin(), undone.end());
        EXPECT_EQ(undone, before);
        ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
        std::vector<Band> redone = List();
        std::sort(redone.begin(), redone.end());
        EXPECT_EQ(redone, after);
    }

    ScopedUi ui;
    ScopedAppState app;
    test::RecordingView view;
    CTembraDoc doc;
};

// ---- ClipHatch ----------------------------------------------------------------------------------

struct ClipCase {
    const char* name;
    Band hatch;
    int mode;
    Band region; // rows, days and columns of the cleared region
    int result;
    std::vector<Band> after;
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.name;
}

class ClipHatchTest : public DocHatchTest, public testing::WithParamInterface<ClipCase> {};

TEST_P(ClipHatchTest, Clip) {
    const ClipCase& c = GetParam();
    CKtkmHatch* hatch = Add(c.hatch);
    Add(Cells(90, 90, 9, 9)); // a neighbour that stays after it
    doc.GetUndoHistory().Reset();

    const int result = doc.GetHatches().ClipHatch(
        hatch, doc.GetHatchList()->GetHeadPosition(), c.mode, DayOf(c.region.startDay),
        DayOf(c.region.endDay), c.region.firstRow, c.region.lastRow, c.region.firstColumn,
        c.region.lastColumn);
    EXPECT_EQ(result, c.result);
    std::vector<Band> expected = c.after;
    expected.push_back(Cells(90, 90, 9, 9));
    EXPECT_EQ(List(), expected);
    // Only a removal is recorded here; the caller records cuts and splits.
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), result == -1 ? 1u : 0u);
}

const Band kRows5to7 = {0, 5, 7, 0, 0, 0, 0};
const Band kDays5to10 = {0, 0, 0, 5, 10, 0, 0};
const Band kBlock = {0, 4, 8, 0, 0, 1, 3};

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipHatchTest,
    testing::Values(
        ClipCase{"RowsInside", Rows(5, 7), 1, kRows5to7, -1, {}},
        ClipCase{"RowsEndCut", Rows(3, 6), 1, kRows5to7, 0, {Rows(3, 4)}},
        ClipCase{"RowsStartCut", Rows(6, 10), 1, kRows5to7, 0, {Rows(8, 10)}},
        ClipCase{"RowsSplit", Rows(3, 10), 1, kRows5to7, 1, {Rows(3, 4), Rows(8, 10)}},
        ClipCase{"RowsAbove", Rows(2, 4), 1, kRows5to7, -2, {Rows(2, 4)}},
        ClipCase{"RowsBelow", Rows(8, 12), 1, kRows5to7, -2, {Rows(8, 12)}},
        ClipCase{"DaysInside", Days(5, 10), 2, kDays5to10, -1, {}},
        ClipCase{"DaysEndCut", Days(1, 8), 2, kDays5to10, 0, {Days(1, 5)}},
        ClipCase{"DaysStartCut", Days(7, 20), 2, kDays5to10, 0, {Days(10, 20)}},
        ClipCase{"DaysSplit", Days(1, 20), 2, kDays5to10, 1, {Days(1, 5), Days(10, 20)}},
        ClipCase{"DaysMeetingTheStart", Days(1, 5), 2, kDays5to10, -2, {Days(1, 5)}},
        ClipCase{"DaysMeetingTheEnd", Days(10, 12), 2, kDays5to10, -2, {Days(10, 12)}},
        ClipCase{"CellsInside", Cells(4, 8, 1, 3), 12, kBlock, -1, {}},
        ClipCase{"CellsReachingOutsideTheColumns",
                 Cells(5, 6, 0, 2),
                 12,
                 kBlock,
                 -2,
                 {Cells(5, 6, 0, 2)}},
        ClipCase{"CellsPartlyInTheRows", Cells(2, 5, 1, 3), 12, kBlock, -2, {Cells(2, 5, 1, 3)}}),
    [](const testing::TestParamInfo<ClipCase>& info) { return std::string(info.param.name); });

TEST_F(DocHatchTest, ClipHatchLeavesAHatchingThatIsNotAtThePosition) {
    CKtkmHatch* first = Add(Rows(5, 7));
    Add(Rows(5, 7));
    POSITION second = doc.GetHatchList()->GetHeadPosition();
    doc.GetHatchList()->GetNext(second);
    EXPECT_EQ(doc.GetHatches().ClipHatch(first, second, 1, CTime(), CTime(), 5, 7, 0, 0), -2);
    EXPECT_EQ(List(), (std::vector<Band>{Rows(5, 7), Rows(5, 7)}));
}

// What undo and redo do with hatchings: append, take out (to the caller) or replace in place.
TEST_F(DocHatchTest, ReplaceHatchAppendsRemovesAndReplacesInPlace) {
    CKtkmHatch* first = Add(Rows(1, 2));
    Add(Rows(3, 4));
    std::unique_ptr<CKtkmHatch> added =
        CChartHatches::CreateHatch(CKtkmHatch::kRowBand, 201, 0, CTime(), CTime(), 5, 6, 0, 0);
    doc.GetHatches().ReplaceHatch(nullptr, added.release());
    EXPECT_EQ(List(), (std::vector<Band>{Rows(1, 2), Rows(3, 4), Rows(5, 6)}));

    std::unique_ptr<CKtkmHatch> replacement = first->Clone();
    replacement->SetLastRow(9);
    doc.GetHatches().ReplaceHatch(first, replacement.get());
    std::unique_ptr<CKtkmHatch> taken(first);
    EXPECT_EQ(List(), (std::vector<Band>{Rows(1, 9), Rows(3, 4), Rows(5, 6)}));

    doc.GetHatches().ReplaceHatch(replacement.get(), nullptr);
    EXPECT_EQ(List(), (std::vector<Band>{Rows(3, 4), Rows(5, 6)}));
    EXPECT_GE(view.CountFor(replacement.get()), 2);

    // One that is not listed changes nothing.
    doc.GetHatches().ReplaceHatch(taken.get(), nullptr);
    EXPECT_EQ(List(), (std::vector<Band>{Rows(3, 4), Rows(5, 6)}));
}

// ---- ClipHatches --------------------------------------------------------------------------------

// Only the hatchings of the kind are clipped; a cell block only partly in the region stays, one
// inside goes; one Undo restores them.
TEST_F(DocHatchTest, ClipHatchesOfOneKindInOneStep) {
    const std::vector<Band> before = {Rows(3, 10), Cells(4, 6, 1, 2), Cells(6, 9, 1, 2),
                                      Cells(5, 6, 0, 1)};
    AddAll(before);
    doc.GetUndoHistory().Reset();

    doc.GetHatches().ClipHatches(CKtkmHatch::kKoumokuCells, CTime(), CTime(), 4, 7, 1, 3);
    const std::vector<Band> cleared = {Rows(3, 10), Cells(6, 9, 1, 2), Cells(5, 6, 0, 1)};
    EXPECT_EQ(List(), cleared);
    ExpectUndoRedo(before, cleared);

    doc.GetUndoHistory().Reset();
    doc.GetHatches().ClipHatches(CKtkmHatch::kRowBand, CTime(), CTime(), 5, 7, 0, 0);
    const std::vector<Band> split = {Rows(3, 4), Rows(8, 10), Cells(6, 9, 1, 2), Cells(5, 6, 0, 1)};
    EXPECT_EQ(List(), split);
    ExpectUndoRedo(cleared, split);
}

// ---- Row and date edits -------------------------------------------------------------------------

// Deleting rows 5..7: a band 6..10 is cut to 8..10 and closes up to 5..7, 2..3 above stays and
// 9..12 below moves up to 6..9; a band 3..10 keeps 3..4 and its rest 8..10 closes up to 5..7.
TEST_F(DocHatchTest, DeletedRowsCutAndCloseUpTheBands) {
    const std::vector<Band> before = {Rows(6, 10), Rows(2, 3), Rows(9, 12),
                                      Rows(3, 10), Rows(5, 7), Days(1, 30)};
    AddAll(before);
    doc.GetUndoHistory().Reset();

    doc.GetHatches().RowHatchesDeleted(FALSE, 5, 7);
    const std::vector<Band> after = {Rows(5, 7), Rows(2, 3), Rows(6, 9),
                                     Rows(3, 4), Rows(5, 7), Days(1, 30)};
    EXPECT_EQ(List(), after);
    ExpectUndoRedo(before, after);
}

// Clearing rows 5..7 splits 3..10 into 3..4 and 8..10 without moving anything; one Undo gives
// 3..10 back.
TEST_F(DocHatchTest, ClearedRowsSplitWithoutMoving) {
    AddAll({Rows(3, 10), Rows(9, 12)});
    doc.GetUndoHistory().Reset();

    doc.GetHatches().RowHatchesDeleted(TRUE, 5, 7);
    const std::vector<Band> after = {Rows(3, 4), Rows(8, 10), Rows(9, 12)};
    EXPECT_EQ(List(), after);
    ExpectUndoRedo({Rows(3, 10), Rows(9, 12)}, after);
}

// Inserting rows 5..6: 3..10 becomes 3..4 and 7..12, a band starting at row 5 moves down, one
// ending at row 4 stays.
TEST_F(DocHatchTest, InsertedRowsSplitAndMoveTheBands) {
    const std::vector<Band> before = {Rows(3, 10), Rows(5, 5), Rows(1, 4), Days(2, 3)};
    AddAll(before);
    doc.GetUndoHistory().Reset();

    doc.GetHatches().RowHatchesInserted(5, 6);
    const std::vector<Band> after = {Rows(3, 4), Rows(7, 12), Rows(7, 7), Rows(1, 4), Days(2, 3)};
    EXPECT_EQ(List(), after);
    ExpectUndoRedo(before, after);
}

// Deleting 5..10 April: a range inside it goes (and comes back with Undo), one reaching into it
// is cut, one after it moves 5 days earlier; clearing moves nothing.
TEST_F(DocHatchTest, DeletedDatesCutAndCloseUpTheRanges) {
    const std::vector<Band> before = {Days(6, 9), Days(1, 7), Days(8, 20), Days(12, 15)};
    AddAll(before);
    doc.GetUndoHistory().Reset();

    doc.GetHatches().DateHatchesDeleted(FALSE, DayOf(5), DayOf(10));
    const std::vector<Band> after = {Days(1, 5), Days(5, 15), Days(7, 10)};
    EXPECT_EQ(List(), after);
    ExpectUndoRedo(before, after);

    doc.GetUndoHistory().Undo();
    doc.GetUndoHistory().Reset();
    doc.GetHatches().DateHatchesDeleted(TRUE, DayOf(5), DayOf(10));
    EXPECT_EQ(List(), (std::vector<Band>{Days(1, 5), Days(10, 20), Days(12, 15)}));
}

// Inserting 5..8 April: a range across the 5th is stretched and split around the new days, one
// from the 5th on moves 3 days later, one ending on the 5th stays.
TEST_F(DocHatchTest, InsertedDatesSplitAndMoveTheRanges) {
    const std::vector<Band> before = {Days(1, 10), Days(5, 6), Days(2, 5)};
    AddAll(before);
    doc.GetUndoHistory().Reset();

    doc.GetHatches().DateHatchesInserted(DayOf(5), DayOf(8));
    const std::vector<Band> after = {Days(1, 5), Days(8, 13), Days(8, 9), Days(2, 5)};
    EXPECT_EQ(List(), after);
    ExpectUndoRedo(before, after);
}

// A hatching whose clone cannot be made stops the walk: it and the ones after it keep their rows,
// whichever allocation fails.
TEST_F(DocHatchTest, AFailedCloneStopsTheWalk) {
    const std::vector<Band> before = {Rows(9, 12), Rows(10, 11), Rows(20, 20)};
    const std::vector<Band> moved = {Rows(6, 9), Rows(7, 8), Rows(17, 17)};
    doc.RemoveView(&view); // the recording view allocates too
    for (long succeed = 0;; ++succeed) {
        doc.DeleteAllHatches();
        doc.GetUndoHistory().Reset();
        AddAll(before);
        bool fired = false;
        {
            test::FailingAllocation failing(succeed);
            doc.GetHatches().RowHatchesDeleted(FALSE, 5, 7);
            fired = failing.Fired();
        }
        const std::vector<Band> after = List();
        ASSERT_EQ(after.size(), before.size());
        std::size_t done = 0;
        while (done < after.size() && after[done] == moved[done]) {
            ++done;
        }
        for (std::size_t i = done; i < after.size(); ++i) {
            EXPECT_EQ(after[i], before[i]) << "failing allocation " << succeed;
        }
        if (!fired) {
            EXPECT_EQ(done, after.size());
            break;
        }
    }
}

// ---- Item-cell blocks ---------------------------------------------------------------------------

struct CellEditCase {
    const char* name;
    // Which edit: 0 rows deleted, 1 rows cleared, 2 rows inserted, 3 columns deleted, 4 columns
    // cleared, 5 columns inserted; always rows 5..7 and columns 1..3.
    int edit;
    std::vector<Band> after;
};

// The blocks: inside the edited rows and columns; below (right of) it; starting at the first
// edited row (column); ending just before it; reaching outside the edited columns (rows).
const std::vector<Band> kBlocks = {Cells(5, 6, 1, 2), Cells(9, 10, 2, 3), Cells(5, 9, 2, 2),
                                   Cells(3, 4, 1, 3), Cells(8, 9, 0, 3),  Cells(5, 6, 5, 6),
                                   Cells(6, 7, 4, 4), Rows(8, 9)};

void PrintTo(const CellEditCase& c, std::ostream* os) {
    *os << c.name;
}

class KoumokuHatchTest : public DocHatchTest, public testing::WithParamInterface<CellEditCase> {};

TEST_P(KoumokuHatchTest, BlocksFollowTheEditedCells) {
    AddAll(kBlocks);
    doc.GetUndoHistory().Reset();
    switch (GetParam().edit) {
    case 0:
        doc.GetHatches().HatchRowsDeleted(FALSE, 5, 7, 1, 3);
        break;
    case 1:
        doc.GetHatches().HatchRowsDeleted(TRUE, 5, 7, 1, 3);
        break;
    case 2:
        doc.GetHatches().HatchRowsInserted(5, 7, 1, 3);
        break;
    case 3:
        doc.GetHatches().HatchColsDeleted(FALSE, 5, 7, 1, 3);
        break;
    case 4:
        doc.GetHatches().HatchColsDeleted(TRUE, 5, 7, 1, 3);
        break;
    default:
        doc.GetHatches().HatchColsInserted(5, 7, 1, 3);
        break;
    }
    EXPECT_EQ(List(), GetParam().after);
    ExpectUndoRedo(kBlocks, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KoumokuHatchTest,
    testing::Values(
        // Rows: the block inside goes; those within columns 1..3 from row 5 on move by 3; the
        // one ending at row 4, the one reaching column 0 and those right of column 3 stay.
        CellEditCase{"RowsDeleted",
                     0,
                     {Cells(6, 7, 2, 3), Cells(2, 6, 2, 2), Cells(3, 4, 1, 3), Cells(8, 9, 0, 3),
                      Cells(5, 6, 5, 6), Cells(6, 7, 4, 4), Rows(8, 9)}},
        CellEditCase{"RowsCleared",
                     1,
                     {Cells(9, 10, 2, 3), Cells(5, 9, 2, 2), Cells(3, 4, 1, 3), Cells(8, 9, 0, 3),
                      Cells(5, 6, 5, 6), Cells(6, 7, 4, 4), Rows(8, 9)}},
        CellEditCase{"RowsInserted",
                     2,
                     {Cells(8, 9, 1, 2), Cells(12, 13, 2, 3), Cells(8, 12, 2, 2), Cells(3, 4, 1, 3),
                      Cells(8, 9, 0, 3), Cells(5, 6, 5, 6), Cells(6, 7, 4, 4), Rows(8, 9)}},
        // Columns: the block inside goes; those within rows 5..7 from column 1 on move by 3.
        CellEditCase{"ColumnsDeleted",
                     3,
                     {Cells(9, 10, 2, 3), Cells(5, 9, 2, 2), Cells(3, 4, 1, 3), Cells(8, 9, 0, 3),
                      Cells(5, 6, 2, 3), Cells(6, 7, 1, 1), Rows(8, 9)}},
        CellEditCase{"ColumnsCleared",
                     4,
                     {Cells(9, 10, 2, 3), Cells(5, 9, 2, 2), Cells(3, 4, 1, 3), Cells(8, 9, 0, 3),
                      Cells(5, 6, 5, 6), Cells(6, 7, 4, 4), Rows(8, 9)}},
        CellEditCase{"ColumnsInserted",
                     5,
                     {Cells(5, 6, 4, 5), Cells(9, 10, 2, 3), Cells(5, 9, 2, 2), Cells(3, 4, 1, 3),
                      Cells(8, 9, 0, 3), Cells(5, 6, 8, 9), Cells(6, 7, 7, 7), Rows(8, 9)}}),
    [](const testing::TestParamInfo<CellEditCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tembra
