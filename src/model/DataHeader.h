// The header every chart record starts with (kind codes, layer, selection), the kind codes of
// the record classes, the 50-byte file form of a font, and the serialisation rules the records
// share: base first, positions right after the header, version thresholds read from the
// archive's document, reserved blocks zeroed before they are written.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <array>

namespace tembra {

// Kind codes (m_type) of the chart records. Kind 5 is no record kind.
enum : WORD {
    kTypeKoutei = 1, // a process and its parts; the sub-kind tells which part
    kTypeKoumoku = 2,
    kTypeShincyoku = 3,
    kTypeZukei = 4,
    kTypeEvent = 6,
    kTypeChart = 7,
};

// Sub-kinds (m_subKind) of the records whose kind is not a drawing shape.
enum : WORD {
    kKindKoutei = 1,
    kKindKouteiLines = 2,
    kKindLand = 3,
    kKindYogo = 4,
    kKindShigen = 5,
    kKindKoumokuData = 1,
    kKindShincyoku = 1,
    kKindEvent = 1,
    kKindChart = 1,
};

// The value every record constructor puts into word 6.
constexpr WORD kHeaderWord6Default = 1000;

class CDataHeader : public CObject {
    DECLARE_SERIAL(CDataHeader)
public:
    static constexpr std::size_t kReservedSize = 16;
    // Bytes of the header in a file.
    static constexpr std::size_t kFileSize = 8 * 2 + kReservedSize;

    // All eight words 0.
    CDataHeader();
    CDataHeader(const CDataHeader& other) = default;
    // Copies the eight words and the reserved block.
    CDataHeader& operator=(const CDataHeader& other);

    // The eight words, then the reserved block (zeroed in the object before it is written,
    // read back and not interpreted).
    void Serialize(CArchive& ar) override;

    WORD GetType() const { return m_type; }
    void SetType(WORD type) { m_type = type; }
    WORD GetKind() const { return m_subKind; }
    void SetKind(WORD kind) { m_subKind = kind; }
    WORD GetLayer() const { return m_layer; }
    void SetLayer(WORD layer) { m_layer = layer; }
    // The selection word: 1 while the object is in the selected list (item cells selected as
    // whole rows hold 255), else 0.
    WORD IsSelected() const { return m_selected; }
    void SetSelected(WORD selected) { m_selected = selected; }
    CDataHeader* Select() {
        m_selected = 1;
        return this;
    }
    CDataHeader* Deselect() {
        m_selected = 0;
        return this;
    }
    void InitWord6() { m_word6 = kHeaderWord6Default; }

    // Words without a meaning of their own here: stored and copied unchanged.
    WORD GetWord2() const { return m_word2; }
    void SetWord2(WORD value) { m_word2 = value; }
    WORD GetWord4() const { return m_word4; }
    void SetWord4(WORD value) { m_word4 = value; }
    WORD GetWord5() const { return m_word5; }
    void SetWord5(WORD value) { m_word5 = value; }
    WORD GetWord6() const { return m_word6; }
    void SetWord6(WORD value) { m_word6 = value; }
    const std::array<BYTE, kReservedSize>& GetReserved() const { return m_reserved; }

protected:
    // What every record constructor does: kind, sub-kind, word 6 = 1000, layer 0, not
    // selected.
    CDataHeader(WORD type, WORD kind);

    WORD m_type = 0;
    WORD m_word2 = 0;
    WORD m_subKind = 0;
    WORD m_word4 = 0;
    WORD m_word5 = 0;
    WORD m_word6 = 0;
    WORD m_layer = 0;
    WORD m_selected = 0;
    std::array<BYTE, kReservedSize> m_reserved{};
};

// The file form of a LOGFONT: the five 32-bit metrics cut to 16 bits (sign-extended back on
// load), the eight byte fields and the 32-byte face name as they are.
struct LogFont16 {
    static constexpr std::size_t kSize = 50;

    std::int16_t lfHeight = 0;
    std::int16_t lfWidth = 0;
    std::int16_t lfEscapement = 0;
    std::int16_t lfOrientation = 0;
    std::int16_t lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    std::array<char, LF_FACESIZE> lfFaceName{};

    static LogFont16 FromLogFont(const LOGFONT& lf);
    LOGFONT ToLogFont() const;

    // The 50 bytes, little-endian, for records that embed the font in a larger block.
    void ToBytes(BYTE* out) const;
    static LogFont16 FromBytes(const BYTE* in);

    // Writes the font as 50 bytes, or reads 50 bytes into it.
    static void Serialize(CArchive& ar, LOGFONT& lf);
    static void Store(CArchive& ar, const LOGFONT& lf);
    static LOGFONT Load(CArchive& ar);
};

} // namespace tembra
