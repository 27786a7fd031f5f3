// The dotted-line options (334 "点線オプション設定") of the print settings: the output method
// and, for the extended output only, the width, dash and gap. The caller presets the public
// fields (LoadDotLine of the stored values) and reads them after 決定.
#pragma once

#include "dialogs/attributes/core/DotLineFields.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace tembra {

class CDotLineDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 334;
    enum : int {
        IDC_NORMAL = 2040,
        IDC_EXTENDED = 2041,
        IDC_WIDTH = 2038,
        IDC_DASH = 2039,
        IDC_GAP = 2037,
    };

    explicit CDotLineDlg(QWidget* parent = nullptr);

    DotLineFields fields;

    int DoModal();
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EnableCombos(bool extended);

    QRadioButton* m_normal = nullptr;
    QRadioButton* m_extended = nullptr;
    QComboBox* m_width = nullptr;
    QComboBox* m_dash = nullptr;
    QComboBox* m_gap = nullptr;
};

} // namespace tembra
