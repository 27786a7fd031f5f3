// A chart for the safety plan's benchmarks: an A3 page of 30 rows from 2010-01-01 over a number
// of whole years, laid out for the screen.
#pragma once

#include "document/TembraDoc.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/Paths.h"
#include "render/PageLayout.h"

namespace tembra::bench {

class BenchPlanChart : public IPageLayoutView {
public:
    explicit BenchPlanChart(int years) {
        CSyokiSet& settings = m_doc.GetSyokiSet();
        settings.GetPageSetting().SetPaper(kPaperA3, 0, Paths::ShippedDataDir() / "MASTER01.LYT",
                                           -1);
        settings.SetStartDate(CTime(2010, 1, 1));
        settings.SetEndDate(CTime(2010 + years, 1, 1) - CTimeSpan(1, 0, 0, 0));
        settings.SetFirstRow(0);
        settings.SetLastRow(29);
        layout.Init(this);
    }
    IPageLayoutDocument* GetLayoutDocument() const override {
        return DocumentSeam<IPageLayoutDocument>(&m_doc);
    }
    CTembraDoc& Doc() const { return m_doc; }
    const CSyokiSet* Settings() const { return &m_doc.GetSyokiSet(); }

    CPageLayout layout;

private:
    mutable CTembraDoc m_doc;
};

} // namespace tembra::bench
