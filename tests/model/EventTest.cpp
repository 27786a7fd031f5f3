#include "model/Event.h"

#include "model/Calendar.h"
#include "model/SyokiSet.h"
#include "platform/Archive.h"
#include "support/ArchiveBytes.h"
#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::J;
using test::Load;
using test::Store;

// A document with an event font and a day-count mode.
class EventDocument : public test::VersionDocument, public IEventDocument {
public:
    explicit EventDocument(int version, int nobeMode = 0)
        : VersionDocument(version), m_nobeMode(nobeMode) {
        m_font.lfHeight = -40;
        m_font.SetFaceName("EventFace");
    }
    LOGFONT GetEventFont() const override { return m_font; }
    int GetNobeMode() const override { return m_nobeMode; }

    LOGFONT m_font;
    int m_nobeMode;
};

constexpr DWORD kSampleDate = 0x42580000;

LOGFONT SampleFont() {
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfWidth = 6;
    lf.lfWeight = 700;
    lf.SetFaceName("Mincho");
    return lf;
}

CEvent SampleEvent(short ownFont) {
    CEvent event;
    event.GetPos().SetStartDateValue(kSampleDate);
    event.SetStartRow(3);
    event.GetPos().SetWord4(7);
    CTextAttr& attr = event.GetAttr();
    attr.m_fontHeigh = 1;
    attr.m_fontWidth = 2;
    attr.m_form = kEventFormBalloonRight;
    attr.m_color = RGB(255, 0, 0);
    attr.m_attrb = kEventVertical | kEventBold | kEventWhiteBack;
    attr.m_offsetX = -50;
    attr.m_offsetY = 25;
    attr.m_ownFont = ownFont;
    attr.m_reserved[0] = 0xAB; // carried unchanged
    event.SetLogFont(SampleFont());
    event.SetText("A$F$");
    event.SetHyperlink("http://x");
    return event;
}

// The position and attribute block of SampleEvent as the file holds them.
ByteWriter& SampleHead(ByteWriter& w, WORD ownFont) {
    w.Header(6, 1).Dword(kSampleDate).Dword(0).Word(3).Word(0).Word(0).Word(7).Word(0).Word(0);
    w.Word(1).Word(2).Word(4).Dword(0x0000FF).Word(0x1005).Dword(0xFFFFFFCE).Dword(25);
    return w.Word(ownFont).Raw("\xAB").Zeros(13);
}

TEST(EventTest, ConstructionAndCopy) {
    CEvent fresh;
    EXPECT_EQ(fresh.GetType(), kTypeEvent);
    EXPECT_EQ(fresh.GetKind(), kKindEvent);
    EXPECT_EQ(fresh.GetWord6(), 1000);
    EXPECT_EQ(fresh.GetLayer(), 0);
    EXPECT_EQ(fresh.IsSelected(), 0);
    EXPECT_EQ(fresh.GetPos(), CChartPos());
    EXPECT_EQ(fresh.GetAttr(), CTextAttr());
    EXPECT_TRUE(fresh.GetText().empty());
    EXPECT_TRUE(fresh.GetHyperlink().empty());
    EXPECT_EQ(fresh.GetDrawState(), CEvent::kDrawNormal);

    CEvent source = SampleEvent(1);
    source.SetLayer(5);
    source.Select();
    source.SetDrawState(CEvent::kDrawInactive);
    const auto same = [](const CEvent& a, const CEvent& b) {
        EXPECT_EQ(a.GetLayer(), b.GetLayer());
        EXPECT_EQ(a.IsSelected(), b.IsSelected());
        EXPECT_EQ(a.GetPos(), b.GetPos());
        EXPECT_EQ(a.GetAttr(), b.GetAttr());
        EXPECT_EQ(a.GetText(), b.GetText());
        EXPECT_EQ(a.GetLogFont(), b.GetLogFont());
        EXPECT_EQ(a.GetHyperlink(), b.GetHyperlink());
        EXPECT_EQ(a.GetDrawState(), b.GetDrawState());
    };
    CEvent assigned;
    assigned = source;
    same(assigned, source);
    const CEvent constructed(source);
    same(constructed, source);
    CEvent& alias = assigned;
    assigned = alias;
    same(assigned, source);
}

TEST(EventTest, OffsetMovesDateAndRow) {
    CEvent event;
    event.SetStartDate(CTime(2005, 4, 10));
    event.SetStartRow(4);
    EXPECT_EQ(event.Offset(CTimeSpan(2, 6, 0, 0), -3), 1);
    EXPECT_EQ(event.GetStartDate(), CTime(2005, 4, 12, 6));
    EXPECT_EQ(event.GetStartRow(), 1);
    event.SetStartTime(CTime(2005, 1, 1).GetTime());
    EXPECT_EQ(event.GetStartDate(), CTime(2005, 1, 1));
}

TEST(EventTest, GoldenBytesAtCurrentVersion) {
    EventDocument doc(58000);
    struct Case {
        short ownFont;
        bool font; // a font block follows the attributes
    };
    for (const Case& c : std::vector<Case>{{1, true}, {0, false}, {-1, true}}) {
        SCOPED_TRACE(c.ownFont);
        CEvent event = SampleEvent(c.ownFont);
        ByteWriter expected;
        SampleHead(expected, static_cast<WORD>(c.ownFont));
        if (c.font) {
            expected.Word(0xFFF4).Word(6).Word(0).Word(0).Word(700).Zeros(8).Raw("Mincho").Zeros(
                26);
        }
        expected.String("A$F$").Zeros(16).String("http://x");
        EXPECT_EQ(Store(event, doc), expected.Get());
    }
}

TEST(EventTest, RoundTripsByVersion) {
    struct Case {
        int version;
        short ownFont;
        std::size_t size;    // bytes written
        bool keepsOwnFont;   // else the flag is 0 and the document's font comes back
        bool keepsHyperlink; // else the hyperlink comes back empty
    };
    constexpr std::size_t kFixed = 32 + 20 + 36 + 5 + 16;
    const std::vector<Case> cases = {
        {58000, 1, kFixed + 50 + 9, true, true}, {58000, 0, kFixed + 9, false, true},
        {56000, 1, kFixed + 50 + 9, true, true}, {55000, 1, kFixed + 50, true, false},
        {40000, 0, kFixed, false, false},        {32000, 1, kFixed + 50, true, false},
        {31000, 1, kFixed, false, false},        {30000, 1, kFixed - 4, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        EventDocument doc(c.version);
        CEvent event = SampleEvent(c.ownFont);
        const Bytes bytes = Store(event, doc);
        EXPECT_EQ(bytes.size(), c.size);
        CEvent back;
        back.SetHyperlink("stale");
        Load(bytes, back, doc);
        EXPECT_EQ(back.GetPos(), event.GetPos());
        CTextAttr attr = event.GetAttr();
        attr.m_ownFont = c.keepsOwnFont ? c.ownFont : 0;
        EXPECT_EQ(back.GetAttr(), attr);
        EXPECT_EQ(back.GetLogFont(), c.keepsOwnFont ? SampleFont() : doc.m_font);
        EXPECT_EQ(back.GetText(), "A$F$");
        EXPECT_EQ(back.GetHyperlink(), c.keepsHyperlink ? "http://x" : "");
        EXPECT_EQ(back.GetReservedTail(), (std::array<BYTE, CEvent::kReservedSize>{}));
    }
}

TEST(EventTest, OldFilesHoldNoFontAndMayHoldTheOldPosition) {
    struct Case {
        int version;
        bool oldPos;
    };
    for (const Case& c : std::vector<Case>{{31000, false}, {30000, true}}) {
        SCOPED_TRACE(c.version);
        ByteWriter file;
        file.Header(6, 1);
        if (c.oldPos) {
            // Rows 3 and 5 in the halves of C, words 4 and 5 in the halves of D.
            file.Dword(kSampleDate).Dword(0).Dword(3 | (5 << 16)).Dword(7 | (8 << 16));
        } else {
            file.Dword(kSampleDate).Dword(0).Word(3).Word(5).Word(0).Word(7).Word(8).Word(0);
        }
        // The own-font flag says 1, yet no font follows.
        file.Word(1).Word(1).Word(0).Dword(0).Word(0).Dword(0).Dword(0).Word(1).Zeros(14);
        file.String("old").Zeros(16);

        EventDocument doc(c.version);
        CEvent event;
        event.SetLogFont(SampleFont());
        Load(file.Get(), event, doc);
        EXPECT_EQ(event.GetStartRow(), 3);
        EXPECT_EQ(event.GetPos().GetEndRow(), 5);
        EXPECT_EQ(event.GetPos().GetWord4(), 7);
        EXPECT_EQ(event.GetPos().GetWord5(), 8);
        EXPECT_EQ(event.GetPos().GetWord6(), 0);
        EXPECT_FALSE(event.HasOwnFont());
        EXPECT_EQ(event.GetLogFont(), doc.m_font);
        EXPECT_EQ(event.GetText(), "old");
    }
}

TEST(EventTest, MonthDayMacroInFilesBefore58000) {
    const std::string monthDay = J("x$日時{mm/dd}$y$実$");
    const std::string oldForm = J("x$実$y$実$");
    struct Case {
        int version;
        int nobeMode;
        std::string inFile; // the text as the file holds it
        std::string back;   // the text loaded back
    };
    const std::vector<Case> cases = {
        // Calendar dates: the macro is "$実$" in the file; every "$実$" comes back as it.
        {57000, 0, oldForm, J("x$日時{mm/dd}$y$日時{mm/dd}$")},
        {58000, 0, monthDay, monthDay},
        // Elapsed days: "$実$" counts working days and the texts are kept.
        {57000, 1, monthDay, monthDay},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version * 10 + c.nobeMode);
        EventDocument doc(c.version, c.nobeMode);
        CEvent event;
        event.SetText(monthDay);
        const Bytes bytes = Store(event, doc);
        constexpr std::size_t kTextAt = 32 + 20 + 36;
        ASSERT_GT(bytes.size(), kTextAt + 1 + c.inFile.size());
        EXPECT_EQ(bytes[kTextAt], c.inFile.size());
        EXPECT_EQ(std::string(bytes.begin() + kTextAt + 1,
                              bytes.begin() + kTextAt + 1 + static_cast<long>(c.inFile.size())),
                  c.inFile);
        CEvent back;
        Load(bytes, back, doc);
        EXPECT_EQ(back.GetText(), c.back);
    }
}

// A text longer than the field, read from a file or set, and a macro that grows past the field
// when an old file is read, are cut on a character boundary.
TEST(EventTest, TextIsCutToItsField) {
    struct Case {
        int version;
        std::string inFile;
        std::string text;
    };
    const std::vector<Case> cases = {
        {58000, std::string(127, 'x') + "\x82\xa0" + "tail", std::string(127, 'x')},
        {57000, std::string(120, 'x') + J("$実$"), std::string(120, 'x') + J("$日時{mm")},
        {57000, std::string(117, 'x') + J("$実$"), std::string(117, 'x') + J("$日時{mm/dd")},
        {58000, std::string("ab\0cd", 5), "ab"},
    };
    for (const Case& c : cases) {
        ByteWriter file;
        file.Header(6, 1).Zeros(20).Zeros(36);
        Bytes bytes = file.Get();
        if (c.inFile.size() < 255) {
            bytes.push_back(static_cast<BYTE>(c.inFile.size()));
        } else {
            bytes.insert(bytes.end(), {0xFF, static_cast<BYTE>(c.inFile.size()), 0x00});
        }
        bytes.insert(bytes.end(), c.inFile.begin(), c.inFile.end());
        bytes.insert(bytes.end(), 16, 0);
        if (c.version >= kEventHyperlinkVersion) {
            bytes.push_back(0);
        }
        EventDocument doc(c.version);
        CEvent event;
        Load(bytes, event, doc);
        EXPECT_EQ(event.GetText(), c.text) << c.version;
        event.SetText(c.inFile);
        EXPECT_LE(event.GetText().size(), CEvent::kTextCapacity);
    }
}

TEST(EventTest, TruncatedRecordIsRefused) {
    EventDocument doc(58000);
    CEvent event = SampleEvent(1);
    const Bytes bytes = Store(event, doc);
    for (std::size_t size : {std::size_t{40}, std::size_t{100}, bytes.size() - 1}) {
        CEvent back;
        EXPECT_THROW(Load(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(size)), back, doc),
                     CArchiveException)
            << size;
    }
}

// ---- Date macros --------------------------------------------------------------------------------

class EventMacroTest : public testing::Test {
protected:
    EventMacroTest() {
        calendar.Clear();
        for (int day : {2, 3, 9}) {
            calendar.AddDayFlag(2005, 4, day, CCalendar::kRuleHoliday);
        }
        context.nobeBase = CTime(2005, 4, 1);
        context.calendar = &calendar;
        context.fileName = "plan.tbr";
    }
    CCalendar calendar;
    EventMacroContext context;
};

TEST_F(EventMacroTest, ExpandsEachMacro) {
    struct Case {
        const char* what;
        CTime date;
        int nobeMode;
        std::int64_t nobeDays; // the layout's elapsed-day span of the date (-99: no layout)
        std::string text;
        std::string expanded;
    };
    const CTime d = CTime(2005, 4, 10);
    const std::vector<Case> cases = {
        {"date", d, 0, -99, J("[$日時$]"), "[2005/04/10]"},
        {"format with tokens", d, 0, -99, J("a$日時{yyyy年mm月dd日}$b"), J("a2005年04月10日b")},
        {"first format only", d, 0, -99, J("$日時{mm/dd}$ $日時{dd}$ $日時{mm/dd}$"),
         J("04/10 $日時{dd}$ 04/10")},
        {"empty format", d, 0, -99, J("$日時{}$"), J("$日時{}$")},
        {"format without end", d, 0, -99, J("$日時{mm"), J("$日時{mm")},
        // "マ" ends in the byte of '}': no end of the format.
        {"end inside a character", d, 0, -99, J("$日時{mmマ$"), J("$日時{mmマ$")},
        {"elapsed days and hours", d, 0, -99, J("$延$/$延時$"), "9/216"},
        {"before the base", CTime(2005, 3, 31, 12), 1, -99, J("$延$/$延時$"), "0/-12"},
        {"working days and hours", d, 0, -99, J("$実$$実時$"), "(6)(144)"},
        {"working hours of a holiday", CTime(2005, 4, 3, 12), 0, -99, J("$実$$実時$"), "(1)(24)"},
        {"file name", d, 0, -99, "$F$/$F$", "plan.tbr/plan.tbr"},
        {"elapsed mode", d, 1, 5, J("$日時$ $日時{dd}$ $実$ $実時$ $延$ $F$"),
         J("$日時$ $日時{dd}$ (6) (121) 9 plan.tbr")},
        {"elapsed mode before the start", d, 1, -2, J("$実$ $実時$"), "(-2) (-48)"},
        {"elapsed mode without layout", d, 1, -99, J("$実$ $実時$"), J("$実$ $実時$")},
        {"no macro", d, 0, -99, J("検査 $ {}$"), J("検査 $ {}$")},
    };
    for (const Case& c : cases) {
        CEvent event;
        event.SetStartDate(c.date);
        event.SetText(c.text);
        context.nobeMode = c.nobeMode;
        context.nobeSpan = nullptr;
        if (c.nobeDays != -99) {
            context.nobeSpan = [&c](const CTime&) { return CTimeSpan(c.nobeDays, 0, 0, 0); };
        }
        EXPECT_EQ(event.ExpandDateMacros(context), c.expanded) << c.what;
        EXPECT_EQ(event.GetText(), c.text) << c.what; // the event keeps its text
    }
}

TEST_F(EventMacroTest, ContextFromTheSettings) {
    CSyokiSet settings;
    settings.SetNobeMode(1);
    const EventMacroContext made = MakeEventMacroContext(settings, &calendar, "x.tbr");
    EXPECT_EQ(made.nobeMode, 1);
    EXPECT_EQ(made.nobeBase, settings.GetNobeBaseDate());
    EXPECT_EQ(made.calendar, &calendar);
    EXPECT_EQ(made.fileName, "x.tbr");
    EXPECT_FALSE(made.nobeSpan);
}

TEST(EventMacroFileNameTest, FileNameOrTitle) {
    struct Case {
        std::string path; // UTF-8
        std::string title;
        std::string name;
    };
    const std::vector<Case> cases = {
        {"/tmp/dir/工程表.tbr", "", J("工程表.tbr")},
        {"", "Chart 1", "Chart.tbr"},
        {"", "abcdefghij", "abcdefgh.tbr"},
        {"", "a#b", "a.tbr"},
        {"", "a%b;c", "a.tbr"},
        {"", J("工程表工程表"), J("工程表工.tbr")},
        // "ソ" ends in the byte of a backslash; it is no separator.
        {"", J("ソA\\B"), J("ソA.tbr")},
        {"", "", ".tbr"},
    };
    for (const Case& c : cases) {
        test::VersionDocument doc;
        if (!c.path.empty()) {
            doc.SetPathName(c.path);
        } else {
            doc.SetTitle(c.title);
        }
        EXPECT_EQ(EventMacroFileName(doc), c.name) << c.path << c.title;
    }
}

} // namespace
} // namespace tembra
