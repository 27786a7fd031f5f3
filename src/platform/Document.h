// The document base of the program's documents: the file it was read from, its window title, its
// modified flag, the views that show it (observers, told of every change through UpdateAllViews
// with a hint) and the steps of its life that a document class overrides: new, open, save, ask to
// save, close, and the deletion of its contents. Reading and writing go through the object archive
// (Archive.h), which asks the document for the file version its records test their thresholds
// against.
//
// A document never calls a widget: views (View.h) register themselves with AddView and are told
// of changes by OnUpdate; questions to the user (save the changes? under which name?) go through
// the UI services as dialog requests (SaveRequests.h).
#pragma once

#include "platform/SaveRequests.h"
#include "platform/Types.h"
#include "platform/Ui.h"
#include "platform/View.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace tembra {

class CArchive;
class CObject;

// The file version written by this release (5.80.00) and the newest one it reads.
constexpr int kCurrentFileVersion = 58000;

class CDocument {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
    // The views that still refer to the document forget it.
    virtual ~CDocument();

    // The version that records test their thresholds against: on load the version of the file
    // being read, on store the version being written.
    virtual int GetFileVersion() const { return kCurrentFileVersion; }
    // The part that answers an interface the records read of their document (found by the
    // interface's type, as a pointer to it), or null; see DocumentSeam.
    virtual void* FindSeam(const std::type_info& seam) {
        static_cast<void>(seam);
        return nullptr;
    }

    // ---- File and title ------------------------------------------------------------------------
    const std::string& GetPathName() const { return m_strPathName; }
    // Takes the path as the document's file and its file name as the title.
    virtual void SetPathName(const std::string& path, BOOL addToMru = TRUE);
    const std::string& GetTitle() const { return m_strTitle; }
    // The title as CP932 text.
    virtual void SetTitle(const std::string& title);

    // ---- Modified flag -------------------------------------------------------------------------
    virtual BOOL IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(BOOL modified = TRUE) {
        m_bModified = modified;
        m_modifications += modified ? 1 : 0;
    }
    // How many times the document was marked modified (each change marks it once more).
    std::uint64_t GetModifyCount() const { return m_modifications; }

    // ---- Views ---------------------------------------------------------------------------------
    // Attaches a view (a view attached to another document leaves that one first); then
    // OnChangedViewList.
    void AddView(CView* view);
    // Detaches a view of this document; then OnChangedViewList.
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }
    // Called after a view was added or removed.
    virtual void OnChangedViewList() {}
    // Tells every view but sender of a change. A view may add or remove views while it is told;
    // each view attached when the call began and still attached is told once.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
    // How many changes the document has told its views of (each UpdateAllViews counts one).
    std::uint64_t GetUpdateCount() const { return m_updates; }

    // ---- Contents and their file ----------------------------------------------------------------
    // Writes or reads the document's contents through the archive.
    virtual void Serialize(CArchive& ar);
    // Empties the document: called before a new document is made, before a file is read into it
    // and when it is closed.
    virtual void DeleteContents() {}

    // ---- The steps of its life ----------------------------------------------------------------
    // A new, empty document without a file: the contents deleted, no path, not modified.
    virtual BOOL OnNewDocument();
    // Reads the file (an empty file gives an empty document). On failure the contents are
    // deleted again and FALSE is returned; the document is not modified afterwards either way.
    virtual BOOL OnOpenDocument(const std::string& path);
    // Writes the document to the file: into a temporary file beside it that replaces the file
    // only when everything was written, so a failed save leaves the old file as it was. TRUE
    // clears the modified flag.
    virtual BOOL OnSaveDocument(const std::string& path);
    // Empties the document when it is closed. The views and the document are destroyed by
    // their owner afterwards.
    virtual void OnCloseDocument();
    // Before a close: TRUE when the document may go. A modified document asks the user (a
    // SaveChangesRequest): Yes saves (DoFileSave), No discards, anything else keeps it open.
    virtual BOOL SaveModified();
    // Saves under path (an empty path asks for one with a SaveAsRequest); with replace the
    // document takes the path as its own. FALSE when the user cancelled or the save failed.
    virtual BOOL DoSave(const std::string& path, BOOL replace = TRUE);
    // Saves under the document's own path (asking for one when it has none).
    BOOL DoFileSave() { return DoSave(m_strPathName, TRUE); }

private:
    std::string m_strPathName;
    std::string m_strTitle;
    BOOL m_bModified = FALSE;
    std::uint64_t m_modifications = 0;
    std::vector<CView*> m_views;
    std::uint64_t m_updates = 0;
};

// The interface Seam of the document for its records: the document itself when it is one, else
// what its FindSeam answers; null without a document or such an interface.
template <class Seam> Seam* DocumentSeam(CDocument* document) {
    if (document == nullptr) {
        return nullptr;
    }
    if (auto* seam = dynamic_cast<Seam*>(document)) {
        return seam;
    }
    return static_cast<Seam*>(document->FindSeam(typeid(Seam)));
}

// The version of the archive's document, or kCurrentFileVersion when no document is attached.
int ArchiveVersion(const CArchive& ar);

// The number of the clipboard format of that name: the first registration of a name gives it the
// next free number from 0xC000, a later one the number it got. Like the system's registration,
// this is process-wide.
UINT RegisterClipboardFormat(std::string_view name);
// How many registrations were asked for so far, repeated ones included (for the callers that
// must register once).
std::size_t GetClipboardFormatRegistrationCount();

} // namespace tembra
