// Taking in a client's processes and events and laying them out without overlaps.
#include "automation/AutomationHost.h"
#include "automation/AutomationTexts.h"
#include "automation/TakeInLayout.h"
#include "automation/TembraDocAutomation.h"
#include "document/DocumentSeams.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "model/Utility.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "render/EventGeometry.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tembra {

namespace {

// Where a taken-in record lies: its row and the closed range of days it covers.
TakeInSpan SpanOf(const CTime& start, const CTime& end, WORD row) {
    return {start.GetTime(), end.GetTime(), static_cast<short>(row)};
}

void MoveToRow(CDataHeader& record, int row) {
    if (IsRecordOf(record, kKoutei)) {
        CChartPos& pos = static_cast<CKoutei&>(record).GetLines()->GetPos();
        pos.SetStartRow(static_cast<WORD>(row));
        pos.SetEndRow(static_cast<WORD>(row));
    } else {
        static_cast<CEvent&>(record).SetStartRow(static_cast<WORD>(row));
    }
}

// The chart's layout over the settings, as a view of the chart would have it, and the screen to
// measure event texts on.
class TakeInMeasure final : public IPageLayoutView {
public:
    explicit TakeInMeasure(CTembraDoc& doc) : m_doc(doc) {
        m_layout.Init(this);
        try {
            m_dc = CreateScreenDC();
            m_dc->SetMapMode(MM_LOMETRIC);
        } catch (const std::logic_error&) {
            // No screen: the layout's estimate of the text stands.
            m_dc.reset();
        }
    }
    IPageLayoutDocument* GetLayoutDocument() const override {
        return &m_doc.GetSeams().PageLayout();
    }
    // The whole days the event's text covers after its start date.
    int TextDays(const CEvent& event) const {
        CRect rect;
        const double dayWidth = m_layout.GetDayWidth();
        if (CalcTextRect(event, m_layout, m_dc.get(), nullptr, nullptr, &rect) == 0 ||
            dayWidth <= 0.0) {
            return 0;
        }
        return static_cast<int>(std::abs(rect.right - rect.left) / dayWidth);
    }

private:
    CTembraDoc& m_doc;
    CPageLayout m_layout;
    std::unique_ptr<CDC> m_dc;
};

// A start or end date of a taken-in record: a calendar day of the supported years.
std::optional<CTime> TakeInDate(const AutoArg& arg) {
    int y = 0;
    int m = 0;
    int d = 0;
    if (!CalendarDateArg(arg, '/', y, m, d) || y < GetMinDate().GetYear() ||
        y > GetMaxDate().GetYear()) {
        return std::nullopt;
    }
    return CTime(y, m, d, 0, 0, 0);
}

} // namespace

AutoResult CTembraDocAutomation::TakeInData(const AutoArg& start, const AutoArg& end,
                                            const AutoArg& text, const AutoArg& link) {
    const std::optional<CTime> from = TakeInDate(start);
    if (!from) {
        return AutoResult::I2(0);
    }
    std::string endText;
    VariantToString(end, endText);
    std::optional<CTime> to = TakeInDate(end);
    if (!endText.empty() && !to) {
        // An end that is given but is no date would leave the process without one.
        return AutoResult::I2(0);
    }
    CTime first = *from;
    CTime last = to.value_or(first);
    if (last < first) {
        std::swap(first, last);
    }
    std::string body;
    std::string address;
    VariantToString(text, body);
    VariantToString(link, address);
    const WORD row = static_cast<WORD>(m_doc.m_nInsertLine);

    if (!endText.empty() && first != last) {
        CChartPos pos;
        pos.SetStartDate(first);
        pos.SetEndDate(last);
        pos.SetStartRow(row);
        pos.SetEndRow(row);
        std::unique_ptr<CKoutei> koutei = m_doc.CreateKoutei(&pos, TRUE);
        if (koutei == nullptr) {
            return AutoResult::I2(0);
        }
        CKouteiAttr& attr = koutei->GetLines()->GetAttr();
        attr.m_style = 0x180;
        attr.m_type = 0;
        attr.m_width = 0;
        attr.m_hatch = CKouteiLines::kNoHatch;
        koutei->GetStartLand()->SetShape(15);
        koutei->GetEndLand()->SetShape(15);
        if (std::unique_ptr<CYogo> yogo = m_doc.GetTerms().CreateYogo(); yogo != nullptr) {
            yogo->SetText(body);
            yogo->GetAttr().m_form = 0;
            yogo->GetAttr().m_attrb = 0;
            yogo->SetHyperlink(address);
            koutei->AddYogo(yogo, FALSE);
        }
        m_doc.m_listTakeIn.AddTail(koutei.release());
        return AutoResult::I2(-1);
    }
    std::unique_ptr<CEvent> event = m_doc.GetEvents().CreateEvent();
    if (event == nullptr) {
        return AutoResult::I2(0);
    }
    event->SetText(body);
    event->SetStartDate(first);
    event->SetStartRow(row);
    event->SetForm(0);
    event->SetStyle(0);
    event->SetHyperlink(address);
    m_doc.m_listTakeIn.AddTail(event.release());
    return AutoResult::I2(-1);
}

AutoResult CTembraDocAutomation::AdjustTakeInData() {
    auto& takeIn = m_doc.m_listTakeIn;
    const int insertRow = m_doc.m_nInsertLine;
    if (takeIn.IsEmpty()) {
        return AutoResult::I2(insertRow);
    }
    // The spans are measured once: moving a record changes its row, not its days.
    TakeInMeasure measure(m_doc);
    std::vector<CDataHeader*> placed;
    std::vector<TakeInSpan> spans;
    std::vector<CDataHeader*> others;
    placed.reserve(static_cast<std::size_t>(takeIn.GetCount()));
    spans.reserve(placed.capacity());
    while (!takeIn.IsEmpty()) {
        CDataHeader* record = takeIn.RemoveHead();
        if (IsRecordOf(*record, kKoutei)) {
            const CChartPos& pos = static_cast<CKoutei*>(record)->GetLines()->GetPos();
            spans.push_back(SpanOf(pos.GetStartDate(), pos.GetEndDate(), pos.GetStartRow()));
        } else if (IsRecordOf(*record, kEvent)) {
            auto* event = static_cast<CEvent*>(record);
            const int days = measure.TextDays(*event);
            spans.push_back(SpanOf(event->GetStartDate(),
                                   event->GetStartDate() + CTimeSpan(days, 0, 0, 0),
                                   event->GetStartRow()));
        } else {
            others.push_back(record);
            continue;
        }
        placed.push_back(record);
    }
    std::vector<TakeInSpan> laidOut = spans;
    const int highest = LayOutTakeInSpans(laidOut, insertRow);
    // A record that was moved went down; one that kept its row keeps its rows as they were.
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (laidOut[i].row != spans[i].row) {
            MoveToRow(*placed[i], laidOut[i].row);
        }
    }
    // Put back from the end of the placed records: the list ends reversed.
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        takeIn.AddTail(*it);
    }
    for (CDataHeader* record : others) {
        takeIn.AddTail(record);
    }
    return AutoResult::I2(highest);
}

AutoResult CTembraDocAutomation::RegularizeData() {
    auto& takeIn = m_doc.m_listTakeIn;
    if (takeIn.IsEmpty()) {
        return AutoResult::I2(0);
    }
    for (POSITION pos = takeIn.GetHeadPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CDataHeader* record = takeIn.GetNext(pos);
        if (IsRecordOf(*record, kKoutei) || IsRecordOf(*record, kEvent)) {
            takeIn.RemoveAt(at);
            m_doc.GetObjList().AddTail(record);
        }
    }
    return AutoResult::I2(-1);
}

void CTembraDocAutomation::FreeTakeIn() {
    m_doc.m_listTakeIn.DeleteAll();
}

} // namespace tembra
