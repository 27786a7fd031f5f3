// The plan sheet's texts without the widgets: which input areas the ten pages show and store,
// the line breaks between the header and the edits, the step edits, and the check list's rows.
#include "print/PrHeader.h"
#include "print/PrNewText.h"
#include "print/PrhMst03CheckList.h"
#include "print/PrhMst03Pages.h"
#include "print/PrhMst03Texts.h"

#include "PrTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;

CPrNewText& AddArea(CPrHeader& header, int kind, const std::string& name,
                    const std::string& contents) {
    auto text = std::make_unique<CPrNewText>(kind, kPrAreaHeader, CRect(0, 0, 10, -10), LOGFONT{},
                                             0, name, contents, 0, 0);
    CPrNewText& added = *text;
    header.AddElement(std::move(text));
    return added;
}

// Which names reach which page and item, and which the apply leaves alone.
TEST(PrhMst03Texts, SixDigitNamesOfPagesOneToTenOnly) {
    struct Case {
        const char* name;
        int kind;
        int page; // 0: shown on no page, left unchanged
        int item;
    };
    const Case cases[] = {
        {"010001", kPrKindNamedInput, 1, 1}, {"010014", kPrKindInput, 1, 14},
        {"020015", kPrKindInput, 2, 15},     {"100224", kPrKindInput, 10, 224},
        {"01001", kPrKindInput, 0, 0},       {"0100010", kPrKindInput, 0, 0},
        {"110001", kPrKindInput, 0, 0},      {"000001", kPrKindInput, 0, 0},
        {"010015", kPrKindInput, 0, 0},      {"010000", kPrKindInput, 0, 0},
        {"010002", kPrKindTitle, 0, 0},      {"010003", kPrKindFixedText, 0, 0},
        {"010004", kPrKindPeriod, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPrHeader header;
        CPrNewText& area = AddArea(header, c.kind, c.name, "old");
        CPrhMst03Texts texts;
        texts.LoadFrom(header);
        if (c.page != 0) {
            EXPECT_EQ(texts.StoreField(c.page, c.item), "old");
            texts.SetField(c.page, c.item, "new");
        } else {
            // Whatever the pages hold, the area keeps its text.
            for (const PrhMst03PageDef& def : PrhMst03Pages()) {
                for (int item = 1; item <= def.itemCount; ++item) {
                    EXPECT_EQ(texts.StoreField(def.page, item), "");
                    texts.SetField(def.page, item, "new");
                }
            }
        }
        texts.StoreInto(header);
        EXPECT_EQ(area.GetContents(), c.page != 0 ? "new" : "old");
    }
}

TEST(PrhMst03Texts, LineBreaksAreCrLfOnThePagesAndBackslashNInTheHeader) {
    struct Case {
        const char* stored;
        const char* shown;
        const char* storedBack;
    };
    const Case cases[] = {
        {"", "", ""},
        {"A\\nB", "A\r\nB", "A\\nB"},
        {"A\\n\\nB", "A\r\n\r\nB", "A\\n\\nB"},
        // Trailing line breaks are not kept.
        {"A\\n", "A\r\n", "A"},
        {"\\n", "\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        CPrHeader header;
        CPrNewText& area = AddArea(header, kPrKindInput, "030002", c.stored);
        CPrhMst03Texts texts;
        texts.LoadFrom(header);
        EXPECT_EQ(texts.StoreField(3, 2), c.shown);
        texts.StoreInto(header);
        EXPECT_EQ(area.GetContents(), c.storedBack);
    }
}

TEST(PrhMst03Texts, OutOfRangeFieldsAreIgnored) {
    CPrhMst03Texts texts;
    texts.SetField(3, 7, "x");
    texts.SetField(11, 1, "x");
    texts.SetField(1, 0, "x");
    EXPECT_EQ(texts.StoreField(3, 7), "");
    EXPECT_EQ(texts.StoreField(11, 1), "");
    EXPECT_EQ(texts.PageItems(3).size(), 6u);
    EXPECT_EQ(texts.PageItems(10).size(), 224u);
}

// The step edits of the work cycle pages wait for their labels; other edits never do.
TEST(PrhMst03Texts, StepEditsAreEnabledOnlyWithTheirLabel) {
    struct Case {
        int page;
        int edit;
        int label; // 0: always enabled
    };
    const Case cases[] = {
        {7, 10, 3},  {7, 15, 8},  {8, 10, 3}, {8, 13, 6}, {9, 8, 3}, {9, 11, 6},
        {9, 20, 18}, {9, 21, 19}, {7, 9, 0},  {9, 12, 0}, {1, 1, 0}, {5, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.page << "/" << c.edit);
        CPrhMst03Texts texts;
        EXPECT_EQ(texts.IsEditEnabled(c.page, c.edit), c.label == 0);
        if (c.label != 0) {
            texts.SetField(c.page, c.label, J("朝礼"));
            EXPECT_TRUE(texts.IsEditEnabled(c.page, c.edit));
        }
    }
}

// Every item of the ten pages is a label or an edit, as the pages were drawn up.
TEST(PrhMst03Pages, LabelsAndEditsOfThePages) {
    struct Case {
        int page;
        std::vector<int> edits;
    };
    const Case cases[] = {
        {1, {1, 3, 5, 6, 8, 10, 12, 14}},
        {2, {2, 4, 6, 8, 10, 12, 13, 14, 15}},
        {3, {2, 4, 6}},
        {5, {3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23}},
        {6, {3, 5, 7, 10, 12, 14, 16, 18}},
        {7, {10, 11, 12, 13, 14, 15}},
        {9, {8, 9, 10, 11, 20, 21}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        const PrhMst03PageDef* def = FindPrhMst03Page(c.page);
        ASSERT_NE(def, nullptr);
        std::vector<int> edits;
        for (int item = 1; item <= def->itemCount; ++item) {
            if (!def->IsLabel(item)) {
                edits.push_back(item);
            }
        }
        EXPECT_EQ(edits, c.edits);
    }
    EXPECT_EQ(FindPrhMst03Page(0), nullptr);
    EXPECT_EQ(FindPrhMst03Page(11), nullptr);
}

// ---- The check list -----------------------------------------------------------------------

class CheckListTest : public ::testing::Test {
protected:
    CheckListTest() {
        items[0] = J("No.");
        items[1] = J("書類名");
        // Row 0: items 8 to 14; row 1: items 15 to 21.
        items[7] = "1.";
        items[8] = J("施工体制台帳");
        items[11] = J("要");
        items[12] = J("2026・12・10");
        items[14] = "2.";
        items[15] = J("作業員名簿");
        items[18] = J("不要");
    }
    std::vector<std::string> items = std::vector<std::string>(224);
};

TEST_F(CheckListTest, ListLinesHeadingsAndLoadedRows) {
    CPrhMst03CheckList list(items);
    EXPECT_EQ(list.ListLine(0), J("1.施工体制台帳"));
    EXPECT_EQ(list.ListLine(1), J("2.作業員名簿"));
    EXPECT_EQ(list.ListLine(30), "");
    EXPECT_EQ(list.Heading(2), J("書類名"));

    const PrhMst03CheckRow first = list.LoadRow(0);
    EXPECT_EQ(first.item2, J("施工体制台帳"));
    EXPECT_EQ(first.submission, PrhMst03CheckRow::kRequired);
    EXPECT_EQ(first.date1, J("2026・12・10"));
    EXPECT_EQ(list.LoadRow(1).submission, PrhMst03CheckRow::kNotRequired);
    EXPECT_EQ(list.LoadRow(2).submission, PrhMst03CheckRow::kNone);
    items[4 * 7 + 4] = "?";
    EXPECT_EQ(list.LoadRow(3).submission, PrhMst03CheckRow::kNotRequired) << "anything but 要";
}

TEST_F(CheckListTest, StoringARow) {
    const std::string blank = CPrhMst03CheckList::BlankDate();
    EXPECT_EQ(blank, J("    ・  ・  "));
    struct Case {
        const char* what;
        PrhMst03CheckRow shown;
        std::string submission;
        std::string date1;
        std::string date2;
    };
    const Case cases[] = {
        {"three empty edits: no submission and no dates even with a choice",
         {"", "", "", PrhMst03CheckRow::kRequired, J("2026・1・1"), blank},
         "",
         "",
         ""},
        {"empty dates become the blank date, the blank date is kept",
         {J("台帳"), "", "", PrhMst03CheckRow::kRequired, "", blank},
         J("要"),
         blank,
         blank},
        {"trailing blanks of an edited date are cut, leading ones kept",
         {"", J("元請"), "", PrhMst03CheckRow::kNotRequired, J(" 2026・ 1・ 5  "),
          J("2026・1・6 ")},
         J("不要"),
         J(" 2026・ 1・ 5"),
         J("2026・1・6")},
        {"no choice counts as not required",
         {"", "", "3", PrhMst03CheckRow::kNone, "x", "y"},
         J("不要"),
         "x",
         "y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPrhMst03CheckList list(items);
        list.StoreRow(2, c.shown);
        const std::size_t base = 3 * 7;
        EXPECT_EQ(items[base + 1], c.shown.item2);
        EXPECT_EQ(items[base + 2], c.shown.item3);
        EXPECT_EQ(items[base + 3], c.shown.item4);
        EXPECT_EQ(items[base + 4], c.submission);
        EXPECT_EQ(items[base + 5], c.date1);
        EXPECT_EQ(items[base + 6], c.date2);
    }
}

TEST_F(CheckListTest, RestoreTakesTheRowBackFromTheCopyOfFirstDisplay) {
    CPrhMst03CheckList list(items);
    list.StoreRow(0, {J("変更"), "", "", PrhMst03CheckRow::kNotRequired, "", ""});
    list.TakeRestoreCopy();
    const PrhMst03CheckRow taken = list.LoadRow(0);
    list.StoreRow(0, {"", "", "", PrhMst03CheckRow::kNone, "", ""});
    list.StoreRow(1, {"x", "", "", PrhMst03CheckRow::kNone, "", ""});
    EXPECT_EQ(list.RestoreRow(0), taken);
    EXPECT_EQ(list.ListLine(0), J("1.変更"));
    EXPECT_EQ(list.LoadRow(1).item2, "x") << "other rows stay as edited";
    EXPECT_EQ(items[7], "1.") << "item 1 is not restored nor stored";
}

} // namespace
} // namespace tembra
