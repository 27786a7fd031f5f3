// The fields of the progress-line attribute dialogs (175 the defaults, 316 one line) as plain
// values: line type, width code, colour, vertex joining, vertex dates; the three line widths of
// the defaults; the own-font flag of a line. Loading and writing go through here so that the
// encodings (join interval, date format entry, kept colours) are tested without widgets.
#pragma once

#include "dialogs/settings/core/ColorChoice.h"
#include "model/Shincyoku.h"
#include "platform/Types.h"

#include <array>
#include <string>

namespace tembra {

class CConfigShin;

// The groups dialog 316 applies, each ticked by its own box.
struct ShinApplyGroups {
    bool type = false;
    bool width = false;
    bool color = false;
    bool join = false;
    bool dates = false; // date mode, date colour, format and font together
    bool Any() const { return type || width || color || join || dates; }
    bool operator==(const ShinApplyGroups&) const = default;
};

struct ShinAttrFields {
    static constexpr int kWidthMin = 1; // 実線幅 in 0.1 mm
    static constexpr int kWidthMax = 50;
    static constexpr int kIntervalCount = 5;

    int type = 0; // the stored line type (1 破線, 2 点線), not the list position
    int width = 0;
    ColorChoice color;
    bool joined = false;
    int interval = 0; // position in the interval list: "1" is 0
    bool dates = false;
    ColorChoice dateColor;
    int format = -1;        // the date format entry, -1 when the stored text is none of them
    std::string formatText; // the stored text, kept when no entry is selected
    bool ownFont = false;
    std::array<WORD, 3> widths{}; // normal, thin, bold (defaults only)

    static ShinAttrFields FromSettings(const CConfigShin& settings);
    static ShinAttrFields FromLine(const CShinLineAttr& line, const CShinLabelAttr& label);

    // The join value: interval + 1 when joined, else 0; a stored join n opens at entry "n"
    // (a value past the list opens at its last entry).
    WORD Linked() const { return joined ? static_cast<WORD>(interval + 1) : WORD{0}; }
    void SetLinked(WORD linked);
    // The date format to store: the selected entry's text, else the text as it was.
    std::string FormatText() const;
    void SelectFormat(int position);

    // Dialog 175: every field into the settings part.
    void WriteSettings(CConfigShin& settings) const;
    // Dialog 316: only the ticked groups into the line.
    void WriteLine(const ShinApplyGroups& groups, CShinLineAttr& line, CShinLabelAttr& label) const;
    bool operator==(const ShinAttrFields&) const = default;
};

} // namespace tembra
