// What the parts of the schedule document tell its views, and the two flags that go with it: an
// object to redraw (unless redrawing is held, as while a batch of objects is added), the whole
// chart to redraw, and additions that mark the document modified and changed since its last save
// (the flag that drives the auto-save). After each object redrawn, the document is told (so that
// what is drawn from the objects, the resource charts, follows them).
#pragma once

#include "platform/Document.h"
#include "platform/Types.h"

#include <functional>
#include <utility>

namespace tembra {

class CObject;

class CChartNotifier {
public:
    explicit CChartNotifier(CDocument& document) : m_document(document) {}
    CChartNotifier(const CChartNotifier&) = delete;
    CChartNotifier& operator=(const CChartNotifier&) = delete;

    // Every view redraws the object (the update's hint object), unless redrawing is held.
    void RedrawObject(CObject* object) {
        if (!m_bRedrawHold) {
            m_document.UpdateAllViews(nullptr, 0, object);
            if (m_objectRedrawn) {
                m_objectRedrawn();
            }
        }
    }
    // What the document does after an object was redrawn.
    void SetObjectRedrawn(std::function<void()> then) { m_objectRedrawn = std::move(then); }
    // Every view redraws the object, held or not (a record asking for its own redraw).
    void UpdateAllViewsWith(CObject* object) { m_document.UpdateAllViews(nullptr, 0, object); }
    // Every view redraws the whole chart.
    void RedrawAll() { m_document.UpdateAllViews(nullptr); }
    // The document is modified and changed since its last save.
    void MarkChanged() {
        m_document.SetModifiedFlag(TRUE);
        m_bChanged = TRUE;
    }

    BOOL IsRedrawHeld() const { return m_bRedrawHold; }
    void SetRedrawHold(BOOL hold) { m_bRedrawHold = hold; }
    BOOL GetChangedFlag() const { return m_bChanged; }
    void SetChangedFlag(BOOL changed) { m_bChanged = changed; }

private:
    CDocument& m_document;
    BOOL m_bRedrawHold = FALSE;
    BOOL m_bChanged = FALSE;
    std::function<void()> m_objectRedrawn;
};

} // namespace tembra
