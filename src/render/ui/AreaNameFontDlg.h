// The text settings of one area-name cell (欄名称文字設定): the face from the scalable faces of
// the screen, the size in 0.1 mm, 基準フォント優先, bold, the colour and the alignment. 決定
// without a face chosen ends it as 取消.
#pragma once

#include "render/AreaNameFontValues.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace tembra {

class CAreaNameFontDlg : public QDialog {
    Q_OBJECT
public:
    enum : int {
        IDD = 151,
        IDC_FACES = 1231,
        IDC_SIZE = 1233,
        IDC_SAMPLE = 1232,
        IDC_BASE_FONT = 1761,
        IDC_BOLD = 1044,
        IDC_COLOR = 1054,
        IDC_LEFT = 1239,
        IDC_CENTER = 1235,
        IDC_RIGHT = 1240,
        IDC_TOP = 1727,
        IDC_MIDDLE = 1728,
        IDC_BOTTOM = 1729,
    };

    CAreaNameFontDlg(const AreaNameFontValues& values, QWidget* parent);
    ~CAreaNameFontDlg() override;

    const AreaNameFontValues& Values() const { return m_values; }

    void accept() override;

private:
    // The size box's number; a value below the smallest or no number puts the last good one
    // back.
    void TakeSize();
    void ColorChosen(int index);
    void UpdateSample();

    AreaNameFontValues m_values;
    std::vector<std::string> m_faces; // CP932, as listed
    QListWidget* m_faceList = nullptr;
    QComboBox* m_size = nullptr;
    QLabel* m_sample = nullptr;
    QCheckBox* m_baseFont = nullptr;
    QCheckBox* m_bold = nullptr;
    QComboBox* m_color = nullptr;
    std::array<QRadioButton*, 3> m_align{};
    std::array<QRadioButton*, 3> m_vertical{};
};

} // namespace tembra
