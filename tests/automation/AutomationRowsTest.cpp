// Item cells, ruled lines, cleared rows and the settings changes, and every member given
// arguments that are not strings.
#include "AutomationFixture.h"
#include "automation/AutomationMethod.h"

#include "model/Koumoku.h"
#include "model/KoumokuData.h"

namespace tembra::test {
namespace {

using AutomationRowsTest = AutomationFixture;

TEST_F(AutomationRowsTest, ItemCellsTakeTextWithinTheTenColumns) {
    EXPECT_EQ(automation.AddKoumokuData(S("2"), S("3"), S("型枠")), Ok());
    ASSERT_NE(doc->GetKoumokuCells().GetKoumokuCell(2, 3), nullptr);
    EXPECT_EQ(doc->GetKoumokuCells().GetKoumokuCell(2, 3)->GetText(), "\x8c\x5e\x98\x67");
    EXPECT_EQ(automation.AddKoumokuData(S("2"), S("3"), S("again")), Ok());
    EXPECT_EQ(doc->GetKoumokuCells().GetKoumokuCell(2, 3)->GetText(), "again");
    for (const auto& [row, column] : {std::pair{"0", "10"}, {"-1", "0"}, {"0", "-1"}}) {
        EXPECT_EQ(automation.AddKoumokuData(S(row), S(column), S("x")), Refused())
            << row << "," << column;
    }
}

TEST_F(AutomationRowsTest, RuledLinesByTheBitsOfWhat) {
    EXPECT_EQ(automation.ModifyKeisenType(S("4"), S("1"), S("3"), S("2")), Ok());
    EXPECT_EQ(doc->GetKoumokuCells().GetKoumokuCell(4, 1)->GetKeisenWord1(), 2);
    EXPECT_EQ(doc->GetKoumokuCells().GetKoumokuCell(4, 1)->GetKeisenWord2(), 2);
    EXPECT_EQ(automation.ModifyKeisenType(S("4"), S("1"), S("1"), S("9")), Ok());
    EXPECT_EQ(doc->GetKoumokuCells().GetKoumokuCell(4, 1)->GetKeisenWord1(), 0);
    EXPECT_EQ(doc->GetKoumokuCells().GetKoumokuCell(4, 1)->GetKeisenWord2(), 2);
    EXPECT_EQ(automation.ModifyKeisenType(S("6"), S("0"), S("4"), S("5")), Ok());
    EXPECT_EQ(doc->GetKoumokuTable().GetKeisenType(6), 5);
    EXPECT_EQ(automation.ModifyKeisenType(S("10000"), S("0"), S("1"), S("1")), Refused());
    EXPECT_EQ(automation.ModifyKeisenType(S("0"), S("10"), S("1"), S("1")), Refused());
}

TEST_F(AutomationRowsTest, ClearLineClearsTheRowsInEitherOrderWithinTheTable) {
    struct Case {
        AutoArg first;
        AutoArg last;
        int firstCleared;
        int lastCleared;
    };
    const Case cases[] = {{S("10"), S("5"), 5, 10}, {S("-3"), S("2000"), 0, 999}};
    for (const Case& c : cases) {
        for (int row : {0, 4, 5, 10, 11, 999, 1000}) {
            ASSERT_EQ(automation.AddKoumokuData(std::to_string(row), S("0"), S("cell")), Ok());
        }
        automation.SetInsertLine(static_cast<short>(c.firstCleared));
        ASSERT_EQ(automation.TakeInData(S("2005/04/01"), S(""), S("in"), S("")), Ok());
        ASSERT_EQ(automation.RegularizeData(), Ok());

        EXPECT_EQ(automation.ClearLine(c.first, c.last), Ok());
        for (int row : {0, 4, 5, 10, 11, 999, 1000}) {
            const CKoumokuData* cell = doc->GetKoumokuCells().GetKoumokuCell(row, 0);
            const bool cleared = row >= c.firstCleared && row <= c.lastCleared;
            EXPECT_EQ(cell == nullptr || cell->GetText().empty(), cleared)
                << "row " << row << " after " << c.first.value_or("") << ".."
                << c.last.value_or("");
        }
        EXPECT_EQ(automation.GetEventCount(), AutoResult::I4(0));
    }
}

TEST_F(AutomationRowsTest, SettingsChangesAreCheckedAndWidenedBeforeTheyAreMade) {
    ASSERT_EQ(doc->GetSyokiSet().GetNobeMode(), 0);
    EXPECT_EQ(automation.LineChange(S("500")), Ok());
    EXPECT_EQ(settings.rows, 150);
    EXPECT_EQ(automation.LineChange(S("0")), Refused());
    EXPECT_EQ(automation.PaperChange(S("6")), Refused());
    EXPECT_EQ(automation.PaperChange(S("5")), Ok());
    EXPECT_EQ(settings.paper, 5);

    automation.SetMaeYohaku(3);
    automation.SetAtoYohaku(2);
    EXPECT_EQ(automation.KikanChange(S("2005/04/10"), S("2005/04/20")), Ok());
    EXPECT_EQ(settings.start, CTime(2005, 4, 7));
    EXPECT_EQ(settings.end, CTime(2005, 4, 22));
    automation.SetMaeYohaku(-1);
    EXPECT_EQ(automation.KikanChange(S("2005/04/10"), S("2005/04/20")), Ok());
    EXPECT_EQ(settings.start, CTime(2005, 4, 10));

    // Dates that are none, or that the margins push out of what a chart holds: nothing reaches
    // the settings.
    settings.start = CTime();
    automation.SetMaeYohaku(9999);
    EXPECT_EQ(automation.KikanChange(S("1991/01/10"), S("1991/04/20")), Refused());
    EXPECT_EQ(automation.KikanChange(S("2005/02/30"), S("2005/04/20")), Refused());
    EXPECT_EQ(automation.KikanChange(S("2005/04/10"), S("2005-04-20")), Refused());
    EXPECT_EQ(settings.start, CTime());

    // The elapsed-day turn is for elapsed-day charts only.
    EXPECT_EQ(automation.ChangeNobeToReki(S("1"), S("2005,04,01"), S("0"), S("1,1"), S("1")),
              Refused());
}

TEST_F(AutomationRowsTest, CalendarChangesRefusedOnAnElapsedDayChart) {
    doc->GetSyokiSet().SetNobeMode(1);
    EXPECT_EQ(automation.LineChange(S("20")), Refused());
    EXPECT_EQ(automation.PaperChange(S("1")), Refused());
    EXPECT_EQ(automation.KikanChange(S("2005/04/10"), S("2005/04/20")), Refused());
    EXPECT_EQ(settings.rows, -1);
    EXPECT_EQ(settings.paper, -1);

    // The conversion check refuses a scale part out of range; taken values arrive as read.
    EXPECT_EQ(automation.ChangeNobeToReki(S("3"), S("2005,04,01"), S("1"), S("0,1"), S("1")),
              Refused());
    EXPECT_EQ(automation.ChangeNobeToReki(S("3"), S("2005,04,01"), S("1"), S("2,1"), S("0")), Ok());
    EXPECT_EQ(settings.conversion.dayNumber, 3);
    EXPECT_EQ(settings.conversion.year, 2005);
    EXPECT_EQ(settings.conversion.holidayChoice, 1);
    EXPECT_EQ(settings.conversion.toRatio, 2);
    EXPECT_EQ(settings.conversion.fromRatio, 1);
    EXPECT_FALSE(settings.conversion.round);
}

TEST_F(AutomationRowsTest, ArgumentsThatAreNotStringsNeverCrash) {
    const char* names[] = {
        "FileSaveAs",     "HeaderItemSet",    "FileOpen",      "AppInit",        "HeaderItemGet",
        "GetFirstKoutei", "GetNextKoutei",    "GetFirstEvent", "GetNextEvent",   "GetKouteiCount",
        "GetEventCount",  "ChangeNobeToReki", "TakeInData",    "RegularizeData", "AdjustTakeInData",
        "AddKoumokuData", "ModifyKeisenType", "PaperChange",   "KikanChange",    "LineChange",
        "ClearLine",      "DocClose",         "AppClose"};
    // A cell and a process to keep: no argument may read as row 0.
    ASSERT_EQ(automation.AddKoumokuData(S("0"), S("0"), S("kept")), Ok());
    const std::vector<AutoArg> none(5);
    for (const char* name : names) {
        AutoResult result;
        ASSERT_TRUE(automation.Invoke(name, none, result)) << name;
        const bool failedOrEmpty = result.kind == AutoResult::Kind::None ||
                                   (result.kind == AutoResult::Kind::Text && result.text.empty()) ||
                                   result.number == 0;
        // Closing always answers -1 (a close option that is none closes without saving).
        const std::string n = name;
        EXPECT_TRUE(failedOrEmpty || n == "DocClose" || n == "AppClose") << name;
    }
    EXPECT_EQ(doc->GetKoumokuCells().GetKoumokuCell(0, 0)->GetText(), "kept");
    AutoResult result;
    EXPECT_FALSE(automation.Invoke("Quit", none, result));
}

// The bus describes each member's answer by the table: the member gives that kind of answer,
// whether it succeeds or not.
TEST_F(AutomationRowsTest, EveryMemberAnswersAsTheTableDescribesIt) {
    const std::vector<AutoArg> none(5);
    for (const AutomationMethod& method : AutomationMethods()) {
        AutoResult result;
        ASSERT_TRUE(automation.Invoke(method.name, none, result)) << method.name;
        EXPECT_EQ(result.kind, method.answer) << method.name;
        EXPECT_EQ(FindAutomationMethod(method.name), &method);
    }
    EXPECT_EQ(FindAutomationMethod("Quit"), nullptr);
}

} // namespace
} // namespace tembra::test
