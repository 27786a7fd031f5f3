// The old fixed print header, read only from document files older than 31000, whose texts are
// then moved into the free elements: CPrHeaderBase and the records it is made of (a text, a
// line, and a field of a title and a value text). One family, one header.
//
// Rectangles are in 0.1 mm with y growing upward; every record is stored with schema 1,
// coordinates as 16-bit values, fonts as the 50-byte LogFont16 record.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <array>
#include <string>

namespace tembra {

class CPrText : public CObject {
    DECLARE_SERIAL(CPrText)
public:
    CPrText() = default;
    CPrText(const CPrText&) = default;
    CPrText& operator=(const CPrText&) = default;
    void Serialize(CArchive& ar) override;

    CRect m_rect;
    LOGFONT m_font;
    COLORREF m_color = 0;
    std::string m_text;
};

class CPrLine : public CObject {
    DECLARE_SERIAL(CPrLine)
public:
    CPrLine() = default;
    CPrLine(const CPrLine&) = default;
    CPrLine& operator=(const CPrLine&) = default;
    void Serialize(CArchive& ar) override;

    CRect m_rect;
    short m_style = 0;
    short m_width = 0;
    COLORREF m_color = 0;
};

class CPrElement : public CObject {
    DECLARE_SERIAL(CPrElement)
public:
    CPrElement() = default;
    CPrElement(const CPrElement&) = default;
    CPrElement& operator=(const CPrElement&) = default;
    void Serialize(CArchive& ar) override;

    short m_code = 0; // 0 marks an empty field
    CPrText m_title;
    CPrText m_value;
};

class CPrHeaderBase : public CObject {
    DECLARE_SERIAL(CPrHeaderBase)
public:
    static constexpr int kTitleCapacity = 3;
    static constexpr int kFieldCapacity = 20;
    static constexpr int kLineCapacity = 20;

    CPrHeaderBase() = default;
    CPrHeaderBase(const CPrHeaderBase&) = default;
    CPrHeaderBase& operator=(const CPrHeaderBase&) = default;
    // The three counts, then that many titles, fields and lines. A stored count beyond the
    // capacity of its array cannot be read: the load fails (the damaged-file message). Storing
    // writes each count cut to 0..capacity, the number of records that follow it.
    void Serialize(CArchive& ar) override;

    short m_titleCount = 0;
    short m_fieldCount = 0;
    short m_lineCount = 0;
    std::array<CPrElement, kTitleCapacity> m_titles;
    std::array<CPrElement, kFieldCapacity> m_fields;
    std::array<CPrLine, kLineCapacity> m_lines;
};

} // namespace tembra
