// The values and checks of the size settings dialog: for each of the six papers the heights of
// the print header, footer, date row and process row, the four paper margins and the left and
// right margins of the process area (0.1 mm), taken from the papers' area rectangles; the
// checks made when a field is left and at OK; and the area rectangles rebuilt from the values.
// The dialog shows the ten values of one paper at a time and keeps the others here until OK.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <array>

namespace marquell {

class CLayoutFileData;
class CPHeadSizeData;

// The fields of the dialog, which are also the first ten rows of a paper's values.
enum SizeField : int {
    kSizeHeader,
    kSizeFooter,
    kSizeDate,
    kSizeProcess,
    kSizeTop,
    kSizeBottom,
    kSizeLeft,
    kSizeRight,
    kSizeProcessLeft,
    kSizeProcessRight,
    kSizeFieldCount,
    // Rows that are no field: the paper's width and height.
    kSizePaperWidth = kSizeFieldCount,
    kSizePaperHeight,
    kSizeRowCount
};

class CSizeSetData {
public:
    using Values = std::array<int, kSizeFieldCount>;
    using Rows = std::array<int, kSizeRowCount>;

    // The range a field accepts (0.1 mm).
    struct Range {
        int min;
        int max;
    };
    static Range FieldRange(int field);

    // The outcome of a check: the message to show (0 none) and the field to take the focus
    // (-1 none).
    struct Check {
        UINT message = 0;
        int focus = -1;
        bool Passed() const { return focus < 0; }
    };

    // The values of every paper from its current sizes, and of its sizes as read for the
    // reset; the paper shown is the layout's current one.
    explicit CSizeSetData(const CLayoutFileData& layout);

    // The rows of a paper's sizes.
    static Rows RowsOf(const CPHeadSizeData& size);

    int GetPaper() const { return m_paper; }
    // The ten values of the paper shown, as the fields hold them.
    Values& GetValues() { return m_values; }
    const Values& GetValues() const { return m_values; }
    const Rows& GetRows(int paper) const { return m_rows[static_cast<std::size_t>(paper)]; }

    // The paper list chose another paper: the values shown go back to their paper, and the
    // chosen paper's values are shown.
    void SelectPaper(int paper);
    // The shown paper's values anew from its sizes as read.
    void Reset();

    // A field was left (its values read): the heights of header, footer, date row and margins
    // give the process row the rest of the paper (61206 when it would be below 500); the
    // process row gives the header the rest (61204 below 50); the widths must leave the process
    // area 500 (a message of our own, 61255). A refusal sends the focus to the largest field of
    // its group.
    Check LeaveField(int field);
    // The checks at OK, without messages: the focus goes to the largest field of the group
    // whose check fails.
    Check CheckAll() const;
    // OK: the layout's current paper becomes the one shown and every paper's eight area
    // rectangles are rebuilt from its values.
    void Apply(CLayoutFileData& layout);

    // The largest of the height fields (header, date row, process row, top, bottom, footer) or
    // of the width fields (left, right, process left, process right); the first of equal values
    // wins and a value below 1 never does.
    static int LargestHeight(const Values& values);
    static int LargestWidth(const Values& values);
    // The process row left by the other heights, the header left by the process row, and the
    // process area's width left by the widths.
    static int ProcessRest(const Rows& rows);
    static int HeaderRest(const Rows& rows);
    static int WidthRest(const Rows& rows);

private:
    Rows Shown() const;

    std::array<Rows, 6> m_rows{};
    std::array<Rows, 6> m_defaults{};
    int m_paper = 0;
    Values m_values{};
};

} // namespace marquell
