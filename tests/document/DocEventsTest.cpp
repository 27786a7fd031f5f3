// The events of the document as a group: moves and copies, the attribute menu with its menu
// state, find and replace, and re-dating. The chart for the moves is April 2010 with a day 100
// units wide from x 0 and a row 50 high (row r has its middle at y -50r - 25).
#include "document/AttrCommands.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "render/EventGeometry.h"
#include "render/PageLayout.h"

#include "DocTestSupport.h"
#include "FailingAllocator.h"
#include "PageFixture.h"
#include "YogoBarRecorder.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::J;
using test::ScopedAppState;
using test::ScopedUi;
using test::YogoBarRecorder;

constexpr COLORREF kRed = 0x0000FF;
constexpr UINT kCmdRed = 32816;
constexpr UINT kCmdOtherColor = 33071;
constexpr UINT kCmdBold = 32800;
constexpr UINT kCmdDoubleHeight = 32823;
constexpr UINT kCmdTextEdit = 32821;

class DocEventsTest : public testing::Test {
protected:
    DocEventsTest() {
        app->SetYogoBar(&bar);
        doc.GetChartLayers().CreateLayers();
        doc.GetWorkCalendar().Clear();
        doc.GetOperation().SetMode(COperationState::kModeEvent);
        doc.AddView(&view);
    }

    CEvent* Add(const std::string& text, bool selected, int day = 11, int row = 10) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->SetText(text);
        event->SetStartDate(Day(2010, 4, day));
        event->SetStartRow(static_cast<WORD>(row));
        CEvent* raw = event.get();
        if (selected) {
            event->Select();
            doc.AddSel(event.release());
        } else {
            doc.AddObj(event.release(), FALSE);
        }
        return raw;
    }
    static std::vector<CEvent*> Events(const ObList<CDataHeader>& list) {
        std::vector<CEvent*> events;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            events.push_back(dynamic_cast<CEvent*>(list.GetNext(pos)));
        }
        return events;
    }
    static std::vector<std::string> Texts(const ObList<CDataHeader>& list) {
        std::vector<std::string> texts;
        for (const CEvent* event : Events(list)) {
            texts.push_back(event->GetText());
        }
        return texts;
    }
    void Attributes(int form, COLORREF color, WORD flags, int size, std::string_view text = {}) {
        doc.GetEvents().SetSelectedAttributes(form, color, flags, size, text, -1, nullptr);
    }

    ScopedUi ui;
    ScopedAppState app;
    YogoBarRecorder bar;
    test::RecordingView view;
    CTembraDoc doc;
};

// ---- Creation and copy --------------------------------------------------------------------------

TEST_F(DocEventsTest, NewEventsTakeTheDefaultsAndTheCurrentLayer) {
    CTextAttr& defaults = doc.GetSyokiSet().GetEvent().GetTextAttr();
    defaults.m_form = 2;
    defaults.m_color = kRed;
    defaults.m_attrb = 0x1004;
    defaults.SetSize(0x0201);
    defaults.m_offsetX = 30;
    LOGFONT font;
    font.lfHeight = -40;
    doc.GetSyokiSet().GetEvent().SetLogFont(font);
    doc.SetCurrentLayer(7);

    const std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->GetAttr(), defaults);
    EXPECT_EQ(event->GetLogFont().lfHeight, -40);
    EXPECT_EQ(event->GetLayer(), 7);
    EXPECT_EQ(event->GetText(), "");
}

TEST_F(DocEventsTest, AnEventThatCannotBeMadeSaysSo) {
    std::unique_ptr<CEvent> event;
    {
        test::FailingAllocation failing(0);
        event = doc.GetEvents().CreateEvent();
    }
    EXPECT_EQ(event, nullptr);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5013u);
}

TEST_F(DocEventsTest, CopyOfTheSelectionTakesTheEvents) {
    Add("a", true);
    Add("b", true);
    Add("c", false);
    EXPECT_EQ(doc.GetChartClipboard().CopySelectedObjects(), 2);
    EXPECT_EQ(Texts(app->GetObjectClipboard()), (std::vector<std::string>{"a", "b"}));
}

// ---- Moving -------------------------------------------------------------------------------------

class DocEventsMoveTest : public DocEventsTest {
protected:
    DocEventsMoveTest() {
        CSyokiSet& set = doc.GetSyokiSet();
        test::SetAprilPage(set);
        LOGFONT font;
        font.lfHeight = -30;
        font.lfWidth = 15;
        set.GetEvent().SetLogFont(font);
        set.GetEvent().GetTextAttr() = CTextAttr{};
        set.GetEvent().GetTextAttr().SetDefaultSize();
        layout.Init(&layoutView);
    }

    test::DocLayoutView layoutView{doc};
    CPageLayout layout;
};

// A copy-move leaves the old event in place and unselected and selects the moved copy; one Undo
// takes the copy away again.
TEST_F(DocEventsMoveTest, CopyMoveKeepsTheOldEventAndUndoRemovesTheCopy) {
    CEvent* old = Add("A", true, 11, 10);
    const CPoint anchor = GetAnchorPoint(*old, layout);

    doc.GetEvents().MoveSelectedEvents(layout, 200, -100, 2);

    ASSERT_EQ(doc.GetSelCount(), 1);
    const CEvent* copy = dynamic_cast<CEvent*>(doc.GetSelList().GetHead());
    EXPECT_NE(copy, old);
    EXPECT_EQ(copy->GetStartDate(), Day(2010, 4, 13));
    EXPECT_EQ(copy->GetStartRow(), 12);
    EXPECT_EQ(GetAnchorPoint(*copy, layout), CPoint(anchor.x + 200, anchor.y - 100));
    EXPECT_EQ(Events(doc.GetObjList()), std::vector<CEvent*>{old});
    EXPECT_EQ(old->IsSelected(), 0);
    EXPECT_EQ(old->GetStartDate(), Day(2010, 4, 11));

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(Events(doc.GetObjList()), std::vector<CEvent*>{old});
}

// A move replaces each event by the moved copy, which stays selected; Undo brings the old ones.
TEST_F(DocEventsMoveTest, MoveReplacesTheEventsAndUndoBringsThemBack) {
    CEvent* first = Add("A", true, 11, 10);
    CEvent* second = Add("B", true, 20, 3);

    doc.GetEvents().OffsetSelectedEvents(CTimeSpan(2, 0, 0, 0), -1, 3);

    const std::vector<CEvent*> moved = Events(doc.GetSelList());
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0]->GetText(), "A");
    EXPECT_EQ(moved[0]->GetStartDate(), Day(2010, 4, 13));
    EXPECT_EQ(moved[0]->GetStartRow(), 9);
    EXPECT_EQ(moved[1]->GetStartDate(), Day(2010, 4, 22));
    EXPECT_EQ(moved[1]->GetStartRow(), 2);
    EXPECT_EQ(doc.GetObjCount(), 0);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Events(doc.GetSelList()), (std::vector<CEvent*>{first, second}));
    EXPECT_EQ(first->GetStartDate(), Day(2010, 4, 11));
}

// A text that would run above the first row is pulled back inside the chart.
TEST_F(DocEventsMoveTest, AMoveAboveTheChartIsPulledBack) {
    Add("A", true, 11, 1);
    doc.GetEvents().MoveSelectedEvents(layout, 0, 200, 3);
    const CEvent* moved = dynamic_cast<CEvent*>(doc.GetSelList().GetHead());
    CRect text;
    ASSERT_EQ(CalcTextRect(*moved, layout, nullptr, nullptr, nullptr, &text), 1);
    EXPECT_LE(text.top, 0);
}

// ---- Attributes ---------------------------------------------------------------------------------

// 赤 on three events changes all three and leaves none selected, so that the colour shows; one
// Undo restores the three old events.
TEST_F(DocEventsTest, ColourOnThreeEventsDeselectsThemAndOneUndoRestores) {
    const std::vector<CEvent*> old = {Add("a", true), Add("b", true), Add("c", true)};

    ASSERT_TRUE(doc.GetEvents().OnEventAttrCommand(kCmdRed));

    EXPECT_EQ(doc.GetSelCount(), 0);
    const std::vector<CEvent*> changed = Events(doc.GetObjList());
    ASSERT_EQ(changed.size(), 3u);
    for (const CEvent* event : changed) {
        EXPECT_EQ(event->GetColor(), kRed);
        EXPECT_EQ(event->IsSelected(), 0);
    }

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Events(doc.GetObjList()), old);
    for (const CEvent* event : old) {
        EXPECT_EQ(event->GetColor(), 0u);
        EXPECT_EQ(event->IsSelected(), 0);
    }
}

// Other values keep the events selected (at the end of the selection).
TEST_F(DocEventsTest, AFormLeavesTheEventsSelected) {
    Add("a", true);
    Add("b", true);
    Attributes(2, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags, -1);
    const std::vector<CEvent*> selected = Events(doc.GetSelList());
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0]->GetText(), "a");
    EXPECT_EQ(selected[0]->GetForm(), 2);
    EXPECT_EQ(selected[1]->GetForm(), 2);
}

struct FlagCase {
    WORD before;
    WORD flags;
    WORD after;
};

class EventFlagTest : public DocEventsTest, public testing::WithParamInterface<FlagCase> {};

// Bit 15 gives the whole word, 0 clears it, other bits toggle together: set when none of them is
// set, else all cleared.
TEST_P(EventFlagTest, FlagRule) {
    CEvent* event = Add("a", true);
    event->SetStyle(GetParam().before);
    Attributes(-1, CTembraDoc::kUnchangedColor, GetParam().flags, -1);
    ASSERT_EQ(doc.GetSelCount(), 1);
    EXPECT_EQ(dynamic_cast<CEvent*>(doc.GetSelList().GetHead())->GetStyle(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EventFlagTest,
    testing::Values(FlagCase{0x0001, 0x0004, 0x0005}, FlagCase{0x0005, 0x0004, 0x0001},
                    FlagCase{0x1003, 0x0000, 0x0000}, FlagCase{0x0003, 0x8004, 0x0004},
                    FlagCase{0x0002, 0x0006, 0x0000}, FlagCase{0x0001, 0x0006, 0x0007}));

TEST_F(DocEventsTest, EmphasisTwiceTogglesBack) {
    Add("a", true);
    ASSERT_TRUE(doc.GetEvents().OnEventAttrCommand(kCmdBold));
    EXPECT_EQ(dynamic_cast<CEvent*>(doc.GetSelList().GetHead())->GetStyle(), kEventBold);
    ASSERT_TRUE(doc.GetEvents().OnEventAttrCommand(kCmdBold));
    EXPECT_EQ(dynamic_cast<CEvent*>(doc.GetSelList().GetHead())->GetStyle(), 0);
}

// With no event selected (or outside the event mode) a value is for the next new event only.
TEST_F(DocEventsTest, ASizeWithNothingSelectedChangesOnlyTheDefault) {
    CEvent* unselected = Add("a", false);
    const WORD sizeBefore = unselected->GetAttr().GetSize();

    ASSERT_TRUE(doc.GetEvents().OnEventAttrCommand(kCmdDoubleHeight));

    EXPECT_EQ(doc.GetSyokiSet().GetEvent().GetTextAttr().GetSize(), 0x0201);
    EXPECT_EQ(unselected->GetAttr().GetSize(), sizeBefore);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    EXPECT_EQ(doc.GetEvents().CreateEvent()->GetAttr().GetSize(), 0x0201);

    // Outside the event mode the selected events are not touched either.
    CEvent* selected = Add("b", true);
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    Attributes(-1, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags, 0x0202);
    EXPECT_EQ(selected->GetAttr().GetSize(), 0x0201);
    EXPECT_EQ(doc.GetSyokiSet().GetEvent().GetTextAttr().GetSize(), 0x0202);
}

// The six colour commands pass their COLORREF values; "その他" passes the remembered colour, and
// such a colour given as a default is remembered.
TEST_F(DocEventsTest, ColourCommandsPassTheirValues) {
    const std::vector<std::pair<UINT, COLORREF>> commands = {
        {32799, 0x000000}, {32816, 0x0000FF}, {32808, 0x00FF00},
        {32811, 0xFF00FF}, {32801, 0xFFFF00}, {32824, 0x00FFFF},
    };
    for (const auto& [id, color] : commands) {
        ASSERT_TRUE(doc.GetEvents().OnEventAttrCommand(id)) << id;
        EXPECT_EQ(doc.GetSyokiSet().GetEvent().GetTextAttr().m_color, color) << id;
    }
    app->SetEventCustomColor(0x123456);
    ASSERT_TRUE(doc.GetEvents().OnEventAttrCommand(kCmdOtherColor));
    EXPECT_EQ(doc.GetSyokiSet().GetEvent().GetTextAttr().m_color, 0x123456u);

    Attributes(-1, 0x654321, CTembraDoc::kUnchangedFlags, -1);
    EXPECT_EQ(app->GetEventCustomColor(), 0x654321u);
    EXPECT_FALSE(doc.GetEvents().OnEventAttrCommand(kCmdTextEdit));
    EXPECT_FALSE(doc.GetEvents().OnEventAttrCommand(40049)); // an item command
}

// A text longer than the field is cut on a character boundary; the text joins the term bar's
// history.
TEST_F(DocEventsTest, ATextIsCutToTheFieldAndJoinsTheHistory) {
    Add("a", true);
    const std::string text = "A" + std::string(200, 'x');
    Attributes(-1, CTembraDoc::kUnchangedColor, CTembraDoc::kUnchangedFlags, -1, text);
    EXPECT_EQ(dynamic_cast<CEvent*>(doc.GetSelList().GetHead())->GetText(), text.substr(0, 128));
    EXPECT_EQ(bar.history, std::vector<std::string>{text});
}

TEST_F(DocEventsTest, MenuStateFollowsTheFirstSelectedEventOrTheDefaults) {
    const auto state = [this](UINT id) {
        CCmdUI ui(id);
        doc.GetEvents().UpdateEventAttrUI(&ui);
        return ui;
    };
    doc.GetSyokiSet().GetEvent().GetTextAttr().m_color = kRed;
    EXPECT_EQ(state(kCmdRed).GetCheck(), 1);
    EXPECT_FALSE(state(kCmdTextEdit).IsEnabled());

    CEvent* first = Add("a", true);
    first->SetColor(0x123456);
    first->SetStyle(kEventBold | kEventFrame);
    first->GetAttr().SetSize(0x0201);
    Add("b", true)->SetColor(kRed);
    bar.colors.clear();

    EXPECT_EQ(state(kCmdRed).GetCheck(), 0);
    EXPECT_EQ(state(kCmdOtherColor).GetCheck(), 1);
    EXPECT_EQ(app->GetEventCustomColor(), 0x123456u);
    EXPECT_EQ(bar.colors, (std::vector<COLORREF>{0x123456, 0x123456}));
    EXPECT_EQ(state(kCmdBold).GetCheck(), 1);
    EXPECT_EQ(state(32818).GetCheck(), 0); // 白抜
    EXPECT_EQ(state(kCmdDoubleHeight).GetCheck(), 1);
    EXPECT_EQ(state(32826).GetCheck(), 0); // 標準
    EXPECT_TRUE(state(kCmdTextEdit).IsEnabled());
    EXPECT_FALSE(state(kCmdBold).IsEnableSet());

    // Outside the event mode the defaults decide.
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    EXPECT_EQ(state(kCmdRed).GetCheck(), 1);
    EXPECT_FALSE(state(kCmdTextEdit).IsEnabled());
}

// ---- Find and replace ---------------------------------------------------------------------------

TEST_F(DocEventsTest, WholeTextFindSelectsExactlyTheEqualTexts) {
    Add("Q", true);
    Add("AB", true);
    Add("ABC", false);
    Add("AB", false);
    Add("xAB", false);

    EXPECT_EQ(doc.GetEvents().ReplaceEventText(1, "AB", "", TRUE, FALSE), 2);
    EXPECT_EQ(Texts(doc.GetSelList()), (std::vector<std::string>{"AB", "AB"}));
    EXPECT_EQ(Texts(doc.GetObjList()), (std::vector<std::string>{"ABC", "xAB", "Q"}));

    EXPECT_EQ(doc.GetEvents().ReplaceEventText(1, "AB", "", FALSE, FALSE), 4);
    EXPECT_EQ(Texts(doc.GetSelList()), (std::vector<std::string>{"AB", "AB", "ABC", "xAB"}));
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
}

// A search never matches inside a double-byte character: "A" is the trail byte of "ア" (83 41).
TEST_F(DocEventsTest, FindNeverMatchesATrailByte) {
    Add(J("ア"), false);
    Add(J("Aア"), false);
    EXPECT_EQ(doc.GetEvents().ReplaceEventText(1, "A", "", FALSE, FALSE), 1);
    EXPECT_EQ(Texts(doc.GetSelList()), std::vector<std::string>{J("Aア")});
}

TEST_F(DocEventsTest, SelectedOnlyLeavesTheUnselectedEventsAlone) {
    Add("AB", true);
    Add("AB", false);
    EXPECT_EQ(doc.GetEvents().ReplaceEventText(1, "AB", "", TRUE, TRUE), 1);
    EXPECT_EQ(doc.GetSelCount(), 1);
    EXPECT_EQ(doc.GetObjCount(), 1);
}

// A replacement is cut to the 128 bytes of the field on a character boundary; the replaced events
// are selected, and one Undo restores the texts.
TEST_F(DocEventsTest, ReplacementIsCutToTheFieldAndUndoneInOneStep) {
    CEvent* selected = Add("x", true);
    CEvent* unselected = Add("yx", false);
    Add("z", false);
    const std::string longText(200, 'w');

    EXPECT_EQ(doc.GetEvents().ReplaceEventText(2, "x", longText, FALSE, FALSE), 2);
    const std::vector<std::string> texts = Texts(doc.GetSelList());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], std::string(128, 'w'));
    EXPECT_EQ(texts[1], "y" + std::string(127, 'w'));

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Events(doc.GetSelList()), (std::vector<CEvent*>{selected, unselected}));
    EXPECT_EQ(selected->GetText(), "x");
    EXPECT_EQ(unselected->GetText(), "yx");

    // A double-byte character that would end past byte 128 goes whole.
    Add("q", true);
    std::string doubleBytes = "v";
    for (int i = 0; i < 100; ++i) {
        doubleBytes += J("ア");
    }
    doc.GetEvents().ReplaceEventText(2, "q", doubleBytes, TRUE, TRUE);
    EXPECT_EQ(dynamic_cast<CEvent*>(doc.GetSelList().GetTail())->GetText(),
              doubleBytes.substr(0, 127));
}

// ---- Re-dating ----------------------------------------------------------------------------------

class DocEventsRedateTest : public DocEventsTest {
protected:
    DocEventsRedateTest() {
        // Saturdays and Sundays of April 2010 are holidays (the 3rd is a Saturday).
        for (int day : {3, 4, 10, 11, 17, 18, 24, 25}) {
            doc.GetWorkCalendar().AddDayFlag(2010, 4, day, CCalendar::kRuleHoliday);
        }
    }
};

// An event 5 days after the old base lands 5 calendar days after the new base when plain, and 5
// working days after it otherwise (a date in a holiday run moves to the run's end).
TEST_F(DocEventsRedateTest, ShiftKeepsCalendarDaysWhenPlainAndWorkingDaysOtherwise) {
    CEvent* event = Add("a", true, 6);
    doc.GetEvents().ShiftEventsByDays(Day(2010, 4, 1), Day(2010, 4, 5), TRUE);
    EXPECT_EQ(event->GetStartDate(), Day(2010, 4, 10));

    event->SetStartDate(Day(2010, 4, 6));
    doc.GetEvents().ShiftEventsByDays(Day(2010, 4, 1), Day(2010, 4, 5), FALSE);
    EXPECT_EQ(event->GetStartDate(), Day(2010, 4, 12));

    event->SetStartDate(Day(2010, 4, 4));
    doc.GetEvents().ShiftEventsByDays(Day(2010, 4, 1), Day(2010, 4, 5), FALSE);
    EXPECT_EQ(event->GetStartDate(), Day(2010, 4, 8));
}

TEST_F(DocEventsRedateTest, RemovingHolidaysTakesTheHolidayTimeOff) {
    CEvent* event = Add("a", true, 13);
    CEvent* unselected = Add("b", false, 13);
    doc.GetEvents().RemoveEventHolidays(Day(2010, 4, 8), TRUE);
    EXPECT_EQ(event->GetStartDate(), Day(2010, 4, 13));
    doc.GetEvents().RemoveEventHolidays(Day(2010, 4, 8), FALSE);
    EXPECT_EQ(event->GetStartDate(), Day(2010, 4, 11));
    EXPECT_EQ(unselected->GetStartDate(), Day(2010, 4, 13));
}

} // namespace
} // namespace tembra
