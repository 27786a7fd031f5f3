// The ten pages of the plan texts of the safety-and-health form: which items each page has,
// which of them are labels taken from the layout and which the user fills in, and which edits
// only make sense once their step label is filled. The sheet and its pages are built from this
// one table.
//
// The header's input areas name their item with six digits: the first two the page (01 to 10),
// the last four the item on that page ("010001" is page 1, item 1, the plan's title).
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tembra {

// An edit that is enabled only while its step label holds a text.
struct PrhMst03StepPair {
    int edit;
    int label;
};

// The caption the sheet shows beside an edit that has no label of the layout in front of it.
struct PrhMst03EditCaption {
    int item;
    const char* caption; // UTF-8
};

struct PrhMst03PageDef {
    int page;            // 1 to 10
    int dialogId;        // the page's dialog template
    const char* caption; // the tab's caption, UTF-8
    int itemCount;       // items 1 to itemCount
    std::span<const int> labels;
    std::span<const PrhMst03StepPair> steps;
    std::span<const PrhMst03EditCaption> captions;

    bool IsLabel(int item) const;
    // The step label an edit waits for; 0 when the edit is always enabled.
    int StepLabelOf(int edit) const;
    // The sheet's caption of an edit, UTF-8; empty when the layout's label serves.
    std::string_view CaptionOf(int edit) const;
};

constexpr int kPrhMst03PageCount = 10;
// The document check list.
constexpr int kPrhMst03CheckListPage = 10;

std::span<const PrhMst03PageDef> PrhMst03Pages();
// The page's entry; null outside 1 to 10.
const PrhMst03PageDef* FindPrhMst03Page(int page);

struct PrhMst03Code {
    int page;
    int item;
};

// The page and item of an input area's name: exactly six characters, the decimal value of the
// first two and of the last four. Other lengths give nothing; the page is not range-checked.
std::optional<PrhMst03Code> ParsePrhMst03Code(std::string_view name);

} // namespace tembra
