// The MY term list's candidates from the chart: the kinds asked for, each text once, the
// selection first and the item cells from the last column and row.
#include "shell/core/MyYogoCandidates.h"
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/Yogo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace tembra {
namespace {

class MyYogoCandidatesTest : public ::testing::Test {
protected:
    MyYogoCandidatesTest() : m_previous(SetAppState(&state)) {
        doc.OnNewDocument();
        AddProcess({"dig", "pour"}, false);
        AddProcess({"pour", "cure"}, true); // selected: its terms come first
        auto event = doc.GetEvents().CreateEvent();
        event->SetText("inspect");
        doc.AddObj(event.release(), FALSE);
        for (const auto& [column, row, text] : std::vector<std::tuple<int, int, std::string>>{
                 {0, 0, "A1"}, {0, 1, "A2"}, {1, 0, "B1"}, {1, 1, "dig"}}) {
            auto cell = std::make_unique<CKoumokuData>();
            cell->SetText(text);
            doc.GetKoumoku()->SetAt(column, row, cell.release());
        }
    }
    ~MyYogoCandidatesTest() override {
        doc.OnCloseDocument();
        SetAppState(m_previous);
    }

    void AddProcess(const std::vector<std::string>& terms, bool selected) {
        CChartPos pos;
        pos.SetStartDate(CTime(2010, 4, 1));
        pos.SetEndDate(CTime(2010, 4, 5));
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos);
        for (const std::string& text : terms) {
            auto term = std::make_unique<CYogo>();
            term->SetText(text);
            process->AddYogo(term, TRUE);
        }
        CKoutei* raw = process.release();
        if (selected) {
            doc.GetSelList().AddTail(raw);
        } else {
            doc.AddObj(raw, FALSE);
        }
    }

    CAppState state;
    CTembraDoc doc;

private:
    CAppState* m_previous;
};

TEST_F(MyYogoCandidatesTest, TheKindsAskedForEachTextOnce) {
    struct Case {
        MyYogoCandidateKinds kinds;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {{true, false, false}, {"pour", "cure", "dig"}},
        {{false, true, false}, {"inspect"}},
        {{false, false, true}, {"dig", "B1", "A2", "A1"}},
        {{true, true, true}, {"pour", "cure", "dig", "inspect", "B1", "A2", "A1"}},
        {{false, false, false}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> list;
        AddChartCandidates(doc, c.kinds, list);
        EXPECT_EQ(list, c.texts);
    }
    // What the list holds already is not added again.
    std::vector<std::string> list = {"cure"};
    AddChartCandidates(doc, {true, false, false}, list);
    EXPECT_EQ(list, (std::vector<std::string>{"cure", "pour", "dig"}));
}

} // namespace
} // namespace tembra
