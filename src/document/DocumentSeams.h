// What the records read of the schedule document while they are serialised or drawn (the document
// interfaces of the model and print records), each answered by a small adapter over the parts of
// the document that hold the answer: the settings record, the working calendar, the operation
// settings, the item table, the process counter and the document's views. CDocumentSeams holds
// one adapter of each and finds them by the interface's type, which is how the archive's document
// answers a record's DocumentSeam request.
#pragma once

#include "chart/ChartDocument.h"
#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "document/PageLayoutDocumentSeam.h"
#include "model/Calendar.h"
#include "model/ConfigOperation.h"
#include "model/ConfigPrint.h"
#include "model/Event.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/ObTable.h"
#include "model/SeqNumber.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "model/Yogo.h"
#include "print/PrHeader.h"

#include <filesystem>
#include <functional>
#include <typeinfo>

namespace tembra {

// Processes: the merge mode of the load (the document's insert mask), the process counter, the
// working calendar, the elapsed-day base date of the settings, the "HolidayAuto" operation
// setting, the views' redraw and the processes of the object lists by number.
class CKouteiDocumentSeam final : public IKouteiDocument {
public:
    CKouteiDocumentSeam(const int& mergeMode, CSeqNumberCtrl& numbers, const CCalendar& calendar,
                        const CSyokiSet& settings, const CConfigOperation& operation,
                        CChartNotifier& notifier, const CChartObjects& objects)
        : m_mergeMode(mergeMode), m_numbers(numbers), m_calendar(calendar), m_settings(settings),
          m_operation(operation), m_notifier(notifier), m_objects(objects) {}

    int GetMergeMode() const override { return m_mergeMode; }
    CSeqNumberCtrl& GetSeqNumberCtrl() override { return m_numbers; }
    const CCalendar* GetCalendar() const override { return &m_calendar; }
    CTime GetNobeBaseDate() const override { return m_settings.GetNobeBaseDate(); }
    LONG GetHolidayAuto() const override { return m_operation.GetHolidayAuto(); }
    void UpdateAllViewsWith(CObject* hint) override { m_notifier.UpdateAllViewsWith(hint); }
    CKoutei* FindKouteiByNumber(const CObSeqNumber& number, int which,
                                bool inSelection) const override {
        return m_objects.FindKouteiByNumber(number, which, inSelection);
    }

private:
    const int& m_mergeMode;
    CSeqNumberCtrl& m_numbers;
    const CCalendar& m_calendar;
    const CSyokiSet& m_settings;
    const CConfigOperation& m_operation;
    CChartNotifier& m_notifier;
    const CChartObjects& m_objects;
};

// Terms and resource labels: the label fonts and the day-count mode of the settings.
class CLabelDocumentSeam final : public ILabelDocument {
public:
    explicit CLabelDocumentSeam(const CSyokiSet& settings) : m_settings(settings) {}

    LOGFONT GetYogoFont() const override;
    LOGFONT GetShigenFont() const override;
    int GetNobeMode() const override { return m_settings.GetNobeMode(); }

private:
    const CSyokiSet& m_settings;
};

// Item cells: the item-area font and style word of the settings, and the item table that takes
// the ruled-line types of old cells.
class CKoumokuDocumentSeam final : public IKoumokuDocument {
public:
    CKoumokuDocumentSeam(const CSyokiSet& settings, CKoumoku& table)
        : m_settings(settings), m_table(table) {}

    LOGFONT GetKoumokuFont() const override;
    WORD GetKoumokuStyleWord() const override;
    CKoumoku* GetKoumoku() override { return &m_table; }

private:
    const CSyokiSet& m_settings;
    CKoumoku& m_table;
};

// Progress lines: the progress-line settings an old file's lines take.
class CShincyokuDocumentSeam final : public IShincyokuDocument {
public:
    explicit CShincyokuDocumentSeam(const CSyokiSet& settings) : m_settings(settings) {}

    const CConfigShin& GetShinConfig() const override { return m_settings.GetShin(); }

private:
    const CSyokiSet& m_settings;
};

// Events: the event font an old file's events take and the day-count mode of the settings.
class CEventDocumentSeam final : public IEventDocument {
public:
    explicit CEventDocumentSeam(const CSyokiSet& settings) : m_settings(settings) {}

    LOGFONT GetEventFont() const override { return m_settings.GetEvent().GetLogFont(); }
    int GetNobeMode() const override { return m_settings.GetNobeMode(); }

private:
    const CSyokiSet& m_settings;
};

// The print header of an old file: the paper and the layout file of the settings.
class CPrHeaderOwnerSeam final : public IPrHeaderOwner {
public:
    explicit CPrHeaderOwnerSeam(const CSyokiSet& settings) : m_settings(settings) {}

    int GetHeaderPaper() const override;
    std::filesystem::path GetHeaderLayoutPath() const override;

private:
    const CSyokiSet& m_settings;
};

// Resource charts: the chart objects of both lists, the resource master table, the working
// calendar, the print setting "Hatch" of the print header, the modified flag and the views.
class CChartDocumentSeam final : public IChartDocument {
public:
    CChartDocumentSeam(CChartNotifier& notifier, const CChartObjects& objects,
                       const CCalendar& calendar, const CConfigPrint& printSettings)
        : m_notifier(notifier), m_objects(objects), m_calendar(calendar),
          m_printSettings(printSettings) {}

    void ForEachObject(const std::function<void(const CDataHeader&)>& visit) const override;
    std::uint64_t GetObjectsChangeCount() const override;
    const CShigenNameTable& GetShigenNames() const override { return m_objects.GetShigenNames(); }
    const CCalendar* GetCalendar() const override { return &m_calendar; }
    LONG GetPrintHatch() const override { return m_printSettings.GetHatch(); }
    // Modified and changed since the last save, as every other change of the chart.
    void SetModified() override { m_notifier.MarkChanged(); }
    void UpdateAllViewsWith(CObject* hint) override { m_notifier.UpdateAllViewsWith(hint); }

private:
    CChartNotifier& m_notifier;
    const CChartObjects& m_objects;
    const CCalendar& m_calendar;
    const CConfigPrint& m_printSettings;
};

// One adapter of each kind, over the parts of one document (the document itself for its file
// name).
class CDocumentSeams {
public:
    CDocumentSeams(const CDocument& document, const int& mergeMode, CSeqNumberCtrl& numbers,
                   const CCalendar& calendar, const CSyokiSet& settings,
                   const CConfigOperation& operation, CChartNotifier& notifier,
                   CChartObjects& objects, const CChartPos& columnRange,
                   const CConfigPrint& printSettings)
        : m_koutei(mergeMode, numbers, calendar, settings, operation, notifier, objects),
          m_label(settings), m_koumoku(settings, objects.GetKoumoku()), m_shincyoku(settings),
          m_event(settings), m_prHeader(settings),
          m_pageLayout(document, settings, calendar, objects, columnRange, printSettings,
                       operation),
          m_chart(notifier, objects, calendar, printSettings) {}
    CDocumentSeams(const CDocumentSeams&) = delete;
    CDocumentSeams& operator=(const CDocumentSeams&) = delete;

    // The adapter of the interface seam, as a pointer to that interface; null for an interface
    // the document does not offer.
    void* Find(const std::type_info& seam);

    IKouteiDocument& Koutei() { return m_koutei; }
    ILabelDocument& Label() { return m_label; }
    IKoumokuDocument& Koumoku() { return m_koumoku; }
    IShincyokuDocument& Shincyoku() { return m_shincyoku; }
    IEventDocument& Event() { return m_event; }
    IPrHeaderOwner& PrHeader() { return m_prHeader; }
    IPageLayoutDocument& PageLayout() { return m_pageLayout; }
    IChartDocument& Chart() { return m_chart; }

private:
    CKouteiDocumentSeam m_koutei;
    CLabelDocumentSeam m_label;
    CKoumokuDocumentSeam m_koumoku;
    CShincyokuDocumentSeam m_shincyoku;
    CEventDocumentSeam m_event;
    CPrHeaderOwnerSeam m_prHeader;
    CPageLayoutDocumentSeam m_pageLayout;
    CChartDocumentSeam m_chart;
};

} // namespace tembra
