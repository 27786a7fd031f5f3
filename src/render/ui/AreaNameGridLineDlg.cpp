#include "render/ui/AreaNameGridLineDlg.h"

#include "model/AreaNameDataGrid.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr short kHidden = -1;
constexpr short kSolid = 0;

QCheckBox* HideCheck(QWidget* parent, const char* group, int id, bool hidden, QVBoxLayout* layout) {
    auto* box = new QGroupBox(QString::fromUtf8(group), parent);
    auto* check = new QCheckBox(QString::fromUtf8("非表示にする"), box);
    check->setObjectName(IdName(id));
    check->setChecked(hidden);
    (new QVBoxLayout(box))->addWidget(check);
    layout->addWidget(box);
    return check;
}

} // namespace

CAreaNameGridLineDlg::CAreaNameGridLineDlg(const CAreaNameDataGrid& cell, QWidget* parent)
    : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("欄名称線設定（縦横分割）"));
    auto* layout = new QVBoxLayout(this);
    m_right = HideCheck(this, "右線", IDC_HIDE_RIGHT, cell.GetLineType() == kHidden, layout);
    m_bottom = HideCheck(this, "下線", IDC_HIDE_BOTTOM, cell.GetLine2Type() == kHidden, layout);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_right, m_bottom});
    layout->addWidget(MakeOkCancel(this, enter));
}

CAreaNameGridLineDlg::~CAreaNameGridLineDlg() = default;

void CAreaNameGridLineDlg::StoreInto(CAreaNameDataGrid& cell) const {
    cell.SetLineType(m_right->isChecked() ? kHidden : kSolid);
    cell.SetLine2Type(m_bottom->isChecked() ? kHidden : kSolid);
}

} // namespace tembra
