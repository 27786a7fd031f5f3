#include "automation/AutomationTexts.h"

#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "model/Yogo.h"

#include <array>
#include <cstdio>

namespace tembra {

namespace {

constexpr const char* kDateFormat = "%Y/%m/%d %H:%M:%S";

} // namespace

bool IsRecordOf(const CDataHeader& record, int type) {
    return record.GetType() == type && record.GetKind() == 1;
}

int CountRecords(const ObList<CDataHeader>& list, int type) {
    int count = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        if (IsRecordOf(*list.GetNext(pos), type)) {
            ++count;
        }
    }
    return count;
}

std::string FormatKoutei(const CKoutei& koutei) {
    const CChartPos& pos = koutei.GetLines()->GetPos();
    std::string text = pos.GetStartDate().Format(kDateFormat) + ',' +
                       std::to_string(static_cast<short>(pos.GetStartRow())) + ',' +
                       pos.GetEndDate().Format(kDateFormat) + ',' +
                       std::to_string(static_cast<short>(pos.GetEndRow())) + ',';
    std::string terms;
    for (int i = 0; i < koutei.GetYogoCount(); ++i) {
        if (const CYogo* yogo = koutei.GetYogo(i); yogo != nullptr) {
            if (i > 0) {
                terms += '\n';
            }
            terms += yogo->GetText();
        }
    }
    return text + terms;
}

std::string FormatEvent(const CEvent& event) {
    return event.GetStartDate().Format(kDateFormat) + ',' +
           std::to_string(static_cast<short>(event.GetStartRow())) + ',' + event.GetText();
}

bool SplitPeriod(std::string_view value, CPrHeader::PeriodTexts& texts) {
    // The working field of the value holds 127 bytes and its end.
    constexpr std::size_t kValueCapacity = 127;
    static constexpr std::array<std::size_t, 6> kBounds{4, 2, 2, 4, 2, 2};
    if (value.size() > kValueCapacity) {
        return false;
    }
    std::size_t pos = 0;
    for (std::size_t i = 0; i < kBounds.size(); ++i) {
        const std::size_t stop = std::min(value.find(',', pos), value.size());
        texts[i] = std::string(value.substr(pos, std::min(stop - pos, kBounds[i])));
        pos = stop < value.size() ? stop + 1 : value.size();
    }
    return true;
}

} // namespace tembra
