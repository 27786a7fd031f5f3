// The duty roster sheet (caption 115 "安全当番枠一括入力"): the work-site page and the partner
// page of the bands chosen, with their default rows. 決定 asks about frames in the way of the
// roster's rows; a declined question shows the sheet again on the work-site page with the values
// entered. After 決定 the caller builds the frames.
#pragma once

#include "platform/qt/PropertySheet.h"
#include "safety/DutyRoster.h"

namespace tembra {

class CManeiToubanP1;
class CManeiToubanP2;
class CPageLayout;
class CTembraDoc;

class CManeiToubanSheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr int kCaption = 115;

    CManeiToubanSheet(int mask, CTembraDoc& doc, const CPageLayout& layout,
                      QWidget* parent = nullptr);

    int DoModal();
    // The frames of the pages' values (one undo step); false when the common title could not
    // be made.
    bool BuildFrames();

    int CreateMask() const { return m_createMask; }
    CManeiToubanP1* WorkSitePage() const { return m_p1; }
    CManeiToubanP2* PartnerPage() const { return m_p2; }

private:
    CTembraDoc& m_doc;
    const CPageLayout& m_layout;
    int m_createMask;
    CManeiToubanP1* m_p1 = nullptr;
    CManeiToubanP2* m_p2 = nullptr;
};

} // namespace tembra
