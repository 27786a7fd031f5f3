// Term labels (用語) attached to the parts of a process, and the file form of the label block
// (CElemAttr) that terms, resource lists and the label defaults of the settings share.
#pragma once

#include "model/AttrBlocks.h"
#include "model/DataHeader.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tembra {

// The first versions whose terms hold their own font, their hyperlink, and the date macro
// "($日時{d}$)" in place of "$実$".
constexpr int kYogoFontVersion = 32000;
constexpr int kYogoHyperlinkVersion = 56000;
constexpr int kYogoDateMacroVersion = 58000;

// What terms and resource lists take from the document they are read into or written from. The
// schedule document implements it beside CDocument; the records reach it through the archive's
// document. Without it a load keeps the fonts it has and rewrites no date macros.
class ILabelDocument {
public:
    virtual ~ILabelDocument() = default;
    // The label fonts of the document's settings (term and resource label blocks).
    virtual LOGFONT GetYogoFont() const = 0;
    virtual LOGFONT GetShigenFont() const = 0;
    // The settings' day-count mode: 0 when the chart counts calendar dates.
    virtual int GetNobeMode() const = 0;
};

// The file form of a label block (CElemAttr, held by terms, resource lists and the label
// defaults of the settings): the 46 bytes that precede its font, little-endian:
//    0 WORD  height factor ("FontHeigh")     2 WORD  width factor ("FontWidth")
//    4 WORD  place ("Form": 0-2 on the line, 3-5 free, 4 and 5 with a leader)
//    6 DWORD colour (RGB)                   10 WORD  style flags ("Attrb")
//   12 WORD  link word: the part of the process the label belongs to (0 line, 1 start, 2 end)
//   14 LONG  offset X   18 LONG offset Y   22 LONG leader X   26 LONG leader Y (percents of a
//            day's width and a row's height)
//   30 short link position (0 above the line, 1 below)
//   32 short own-font flag                  34 WORD  stacking word ("Stack")
//   36..45   no field of the block: kept by the record as it was read (ElemAttrTail)
// The font and the three spacing words that follow it in the settings are not part of it.
constexpr std::size_t kElemAttrHeadSize = 46;
constexpr std::size_t kElemAttrTailOffset = 36;
using ElemAttrTail = std::array<BYTE, kElemAttrHeadSize - kElemAttrTailOffset>;

void ElemAttrToHead(const CElemAttr& attr, const ElemAttrTail& tail, BYTE* out);
void ElemAttrFromHead(const BYTE* in, CElemAttr& attr, ElemAttrTail& tail);

// Style flags of a label block ("Attrb").
enum : WORD {
    kLabelOutline = 0x0001,
    kLabelFrame = 0x0002,
    kLabelBold = 0x0004,
    kLabelUprightSingleByte = 0x0008,
    kLabelVertical = 0x1000,
};

// Parts of a process a term can belong to (the date kind of its attribute block).
enum : WORD { kYogoOnLine = 0, kYogoOnStart = 1, kYogoOnEnd = 2 };

class CYogo : public CDataHeader {
    DECLARE_SERIAL(CYogo)
public:
    // The text holds at most this many bytes (129 with the terminator in the file's field).
    static constexpr std::size_t kTextCapacity = 128;
    // Reserved bytes after the text: written as zeros, passed over on reading.
    static constexpr std::size_t kReservedSize = 16;

    // Kind 1, sub-kind 4; empty text and hyperlink, attribute block zero.
    CYogo();

    // Header, attribute block (with the font), text, hyperlink and reserved bytes.
    void CopyFrom(const CYogo& other);

    // The label block; its font is the term's font (used when the own-font flag is set).
    CElemAttr& GetAttr() { return m_attr; }
    const CElemAttr& GetAttr() const { return m_attr; }
    const LOGFONT& GetLogFont() const { return m_attr.GetLogFont(); }
    void SetLogFont(const LOGFONT& font) { m_attr.SetLogFont(font); }
    // The part of the process the term belongs to (kYogoOnLine, kYogoOnStart, kYogoOnEnd).
    WORD GetDateKind() const { return m_attr.m_linkWord; }
    void SetDateKind(WORD kind) { m_attr.m_linkWord = kind; }
    const ElemAttrTail& GetAttrTail() const { return m_attrTail; }

    const std::string& GetText() const { return m_text; }
    // Cut to kTextCapacity bytes on a character boundary (and at an embedded NUL).
    void SetText(std::string_view text);
    const std::string& GetHyperlink() const { return m_hyperlink; }
    void SetHyperlink(std::string_view link) { m_hyperlink = link; }

    // Header; the 46-byte attribute head; the font (LogFont16) when the own-font flag is set
    // (from 32000); the text; 16 reserved bytes; the hyperlink (from 56000). See the .cpp for
    // what a load takes from the document and how older versions write date macros.
    void Serialize(CArchive& ar) override;

    // The text as a file of that version holds it, for a term of the given date kind in a
    // document of the given day-count mode.
    static std::string TextForVersion(std::string text, int version, int nobeMode, WORD dateKind);

private:
    CElemAttr m_attr;
    ElemAttrTail m_attrTail{};
    std::string m_text;
    std::string m_hyperlink;
};

} // namespace tembra
