// Dialog 217 "用語属性" of the command 属性一括. With a term selected (batch mode) it edits a
// copy of the first selected term's attributes; six boxes (書式, サイズ, 属性, 色, 表示位置,
// 半角文字), clear at opening and ticked by a change of their group, say which groups 決定
// applies, the others are written as their "unchanged" markers; the stacking is disabled.
// Without (single mode) the boxes are hidden, every group is written and the stacking, read from
// the chart's term settings, is written back there. 初期化 loads the chart's term settings
// (batch, ticking every box) or the program's (single).
#pragma once

#include "dialogs/settings/core/YogoAttrFields.h"

#include <QDialog>

class QCheckBox;

namespace tembra {

class CTembraDoc;
class CYogoAttrPanel;

class CYogoAttr2Dlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 217;
    enum : int { IDC_APPLY = 1550, IDC_RESET = 1430 }; // 1550 to 1555 in the groups' order

    CYogoAttr2Dlg(YogoAttr2DlgRequest& request, CTembraDoc* document, QWidget* parent = nullptr);

    void accept() override;

private:
    void Reset();
    YogoApplyGroups Groups() const;

    YogoAttr2DlgRequest& m_request;
    CTembraDoc* m_document;
    bool m_batch;
    CYogoAttrPanel* m_panel = nullptr;
    QCheckBox* m_apply[6] = {};
};

} // namespace tembra
