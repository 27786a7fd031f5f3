// What the document tests that lay out a page share: a view that shows the document through its
// page-layout seam, and the page of round numbers most of them use.
#pragma once

#include "DocTestSupport.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/Document.h"
#include "render/PageLayout.h"

namespace tembra::test {

class DocLayoutView : public IPageLayoutView {
public:
    explicit DocLayoutView(CDocument& document) : m_document(document) {}
    IPageLayoutDocument* GetLayoutDocument() const override {
        return DocumentSeam<IPageLayoutDocument>(&m_document);
    }

private:
    CDocument& m_document;
};

// April 2010 over a chart rectangle (0, 0, 3000, -1500) with 30 rows: a day 100 units wide from
// x 0, a row 50 high. The item columns lie 500 wide on its left, the date header 100 high above.
inline CPrintArea::StoredFields AprilPageFields() {
    CPrintArea::StoredFields f;
    f.paper = CRect(-500, 100, 3100, -1700);
    f.header = CRect(-500, 100, 3100, 100);
    f.date = CRect(-500, 100, 3000, 0);
    f.edit = CRect(-500, 0, 3000, -1500);
    f.items = CRect(-500, 0, 0, -1500);
    f.chart = f.inner = CRect(0, 0, 3000, -1500);
    return f;
}

inline void SetAprilPage(CSyokiSet& set,
                         const CPrintArea::StoredFields& fields = AprilPageFields()) {
    set.GetPageSetting().SetStoredFields(fields);
    set.SetStartDate(Day(2010, 4, 1));
    set.SetEndDate(Day(2010, 4, 30));
    set.SetFirstRow(0);
    set.SetLastRow(29);
}

} // namespace tembra::test
