// The initial-settings dialog ("初期設定"): the selection rules and the three line widths (1 to
// 50, 0.1 mm), in the stored form (for the next start) or the running program's form; "初期化"
// fills in the values of CInitSetData::Reset.
#pragma once

#include "layout_editor/core/EditorRequests.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace marquell {

class CInitSetDlg : public QDialog {
    Q_OBJECT
public:
    CInitSetDlg(InitSetRequest& request, QWidget* parent = nullptr);

    QRadioButton* MultipleButton(int index) const { return m_multiple[index]; }
    QRadioButton* BandButton(int index) const { return m_band[index]; }
    QLineEdit* WidthField(int kind) const { return m_widths[kind]; }
    QPushButton* ResetButton() const { return m_reset; }
    QPushButton* OkButton() const { return m_ok; }
    void accept() override;

private:
    void Show();

    CInitSetData& m_data;
    QRadioButton* m_multiple[2];
    QRadioButton* m_band[2];
    QLineEdit* m_widths[3];
    QPushButton* m_reset;
    QPushButton* m_ok;
};

} // namespace marquell
