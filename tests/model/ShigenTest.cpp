#include "model/Shigen.h"

#include "platform/Archive.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;

class LabelDocument : public test::VersionDocument, public ILabelDocument {
public:
    LabelDocument() : VersionDocument(58000) { m_shigenFont.SetFaceName("ShigenFace"); }
    LOGFONT GetYogoFont() const override { return {}; }
    LOGFONT GetShigenFont() const override { return m_shigenFont; }
    int GetNobeMode() const override { return 0; }

    LOGFONT m_shigenFont;
};

Bytes Store(CObject& record) {
    LabelDocument doc;
    return test::Store(record, doc);
}

void Load(const Bytes& bytes, CObject& record) {
    LabelDocument doc;
    test::Load(bytes, record, doc);
}

std::vector<std::pair<WORD, WORD>> Entries(const CShigen& list) {
    std::vector<std::pair<WORD, WORD>> out;
    for (auto pos = list.GetHeadPosition(); pos != 0;) {
        const CShigenData* entry = list.GetNext(pos);
        out.emplace_back(entry->GetNumber(), entry->GetQuantity());
    }
    return out;
}

CShigenNameTable Master(const std::vector<std::pair<WORD, WORD>>& entries) {
    CShigenNameTable table;
    for (const auto& [number, quantity] : entries) {
        table.push_back(std::make_unique<CShigenName>(number, quantity, "name"));
    }
    return table;
}

TEST(ShigenTest, EntryRecordsGoldenBytes) {
    CShigenData data(3, 12);
    EXPECT_EQ(Store(data), (Bytes{0x03, 0x00, 0x0C, 0x00}));

    // "工程" in CP932.
    CShigenName name(2, 5, "\x8d\x48\x92\xf6");
    ByteWriter expected;
    expected.Word(2).Word(5).String("\x8d\x48\x92\xf6");
    const Bytes bytes = Store(name);
    EXPECT_EQ(bytes, expected.Get());
    CShigenName back;
    Load(bytes, back);
    EXPECT_EQ(back.GetNumber(), 2);
    EXPECT_EQ(back.GetQuantity(), 5);
    EXPECT_EQ(back.GetName(), "\x8d\x48\x92\xf6");
}

TEST(ShigenTest, ListGoldenBytesAndRoundTrip) {
    CShigen list;
    EXPECT_EQ(list.GetType(), kTypeKoutei);
    EXPECT_EQ(list.GetKind(), kKindShigen);
    list.GetAttr().m_form = 1;
    list.AddShigenData(std::make_unique<CShigenData>(1, 4));
    list.AddShigenData(std::make_unique<CShigenData>(3, 2));

    ByteWriter expected;
    expected.Word(1).Word(0).Word(5).Word(0).Word(0).Word(1000).Word(0).Word(0).Zeros(16);
    expected.Word(0).Word(0).Word(1).Zeros(40); // attribute head: form 1
    expected.Word(2);                           // entry count
    // First entry: a new class (schema 1, name), then its two words; the second refers to the
    // class by its index 1.
    expected.Word(0xFFFF).Word(1).Word(11).Raw("CShigenData").Word(1).Word(4);
    expected.Word(0x8001).Word(3).Word(2);
    const Bytes bytes = Store(list);
    EXPECT_EQ(bytes, expected.Get());

    CShigen back;
    Load(bytes, back);
    EXPECT_EQ(Entries(back), (std::vector<std::pair<WORD, WORD>>{{1, 4}, {3, 2}}));
    EXPECT_EQ(back.GetAttr().m_form, 1);
}

TEST(ShigenTest, FontIsStoredOnlyWithTheOwnFontFlag) {
    LOGFONT own;
    own.lfHeight = -20;
    own.SetFaceName("Own");
    for (short flag : {0, 1}) {
        SCOPED_TRACE(flag);
        CShigen list;
        list.GetAttr().m_ownFont = flag;
        list.SetLogFont(own);
        const Bytes bytes = Store(list);
        EXPECT_EQ(bytes.size(), 32u + 46u + (flag ? 50u : 0u) + 2u);
        CShigen back;
        Load(bytes, back);
        EXPECT_EQ(back.GetLogFont(), flag ? own : LabelDocument().m_shigenFont);
    }
}

TEST(ShigenTest, BuildFromMasterTakesTheNonZeroQuantities) {
    struct Case {
        std::vector<std::pair<WORD, WORD>> master;
        BOOL result;
        std::vector<std::pair<WORD, WORD>> entries;
    };
    const std::vector<Case> cases = {
        {{}, FALSE, {}},
        {{{1, 0}, {2, 0}}, FALSE, {}},
        {{{1, 0}, {2, 3}, {3, 0}, {4, 1}}, TRUE, {{2, 3}, {4, 1}}},
    };
    for (const Case& c : cases) {
        CShigen list;
        EXPECT_EQ(list.BuildFromMaster(Master(c.master)), c.result);
        EXPECT_EQ(Entries(list), c.entries);
        EXPECT_EQ(list.GetCount(), static_cast<int>(c.entries.size()));
    }
}

TEST(ShigenTest, RemapNumbersTakesTheTablesNumbers) {
    CShigen list;
    for (WORD number : {1, 2, 3, 0, 9}) {
        list.AddShigenData(std::make_unique<CShigenData>(number, 1));
    }
    // Entry i of the table gives the new number of resource i + 1; numbers that do not index
    // the table (0, 9) stay.
    CShigenNameTable table = Master({{4, 0}, {2, 0}, {1, 0}});
    list.RemapNumbers(table);
    EXPECT_EQ(Entries(list),
              (std::vector<std::pair<WORD, WORD>>{{4, 1}, {2, 1}, {1, 1}, {0, 1}, {9, 1}}));
}

TEST(ShigenTest, CopyMakesAnIndependentListOfPlainEntries) {
    CShigen source;
    source.SetLayer(3);
    source.GetAttr().m_color = RGB(0, 0, 255);
    source.AddShigenData(std::make_unique<CShigenName>(1, 2, "named"));
    source.AddShigenData(std::make_unique<CShigenData>(2, 7));

    CShigen copy;
    copy.AddShigenData(std::make_unique<CShigenData>(9, 9));
    copy.CopyFrom(source);
    EXPECT_EQ(copy.GetLayer(), 3);
    EXPECT_EQ(copy.GetAttr().m_color, RGB(0, 0, 255));
    EXPECT_EQ(Entries(copy), Entries(source));
    EXPECT_NE(copy.GetEntries()[0].get(), source.GetEntries()[0].get());
    EXPECT_EQ(copy.GetEntries()[0]->GetRuntimeClass(), RUNTIME_CLASS(CShigenData));

    copy.CopyFrom(copy);
    EXPECT_EQ(copy.GetCount(), 2);
    source.RemoveAll();
    EXPECT_EQ(copy.GetCount(), 2);
    EXPECT_EQ(source.GetHeadPosition(), 0u);
}

TEST(ShigenTest, DamagedEntryListsAreRefused) {
    const Bytes head = [] {
        ByteWriter w;
        w.Word(1).Word(0).Word(5).Word(0).Word(0).Word(1000).Word(0).Word(0).Zeros(16).Zeros(46);
        return w.Get();
    }();
    struct Case {
        const char* what;
        Bytes list;
        int cause;
    };
    ByteWriter nullEntry;
    nullEntry.Word(1).Word(0);
    ByteWriter backReference;
    backReference.Word(2).Word(0xFFFF).Word(1).Word(11).Raw("CShigenData").Word(1).Word(1);
    backReference.Word(2); // the first entry again
    ByteWriter wrongClass;
    wrongClass.Word(1).Word(0xFFFF).Word(1).Word(9).Raw("CLayerSet");
    ByteWriter shortList;
    shortList.Word(3).Word(0xFFFF).Word(1).Word(11).Raw("CShigenData").Word(1).Word(1);
    const std::vector<Case> cases = {
        {"null entry", nullEntry.Get(), CArchiveException::badClass},
        {"second reference", backReference.Get(), CArchiveException::badIndex},
        {"wrong class", wrongClass.Get(), CArchiveException::badClass},
        {"short list", shortList.Get(), CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = head;
        bytes.insert(bytes.end(), c.list.begin(), c.list.end());
        CShigen list;
        list.AddShigenData(std::make_unique<CShigenData>(5, 5));
        try {
            Load(bytes, list);
            ADD_FAILURE() << "loaded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause);
        }
        // A failed load leaves the entries the list had.
        EXPECT_EQ(Entries(list), (std::vector<std::pair<WORD, WORD>>{{5, 5}}));
    }
}

// ---- Label lines --------------------------------------------------------------------------------

CShigenNameTable Names(const std::vector<std::string>& names) {
    CShigenNameTable table;
    WORD number = 1;
    for (const std::string& name : names) {
        table.push_back(std::make_unique<CShigenName>(number++, 0, name));
    }
    return table;
}

std::unique_ptr<CShigen> List(const std::vector<std::pair<WORD, WORD>>& entries) {
    auto list = std::make_unique<CShigen>();
    for (const auto& [number, amount] : entries) {
        list->AddShigenData(std::make_unique<CShigenData>(number, amount));
    }
    return list;
}

// Names of 6 and 8 bytes with amounts 12 and 3: the shorter name is padded with two blanks and
// both amounts are two wide; an index past the entries, or -1, gives the widest line.
TEST(ShigenLabelTest, LinesArePaddedToTheLongestNameAndTheWidestAmount) {
    const CShigenNameTable table = Names({"Worker", "Crane A1"});
    const auto list = List({{1, 12}, {2, 3}});
    struct Case {
        int index;
        const char* line;
    };
    const std::vector<Case> cases = {
        {0, "[Worker   12]"},
        {1, "[Crane A1  3]"},
        {-1, "[Crane A1 12]"},
        {2, "[Crane A1 12]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(GetShigenLabel(*list, table, c.index), c.line);
    }
    int nameLength = 0;
    int amount = 0;
    MeasureShigenList(*list, table, nameLength, amount);
    EXPECT_EQ(nameLength, 8);
    EXPECT_EQ(amount, 12);
}

// Entries without an amount take no part in the widths and show the widest line; a number
// without a table entry (0, past the table) has an empty name; names are counted in bytes of
// their CP932 text.
TEST(ShigenLabelTest, EntriesWithoutAmountOrNameAndDoubleByteNames) {
    // "鉄筋工" is six bytes in CP932.
    const CShigenNameTable table = Names({"\x93\x53\x8b\xd8\x8d\x48", "A very long name"});
    const auto list = List({{1, 120}, {2, 0}, {0, 7}, {9, 45}});
    EXPECT_EQ(GetShigenLabel(*list, table, 0), "[\x93\x53\x8b\xd8\x8d\x48 120]");
    EXPECT_EQ(GetShigenLabel(*list, table, 1), "[\x93\x53\x8b\xd8\x8d\x48 120]");
    EXPECT_EQ(GetShigenLabel(*list, table, 2), "[         7]");
    EXPECT_EQ(GetShigenLabel(*list, table, 3), "[        45]");
    int nameLength = 0;
    int amount = 0;
    MeasureShigenList(*list, table, nameLength, amount);
    EXPECT_EQ(nameLength, 6);
    EXPECT_EQ(amount, 120);

    // Nothing with an amount: no name, amount 0.
    const auto idle = List({{2, 0}});
    MeasureShigenList(*idle, table, nameLength, amount);
    EXPECT_EQ(nameLength, 0);
    EXPECT_EQ(amount, 0);
    EXPECT_EQ(GetShigenLabel(*idle, table, 0), "[ 0]");
}

TEST(ShigenLabelTest, NamesOfTheTableByPosition) {
    CShigenNameTable table = Names({"Worker", ""});
    table.push_back(nullptr);
    std::string name = "kept";
    EXPECT_EQ(GetShigenName(table, 0, name), 6);
    EXPECT_EQ(name, "Worker");
    EXPECT_EQ(GetShigenName(table, 1, name), 0);
    EXPECT_EQ(name, "");
    EXPECT_EQ(GetShigenName(table, 2, name), 0);
    name = "kept";
    EXPECT_EQ(GetShigenName(table, 3, name), -1);
    EXPECT_EQ(GetShigenName(table, -1, name), -1);
    EXPECT_EQ(name, "kept");
}

} // namespace
} // namespace tembra
