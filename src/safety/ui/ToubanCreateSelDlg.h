// The choice of the duty roster's bands (365 "安全当番枠作成選択"): both, the work site only or
// the partners only, as the creation mask 5, 1 or 4.
#pragma once

#include <QDialog>

class QRadioButton;

namespace tembra {

class CToubanCreateSelDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 365;

    explicit CToubanCreateSelDlg(QWidget* parent = nullptr);

    // IDOK on 作成, with Mask() the choice; IDCANCEL on 取消.
    int DoModal();
    int Mask() const;

    QRadioButton* Choice(int i) const { return m_choices[i]; }

private:
    QRadioButton* m_choices[3] = {};
};

} // namespace tembra
