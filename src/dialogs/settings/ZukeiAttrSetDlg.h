// Dialog 211 "線画属性設定" of the command 属性一括 without a selected shape: the shape
// attributes new shapes of the chart get, on its settings record, with the style (its list in
// half-width parentheses). 初期化 loads the built-in defaults of fresh settings but keeps the two
// その他 colours of the chart; 決定 writes every field back.
#pragma once

#include <QDialog>

namespace tembra {

class CSyokiSet;
class CZukeiAttrPanel;

class CZukeiAttrSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 211;
    enum : int { IDC_RESET = 1430 };

    explicit CZukeiAttrSetDlg(CSyokiSet& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    CSyokiSet& m_settings;
    CZukeiAttrPanel* m_panel = nullptr;
};

} // namespace tembra
