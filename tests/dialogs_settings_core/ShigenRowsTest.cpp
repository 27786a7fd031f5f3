// The resource windows' rows over a document's table: which controls a page enables, how typing
// a name grows the table, paging, the quantities a typed text gives, and what the edit window
// shows of a process.
#include "dialogs/settings/core/ShigenRows.h"

#include "document/DocTestSupport.h"
#include "model/Koutei.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::J;

void SetNames(CShigenNameTable& table, int count) {
    table.clear();
    for (int i = 0; i < count; ++i) {
        table.push_back(std::make_unique<CShigenName>(static_cast<WORD>(i + 1),
                                                      static_cast<WORD>(10 * (i + 1)),
                                                      "r" + std::to_string(i + 1)));
    }
}

// Per row "NQ": name and quantity enabled (upper case) or disabled ("-").
std::string Enabled(const CShigenRows& rows) {
    std::string states;
    for (const ShigenRow& row : rows.Rows()) {
        states += row.nameEnabled ? 'N' : '-';
        states += row.quantityEnabled ? 'Q' : '-';
        states += ' ';
    }
    return states;
}

std::vector<std::string> Quantities(const CShigenRows& rows) {
    std::vector<std::string> texts;
    for (const ShigenRow& row : rows.Rows()) {
        texts.push_back(row.quantity);
    }
    return texts;
}

std::vector<int> TableQuantities(const CShigenNameTable& table) {
    std::vector<int> quantities;
    for (const auto& entry : table) {
        quantities.push_back(entry->GetQuantity());
    }
    return quantities;
}

class ShigenRowsTest : public testing::Test {
protected:
    test::ScopedAppState app;
    test::ScopedUi ui;
    CTembraDoc doc;
    CShigenRows rows;
};

TEST_F(ShigenRowsTest, AnEmptyTableGrowsFromTheFirstFreeSlot) {
    rows.Bind(&doc.GetShigenNames());
    EXPECT_EQ(Enabled(rows), "N- -- -- -- -- ");
    EXPECT_FALSE(rows.NextEnabled());
    EXPECT_FALSE(rows.PrevEnabled());
    EXPECT_EQ(rows.Fill(), ShigenFocus::FirstName);

    ASSERT_TRUE(rows.SetName(0, J("大工")));
    ASSERT_EQ(doc.GetShigenNames().size(), 1u);
    EXPECT_EQ(doc.GetShigenNames()[0]->GetNumber(), 1);
    EXPECT_EQ(doc.GetShigenNames()[0]->GetName(), J("大工"));
    EXPECT_EQ(Enabled(rows), "NQ N- -- -- -- ");
    // Typing on in the same row renames the entry; emptying it keeps one blank.
    ASSERT_TRUE(rows.SetName(0, ""));
    EXPECT_EQ(doc.GetShigenNames().size(), 1u);
    EXPECT_EQ(doc.GetShigenNames()[0]->GetName(), " ");
    // A row past the free slot takes no name.
    EXPECT_FALSE(rows.SetName(2, "x"));
    EXPECT_EQ(doc.GetShigenNames().size(), 1u);
}

TEST_F(ShigenRowsTest, TheFifthNameOpensTheNextPageOnItsFreeSlot) {
    SetNames(doc.GetShigenNames(), 4);
    rows.Bind(&doc.GetShigenNames());
    EXPECT_EQ(Enabled(rows), "NQ NQ NQ NQ N- ");
    EXPECT_FALSE(rows.NextEnabled());
    ASSERT_TRUE(rows.SetName(4, "r5"));
    EXPECT_TRUE(rows.NextEnabled());

    EXPECT_EQ(rows.Next(), ShigenFocus::FirstName);
    EXPECT_EQ(rows.First(), 5);
    EXPECT_EQ(Enabled(rows), "N- -- -- -- -- ");
    EXPECT_TRUE(rows.PrevEnabled());
    EXPECT_FALSE(rows.NextEnabled());

    ASSERT_TRUE(rows.SetName(0, "r6"));
    EXPECT_EQ(doc.GetShigenNames()[5]->GetNumber(), 6);
    EXPECT_EQ(rows.Previous(), ShigenFocus::FirstQuantity);
    EXPECT_EQ(rows.First(), 0);
    EXPECT_EQ(rows.Rows()[4].name, "r5");
    EXPECT_TRUE(rows.NextEnabled());
    EXPECT_EQ(rows.Next(), ShigenFocus::FirstQuantity) << "the page shows an entry";
    EXPECT_EQ(rows.Rows()[0].name, "r6");
}

TEST_F(ShigenRowsTest, QuantitiesAreSixteenBitNumbersOrRefused) {
    SetNames(doc.GetShigenNames(), 2);
    rows.Bind(&doc.GetShigenNames());
    struct Case {
        const char* text;
        bool taken;
        int stored; // entry 2's quantity afterwards
    };
    const Case cases[] = {
        {"7", true, 7},    {" 65535 ", true, 65535}, {"", true, 0},     {"70000", false, 0},
        {"abc", false, 0}, {"-1", false, 0},         {"12x", false, 0},
    };
    for (const Case& c : cases) {
        doc.GetShigenNames()[1]->SetQuantity(0);
        EXPECT_EQ(rows.SetQuantity(1, c.text), c.taken) << c.text;
        EXPECT_EQ(doc.GetShigenNames()[1]->GetQuantity(), c.stored) << c.text;
        EXPECT_EQ(doc.GetShigenNames()[0]->GetQuantity(), 10) << c.text;
    }
    const std::vector<CShigenData> entries = rows.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].GetNumber(), 1);
    EXPECT_EQ(entries[0].GetQuantity(), 10);
}

TEST_F(ShigenRowsTest, ShowingAProcessLoadsItsQuantitiesIntoTheTableAndThePage) {
    SetNames(doc.GetShigenNames(), 7);
    rows.Bind(&doc.GetShigenNames());
    struct Case {
        const char* what;
        int first; // the page shown
        std::vector<std::pair<WORD, WORD>> resources;
        std::vector<int> table;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"no resources", 0, {}, {0, 0, 0, 0, 0, 0, 0}, {"", "", "", "", ""}},
        {"on the page", 0, {{2, 4}, {5, 9}}, {0, 4, 0, 0, 9, 0, 0}, {"", "4", "", "", "9"}},
        {"off the page", 0, {{6, 3}}, {0, 0, 0, 0, 0, 3, 0}, {"", "", "", "", ""}},
        {"on the second page", 5, {{6, 3}, {1, 2}}, {2, 0, 0, 0, 0, 3, 0}, {"3", "", "", "", ""}},
        {"numbered 0 and above the count",
         0,
         {{0, 5}, {8, 6}, {3, 1}},
         {0, 0, 1, 0, 0, 0, 0},
         {"", "", "1", "", ""}},
    };
    for (const Case& c : cases) {
        SetNames(doc.GetShigenNames(), 7);
        rows.Bind(&doc.GetShigenNames());
        if (c.first > 0) {
            rows.Next();
        }
        CKoutei process;
        for (const auto& [number, quantity] : c.resources) {
            process.GetShigen()->AddShigenData(std::make_unique<CShigenData>(number, quantity));
        }
        rows.ShowKoutei(&process, doc);
        EXPECT_EQ(TableQuantities(doc.GetShigenNames()), c.table) << c.what;
        EXPECT_EQ(Quantities(rows), c.texts) << c.what;
    }
}

TEST_F(ShigenRowsTest, TheEditWindowShowsTheWorkNameAndTheDays) {
    SetNames(doc.GetShigenNames(), 1);
    rows.Bind(&doc.GetShigenNames());
    CKoutei process;
    process.SetStartDate(test::Day(2005, 6, 1));
    process.SetEndDate(test::Day(2005, 6, 9));
    process.SetSpareDays(CTimeSpan(2, 0, 0, 0));

    ShigenKouteiTexts texts = rows.ShowKoutei(&process, doc);
    EXPECT_EQ(texts.workName, "") << "no term";
    EXPECT_EQ(texts.realDays, J("6日"));
    EXPECT_EQ(texts.totalDays, J("6日"));

    auto term = std::make_unique<CYogo>();
    term->SetText(J("型枠"));
    ASSERT_TRUE(process.AddYogo(term, TRUE));
    texts = rows.ShowKoutei(&process, doc);
    EXPECT_EQ(texts.workName, J("型枠"));

    // None (nothing selected, or an event first in the selection): empty texts, every
    // quantity 0.
    texts = rows.ShowKoutei(nullptr, doc);
    EXPECT_EQ(texts.workName, "");
    EXPECT_EQ(texts.realDays, "");
    EXPECT_EQ(texts.totalDays, "");
    EXPECT_EQ(TableQuantities(doc.GetShigenNames()), std::vector<int>{0});
}

} // namespace
} // namespace tembra
