#include "model/Shincyoku.h"

#include "model/DamagedFile.h"
#include "platform/Archive.h"
#include "support/ArchiveBytes.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;

// Local dates of the chart zone (UTC+9) as the seconds a file holds.
constexpr DWORD k20000401 = 954514800;
constexpr DWORD k20000403 = 954687600;
constexpr DWORD k20000410 = 955292400;

// A document whose progress-line settings differ from every value a test line holds, so that
// what a load takes from them shows.
class ShinDocument : public test::VersionDocument, public IShincyokuDocument {
public:
    explicit ShinDocument(int version = 58000) : VersionDocument(version) {
        m_config.SetDateColor(RGB(0, 128, 0));
        m_config.SetDateValue1(11);
        m_config.SetDateValue2(-12);
        m_config.SetDateDisp(1);
        m_config.SetDateFormat("yy/mm/dd");
        LOGFONT font;
        font.lfHeight = -30;
        font.SetFaceName("SettingsFace");
        m_config.SetLogFont(font);
    }
    const CConfigShin& GetShinConfig() const override { return m_config; }

    CConfigShin m_config;
};

LOGFONT OwnFont() {
    LOGFONT font;
    font.lfHeight = -12;
    font.lfWeight = FW_BOLD;
    font.SetFaceName("OwnFace");
    return font;
}

// The line of the golden bytes: reference date 2000-04-01, rows 0 and 1 on 04-03 and 04-10.
void FillSample(CShincyoku& line) {
    line.SetDate(CTime(k20000401));
    CShinLineAttr& attr = line.GetLineAttr();
    attr.m_style = 1;
    attr.m_subStyle = 2;
    attr.m_type = 3;
    attr.m_width = 2;
    attr.m_color = RGB(255, 0, 0);
    attr.m_linked = 1;
    CShinLabelAttr& label = line.GetLabelAttr();
    label.m_dateColor = RGB(0, 0, 255);
    label.m_dateValue1 = 5;
    label.m_dateValue2 = 6;
    label.m_dateDisp = 1;
    label.SetText("mm/dd");
    line.SetPointDate(0, CTime(k20000403));
    line.SetPointDate(1, CTime(k20000410));
}

ByteWriter SampleBytesBeforeLabels() {
    ByteWriter w;
    w.Header(kTypeShincyoku, kKindShincyoku);
    w.Word(2).NewClass(1, "CShinPoint").Dword(k20000403).Word(0x8001).Dword(k20000410);
    w.Dword(k20000401);
    w.Word(1).Word(2).Word(3).Word(2).Dword(0x0000FF).Word(1);
    w.Zeros(CShincyoku::kReservedSize);
    return w;
}

Bytes Store(CShincyoku& line, int version) {
    ShinDocument doc(version);
    return test::Store(line, doc);
}

void Load(const Bytes& bytes, CShincyoku& line, int version = 58000) {
    ShinDocument doc(version);
    test::Load(bytes, line, doc);
}

// ---- The line and its points --------------------------------------------------------------

TEST(ShincyokuTest, ANewLineIsAnEmptyProgressRecord) {
    CShincyoku line;
    EXPECT_EQ(line.GetType(), kTypeShincyoku);
    EXPECT_EQ(line.GetKind(), kKindShincyoku);
    EXPECT_EQ(line.GetWord6(), kHeaderWord6Default);
    EXPECT_EQ(line.GetPointCount(), 0);
    EXPECT_EQ(line.GetDate().GetTime(), 0);
    EXPECT_EQ(line.GetLineAttr(), CShinLineAttr{});
    EXPECT_EQ(line.GetLabelAttr(), CShinLabelAttr{});
}

TEST(ShincyokuTest, EveryRowReadsTheReferenceDateUnlessItsPointHasADate) {
    CShincyoku line;
    line.SetDate(CTime(k20000401));
    line.SetPointDate(2, CTime(k20000403));
    line.SetPointValue(4, 3); // a point with date 0

    struct Case {
        int row;
        bool hasPoint;
        DWORD date;
    };
    const std::vector<Case> cases = {
        {-1, false, k20000401},      {0, false, k20000401}, {2, true, k20000403},
        {4, true, k20000401},        {5, false, k20000401}, {CShincyoku::kMaxRow, false, k20000401},
        {1 << 20, false, k20000401},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(line.GetPoint(c.row) != nullptr, c.hasPoint);
        EXPECT_EQ(line.GetPointDate(c.row).GetTime(), c.date);
        EXPECT_EQ(line.IsOffReference(c.row), c.date != k20000401);
    }
    EXPECT_EQ(line.GetPointCount(), 5);
}

TEST(ShincyokuTest, SettingAPointDateCreatesTheRowsPointAndTheReferenceDateDeletesIt) {
    CShincyoku line;
    line.SetDate(CTime(k20000401));
    EXPECT_EQ(line.SetPointDate(3, CTime(k20000403)), TRUE);
    EXPECT_EQ(line.SetPointDate(5, CTime(k20000410)), TRUE);
    EXPECT_EQ(line.GetPointCount(), 6);
    EXPECT_EQ(line.GetPoint(0), nullptr);

    // A new date clears the run-time value.
    line.SetPointValue(3, 7);
    line.SetPointDate(3, CTime(k20000410));
    EXPECT_EQ(line.GetPointValue(3), 0);
    EXPECT_EQ(line.GetPointDate(3).GetTime(), k20000410);

    // Back on the reference date the point goes, and the rows below keep theirs.
    EXPECT_EQ(line.SetPointDate(3, CTime(k20000401)), TRUE);
    EXPECT_EQ(line.GetPoint(3), nullptr);
    EXPECT_EQ(line.GetPointDate(3).GetTime(), k20000401);
    EXPECT_EQ(line.GetPointDate(5).GetTime(), k20000410);
    EXPECT_EQ(line.GetPointCount(), 6);
}

TEST(ShincyokuTest, RowsOutsideTheChartAreRefused) {
    CShincyoku line;
    line.SetDate(CTime(k20000401));
    for (int row : {-1, CShincyoku::kMaxRow + 1, 1 << 30}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(line.SetPointDate(row, CTime(k20000403)), FALSE);
        line.SetPointValue(row, 1);
        EXPECT_EQ(line.GetPointCount(), 0);
        EXPECT_EQ(line.GetPointValue(row), 0);
    }
    EXPECT_EQ(line.SetPointDate(CShincyoku::kMaxRow, CTime(k20000403)), TRUE);
    EXPECT_EQ(line.GetPointCount(), CShincyoku::kMaxRow + 1);
}

TEST(ShincyokuTest, PointValuesCreateAndDropOnlyPointsThatCarryNothingElse) {
    struct Case {
        const char* name;
        DWORD pointDate; // 0: no point before the call
        bool hasPointBefore;
        short value;
        bool hasPointAfter;
        short valueAfter;
    };
    const std::vector<Case> cases = {
        {"no point, value 0: nothing", 0, false, 0, false, 0},
        {"no point, value set: a point without date", 0, false, 4, true, 4},
        {"own date, value set", k20000403, true, 4, true, 4},
        {"own date, value 0: the date stays", k20000403, true, 0, true, 0},
        {"reference date, value 0: dropped", k20000401, true, 0, false, 0},
        {"date 0, value 0: dropped", 0, true, 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CShincyoku line;
        line.SetDate(CTime(k20000401));
        if (c.hasPointBefore) {
            line.SetPointValue(2, 9);
            line.GetPoint(2)->SetDate(CTime(c.pointDate));
        }
        line.SetPointValue(2, c.value);
        EXPECT_EQ(line.GetPoint(2) != nullptr, c.hasPointAfter);
        EXPECT_EQ(line.GetPointValue(2), c.valueAfter);
        EXPECT_EQ(line.GetPointDate(2).GetTime(), c.pointDate == 0 ? k20000401 : c.pointDate);
    }
}

TEST(ShincyokuTest, ACopyOwnsItsOwnPointsAndKeepsTheLabelFont) {
    CShincyoku source;
    FillSample(source);
    source.SetLayer(4);
    source.SetSelected(2);
    source.GetLabelAttr().m_ownFont = 1;
    source.SetLogFont(OwnFont());
    source.SetPointValue(1, 6);

    CShincyoku copy;
    copy.SetPointDate(7, CTime(k20000403));
    copy.CopyFrom(source);
    EXPECT_EQ(copy.GetLayer(), 4);
    EXPECT_EQ(copy.IsSelected(), 2);
    EXPECT_EQ(copy.GetDate(), source.GetDate());
    EXPECT_EQ(copy.GetLineAttr(), source.GetLineAttr());
    EXPECT_EQ(copy.GetLabelAttr(), source.GetLabelAttr());
    EXPECT_EQ(copy.GetLogFont(), OwnFont());
    ASSERT_EQ(copy.GetPointCount(), 2);
    EXPECT_NE(copy.GetPoint(0), source.GetPoint(0));
    EXPECT_EQ(copy.GetPointDate(1).GetTime(), k20000410);
    EXPECT_EQ(copy.GetPointValue(1), 6);

    copy.SetPointDate(0, CTime(k20000410));
    EXPECT_EQ(source.GetPointDate(0).GetTime(), k20000403);

    copy.CopyFrom(copy);
    EXPECT_EQ(copy.GetPointCount(), 2);
    EXPECT_EQ(copy.GetPointDate(0).GetTime(), k20000410);
}

// Rows 2, 3 and 6 leave the reference date.
TEST(ShincyokuTest, JoinsReachTheNearestOffRowWithinKRowsAndTheDisplayedRows) {
    CShincyoku line;
    line.SetDate(CTime(k20000401));
    line.SetPointDate(2, CTime(k20000403));
    line.SetPointDate(3, CTime(k20000403));
    line.SetPointDate(6, CTime(k20000410));

    struct Case {
        WORD k;
        int row;
        int first;
        int last;
        int above;
        int below;
    };
    const std::vector<Case> cases = {
        {0, 3, 0, 10, -1, -1}, // K = 0: every point stands alone (a V)
        {1, 3, 0, 10, 2, -1},  {1, 2, 0, 10, -1, 3},      {2, 4, 0, 10, 3, 6},
        {3, 6, 0, 10, 3, -1},  {2, 6, 0, 10, -1, -1},     {1, 3, 3, 10, -1, -1},
        {1, 2, 0, 2, -1, -1},  {0xFFFF, 6, 0, 10, 3, -1}, {0xFFFF, 0, 0, 10, -1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "K " << c.k << " row " << c.row);
        line.GetLineAttr().m_linked = c.k;
        EXPECT_EQ(line.FindJoinAbove(c.row, c.first), c.above);
        EXPECT_EQ(line.FindJoinBelow(c.row, c.last), c.below);
    }
}

TEST(ShincyokuTest, DateLabelsFormatThePointsDateWithTheLabelFormat) {
    CShincyoku line;
    FillSample(line);
    line.SetPointValue(3, 1); // a point without a date of its own

    struct Case {
        const char* format;
        int row;
        BOOL drawn;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"mm/dd", 0, TRUE, "04/03"}, {"yyyy/mm/dd hh:MM", 1, TRUE, "2000/04/10 00:00"},
        {"m/d", 0, TRUE, "4/3"},     {"mm/dd", 2, FALSE, ""},
        {"mm/dd", -1, FALSE, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        line.GetLabelAttr().SetText(c.format);
        std::string text;
        EXPECT_EQ(line.FormatDateLabel(c.row, text), c.drawn);
        EXPECT_EQ(text, c.text);
    }
    std::string text;
    EXPECT_EQ(line.FormatDateLabel(3, text), TRUE);
}

// ---- The file form ------------------------------------------------------------------------

TEST(ShincyokuFileTest, GoldenBytesAt58000) {
    CShincyoku line;
    FillSample(line);
    ByteWriter expected = SampleBytesBeforeLabels();
    expected.Word(0).Dword(0xFF0000).Dword(5).Dword(6).Dword(1).String("mm/dd");
    EXPECT_EQ(Store(line, 58000), expected.Get());
}

TEST(ShincyokuFileTest, BeforeVersion58000TheLineEndsAfterItsReservedBytes) {
    CShincyoku line;
    FillSample(line);
    line.GetLabelAttr().m_ownFont = 1;
    for (int version : {2000, 31000, 57000}) {
        SCOPED_TRACE(version);
        EXPECT_EQ(Store(line, version), SampleBytesBeforeLabels().Get());
    }
}

TEST(ShincyokuFileTest, MissingPointsAreNullReferences) {
    CShincyoku line;
    line.SetDate(CTime(k20000401));
    line.SetPointDate(1, CTime(k20000403));
    line.SetPointDate(3, CTime(k20000410));
    line.SetPointDate(3, CTime(k20000401));

    ByteWriter expected;
    expected.Header(kTypeShincyoku, kKindShincyoku);
    expected.Word(4).Word(0).NewClass(1, "CShinPoint").Dword(k20000403).Word(0).Word(0);
    expected.Dword(k20000401).Zeros(14).Zeros(32);
    expected.Word(0).Dword(0).Dword(0).Dword(0).Dword(0).String("");
    const Bytes bytes = Store(line, 58000);
    EXPECT_EQ(bytes, expected.Get());

    CShincyoku back;
    Load(bytes, back);
    ASSERT_EQ(back.GetPointCount(), 4);
    EXPECT_EQ(back.GetPoint(0), nullptr);
    EXPECT_EQ(back.GetPointDate(1).GetTime(), k20000403);
    EXPECT_EQ(back.GetPoint(2), nullptr);
    EXPECT_EQ(back.GetPoint(3), nullptr);
}

TEST(ShincyokuFileTest, RoundTripAt58000KeepsTheLineAndClearsPointValues) {
    struct Case {
        const char* name;
        short ownFont;
        LOGFONT fontAfter;
    };
    ShinDocument settings;
    const std::vector<Case> cases = {
        {"own font", 1, OwnFont()},
        {"settings font", 0, settings.m_config.GetLogFont()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CShincyoku line;
        FillSample(line);
        line.SetLayer(9);
        line.GetLabelAttr().m_ownFont = c.ownFont;
        line.GetLabelAttr().m_dateValue2 = -7;
        line.SetLogFont(OwnFont());
        line.SetPointValue(0, 5);
        const Bytes bytes = Store(line, 58000);

        CShincyoku back;
        Load(bytes, back);
        EXPECT_EQ(back.GetLayer(), 9);
        EXPECT_EQ(back.GetDate(), line.GetDate());
        EXPECT_EQ(back.GetLineAttr(), line.GetLineAttr());
        EXPECT_EQ(back.GetLabelAttr(), line.GetLabelAttr());
        EXPECT_EQ(back.GetLogFont(), c.fontAfter);
        ASSERT_EQ(back.GetPointCount(), 2);
        EXPECT_EQ(back.GetPointDate(0).GetTime(), k20000403);
        EXPECT_EQ(back.GetPointDate(1).GetTime(), k20000410);
        EXPECT_EQ(back.GetPointValue(0), 0);
    }
}

TEST(ShincyokuFileTest, AnOlderLineTakesItsLabelSettingsFromTheDocument) {
    CShincyoku line;
    FillSample(line);
    line.GetLabelAttr().m_ownFont = 1;
    line.SetLogFont(OwnFont());
    const Bytes bytes = Store(line, 57000);

    CShincyoku back;
    ShinDocument doc(57000);
    test::Load(bytes, back, doc);
    EXPECT_EQ(back.GetLineAttr(), line.GetLineAttr());
    ASSERT_EQ(back.GetPointCount(), 2);
    const CShinLabelAttr& label = back.GetLabelAttr();
    EXPECT_EQ(label.m_ownFont, 0);
    EXPECT_EQ(label.m_dateColor, RGB(0, 128, 0));
    EXPECT_EQ(label.m_dateValue1, 11);
    EXPECT_EQ(label.m_dateValue2, -12);
    EXPECT_EQ(label.m_dateDisp, 0);
    EXPECT_EQ(label.m_text, "yy/mm/dd");
    EXPECT_EQ(back.GetLogFont(), doc.m_config.GetLogFont());
}

TEST(ShincyokuFileTest, WithoutTheDocumentsSettingsAnOlderLineTakesTheBuiltInOnes) {
    CShincyoku line;
    FillSample(line);
    const Bytes bytes = Store(line, 57000);

    CShincyoku back;
    test::Load(bytes, back, 57000);
    EXPECT_EQ(back.GetLabelAttr().m_dateColor, RGB(255, 0, 0));
    EXPECT_EQ(back.GetLabelAttr().m_text, "mm/dd");
    EXPECT_EQ(back.GetLabelAttr().m_dateDisp, 0);
}

TEST(ShincyokuFileTest, ALoadedDateFormatIsCutToItsField) {
    struct Case {
        std::string stored;
        std::string loaded;
    };
    const std::vector<Case> cases = {
        {std::string(31, 'a'), std::string(31, 'a')},
        {std::string(32, 'a'), std::string(31, 'a')},
        // A double-byte character ("日") across the field's end goes as a whole.
        {std::string(30, 'a') + "\x93\xfa" + "bb", std::string(30, 'a')},
        {std::string("mm\0dd", 5), "mm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.size());
        ByteWriter bytes;
        bytes.Header(kTypeShincyoku, kKindShincyoku).Word(0).Dword(k20000401).Zeros(14).Zeros(32);
        bytes.Word(0).Dword(0).Dword(0).Dword(0).Dword(1).String(c.stored);
        CShincyoku line;
        Load(bytes.Get(), line);
        EXPECT_EQ(line.GetLabelAttr().m_text, c.loaded);
    }
}

// The bytes of a line whose point array holds count null entries.
Bytes LineWithNullPoints(DWORD count) {
    ByteWriter w;
    w.Header(kTypeShincyoku, kKindShincyoku);
    if (count < 0xFFFF) {
        w.Word(static_cast<WORD>(count));
    } else {
        w.Word(0xFFFF).Dword(count);
    }
    w.Zeros(static_cast<std::size_t>(count) * 2);
    w.Dword(k20000401).Zeros(14).Zeros(32);
    w.Word(0).Dword(0).Dword(0).Dword(0).Dword(0).String("");
    return w.Get();
}

TEST(ShincyokuFileTest, APointCountBeyondTheChartsRowsFailsAsADamagedFile) {
    {
        CShincyoku line;
        Load(LineWithNullPoints(CShincyoku::kMaxRow + 1), line);
        EXPECT_EQ(line.GetPointCount(), CShincyoku::kMaxRow + 1);
    }
    test::ScopedUi ui;
    CShincyoku line;
    line.SetPointDate(0, CTime(k20000403));
    EXPECT_THROW(Load(LineWithNullPoints(CShincyoku::kMaxRow + 2), line), CUserException);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_FILE_DAMAGED);
    EXPECT_EQ(line.GetPointCount(), 1);
}

TEST(ShincyokuFileTest, PointsThatAreNotPointsOfTheirOwnAreRefused) {
    struct Case {
        const char* name;
        Bytes points;
        int cause;
    };
    const std::vector<Case> cases = {
        {"a second reference to one point",
         ByteWriter().Word(2).NewClass(1, "CShinPoint").Dword(k20000403).Word(2).Get(),
         CArchiveException::badIndex},
        {"an object of another class", ByteWriter().Word(1).NewClass(1, "CDataHeader").Get(),
         CArchiveException::badClass},
        {"a point cut short", ByteWriter().Word(1).NewClass(1, "CShinPoint").Word(1).Get(),
         CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ByteWriter bytes;
        bytes.Header(kTypeShincyoku, kKindShincyoku).Append(c.points);
        CShincyoku line;
        line.SetPointDate(0, CTime(k20000410));
        try {
            Load(bytes.Get(), line);
            ADD_FAILURE() << "the load succeeded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause);
        }
        EXPECT_EQ(line.GetPointDate(0).GetTime(), k20000410);
    }
}

TEST(ShincyokuFileTest, ALineCutShortAnywhereFailsAndKeepsWhatItHeld) {
    CShincyoku sample;
    FillSample(sample);
    sample.GetLabelAttr().m_ownFont = 1;
    sample.SetLogFont(OwnFont());
    const Bytes bytes = Store(sample, 58000);
    for (std::size_t length = CDataHeader::kFileSize; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        CShincyoku line;
        line.SetDate(CTime(k20000410));
        EXPECT_THROW(Load(Bytes(bytes.begin(), bytes.begin() + length), line), CArchiveException);
        EXPECT_EQ(line.GetDate().GetTime(), k20000410);
        EXPECT_EQ(line.GetPointCount(), 0);
    }
}

} // namespace
} // namespace tembra
