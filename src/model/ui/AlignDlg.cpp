#include "model/ui/AlignDlg.h"

#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr int IDOK_BUTTON = 1;
constexpr int IDCANCEL_BUTTON = 2;

} // namespace

CAlignDlg::CAlignDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("整列"));

    auto* choiceBox = new QGroupBox(this);
    auto* choiceLayout = new QVBoxLayout(choiceBox);
    auto* group = new QButtonGroup(this);
    const std::array<std::pair<int, const char*>, 4> choices = {{
        {IDC_ALIGN_TOP, "上揃え"},
        {IDC_ALIGN_BOTTOM, "下揃え"},
        {IDC_ALIGN_LEFT, "左揃え"},
        {IDC_ALIGN_RIGHT, "右揃え"},
    }};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(choices[i].second), choiceBox);
        button->setObjectName(IdName(choices[i].first));
        group->addButton(button, static_cast<int>(i));
        choiceLayout->addWidget(button);
        m_choices[i] = button;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int) { UpdateEnabling(); });

    auto* spacing = new QGridLayout;
    const auto addSpacing = [this, spacing](int row, int checkId, const char* caption, int editId,
                                            QCheckBox*& check, QLineEdit*& edit) {
        check = new QCheckBox(QString::fromUtf8(caption), this);
        check->setObjectName(IdName(checkId));
        edit = new QLineEdit(this);
        edit->setObjectName(IdName(editId));
        edit->setMaxLength(8);
        spacing->addWidget(check, row, 0);
        spacing->addWidget(edit, row, 1);
        spacing->addWidget(new QLabel(QString::fromUtf8("×0.1mm"), this), row, 2);
    };
    addSpacing(0, IDC_SPACE_HORIZONTAL, "横間揃え", IDC_GAP_HORIZONTAL, m_horizontal,
               m_horizontalGap);
    addSpacing(1, IDC_SPACE_VERTICAL, "縦間揃え", IDC_GAP_VERTICAL, m_vertical, m_verticalGap);

    auto* notes = new QLabel(
        QString::fromUtf8("・上下揃えは最も左の行事が基準\n・左右揃えは最も上の行事が基準"), this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(IdName(IDOK_BUTTON));
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(IdName(IDCANCEL_BUTTON));
    // No default button: Enter moves on, and ends the dialog only on its buttons.
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);
    }
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_choices[0], m_choices[1], m_choices[2], m_choices[3], m_horizontal,
                  m_horizontalGap, m_vertical, m_verticalGap});
    enter->SetButtons(ok, cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAlignDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAlignDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choiceBox);
    layout->addLayout(spacing);
    layout->addWidget(notes);
    layout->addWidget(buttons);

    SetValues(AlignValues());
}

CAlignDlg::~CAlignDlg() = default;

void CAlignDlg::SetValues(const AlignValues& values) {
    m_values = values;
    const int choice = values.choice >= 0 && values.choice < static_cast<int>(m_choices.size())
                           ? values.choice
                           : AlignValues::kTop;
    m_choices[static_cast<std::size_t>(choice)]->setChecked(true);
    m_horizontal->setChecked(values.horizontalSpacing != FALSE);
    m_horizontalGap->setText(QString::number(values.horizontalGap));
    m_vertical->setChecked(values.verticalSpacing != FALSE);
    m_verticalGap->setText(QString::number(values.verticalGap));
    UpdateEnabling();
}

int CAlignDlg::Choice() const {
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return AlignValues::kTop;
}

void CAlignDlg::UpdateEnabling() {
    const int choice = Choice();
    const bool horizontal = AlignValues::HorizontalSpacingApplies(choice);
    const bool vertical = AlignValues::VerticalSpacingApplies(choice);
    m_horizontal->setEnabled(horizontal);
    m_horizontalGap->setEnabled(horizontal);
    m_vertical->setEnabled(vertical);
    m_verticalGap->setEnabled(vertical);
}

void CAlignDlg::accept() {
    AlignValues values = m_values;
    values.choice = Choice();
    values.horizontalSpacing = m_horizontal->isChecked() ? TRUE : FALSE;
    values.verticalSpacing = m_vertical->isChecked() ? TRUE : FALSE;
    for (auto [edit, gap] : {std::pair{m_horizontalGap, &values.horizontalGap},
                             std::pair{m_verticalGap, &values.verticalGap}}) {
        if (!edit->isEnabled()) {
            continue;
        }
        if (!ReadIntField(edit, AlignValues::kMinGap, AlignValues::kMaxGap, *gap, kRangeMessages)) {
            return;
        }
    }
    m_values = values;
    QDialog::accept();
}

} // namespace tembra
