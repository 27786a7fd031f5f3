// The position of one point of a calendar-day chart (128 "位置指定"): date, time of day and row
// typed instead of clicked. On 決定 the request's end takes the point.
#pragma once

#include <QDialog>

namespace tembra {

class CPointGroup;
class PositionRequest;

class CPosRekiDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 128;

    explicit CPosRekiDlg(PositionRequest& request, QWidget* parent = nullptr);

    void accept() override;

private:
    PositionRequest& m_request;
    CPointGroup* m_point = nullptr;
};

} // namespace tembra
