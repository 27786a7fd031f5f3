// Lays out the frames of a plan batch on a chart: two bands of framed texts (an upper and a lower
// frame per column), first three heading pairs across the item area, the gap up to the chart and
// the margin right of it, then one pair per column between neighbouring column boundaries. Every
// frame is made by the document and added to it in the order built; the batch empties the undo
// history first, so that one Undo takes the whole batch back. When a frame cannot be made the
// batch stops; what it made stays (and is undone with the rest).
#pragma once

#include "platform/Types.h"
#include "safety/PlanBandRows.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CPageLayout;
class CTembraDoc;
class CZukeiString;

struct PlanBatchStyle {
    WORD upperTag = 0;
    WORD lowerTag = 0;
    // The texts of the first heading pair (CP932).
    std::string upperHeading;
    std::string lowerHeading;
    // The faces the heading frames are made with (CP932).
    std::string upperHeadingFace;
    std::string lowerHeadingFace;
    // The fonts of the column frames; without one a column frame keeps the font it was made with.
    std::optional<LOGFONT> upperColumnFont;
    std::optional<LOGFONT> lowerColumnFont;
    // Whether the column frames of each band get the heading's text form ("Form" 1, "Attrb" 0).
    bool upperColumnsFormed = false;
    bool lowerColumnsFormed = false;
};

// The text face both batches make their frames with (CP932 "ＭＳ 明朝") and the gothic face of the
// weekly targets' heading.
std::string PlanMinchoFace();
std::string PlanGothicFace();
// The fonts of the weekly frames by paper: gothic targets and mincho actions, larger on larger
// paper; nothing for a paper code outside 0..5 (the frames keep the document's text font).
std::optional<std::pair<LOGFONT, LOGFONT>> WeekTargetFonts(int paper);
// The installed font of a face at a character height (a negative font height).
LOGFONT PlanFaceFont(const std::string& face, LONG height);
// Puts a frame's corners at left, right and the top and bottom of a band's rows, each corner
// moved onto the nearest midnight when asked.
void PlacePlanFrame(CZukeiString& frame, const CPageLayout& layout, int left, int right,
                    const PlanRowRange& band, bool snapLeft, bool snapRight);

class CPlanFrameBatch {
public:
    using Maker = std::function<std::unique_ptr<CZukeiString>(std::string_view face)>;

    CPlanFrameBatch(CTembraDoc& doc, const CPageLayout& layout, PlanBatchStyle style);

    // The frames' maker: the document's CreateTextZukei unless replaced.
    void SetMaker(Maker maker) { m_make = std::move(maker); }

    // Builds the batch over the column boundaries; false when a frame could not be made.
    bool Build(const std::vector<int>& columns, const PlanBandRows& rows);

private:
    // Makes, places and adds one pair; false when a frame could not be made.
    bool AddPair(int left, int right, const PlanBandRows& rows, int heading, bool snapLeft,
                 bool snapRight);
    // heading 0..2 for the heading pairs (0 carries the texts), -1 for a column frame.
    bool AddFrame(int left, int right, const PlanRowRange& band, bool upper, int heading,
                  bool snapLeft, bool snapRight);

    CTembraDoc& m_doc;
    const CPageLayout& m_layout;
    PlanBatchStyle m_style;
    Maker m_make;
};

} // namespace tembra
