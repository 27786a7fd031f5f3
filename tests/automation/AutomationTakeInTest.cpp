// Taking in processes and events, laying them out, moving them into the chart and reading the
// chart back as text.
#include "AutomationFixture.h"

#include "model/Koutei.h"
#include "model/Yogo.h"

namespace tembra::test {
namespace {

using AutomationTakeInTest = AutomationFixture;

TEST_F(AutomationTakeInTest, RefusesWhatIsNoDateOfTheSupportedYears) {
    struct Case {
        AutoArg start;
        AutoArg end;
    };
    const Case cases[] = {
        {S("1990/12/31"), S("")},
        {S("2038/01/01"), S("")},
        {S("2037/12/31"), S("2038/01/01")},
        {S("2005-04-01"), S("")},
        {S("2005/02/30"), S("")},
        {S("2005/04/01"), S("2005/02/30")},
        {S("2005/04/01"), S("soon")},
        {std::nullopt, S("2005/04/03")},
        {S(""), S("")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(automation.TakeInData(c.start, c.end, S("t"), S("")), Refused())
            << c.start.value_or("(none)") << " " << c.end.value_or("(none)");
    }
    EXPECT_TRUE(doc->m_listTakeIn.IsEmpty());
}

TEST_F(AutomationTakeInTest, ProcessOrEventByTheEndDate) {
    automation.SetInsertLine(4);
    ASSERT_EQ(automation.TakeInData(S("2005/04/10"), S("2005/04/01"), S("基礎"), S("http://a")),
              Ok());
    ASSERT_EQ(automation.TakeInData(S("2005/04/05"), S("2005/04/05"), S("same"), S("")), Ok());
    ASSERT_EQ(automation.TakeInData(S("2005/04/06"), std::nullopt, S("none"), std::nullopt), Ok());
    ASSERT_EQ(doc->m_listTakeIn.GetCount(), 3);

    POSITION pos = doc->m_listTakeIn.GetHeadPosition();
    auto* koutei = dynamic_cast<CKoutei*>(doc->m_listTakeIn.GetNext(pos));
    ASSERT_NE(koutei, nullptr);
    // Reversed dates are swapped.
    EXPECT_EQ(koutei->GetLines()->GetPos().GetStartDate(), CTime(2005, 4, 1));
    EXPECT_EQ(koutei->GetLines()->GetPos().GetEndDate(), CTime(2005, 4, 10));
    EXPECT_EQ(koutei->GetStartRow(), 4);
    EXPECT_EQ(koutei->GetLines()->GetAttr().m_style, 384);
    EXPECT_EQ(koutei->GetLines()->GetAttr().m_hatch, 999);
    EXPECT_EQ(koutei->GetStartLand()->GetShape(), 15);
    EXPECT_EQ(koutei->GetEndLand()->GetShape(), 15);
    ASSERT_EQ(koutei->GetYogoCount(), 1);
    EXPECT_EQ(koutei->GetYogo(0)->GetText(), "\x8a\xee\x91\x62");
    EXPECT_EQ(koutei->GetYogo(0)->GetHyperlink(), "http://a");

    for (const char* text : {"same", "none"}) {
        auto* event = dynamic_cast<CEvent*>(doc->m_listTakeIn.GetNext(pos));
        ASSERT_NE(event, nullptr) << text;
        EXPECT_EQ(event->GetText(), text);
        EXPECT_EQ(event->GetStartRow(), 4);
    }
    // Not part of the chart until regularized.
    EXPECT_EQ(doc->GetObjCount(), 0);
    EXPECT_EQ(automation.RegularizeData(), Ok());
    EXPECT_EQ(doc->GetObjCount(), 3);
    EXPECT_EQ(automation.RegularizeData(), Refused());
}

TEST_F(AutomationTakeInTest, InsertLineMovesTheInsertRowUpOnlyAndOneFreezesIt) {
    doc->GetSyokiSet().SetInsertRow(-1);
    const struct {
        short written;
        short insertRow;
    } steps[] = {{5, 3}, {3, 1}, {7, 1}, {1, -1}, {9, -1}, {3, -1}};
    for (const auto& s : steps) {
        automation.SetInsertLine(s.written);
        EXPECT_EQ(automation.GetInsertLine(), s.written);
        EXPECT_EQ(doc->GetSyokiSet().GetInsertRow(), s.insertRow) << s.written;
    }
    // Frozen for every chart of the program.
    auto other = NewChart();
    CTembraDocAutomation second(*other, host, settings);
    other->GetSyokiSet().SetInsertRow(-1);
    second.SetInsertLine(6);
    EXPECT_EQ(other->GetSyokiSet().GetInsertRow(), -1);
}

TEST_F(AutomationTakeInTest, AdjustMovesOverlapsDownAndReversesTheList) {
    EXPECT_EQ(automation.AdjustTakeInData(), AutoResult::I2(0));
    automation.SetInsertLine(4);
    ASSERT_EQ(automation.TakeInData(S("2005/04/01"), S(""), S("first"), S("")), Ok());
    ASSERT_EQ(automation.TakeInData(S("2005/04/01"), S(""), S("second"), S("")), Ok());
    EXPECT_EQ(automation.AdjustTakeInData(), AutoResult::I2(5));
    auto& list = doc->m_listTakeIn;
    EXPECT_EQ(static_cast<CEvent*>(list.GetHead())->GetText(), "second");
    EXPECT_EQ(static_cast<CEvent*>(list.GetHead())->GetStartRow(), 5);
    EXPECT_EQ(static_cast<CEvent*>(list.GetTail())->GetStartRow(), 4);
}

TEST_F(AutomationTakeInTest, AdjustStacksChainsOfOverlapsAndLeavesSeparateSpans) {
    automation.SetInsertLine(2);
    // An event covers its start day at least.
    ASSERT_EQ(automation.TakeInData(S("2005/04/04"), S(""), S("abc"), S("")), Ok());
    // Starts on the event's day: overlaps.
    ASSERT_EQ(automation.TakeInData(S("2005/04/04"), S("2005/04/08"), S("p"), S("")), Ok());
    // Overlaps the event, goes below it onto the process moved there, and below that.
    ASSERT_EQ(automation.TakeInData(S("2005/04/03"), S("2005/04/05"), S("q"), S("")), Ok());
    // Clear of all of them.
    ASSERT_EQ(automation.TakeInData(S("2005/05/01"), S("2005/05/02"), S("r"), S("")), Ok());
    EXPECT_EQ(automation.AdjustTakeInData(), AutoResult::I2(4));
    std::vector<int> rows;
    for (POSITION pos = doc->m_listTakeIn.GetHeadPosition(); pos != nullptr;) {
        const CDataHeader* record = doc->m_listTakeIn.GetNext(pos);
        const auto* koutei = dynamic_cast<const CKoutei*>(record);
        rows.push_back(koutei != nullptr ? koutei->GetStartRow()
                                         : static_cast<const CEvent*>(record)->GetStartRow());
    }
    EXPECT_EQ(rows, (std::vector<int>{2, 4, 3, 2}));
}

TEST_F(AutomationTakeInTest, WalksReadProcessesAndEventsInterleaved) {
    automation.SetInsertLine(3);
    ASSERT_EQ(automation.TakeInData(S("2005/04/01"), S("2005/04/10"), S("foundation"), S("")),
              Ok());
    automation.SetInsertLine(0);
    ASSERT_EQ(automation.TakeInData(S("2005/04/01"), S("2005/04/03"), S(""), S("")), Ok());
    ASSERT_EQ(automation.TakeInData(S("2005/04/02"), S(""), S("inspection"), S("")), Ok());
    ASSERT_EQ(automation.TakeInData(S("2005/04/09"), S(""), S("handover"), S("")), Ok());
    ASSERT_EQ(automation.RegularizeData(), Ok());
    auto* first = dynamic_cast<CKoutei*>(doc->GetObjList().GetHead());
    ASSERT_NE(first, nullptr);
    auto concrete = doc->GetTerms().CreateYogo();
    concrete->SetText("concrete");
    first->AddYogo(concrete, TRUE);

    EXPECT_EQ(automation.GetKouteiCount(), AutoResult::I4(2));
    EXPECT_EQ(automation.GetEventCount(), AutoResult::I4(2));
    EXPECT_EQ(automation.GetNextKoutei(), AutoResult::Text(""));
    EXPECT_EQ(automation.GetFirstKoutei(),
              AutoResult::Text("2005/04/01 00:00:00,3,2005/04/10 00:00:00,3,foundation\nconcrete"));
    EXPECT_EQ(automation.GetFirstEvent(), AutoResult::Text("2005/04/02 00:00:00,0,inspection"));
    EXPECT_EQ(automation.GetNextKoutei(),
              AutoResult::Text("2005/04/01 00:00:00,0,2005/04/03 00:00:00,0,"));
    EXPECT_EQ(automation.GetNextEvent(), AutoResult::Text("2005/04/09 00:00:00,0,handover"));
    EXPECT_EQ(automation.GetNextKoutei(), AutoResult::Text(""));
    EXPECT_EQ(automation.GetNextEvent(), AutoResult::Text(""));
}

TEST_F(AutomationTakeInTest, WalkEndsWhenItsRecordLeftTheChart) {
    ASSERT_EQ(automation.TakeInData(S("2005/04/02"), S(""), S("one"), S("")), Ok());
    ASSERT_EQ(automation.TakeInData(S("2005/04/03"), S(""), S("two"), S("")), Ok());
    ASSERT_EQ(automation.RegularizeData(), Ok());
    ASSERT_EQ(automation.GetFirstEvent(), AutoResult::Text("2005/04/02 00:00:00,0,one"));
    doc->DeleteObjAt(doc->GetHeadObjPosition());
    EXPECT_EQ(automation.GetNextEvent(), AutoResult::Text(""));

    // A change elsewhere in the list keeps the walk going.
    ASSERT_EQ(automation.TakeInData(S("2005/04/04"), S(""), S("three"), S("")), Ok());
    ASSERT_EQ(automation.GetFirstEvent(), AutoResult::Text("2005/04/03 00:00:00,0,two"));
    ASSERT_EQ(automation.RegularizeData(), Ok());
    EXPECT_EQ(automation.GetNextEvent(), AutoResult::Text("2005/04/04 00:00:00,0,three"));
}

} // namespace
} // namespace tembra::test
