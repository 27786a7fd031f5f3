#include "dialogs/attributes/DotLineDlg.h"

#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace tembra {

namespace {

QComboBox* NumberCombo(QWidget* parent, int id, int first, int count) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(IdName(id));
    for (int i = 0; i < count; ++i) {
        combo->addItem(QString::number(first + i));
    }
    return combo;
}

} // namespace

CDotLineDlg::CDotLineDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("点線オプション設定"));
    m_normal = new QRadioButton(QString::fromUtf8("通常出力"), this);
    m_normal->setObjectName(IdName(IDC_NORMAL));
    m_extended = new QRadioButton(QString::fromUtf8("拡張出力"), this);
    m_extended->setObjectName(IdName(IDC_EXTENDED));
    auto* group = new QButtonGroup(this);
    group->addButton(m_normal);
    group->addButton(m_extended);
    connect(m_normal, &QRadioButton::clicked, this, [this] { EnableCombos(false); });
    connect(m_extended, &QRadioButton::clicked, this, [this] { EnableCombos(true); });
    m_width = NumberCombo(this, IDC_WIDTH, 0, DotLineFields::kWidthCount);
    m_dash = NumberCombo(this, IDC_DASH, 1, DotLineFields::kLengthCount);
    m_gap = NumberCombo(this, IDC_GAP, 1, DotLineFields::kLengthCount);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_normal, m_extended, m_width, m_dash, m_gap});
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_normal, 0, 0);
    grid->addWidget(m_extended, 0, 1);
    const struct {
        const char* label;
        QComboBox* combo;
    } rows[] = {{"線幅(0～3) ×0.1mm", m_width},
                {"点線の長さ(1～20) ×0.1mm", m_dash},
                {"点線間の長さ(1～20) ×0.1mm", m_gap}};
    int row = 1;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(r.label), this), row, 0);
        grid->addWidget(r.combo, row++, 1);
    }
    grid->addWidget(MakeOkCancel(this, enter), row, 0, 1, 2);
}

int CDotLineDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CDotLineDlg::showEvent(QShowEvent* event) {
    (fields.method == 1 ? m_extended : m_normal)->setChecked(true);
    m_width->setCurrentIndex(fields.width);
    m_dash->setCurrentIndex(fields.dash);
    m_gap->setCurrentIndex(fields.gap);
    EnableCombos(DotLineCombosEnabled(fields));
    QDialog::showEvent(event);
}

void CDotLineDlg::EnableCombos(bool extended) {
    for (QComboBox* combo : {m_width, m_dash, m_gap}) {
        combo->setEnabled(extended);
    }
}

void CDotLineDlg::accept() {
    fields.method = m_extended->isChecked() ? 1 : 0;
    fields.width = m_width->currentIndex();
    fields.dash = m_dash->currentIndex();
    fields.gap = m_gap->currentIndex();
    QDialog::accept();
}

} // namespace tembra
