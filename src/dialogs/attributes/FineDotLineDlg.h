// The fine dotted-line option (335 "細点線オプション設定") of the print settings: the width as
// the radio index 0 "細い", 1 "標準", 2 "太い". The caller presets index (FineDotIndex of the
// stored width) and reads it after 決定 (FineDotWidth gives the width to store).
#pragma once

#include <QDialog>

#include <array>

class QRadioButton;

namespace tembra {

class CFineDotLineDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 335;
    static constexpr std::array<int, 3> kRadioIds = {2034, 2035, 2036};

    explicit CFineDotLineDlg(QWidget* parent = nullptr);

    int index = -1;

    int DoModal();
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::array<QRadioButton*, 3> m_radios{};
};

} // namespace tembra
