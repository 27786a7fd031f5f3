// One of the six papers of a layout (A4, B4, A3, A3 portrait, A2, A1): the sizes of its areas as
// they stand and as they were read, its elements in drawing order, and its base input areas,
// the named input areas every layout of the paper carries. The paper's operations are what the
// editor's document and view do to the elements; each editing operation resets the owner's undo
// history, then records every element it adds, removes or replaces, has the element redrawn and
// marks the layout modified (ILayoutOwner).
//
// The paper's defaults come from the editor's own key: the section "固定Ａ" followed by the
// paper's section name ("_A4_" ... "A3縦" ... "_A1_") holds its areas ("PaperArea",
// "HeaderArea", "FooterArea", "DateArea", "EditArea", "OffsetLTop", "OffsetRBottom": four
// numbers, y downward), its divisions ("Vpartition", "Hpartition") and its base input areas
// ("InputArea1", "InputArea2", ...: "name", l, t, r, b, "face", height, width, vcentre,
// hcentre, colour); "固定Ｂ" holds further base input areas for every paper, read from the user
// profile instead while its "CurUser" there is not 0.
#pragma once

#include "layout_editor/core/LayoutData.h"
#include "layout_editor/core/PHeadSizeData.h"

#include <memory>
#include <string_view>
#include <vector>

namespace marquell {

class CEditorSettings;
class CPHeadInputArea;
class CPHeadLineData;
class CPHeadMojiData;
class ILayoutOwner;
class ILayoutView;

class CPaperData : public CObject {
    DECLARE_SERIAL(CPaperData)
public:
    using ElementList = std::vector<std::unique_ptr<CLayoutData>>;
    using BaseList = std::vector<std::unique_ptr<CPHeadInputArea>>;

    CPaperData();
    ~CPaperData() override;
    CPaperData(const CPaperData&) = delete;
    CPaperData& operator=(const CPaperData&) = delete;

    // The sizes being edited, and the sizes as the file or the defaults gave them.
    CPHeadSizeData& GetSize() { return m_size; }
    const CPHeadSizeData& GetSize() const { return m_size; }
    CPHeadSizeData& GetSizeAsRead() { return m_sizeRead; }
    const CPHeadSizeData& GetSizeAsRead() const { return m_sizeRead; }
    ElementList& GetElements() { return m_elements; }
    const ElementList& GetElements() const { return m_elements; }
    const BaseList& GetBaseInputAreas() const { return m_base; }

    // ---- Defaults ---------------------------------------------------------------------------
    // The sizes of paper 0..5 from the editor's key (both size records; the side areas run from
    // the header's lower edge to the chart area's lower edge, beside the chart area; the
    // "before" rectangles empty; the header current), its base input areas appended to the
    // element list and the base list ("固定Ａ" area n gets base-name index n, or 0 from 4 on),
    // and those of "固定Ｂ" to the base list only. The lists are not emptied first.
    void SetDefaults(int paper);
    // Deletes every element and every base input area.
    void RemoveAllElements();

    // ---- Editing ------------------------------------------------------------------------------
    void AddElement(ILayoutOwner& owner, std::unique_ptr<CLayoutData> element);
    void DeleteAll(ILayoutOwner& owner);
    void DeleteSelected(ILayoutOwner& owner);
    // Each selected element is deselected and a copy moved by the offset added, selected; an
    // input-area copy gets a free name, and a base-name index other than 0 and 4 becomes 0.
    void CopySelectedBy(ILayoutOwner& owner, const CPoint& offset);
    void MoveSelectedBy(ILayoutOwner& owner, const CPoint& offset);
    // Each selected element reshaped by the view's transform.
    void TransformSelected(ILayoutOwner& owner, const ILayoutView& view);
    // The selected fixed texts and input areas take the font's face and the rest of its record;
    // each keeps its own height and width.
    void SetFontOfSelected(ILayoutOwner& owner, const LOGFONT& font);
    // The selected lines and boxes take the width class and the editor's width for it.
    void SetLineWidthOfSelected(ILayoutOwner& owner, const CEditorSettings& settings, int kind);

    // ---- Selection ----------------------------------------------------------------------------
    // Selects every element of the current area.
    void SelectInArea(ILayoutOwner& owner);
    // The selection step of the view. A rectangle of zero size is a click: widened by the view's
    // tolerance; the topmost selected element it hits is deselected alone and the result is -1.
    // Otherwise the selection is kept (additive selection) or dropped, and the elements of the
    // current area the rectangle hits (wholly inside it under the inside-frame rule, never for
    // a click) are selected, topmost first, a click only one. Returns the number selected.
    int Select(ILayoutOwner& owner, const ILayoutView& view, const CRect& rect);
    // The number of elements the rectangle hits under the view's inside-frame rule.
    int CountInRect(const ILayoutView& view, const CRect& rect) const;
    void DeselectAll(ILayoutOwner& owner);
    // The first selected fixed text or input area; the first selected line or box.
    CPHeadMojiData* FindSelectedText() const;
    CPHeadLineData* FindSelectedLine() const;
    int CountElements() const { return static_cast<int>(m_elements.size()); }
    int CountSelected() const;

    // ---- Input-area names ---------------------------------------------------------------------
    bool IsInputAreaNameUsed(std::string_view name) const;
    // An input area keeps its name when no input area of the list has it, else takes the name
    // followed by 1, 2, 3 ... (the first unused; a long name is cut on a character boundary so
    // that the whole keeps the 127 bytes of the layout file).
    void MakeUniqueName(CLayoutData& element) const;
    // On reading, the input areas of a file in their order: each one whose name an input area of
    // the list carries (the first of that name) gives that area every field; the others are
    // appended.
    void MergeInputAreas(std::vector<std::unique_ptr<CPHeadInputArea>> inputs);
    // Before writing: each base input area that no input area of the list is named after is
    // appended as a copy with an empty rectangle, not selected.
    void CompleteBaseInputAreas();

    // ---- Drawing ------------------------------------------------------------------------------
    // The areas, the current area's grid while the view snaps to it, then each element that
    // meets the clip box (at least one device pixel each way); while the view shows the whole
    // paper each element is clipped to its own area, widened by 2 pixels at the left, right and
    // lower edges.
    void Draw(CDC* dc, const ILayoutView& view, int mode) const;

    // ---- Undo ---------------------------------------------------------------------------------
    // One change of an undo or redo in the element list: found (when given) is taken out, and
    // replaced in its place by replacement, which takes over its selected state; without a
    // replacement it is only taken out; with nothing to find the replacement is appended. The
    // list gives up found and takes replacement. 0 when found is not in the list.
    int RestoreElement(CLayoutData* found, CLayoutData* replacement);

private:
    // Takes out every element, or the selected ones, recording each as removed.
    void Remove(ILayoutOwner& owner, bool selectedOnly);

    CPHeadSizeData m_size;
    CPHeadSizeData m_sizeRead;
    ElementList m_elements;
    BaseList m_base;
};

} // namespace marquell
