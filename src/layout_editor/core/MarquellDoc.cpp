#include "layout_editor/core/MarquellDoc.h"

#include "layout_editor/core/AppSettings.h"
#include "layout_editor/core/EditorRequests.h"
#include "layout_editor/core/EditorTexts.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/RecentFileList.h"
#include "model/LayoutFile.h"
#include "platform/ReplacementFile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <sstream>
#include <system_error>

namespace marquell {

namespace {

namespace fs = std::filesystem;
using tembra::AfxMessageBox;
using tembra::Ui;

// Messages.
constexpr UINT kNameInvalid = 61241;
constexpr UINT kMasterFile = 61242;
constexpr UINT kReturnPrompt = 61244;
constexpr UINT kNameUsed = 61247;
constexpr UINT kDiskFull = 61252;
constexpr UINT kSaveFileTitle = 61441;
constexpr UINT kSaveCopyTitle = 61442;
constexpr UINT kUntitled = 61443;
constexpr UINT kFailedToOpen = 61697;
constexpr UINT kSaveChanges = 61699;

constexpr int kTemplateId = 128;
constexpr int kExtensionPart = 4;

// The lines of a layout's sections that the reader passes over: within a section (up to "[EOS]"),
// a line that is neither empty nor a key with its value.
int CountDamagedLines(const tembra::LayoutLines& lines) {
    int damaged = 0;
    bool inSection = false;
    for (const std::string& line : lines) {
        if (line.starts_with('[')) {
            if (line.starts_with(tembra::kLayoutEndOfFile)) {
                break;
            }
            inSection = true;
            continue;
        }
        if (inSection && line.find_first_not_of(" \t\r") != std::string::npos &&
            line.find('=') == std::string::npos) {
            ++damaged;
        }
    }
    return damaged;
}

// Whether the lines hold the file information or a paper of a layout.
bool HasLayoutSection(const tembra::LayoutLines& lines) {
    const tembra::LayoutFileIndex index(lines);
    if (index.Info() != nullptr) {
        return true;
    }
    for (int paper = 0; paper < tembra::kLayoutPaperCount; ++paper) {
        if (index.Paper(paper) != nullptr) {
            return true;
        }
    }
    return false;
}

bool IsReadWritable(const std::string& path) {
    return !path.empty() && ::access(path.c_str(), R_OK | W_OK) == 0;
}

// The shift that brings a rectangle inside an area, each axis by itself: one that lies left of
// the area moves right, one that lies right of it moves left (this rule wins when both hold);
// likewise top, then bottom.
CPoint ShiftInto(const CRect& rect, const CRect& area) {
    CPoint shift;
    if (rect.left < area.left) {
        shift.x = area.left - rect.left;
    }
    if (rect.right > area.right) {
        shift.x = area.right - rect.right;
    }
    if (rect.top > area.top) {
        shift.y = area.top - rect.top;
    }
    if (rect.bottom < area.bottom) {
        shift.y = area.bottom - rect.bottom;
    }
    return shift;
}

} // namespace

std::string LayoutTemplatePart(int part) {
    const std::string text = tembra::LoadString(kTemplateId);
    std::size_t start = 0;
    for (int i = 0; i < part; ++i) {
        const std::size_t next = text.find('\n', start);
        if (next == std::string::npos) {
            return {};
        }
        start = next + 1;
    }
    return text.substr(start, text.find('\n', start) - start);
}

void CMarquellDoc::COwner::UpdateElement(const CLayoutData& element) {
    m_doc.UpdateAllViews(nullptr, 0, const_cast<CLayoutData*>(&element));
}

CMarquellDoc::CMarquellDoc() : m_owner(*this) {}

CMarquellDoc::~CMarquellDoc() {
    // The records refer to elements of the papers: they go first.
    Reset();
}

void CMarquellDoc::SetServices(const CAppSettings* settings, CRecentFileList* recent) {
    m_settings = settings;
    m_recent = recent;
}

fs::path CMarquellDoc::LayoutFolder() const {
    return m_settings != nullptr ? m_settings->layoutFolder : fs::path();
}

// ---- File ---------------------------------------------------------------------------------------

BOOL CMarquellDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) {
        return FALSE;
    }
    m_layout.InitNew();
    m_bReadOnly = false;
    SetTitle(LayoutTemplatePart(1));
    return TRUE;
}

BOOL CMarquellDoc::OnOpenDocument(const std::string& path) {
    std::error_code error;
    std::optional<tembra::LayoutLines> lines;
    if (fs::is_regular_file(path, error)) {
        lines = tembra::ReadLayoutLines(path);
    }
    // A file that cannot be read, or is no layout (opened as an empty one, a save would write a
    // layout over whatever it holds), leaves the open layout as it was.
    if (!lines || !HasLayoutSection(*lines)) {
        std::string text =
            tembra::FormatString(tembra::LoadString(kFailedToOpen), {tembra::Sjis::FromUtf8(path)});
        if (lines) {
            text += tembra::Sjis::FromUtf8("\nレイアウトファイルではありません。");
        }
        Ui().MessageBox(text, tembra::MB_OK | tembra::MB_ICONEXCLAMATION, kFailedToOpen);
        return FALSE;
    }
    DeleteContents();
    m_layout.ReadLayoutFile(*lines);
    SetModifiedFlag(FALSE);
    const int damaged = CountDamagedLines(*lines);
    m_bReadOnly = damaged > 0;
    if (m_bReadOnly) {
        AfxMessageBox(tembra::FormatString(tembra::Sjis::FromUtf8(
                                               "%1 には読めない行が %2 行あります。\n"
                                               "書込禁止で開きます。別の名前で保存してください。"),
                                           {tembra::Sjis::FromUtf8(path), std::to_string(damaged)}),
                      tembra::MB_OK | tembra::MB_ICONINFORMATION);
    }
    return TRUE;
}

void CMarquellDoc::DeleteContents() {
    // The records refer to the elements about to go.
    Reset();
    m_layout.Clear();
}

void CMarquellDoc::SetPathName(const std::string& path, BOOL addToMru) {
    CDocument::SetPathName(path, addToMru);
    if (addToMru && m_recent != nullptr && !IsTemporaryEdit()) {
        m_recent->Add(path);
    }
}

BOOL CMarquellDoc::SaveModified() {
    if (!IsModified()) {
        return TRUE;
    }
    int answer = 0;
    if (IsTemporaryEdit()) {
        answer = AfxMessageBox(kReturnPrompt, tembra::MB_YESNOCANCEL | tembra::MB_ICONQUESTION);
    } else {
        std::string name = tembra::Sjis::FromUtf8(GetPathName());
        if (name.empty()) {
            name = GetTitle();
        }
        if (name.empty()) {
            name = tembra::LoadString(kUntitled);
        }
        const std::string text = tembra::FormatString(tembra::LoadString(kSaveChanges), {name});
        answer = Ui().MessageBox(text, tembra::MB_YESNOCANCEL | tembra::MB_ICONEXCLAMATION,
                                 kSaveChanges);
    }
    if (answer == tembra::IDCANCEL) {
        return FALSE;
    }
    if (answer == tembra::IDNO) {
        return TRUE;
    }
    return OnFileSave();
}

BOOL CMarquellDoc::OnFileSave() {
    const bool own = !m_bReadOnly && IsReadWritable(GetPathName());
    return DoSave(own ? GetPathName() : std::string(), TRUE);
}

BOOL CMarquellDoc::OnFileSaveAs() {
    return DoSave(std::string(), TRUE);
}

BOOL CMarquellDoc::DoSave(const std::string& path, BOOL replace) {
    std::string target = path;
    if (target.empty()) {
        if (!AskLayoutName()) {
            return FALSE;
        }
        target = GetPathName();
        if (replace && target.empty()) {
            target = tembra::Sjis::ToUtf8(
                ProposeFileName(GetTitle(), LayoutTemplatePart(kExtensionPart)));
        }
        if (!PromptFileName(target, replace ? kSaveFileTitle : kSaveCopyTitle, false)) {
            return FALSE;
        }
    }
    if (!SaveWithBackup(target)) {
        return FALSE;
    }
    if (replace && !IsTemporaryEdit()) {
        SetPathName(target, TRUE);
    }
    if (replace) {
        // The layout is the file it was written to, whole.
        m_bReadOnly = false;
    }
    return TRUE;
}

BOOL CMarquellDoc::AskLayoutName() {
    std::string proposal = m_layout.GetLayoutName();
    for (;;) {
        LayoutFormatNameRequest request;
        request.name = proposal;
        if (Ui().RunDialog(request) != tembra::IDOK) {
            return FALSE;
        }
        proposal = request.name;
        if (CheckFormatName(proposal) != 0) {
            AfxMessageBox(kNameInvalid);
            continue;
        }
        if (IsLayoutNameUsed(proposal)) {
            AfxMessageBox(kNameUsed);
            continue;
        }
        m_layout.SetLayoutName(proposal);
        return TRUE;
    }
}

BOOL CMarquellDoc::PromptFileName(std::string& path, UINT titleId, bool open) const {
    PromptFileNameRequest request;
    request.path = path;
    request.titleId = titleId;
    request.open = open;
    request.layoutFolder = LayoutFolder();
    if (Ui().RunDialog(request) != tembra::IDOK || request.path.empty()) {
        return FALSE;
    }
    path = request.path;
    return TRUE;
}

bool CMarquellDoc::IsLayoutNameUsed(const std::string& name) const {
    std::error_code error;
    fs::directory_iterator it(LayoutFolder().empty() ? fs::path(".") : LayoutFolder(), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::path& file = it->path();
        if (!tembra::Sjis::EqualsNoCase(file.extension().string(), ".lyt") ||
            !it->is_regular_file(error)) {
            continue;
        }
        if (tembra::ReadLayoutName(file) == name) {
            return true;
        }
    }
    return false;
}

BOOL CMarquellDoc::SaveWithBackup(std::string& path) {
    while (IsReadWritable(path) && tembra::ReadLayoutMasterFlag(path) == kMasterLayout) {
        AfxMessageBox(kMasterFile);
        if (!AskLayoutName() || !PromptFileName(path, kSaveFileTitle, false)) {
            return FALSE;
        }
    }

    const fs::path target(path);
    const auto cannotCreate = [&]() {
        const std::string text = tembra::FormatString(tembra::LoadString(IDS_CANNOT_CREATE),
                                                      {tembra::Sjis::FromUtf8(path)});
        Ui().MessageBox(text, tembra::MB_OK | tembra::MB_ICONEXCLAMATION, IDS_CANNOT_CREATE);
        return FALSE;
    };
    std::error_code error;
    const bool replacing = fs::exists(target, error);
    if (replacing) {
        if (!fs::is_regular_file(target, error) || ::access(path.c_str(), W_OK) != 0) {
            return cannotCreate();
        }
        fs::copy_file(target, MakeProgramPath("~BackUp", ".lyt"),
                      fs::copy_options::overwrite_existing, error);
    }

    tembra::CWaitCursor wait;
    std::ostringstream out;
    if (!WriteLayout(out)) {
        AfxMessageBox(kDiskFull);
        return FALSE;
    }
    const std::string bytes = out.str();
    // Written beside the file and renamed over it (through a link, over the file it points to):
    // a failure leaves the old layout.
    tembra::CReplacementFile file(target);
    if (file.Error() != 0) {
        return cannotCreate();
    }
    int committed = 0;
    try {
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        committed = file.Commit();
    } catch (const tembra::CFileException&) {
        committed = ENOSPC;
    }
    if (committed == ENOSPC || committed == EDQUOT || committed == EFBIG || committed == EIO) {
        AfxMessageBox(kDiskFull);
        return FALSE;
    }
    if (committed != 0) {
        return cannotCreate();
    }
    // A temporary copy stays modified, so that every later save writes "MasterFlag" -2.
    if (!IsTemporaryEdit()) {
        SetModifiedFlag(FALSE);
    }
    return TRUE;
}

BOOL CMarquellDoc::WriteLayout(std::ostream& out) {
    return m_layout.WriteLayoutFile(out, IsModified() != FALSE);
}

// ---- The current paper and area -----------------------------------------------------------------

CRect CMarquellDoc::GetPaperRect() const {
    return m_layout.GetPaper(m_layout.GetCurrentPaperIndex())
        .GetSize()
        .GetArea(tembra::kLayoutPaperArea);
}

CRect CMarquellDoc::GetCurrentAreaRect() const {
    const CPHeadSizeData& size = m_layout.GetPaper(m_layout.GetCurrentPaperIndex()).GetSize();
    return size.GetAreaRect(size.GetCurrentArea());
}

void CMarquellDoc::GetPartitions(int& vertical, int& horizontal) const {
    const CPHeadSizeData& size = m_layout.GetPaper(m_layout.GetCurrentPaperIndex()).GetSize();
    size.GetPartitions(size.GetCurrentArea(), vertical, horizontal);
}

void CMarquellDoc::SetPartitions(int vertical, int horizontal) {
    CPHeadSizeData& size = GetCurrentPaper().GetSize();
    size.SetPartitions(size.GetCurrentArea(), vertical, horizontal);
}

// ---- Copy buffer --------------------------------------------------------------------------------

void CMarquellDoc::CopySelected() {
    Reset();
    m_copyBuffer.clear();
    for (const auto& element : GetCurrentPaper().GetElements()) {
        if (element->IsSelected()) {
            if (auto copy = element->Clone()) {
                m_copyBuffer.push_back(std::move(copy));
            }
        }
    }
}

void CMarquellDoc::CutSelected() {
    CopySelected();
    GetCurrentPaper().DeleteSelected(m_owner);
}

void CMarquellDoc::Paste() {
    Reset();
    CPaperData& paper = GetCurrentPaper();
    const CRect area = GetCurrentAreaRect();
    const int areaCode = paper.GetSize().GetCurrentArea();
    bool added = false;
    for (const auto& source : m_copyBuffer) {
        std::unique_ptr<CLayoutData> copy = source->Clone();
        if (!copy) {
            continue;
        }
        copy->Move(ShiftInto(NormalizedLayoutRect(copy->GetFrameRect()), area));
        if (auto* input = dynamic_cast<CPHeadInputArea*>(copy.get())) {
            paper.MakeUniqueName(*input);
            if (input->GetBaseIndex() != 0) {
                input->SetBaseIndex(0);
            }
        }
        copy->SetArea(areaCode);
        copy->SetSelected(true);
        paper.GetElements().push_back(std::move(copy));
        CLayoutData& pasted = *paper.GetElements().back();
        m_owner.UpdateElement(pasted);
        AddNew(&pasted);
        added = true;
    }
    if (added) {
        SetModifiedFlag(TRUE);
    }
}

// ---- Element edits ------------------------------------------------------------------------------

void CMarquellDoc::RecordChange(std::unique_ptr<CLayoutData> old, CLayoutData& element) {
    m_owner.UpdateElement(*old);
    m_owner.UpdateElement(element);
    CLayoutData* raw = old.release();
    if (AddChange(raw, &element) == 0) {
        delete raw;
    }
}

void CMarquellDoc::SetCentringOfSelected(bool vertical, int value) {
    Reset();
    bool changed = false;
    for (const auto& element : GetCurrentPaper().GetElements()) {
        auto* text = dynamic_cast<CPHeadMojiData*>(element.get());
        if (text == nullptr || !text->IsSelected()) {
            continue;
        }
        std::unique_ptr<CLayoutData> old = text->Clone();
        if (!old) {
            continue;
        }
        if (vertical) {
            text->SetVCenter(value);
        } else {
            text->SetHCenter(value);
        }
        RecordChange(std::move(old), *text);
        changed = true;
    }
    if (changed) {
        SetModifiedFlag(TRUE);
    }
}

void CMarquellDoc::SetFontHeightOfSelected(int height) {
    Reset();
    bool changed = false;
    for (const auto& element : GetCurrentPaper().GetElements()) {
        auto* text = dynamic_cast<CPHeadMojiData*>(element.get());
        if (text == nullptr || !text->IsSelected()) {
            continue;
        }
        std::unique_ptr<CLayoutData> old = text->Clone();
        if (!old) {
            continue;
        }
        LOGFONT font = text->GetFont();
        font.lfHeight = -height;
        font.lfWidth = height / 2;
        text->SetFont(font);
        RecordChange(std::move(old), *text);
        changed = true;
    }
    if (changed) {
        SetModifiedFlag(TRUE);
    }
}

void CMarquellDoc::MoveAreaElements(int area, const CRect& from, const CRect& to) {
    // The elements move together, and no farther than the layout file's numbers reach (its
    // reader would cut a coordinate beyond them and so change the element).
    long long lowX = LLONG_MIN;
    long long highX = LLONG_MAX;
    long long lowY = LLONG_MIN;
    long long highY = LLONG_MAX;
    constexpr long long kLimit = tembra::kLayoutNumberLimit;
    for (const auto& element : GetCurrentPaper().GetElements()) {
        if (element->GetArea() == area) {
            const CRect& r = element->GetFrameRect();
            lowX = std::max(lowX, -kLimit - std::min<long long>(r.left, r.right));
            highX = std::min(highX, kLimit - std::max<long long>(r.left, r.right));
            lowY = std::max(lowY, -kLimit - std::min<long long>(r.top, r.bottom));
            highY = std::min(highY, kLimit - std::max<long long>(r.top, r.bottom));
        }
    }
    const auto keep = [](long long wanted, long long low, long long high) {
        return static_cast<LONG>(low > high ? 0 : std::clamp(wanted, low, high));
    };
    const CPoint shift(keep(static_cast<long long>(to.left) - from.left, lowX, highX),
                       keep(static_cast<long long>(to.top) - from.top, lowY, highY));
    if (shift.x == 0 && shift.y == 0) {
        return;
    }
    // The records of the last edit hold the elements where they stood before.
    Reset();
    for (const auto& element : GetCurrentPaper().GetElements()) {
        if (element->GetArea() == area) {
            element->Move(shift);
        }
    }
    SetModifiedFlag(TRUE);
}

int CMarquellDoc::UndoRestor(CLayoutData* found, CLayoutData* replacement, CLayoutData* info) {
    static_cast<void>(info);
    const int result = GetCurrentPaper().RestoreElement(found, replacement);
    if (result != 0) {
        for (CLayoutData* element : {found, replacement}) {
            if (element != nullptr) {
                m_owner.UpdateElement(*element);
            }
        }
        SetModifiedFlag(TRUE);
    }
    return result;
}

} // namespace marquell
