#include "document/DocumentSeams.h"

namespace tembra {

LOGFONT CLabelDocumentSeam::GetYogoFont() const {
    return m_settings.GetChart().GetYogoAttr().GetLogFont();
}

LOGFONT CLabelDocumentSeam::GetShigenFont() const {
    return m_settings.GetChart().GetShigenAttr().GetLogFont();
}

LOGFONT CKoumokuDocumentSeam::GetKoumokuFont() const {
    return m_settings.GetChart().GetKoumokuAttr().GetLogFont();
}

WORD CKoumokuDocumentSeam::GetKoumokuStyleWord() const {
    // Offset 16 of the item text block.
    return m_settings.GetChart().GetKoumokuAttr().m_spare[0];
}

int CPrHeaderOwnerSeam::GetHeaderPaper() const {
    return m_settings.GetPageSetting().GetPaper();
}

std::filesystem::path CPrHeaderOwnerSeam::GetHeaderLayoutPath() const {
    return std::filesystem::path(m_settings.GetPath().GetLayoutFilePath());
}

std::uint64_t CChartDocumentSeam::GetObjectsChangeCount() const {
    // Each list's count only grows: their sum changes with every change of either.
    return m_objects.GetObjList().GetChangeCount() + m_objects.GetSelList().GetChangeCount();
}

void CChartDocumentSeam::ForEachObject(const std::function<void(const CDataHeader&)>& visit) const {
    for (const auto* list : {&m_objects.GetObjList(), &m_objects.GetSelList()}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            if (const CDataHeader* object = list->GetNext(pos)) {
                visit(*object);
            }
        }
    }
}

void* CDocumentSeams::Find(const std::type_info& seam) {
    // Each pointer is converted to its interface first: the caller converts it back from void*
    // to that interface.
    if (seam == typeid(IKouteiDocument)) {
        return static_cast<IKouteiDocument*>(&m_koutei);
    }
    if (seam == typeid(ILabelDocument)) {
        return static_cast<ILabelDocument*>(&m_label);
    }
    if (seam == typeid(IKoumokuDocument)) {
        return static_cast<IKoumokuDocument*>(&m_koumoku);
    }
    if (seam == typeid(IShincyokuDocument)) {
        return static_cast<IShincyokuDocument*>(&m_shincyoku);
    }
    if (seam == typeid(IEventDocument)) {
        return static_cast<IEventDocument*>(&m_event);
    }
    if (seam == typeid(IPrHeaderOwner)) {
        return static_cast<IPrHeaderOwner*>(&m_prHeader);
    }
    if (seam == typeid(IPageLayoutDocument)) {
        return static_cast<IPageLayoutDocument*>(&m_pageLayout);
    }
    if (seam == typeid(IChartDocument)) {
        return static_cast<IChartDocument*>(&m_chart);
    }
    return nullptr;
}

} // namespace tembra
