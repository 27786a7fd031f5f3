#include "print/PrHeaderBase.h"

#include "model/DamagedFile.h"
#include "model/DataHeader.h"
#include "print/PrLineFields.h"
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
    SerializeLineFields(ar, m_rect, m_style, m_width, m_color);
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
    // The counts of the records that follow. A count outside its array is never stored: the
    // load below refuses it.
    const auto cap = [](short count, int capacity) {
        return static_cast<short>(count < 0 ? 0 : (count > capacity ? capacity : count));
    };
    short titles = cap(m_titleCount, kTitleCapacity);
    short fields = cap(m_fieldCount, kFieldCapacity);
    short lines = cap(m_lineCount, kLineCapacity);
    if (ar.IsStoring()) {
        ar << titles << fields << lines;
    } else {
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
    for (int i = 0; i < titles; ++i) {
        m_titles[static_cast<std::size_t>(i)].Serialize(ar);
    }
    for (int i = 0; i < fields; ++i) {
        m_fields[static_cast<std::size_t>(i)].Serialize(ar);
    }
    for (int i = 0; i < lines; ++i) {
        m_lines[static_cast<std::size_t>(i)].Serialize(ar);
    }
}

} // namespace tembra
