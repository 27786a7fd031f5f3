#include "model/Yogo.h"

#include "platform/Archive.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Load;
using test::Store;

// "$実$", "($日時{d}$)" and "($日時{dd}$)" in CP932.
const std::string kOld = "$\x8e\xc0$";
const std::string kNew = "($\x93\xfa\x8e\x9e{d}$)";
const std::string kNewDD = "($\x93\xfa\x8e\x9e{dd}$)";

class LabelDocument : public test::VersionDocument, public ILabelDocument {
public:
    explicit LabelDocument(int version, int nobeMode = 0)
        : VersionDocument(version), m_nobe(nobeMode) {
        m_yogoFont.lfHeight = -40;
        m_yogoFont.SetFaceName("YogoFace");
    }
    LOGFONT GetYogoFont() const override { return m_yogoFont; }
    LOGFONT GetShigenFont() const override { return {}; }
    int GetNobeMode() const override { return m_nobe; }

    LOGFONT m_yogoFont;

private:
    int m_nobe;
};

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        out += s;
    }
    return out;
}

LOGFONT SampleFont() {
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfWidth = 6;
    lf.lfWeight = 700;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.SetFaceName("Gothic");
    return lf;
}

// The 46-byte head of SampleTerm, written out from the head layout.
ByteWriter& SampleHead(ByteWriter& w, WORD ownFont) {
    return w.Word(1)
        .Word(2) // size factors
        .Word(3) // form
        .Dword(RGB(255, 0, 0))
        .Word(kLabelVertical)
        .Word(kYogoOnStart) // date kind
        .Dword(5)           // offset X
        .Dword(0xFFFFFFFD)  // offset Y -3
        .Dword(7)           // leader X
        .Dword(0xFFFFFFF8)  // leader Y -8
        .Word(1)            // link position
        .Word(ownFont)
        .Word(1) // stack
        .Zeros(10);
}

CYogo SampleTerm(short ownFont) {
    CYogo term;
    CElemAttr& attr = term.GetAttr();
    attr.m_fontHeigh = 1;
    attr.m_fontWidth = 2;
    attr.m_form = 3;
    attr.m_color = RGB(255, 0, 0);
    attr.m_attrb = kLabelVertical;
    term.SetDateKind(kYogoOnStart);
    attr.SetOffset(5);
    attr.SetOffsetY(-3);
    attr.SetDrawerX(7);
    attr.SetDrawerY(-8);
    attr.m_linkPosition = 1;
    attr.m_ownFont = ownFont;
    attr.m_stack = 1;
    term.SetLogFont(SampleFont());
    term.SetText("A");
    term.SetHyperlink("http://x");
    return term;
}

Bytes FontBytes(const LOGFONT& lf) {
    ByteWriter w;
    w.Word(static_cast<WORD>(lf.lfHeight)).Word(static_cast<WORD>(lf.lfWidth)).Word(0).Word(0);
    w.Word(static_cast<WORD>(lf.lfWeight));
    const BYTE flags[8] = {0, 0, 0, lf.lfCharSet, 0, 0, 0, 0};
    w.Raw(std::string_view(reinterpret_cast<const char*>(flags), 8));
    w.Raw(std::string_view(lf.lfFaceName, LF_FACESIZE));
    return w.Get();
}

TEST(YogoTest, Construction) {
    CYogo term;
    EXPECT_EQ(term.GetType(), kTypeKoutei);
    EXPECT_EQ(term.GetKind(), kKindYogo);
    EXPECT_EQ(term.GetWord6(), 1000);
    EXPECT_TRUE(term.GetText().empty());
    EXPECT_TRUE(term.GetHyperlink().empty());
    EXPECT_EQ(term.GetAttr(), CElemAttr());
}

TEST(YogoTest, LabelBlockHeadKeepsTheBytesWithoutAField) {
    // Every byte of the head distinct: read and written back unchanged.
    BYTE head[kElemAttrHeadSize];
    for (std::size_t i = 0; i < kElemAttrHeadSize; ++i) {
        head[i] = static_cast<BYTE>(i * 5 + 1);
    }
    CElemAttr attr;
    ElemAttrTail tail{};
    ElemAttrFromHead(head, attr, tail);
    auto word = [&](std::size_t at) { return static_cast<WORD>(head[at] | (head[at + 1] << 8)); };
    auto dword = [&](std::size_t at) { return MAKELONG(word(at), word(at + 2)); };
    EXPECT_EQ(attr.m_fontHeigh, word(0));
    EXPECT_EQ(attr.m_fontWidth, word(2));
    EXPECT_EQ(attr.m_form, word(4));
    EXPECT_EQ(attr.m_color, dword(6));
    EXPECT_EQ(attr.m_attrb, word(10));
    EXPECT_EQ(attr.m_linkWord, word(12));
    EXPECT_EQ(attr.GetOffset(), static_cast<LONG>(dword(14)));
    EXPECT_EQ(attr.GetOffsetY(), static_cast<LONG>(dword(18)));
    EXPECT_EQ(attr.GetDrawerX(), static_cast<LONG>(dword(22)));
    EXPECT_EQ(attr.GetDrawerY(), static_cast<LONG>(dword(26)));
    EXPECT_EQ(attr.m_linkPosition, static_cast<short>(word(30)));
    EXPECT_EQ(attr.m_ownFont, static_cast<short>(word(32)));
    EXPECT_EQ(attr.m_stack, word(34));
    EXPECT_EQ(tail[0], head[36]);
    EXPECT_EQ(tail[9], head[45]);
    BYTE back[kElemAttrHeadSize];
    ElemAttrToHead(attr, tail, back);
    EXPECT_EQ(std::vector<BYTE>(back, back + kElemAttrHeadSize),
              std::vector<BYTE>(head, head + kElemAttrHeadSize));
}

TEST(YogoTest, GoldenBytesAtCurrentVersion) {
    LabelDocument doc(58000);
    CYogo plain = SampleTerm(0);
    ByteWriter expected;
    expected.Header(1, 4);
    SampleHead(expected, 0).String("A").Zeros(16).String("http://x");
    EXPECT_EQ(Store(plain, doc), expected.Get());

    // With its own font the 50-byte font record follows the head.
    CYogo own = SampleTerm(1);
    ByteWriter withFont;
    withFont.Header(1, 4);
    SampleHead(withFont, 1);
    const Bytes font = FontBytes(SampleFont());
    Bytes bytes = withFont.Get();
    bytes.insert(bytes.end(), font.begin(), font.end());
    ByteWriter tail;
    tail.String("A").Zeros(16).String("http://x");
    bytes.insert(bytes.end(), tail.Get().begin(), tail.Get().end());
    EXPECT_EQ(Store(own, doc), bytes);
}

TEST(YogoTest, RoundTripsByVersion) {
    struct Case {
        int version;
        short ownFont;
        bool fontKept; // the term's own font comes back
        bool hyperlinkKept;
    };
    const std::vector<Case> cases = {
        {31000, 1, false, false}, {32000, 1, true, false}, {32000, 0, false, false},
        {56000, 1, true, true},   {58000, 1, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        LabelDocument doc(c.version);
        CYogo term = SampleTerm(c.ownFont);
        const Bytes bytes = Store(term, doc);
        CYogo back;
        Load(bytes, back, doc);
        EXPECT_EQ(back.GetText(), "A");
        EXPECT_EQ(back.GetAttr().GetOffsetY(), -3);
        EXPECT_EQ(back.GetAttr().GetDrawerY(), -8);
        EXPECT_EQ(back.GetAttr().m_color, RGB(255, 0, 0));
        EXPECT_EQ(back.GetAttr().m_ownFont, c.fontKept ? 1 : 0);
        EXPECT_EQ(back.GetLogFont(), c.fontKept ? SampleFont() : doc.m_yogoFont);
        EXPECT_EQ(back.GetHyperlink(), c.hyperlinkKept ? "http://x" : "");
    }
}

TEST(YogoTest, LinkPositionOutsideZeroAndOneIsReadAsZero) {
    for (short stored : {0, 1, 2, -1}) {
        LabelDocument doc(58000);
        CYogo term = SampleTerm(0);
        term.GetAttr().m_linkPosition = stored;
        CYogo back;
        Load(Store(term, doc), back, doc);
        EXPECT_EQ(back.GetAttr().GetLinkPosition(), stored == 1 ? 1 : 0) << stored;
    }
}

TEST(YogoTest, DateMacroOfOlderVersionsOnStore) {
    struct Case {
        int version;
        int nobeMode;
        WORD dateKind;
        std::string text;
        std::string written;
    };
    const std::vector<Case> cases = {
        {57000, 0, kYogoOnStart, "a" + kNewDD + "b", "a" + kOld + "b"},
        {57000, 0, kYogoOnEnd, kNew + kNew, kOld + kOld},
        // "{dd}" wins: a text holding both keeps its "{d}".
        {57000, 0, kYogoOnEnd, kNewDD + kNew, kOld + kNew},
        {57000, 1, kYogoOnStart, kNewDD, kNewDD}, // elapsed-day chart
        {57000, 0, kYogoOnLine, kNewDD, kNewDD},  // not on a node
        {58000, 0, kYogoOnStart, kNewDD, kNewDD}, // the current form
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        LabelDocument doc(c.version, c.nobeMode);
        CYogo term;
        term.SetDateKind(c.dateKind);
        term.SetText(c.text);
        const Bytes bytes = Store(term, doc);
        EXPECT_EQ(term.GetText(), c.text) << "the term keeps its own text";

        ByteWriter expected;
        expected.Header(1, 4).Zeros(12).Word(c.dateKind).Zeros(32);
        expected.String(c.written).Zeros(16);
        if (c.version >= 56000) {
            expected.String("");
        }
        EXPECT_EQ(bytes, expected.Get());
    }
}

TEST(YogoTest, DateMacroOfOlderFilesOnLoad) {
    struct Case {
        int version;
        int nobeMode;
        WORD dateKind;
        std::string stored;
        std::string loaded;
    };
    const std::vector<Case> cases = {
        {57000, 0, kYogoOnStart, "x" + kOld + "y" + kOld, "x" + kNew + "y" + kNew},
        {31000, 0, kYogoOnEnd, kOld, kNew},
        {57000, 1, kYogoOnStart, kOld, kOld},
        {57000, 0, kYogoOnLine, kOld, kOld},
        {58000, 0, kYogoOnStart, kOld, kOld},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        CYogo term;
        term.SetDateKind(c.dateKind);
        term.SetText(c.stored);
        // The term as a file of c.version holds it (written in elapsed-day mode, which leaves
        // its text as it is).
        LabelDocument writer(c.version, 1);
        const Bytes bytes = Store(term, writer);
        LabelDocument reader(c.version, c.nobeMode);
        CYogo back;
        Load(bytes, back, reader);
        EXPECT_EQ(back.GetText(), c.loaded);
    }
}

TEST(YogoTest, TextsAreCutToTheirFieldOnCharacterBoundaries) {
    // 127 single bytes and a double-byte character: the character would end at byte 129.
    const std::string straddling = std::string(127, 'a') + "\x8d\x48";
    struct Case {
        std::string stored;
        std::string loaded;
    };
    const std::vector<Case> cases = {
        {std::string(300, 'b'), std::string(128, 'b')},
        {straddling, std::string(127, 'a')},
        {std::string("ab\0cd", 5), "ab"},
        // 30 macros of 4 bytes grow to 11 bytes each; the text is cut at 128 bytes, here
        // inside the twelfth macro but on a character boundary.
        {Repeat(kOld, 30), Repeat(kNew, 11) + kNew.substr(0, 7)},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        ByteWriter file;
        file.Header(1, 4).Zeros(12).Word(kYogoOnStart).Zeros(32);
        Bytes bytes = file.Get();
        // A long string needs the archive's 0xFF + WORD length form.
        const std::string& s = cases[i].stored;
        if (s.size() < 255) {
            bytes.push_back(static_cast<BYTE>(s.size()));
        } else {
            bytes.push_back(0xFF);
            bytes.push_back(static_cast<BYTE>(s.size() & 0xFF));
            bytes.push_back(static_cast<BYTE>(s.size() >> 8));
        }
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.insert(bytes.end(), 16, 0);

        LabelDocument doc(55000);
        CYogo term;
        Load(bytes, term, doc);
        EXPECT_EQ(term.GetText(), cases[i].loaded);
    }

    CYogo term;
    term.SetText(straddling);
    EXPECT_EQ(term.GetText(), std::string(127, 'a'));
}

TEST(YogoTest, CopyFromTakesEveryField) {
    CYogo source = SampleTerm(1);
    source.SetLayer(7);
    source.Select();
    CYogo copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.GetLayer(), 7);
    EXPECT_EQ(copy.IsSelected(), 1);
    EXPECT_EQ(copy.GetAttr(), source.GetAttr());
    EXPECT_EQ(copy.GetText(), "A");
    EXPECT_EQ(copy.GetLogFont(), SampleFont());
    EXPECT_EQ(copy.GetHyperlink(), "http://x");
    copy.CopyFrom(copy);
    EXPECT_EQ(copy.GetText(), "A");
}

TEST(YogoTest, WithoutALabelDocumentNothingIsTakenFromIt) {
    // A bare document: the font stays as the term had it and no macro is rewritten.
    CYogo term;
    term.SetDateKind(kYogoOnStart);
    term.SetText(kNewDD);
    CDocument bare;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &bare;
        term.Serialize(ar);
    }
    CYogo back;
    back.SetLogFont(SampleFont());
    CMemFile in(file.Data());
    CArchive ar(&in, CArchive::load);
    ar.m_pDocument = &bare;
    back.Serialize(ar);
    EXPECT_EQ(back.GetText(), kNewDD);
    EXPECT_EQ(back.GetLogFont(), SampleFont());
}

TEST(YogoTest, TruncatedTermFailsWithEndOfFile) {
    LabelDocument doc(58000);
    CYogo term = SampleTerm(1);
    Bytes bytes = Store(term, doc);
    bytes.resize(bytes.size() - 3);
    CYogo back;
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = &doc;
    try {
        back.Serialize(ar);
        FAIL() << "a short term loaded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

} // namespace
} // namespace tembra
