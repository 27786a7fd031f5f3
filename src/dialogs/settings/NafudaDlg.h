// The name-plate dialog (171 "名　札(印刷ヘッダ)"): the chart name and the contents of the
// print header's free text and input-area elements, one element edited at a time in a
// multi-line edit (a new line with Ctrl+Enter; Enter alone moves on, as in every field). The
// edits are kept on working copies until 決定 writes them all into the header; 取消 leaves the
// header as it was. The controls carry their ids as object names.
#pragma once

#include "dialogs/settings/core/NafudaPlate.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace tembra {

class CPrHeader;

class CNafudaDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 171;
    enum : int {
        IDC_CHART_NAME = 1601,
        IDC_ITEM_LIST = 1602,
        IDC_CONTENTS = 1603,
        IDC_LAYOUT_NAME = 1604,
    };

    explicit CNafudaDlg(QWidget* parent = nullptr);
    ~CNafudaDlg() override;

    // The header to edit; set before the dialog runs.
    void SetHeader(CPrHeader* header);

    void accept() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnSelect(int row);
    // A changed edit text goes into the working copy of the element edited so far.
    void KeepEdit();

    CPrHeader* m_header = nullptr;
    NafudaPlate m_plate;
    int m_current = 0;
    bool m_modified = false;
    QLineEdit* m_chartName = nullptr;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_contents = nullptr;
    QLabel* m_layoutName = nullptr;
};

} // namespace tembra
