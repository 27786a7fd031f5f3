// One cell of the item table (項目): its row, column, text attributes, text and font.
#pragma once

#include "model/ChartPos.h"
#include "model/DataHeader.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tembra {

class CKoumoku;

// The first version whose cells hold their own font and their column.
constexpr int kKoumokuFontVersion = 32000;

// What item cells take from the document they are read into. The schedule document implements
// it beside CDocument; the cells reach it through the archive's document. Without it a cell of
// an old file keeps the font and style word it has and its ruled-line type goes nowhere.
class IKoumokuDocument {
public:
    virtual ~IKoumokuDocument() = default;
    // The item-area font and the style word (offset 16 of the item text block) of the
    // document's settings.
    virtual LOGFONT GetKoumokuFont() const = 0;
    virtual WORD GetKoumokuStyleWord() const = 0;
    // The item table that receives the ruled-line types of old cells.
    virtual CKoumoku* GetKoumoku() = 0;
};

class CKoumokuData : public CDataHeader {
    DECLARE_SERIAL(CKoumokuData)
public:
    static constexpr std::size_t kAttrSize = 30;
    // The text holds at most this many bytes (129 with the terminator in the file's field).
    static constexpr std::size_t kTextCapacity = 128;

    // Format codes.
    enum : WORD { kLeft = 0, kCenter = 1, kRight = 2 };
    // Flag word bits.
    static constexpr WORD kWhiteBack = 0x0001;
    static constexpr WORD kFrame = 0x0002;
    static constexpr WORD kBold = 0x0004;
    static constexpr WORD kTop = 0x0100;
    static constexpr WORD kBottom = 0x0200;

    // Kind 2, sub-kind 1; everything else zero, the text empty.
    CKoumokuData();

    // Every field: header, position, attributes, text, font, the two words, reserved bytes.
    void CopyFrom(const CKoumokuData& other);

    const CChartPos& GetPos() const { return m_pos; }
    CChartPos& GetPos() { return m_pos; }
    WORD GetRow() const { return m_pos.GetStartRow(); }
    void SetRow(WORD row) { m_pos.SetStartRow(row); }
    WORD GetColumn() const { return m_column; }
    void SetColumn(WORD column) { m_column = column; }
    // The word after the column: copied and stored unchanged.
    WORD GetExtraWord() const { return m_extraWord; }
    void SetExtraWord(WORD value) { m_extraWord = value; }

    // The 30-byte attribute block (little-endian):
    //   0 WORD height code   2 WORD width code   4 WORD format   6 DWORD colour
    //  10 WORD flags        12 WORD ruled-line word 1 (old files: the row's ruled-line type)
    //  14 WORD ruled-line word 2   16 WORD third line word (old files: the item-area style
    //  word)   18 WORD own-font flag   20..29 kept as they are
    WORD GetHeightCode() const { return Word(0); }
    void SetHeightCode(WORD v) { SetWord(0, v); }
    WORD GetWidthCode() const { return Word(2); }
    void SetWidthCode(WORD v) { SetWord(2, v); }
    // The packed size: height code × 256 + (width code & 0xFF); 257 standard, 513 double
    // height, 258 double width, 514 quadruple.
    WORD GetSize() const;
    void SetSize(WORD packed);
    WORD GetFormat() const { return Word(4); }
    void SetFormat(WORD v) { SetWord(4, v); }
    COLORREF GetColor() const { return MAKELONG(Word(6), Word(8)); }
    void SetColor(COLORREF v) {
        SetWord(6, LOWORD(v));
        SetWord(8, HIWORD(v));
    }
    WORD GetFlags() const { return Word(10); }
    void SetFlags(WORD v) { SetWord(10, v); }
    WORD GetKeisenWord1() const { return Word(12); }
    void SetKeisenWord1(WORD v) { SetWord(12, v); }
    WORD GetKeisenWord2() const { return Word(14); }
    void SetKeisenWord2(WORD v) { SetWord(14, v); }
    WORD GetThirdLineWord() const { return Word(16); }
    void SetThirdLineWord(WORD v) { SetWord(16, v); }
    WORD GetOwnFont() const { return Word(18); }
    void SetOwnFont(WORD v) { SetWord(18, v); }
    const std::array<BYTE, kAttrSize>& GetAttr() const { return m_attr; }
    void SetAttr(const std::array<BYTE, kAttrSize>& attr) { m_attr = attr; }

    const std::string& GetText() const { return m_text; }
    // Cut to kTextCapacity bytes on a character boundary (and at an embedded NUL).
    void SetText(std::string_view text);
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }

    // Header; position (the 16-byte old form below 31000); attributes; from 32000 the font
    // (LogFont16) when the own-font flag is set and the column and extra words; the text;
    // 16 reserved bytes. See the .cpp for what a load takes from the document.
    void Serialize(CArchive& ar) override;

private:
    WORD Word(std::size_t at) const;
    void SetWord(std::size_t at, WORD v);

    CChartPos m_pos;
    std::array<BYTE, kAttrSize> m_attr{};
    std::string m_text;
    LOGFONT m_font;
    WORD m_column = 0;
    WORD m_extraWord = 0;
    std::array<BYTE, 16> m_tailReserved{};
};

} // namespace tembra
