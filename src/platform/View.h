// A view of a document as the document sees it: an observer that is told of every change.
#pragma once

#include <cstdint>

namespace tembra {

class CDocument;
class CObject;

// The hint code that a document passes to its views with an update.
using LPARAM = std::intptr_t;

// What a view of a document is to the document: an observer of its changes.
class CView {
public:
    CView() = default;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;
    // Leaves its document's views.
    virtual ~CView();

    CDocument* GetDocument() const { return m_pDocument; }

    // The document changed: hint says how (0 for a general change) and hintObject, when not
    // null, what changed. sender is the view that caused the change, or null.
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) = 0;
    // A mouse gesture of this view that holds the mouse ends as the user's cancel ends it: a
    // command is about to change the document, and a gesture left running would go on over
    // objects the command replaced. Nothing when no gesture of this view holds the mouse.
    virtual void EndGesture() {}

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};

} // namespace tembra
