// The plan texts of the safety-and-health form on a print header (caption 114
// "安全衛生管理計画表"): ten pages built from the pages' table, filled from the header's input
// areas named by six-digit codes. 決定 stores every page into the header at once (the first
// page's apply step); 取消 leaves the header as it was.
#pragma once

#include "platform/qt/PropertySheet.h"
#include "print/PrhMst03Texts.h"

#include <vector>

namespace tembra {

class CEnterMovesFocus;
class CPrHeader;
class CPrhMst03P10;
class CPrhMst03Page;

class CPrhMst03Sheet : public CPropertySheet {
    Q_OBJECT
public:
    CPrhMst03Sheet(CPrHeader& header, QWidget* parent);
    ~CPrhMst03Sheet() override;

    // Pages 1 to 9, and the check list.
    CPrhMst03Page* Page(int page) const;
    CPrhMst03P10* CheckList() const { return m_checkList; }

private:
    bool StoreAll();

    CPrHeader& m_header;
    CPrhMst03Texts m_texts;
    CEnterMovesFocus* m_enter = nullptr;
    std::vector<CPrhMst03Page*> m_pages;
    CPrhMst03P10* m_checkList = nullptr;
};

} // namespace tembra
