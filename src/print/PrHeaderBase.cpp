#include "print/PrHeaderBase.h"

#include "model/DamagedFile.h"
#include "model/DataHeader.h"
#include "print/PrStoredFields.h"

namespace tembra {

IMPLEMENT_SERIAL(CPrText, CObject, 1)
IMPLEMENT_SERIAL(CPrLine, CObject, 1)
IMPLEMENT_SERIAL(CPrElement, CObject, 1)
IMPLEMENT_SERIAL(CPrHeaderBase, CObject, 1)

using namespace prfields;

void CPrText::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        StoreRect16(ar, m_rect);
        LogFont16::Store(ar, m_font);
        ar << static_cast<DWORD>(m_color) << m_text;
    } else {
        m_rect = LoadRect16(ar);
        m_font = LogFont16::Load(ar);
        m_color = LoadColor(ar);
        ar >> m_text;
    }
}

void CPrLine::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        StoreRect16(ar, m_rect);
        ar << m_style << m_width << static_cast<DWORD>(m_color);
    } else {
        m_rect = LoadRect16(ar);
        ar >> m_style >> m_width;
        m_color = LoadColor(ar);
    }
}

void CPrElement::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_code;
    } else {
        ar >> m_code;
    }
    m_title.Serialize(ar);
    m_value.Serialize(ar);
}

void CPrHeaderBase::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_titleCount << m_fieldCount << m_lineCount;
    } else {
        short titles = 0;
        short fields = 0;
        short lines = 0;
        ar >> titles >> fields >> lines;
        // The arrays are fixed; a count beyond them belongs to a damaged file.
        if (titles < 0 || titles > kTitleCapacity || fields < 0 || fields > kFieldCapacity ||
            lines < 0 || lines > kLineCapacity) {
            FailDamagedFile();
        }
        m_titleCount = titles;
        m_fieldCount = fields;
        m_lineCount = lines;
    }
    // Counts already checked on loading; on storing they are cut to the arrays as well.
    const auto cap = [](short count, int capacity) {
        return count < 0 ? 0 : (count > capacity ? capacity : count);
    };
    for (int i = 0; i < cap(m_titleCount, kTitleCapacity); ++i) {
        m_titles[static_cast<std::size_t>(i)].Serialize(ar);
    }
    for (int i = 0; i < cap(m_fieldCount, kFieldCapacity); ++i) {
        m_fields[static_cast<std::size_t>(i)].Serialize(ar);
    }
    for (int i = 0; i < cap(m_lineCount, kLineCapacity); ++i) {
        m_lines[static_cast<std::size_t>(i)].Serialize(ar);
    }
}

} // namespace tembra
