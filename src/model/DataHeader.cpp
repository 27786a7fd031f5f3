#include "model/DataHeader.h"

#include "platform/ByteOrder.h"

#include <cstring>

namespace tembra {

IMPLEMENT_SERIAL(CDataHeader, CObject, 1)

CDataHeader::CDataHeader() = default;

CDataHeader::CDataHeader(WORD type, WORD kind) {
    m_type = type;
    m_subKind = kind;
    InitWord6();
    m_layer = 0;
    m_selected = 0;
}

CDataHeader& CDataHeader::operator=(const CDataHeader& other) {
    if (this != &other) {
        m_type = other.m_type;
        m_word2 = other.m_word2;
        m_subKind = other.m_subKind;
        m_word4 = other.m_word4;
        m_word5 = other.m_word5;
        m_word6 = other.m_word6;
        m_layer = other.m_layer;
        m_selected = other.m_selected;
        m_reserved = other.m_reserved;
    }
    return *this;
}

void CDataHeader::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        m_reserved.fill(0);
        ar << m_type << m_word2 << m_subKind << m_word4 << m_word5 << m_word6 << m_layer
           << m_selected;
        ar.Write(m_reserved.data(), kReservedSize);
    } else {
        // The 32 bytes in one read: every record of a chart starts with them.
        BYTE bytes[kFileSize];
        ar.ReadExact(bytes, kFileSize);
        m_type = GetWord(bytes);
        m_word2 = GetWord(bytes + 2);
        m_subKind = GetWord(bytes + 4);
        m_word4 = GetWord(bytes + 6);
        m_word5 = GetWord(bytes + 8);
        m_word6 = GetWord(bytes + 10);
        m_layer = GetWord(bytes + 12);
        m_selected = GetWord(bytes + 14);
        std::memcpy(m_reserved.data(), bytes + 16, kReservedSize);
    }
}

// ---------------------------------------------------------------------------------------------
// LogFont16

LogFont16 LogFont16::FromLogFont(const LOGFONT& lf) {
    LogFont16 f;
    f.lfHeight = static_cast<std::int16_t>(lf.lfHeight);
    f.lfWidth = static_cast<std::int16_t>(lf.lfWidth);
    f.lfEscapement = static_cast<std::int16_t>(lf.lfEscapement);
    f.lfOrientation = static_cast<std::int16_t>(lf.lfOrientation);
    f.lfWeight = static_cast<std::int16_t>(lf.lfWeight);
    f.lfItalic = lf.lfItalic;
    f.lfUnderline = lf.lfUnderline;
    f.lfStrikeOut = lf.lfStrikeOut;
    f.lfCharSet = lf.lfCharSet;
    f.lfOutPrecision = lf.lfOutPrecision;
    f.lfClipPrecision = lf.lfClipPrecision;
    f.lfQuality = lf.lfQuality;
    f.lfPitchAndFamily = lf.lfPitchAndFamily;
    std::memcpy(f.lfFaceName.data(), lf.lfFaceName, LF_FACESIZE);
    return f;
}

LOGFONT LogFont16::ToLogFont() const {
    LOGFONT lf;
    lf.lfHeight = lfHeight;
    lf.lfWidth = lfWidth;
    lf.lfEscapement = lfEscapement;
    lf.lfOrientation = lfOrientation;
    lf.lfWeight = lfWeight;
    lf.lfItalic = lfItalic;
    lf.lfUnderline = lfUnderline;
    lf.lfStrikeOut = lfStrikeOut;
    lf.lfCharSet = lfCharSet;
    lf.lfOutPrecision = lfOutPrecision;
    lf.lfClipPrecision = lfClipPrecision;
    lf.lfQuality = lfQuality;
    lf.lfPitchAndFamily = lfPitchAndFamily;
    std::memcpy(lf.lfFaceName, lfFaceName.data(), LF_FACESIZE);
    return lf;
}

void LogFont16::ToBytes(BYTE* out) const {
    const std::int16_t metrics[5] = {lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight};
    for (int i = 0; i < 5; ++i) {
        const auto u = static_cast<std::uint16_t>(metrics[i]);
        out[i * 2] = static_cast<BYTE>(u & 0xFF);
        out[i * 2 + 1] = static_cast<BYTE>(u >> 8);
    }
    const BYTE flags[8] = {lfItalic,       lfUnderline,     lfStrikeOut, lfCharSet,
                           lfOutPrecision, lfClipPrecision, lfQuality,   lfPitchAndFamily};
    std::memcpy(out + 10, flags, 8);
    std::memcpy(out + 18, lfFaceName.data(), LF_FACESIZE);
}

LogFont16 LogFont16::FromBytes(const BYTE* in) {
    auto word = [in](int i) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(in[i] | (in[i + 1] << 8)));
    };
    LogFont16 f;
    f.lfHeight = word(0);
    f.lfWidth = word(2);
    f.lfEscapement = word(4);
    f.lfOrientation = word(6);
    f.lfWeight = word(8);
    f.lfItalic = in[10];
    f.lfUnderline = in[11];
    f.lfStrikeOut = in[12];
    f.lfCharSet = in[13];
    f.lfOutPrecision = in[14];
    f.lfClipPrecision = in[15];
    f.lfQuality = in[16];
    f.lfPitchAndFamily = in[17];
    std::memcpy(f.lfFaceName.data(), in + 18, LF_FACESIZE);
    return f;
}

void LogFont16::Store(CArchive& ar, const LOGFONT& lf) {
    BYTE bytes[kSize];
    FromLogFont(lf).ToBytes(bytes);
    ar.Write(bytes, kSize);
}

LOGFONT LogFont16::Load(CArchive& ar) {
    BYTE bytes[kSize];
    ar.ReadExact(bytes, kSize);
    return FromBytes(bytes).ToLogFont();
}

void LogFont16::Serialize(CArchive& ar, LOGFONT& lf) {
    if (ar.IsStoring()) {
        Store(ar, lf);
    } else {
        lf = Load(ar);
    }
}

} // namespace tembra
