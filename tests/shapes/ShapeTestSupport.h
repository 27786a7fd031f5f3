// A chart to place shapes on: the shipped A4 layout with a 30-day April 2010 period of 30 rows,
// bound to a page layout the way a chart view binds its own, and the view the shapes are given.
//
// On screen at 100 % the page rectangle is (0, 0, 2770, -1600), the body (0, -120, 2770, -1600)
// and the chart rectangle (530, -120, 2740, -1600): a day is 2210 / 30 units wide and a row
// 1480 / 30 high.
#pragma once

#include "model/Calendar.h"
#include "model/Koumoku.h"
#include "model/SyokiSet.h"
#include "platform/Time.h"
#include "render/PageLayout.h"
#include "shapes/ZukeiView.h"
#include "support/FakeLayoutDocument.h"

#include <vector>

namespace tembra::test {

class ShapeChart : public FakeLayoutDocument, public IZukeiView {
public:
    ShapeChart();

    // Binds the layout to the settings as they are now (after changing the period, the rows or
    // the irregular periods).
    void Bind();

    // IZukeiView
    const CPageLayout& GetPageLayout() const override { return layout; }
    int GetSelCount() const override { return 0; }
    const CDataHeader* GetFirstSel() const override { return nullptr; }
    void UpdateAllViews(CObject* hint) override { updates.push_back(hint); }
    const CZukei* GetEditingZukei() const override { return nullptr; }
    bool IsTextSuppressed() const override { return false; }

    CSyokiSet& settings = set;
    CPageLayout layout;
    std::vector<CObject*> updates;
};

inline CTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return CTime(year, month, day, hour, minute, 0);
}

} // namespace tembra::test
