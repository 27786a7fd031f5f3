// Editing a process: selecting it whole, by stretch and by its terms, its spans and dates
// through the calendar, moving its selected parts, dates, relation lines and rows, and the hint
// it gives the views.
#include "KouteiTestSupport.h"

#include "model/ChartPos.h"
#include "model/KouteiDrag.h"
#include "support/ScriptedUi.h"

#include <vector>

namespace tembra {
namespace {

using test::Date;
using test::Days;
using test::KouteiDocument;
using test::SampleKoutei;
using test::Term;

// ---- Selection ------------------------------------------------------------------------------

struct PartSelection {
    WORD koutei, lines, start, end;
    bool operator==(const PartSelection&) const = default;
};

PartSelection Selection(const CKoutei& k) {
    return {k.IsSelected(), k.IsLinesSelected(), k.IsStartLandSelected(), k.IsEndLandSelected()};
}

TEST(KouteiSelectTest, WholeProcessAndStretch) {
    CKoutei koutei;
    koutei.Select();
    EXPECT_EQ(Selection(koutei), (PartSelection{1, 1, 1, 1}));
    koutei.SelectForStretch(TRUE);
    EXPECT_EQ(Selection(koutei), (PartSelection{1, 1, 0, 1}));
    EXPECT_EQ(koutei.GetPartDrag(), 1);
    koutei.SelectForStretch(FALSE);
    EXPECT_EQ(Selection(koutei), (PartSelection{1, 1, 1, 0}));
    koutei.Deselect();
    EXPECT_EQ(Selection(koutei), (PartSelection{0, 0, 0, 0}));
    EXPECT_EQ(koutei.GetPartDrag(), 0);
}

TEST(KouteiSelectTest, TermsAndTheirOwners) {
    CKoutei koutei;
    for (WORD part : {WORD{kYogoOnLine}, WORD{kYogoOnEnd}, WORD{7}}) {
        auto term = Term("t", part);
        koutei.AddYogo(term, TRUE);
    }
    koutei.SelectEndLand();
    struct Case {
        int index;
        WORD expected;
    };
    // A term on the end node; on the (unselected) line; on no part; past the last term.
    for (const Case& c : {Case{1, 1}, Case{0, 0}, Case{2, 0}, Case{3, 0}, Case{-1, 0}}) {
        EXPECT_EQ(koutei.IsYogoOwnerSelected(c.index), c.expected) << c.index;
    }

    koutei.Select();
    koutei.SelectYogoOwner(1);
    EXPECT_EQ(Selection(koutei), (PartSelection{0, 0, 0, 1}));

    EXPECT_FALSE(koutei.HasYogoOn(kKouteiPartEnd, TRUE));
    koutei.SelectYogo(1);
    EXPECT_TRUE(koutei.HasYogoOn(kKouteiPartEnd, TRUE));
    EXPECT_FALSE(koutei.HasYogoOn(kKouteiPartStart, FALSE));
    EXPECT_TRUE(koutei.HasYogoOn(kKouteiPartLines, FALSE));
    EXPECT_EQ(koutei.IsYogoSelected(1), 1);
    EXPECT_EQ(koutei.IsYogoSelected(0), 0);
    EXPECT_EQ(koutei.IsYogoSelected(5), 0);

    koutei.SelectYogo(-1);
    EXPECT_EQ(koutei.IsYogoSelected(0) + koutei.IsYogoSelected(2), 2);
    koutei.DeselectYogo(-1);
    EXPECT_FALSE(koutei.HasYogoOn(kKouteiPartEnd, TRUE));
}

// ---- Spans and dates ------------------------------------------------------------------------

TEST(KouteiSpanTest, DurationsCountWorkingTimeOnlyWhenAsked) {
    KouteiDocument doc;
    auto koutei = SampleKoutei();
    EXPECT_EQ(koutei->CalcSpan(&doc, TRUE), Days(9));
    EXPECT_EQ(koutei->CalcSpan(&doc, FALSE), Days(10));
    EXPECT_EQ(koutei->CalcSpan(nullptr, TRUE), Days(10));

    koutei->RecalcDuration(&doc, CTime(0), TRUE);
    EXPECT_EQ(koutei->GetStartOffset(), Days(9));
    EXPECT_EQ(koutei->GetDuration(), Days(10));

    // A given date replaces the base date; a line without the Holiday word counts calendar days
    // for its duration, while its start offset is working time.
    CKouteiAttr attr = koutei->GetLines()->GetAttr();
    attr.m_holiday = 0;
    koutei->GetLines()->SetAttr(attr);
    koutei->RecalcDuration(&doc, Date(2000, 1, 3), FALSE);
    EXPECT_EQ(koutei->GetStartOffset(), Days(6));
    EXPECT_EQ(koutei->GetDuration(), Days(10));

    koutei->SetSpareDays(Days(30));
    koutei->RecalcDuration(&doc, CTime(0), FALSE);
    EXPECT_EQ(koutei->GetSpareDays(), Days(10));
}

TEST(KouteiSpanTest, RedatingFromSpansInvertsTheRecalculation) {
    struct Case {
        const char* what;
        LONG holidayAuto;
        BOOL withoutCalendar;
        double factor;
        CTimeSpan offset;
        CTimeSpan duration;
        CTime base;
        CTime start;
        CTime end;
    };
    const CTime base = Date(2000, 1, 1);
    const Case cases[] = {
        {"working days", 1, FALSE, 1.0, Days(8), Days(9), CTime(0), Date(2000, 1, 10),
         Date(2000, 1, 20)},
        {"calendar asked off", 1, TRUE, 1.0, Days(8), Days(9), CTime(0), Date(2000, 1, 9),
         Date(2000, 1, 18)},
        {"HolidayAuto off", 0, FALSE, 1.0, Days(8), Days(9), CTime(0), Date(2000, 1, 9),
         Date(2000, 1, 18)},
        {"scaled, rounded up", 0, FALSE, 1.5, Days(8), Days(9), base, Date(2000, 1, 13),
         Date(2000, 1, 27)},
        {"scaled, not rounded", 0, FALSE, -1.5, Days(8), Days(9), base, Date(2000, 1, 13),
         CTime(2000, 1, 26, 12)},
        {"lands on a holiday", 1, FALSE, 1.0, Days(4), Days(0), base, Date(2000, 1, 6),
         Date(2000, 1, 6)},
        {"past the last date", 0, FALSE, 1.0, Days(3), Days(30), Date(2037, 12, 20),
         Date(2037, 12, 23), Date(2037, 12, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KouteiDocument doc;
        doc.m_holidayAuto = c.holidayAuto;
        CKoutei koutei;
        koutei.SetStartOffset(c.offset);
        koutei.SetDuration(c.duration);
        koutei.RedateFromSpans(&doc, c.base, c.withoutCalendar, c.factor);
        EXPECT_EQ(koutei.GetStartTime(), c.start);
        EXPECT_EQ(koutei.GetEndTime(), c.end);
        EXPECT_EQ(koutei.GetStartLand()->GetPos().GetStartDate(), c.start);
        EXPECT_EQ(koutei.GetEndLand()->GetPos().GetStartDate(), c.end);
    }
}

TEST(KouteiSpanTest, RedatedDatesStayInsideTheCalendar) {
    // Holidays at both ends of the calendar: a run of two at its start, one on its last day.
    struct Case {
        const char* what;
        LONG holidayAuto;
        double factor;
        CTime base;
        CTimeSpan offset;
        CTimeSpan duration;
        CTime start;
        CTime end;
    };
    const Case cases[] = {
        {"onto the last day, a holiday", 1, 1.0, Date(2037, 12, 21), Days(10), Days(0),
         Date(2037, 12, 31), Date(2037, 12, 31)},
        {"past the last day, cut to it", 1, 1.0, Date(2037, 12, 21), Days(5), Days(20),
         Date(2037, 12, 26), Date(2037, 12, 31)},
        {"not in whole days, past the last day", 1, -1.0, Date(2037, 12, 21),
         CTimeSpan(10, 12, 0, 0), CTimeSpan(0, 6, 0, 0), Date(2037, 12, 31), Date(2037, 12, 31)},
        {"HolidayAuto off leaves the holiday", 0, 1.0, Date(2037, 12, 21), Days(10), Days(5),
         Date(2037, 12, 31), Date(2037, 12, 31)},
        {"onto the first day, a holiday", 1, 1.0, Date(1991, 1, 1), Days(0), Days(1),
         Date(1991, 1, 3), Date(1991, 1, 4)},
        {"before the first day, cut to it", 1, 1.0, Date(1991, 1, 10), Days(-20), Days(5),
         Date(1991, 1, 3), Date(1991, 1, 3)},
        {"HolidayAuto off, before the first day", 0, 1.0, Date(1991, 1, 10), Days(-20), Days(5),
         Date(1991, 1, 1), Date(1991, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KouteiDocument doc;
        doc.m_holidayAuto = c.holidayAuto;
        doc.m_calendar.AddDayFlag(1991, 1, 1, CCalendar::kRuleHoliday);
        doc.m_calendar.AddDayFlag(1991, 1, 2, CCalendar::kRuleHoliday);
        doc.m_calendar.AddDayFlag(2037, 12, 31, CCalendar::kRuleHoliday);
        CKoutei koutei;
        koutei.SetStartOffset(c.offset);
        koutei.SetDuration(c.duration);
        koutei.RedateFromSpans(&doc, c.base, FALSE, c.factor);
        EXPECT_EQ(koutei.GetStartTime(), c.start);
        EXPECT_EQ(koutei.GetEndTime(), c.end);
        EXPECT_EQ(koutei.GetEndLand()->GetPos().GetStartDate(), c.end);
    }
}

TEST(KouteiSpanTest, RowsMoveTheNodesWithTheLine) {
    CKoutei koutei;
    koutei.SetStartRow(4);
    koutei.SetEndRow(9);
    koutei.GetLines()->SetBendOffset(-2);
    EXPECT_EQ(koutei.GetStartLand()->GetPos().GetStartRow(), 4);
    EXPECT_EQ(koutei.GetEndLand()->GetPos().GetStartRow(), 9);
    EXPECT_EQ(koutei.GetLines()->GetPos().GetEndRow(), 9);
    EXPECT_EQ(koutei.GetBendRow(), 2);
}

// ---- Moving -------------------------------------------------------------------------------

// Which parts take part in a move of 3 days and 2 rows without the calendar: 10 to 20 January
// 2000 on rows 3 to 5 with 2 spare days.
TEST(KouteiMoveTest, SelectedPartsAndSpareDays) {
    enum Pick { kNone, kAll, kLines, kLinesAndStart, kLinesAndEnd };
    struct Case {
        const char* name;
        Pick pick;
        BOOL selectedOnly;
        BOOL adjustSpare;
        LONG adjustMark;
        int result;
        CTime start;
        CTime end;
        int startRow;
        int endRow;
        CTimeSpan spare;
    };
    const Case cases[] = {
        {"the line not selected", kNone, TRUE, TRUE, 0, 0, Date(2000, 1, 10), Date(2000, 1, 20), 3,
         5, Days(2)},
        {"the whole process", kNone, FALSE, TRUE, 0, 1, Date(2000, 1, 13), Date(2000, 1, 23), 5, 7,
         Days(2)},
        {"both nodes", kAll, TRUE, TRUE, 0, 1, Date(2000, 1, 13), Date(2000, 1, 23), 5, 7, Days(2)},
        {"the end node: spare days gain", kLinesAndEnd, TRUE, TRUE, 0, 1, Date(2000, 1, 10),
         Date(2000, 1, 23), 3, 7, Days(5)},
        {"the end node, spare days kept", kLinesAndEnd, TRUE, FALSE, 0, 1, Date(2000, 1, 10),
         Date(2000, 1, 23), 3, 7, Days(2)},
        {"the start node: spare days lose, not below 0", kLinesAndStart, TRUE, TRUE, 0, 1,
         Date(2000, 1, 13), Date(2000, 1, 20), 5, 5, Days(0)},
        {"the end node under the adjust mark", kLinesAndEnd, TRUE, TRUE, 1, 1, Date(2000, 1, 10),
         Date(2000, 1, 23), 3, 7, Days(2)},
        // The adjust mark turns the move of a line whose nodes stay into a change of its spare
        // days: 2 less 3, not below 0.
        {"the line alone under the adjust mark", kLines, TRUE, FALSE, 1, 0, Date(2000, 1, 10),
         Date(2000, 1, 20), 3, 5, Days(0)},
        {"the line alone", kLines, TRUE, TRUE, 0, 0, Date(2000, 1, 10), Date(2000, 1, 20), 3, 5,
         Days(2)},
    };
    KouteiDocument doc;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei koutei;
        koutei.SetStartDate(Date(2000, 1, 10));
        koutei.SetEndDate(Date(2000, 1, 20));
        koutei.SetStartRow(3);
        koutei.SetEndRow(5);
        koutei.SetSpareDays(Days(2));
        koutei.SetAdjustMark(c.adjustMark);
        switch (c.pick) {
        case kAll:
            koutei.Select();
            break;
        case kLinesAndStart:
            koutei.SelectStartLand();
            koutei.SelectLines();
            break;
        case kLinesAndEnd:
            koutei.SelectEndLand();
            koutei.SelectLines();
            break;
        case kLines:
            koutei.SelectLines();
            break;
        case kNone:
            break;
        }
        EXPECT_EQ(koutei.MoveBy(&doc, Days(3), 2, nullptr,
                                MoveFlagIf(c.selectedOnly, KouteiMoveFlags::SelectedOnly) |
                                    KouteiMoveFlags::WithoutCalendar |
                                    MoveFlagIf(c.adjustSpare, KouteiMoveFlags::AdjustSpare)),
                  c.result);
        EXPECT_EQ(koutei.GetStartTime(), c.start);
        EXPECT_EQ(koutei.GetEndTime(), c.end);
        EXPECT_EQ(koutei.GetStartLand()->GetPos().GetStartDate(), c.start);
        EXPECT_EQ(koutei.GetEndLand()->GetPos().GetStartDate(), c.end);
        EXPECT_EQ(koutei.GetStartRow(), c.startRow);
        EXPECT_EQ(koutei.GetEndRow(), c.endRow);
        EXPECT_EQ(koutei.GetSpareDays(), c.spare);
    }
}

// With "HolidayAuto" the dates move by working time (the document's holidays are 5 and 15
// January 2000) and off the holiday they land on, never past the last supported date; an end
// at the reference's date moves by the plain offset.
TEST(KouteiMoveTest, DatesThroughTheCalendar) {
    struct Case {
        const char* name;
        LONG holidayAuto;
        BOOL withoutCalendar;
        CTime start;
        CTime end;
        CTimeSpan offset;
        WORD referenceStart; // 1 the record pins the start, 0 it does not (no record: 0xFFFF)
        CTime movedStart;
        CTime movedEnd;
    };
    const Case cases[] = {
        {"plain", 0, FALSE, Date(2000, 1, 10), Date(2000, 1, 20), Days(5), 0xFFFF,
         Date(2000, 1, 15), Date(2000, 1, 25)},
        {"working time, off the holiday", 1, FALSE, Date(2000, 1, 10), Date(2000, 1, 20), Days(5),
         0xFFFF, Date(2000, 1, 16), Date(2000, 1, 25)},
        {"backwards over a holiday", 1, FALSE, Date(2000, 1, 10), Date(2000, 1, 20), Days(-6),
         0xFFFF, Date(2000, 1, 3), Date(2000, 1, 13)},
        {"without the calendar", 1, TRUE, Date(2000, 1, 10), Date(2000, 1, 20), Days(5), 0xFFFF,
         Date(2000, 1, 15), Date(2000, 1, 25)},
        {"the start at the reference's date", 1, FALSE, Date(2000, 1, 10), Date(2000, 1, 20),
         Days(5), 1, Date(2000, 1, 15), Date(2000, 1, 25)},
        {"the reference's date not chosen", 1, FALSE, Date(2000, 1, 10), Date(2000, 1, 20), Days(5),
         0, Date(2000, 1, 16), Date(2000, 1, 25)},
        {"not past the last date", 1, FALSE, Date(2037, 12, 20), Date(2037, 12, 28), Days(10),
         0xFFFF, Date(2037, 12, 30), Date(2037, 12, 31)},
        {"not past the last date, plain", 0, FALSE, Date(2037, 12, 20), Date(2037, 12, 28),
         Days(10), 0xFFFF, Date(2037, 12, 30), Date(2037, 12, 31)},
        {"not before the first date", 0, FALSE, Date(1991, 1, 5), Date(1991, 1, 10), Days(-10),
         0xFFFF, Date(1991, 1, 1), Date(1991, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KouteiDocument doc;
        doc.m_holidayAuto = c.holidayAuto;
        CKoutei koutei;
        koutei.SetStartDate(c.start);
        koutei.SetEndDate(c.end);
        CKouteiDrag reference;
        reference.startDate = c.start;
        reference.endDate = c.start;
        reference.startPinned = c.referenceStart != 0 && c.referenceStart != 0xFFFF;
        const CKouteiDrag* ref = c.referenceStart == 0xFFFF ? nullptr : &reference;
        EXPECT_EQ(koutei.MoveBy(&doc, c.offset, 0, ref,
                                MoveFlagIf(c.withoutCalendar, KouteiMoveFlags::WithoutCalendar)),
                  1);
        EXPECT_EQ(koutei.GetStartTime(), c.movedStart);
        EXPECT_EQ(koutei.GetEndTime(), c.movedEnd);
    }
}

// A relation line keeps its working span as spare days, never negative; rows stay in 0..9999.
TEST(KouteiMoveTest, RelationLinesAndRows) {
    KouteiDocument doc;
    CKoutei relation;
    relation.SetRelationLine(1);
    relation.GetLines()->GetAttr().m_holiday = 1;
    relation.SetStartDate(Date(2000, 1, 10));
    relation.SetEndDate(Date(2000, 1, 20));
    relation.SetStartRow(1);
    relation.SetEndRow(9998);
    relation.SetSpareDays(Days(1));
    EXPECT_EQ(relation.MoveBy(&doc, Days(3), -5, nullptr,
                              KouteiMoveFlags::WithoutCalendar | KouteiMoveFlags::AdjustSpare),
              1);
    // 13 to 23 January less the holiday of the 15th.
    EXPECT_EQ(relation.GetSpareDays(), Days(9));
    EXPECT_EQ(relation.GetStartRow(), 0);
    EXPECT_EQ(relation.GetEndRow(), 9993);
    relation.MoveBy(&doc, Days(0), 10, nullptr,
                    KouteiMoveFlags::WithoutCalendar | KouteiMoveFlags::AdjustSpare);
    EXPECT_EQ(relation.GetEndRow(), 9999);

    // Running backwards: no spare days.
    relation.SetStartDate(Date(2000, 1, 25));
    EXPECT_EQ(relation.MoveBy(&doc, Days(1), 0, nullptr,
                              KouteiMoveFlags::WithoutCalendar | KouteiMoveFlags::AdjustSpare),
              1);
    EXPECT_EQ(relation.GetSpareDays(), Days(0));
}

TEST(KouteiTest, UpdateViewsHintsTheProcess) {
    KouteiDocument doc;
    CKoutei koutei;
    koutei.UpdateViews(doc);
    EXPECT_EQ(doc.m_hints, (std::vector<CObject*>{&koutei}));
}

} // namespace
} // namespace tembra
