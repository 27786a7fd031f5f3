// Page 129 "特殊設定" of the print settings sheet: the bold-line fix, the dotted-line factor,
// automatic enlarge and reduce, the avoidance of line crossings with its radius, the weekend
// colours and fill printing.
#pragma once

#include "shell/VrPrintPage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tembra {

class CVrPrint3 : public CVrPrintPage {
    Q_OBJECT
public:
    static constexpr int IDD = 129;
    enum : int {
        IDC_BOLD_LINE_FIX = 1625,
        IDC_LINE_RATE = 2006,
        IDC_ZOOM_PRINTING = 1776,
        IDC_ARC_RAY = 1778,
        IDC_SATURDAY_COLOR = 1359,
        IDC_SUNDAY_COLOR = 1360,
    };
    // なし, 飛び越し線, 断線.
    static constexpr std::array<int, 3> kCrossIds = {1547, 1548, 1549};
    // しない, する.
    static constexpr std::array<int, 2> kHatchIds = {2028, 2029};
    // The warning of a factor outside 0.5 to 3.0.
    static constexpr const char* kLineRateWarning = "点線倍率は0.5～3.0の範囲で入力してください。";

    CVrPrint3(VrPrintValues& values, QWidget* parent);

signals:
    // "自動拡大／縮小" was ticked or cleared.
    void zoomPrintingToggled(bool on);

protected:
    void LoadFields() override;
    bool ReadFields() override;

private:
    QCheckBox* m_boldLine = nullptr;
    QComboBox* m_lineRate = nullptr;
    QCheckBox* m_zoom = nullptr;
    std::array<QRadioButton*, 3> m_cross{};
    QLineEdit* m_arcRay = nullptr;
    QPushButton* m_saturday = nullptr;
    QPushButton* m_sunday = nullptr;
    std::array<QRadioButton*, 2> m_hatch{};
};

} // namespace tembra
