#include "model/KtkmHatch.h"

#include "platform/Document.h"

#include <new>

namespace tembra {

IMPLEMENT_SERIAL(CKtkmHatch, CObject, 1)

std::unique_ptr<CKtkmHatch> CKtkmHatch::Clone() const {
    return std::unique_ptr<CKtkmHatch>(new (std::nothrow) CKtkmHatch(*this));
}

void CKtkmHatch::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    const bool withPattern = ArchiveVersion(ar) >= kHatchPatternVersion;
    if (ar.IsStoring()) {
        ar << m_pos.GetStartDateValue() << m_pos.GetEndDateValue() << m_pos.GetStartRow()
           << m_pos.GetEndRow() << m_kind << static_cast<DWORD>(m_color)
           << static_cast<DWORD>(m_firstColumn) << static_cast<DWORD>(m_lastColumn);
        if (withPattern) {
            ar << m_pattern;
        }
        return;
    }
    DWORD start = 0, end = 0, color = 0, firstColumn = 0, lastColumn = 0;
    WORD firstRow = 0, lastRow = 0, kind = 0, pattern = kDefaultPattern;
    ar >> start >> end >> firstRow >> lastRow >> kind >> color >> firstColumn >> lastColumn;
    if (withPattern) {
        ar >> pattern;
    }
    m_pos.SetStartDateValue(start);
    m_pos.SetEndDateValue(end);
    m_pos.SetStartRow(firstRow);
    m_pos.SetEndRow(lastRow);
    m_kind = kind;
    m_color = color;
    m_firstColumn = static_cast<LONG>(firstColumn);
    m_lastColumn = static_cast<LONG>(lastColumn);
    m_pattern = pattern;
}

} // namespace tembra
