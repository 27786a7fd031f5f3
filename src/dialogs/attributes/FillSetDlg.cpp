#include "dialogs/attributes/FillSetDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/attributes/ColorButton.h"
#include "dialogs/attributes/FillSample.h"
#include "dialogs/attributes/FillSlider.h"
#include "dialogs/attributes/core/FillPattern.h"
#include "document/AppState.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {
constexpr int kStartDensity = 2; // 30 %
constexpr int kButtonColumns = 7;
} // namespace

CFillSetDlg::CFillSetDlg(FillSetDlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("塗り潰し設定"));
    auto* enter = new CEnterMovesFocus(this);

    auto* colours = new QGroupBox(QString::fromUtf8("色"), this);
    auto* grid = new QGridLayout(colours);
    int index = 0;
    for (const FillButton& entry : FillButtons()) {
        auto* button = new CColorButton(colours);
        button->setObjectName(IdName(entry.id));
        const QString label = QString::fromUtf8(entry.label);
        button->setToolTip(label);
        button->setAccessibleName(label);
        if (entry.id == kFillCustomButton) {
            button->SetColor(GetAppState()->GetFillCustomColor());
            m_custom = button;
        } else if (entry.id == kFillRemoveButton) {
            const QColor face = palette().color(QPalette::Button);
            button->SetColor(RGB(face.red(), face.green(), face.blue()));
            button->SetCaption(label);
        } else {
            button->SetColor(entry.color);
        }
        connect(button, &QPushButton::clicked, this, [this, button] { Choose(button); });
        m_buttons.push_back(button);
        enter->Watch({button});
        if (entry.id == kFillRemoveButton) {
            grid->addWidget(button, index / kButtonColumns, index % kButtonColumns, 1, 2);
        } else {
            grid->addWidget(button, index / kButtonColumns, index % kButtonColumns);
        }
        ++index;
    }
    auto* other = new QPushButton(QString::fromUtf8("その他の色(&M)"), this);
    other->setObjectName(IdName(IDC_OTHER_COLOR));
    other->setAutoDefault(false);
    connect(other, &QPushButton::clicked, this, &CFillSetDlg::OtherColor);

    m_slider = new CFillSlider(this);
    m_slider->setObjectName(IdName(IDC_SLIDER));
    m_slider->setValue(kStartDensity);
    connect(m_slider, &QSlider::valueChanged, this, [this] { RefreshSample(); });
    m_sample = new CFillSample(this);
    m_sample->setObjectName(IdName(IDC_SAMPLE));

    auto* target = new QGroupBox(QString::fromUtf8("適用範囲"), this);
    auto* targetColumn = new QVBoxLayout(target);
    m_processOnly = new QRadioButton(QString::fromUtf8("工程欄のみ適用"), target);
    m_processOnly->setObjectName(IdName(IDC_PROCESS_ONLY));
    m_both = new QRadioButton(QString::fromUtf8("工程欄と項目欄の両方に適用"), target);
    m_both->setObjectName(IdName(IDC_BOTH_AREAS));
    auto* targets = new QButtonGroup(this);
    targets->addButton(m_processOnly);
    targets->addButton(m_both);
    m_processOnly->setChecked(true);
    for (QRadioButton* radio : {m_processOnly, m_both}) {
        radio->setEnabled(request.wholeRows);
        targetColumn->addWidget(radio);
    }
    enter->Watch({other, m_slider, m_processOnly, m_both});

    auto* layout = new QGridLayout(this);
    layout->addWidget(colours, 0, 0, 1, 2);
    layout->addWidget(other, 1, 0, Qt::AlignLeft);
    layout->addWidget(new QLabel(QString::fromUtf8("濃度 10%～100%"), this), 2, 0);
    layout->addWidget(m_slider, 3, 0);
    layout->addWidget(m_sample, 3, 1);
    layout->addWidget(target, 4, 0);
    layout->addWidget(MakeOkCancel(this, enter), 4, 1, Qt::AlignBottom);
}

void CFillSetDlg::Choose(CColorButton* button) {
    if (m_selected != nullptr) {
        m_selected->SetSelected(false);
    }
    m_selected = button;
    button->SetSelected(true);
    m_colorChosen = true;
    m_color = button->GetColor();
    m_remove = button->objectName().toInt() == kFillRemoveButton;
    RefreshSample();
}

void CFillSetDlg::OtherColor() {
    COLORREF color = GetAppState()->GetFillCustomColor();
    if (!AskColor(color)) {
        return;
    }
    GetAppState()->SetFillCustomColor(color);
    m_custom->SetColor(color);
    Choose(m_custom);
}

void CFillSetDlg::RefreshSample() {
    m_sample->Show(!m_colorChosen || m_remove, m_slider->value(), m_color);
}

void CFillSetDlg::accept() {
    m_request.action = m_remove ? FillSetDlgRequest::kClear : FillSetDlgRequest::kSet;
    m_request.color = m_color;
    m_request.pattern = m_slider->value();
    m_request.cellsToo = m_both->isChecked();
    QDialog::accept();
}

} // namespace tembra
