// A schedule document laid out for the plan tests: a chart of n rows 50 high, each day of the
// period 10 units wide from x 0 (the item columns 500 wide on its left, 100 right of it for the
// process area's margin), on A3 paper, with no leading or trailing margin.
#pragma once

#include "document/DocTestSupport.h"
#include "document/PageFixture.h"
#include "document/TembraDoc.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "render/PageLayout.h"
#include "shapes/ZukeiString.h"

#include <vector>

namespace tembra::test {

class PlanChart {
public:
    PlanChart(CTime start, CTime end, int rows = 20, int dayWidth = 10, short paper = kPaperA3) {
        doc.OnNewDocument();
        CSyokiSet& set = doc.GetSyokiSet();
        const int width = static_cast<int>((end - start).GetDays() + 1) * dayWidth;
        const int height = rows * 50;
        CPrintArea::StoredFields f;
        f.paper = CRect(-500, 100, width + 100, -height - 100);
        f.header = CRect(-500, 100, width + 100, 100);
        f.date = CRect(-500, 100, width, 0);
        f.edit = CRect(-500, 0, width, -height);
        f.items = CRect(-500, 0, 0, -height);
        f.chart = f.inner = CRect(0, 0, width, -height);
        f.paperKind = paper;
        set.GetPageSetting().SetStoredFields(f);
        set.SetStartDate(start);
        set.SetEndDate(end);
        set.SetMaeYohaku(CTimeSpan());
        set.SetAtoYohaku(CTimeSpan());
        set.SetFirstRow(0);
        set.SetLastRow(static_cast<WORD>(rows - 1));
        Bind();
    }
    // Lays the page out again after a change of the settings.
    void Bind() { layout.Init(&view); }

    // Every framed text of the document in the order added.
    std::vector<CZukeiString*> Frames() const {
        std::vector<CZukeiString*> frames;
        for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
            if (auto* text = dynamic_cast<CZukeiString*>(doc.GetShapes().GetNextZukei(pos))) {
                frames.push_back(text);
            }
        }
        return frames;
    }
    // A framed text of a tag over rows first..last (1-based), added to the document.
    CZukeiString* AddFrame(WORD tag, int first, int last, int day = 1) {
        auto text = doc.GetShapes().CreateTextZukei("");
        const CTime date = layout.GetStartDate() + CTimeSpan(day - 1, 0, 0, 0);
        text->SetAnchors(date, first - 1.0, date + CTimeSpan(1, 0, 0, 0), last);
        text->SetFrameTag(tag);
        CZukeiString* raw = text.get();
        doc.GetShapes().AddZukei(text.release(), FALSE);
        return raw;
    }

    ScopedAppState app;
    CTembraDoc doc;
    DocLayoutView view{doc};
    CPageLayout layout;
};

} // namespace tembra::test
