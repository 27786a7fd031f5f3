#include "model/ByteField.h"

#include "model/DataHeader.h"

namespace tembra {

void Rect16::Put(BYTE* out, const CRect& rect) {
    using Word = LittleEndian<2>;
    Word::Put(out, rect.left);
    Word::Put(out + 2, rect.top);
    Word::Put(out + 4, rect.right);
    Word::Put(out + 6, rect.bottom);
}

CRect Rect16::Get(const BYTE* in) {
    using Word = LittleEndian<2>;
    return CRect(Word::Get<LONG>(in), Word::Get<LONG>(in + 2), Word::Get<LONG>(in + 4),
                 Word::Get<LONG>(in + 6));
}

void Font16::Put(BYTE* out, const LOGFONT& font) {
    LogFont16::FromLogFont(font).ToBytes(out);
}

LOGFONT Font16::Get(const BYTE* in) {
    return LogFont16::FromBytes(in).ToLogFont();
}

namespace {

constexpr std::size_t kFaceAt = 28;

constexpr ByteField<LOGFONT> kRawFontFields[] = {
    Field<&LOGFONT::lfHeight>(0),          Field<&LOGFONT::lfWidth>(4),
    Field<&LOGFONT::lfEscapement>(8),      Field<&LOGFONT::lfOrientation>(12),
    Field<&LOGFONT::lfWeight>(16),         Field<&LOGFONT::lfItalic>(20),
    Field<&LOGFONT::lfUnderline>(21),      Field<&LOGFONT::lfStrikeOut>(22),
    Field<&LOGFONT::lfCharSet>(23),        Field<&LOGFONT::lfOutPrecision>(24),
    Field<&LOGFONT::lfClipPrecision>(25),  Field<&LOGFONT::lfQuality>(26),
    Field<&LOGFONT::lfPitchAndFamily>(27),
};
static_assert(FitsBlock(kRawFontFields, kFaceAt));

} // namespace

void RawFont::Put(BYTE* out, const LOGFONT& font) {
    PutFields<LOGFONT>(kRawFontFields, font, std::span<BYTE>(out, kWidth));
    std::memcpy(out + kFaceAt, font.lfFaceName, LF_FACESIZE);
}

LOGFONT RawFont::Get(const BYTE* in) {
    LOGFONT font;
    GetFields<LOGFONT>(kRawFontFields, std::span<const BYTE>(in, kWidth), font);
    std::memcpy(font.lfFaceName, in + kFaceAt, LF_FACESIZE);
    return font;
}

} // namespace tembra
