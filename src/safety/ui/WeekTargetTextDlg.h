// The weekly target and action texts of one week's frame pair (420 "週間目標と実施項目文字設定"),
// from the catalogue "MANKAN.INI", with a search-key filter on each side.
#pragma once

#include "safety/PlanCandidates.h"
#include "safety/ui/PlanTextDlg.h"

namespace tembra {

class CWeekTargetTextDlg : public CPlanTextDlg {
public:
    static constexpr int IDD = 420;

    CWeekTargetTextDlg(CTembraDoc& doc, CZukeiString& target, CZukeiString& action,
                       QWidget* parent = nullptr);

protected:
    std::vector<std::string> ListFirst(int big, int mid, const std::string& filter) override;
    std::vector<std::string> ListSecond(const std::string& chosen,
                                        const std::string& filter) override;

private:
    std::vector<const CPlanTarget*> m_listed;
};

} // namespace tembra
