// What a drawing shape asks of the view it is drawn, edited or measured in: the page layout that
// places it, the document's selection as far as the resize rules look at it, the update of all
// views, and the two display states that concern text shapes. The chart view implements it; so
// does CZukeiLayoutView for callers that hold only a page layout.
#pragma once

#include "platform/Types.h"
#include "render/PageLayout.h"

namespace tembra {

class CDataHeader;
class CObject;
class CZukei;

class IZukeiView {
public:
    virtual ~IZukeiView() = default;

    // The geometry the shape's anchors are placed with.
    virtual const CPageLayout& GetPageLayout() const = 0;
    // The number of objects in the document's selection and the first of them (null when the
    // selection is empty).
    virtual int GetSelCount() const = 0;
    virtual const CDataHeader* GetFirstSel() const = 0;
    // Every view of the document redraws what the hint covers (a shape).
    virtual void UpdateAllViews(CObject* hint) = 0;
    // The text shape this view edits in place, or null.
    virtual const CZukei* GetEditingZukei() const = 0;
    // Framed texts show only their frames.
    virtual bool IsTextSuppressed() const = 0;
};

// A view that is nothing but a page layout: no selection, no other views, nothing edited. Used
// where only a layout is at hand (resource charts, copies of a layout, the bounds a layout asks
// its document for).
class CZukeiLayoutView final : public IZukeiView {
public:
    explicit CZukeiLayoutView(const CPageLayout& layout) : m_layout(layout) {}

    const CPageLayout& GetPageLayout() const override { return m_layout; }
    int GetSelCount() const override { return 0; }
    const CDataHeader* GetFirstSel() const override { return nullptr; }
    void UpdateAllViews(CObject*) override {}
    const CZukei* GetEditingZukei() const override { return nullptr; }
    bool IsTextSuppressed() const override { return false; }

private:
    const CPageLayout& m_layout;
};

// The device rectangle of a shape record on a layout (GetDeviceRect through a CZukeiLayoutView):
// what the document answers when the layout asks for the bounds of a record of type 4. An empty
// rectangle for a record that is not a shape.
CRect GetZukeiBounds(const CDataHeader& record, const CPageLayout& layout);

} // namespace tembra
