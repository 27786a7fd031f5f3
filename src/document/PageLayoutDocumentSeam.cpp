#include "document/PageLayoutDocumentSeam.h"

#include "chart/Chart.h"
#include "document/ChartObjects.h"
#include "document/KoumokuSelection.h"
#include "document/RecordCast.h"
#include "model/ConfigOperation.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "print/PageLayoutPrLayout.h"
#include "print/PrHeader.h"
#include "print/VrPrintValues.h"
#include "render/EventGeometry.h"
#include "render/KouteiDraw.h"
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
    tembra::GetKouteiBoundsParts(*koutei, layout, dc, withTerms, withResources, parts);
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

LONG CPageLayoutDocumentSeam::GetObjectMode() const {
    return m_operation.GetMode();
}

void CPageLayoutDocumentSeam::ForEachChartObject(
    const std::function<void(const CDataHeader&)>& visit) const {
    for (const auto* list : {&m_objects.GetObjList(), &m_objects.GetSelList()}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            visit(*list->GetNext(pos));
        }
    }
}

std::uint64_t CPageLayoutDocumentSeam::GetChangeCount() const {
    // Each part only grows, so their sum changes with every change of any; it starts at 1: a
    // document counts its changes.
    return 1 + m_document.GetUpdateCount() + m_objects.GetObjList().GetChangeCount() +
           m_objects.GetSelList().GetChangeCount();
}

void CPageLayoutDocumentSeam::DrawPrintHeader(CDC* dc, const CPageLayout& layout) const {
    // The document's print settings are those of its print header.
    const auto* header = dynamic_cast<const CPrHeader*>(&m_printSettings);
    if (header == nullptr) {
        return;
    }
    const CPageLayoutPrLayout pageLayout(layout);
    if (header->GetPeriodSetFlag() != 0 && header->GetDateSetFlag() != 0) {
        header->DrawElements(dc, pageLayout);
        return;
    }
    // Texts the print settings sheet never confirmed print as the sheet offers them, however
    // the chart is printed: the period the page shows (none in an elapsed-day chart) and today.
    CPrHeader offered;
    offered.CopyFrom(*header);
    if (header->GetPeriodSetFlag() == 0) {
        offered.SetHeaderTexts(m_settings.GetNobeMode() > 0
                                   ? CConfigPrint::PeriodTexts{}
                                   : PeriodTextsOf(layout.GetStartDate(), layout.GetEndDate()));
    }
    if (header->GetDateSetFlag() == 0) {
        offered.SetHeaderTexts2(DateTextsOf(CTime::GetCurrentTime()));
    }
    offered.DrawElements(dc, pageLayout);
}

int CPageLayoutDocumentSeam::GetSelectedKoumokuRows(int& first, int& last) const {
    return SelectedKoumokuRows(m_objects.GetKoumoku(), first, last);
}

int CPageLayoutDocumentSeam::GetSelectedKoumokuCols(int& first, int& last) const {
    return SelectedKoumokuCols(m_objects.GetKoumoku(), first, last);
}

} // namespace tembra
