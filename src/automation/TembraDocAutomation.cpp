#include "automation/TembraDocAutomation.h"

#include "automation/AutomationHost.h"
#include "automation/AutomationTexts.h"
#include "document/AppState.h"
#include "document/LockFiles.h"
#include "document/TembraDoc.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "print/PrNewText.h"

#include <array>
#include <filesystem>
#include <utility>

namespace tembra {

namespace {

// The save version a client names; anything else is the oldest layout still written.
int SaveVersionOf(const AutoArg& arg) {
    struct Entry {
        const char* name;
        int version;
    };
    static constexpr std::array<Entry, 10> kVersions{{{"new", 58000},
                                                      {"580", 58000},
                                                      {"400", 40000},
                                                      {"410", 41000},
                                                      {"500", 50000},
                                                      {"510", 51000},
                                                      {"520", 52000},
                                                      {"550", 55000},
                                                      {"560", 56000},
                                                      {"570", 57000}}};
    constexpr int kFallback = 40000;
    std::string text;
    if (!VariantToString(arg, text)) {
        return kFallback;
    }
    for (const Entry& e : kVersions) {
        if (text == e.name) {
            return e.version;
        }
    }
    return kFallback;
}

// A file path argument as the file system takes it (UTF-8); empty when it is none.
std::string PathOf(const AutoArg& arg) {
    return arg.has_value() ? *arg : std::string();
}

} // namespace

CTembraDocAutomation::CTembraDocAutomation(CTembraDoc& doc, IAutomationHost& host,
                                           ISettingsChanges& settings)
    : m_doc(doc), m_host(host),
      m_settings(settings), m_kouteiCursor{&doc.m_posAutoKoutei}, m_eventCursor{
                                                                      &doc.m_posAutoEvent} {}

// ---- Properties ---------------------------------------------------------------------------------

long CTembraDocAutomation::GetMaeYohaku() const {
    return m_doc.MaeYohaku;
}
void CTembraDocAutomation::SetMaeYohaku(long days) {
    m_doc.MaeYohaku = days;
}
long CTembraDocAutomation::GetAtoYohaku() const {
    return m_doc.AtoYohaku;
}
void CTembraDocAutomation::SetAtoYohaku(long days) {
    m_doc.AtoYohaku = days;
}
short CTembraDocAutomation::GetInsertLine() const {
    return m_doc.m_nInsertLine;
}

void CTembraDocAutomation::SetInsertLine(short row) {
    m_doc.m_nInsertLine = row;
    CSyokiSet& settings = m_doc.GetSyokiSet();
    CAppState* app = GetAppState();
    if (row == 1) {
        settings.SetInsertRow(-1);
        app->FreezeInsertLine();
    }
    if (app->IsInsertLineFrozen()) {
        return;
    }
    const short wanted = static_cast<short>(row - 2);
    const short current = settings.GetInsertRow();
    settings.SetInsertRow(current == -1 ? wanted : std::min(wanted, current));
}

// ---- File and program ---------------------------------------------------------------------------

AutoResult CTembraDocAutomation::FileSaveAs(const AutoArg& path, const AutoArg& version,
                                            const AutoArg& overwrite) {
    GetAppState()->SetSaveVersion(SaveVersionOf(version));
    const std::string name = PathOf(path);
    if (name.empty()) {
        return AutoResult::I2(0);
    }
    std::error_code ec;
    if (std::filesystem::exists(name, ec)) {
        // A lock beside the file: someone has it open (this chart never locks what it opens),
        // and writing would take it from under them.
        if (std::filesystem::exists(LockFilePath(name), ec)) {
            return AutoResult::I2(0);
        }
        std::string permission;
        if (VariantToString(overwrite, permission) && permission == "0") {
            return AutoResult::I2(0);
        }
    }
    // The file is written beside the target and renamed over it: a failed save leaves what was
    // there.
    return AutoResult::I2(m_doc.OnSaveDocument(name) ? -1 : 0);
}

AutoResult CTembraDocAutomation::FileOpen(const AutoArg& path) {
    const std::string name = PathOf(path);
    if (name.empty()) {
        return AutoResult::I2(0);
    }
    m_host.CloseIdleDocuments(m_doc);
    m_doc.SetModifiedFlag(TRUE);
    if (!m_doc.OnOpenDocument(name)) {
        return AutoResult::I2(0);
    }
    // The chart is that file now: its title names it, a close that saves writes it, and the
    // close lets go of the lock it took.
    m_doc.SetPathName(name, FALSE);
    return AutoResult::I2(-1);
}

AutoResult CTembraDocAutomation::AppInit() {
    // A chart driven by a client holds no lock: one its file open took before goes now, or
    // nothing would release it.
    if (!m_doc.m_bAutomation && !m_doc.IsReadOnly() && !m_doc.GetPathName().empty()) {
        GetAppState()->LockDocumentFile(m_doc.GetPathName(), 0);
    }
    m_doc.m_bAutomation = TRUE;
    return AutoResult::Void();
}

AutoResult CTembraDocAutomation::AppClose() {
    FreeTakeIn();
    m_host.CloseApplication(m_doc);
    return AutoResult::I2(-1);
}

AutoResult CTembraDocAutomation::DocClose(const AutoArg& option) {
    std::string text = "0";
    VariantToString(option, text);
    const bool others = m_host.OtherDocumentsOpen(m_doc);
    // A chart that stays open (its save failed, the user kept it) keeps the program too.
    if ((text == "0" || text == "1" || text == "2") &&
        !m_host.CloseDocument(m_doc, AutoNumber(text))) {
        return AutoResult::I2(-1);
    }
    if (!others) {
        FreeTakeIn();
        m_host.CloseApplication(m_doc);
    }
    return AutoResult::I2(-1);
}

// ---- Print header -------------------------------------------------------------------------------

AutoResult CTembraDocAutomation::HeaderItemSet(const AutoArg& name, const AutoArg& value) {
    std::string item;
    std::string text;
    VariantToString(name, item);
    VariantToString(value, text);
    CPrHeader& header = m_doc.GetPrHeader();
    for (const auto& element : header.GetElementList()) {
        switch (element->GetKind()) {
        case kHeaderText:
        case kHeaderInput:
        case kHeaderInputFixed:
            if (auto* area = dynamic_cast<CPrNewText*>(element.get());
                area != nullptr && area->GetText() == item) {
                area->SetContents(text);
                return AutoResult::I2(-1);
            }
            break;
        case kHeaderPeriod:
            if (item == kPeriodItem && !text.empty()) {
                CPrHeader::PeriodTexts texts;
                if (!SplitPeriod(text, texts)) {
                    return AutoResult::I2(0);
                }
                header.SetHeaderTexts(texts);
                header.SetPeriodSetFlag(1);
                return AutoResult::I2(-1);
            }
            break;
        case kHeaderCreated:
            if (CPrHeader::DateTexts texts;
                item == kCreatedItem && SplitDate(text, texts[0], texts[1], texts[2], ',')) {
                header.SetHeaderTexts2(texts);
                header.SetDateSetFlag(1);
                return AutoResult::I2(-1);
            }
            break;
        default:
            break;
        }
    }
    return AutoResult::I2(0);
}

AutoResult CTembraDocAutomation::HeaderItemGet(const AutoArg& name) {
    std::string item;
    VariantToString(name, item);
    const CPrHeader& header = m_doc.GetPrHeader();
    for (const auto& element : header.GetElementList()) {
        switch (element->GetKind()) {
        case kHeaderText:
        case kHeaderInput:
        case kHeaderInputFixed:
            if (const auto* area = dynamic_cast<const CPrNewText*>(element.get());
                area != nullptr && area->GetText() == item) {
                return AutoResult::Text(Sjis::ToUtf8(area->GetContents()));
            }
            break;
        case kHeaderPeriod:
            if (item == kPeriodItem) {
                return AutoResult::Text(Sjis::ToUtf8(JoinTexts(header.GetHeaderTexts())));
            }
            break;
        case kHeaderCreated:
            if (item == kCreatedItem) {
                return AutoResult::Text(Sjis::ToUtf8(JoinTexts(header.GetHeaderTexts2())));
            }
            break;
        default:
            break;
        }
    }
    return AutoResult::Text({});
}

// ---- Reading the chart --------------------------------------------------------------------------

AutoResult CTembraDocAutomation::WalkFrom(Cursor& cursor, POSITION from, int type) {
    const auto& list = m_doc.GetObjList();
    for (POSITION pos = from; pos != nullptr;) {
        const POSITION at = pos;
        const CDataHeader* record = list.GetNext(pos);
        if (IsRecordOf(*record, type)) {
            *cursor.pos = at;
            cursor.stamp = list.GetChangeCount();
            return AutoResult::Text(Sjis::ToUtf8(FormatRecord(*record)));
        }
    }
    *cursor.pos = nullptr;
    return AutoResult::Text({});
}

AutoResult CTembraDocAutomation::WalkFirst(Cursor& cursor, int type) {
    return WalkFrom(cursor, m_doc.GetObjList().GetHeadPosition(), type);
}

AutoResult CTembraDocAutomation::WalkNext(Cursor& cursor, int type) {
    const auto& list = m_doc.GetObjList();
    POSITION pos = *cursor.pos;
    if (pos == nullptr) {
        return AutoResult::Text({});
    }
    if (cursor.stamp != list.GetChangeCount()) {
        // The list changed since: the cursor holds only while its record is still there.
        POSITION found = list.GetHeadPosition();
        while (found != nullptr && found != pos) {
            list.GetNext(found);
        }
        if (found == nullptr) {
            *cursor.pos = nullptr;
            return AutoResult::Text({});
        }
    }
    list.GetNext(pos);
    return WalkFrom(cursor, pos, type);
}

AutoResult CTembraDocAutomation::GetFirstKoutei() {
    return WalkFirst(m_kouteiCursor, kKoutei);
}
AutoResult CTembraDocAutomation::GetNextKoutei() {
    return WalkNext(m_kouteiCursor, kKoutei);
}
AutoResult CTembraDocAutomation::GetFirstEvent() {
    return WalkFirst(m_eventCursor, kEvent);
}
AutoResult CTembraDocAutomation::GetNextEvent() {
    return WalkNext(m_eventCursor, kEvent);
}

AutoResult CTembraDocAutomation::GetKouteiCount() {
    return AutoResult::I4(CountRecords(m_doc.GetObjList(), kKoutei));
}

AutoResult CTembraDocAutomation::GetEventCount() {
    return AutoResult::I4(CountRecords(m_doc.GetObjList(), kEvent));
}

std::string CTembraDocAutomation::FormatRecord(const CDataHeader& record) const {
    return IsRecordOf(record, kKoutei) ? FormatKoutei(static_cast<const CKoutei&>(record))
                                       : FormatEvent(static_cast<const CEvent&>(record));
}

} // namespace tembra
