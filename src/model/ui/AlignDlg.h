// The align dialog of the events' align command (dialog 131 "整列"): the edge to align to, and
// the horizontal or vertical spacing with its gap. The view's command passes the values in and
// reads them back after IDOK. The controls carry their template ids as object names.
#pragma once

#include "model/AlignValues.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tembra {

class CAlignDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 131;
    enum : int {
        IDC_ALIGN_TOP = 1613,
        IDC_ALIGN_BOTTOM = 1045,
        IDC_ALIGN_LEFT = 1386,
        IDC_ALIGN_RIGHT = 1554,
        IDC_SPACE_HORIZONTAL = 1283,
        IDC_GAP_HORIZONTAL = 1284,
        IDC_SPACE_VERTICAL = 1623,
        IDC_GAP_VERTICAL = 1624,
    };

    explicit CAlignDlg(QWidget* parent = nullptr);
    ~CAlignDlg() override;

    // The values shown; after IDOK the values chosen. A gap that lies outside 0..1000 is
    // refused on OK with the range message, and its field takes the focus again; the gap of the
    // spacing that the alignment does not offer is not read (it keeps the value passed in).
    void SetValues(const AlignValues& values);
    AlignValues GetValues() const { return m_values; }

    void accept() override;

private:
    // Enables the spacing that goes with the chosen alignment.
    void UpdateEnabling();
    int Choice() const;

    AlignValues m_values;
    std::array<QRadioButton*, 4> m_choices{};
    QCheckBox* m_horizontal = nullptr;
    QLineEdit* m_horizontalGap = nullptr;
    QCheckBox* m_vertical = nullptr;
    QLineEdit* m_verticalGap = nullptr;
};

} // namespace tembra
