#include "safety/ui/WeekTargetTextDlg.h"

#include "platform/qt/DialogParts.h"

namespace tembra {

CWeekTargetTextDlg::CWeekTargetTextDlg(CTembraDoc& doc, CZukeiString& target, CZukeiString& action,
                                       QWidget* parent)
    : CPlanTextDlg(doc, target, action, PlanCatalogKind::WeekTargets, "週間目標", "実施項目", true,
                   parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("週間目標と実施項目文字設定"));
}

std::vector<std::string> CWeekTargetTextDlg::ListFirst(int big, int mid,
                                                       const std::string& filter) {
    PlanTargetCandidates list = ListTargets(Catalog(), big, mid, filter);
    m_listed = std::move(list.listed);
    return list.texts;
}

std::vector<std::string> CWeekTargetTextDlg::ListSecond(const std::string& chosen,
                                                        const std::string& filter) {
    return ListActions(Catalog(), m_listed, chosen, filter);
}

} // namespace tembra
