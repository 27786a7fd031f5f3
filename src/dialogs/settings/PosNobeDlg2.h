// The second point of a two-point object in an elapsed-day chart (219 "位置指定(延)"): the first
// point read-only, the second typed as "第 M 月 D 日" with its time of day, and the period
// between them. Editing the period moves the second point to start + period, editing the
// second point recounts the period.
#pragma once

#include "dialogs/settings/core/ElapsedPosition.h"

#include <QDialog>

class QLineEdit;

namespace tembra {

class CPointGroup;
class CSyokiSet;
class PositionRequest;

class CPosNobeDlg2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 219;

    CPosNobeDlg2(PositionRequest& request, const CSyokiSet& settings, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void ShowPeriod(const CTime& entered);
    void EnteredFromPeriod();
    CTimeSpan Period() const;

    PositionRequest& m_request;
    CElapsedScale m_scale;
    CTime m_start;
    bool m_closing = false;
    CPointGroup* m_point = nullptr;
    QLineEdit* m_days = nullptr;
    QLineEdit* m_hours = nullptr;
    QLineEdit* m_minutes = nullptr;
};

} // namespace tembra
