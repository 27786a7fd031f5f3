// A process and the chart document it sees, for the tests of the process record: a working
// calendar with two holidays, the elapsed-day base date and a sequence counter, and a sample
// process with lines, nodes, resources and two terms.
#pragma once

#include "model/Koutei.h"

#include "model/Calendar.h"
#include "model/Yogo.h"
#include "platform/Document.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tembra::test {

inline constexpr std::int64_t kDay = 86400;

inline CTime Date(int year, int month, int day) {
    return CTime(year, month, day);
}

inline CTimeSpan Days(std::int64_t days) {
    return CTimeSpan(days * kDay);
}

// A chart document as processes see it: a working calendar with holidays on 2000-01-05 and
// 2000-01-15, the elapsed-day base date 2000-01-01 and a sequence counter.
class KouteiDocument : public VersionDocument, public IKouteiDocument, public ILabelDocument {
public:
    explicit KouteiDocument(int version = kCurrentFileVersion) : VersionDocument(version) {
        m_calendar.Clear();
        m_calendar.AddDayFlag(2000, 1, 5, CCalendar::kRuleHoliday);
        m_calendar.AddDayFlag(2000, 1, 15, CCalendar::kRuleHoliday);
    }

    int GetMergeMode() const override { return m_mergeMode; }
    CSeqNumberCtrl& GetSeqNumberCtrl() override { return m_seq; }
    const CCalendar* GetCalendar() const override { return &m_calendar; }
    CTime GetNobeBaseDate() const override { return m_baseDate; }
    LONG GetHolidayAuto() const override { return m_holidayAuto; }
    void UpdateAllViewsWith(CObject* hint) override { m_hints.push_back(hint); }
    CKoutei* FindKouteiByNumber(const CObSeqNumber&, int, bool) const override { return nullptr; }
    LOGFONT GetYogoFont() const override { return {}; }
    LOGFONT GetShigenFont() const override { return {}; }
    int GetNobeMode() const override { return 1; }

    int m_mergeMode = kMergeModeWhole;
    CSeqNumberCtrl m_seq;
    CCalendar m_calendar;
    CTime m_baseDate = Date(2000, 1, 1);
    LONG m_holidayAuto = 1;
    std::vector<CObject*> m_hints;
};

inline std::unique_ptr<CYogo> Term(const std::string& text, WORD part = kYogoOnLine) {
    auto term = std::make_unique<CYogo>();
    term->SetText(text);
    term->SetDateKind(part);
    return term;
}

// 2000-01-10 to 2000-01-20 on rows 3 to 5, counted through the calendar (one holiday before the
// start, one inside): start offset 8 days, duration 9 days; 2 spare days.
inline std::unique_ptr<CKoutei> SampleKoutei() {
    auto koutei = std::make_unique<CKoutei>();
    koutei->SetStartDate(Date(2000, 1, 10));
    koutei->SetEndDate(Date(2000, 1, 20));
    koutei->SetStartRow(3);
    koutei->SetEndRow(5);
    koutei->SetSeqNumber(3, 7);
    koutei->SetRelationLine(1);
    koutei->SetSpareDays(Days(2));

    CKouteiAttr attr;
    attr.m_style = 2;
    attr.m_subStyle = 5;
    attr.m_type = 1;
    attr.m_width = 2;
    attr.m_color = RGB(255, 0, 0);
    attr.m_holiday = 1;
    attr.m_hatch = 12;
    koutei->GetLines()->SetAttr(attr);
    koutei->GetLines()->SetBendOffset(2);

    CLandAttr node;
    node.m_style = 1;
    node.m_type = 7;
    node.m_color = RGB(0, 0, 255);
    node.m_size = 80;
    koutei->GetStartLand()->SetAttr(node);
    koutei->GetEndLand()->SetAttr(node);
    koutei->SetEndLandNo(9, 11);

    auto shigen = std::make_unique<CShigen>();
    shigen->AddShigenData(std::make_unique<CShigenData>(2, 4));
    koutei->SetShigen(std::move(shigen));

    for (const char* text : {"first", "second"}) {
        auto term = Term(text);
        EXPECT_TRUE(koutei->AddYogo(term, TRUE));
    }
    return koutei;
}

} // namespace tembra::test
