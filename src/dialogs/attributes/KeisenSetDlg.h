// The ruled-line dialog (243 "罫線設定"): the lower line of the process row, and the lower and
// right lines of the item cell, each with a change box that picking ticks. 決定 hands back -1
// for every line whose box is not ticked.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;

namespace tembra {

class KeisenSetDlgRequest;

class CKeisenSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 243;
    static constexpr std::array<int, 3> kComboIds = {2003, 2004, 2005};
    static constexpr std::array<int, 3> kChangeIds = {1758, 1759, 1760};

    explicit CKeisenSetDlg(KeisenSetDlgRequest& request, QWidget* parent = nullptr);

    void accept() override;

private:
    KeisenSetDlgRequest& m_request;
    std::array<QComboBox*, 3> m_combos{};
    std::array<QCheckBox*, 3> m_changes{};
};

} // namespace tembra
