// The disaster and countermeasure texts of one column's frame pair (308 "災害と対策文字設定"),
// from the catalogue "ANKAN.INI"; every matching text is listed (no filters).
#pragma once

#include "safety/PlanCandidates.h"
#include "safety/ui/PlanTextDlg.h"

namespace tembra {

class CDisasterTextDlg : public CPlanTextDlg {
public:
    static constexpr int IDD = 308;

    CDisasterTextDlg(CTembraDoc& doc, CZukeiString& disaster, CZukeiString& measure,
                     QWidget* parent = nullptr);

protected:
    std::vector<std::string> ListFirst(int big, int mid, const std::string& filter) override;
    std::vector<std::string> ListSecond(const std::string& chosen,
                                        const std::string& filter) override;

private:
    std::vector<const CPlanYogo*> m_listed;
};

} // namespace tembra
