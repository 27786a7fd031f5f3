#include "model/ui/ColorSetDlg.h"

#include "model/ConfigColor.h"
#include "platform/ColorRequest.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

CColorSetDlg::CColorSetDlg(CConfigColor* color, QWidget* parent) : QDialog(parent), m_color(color) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("色設定"));

    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    m_radios = new QButtonGroup(this);
    const std::array<std::pair<int, const char*>, 4> radios = {{{IDC_SELECTED, "選択色"},
                                                                {IDC_LOCKED, "ロック色"},
                                                                {IDC_RELATION, "関係線色"},
                                                                {IDC_HATCH, "網掛色"}}};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(radios[i].second), box);
        radio->setObjectName(IdName(radios[i].first));
        m_radios->addButton(radio, i);
        m_swatches[i] = new QLabel(box);
        m_swatches[i]->setFixedSize(40, 16);
        m_swatches[i]->setFrameShape(QFrame::Box);
        m_swatches[i]->setAutoFillBackground(true);
        grid->addWidget(radio, i, 0);
        grid->addWidget(m_swatches[i], i, 1);
    }
    m_radios->button(0)->setChecked(true);

    auto* change = new QPushButton(QString::fromUtf8("色変更"), this);
    change->setObjectName(IdName(IDC_CHANGE));
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, [this] { ChangeChosen(); });
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        CConfigColor defaults;
        defaults.Read(FALSE);
        SetValues(LoadColorSet(defaults));
    });

    auto* notes =
        new QLabel(QString::fromUtf8("・休日網掛色はシステム環境設定で固定網掛が設定されて"
                                     "いると反映されません\n"
                                     "・256色環境での中間色は正確に表示されない場合があり"
                                     "ます。"),
                   this);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch(
        {m_radios->button(0), m_radios->button(1), m_radios->button(2), m_radios->button(3)});
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(change, QDialogButtonBox::ActionRole);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);

    auto* top = new QHBoxLayout;
    top->addWidget(box);
    top->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(notes);

    SetValues(m_color != nullptr ? LoadColorSet(*m_color) : ColorSetValues{});
}

CColorSetDlg::~CColorSetDlg() = default;

int CColorSetDlg::Chosen() const {
    return m_radios->checkedId();
}

void CColorSetDlg::SetValues(const ColorSetValues& values) {
    m_values = values;
    ShowSwatches();
}

void CColorSetDlg::ShowSwatches() {
    for (int i = 0; i < 4; ++i) {
        const COLORREF c = m_values.colors[i];
        QPalette palette = m_swatches[i]->palette();
        palette.setColor(QPalette::Window, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
        m_swatches[i]->setPalette(palette);
    }
}

void CColorSetDlg::ChangeChosen() {
    const int chosen = Chosen();
    if (chosen < 0) {
        return;
    }
    ColorRequest request;
    request.color = m_values.colors[chosen];
    if (Ui().RunDialog(request) == IDOK) {
        m_values.colors[chosen] = request.color;
        ShowSwatches();
    }
}

void CColorSetDlg::accept() {
    if (m_color != nullptr) {
        StoreColorSet(m_values, *m_color);
    }
    QDialog::accept();
}

} // namespace tembra
