// The layout editor's document: one layout of six papers (CLayoutFileData), read from and saved
// to its *.LYT file; the layout name asked for before a first save; a backup copy of the file it
// overwrites; master layouts never overwritten; the main program's temporary copy edited in
// temporary-edit mode; a copy buffer of elements; and the one-step undo history of the element
// edits, which it puts back into the current paper's element list.
//
// Saving writes a temporary file beside the target and renames it over the target only when
// every line was written, so a failed save leaves the old file as it was.
#pragma once

#include "layout_editor/core/LayoutFileData.h"
#include "layout_editor/core/LayoutOwner.h"
#include "platform/Document.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace marquell {

class CAppSettings;
class CRecentFileList;

// Messages of our own: a target that cannot be written (%1 the path).
constexpr UINT IDS_CANNOT_CREATE = 61254;

class CMarquellDoc : public tembra::CDocument, public CLayoutUndoHistory {
public:
    CMarquellDoc();
    ~CMarquellDoc() override;

    // The application's settings (the layout folder) and its recent-file list; either may be
    // null (no layout folder: the current folder; no list: nothing is recorded).
    void SetServices(const CAppSettings* settings, CRecentFileList* recent);

    CLayoutFileData& GetLayout() { return m_layout; }
    const CLayoutFileData& GetLayout() const { return m_layout; }
    // What the papers' editing operations record into and redraw through.
    ILayoutOwner& GetOwner() { return m_owner; }
    // The main program's temporary copy ("MasterFlag" -1).
    bool IsTemporaryEdit() const { return m_layout.GetMasterFlag() == kTemporaryLayout; }

    // ---- File ------------------------------------------------------------------------------
    BOOL OnNewDocument() override;
    // Reads the layout; a file that cannot be read, or holds none of a layout's sections, shows
    // the framework's open-failure message (with the reason) and leaves the layout as it was. A
    // layout with lines the reader had to pass over opens read-only, and says so.
    BOOL OnOpenDocument(const std::string& path) override;
    // Read from a file with damaged lines: File > Save asks for another name, so that what the
    // reader could not take is not written over.
    bool IsReadOnly() const { return m_bReadOnly; }
    void DeleteContents() override;
    // Outside temporary-edit mode the path also heads the recent-file list.
    void SetPathName(const std::string& path, BOOL addToMru = TRUE) override;
    BOOL SaveModified() override;
    BOOL DoSave(const std::string& path, BOOL replace = TRUE) override;
    // File > Save: the document's own file when it can be read and written and the layout is not
    // read-only, else as Save As.
    BOOL OnFileSave();
    BOOL OnFileSaveAs();
    // Writes the layout to path, which may change: a master layout there is refused (61242) and
    // another name and file asked for. The old file goes to "~BackUp.lyt" in the program folder
    // first. A target that cannot be created shows our message naming it; a failed write shows
    // 61252 and leaves the old file.
    BOOL SaveWithBackup(std::string& path);
    // Whether a layout file of the layout folder ("*.lyt" in any case) carries the name.
    bool IsLayoutNameUsed(const std::string& name) const;

    // ---- The current paper and area -----------------------------------------------------------
    CPaperData& GetCurrentPaper() { return m_layout.GetCurrentPaper(); }
    CRect GetPaperRect() const;
    // The current area's rectangle (empty for an area code outside 0..3).
    CRect GetCurrentAreaRect() const;
    void GetPartitions(int& vertical, int& horizontal) const;
    void SetPartitions(int vertical, int horizontal);

    // ---- Copy buffer -------------------------------------------------------------------------
    void CopySelected();
    void CutSelected();
    // Each element of the buffer is copied into the current area: shifted inside it, an input
    // area given a free name and base index 0; the copies are selected.
    void Paste();
    std::size_t GetCopyCount() const { return m_copyBuffer.size(); }
    void ClearCopyBuffer() { m_copyBuffer.clear(); }

    // ---- Element edits of the view beyond the paper's own ---------------------------------------
    // The selected fixed texts and input areas take the centring value (vertical or across) or
    // the height (0.1 mm; width half of it).
    void SetCentringOfSelected(bool vertical, int value);
    void SetFontHeightOfSelected(int height);
    // The elements of an area move with it from one rectangle to another (by the shift of its
    // top-left corner).
    void MoveAreaElements(int area, const CRect& from, const CRect& to);

    // Undo and redo put one change back into the current paper's list and redraw both elements.
    int UndoRestor(CLayoutData* found, CLayoutData* replacement, CLayoutData* info) override;

protected:
    // Writes the layout to the opened temporary file; FALSE when a line could not be written.
    virtual BOOL WriteLayout(std::ostream& out);

private:
    class COwner : public ILayoutOwner {
    public:
        explicit COwner(CMarquellDoc& doc) : m_doc(doc) {}
        CLayoutUndoHistory& GetUndoHistory() override { return m_doc; }
        void UpdateElement(const CLayoutData& element) override;
        void SetModifiedFlag() override { m_doc.SetModifiedFlag(TRUE); }

    private:
        CMarquellDoc& m_doc;
    };

    // Asks for a layout name until it is neither empty nor used; FALSE on Cancel.
    BOOL AskLayoutName();
    // The file dialog; FALSE on Cancel.
    BOOL PromptFileName(std::string& path, UINT titleId, bool open) const;
    std::filesystem::path LayoutFolder() const;
    // The old state of an element recorded as replaced by the element.
    void RecordChange(std::unique_ptr<CLayoutData> old, CLayoutData& element);

    CLayoutFileData m_layout;
    COwner m_owner;
    std::vector<std::unique_ptr<CLayoutData>> m_copyBuffer;
    const CAppSettings* m_settings = nullptr;
    CRecentFileList* m_recent = nullptr;
    bool m_bReadOnly = false;
};

// One part of the layout template (string 128: window title, untitled name, file-new name,
// filter name, extension, file-type id, file-type name), CP932.
std::string LayoutTemplatePart(int part);

} // namespace marquell
