// The position of one point of an elapsed-day chart (220 "位置指定(延)"): "第 M 月 D 日", time
// of day and row typed instead of clicked. On 決定 the request's end takes the point.
#pragma once

#include "dialogs/settings/core/ElapsedPosition.h"

#include <QDialog>

namespace tembra {

class CPointGroup;
class CSyokiSet;
class PositionRequest;

class CPosNobeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 220;

    CPosNobeDlg(PositionRequest& request, const CSyokiSet& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    PositionRequest& m_request;
    CElapsedScale m_scale;
    CPointGroup* m_point = nullptr;
};

// The elapsed-day scale of a settings record: its base date and month length.
CElapsedScale ElapsedScaleOf(const CSyokiSet& settings);

} // namespace tembra
