#include "platform/Document.h"

#include "platform/Archive.h"
#include "platform/ReplaceFile.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <new>
#include <system_error>

namespace tembra {

// ---- CDocument --------------------------------------------------------------------------------

CDocument::~CDocument() {
    for (CView* view : m_views) {
        view->m_pDocument = nullptr;
    }
}

void CDocument::SetPathName(const std::string& path, BOOL addToMru) {
    static_cast<void>(addToMru); // the recent-file list belongs to the shell
    m_strPathName = path;
    // Paths are UTF-8 on this system; titles are CP932 like every other text of a document.
    SetTitle(Sjis::FromUtf8(std::filesystem::path(path).filename().string()));
}

void CDocument::SetTitle(const std::string& title) {
    m_strTitle = title;
}

void CDocument::AddView(CView* view) {
    if (view == nullptr || view->m_pDocument == this) {
        return;
    }
    if (view->m_pDocument != nullptr) {
        view->m_pDocument->RemoveView(view);
    }
    m_views.push_back(view);
    view->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view) {
    const auto it = std::find(m_views.begin(), m_views.end(), view);
    if (it == m_views.end()) {
        return;
    }
    m_views.erase(it);
    view->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
    ++m_updates;
    const std::vector<CView*> views = m_views;
    for (CView* view : views) {
        // Asked of the document, not of the view: a view that was closed by an earlier one's
        // update is gone, and reading it would touch freed memory.
        if (view == sender || std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
            continue;
        }
        view->OnUpdate(sender, hint, hintObject);
    }
}

void CDocument::EndGestures() {
    const std::vector<CView*> views = m_views;
    for (CView* view : views) {
        // A view that an earlier one's cancel closed is asked no more.
        if (std::find(m_views.begin(), m_views.end(), view) != m_views.end()) {
            view->EndGesture();
        }
    }
}

void CDocument::Serialize(CArchive& ar) {
    static_cast<void>(ar);
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const std::string& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
        return FALSE;
    }
    DeleteContents();
    // Dirty while the records come in, as a half-read document is not the file.
    SetModifiedFlag(TRUE);
    try {
        if (file.GetLength() != 0) {
            CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
            ar.m_pDocument = this;
            ar.m_strFileName = path;
            Serialize(ar);
            ar.Close();
        }
        file.Close();
    } catch (const CException&) {
        file.Abort();
        DeleteContents();
        SetModifiedFlag(FALSE);
        return FALSE;
    } catch (const std::bad_alloc&) {
        file.Abort();
        DeleteContents();
        SetModifiedFlag(FALSE);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const std::string& path) {
    int error = 0;
    try {
        error = ReplaceFile(path, [&](CFile& file) {
            CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
            ar.m_pDocument = this;
            ar.m_strFileName = path;
            Serialize(ar);
            ar.Close();
        });
    } catch (const CException&) {
        return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    if (error != 0) {
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    DeleteContents();
}

BOOL CDocument::SaveModified() {
    if (!IsModified()) {
        return TRUE;
    }
    SaveChangesRequest request;
    request.title = m_strTitle;
    if (Ui().RunDialog(request) != IDOK) {
        return FALSE;
    }
    switch (request.answer) {
    case IDNO:
        return TRUE;
    case IDYES:
        return DoFileSave();
    default:
        return FALSE;
    }
}

BOOL CDocument::DoSave(const std::string& path, BOOL replace) {
    std::string name = path;
    if (name.empty()) {
        SaveAsRequest request;
        request.path = Sjis::ToUtf8(m_strTitle);
        request.replace = replace != FALSE;
        if (Ui().RunDialog(request) != IDOK || request.path.empty()) {
            return FALSE;
        }
        name = request.path;
    }
    if (!OnSaveDocument(name)) {
        return FALSE;
    }
    if (replace) {
        SetPathName(name);
    }
    return TRUE;
}

// ---- Clipboard formats ------------------------------------------------------------------------

namespace {

struct ClipboardFormats {
    std::map<std::string, UINT, std::less<>> numbers;
    std::size_t registrations = 0;
};

ClipboardFormats& Formats() {
    static ClipboardFormats formats;
    return formats;
}

} // namespace

UINT RegisterClipboardFormat(std::string_view name) {
    ClipboardFormats& formats = Formats();
    ++formats.registrations;
    const auto found = formats.numbers.find(name);
    if (found != formats.numbers.end()) {
        return found->second;
    }
    const UINT number = 0xC000u + static_cast<UINT>(formats.numbers.size());
    formats.numbers.emplace(std::string(name), number);
    return number;
}

std::size_t GetClipboardFormatRegistrationCount() {
    return Formats().registrations;
}

} // namespace tembra
