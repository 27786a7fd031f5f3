// The data information dialog (140 "データ情報"): the counts of a chart, shown only.
#pragma once

#include <QDialog>

namespace tembra {

class DataInfoRequest;

class CDataInfoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 140;
    enum : int {
        IDC_OBJECTS = 1589,
        IDC_ROWS = 1588,
        IDC_PROGRESS = 1591,
        IDC_SHAPES = 1595,
        IDC_EMBEDDED = 1590,
        IDC_MEMORY = 1586,
    };

    explicit CDataInfoDlg(const DataInfoRequest& counts, QWidget* parent = nullptr);
};

} // namespace tembra
