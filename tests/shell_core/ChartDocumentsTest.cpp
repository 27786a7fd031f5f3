// An open closes the other charts that are untouched and empty, and only those.
#include "shell/core/ChartDocuments.h"

#include "document/AppState.h"
#include "document/DocTestSupport.h"
#include "document/TembraDoc.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace tembra {
namespace {

class EmbeddedItem : public CObject {};

TEST(ChartDocumentsTest, OnlyUnmodifiedChartsHoldingNothingClose) {
    test::ScopedUi ui;
    struct Case {
        const char* name;
        std::function<void(CTembraDoc&)> fill;
        bool closes;
    };
    const std::vector<Case> cases = {
        {"empty", [](CTembraDoc&) {}, true},
        {"modified", [](CTembraDoc& d) { d.SetModifiedFlag(TRUE); }, false},
        {"object", [](CTembraDoc& d) { d.AddObj(d.GetEvents().CreateEvent().release(), FALSE); },
         false},
        {"selection", [](CTembraDoc& d) { d.AddSel(d.GetEvents().CreateEvent().release()); },
         false},
        {"item column", [](CTembraDoc& d) { d.GetKoumoku()->SetAt(0, 0, nullptr); }, false},
        {"progress line",
         [](CTembraDoc& d) { d.GetShincyokuList().AddTail(new test::ProbeRecord(3, "p")); }, false},
        {"shape", [](CTembraDoc& d) { d.GetZukeiList().AddTail(new test::ProbeRecord(4, "z")); },
         false},
        {"embedded item", [](CTembraDoc& d) { d.GetCntrItems().AddTail(new EmbeddedItem); }, false},
    };
    std::vector<std::unique_ptr<CTembraDoc>> docs;
    std::vector<CTembraDoc*> list;
    for (const Case& c : cases) {
        docs.push_back(std::make_unique<CTembraDoc>());
        docs.back()->GetChartLayers().CreateLayers();
        c.fill(*docs.back());
        list.push_back(docs.back().get());
    }
    auto opened = std::make_unique<CTembraDoc>();
    list.push_back(opened.get());

    const std::vector<CTembraDoc*> closing = DocumentsToClose(list, opened.get());
    ASSERT_EQ(closing.size(), 1u) << "the opened one stays though it is empty";
    EXPECT_EQ(closing[0], docs[0].get());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(IsEmptyChart(*docs[i]), i == 0 || i == 1) << cases[i].name;
    }
    for (auto& d : docs) {
        d->DeleteContents();
    }
}

} // namespace
} // namespace tembra
