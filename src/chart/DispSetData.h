// The settings of one series of a resource chart: whether the resource is shown (and, once the
// chart has computed its day values, which value buffer is its own), and the colours, fill and
// line of its bars or its line.
//
// File form (little-endian):
//   WORD  slot            (the low 16 bits; read back zero-extended)
//   DWORD line colour
//   DWORD pattern colour
//   WORD  pattern         (the low 16 bits; read back zero-extended)
// and from version 51000 on:
//   WORD  line width
//   WORD  line type
#pragma once

#include "platform/Archive.h"
#include "platform/Object.h"
#include "platform/Types.h"

namespace tembra {

class CDispSetData : public CObject {
    DECLARE_SERIAL(CDispSetData)
public:
    // Files from this version on hold the line width and type.
    static constexpr int kLineVersion = 51000;
    // The fill code of no fill.
    static constexpr LONG kNoPattern = 999;

    // Not shown, black, no fill, line type and width 0.
    CDispSetData() = default;
    CDispSetData(const CDispSetData& other) = default;
    // Copies the six fields.
    CDispSetData& operator=(const CDispSetData& other) = default;
    ~CDispSetData() override = default;

    void Serialize(CArchive& ar) override;

    // 0: not shown; otherwise shown, and after a computation the 1-based number of its day-value
    // buffer.
    LONG GetSlot() const { return m_slot; }
    void SetSlot(LONG slot) { m_slot = slot; }
    COLORREF GetLineColor() const { return m_lineColor; }
    void SetLineColor(COLORREF color) { m_lineColor = color; }
    COLORREF GetPatternColor() const { return m_patternColor; }
    void SetPatternColor(COLORREF color) { m_patternColor = color; }
    // The fill code of the bars (999: none).
    LONG GetPattern() const { return m_pattern; }
    void SetPattern(LONG pattern) { m_pattern = pattern; }
    // The line type and width codes of a line graph.
    short GetLineType() const { return m_lineType; }
    void SetLineType(short type) { m_lineType = type; }
    short GetLineWidth() const { return m_lineWidth; }
    void SetLineWidth(short width) { m_lineWidth = width; }

private:
    LONG m_slot = 0;
    COLORREF m_lineColor = 0;
    COLORREF m_patternColor = 0;
    LONG m_pattern = kNoPattern;
    short m_lineType = 0;
    short m_lineWidth = 0;
};

} // namespace tembra
