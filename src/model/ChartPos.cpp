#include "model/ChartPos.h"

#include "platform/ByteOrder.h"
#include "platform/Document.h"

#include <utility>

namespace tembra {

void CChartPos::SetFromOldForm(DWORD a, DWORD b, DWORD c, DWORD d) {
    m_startDate = a;
    m_endDate = b;
    m_startRow = LOWORD(c);
    m_endRow = HIWORD(c);
    m_word3 = 0;
    m_word4 = LOWORD(d);
    m_word5 = HIWORD(d);
    m_word6 = 0;
}

void CChartPos::SwapEnds() {
    std::swap(m_startDate, m_endDate);
    std::swap(m_startRow, m_endRow);
    std::swap(m_word4, m_word5);
}

void CChartPos::ToBytes(BYTE* out) const {
    PutDword(out, m_startDate);
    PutDword(out + 4, m_endDate);
    PutWord(out + 8, m_startRow);
    PutWord(out + 10, m_endRow);
    PutWord(out + 12, m_word3);
    PutWord(out + 14, m_word4);
    PutWord(out + 16, m_word5);
    PutWord(out + 18, m_word6);
}

CChartPos CChartPos::FromBytes(const BYTE* in) {
    CChartPos pos;
    pos.m_startDate = GetDword(in);
    pos.m_endDate = GetDword(in + 4);
    pos.m_startRow = GetWord(in + 8);
    pos.m_endRow = GetWord(in + 10);
    pos.m_word3 = GetWord(in + 12);
    pos.m_word4 = GetWord(in + 14);
    pos.m_word5 = GetWord(in + 16);
    pos.m_word6 = GetWord(in + 18);
    return pos;
}

void CChartPos::Serialize(CArchive& ar) {
    const bool oldForm = ArchiveVersion(ar) < kChartPosVersion;
    if (ar.IsStoring()) {
        if (oldForm) {
            // What a document of that version holds: the rows and words 4 and 5 in pairs.
            ar << m_startDate << m_endDate << MAKELONG(m_startRow, m_endRow)
               << MAKELONG(m_word4, m_word5);
        } else {
            BYTE bytes[kSize];
            ToBytes(bytes);
            ar.Write(bytes, kSize);
        }
        return;
    }
    if (oldForm) {
        DWORD a = 0, b = 0, c = 0, d = 0;
        ar >> a >> b >> c >> d;
        SetFromOldForm(a, b, c, d);
    } else {
        BYTE bytes[kSize];
        ar.ReadExact(bytes, kSize);
        *this = FromBytes(bytes);
    }
}

} // namespace tembra
