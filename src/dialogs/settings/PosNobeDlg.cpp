#include "dialogs/settings/PosNobeDlg.h"

#include "dialogs/settings/ArrowField.h"
#include "dialogs/settings/PointGroup.h"
#include "dialogs/settings/PositionFields.h"
#include "document/PositionRequest.h"
#include "model/SyokiSet.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QVBoxLayout>

namespace tembra {

CElapsedScale ElapsedScaleOf(const CSyokiSet& settings) {
    return CElapsedScale(settings.GetNobeBaseDate(),
                         static_cast<int>(settings.GetNobeMonthSpan().GetDays()));
}

CPosNobeDlg::CPosNobeDlg(PositionRequest& request, const CSyokiSet& settings, QWidget* parent)
    : QDialog(parent), m_request(request), m_scale(ElapsedScaleOf(settings)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("位置指定(延)"));
    m_point = MakeElapsedGroup("指定日", IDC_POS_FIRST, false, this);
    ShowElapsedPoint(*m_point, m_scale.Display(request.span.GetEndDate()));
    m_point->Field(kNobeRow)->SetValue(request.span.GetEndRow() + 1);
    WireElapsedPoint(*m_point, m_scale, [](const CTime&) {});
    if (request.noTimeOfDay) {
        DisableTimeOfDay(*m_point, true);
    }
    auto* enter = new CEnterMovesFocus(this);
    WatchGroup(*enter, *m_point);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_point);
    layout->addWidget(MakeOkCancel(this, enter));
}

void CPosNobeDlg::accept() {
    int row = 0;
    if (!ReadElapsedFields(*m_point, row)) {
        return;
    }
    ElapsedPoint point = ElapsedPointOf(*m_point);
    m_request.span.SetEndDate(m_scale.Normalise(point));
    m_request.span.SetEndRow(static_cast<WORD>(row - 1));
    QDialog::accept();
}

} // namespace tembra
