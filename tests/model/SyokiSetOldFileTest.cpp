// What older and damaged settings records hold when loaded: the old page block and names, cut
// texts, the term label and elapsed days of early versions, the layout file name, and a damaged
// record that fails to load without harming the one in memory.
#include "SyokiSetRecordFixture.h"

#include "platform/Archive.h"
#include "support/SettingsRecordBytes.h"

#include <functional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::FontText;
using test::MakeFont;
using test::PageText;
using test::SyokiSetTest;
using test::SyokiSetVersionTest;
using test::U;

// ---- What older files and damaged files hold ------------------------------------------------

void PutWordAt(Bytes& bytes, std::size_t at, WORD value) {
    bytes[at] = BYTE(value & 0xFF);
    bytes[at + 1] = BYTE(value >> 8);
}

TEST_F(SyokiSetVersionTest, Version50000WritesTheOldPageBlockAndTwoNames) {
    CSyokiSet written = MakeWritten();
    const Bytes bytes = StoreAt(written, 50000);
    // 80 bytes of page settings, then the two names in 129-byte fields.
    const std::string koumoku = U("工種");
    const std::string hizuke = U("日程");
    const std::string first(bytes.begin() + 80, bytes.begin() + 80 + 129);
    const std::string second(bytes.begin() + 209, bytes.begin() + 209 + 129);
    EXPECT_EQ(first, koumoku + std::string(129 - koumoku.size(), '\0'));
    EXPECT_EQ(second, hizuke + std::string(129 - hizuke.size(), '\0'));
    // The date-row style follows: its font begins with the date font's height.
    EXPECT_EQ(bytes[338], BYTE(-40));

    const CSyokiSet loaded = LoadAt(bytes, 50000);
    const CPrintArea& page = loaded.GetPageSetting();
    EXPECT_EQ(page.GetFooterRect().top, page.GetBodyRect().bottom);
    EXPECT_EQ(page.GetFooterRect().bottom, page.GetBodyRect().bottom);
    EXPECT_EQ(page.GetFooterRect().left, page.GetHeaderRect().left);
    EXPECT_EQ(page.GetFooterRect().right, page.GetHeaderRect().right);
    EXPECT_EQ(page.GetInsetRight(), page.GetInsetLeft());
    EXPECT_EQ(page.GetInsetLeft(), 11);
    EXPECT_EQ(loaded.GetChart().GetAreaNameSet().GetStyle(), CAreaNameSet::kStyleStandard);
}

TEST_F(SyokiSetVersionTest, OldAreaNameIsCutOnACharacterBoundary) {
    CSyokiSet written = MakeWritten();
    Bytes bytes = StoreAt(written, 50000);
    // 129 bytes without a terminator: "a" and 64 double-byte characters.
    bytes[80] = 'a';
    for (std::size_t i = 0; i < 64; ++i) {
        bytes[81 + 2 * i] = 0x82;
        bytes[82 + 2 * i] = 0xA0;
    }
    const std::string name = LoadAt(bytes, 50000).GetChart().GetAreaNameSet().GetKoumokuName();
    EXPECT_EQ(name.size(), 127u);
    EXPECT_EQ(name, Sjis::Cut(name, 128));
    EXPECT_EQ(name.substr(name.size() - 2), "\x82\xa0");

    // A name longer than its field is written cut on a character boundary as well.
    std::string longName = "a";
    for (int i = 0; i < 100; ++i) {
        longName += "\x82\xa0";
    }
    written.GetChart().GetAreaNameSet().SetKoumokuName(longName);
    const Bytes cut = StoreAt(written, 50000);
    EXPECT_EQ(cut[80 + 127], 0);
    EXPECT_EQ(LoadAt(cut, 50000).GetChart().GetAreaNameSet().GetKoumokuName().size(), 127u);
}

TEST_F(SyokiSetVersionTest, TermLabelBefore10000) {
    CSyokiSet written = MakeWritten();
    written.GetChart().GetYogoAttr().m_linkPosition = 5;
    const CSyokiSet loaded = LoadAt(StoreAt(written, 9999), 9999);
    const CElemAttr& yogo = loaded.GetChart().GetYogoAttr();
    EXPECT_EQ(yogo.m_linkPosition, 0); // only 0 (above) and 1 (below) are link positions
    EXPECT_EQ(yogo.m_lineSpace, app.GetChart().GetYogoAttr().m_lineSpace);
    EXPECT_EQ(yogo.m_firstSpace, app.GetChart().GetYogoAttr().m_firstSpace);
    EXPECT_EQ(FontText(yogo.GetLogFont()), FontText(MakeFont(-24, 12, "YogoF")));
    EXPECT_EQ(yogo.m_spare, 5);
}

TEST_F(SyokiSetVersionTest, ElapsedDayChartLoadsWithoutIrregularPeriods) {
    CSyokiSet written = MakeWritten();
    written.SetNobeMode(1);
    ASSERT_EQ(written.GetHensoku()->GetDataCount(), 1);
    const CSyokiSet loaded = LoadAt(StoreAt(written, kCurrentFileVersion), kCurrentFileVersion);
    EXPECT_EQ(loaded.GetNobeMode(), 1);
    EXPECT_EQ(loaded.GetHensoku()->GetDataCount(), 0);
    EXPECT_TRUE(loaded.GetHensoku()->GetDayList().empty());
    // The blocks after the periods are read as usual.
    EXPECT_EQ(loaded.GetLayoutDword(), 0x12345678u);
    EXPECT_EQ(FontText(loaded.GetPaperFont()), FontText(MakeFont(-60, 30, "PaperF")));
}

TEST_F(SyokiSetVersionTest, LayoutFileNameOnlyWhenTheLayoutFolderHoldsIt) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"OTHER.LYT", "OTHER.LYT"},
        {"NOPE.LYT", "MASTER01.LYT"},
        {"", "MASTER01.LYT"},
    };
    for (const Case& c : cases) {
        const CSyokiSet loaded =
            LoadAt(test::SettingsRecordBytes({.layoutName = c.name}), kCurrentFileVersion);
        EXPECT_EQ(loaded.GetPath().GetLayoutFileName(), c.expected) << c.name;
    }
}

TEST_F(SyokiSetTest, ProgressDateFormatIsCutToItsField) {
    // 30 single bytes and a double-byte character across the 31-byte limit.
    const std::string format = std::string(30, 'y') + "\x82\xa0" + "zz";
    const CSyokiSet loaded =
        LoadAt(test::SettingsRecordBytes({.dateFormat = format}), kCurrentFileVersion);
    EXPECT_EQ(loaded.GetShin().GetDateFormat(), std::string(30, 'y'));
}

TEST_F(SyokiSetTest, DamagedRecordFailsToLoadAndLeavesTheRecord) {
    test::SettingsRecordOffsets at;
    const Bytes golden = test::SettingsRecordBytes({}, &at);
    // Behind the period start: end, first and last row, shading, then the label unit and step,
    // three spare words, the fixed rows, four row kinds, the ruled-line unit and step.
    const std::size_t unit = at.period + 14;
    const std::size_t keisen = at.period + 36;
    // Values no chart can hold say "ファイルが異常です" and abandon the load; a stream that
    // simply ends is the archive's end of file, which the document reports.
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        bool damagedValue = true;
    };
    const Case cases[] = {
        {"a date-label unit outside the table", [&](Bytes& b) { PutWordAt(b, unit, 9); }},
        {"a step the unit does not have",
         [&](Bytes& b) {
             PutWordAt(b, unit, kUnitYear);
             PutWordAt(b, unit + 2, 2);
         }},
        {"a step index past the table", [&](Bytes& b) { PutWordAt(b, unit + 2, 10); }},
        {"a ruled-line unit outside the table", [&](Bytes& b) { PutWordAt(b, keisen, 6); }},
        {"a ruled-line step the unit does not have",
         [&](Bytes& b) {
             PutWordAt(b, keisen, kUnitWeek);
             PutWordAt(b, keisen + 2, 2);
         }},
        {"more item columns than the header has",
         [&](Bytes& b) { PutWordAt(b, at.columnCount, 11); }},
        {"no item column", [&](Bytes& b) { PutWordAt(b, at.columnCount, 0); }},
        {"the stream ends in the last block", [](Bytes& b) { b.pop_back(); }, false},
        {"the stream ends in the page block", [](Bytes& b) { b.resize(60); }, false},
    };
    for (const Case& c : cases) {
        Bytes bytes = golden;
        c.damage(bytes);
        CSyokiSet record = Defaults();
        record.SetStartDate(CTime(1999, 9, 9));
        record.GetHensoku()->AddData(std::make_unique<CHensokuData>());
        const CSyokiSet before = record;
        CMemFile file(bytes);
        CArchive ar(&file, CArchive::load);
        test::VersionDocument doc;
        ar.m_pDocument = &doc;
        test::ScopedUi ui;
        if (c.damagedValue) {
            EXPECT_THROW(record.Serialize(ar), CUserException) << c.what;
            ASSERT_EQ(ui->MessageBoxes().size(), 1u) << c.what;
            EXPECT_EQ(ui->MessageBoxes()[0].text, "ファイルが異常です") << c.what;
        } else {
            EXPECT_THROW(record.Serialize(ar), CArchiveException) << c.what;
            EXPECT_TRUE(ui->MessageBoxes().empty()) << c.what;
        }
        EXPECT_EQ(PageText(record.GetPageSetting()), PageText(before.GetPageSetting())) << c.what;
        EXPECT_EQ(record.GetStartDate(), before.GetStartDate()) << c.what;
        EXPECT_EQ(record.GetDateUnit(), before.GetDateUnit()) << c.what;
        EXPECT_EQ(record.GetHensoku()->GetDataCount(), 1) << c.what;
        EXPECT_EQ(record.GetChart().GetAreaNameSet().GetStdCells().size(), 2u) << c.what;
    }
    // Undamaged, the same bytes load.
    EXPECT_NO_THROW(LoadAt(golden, kCurrentFileVersion));
}

// A chart file goes on after the settings record; the archive must not hand out, to a later
// reference, a cell or a period that the load made and then let go.
TEST_F(SyokiSetTest, LaterReferencesDoNotReachWhatTheLoadLetGo) {
    // One area-name cell (its class is object index 1, the cell 2) and one irregular period
    // (class 3, period 4): the record needs no more to show it.
    CSyokiSet record = Defaults();
    CAreaNameSet& names = record.GetChart().GetAreaNameSet();
    names.RemoveAll();
    names.ReplaceKoumokuCell(std::make_unique<CAreaNameDataStd>(0));
    record.GetHensoku()->AddData(std::make_unique<CHensokuData>());
    constexpr WORD kCellIndex = 2;
    constexpr WORD kPeriodIndex = 4;
    // What follows the record's date-row block: the layout file name, the periods, the layout
    // words and the paper font.
    const std::size_t tail = 1 + record.GetPath().GetLayoutFileName().size() +
                             test::Store(*record.GetHensoku()).size() + 14 + 60;

    struct Case {
        const char* what;
        short nobeMode;
        WORD unit;  // a unit outside the table fails the load before the periods
        WORD index; // the object a later record refers to
    };
    const Case cases[] = {
        {"a cell of a loaded record", 0, kUnitDay, kCellIndex},
        {"a period of a loaded record", 0, kUnitDay, kPeriodIndex},
        {"a period an elapsed-day chart drops", 1, kUnitDay, kPeriodIndex},
        {"a cell of a record whose load failed", 0, 9, kCellIndex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        record.SetNobeMode(c.nobeMode);
        record.SetOption1(c.unit);
        Bytes bytes = StoreAt(record, kCurrentFileVersion);
        if (c.unit != kUnitDay) {
            // The load stops behind the date-row block: the reference stands there.
            bytes.resize(bytes.size() - tail);
        }
        bytes.push_back(BYTE(c.index));
        bytes.push_back(0);

        CMemFile file(bytes);
        CArchive ar(&file, CArchive::load);
        test::VersionDocument doc;
        ar.m_pDocument = &doc;
        CSyokiSet loaded;
        if (c.unit != kUnitDay) {
            EXPECT_THROW(loaded.Serialize(ar), CUserException);
        } else {
            loaded.Serialize(ar);
        }
        try {
            ar.ReadObject(RUNTIME_CLASS(CObject));
            ADD_FAILURE() << "a reference to an object that is gone was resolved";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
        }
    }
}

TEST_F(SyokiSetVersionTest, OldFileRechoosesTheThinningWhenItsProcessAreaNarrows) {
    CSyokiSet written = MakeWritten();
    written.SetOption1(kUnitYear);
    written.SetOption2(1);
    const Bytes bytes = StoreAt(written, 30000);

    // As stored, the layout's process area is as wide as the file's: the units stay.
    const CSyokiSet same = LoadAt(bytes, 30000);
    EXPECT_EQ(same.GetDateUnit(), kUnitYear);
    EXPECT_EQ(same.GetOption2(), 1);

    // A file whose process area was wider than the layout's gets the thinning of the new width.
    Bytes wide = bytes;
    PutWordAt(wide, 40 + 4, 9000); // the right edge of the process area
    const CSyokiSet narrowed = LoadAt(wide, 30000);
    CSyokiSet expected = same;
    ASSERT_EQ(expected.CalcDateThinning(), TRUE);
    EXPECT_EQ(narrowed.GetDateUnit(), expected.GetDateUnit());
    EXPECT_EQ(narrowed.GetOption2(), expected.GetOption2());
    EXPECT_EQ(narrowed.GetHolidayShade(), expected.GetHolidayShade());
    EXPECT_NE(narrowed.GetDateUnit(), kUnitYear);
    EXPECT_EQ(PageText(narrowed.GetPageSetting()), PageText(same.GetPageSetting()));
}

} // namespace
} // namespace tembra
