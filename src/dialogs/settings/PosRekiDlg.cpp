#include "dialogs/settings/PosRekiDlg.h"

#include "dialogs/settings/PointGroup.h"
#include "dialogs/settings/PositionFields.h"
#include "document/PositionRequest.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QVBoxLayout>

namespace tembra {

CPosRekiDlg::CPosRekiDlg(PositionRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("位置指定"));
    m_point = MakeCalendarGroup("指定日", IDC_POS_FIRST, false, this);
    ShowCalendarPoint(*m_point, request.span.GetEndDate(), request.span.GetEndRow() + 1);
    WireCalendarPoint(*m_point, [] {});
    if (request.noTimeOfDay) {
        DisableTimeOfDay(*m_point, true);
    }
    auto* enter = new CEnterMovesFocus(this);
    WatchGroup(*enter, *m_point);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_point);
    layout->addWidget(MakeOkCancel(this, enter));
}

void CPosRekiDlg::accept() {
    CTime date;
    int row = 0;
    if (!ReadCalendarPoint(*m_point, date, row)) {
        return;
    }
    m_request.span.SetEndDate(date);
    m_request.span.SetEndRow(static_cast<WORD>(row - 1));
    QDialog::accept();
}

} // namespace tembra
