#include "safety/ui/DisasterTextDlg.h"

#include "platform/qt/DialogParts.h"

namespace tembra {

CDisasterTextDlg::CDisasterTextDlg(CTembraDoc& doc, CZukeiString& disaster, CZukeiString& measure,
                                   QWidget* parent)
    : CPlanTextDlg(doc, disaster, measure, PlanCatalogKind::Disasters, "災害", "対策", false,
                   parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("災害と対策文字設定"));
}

std::vector<std::string> CDisasterTextDlg::ListFirst(int big, int mid, const std::string&) {
    PlanDisasterCandidates list = ListDisasters(Catalog(), big, mid);
    m_listed = std::move(list.listed);
    return list.texts;
}

std::vector<std::string> CDisasterTextDlg::ListSecond(const std::string& chosen,
                                                      const std::string&) {
    return ListMeasures(m_listed, chosen);
}

} // namespace tembra
