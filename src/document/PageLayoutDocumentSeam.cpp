#include "document/PageLayoutDocumentSeam.h"

#include "chart/Chart.h"
#include "document/ChartObjects.h"
#include "document/KoumokuSelection.h"
#include "document/RecordCast.h"
#include "model/ConfigChart.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "render/EventGeometry.h"
#include "render/KouteiLabels.h"
#include "render/KouteiRoute.h"
#include "render/ShincyokuDraw.h"
#include "shapes/ZukeiView.h"

namespace tembra {

bool CPageLayoutDocumentSeam::GetKouteiBoundsParts(const CDataHeader& process,
                                                   const CPageLayout& layout, CDC* dc,
                                                   bool withTerms, bool withResources,
                                                   KouteiBoundsParts& parts) const {
    const CKoutei* koutei = AsKoutei(&process);
    if (koutei == nullptr) {
        return false;
    }
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int yb = 0;
    GetLineCoords(*koutei, layout, x1, y1, x2, y2, yb);
    parts = KouteiBoundsParts();
    parts.start = CPoint(x1, y1);
    parts.end = CPoint(x2, y2);
    parts.styleCode = koutei->GetLineShape();
    parts.extraY = yb;
    // The bars are drawn k bar heights thick (k the high byte of the shape word); both bar
    // widenings then cover them: the slanted bar by its font-height rule with the bar height,
    // the rectangle by its count rule with k.
    const BYTE thickness = HighByteOf(koutei->GetLines()->GetAttr().m_style);
    parts.countWord = MakeWordOf(thickness, thickness);
    parts.fontHeight = m_settings.GetChart().GetBarHeight();
    parts.startNodeSize = koutei->GetStartLand()->GetSize();
    parts.endNodeSize = koutei->GetEndLand()->GetSize();
    if (withTerms && koutei->GetYogoCount() > 0) {
        const CRect terms = GetYogoRect(*koutei, layout, dc, -1);
        if (!terms.IsRectNull()) {
            parts.terms = terms;
        }
    }
    if (withResources && koutei->GetShigenCount() > 0) {
        const CRect resources = GetShigenRect(*koutei, layout, dc, -1);
        if (!resources.IsRectNull()) {
            parts.resources = resources;
        }
    }
    return true;
}

CRect CPageLayoutDocumentSeam::GetRecordBounds(const CDataHeader& record, const CPageLayout& layout,
                                               CDC* dc) const {
    if (const CEvent* event = AsEvent(const_cast<CDataHeader*>(&record))) {
        return GetRect(*event, layout, dc, TRUE);
    }
    if (const CShincyoku* line = AsShincyoku(const_cast<CDataHeader*>(&record))) {
        return GetBounds(*line, dc, layout);
    }
    if (record.GetType() == kTypeZukei) {
        return GetZukeiBounds(record, layout);
    }
    if (const auto* chart = DynamicDowncast<CChart>(&record)) {
        CRect bounds;
        chart->GetBoundRect(bounds, CZukeiLayoutView(layout), 1);
        return bounds;
    }
    return CRect();
}

std::string CPageLayoutDocumentSeam::GetMacroFileName() const {
    return EventMacroFileName(m_document);
}

const CKoumoku* CPageLayoutDocumentSeam::GetKoumoku() const {
    return &m_objects.GetKoumoku();
}

const CKoumokuData* CPageLayoutDocumentSeam::GetKoumokuCell(int row, int column) const {
    return dynamic_cast<const CKoumokuData*>(m_objects.GetKoumoku().GetAt(row, column));
}

void CPageLayoutDocumentSeam::ForEachHatch(
    const std::function<void(const CKtkmHatch&)>& visit) const {
    const auto& hatches = m_objects.GetHatchList();
    for (POSITION pos = hatches.GetHeadPosition(); pos != nullptr;) {
        visit(*hatches.GetNext(pos));
    }
}

int CPageLayoutDocumentSeam::GetShigenName(int n, std::string& name) const {
    return tembra::GetShigenName(m_objects.GetShigenNames(), n, name);
}

void CPageLayoutDocumentSeam::MeasureShigenList(const CShigen& resources, int& nameLength,
                                                int& amount) const {
    tembra::MeasureShigenList(resources, m_objects.GetShigenNames(), nameLength, amount);
}

std::string CPageLayoutDocumentSeam::GetShigenLabel(const CShigen& resources, int index) const {
    return tembra::GetShigenLabel(resources, m_objects.GetShigenNames(), index);
}

int CPageLayoutDocumentSeam::GetSelectedKoumokuRows(int& first, int& last) const {
    return SelectedKoumokuRows(m_objects.GetKoumoku(), first, last);
}

int CPageLayoutDocumentSeam::GetSelectedKoumokuCols(int& first, int& last) const {
    return SelectedKoumokuCols(m_objects.GetKoumoku(), first, last);
}

} // namespace tembra
