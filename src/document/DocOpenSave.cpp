// A new chart, the open of a file, its save, the questions before a close, the file commands of
// the document and its part of the auto-save.
//
// The document's file is never written in place: the new contents go to a file beside it that
// replaces it only once they are on the disk (ReplaceFile), so a failed or killed save leaves the
// old file. The lock of the path is kept over a save, so no other user can take the file between
// its release and the save.
#include "document/AppState.h"
#include "document/DocFileFormat.h"
#include "document/DocFileRequests.h"
#include "document/LockFiles.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <system_error>
#include <unistd.h>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr UINT IDS_READ_ONLY_OPEN = 5085;
constexpr UINT IDS_READ_ONLY_SAVE = 5139;
constexpr UINT IDS_READ_ONLY_CLOSE = 5149;
constexpr UINT IDS_OVERWRITE = 5120;
constexpr UINT IDS_SAME_NAME = 5033;
constexpr UINT IDS_UNSUPPORTED_TYPE = 5003;
constexpr UINT IDS_NOT_A_CHART = 5002;
constexpr UINT IDS_SAVE_TITLE = 61441;
constexpr UINT IDS_EXT_NATIVE = 104;

// The layouts of the converting open, by kind (1 the plan, 2 the monthly plan).
constexpr const char* kPlanLayout = "MASTER-A01.LYT";
constexpr const char* kMonthlyPlanLayout = "MASTER-A02.LYT";
// The papers the plan's layout has (A3, A2, A1); others become A3 landscape.
constexpr int kPlanPapers[] = {2, 4, 5};
constexpr int kPlanPaper = 2;

// The characters that end the name part of a title that becomes a file name.
constexpr std::string_view kNameStops = " #%;/\\";
constexpr std::size_t kShortTitleBytes = 8;
constexpr const char* kProvisionalExt = "._p$";

std::string Cp932(const char* utf8) {
    return Sjis::FromUtf8(utf8);
}

bool SamePath(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) {
        return fs::equivalent(a, b, ec);
    }
    return fs::absolute(a, ec).lexically_normal() == fs::absolute(b, ec).lexically_normal();
}

// An existing file the program may write.
bool IsWritableFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Why an existing file of that name cannot be written over (the errno), or 0: a name that does
// not exist yet is for the save to create.
int WriteRefusal(const std::string& path) {
    if (path.empty() || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0) {
        return 0;
    }
    const int error = errno;
    return error == ENOENT ? 0 : error;
}

// Sets the application's save version for the life of the object.
class SaveVersionScope {
public:
    explicit SaveVersionScope(int version) : m_previous(GetAppState()->GetSaveVersion()) {
        GetAppState()->SetSaveVersion(version);
    }
    ~SaveVersionScope() { GetAppState()->SetSaveVersion(m_previous); }
    SaveVersionScope(const SaveVersionScope&) = delete;
    SaveVersionScope& operator=(const SaveVersionScope&) = delete;

private:
    int m_previous;
};

// The failed open the framework reports when the stream said nothing itself, with the reader's
// reason in a line of its own when there is one.
void ReportOpenFailure(const std::string& path, const std::string& reason = {}) {
    std::string text = Cp932("ファイルを開けませんでした。\n") + Sjis::FromUtf8(path);
    if (!reason.empty()) {
        text += "\n" + reason;
    }
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

// Why the reader gave up on a file of that length, in one line.
std::string ReadFailureReason(const CException& failure, ULONGLONG length) {
    if (const auto* file = dynamic_cast<const CFileException*>(&failure)) {
        if (file->m_lOsError > 0) {
            return Sjis::FromUtf8(std::strerror(static_cast<int>(file->m_lOsError)));
        }
        return {};
    }
    const auto* archive = dynamic_cast<const CArchiveException*>(&failure);
    if (archive == nullptr) {
        return {};
    }
    const std::string detail = std::to_string(archive->m_lDetail);
    switch (archive->m_cause) {
    case CArchiveException::endOfFile:
        // The reader wanted more than the file holds: it ends there.
        return FormatString(Cp932("ファイルが%1バイト目で途切れています。"),
                            {std::to_string(length)});
    case CArchiveException::badSchema:
        return FormatString(Cp932("記録の版 %1 は知らない版です。"), {detail});
    case CArchiveException::badClass:
    case CArchiveException::badIndex:
        if (archive->m_lDetail >= 0) {
            return FormatString(Cp932("記録の種類 %1 が壊れています。"), {detail});
        }
        return Cp932("記録が壊れています。");
    default:
        return Cp932("記録が壊れています。");
    }
}

// What an open without its embedded items leaves out: the items, and what follows them in the
// file of that version.
std::string UnreadParts(int version) {
    std::string parts = Cp932("埋め込みオブジェクト");
    if (version >= DocFile::kChartsVersion) {
        parts += Cp932("・山積表・出来高表");
    }
    if (version >= DocFile::kHatchesVersion) {
        parts += Cp932("・塗り潰し");
    }
    return parts;
}

} // namespace

// ---- A new chart --------------------------------------------------------------------------------

BOOL CTembraDoc::InitNewDocument(int mode) {
    CWaitCursor wait;
    CStatusTextScope status;
    m_nVersion = kCurrentFileVersion;
    GetSeqNumberCtrl().Reset();
    m_bReadOnly = FALSE;
    m_operation.InitMode();

    const CConfigBase& app = *GetAppConfig();
    const int dayMode = mode < 0 ? static_cast<int>(app.GetNobeMode()) : mode;
    Ui().SetStatusText(Cp932("カレンダー初期化中..."));
    // The chart keeps the rules it is made with (a change of the rules reaches the charts made
    // after it); one counting elapsed days has no holidays.
    m_calendar.MakeHolidays(nullptr, TRUE, TRUE);
    m_calendar.TakeRules();
    if (dayMode != 0) {
        m_calendar.Clear();
    }
    m_dayCounting.ForgetReturnCalendar();
    Ui().SetStatusText(Cp932("初期設定中..."));
    const BOOL made = m_syokiSet.SetDefault(this, mode);
    if (made) {
        Ui().SetStatusText(Cp932("印刷ヘッダー初期化中..."));
        m_prHeader.InitFromSettings(this, m_syokiSet.GetPageSetting().GetPaper(),
                                    ConfigPathToFs(m_syokiSet.GetPath().GetLayoutFilePath()),
                                    FALSE);
    }
    m_scratchCalendar.Clear();
    if (GetLayers().empty()) {
        CreateLayers();
    }
    SetCurrentLayer(0);
    GetKoumoku()->SetLevelCount(m_syokiSet.GetChart().GetAreaNameSet().GetKoumokuColumnCount());
    SetTitle();
    return made;
}

BOOL CTembraDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) {
        return FALSE;
    }
    return InitNewDocument(-1);
}

// ---- Open ---------------------------------------------------------------------------------------

std::unique_ptr<CTembraDoc> CTembraDoc::ReadDocumentFile(const std::string& path, int mask,
                                                         CTembraDoc* base) {
    // The archive reads the file's bytes where they lie in memory, with no copy of its own.
    CWholeFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
        ReportOpenFailure(path);
        return nullptr;
    }
    auto document = std::make_unique<CTembraDoc>();
    document->m_nInsertMask = mask;
    document->m_strFilePath = path;
    if (base != nullptr && GetStreamKind(path) == StreamKind::Dos) {
        // A DOS document carries no calendar and dates counted from the chart's own elapsed-day
        // base: its parts are converted as the chart it goes into would convert them.
        base->m_calendar.CopyTo(&document->m_calendar);
        document->m_syokiSet = base->m_syokiSet;
        document->m_syokiSet.SetDocument(document.get());
        document->m_prHeader.CopyFrom(base->m_prHeader);
        document->m_prHeader.SetDocument(document.get());
        for (const auto& layer : base->GetLayers()) {
            document->GetLayers().push_back(std::make_unique<CLayerSet>(*layer));
        }
        document->SetCurrentLayer(base->GetCurrentLayer());
    }
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = document.get();
        ar.m_strFileName = path;
        document->Serialize(ar);
        // The file is closed next, so where it stands does not matter.
        ar.Abort();
        file.Close();
    } catch (const CUserException&) {
        // The stream has said why.
        return nullptr;
    } catch (const CException& failure) {
        ReportOpenFailure(path, ReadFailureReason(failure, file.GetLength()));
        return nullptr;
    } catch (const std::bad_alloc&) {
        ReportOpenFailure(path, Cp932("メモリが足りません。"));
        return nullptr;
    }
    return document;
}

void CTembraDoc::TakeKoumoku(CTembraDoc& source) {
    CKoumoku& from = *source.GetKoumoku();
    CKoumoku& to = *GetKoumoku();
    to.SetLimit(from.GetLimit());
    to.SetLevelCount(from.GetLevelCount());
    const std::vector<WORD> heights = from.GetLevelHeights();
    for (std::size_t level = 0; level < heights.size(); ++level) {
        to.SetLevelHeight(static_cast<int>(level), heights[level]);
    }
    std::vector<WORD> types = from.GetKeisenTypes();
    to.CopyKeisenTypes(types, 1);
    for (int row = 0; row < from.GetRowCount(); ++row) {
        for (int column = 0; column < from.GetColCount(row); ++column) {
            if (CObject* cell = from.GetAt(column, row)) {
                to.SetAt(column, row, cell);
            }
        }
    }
    // The cells belong to this table now.
    static_cast<CObTable&>(from).DeleteAll();
}

void CTembraDoc::TakeContents(CTembraDoc& source) {
    m_nVersion = source.m_nVersion;
    const CSeqNumberCtrl& numbers = source.GetSeqNumberCtrl();
    GetSeqNumberCtrl().Set(numbers.GetHigh(), numbers.GetLow());
    source.m_calendar.CopyTo(&m_calendar);
    m_dayCounting.TakeReturnCalendar(source.m_dayCounting);
    m_scratchCalendar.Clear();
    m_syokiSet = source.m_syokiSet;
    m_syokiSet.SetDocument(this);
    m_nSheetRows = source.m_nSheetRows;
    m_prHeader.RemoveAllElements();
    m_prHeader.CopyFrom(source.m_prHeader);
    m_prHeader.SetDocument(this);
    GetLayers().swap(source.GetLayers());
    SetCurrentLayer(source.GetCurrentLayer());
    TakeKoumoku(source);
    GetShigenNames().swap(source.GetShigenNames());
    GetObjList().Swap(source.GetObjList());
    GetSelList().Swap(source.GetSelList());
    GetShincyokuList().Swap(source.GetShincyokuList());
    GetZukeiList().Swap(source.GetZukeiList());
    GetChartList().Swap(source.GetChartList());
    GetHatchList()->Swap(*source.GetHatchList());
    GetCntrItems().Swap(source.GetCntrItems());
    m_nUnreadCntrItems = source.m_nUnreadCntrItems;
}

BOOL CTembraDoc::OnOpenDocument(const std::string& path) {
    CAppState* app = GetAppState();
    BOOL readOnly = FALSE;
    bool locked = false;
    if (!m_bAutomation) {
        if (app->LockDocumentFile(path, 1) == 0) {
            readOnly = TRUE;
            AfxMessageBox(IDS_READ_ONLY_OPEN, MB_OK | MB_ICONINFORMATION);
        } else {
            locked = true;
        }
        CarryOverBackupEntries(path);
    }
    const auto releaseLock = [&] {
        if (locked) {
            app->LockDocumentFile(path, 0);
            locked = false;
        }
    };

    // Nothing of this document changes before the file has been read whole. An empty file holds
    // no chart: opened as a new one, a save would write over whatever it was meant to be.
    std::error_code ec;
    if (fs::is_regular_file(path, ec) && fs::file_size(path, ec) == 0 && !ec) {
        ReportOpenFailure(path, LoadString(IDS_NOT_A_CHART));
        releaseLock();
        return FALSE;
    }

    std::unique_ptr<CTembraDoc> read = ReadDocumentFile(path, kInsertMaskAll);
    if (!read) {
        releaseLock();
        return FALSE;
    }
    m_operation.InitMode();
    m_nInsertMask = kInsertMaskAll;
    m_strFilePath = path;
    DeleteContents();
    TakeContents(*read);
    read.reset();
    m_bReadOnly = readOnly;
    m_bLinkUpdate = FALSE;

    if (m_nUnreadCntrItems > 0) {
        // Written by a program that embeds other programs' objects: what this one cannot read
        // would be lost by a save over the file, which is kept as it is.
        AfxMessageBox(
            FormatString(Cp932("このファイルの埋め込みオブジェクト（%1個）はこのシステムでは"
                               "読み込めません。\n%2を読み込まずに、書込禁止モードで開きます。"),
                         {std::to_string(m_nUnreadCntrItems), UnreadParts(m_nVersion)}),
            MB_OK | MB_ICONINFORMATION);
        m_bReadOnly = TRUE;
        releaseLock();
    }
    InvalidateTextZukei();
    if (const int kind = app->GetPlanConversion(); kind != 0) {
        ApplyPlanConversion(kind);
    }
    m_undo.ClearUndo();
    m_undo.ClearRedo();
    SetModifiedFlag(FALSE);
    SetChangedFlag(FALSE);
    return TRUE;
}

void CTembraDoc::ApplyPlanConversion(int kind) {
    CAppState* app = GetAppState();
    if (m_prHeader.GetLayoutKind() == kind) {
        // Already in that form: the open is an ordinary one.
        app->SetPlanConversion(0);
        return;
    }
    CStatusTextScope status;
    Ui().SetStatusText(Cp932("印刷ヘッダー初期化中..."));
    CConfigPath& paths = m_syokiSet.GetPath();
    const char* layoutName = kind == 1 ? kPlanLayout : kMonthlyPlanLayout;
    // The plan's layouts are shipped with the program; asking for one puts a copy into the
    // program folder when there is none yet, as for the standard layout.
    Paths::GetExeDirFile(layoutName);
    paths.SetLayoutFileName(layoutName);
    const fs::path layout = ConfigPathToFs(paths.GetLayoutFilePath());
    CPageSetting& page = m_syokiSet.GetPageSetting();
    if (kind == 1) {
        int paper = page.GetPaper();
        int orientation = page.GetMuki();
        if (std::find(std::begin(kPlanPapers), std::end(kPlanPapers), paper) ==
            std::end(kPlanPapers)) {
            paper = kPlanPaper;
            orientation = 0;
        }
        page.SetPaper(paper, orientation, layout);
    }
    m_prHeader.InitFromSettings(this, page.GetPaper(), layout, FALSE);
}

void CTembraDoc::SetPathName(const std::string& path, BOOL addToMru) {
    const std::string previous = GetPathName();
    fs::path name(path);
    bool renamed = false;
    const std::string ext = name.extension().string();
    if (Sjis::EqualsNoCase(ext, ".phd") || Sjis::EqualsNoCase(ext, ".tbrbk") ||
        Sjis::EqualsNoCase(ext, ".psv")) {
        name.replace_extension(LoadString(IDS_EXT_NATIVE));
        renamed = true;
    }
    const int conversion = GetAppState()->GetPlanConversion();
    if (conversion != 0) {
        const std::string mark = conversion == 2 ? "-MA" : "-A";
        name.replace_filename(name.stem().string() + mark + name.extension().string());
    }
    CDocument::SetPathName(name.string(), addToMru);
    if (conversion != 0) {
        // The converted chart is a new file: the original is left, with its lock.
        GetAppState()->LockDocumentFile(m_strFilePath, 0);
        m_strFilePath = name.string();
        renamed = true;
    }
    if (renamed) {
        SetModifiedFlag(TRUE);
        SetChangedFlag(TRUE);
    }
    // A name that comes with the file read (a DOS pair, a backup, a converted plan) is not yet
    // a file of this chart: one of that name is another chart. A chart saved as a DOS pair
    // beside the name it had keeps what that name was to it.
    if (!renamed) {
        m_bBorrowedName = false;
    } else if (!SamePath(GetPathName(), previous)) {
        m_bBorrowedName = true;
    }
}

bool CTembraDoc::IsAnotherFilesName(const std::string& path) const {
    std::error_code ec;
    return m_bBorrowedName && SamePath(path, GetPathName()) && fs::exists(path, ec);
}

// ---- Close --------------------------------------------------------------------------------------

BOOL CTembraDoc::SaveModified() {
    if (m_bReadOnly) {
        if (!IsModified()) {
            return TRUE;
        }
        switch (AfxMessageBox(IDS_READ_ONLY_CLOSE, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return OnFileSaveAs();
        case IDNO:
            return TRUE;
        default:
            return FALSE;
        }
    }
    if (!m_bAutomation && IsModified()) {
        m_bBackupDue = TRUE;
    }
    // The lock stays: a Cancel keeps the chart open, and the close releases it.
    return CDocument::SaveModified();
}

void CTembraDoc::OnCloseDocument() {
    GetAppState()->RemoveAutoSaveFile(m_strAutoSavePath);
    m_strAutoSavePath.clear();
    CDocument::OnCloseDocument();
}

// ---- Save ---------------------------------------------------------------------------------------

std::string CTembraDoc::ShortTitle() const {
    std::string title = Sjis::Cut(GetTitle(), kShortTitleBytes);
    for (std::size_t i = 0; i < title.size(); i += Sjis::CharLength(title, i)) {
        if (kNameStops.find(title[i]) != std::string_view::npos) {
            title.resize(i);
            break;
        }
    }
    return title;
}

int CTembraDoc::WriteDocumentFile(const std::string& path, int version) {
    SaveVersionScope saveVersion(version);
    // The stream follows the name written to.
    const std::string kept = m_strFilePath;
    m_strFilePath = path;
    int error = 0;
    try {
        error = ReplaceFile(path, [&](CFile& file) {
            CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
            ar.m_pDocument = this;
            ar.m_strFileName = path;
            Serialize(ar);
            ar.Close();
        });
    } catch (const CFileException& e) {
        error = e.m_lOsError > 0 ? static_cast<int>(e.m_lOsError) : EIO;
    } catch (const CException&) {
        error = -1;
    } catch (const std::bad_alloc&) {
        error = ENOMEM;
    }
    m_strFilePath = kept;
    return error;
}

void CTembraDoc::ReportSaveFailure(int error) {
    if (error < 0) {
        return;
    }
    if (error == ENOSPC || error == EDQUOT) {
        AfxMessageBox(Cp932("ディスクの空き容量が不足しているため保存に失敗しました。\n"
                            "保存先のドライブを変更するか、もしくはＦＤを入れ替えて保存し直"
                            "して下さい。\n"),
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    AfxMessageBox(
        FormatString(Cp932("保存に失敗しました。\n%1"), {Sjis::FromUtf8(std::strerror(error))}),
        MB_OK | MB_ICONEXCLAMATION);
}

BOOL CTembraDoc::OnSaveDocument(const std::string& path) {
    if (!m_bAutomation && IsModified()) {
        m_bBackupDue = TRUE;
    }
    m_strFilePath = path;
    m_nLastSaveError = WriteDocumentFile(path, GetAppState()->GetSaveVersion());
    if (m_nLastSaveError != 0) {
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CTembraDoc::DoSave(const std::string& path, BOOL replace) {
    CAppState* app = GetAppState();
    std::string name = path;
    if (!m_bAutomation && IsAnotherFilesName(name)) {
        // The file there is not this chart's: the name is asked for, as for a new chart.
        name.clear();
    }
    if (name.empty()) {
        FileDialogRequest request;
        request.path = GetPathName();
        if (replace && request.path.empty()) {
            request.path = Sjis::ToUtf8(ShortTitle()) + LoadString(IDS_EXT_NATIVE);
        }
        request.titleId = IDS_SAVE_TITLE;
        request.open = false;
        request.writeProtected = m_bReadOnly != FALSE;
        if (Ui().RunDialog(request) != IDOK || request.path.empty()) {
            return FALSE;
        }
        name = request.path;
    }
    const bool ownPath = SamePath(name, GetPathName());
    // A DOS pair beside the chart's own file shares its lock file: that lock is the chart's.
    const bool ownLock = ownPath || SamePath(LockFilePath(name), LockFilePath(GetPathName()));
    if (m_bReadOnly && ownPath) {
        // The file is another user's, or was read without what it holds of other programs.
        AfxMessageBox(IDS_SAME_NAME, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (const int refusal = WriteRefusal(name); refusal != 0) {
        // Said here, or the user chose the name again and nothing told why it was asked for.
        ReportSaveFailure(refusal);
        return FALSE;
    }
    if (GetStreamKind(name) == StreamKind::Csv) {
        AfxMessageBox(IDS_UNSUPPORTED_TYPE, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    // The lock of the document's own path is held already; any other name is taken first.
    const bool heldOld = !m_bReadOnly && !m_bAutomation && !GetPathName().empty();
    bool tookLock = false;
    if (!m_bAutomation && !(ownLock && heldOld)) {
        if (app->LockDocumentFile(name, 1) == 0) {
            return FALSE;
        }
        tookLock = true;
    } else if (!m_bAutomation && app->IsLockedByAnother(name)) {
        // The chart's own lock is not there but another user's is: the file is theirs now.
        return FALSE;
    }
    // The file about to be replaced is kept in the program folder.
    std::error_code ec;
    if (fs::is_regular_file(name, ec)) {
        const std::string ext = fs::path(name).extension().string();
        const std::string keep =
            Paths::GetExeDirFile("~BackUp", ext.empty() ? std::string() : ext.substr(1));
        fs::copy_file(name, keep, fs::copy_options::overwrite_existing, ec);
    }
    if (!OnSaveDocument(name)) {
        if (tookLock) {
            app->LockDocumentFile(name, 0);
        }
        ReportSaveFailure(m_nLastSaveError);
        return FALSE;
    }
    const bool wasReadOnly = m_bReadOnly != FALSE;
    m_bReadOnly = FALSE;
    SetChangedFlag(FALSE);
    app->RemoveAutoSaveFile(m_strAutoSavePath);
    m_strAutoSavePath.clear();
    if (replace) {
        if (!ownLock && !wasReadOnly && heldOld) {
            app->LockDocumentFile(GetPathName(), 0);
        }
        // The chart is now the file it was written to, whole.
        m_nUnreadCntrItems = 0;
        SetPathName(name, TRUE);
    } else if (tookLock) {
        app->LockDocumentFile(name, 0);
    }
    return TRUE;
}

// ---- File commands ------------------------------------------------------------------------------

void CTembraDoc::OnFileSave() {
    if (m_bReadOnly) {
        AfxMessageBox(IDS_READ_ONLY_SAVE, MB_OK | MB_ICONEXCLAMATION);
        OnFileSaveAs();
        return;
    }
    // A name that is another chart's file is not offered for overwriting: Save As asks.
    const std::string path = IsAnotherFilesName(GetPathName()) ? std::string() : GetPathName();
    if (!path.empty() && AfxMessageBox(IDS_OVERWRITE, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    std::string target = path;
    if (!IsWritableFile(path)) {
        // Another name is asked for: the user is told why first.
        if (const int refusal = WriteRefusal(path); refusal != 0) {
            ReportSaveFailure(refusal);
        }
        target.clear();
    }
    const BOOL saved = DoSave(target, TRUE);
    if (saved && GetAppState()->GetSaveVersion() != kCurrentFileVersion) {
        // The file holds less than the chart: it is not the chart's own form.
        SetModifiedFlag(TRUE);
    }
}

BOOL CTembraDoc::OnFileSaveAs() {
    const BOOL saved = DoSave(std::string(), TRUE);
    if (saved && GetAppState()->GetSaveVersion() != kCurrentFileVersion) {
        SetModifiedFlag(TRUE);
    }
    return saved;
}

void CTembraDoc::OnDataInfo() {
    GetKoumoku()->FreeExtra();
    DataInfoRequest request;
    request.rows = GetKoumokuRowCount(-1);
    request.objects = GetObjCount() + GetSelCount();
    request.selected = GetSelCount();
    request.progress = m_objects.GetShincyokuList().GetCount();
    request.shapes = GetZukeiCount();
    request.embedded = CountCntrItems();
    Ui().RunDialog(request);
}

// ---- Auto-save ----------------------------------------------------------------------------------

std::string CTembraDoc::GetAutoSaveName() const {
    if (!GetPathName().empty() && m_nUnreadCntrItems == 0 && !m_bBorrowedName) {
        return GetPathName();
    }
    return Sjis::ToUtf8(ShortTitle()) + kProvisionalExt;
}

BOOL CTembraDoc::WriteAutoSaveCopy(const std::string& path) {
    if (!GetChangedFlag()) {
        return FALSE;
    }
    // A copy holds everything the chart holds, whatever version the next save writes.
    if (WriteDocumentFile(path, kCurrentFileVersion) != 0) {
        return FALSE;
    }
    m_strAutoSavePath = path;
    SetChangedFlag(FALSE);
    return TRUE;
}

BOOL CTembraDoc::TakeProvisionalName(const std::string& name) {
    const fs::path provisional(name);
    if (provisional.extension().string() != kProvisionalExt) {
        return FALSE;
    }
    CDocument::SetPathName(std::string(), FALSE);
    SetTitle(Sjis::FromUtf8(provisional.stem().string()));
    return TRUE;
}

} // namespace tembra
