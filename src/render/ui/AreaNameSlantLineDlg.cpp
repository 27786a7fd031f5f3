#include "render/ui/AreaNameSlantLineDlg.h"

#include "model/AreaNameDataSlant.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr short kHidden = -1;
constexpr short kSolid = 0;

} // namespace

CAreaNameSlantLineDlg::CAreaNameSlantLineDlg(const CAreaNameDataSlant& cell, QWidget* parent)
    : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("欄名称線設定（斜め分割）"));
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(QString::fromUtf8("斜め線"), this);
    m_slant = new QCheckBox(QString::fromUtf8("非表示にする"), box);
    m_slant->setObjectName(IdName(IDC_HIDE_SLANT));
    m_slant->setChecked(cell.GetLineType() == kHidden);
    (new QVBoxLayout(box))->addWidget(m_slant);
    layout->addWidget(box);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_slant});
    layout->addWidget(MakeOkCancel(this, enter));
}

CAreaNameSlantLineDlg::~CAreaNameSlantLineDlg() = default;

void CAreaNameSlantLineDlg::StoreInto(CAreaNameDataSlant& cell) const {
    cell.SetLineType(m_slant->isChecked() ? kHidden : kSolid);
}

} // namespace tembra
