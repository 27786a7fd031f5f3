// The document's stream (DocFileFormat.h): the native parts in their order by version, the header
// text and its refusals, and the hand-off of the DOS and CSV streams by the file's extension.
//
// A load reads the whole file into the document it is given. The callers that must not touch a
// document before a file has been read whole (Open, File > Insert) read into a document of their
// own first and take the parts over afterwards (DocOpenSave.cpp, DocInsert.cpp).
#include "chart/Chart.h"
#include "document/AppState.h"
#include "document/DocFileFormat.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "shapes/Zukei.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace tembra {

using namespace DocFile;

namespace {

constexpr UINT IDS_NOT_A_CHART = 5002;
constexpr UINT IDS_DAMAGED_FILE = 5008;
constexpr UINT IDS_NEWER_VERSION = 5053;
constexpr UINT IDS_EXT_NATIVE = 104;
constexpr UINT IDS_EXT_DOS = 105;
constexpr UINT IDS_EXT_CSV = 112;

// The header text is read into a buffer of this size: with its zero it must fit.
constexpr std::size_t kHeaderBuffer = 256;

std::string Cp932(const char* utf8) {
    return Sjis::FromUtf8(utf8);
}

// The progress texts of the stream, one per group of parts.
enum class Stage { Calendar, Settings, Header, Items, Processes, Progress, Shapes, Embedded };

void ShowStage(Stage stage, bool storing) {
    const char* format = "";
    switch (stage) {
    case Stage::Calendar:
        format = "カレンダーを%s中です";
        break;
    case Stage::Settings:
        format = "初期設定値を%s中です";
        break;
    case Stage::Header:
        format = "印刷ヘッダーを%s中です";
        break;
    case Stage::Items:
        format = "項目データを%s中です";
        break;
    case Stage::Processes:
        format = "工程データを%s中です";
        break;
    case Stage::Progress:
        format = "進捗データを%s中です";
        break;
    case Stage::Shapes:
        format = "線画データを%s中です";
        break;
    case Stage::Embedded:
        format = "OLEデータを%s中です";
        break;
    }
    Ui().SetStatusText(
        StringPrintf(Cp932(format).c_str(), Cp932(storing ? "書き込み" : "読み込み").c_str()));
}

void ShowStreamDone(CStatusTextScope& status, bool storing) {
    status.Done(StringPrintf(Cp932("%sを終了しました").c_str(),
                             Cp932(storing ? "書き込み" : "読み込み").c_str()));
}

// A refusal the user is told of: the message, then the abort of the load.
[[noreturn]] void Refuse(UINT message) {
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    AfxThrowUserException();
}

template <class List> void StoreList(CArchive& ar, const List& list) {
    ar.WriteCount(static_cast<DWORD>(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        ar.WriteObject(list.GetNext(pos));
    }
}

template <class T, class List> void LoadList(CArchive& ar, List& list) {
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        list.AddTail(ar.ReadOwned<T>().release());
    }
}

// The chart objects hold processes and events only.
void LoadObjectList(CArchive& ar, OwnedObList<CDataHeader>& list) {
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        std::unique_ptr<CDataHeader> object = ar.ReadOwned<CDataHeader>();
        if (AsKoutei(object.get()) == nullptr && AsEvent(object.get()) == nullptr) {
            AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName,
                                     object->GetType());
        }
        list.AddTail(object.release());
    }
}

} // namespace

// ---- The stream kind ----------------------------------------------------------------------------

CTembraDoc::StreamKind CTembraDoc::GetStreamKind(const std::string& path) {
    const std::string ext = std::filesystem::path(path).extension().string();
    if (Sjis::EqualsNoCase(ext, LoadString(IDS_EXT_DOS))) {
        return StreamKind::Dos;
    }
    if (Sjis::EqualsNoCase(ext, LoadString(IDS_EXT_CSV))) {
        return StreamKind::Csv;
    }
    // ".tbr" and any other name.
    static_cast<void>(IDS_EXT_NATIVE);
    return StreamKind::Native;
}

// ---- The header text ----------------------------------------------------------------------------

std::string CTembraDoc::FormatHeaderText(int version, int nobeMode, const std::string& title) {
    std::string text = Cp932("☆TEMBRA(TB+) ");
    text += "Ver." + FormatVersion(version) + ":";
    text += Cp932(nobeMode == 0 ? "暦" : "延");
    text += ":";
    // The header text ends at its zero byte: a title holding one goes in up to that zero. A long
    // title is cut, on a character boundary, where the reader's limit would refuse it.
    const std::string_view shown = std::string_view(title).substr(0, title.find('\0'));
    text += Sjis::Cut(shown, kHeaderTextBytes - std::min(kHeaderTextBytes, text.size()));
    return text;
}

std::string CTembraDoc::FormatVersion(int version) {
    return StringPrintf("%02d.%02d.%02d", version / 10000, version / 100 % 100, version % 100);
}

// ---- Serialize ----------------------------------------------------------------------------------

void CTembraDoc::Serialize(CArchive& ar) {
    // The application's clipboards stay as they are: what a load takes in waits in a document of
    // its own (DocInsert.cpp), and a copy made before an auto-save is still there to be pasted.
    const bool storing = ar.IsStoring();
    // A stream that fails leaves no text of a stage it did not finish.
    CStatusTextScope status;
    switch (GetStreamKind(m_strFilePath)) {
    case StreamKind::Dos: {
        Ui().SetStatusText(StringPrintf(Cp932("DOSファイルを%s中です").c_str(),
                                        Cp932(storing ? "書き込み" : "読み込み").c_str()));
        if (!(storing ? StoreDosDocument(ar) : LoadDosDocument(ar))) {
            AfxThrowUserException();
        }
        ShowStreamDone(status, storing);
        return;
    }
    case StreamKind::Csv: {
        Ui().SetStatusText(StringPrintf(Cp932("CSVファイルを%s中です").c_str(),
                                        Cp932(storing ? "書き込み" : "読み込み").c_str()));
        if (!(storing ? StoreTextData(ar) : LoadTextData(ar))) {
            AfxThrowUserException();
        }
        ShowStreamDone(status, storing);
        return;
    }
    case StreamKind::Native:
        break;
    }
    if (storing) {
        StoreNative(ar);
    } else {
        LoadNative(ar);
    }
    ShowStreamDone(status, storing);
}

void CTembraDoc::StoreNative(CArchive& ar) {
    // A chart the calendar's window cannot hold is not written at all.
    if (!FitCalendarWindow(TRUE)) {
        AfxThrowUserException();
    }
    CAppState* app = GetAppState();
    const bool autoSaving = app->IsAutoSaving() != FALSE;
    if (!autoSaving) {
        // The whole chart goes to the object list; an auto-saved copy keeps its selection.
        UnselectAll(TRUE);
        GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    }
    m_nVersion = app->GetSaveVersion();
    const int v = m_nVersion;

    const std::string header =
        FormatHeaderText(v, m_syokiSet.GetNobeMode(), m_prHeader.GetTitleText());
    ar.Write(header.data(), static_cast<UINT>(header.size()));
    ar << BYTE{0};
    ar << static_cast<LONG>(v);
    if (v >= kReservedVersion) {
        ar << static_cast<LONG>(kReservedValue);
    }
    if (v >= kCounterVersion) {
        GetSeqNumberCtrl().Serialize(ar);
    }

    ShowStage(Stage::Calendar, true);
    m_calendar.Serialize(ar);
    m_scratchCalendar.Clear();
    ShowStage(Stage::Settings, true);
    m_syokiSet.Serialize(ar);
    if (v >= kSheetRowsVersion) {
        ar << m_nSheetRows;
    }
    ShowStage(Stage::Header, true);
    m_prHeader.Serialize(ar);
    if (v >= kLayersVersion) {
        ar << static_cast<WORD>(GetCurrentLayer());
        ar.WriteCount(static_cast<DWORD>(GetLayers().size()));
        for (const auto& layer : GetLayers()) {
            ar.WriteObject(layer.get());
        }
    }
    ShowStage(Stage::Items, true);
    GetKoumoku()->Serialize(ar);

    ShowStage(Stage::Processes, true);
    if (v >= kResourcesVersion) {
        ar.WriteCount(static_cast<DWORD>(GetShigenNames().size()));
        for (const auto& name : GetShigenNames()) {
            ar.WriteObject(name.get());
        }
    }
    StoreList(ar, GetObjList());
    if (autoSaving) {
        // The selected shapes stay in the shape list, which stores them; this list holds the
        // selected processes and events.
        ObList<CDataHeader> selected;
        for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
            CDataHeader* object = GetNextSel(pos);
            if (AsKoutei(object) != nullptr || AsEvent(object) != nullptr) {
                selected.AddTail(object);
            }
        }
        StoreList(ar, selected);
    }
    if (v >= kProgressVersion) {
        ShowStage(Stage::Progress, true);
        StoreList(ar, GetShincyokuList());
    }
    if (v >= kShapesVersion) {
        ShowStage(Stage::Shapes, true);
        StoreList(ar, GetZukeiList());
    }
    if (v >= kEmbeddedVersion) {
        ShowStage(Stage::Embedded, true);
        m_embeddedItems.SerializeCntrItems(ar);
    }
    if (v >= kChartsVersion) {
        StoreList(ar, GetChartList());
    }
    if (v >= kHatchesVersion) {
        StoreList(ar, *GetHatchList());
    }
}

int CTembraDoc::ReadHeader(CArchive& ar) {
    std::string text;
    for (;;) {
        BYTE c = 0;
        ar >> c;
        if (c == 0) {
            break;
        }
        // The zero must fit into the reader's buffer behind the text.
        if (text.size() + 1 >= kHeaderBuffer - 1) {
            Refuse(IDS_DAMAGED_FILE);
        }
        text += static_cast<char>(c);
    }
    // The beta's mark opens its header text; further on it is a title's text, not a mark.
    if (text.starts_with(Cp932("TEMBRA ver1.0β:"))) {
        return 0;
    }
    if (Sjis::Find(text, "TEMBRA") == std::string::npos &&
        Sjis::Find(text, "Tembra+") == std::string::npos) {
        Refuse(IDS_NOT_A_CHART);
    }
    LONG version = 0;
    ar >> version;
    if (version > kCurrentFileVersion) {
        Refuse(IDS_NEWER_VERSION);
    }
    // A negative version is no version of any file.
    if (version < 0) {
        Refuse(IDS_DAMAGED_FILE);
    }
    return static_cast<int>(version);
}

void CTembraDoc::LoadNative(CArchive& ar) {
    const int v = ReadHeader(ar);
    // Every record reads its form by this version.
    m_nVersion = v;
    const bool whole = m_nInsertMask == kInsertMaskAll;
    if (v >= kReservedVersion) {
        LONG reserved = 0;
        ar >> reserved;
    }
    if (v >= kCounterVersion) {
        GetSeqNumberCtrl().Serialize(ar);
    }

    ShowStage(Stage::Calendar, false);
    m_calendar.Serialize(ar);
    m_scratchCalendar.Clear();
    ShowStage(Stage::Settings, false);
    m_syokiSet.Serialize(ar);
    if (m_syokiSet.GetNobeMode() > 0) {
        // A chart counting elapsed days has no holidays, in the years of the file or after.
        m_calendar.ClearOutsideWindow();
    }
    m_nSheetRows = 0;
    if (v >= kSheetRowsVersion) {
        ar >> m_nSheetRows;
    }
    ShowStage(Stage::Header, false);
    m_prHeader.RemoveAllElements();
    m_prHeader.Serialize(ar);

    GetChartLayers().DeleteLayers();
    if (v >= kLayersVersion) {
        WORD current = 0;
        ar >> current;
        SetCurrentLayer(std::min<int>(current, CLayerSet::kLayerCount - 1));
        const DWORD count = ar.ReadCount();
        // A chart has its sixteen layers; more cannot come from one.
        if (count > static_cast<DWORD>(CLayerSet::kLayerCount)) {
            Refuse(IDS_DAMAGED_FILE);
        }
        for (DWORD i = 0; i < count; ++i) {
            GetLayers().push_back(ar.ReadOwned<CLayerSet>());
        }
    }
    // A chart always has its layers: a file before 41000 holds none, and a table that came empty
    // gets them too.
    if (GetLayers().empty()) {
        GetChartLayers().CreateLayers();
        SetCurrentLayer(0);
    }

    ShowStage(Stage::Items, false);
    FreeAllKoumoku();
    GetKoumoku()->Serialize(ar);

    ShowStage(Stage::Processes, false);
    if (v >= kResourcesVersion) {
        DeleteShigenTable();
        const DWORD count = ar.ReadCount();
        for (DWORD i = 0; i < count; ++i) {
            GetShigenNames().push_back(ar.ReadOwned<CShigenName>());
        }
    }
    LoadObjectList(ar, GetObjList());
    const bool recovering = GetAppState()->IsAutoSaving() != FALSE;
    if (recovering) {
        LoadObjectList(ar, GetSelList());
    }
    if (v >= kProgressVersion) {
        ShowStage(Stage::Progress, false);
        LoadList<CShincyoku>(ar, GetShincyokuList());
    }
    if (v >= kShapesVersion) {
        ShowStage(Stage::Shapes, false);
        LoadList<CZukei>(ar, GetZukeiList());
    }
    // A file with embedded items of another program ends here for this reader: their records
    // cannot be told apart from what follows them (see SerializeCntrItems).
    bool complete = true;
    if (v >= kEmbeddedVersion) {
        ShowStage(Stage::Embedded, false);
        complete = m_embeddedItems.SerializeCntrItems(ar) == 0;
    }
    if (complete && whole && v >= kChartsVersion) {
        LoadList<CChart>(ar, GetChartList());
    }
    if (complete && whole && v >= kHatchesVersion) {
        LoadList<CKtkmHatch>(ar, *GetHatchList());
    }

    if (recovering) {
        UnselectAll(FALSE);
        GetKoumokuCells().DropEmptyKoumokuCells();
    }
    if (v > kWideLayerVersion && v < kLayersVersion) {
        GetChartLayers().ClampLayers();
    }
}

} // namespace tembra
