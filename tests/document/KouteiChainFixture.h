// A chart of named processes for the chain tests: each process is given by its days (from
// 1 April 2010), rows, line shape, spare days and relation nodes, and found again by its name after
// the operations have replaced it by moved copies (which keep its number).
#pragma once

#include "DocTestSupport.h"
#include "document/KouteiContactIndex.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tembra::test {

inline CTime ChartDay(int day) {
    return CTime(2010, 4, 1) + CTimeSpan(day, 0, 0, 0);
}

inline std::uint64_t NumberKey(const CObSeqNumber& number) {
    return (static_cast<std::uint64_t>(number.GetHigh()) << 32) | number.GetLow();
}

inline CTimeSpan Days(int days) {
    return CTimeSpan(days, 0, 0, 0);
}

struct KouteiPlan {
    std::string name;
    int startDay = 0;
    int endDay = 0;
    int startRow = 0;
    int endRow = 0;
    int spareDays = 0;
    WORD shape = kLineShapeStraight;
    bool startRelation = false;
    bool endRelation = false;
    short bendOffset = 0;
    bool workingDays = false; // the line counts working days (its Holiday word is set)
};

// Makes the process of the plan (not listed anywhere).
inline std::unique_ptr<CKoutei> MakeKoutei(CTembraDoc& doc, const KouteiPlan& plan) {
    const CChartPos pos =
        Pos(ChartDay(plan.startDay), ChartDay(plan.endDay), plan.startRow, plan.endRow);
    std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos, TRUE);
    process->SetLineShape(plan.shape);
    process->GetLines()->SetBendOffset(plan.bendOffset);
    process->GetLines()->GetAttr().m_holiday = plan.workingDays ? 1 : 0;
    process->SetSpareDays(Days(plan.spareDays));
    process->GetStartLand()->SetSubStyle(plan.startRelation ? kRelationLand : 0);
    process->GetEndLand()->SetSubStyle(plan.endRelation ? kRelationLand : 0);
    return process;
}

class KouteiChainFixture : public testing::Test {
protected:
    KouteiChainFixture() {
        doc.GetChartLayers().CreateLayers();
        doc.GetOperation().SetMode(COperationState::kModeKoutei);
        doc.AddView(&view);
    }

    CKoutei* Add(const KouteiPlan& plan) {
        std::unique_ptr<CKoutei> process = MakeKoutei(doc, plan);
        CKoutei* raw = process.get();
        numbers[plan.name] = raw->GetSeqNumber();
        names[NumberKey(raw->GetSeqNumber())] = plan.name;
        doc.AddObj(process.release(), FALSE);
        return raw;
    }
    void AddAll(const std::vector<KouteiPlan>& plans) {
        for (const KouteiPlan& plan : plans) {
            Add(plan);
        }
    }

    // The process named so, in whichever list it is now.
    CKoutei* Get(const std::string& name) const {
        const CObSeqNumber& number = numbers.at(name);
        if (CKoutei* process = doc.FindKouteiByNumber(number, 0)) {
            return process;
        }
        return doc.FindSelKouteiByNumber(number, 0);
    }
    // Selects the process whole.
    void SelectWhole(const std::string& name) {
        CKoutei* process = Get(name);
        process->Select();
        doc.SelectAt(doc.FindObj(process));
    }
    // The names of the selected processes, in selection order.
    std::vector<std::string> SelectedNames() const {
        std::vector<std::string> out;
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            if (const CKoutei* process = AsKoutei(doc.GetNextSel(pos))) {
                out.push_back(names.at(NumberKey(process->GetSeqNumber())));
            }
        }
        return out;
    }
    // "S", "L" and "E" for the selected start node, line and end node.
    std::string Parts(const std::string& name) const {
        const CKoutei* process = Get(name);
        std::string parts;
        parts += process->IsStartLandSelected() ? "S" : "";
        parts += process->IsLinesSelected() ? "L" : "";
        parts += process->IsEndLandSelected() ? "E" : "";
        return parts;
    }
    // How many records of the undo list replaced a version of the named process.
    int ChangesOf(const std::string& name) const {
        int n = 0;
        for (const auto& record : doc.GetUndoHistory().GetUndoList()) {
            const CKoutei* old = AsKoutei(dynamic_cast<const CDataHeader*>(record.GetOld()));
            n += old != nullptr && record.GetNew() != nullptr &&
                         names.at(NumberKey(old->GetSeqNumber())) == name
                     ? 1
                     : 0;
        }
        return n;
    }

    ScopedAppState app;
    ScopedUi ui;
    RecordingView view;
    CTembraDoc doc;
    std::map<std::string, CObSeqNumber> numbers;
    std::map<std::uint64_t, std::string> names;
};

} // namespace tembra::test
