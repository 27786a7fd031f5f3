// Doubles for the layout editor's core: a view with fixed answers, an owner whose undo history
// puts changes back into one paper, and the editor's own key written for a test.
#pragma once

#include "layout_editor/core/EditorSettings.h"
#include "layout_editor/core/LayoutOwner.h"
#include "layout_editor/core/LayoutView.h"
#include "layout_editor/core/MarquellViewHost.h"
#include "layout_editor/core/PaperData.h"
#include "platform/RecordingDC.h"
#include "platform/Sjis.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace marquell::test {

// CP932 from UTF-8.
inline std::string J(const std::string& utf8) {
    return tembra::Sjis::FromUtf8(utf8);
}

class FakeView : public ILayoutView {
public:
    int zoom = 100;
    CPoint offset;
    bool defaultText = false;
    bool wholePaper = false;
    bool gridSnap = false;
    bool lineEnd = false;
    int mark = 0;
    CRect from;
    CRect to;
    CRect area{-100000, 100000, 100000, -100000};
    bool additive = false;
    bool insideFrame = false;
    int tolerance = 0;
    CEditorSettings settings;

    int GetZoomPercent() const override { return zoom; }
    CPoint GetDrawOffset() const override { return offset; }
    bool IsDefaultTextShown() const override { return defaultText; }
    bool IsWholePaperShown() const override { return wholePaper; }
    bool IsGridSnapOn() const override { return gridSnap; }
    bool IsLineEndMode() const override { return lineEnd; }
    int GetTransformMark() const override { return mark; }
    CRect GetTransformFrom() const override { return from; }
    CRect GetTransformTo() const override { return to; }
    CRect GetCurrentAreaRect() const override { return area; }
    bool IsAdditiveSelection() const override { return additive; }
    bool IsInsideFrameSelection() const override { return insideFrame; }
    int GetHitTolerance() const override { return tolerance; }
    const CEditorSettings& GetSettings() const override { return settings; }
};

// Records what was redrawn and how often the layout was marked modified; its history restores
// into the paper it is given.
class FakeOwner : public ILayoutOwner, public CLayoutUndoHistory {
public:
    explicit FakeOwner(CPaperData& paper) : m_paper(paper) {}

    CLayoutUndoHistory& GetUndoHistory() override { return *this; }
    void UpdateElement(const CLayoutData& element) override { updated.push_back(&element); }
    void SetModifiedFlag() override { ++modified; }
    int UndoRestor(CLayoutData* found, CLayoutData* replacement, CLayoutData*) override {
        return m_paper.RestoreElement(found, replacement);
    }

    std::vector<const CLayoutData*> updated;
    int modified = 0;

private:
    CPaperData& m_paper;
};

// A window of a fixed size and resolution for the editing view: it records what the view asks
// of it, and draws what the view draws straight onto it into a recording device context.
class FakeViewHost : public IMarquellViewHost {
public:
    CSize client{1024, 600};
    int dpi = 96;
    std::string title;
    int invalidatedAll = 0;
    std::vector<CRect> invalidated;
    bool captured = false;
    int updates = 0;
    bool autoScroll = false;
    std::map<int, std::string> panes;
    std::vector<CPoint> contextMenus;
    int cursorRefreshes = 0;
    // Every drawing between paints, in order.
    tembra::CRecordingDC direct{tembra::CRecordingDC::Device::Screen, 96};
    int directDrawings = 0;

    CSize GetClientSize() const override { return client; }
    std::unique_ptr<CDC> CreateMeasureDC() const override {
        return std::make_unique<tembra::CRecordingDC>(tembra::CRecordingDC::Device::Screen, dpi,
                                                      client);
    }
    void UpdateScrollBars() override {}
    void Invalidate(const CRect& rect) override { invalidated.push_back(rect); }
    void InvalidateAll() override { ++invalidatedAll; }
    COLORREF GetWorkspaceColor() const override { return RGB(96, 96, 96); }
    std::string GetFrameTitle() const override { return title; }
    void SetFrameTitle(const std::string& text) override { title = text; }
    void SetCapture() override { captured = true; }
    void ReleaseCapture() override { captured = false; }
    void UpdateWindow() override { ++updates; }
    void DrawDirect(const std::function<void(CDC*)>& draw) override {
        ++directDrawings;
        draw(&direct);
    }
    void SetAutoScroll(bool on) override { autoScroll = on; }
    void SetPaneText(int pane, const std::string& text) override { panes[pane] = text; }
    void ShowContextMenu(const CPoint& point) override { contextMenus.push_back(point); }
    void RefreshCursor() override { ++cursorRefreshes; }
};

// The editor's own key as a test ships it: the lines of a machine-wide INI file (UTF-8), put
// where the key is read from. Needs the paths of a tembra::test::ScopedPaths.
void ShipEditorKey(const std::vector<std::string>& utf8Lines);

} // namespace marquell::test
