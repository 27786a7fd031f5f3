#include "dialogs/attributes/ChangeDaysExDlg.h"

namespace tembra {

CChangeDaysExDlg::CChangeDaysExDlg(bool daysOnly, CKoutei* koutei, const CTembraDoc* doc,
                                   QWidget* parent)
    : CChangeDaysDlg(daysOnly, koutei, doc, true, parent) {}

} // namespace tembra
