// The paper of a safety-and-health plan layout (319 "用紙選択"): such layouts exist for A3, A2
// and A1 only, so choosing one for a chart on another paper asks for one of these first.
#pragma once

#include "platform/Types.h"
#include "platform/Ui.h"

#include <QDialog>

class QComboBox;

namespace tembra {

class CPaperSelectDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 319;
    static constexpr int IDC_PAPER = 1001;

    explicit CPaperSelectDlg(QWidget* parent = nullptr);

    int DoModal();
    // After IDOK: 2 (A3), 4 (A2) or 5 (A1).
    int GetPaperCode() const;
    void accept() override;

    QComboBox* PaperList() const { return m_list; }

private:
    QComboBox* m_list;
    int m_paperIndex = 0;
};

} // namespace tembra
