// An object of another program embedded in the chart: its place on the chart, its natural size
// as last reported, and its two display flags. It lives in the document's item list (which
// deletes it) and is drawn by the page layout's item painter through ILayoutCntrItem.
//
// No program can be embedded on this platform, so no server ever runs behind an item: there is
// no activation, no server notification and no picture. What is kept is the data and the rules
// that place it, so that an item's record and rectangle come out as a chart written elsewhere
// expects them.
//
// Units: the position is a rectangle in 0.1 mm, y up (top > bottom), relative to the anchor's
// date and row (see GetDeviceRect); the extent is in HIMETRIC (0.01 mm), (0, 0) while unknown.
//
// The item's own field block in the document stream (SerializeFields), 16-bit values
// little-endian:
//   field             width              notes
//   magic             16-bit unsigned    0x5500
//   left, top,        16-bit signed each position; written clamped to -32768..32767
//   right, bottom
//   extent cx, cy     16-bit signed each HIMETRIC; clamped likewise
//   anchor date       32-bit time value  the anchor's start date
//   anchor row        16-bit unsigned    the anchor's start row
//   white background  16-bit unsigned    flag
//   frame             32-bit unsigned    flag; only in documents of version 53000 and later
// A wrong magic throws CArchiveException::generic once the six values after it are read.
#pragma once

#include "model/ChartPos.h"
#include "platform/Object.h"
#include "platform/Types.h"
#include "render/PageLayout.h"

#include <optional>

namespace tembra {

class CArchive;
class CDC;
class CTembraDoc;
class CView;

class CTembraCntrItem : public CObject, public ILayoutCntrItem {
    DECLARE_DYNAMIC(CTembraCntrItem)

public:
    static constexpr WORD kMagic = 0x5500;
    // The first document version whose items carry the frame flag.
    static constexpr int kFrameFlagVersion = 53000;
    // A new item: 9 mm square, 1 mm right of and below its anchor.
    static constexpr CRect kDefaultRect{10, -10, 100, -100};

    explicit CTembraCntrItem(CTembraDoc* doc = nullptr);

    // ---- Data -----------------------------------------------------------------------------------
    CTembraDoc* GetDocument() const { return m_pDocument; }
    const CChartPos& GetAnchor() const { return m_anchor; }
    void SetAnchor(const CChartPos& anchor) { m_anchor = anchor; }
    const CRect& GetRect() const { return m_rect; }
    const CSize& GetExtent() const { return m_extent; }
    void SetExtent(const CSize& extent) { m_extent = extent; }
    void SetWhiteBack(BOOL on) { m_bWhiteBack = on ? 1 : 0; }
    void SetFrame(BOOL on) { m_bFrame = on ? 1 : 0; }

    // ---- Placing --------------------------------------------------------------------------------
    // Redraws the old place, stores the rectangle (chart units), aligns it to the active view's
    // layout and redraws the new place.
    void SetPosition(const CRect& rect);
    // Moves the position below the layout's print header and down by the fixed rows of a chart
    // scrolled down. Null: the active view's layout; nothing without one.
    void AlignToLayout(const CPageLayout* layout);
    // The item's rectangle in the layout's logical units (null: the active view's layout; the
    // position itself without one). scaled: at the layout's zoom; otherwise at 100 %.
    CRect GetDeviceRect(const CPageLayout* layout, BOOL scaled) const;
    // Whether the position covers at least one device pixel of the screen in 0.1 mm units;
    // without a screen, whether the position itself is not empty.
    BOOL HasVisibleRect() const;
    // Takes the server's extent (nullopt: the server could not say): the first report sets the
    // size to the natural size, later ones scale the size by the ratio of the extents. Returns
    // TRUE when the extent changed.
    BOOL UpdateFromServerExtent(const std::optional<CSize>& serverExtent);
    // Forgets the extent and takes the server's natural size anew.
    void ResetSize(const std::optional<CSize>& serverExtent);
    // Tells the document's views that the item's place needs drawing.
    void UpdateViews(CView* sender);

    // ---- File form ------------------------------------------------------------------------------
    void Serialize(CArchive& ar) override;
    // The item's field block alone (the table above).
    void SerializeFields(CArchive& ar);

    // ---- ILayoutCntrItem ------------------------------------------------------------------------
    CRect GetDeviceRect(const CPageLayout& layout, CDC* dc) const override;
    bool IsWhiteBack() const override { return m_bWhiteBack != 0; }
    bool HasFrame() const override { return m_bFrame != 0; }
    bool HasPicture() const override { return false; }
    void DrawPicture(CDC* /*dc*/, const CRect& /*rect*/) const override {}

private:
    const CPageLayout* ActiveLayout() const;

    CTembraDoc* m_pDocument = nullptr;
    CChartPos m_anchor;
    CRect m_rect = kDefaultRect;
    CSize m_extent{0, 0};
    WORD m_bWhiteBack = 0;
    DWORD m_bFrame = 0;
};

} // namespace tembra
