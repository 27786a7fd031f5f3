#include "safety/ui/ManeiToubanSheet.h"

#include "document/TembraDoc.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "safety/ui/ManeiToubanP1.h"
#include "safety/ui/ManeiToubanP2.h"

#include <QTabWidget>

namespace tembra {

CManeiToubanSheet::CManeiToubanSheet(int mask, CTembraDoc& doc, const CPageLayout& layout,
                                     QWidget* parent)
    : CPropertySheet(FromCp932(LoadString(kCaption)), parent), m_doc(doc), m_layout(layout),
      m_createMask(mask) {
    const PlanBandRows rows = DutyDefaultRows(doc);
    // Both pages exist whatever the mask, so that the builder always has their values.
    m_p1 = new CManeiToubanP1(doc.GetSyokiSet(), rows.upper, this);
    m_p2 = new CManeiToubanP2(doc.GetSyokiSet(), rows.lower, this);
    if ((mask & kDutyWorkSite) != 0) {
        AddPage(m_p1, QString::fromUtf8("作業所"), [this] { return m_p1->Apply(); });
    } else {
        m_p1->hide();
    }
    if ((mask & kDutyPartners) != 0) {
        AddPage(m_p2, QString::fromUtf8("協力会社"), [this] { return m_p2->Apply(); });
    } else {
        m_p2->hide();
    }
}

int CManeiToubanSheet::DoModal() {
    for (;;) {
        if (exec() != QDialog::Accepted) {
            return IDCANCEL;
        }
        if (CheckDutyOverlap(m_doc, m_createMask, {m_p1->Values().rows, m_p2->Values().rows})) {
            return IDOK;
        }
        Tabs()->setCurrentIndex(0);
    }
}

bool CManeiToubanSheet::BuildFrames() {
    CDutyRosterBuilder builder(m_doc, m_layout);
    return builder.Build(m_createMask, m_p1->Values(), m_p2->Values());
}

} // namespace tembra
