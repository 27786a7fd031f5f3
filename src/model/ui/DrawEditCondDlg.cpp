#include "model/ui/DrawEditCondDlg.h"

#include "model/ConfigOperation.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

CDrawEditCondDlg::CDrawEditCondDlg(CConfigOperation* operation, QWidget* parent)
    : QDialog(parent), m_operation(operation) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("作図・編集条件"));

    auto* grid = new QGridLayout;
    m_temp = AddPair(grid, 0, 0, "工程作図", IDC_TEMP_OFF, "仮決定状態なし", IDC_TEMP_ON,
                     "仮決定状態あり");
    m_multi = AddPair(grid, 0, 1, "複数選択", IDC_MULTI_CTRL, "CTRLｷｰで複数", IDC_MULTI_ALWAYS,
                      "随時複数選択");
    m_wakunai = AddPair(grid, 1, 0, "工程選択の枠内選択", IDC_WAKUNAI_OFF,
                        "枠内限定なし(SHIFTｷｰで一時限定)", IDC_WAKUNAI_ON,
                        "枠内限定あり(SHIFTｷｰで一時解除)");
    m_holiday = AddPair(grid, 1, 1, "移動、複写での休日考慮", IDC_HOLIDAY_OFF, "休日を考慮しない",
                        IDC_HOLIDAY_ON, "休日を考慮する（実動工数を維持）");
    m_yogo = AddPair(grid, 2, 0, "用語作図", IDC_YOGO_ALONE, "単独作図", IDC_YOGO_PAIR,
                     "工程とペア作図");
    m_event = AddPair(grid, 3, 0, "行事移動", IDC_EVENT_BASE_MOVE, "基準点移動",
                      IDC_EVENT_BASE_FIXED, "基準点固定");

    auto* targets = new QGroupBox(QString::fromUtf8("用語接続先"), this);
    m_line = new QCheckBox(QString::fromUtf8("工程線"), targets);
    m_line->setObjectName(IdName(IDC_ATTACH_LINE));
    m_node = new QCheckBox(QString::fromUtf8("ノード"), targets);
    m_node->setObjectName(IdName(IDC_ATTACH_NODE));
    auto* targetRow = new QVBoxLayout(targets);
    targetRow->addWidget(m_line);
    targetRow->addWidget(m_node);
    grid->addWidget(targets, 2, 1);

    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        CConfigOperation defaults;
        defaults.Read(FALSE);
        SetValues(LoadDrawEditCond(defaults));
    });

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_temp.off, m_temp.on, m_multi.off, m_multi.on, m_wakunai.off, m_wakunai.on,
                  m_holiday.off, m_holiday.on, m_yogo.off, m_yogo.on, m_line, m_node, m_event.off,
                  m_event.on});
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    if (m_operation != nullptr) {
        SetValues(LoadDrawEditCond(*m_operation));
    } else {
        SetValues(DrawEditCondValues{});
    }
}

CDrawEditCondDlg::~CDrawEditCondDlg() = default;

CDrawEditCondDlg::Pair CDrawEditCondDlg::AddPair(QGridLayout* grid, int row, int column,
                                                 const char* title, int offId, const char* offText,
                                                 int onId, const char* onText) {
    auto* box = new QGroupBox(QString::fromUtf8(title), this);
    Pair pair{new QRadioButton(QString::fromUtf8(offText), box),
              new QRadioButton(QString::fromUtf8(onText), box)};
    pair.off->setObjectName(IdName(offId));
    pair.on->setObjectName(IdName(onId));
    auto* group = new QButtonGroup(box);
    group->addButton(pair.off);
    group->addButton(pair.on);
    auto* column_ = new QVBoxLayout(box);
    column_->addWidget(pair.off);
    column_->addWidget(pair.on);
    grid->addWidget(box, row, column);
    return pair;
}

void CDrawEditCondDlg::SetValues(const DrawEditCondValues& v) {
    const auto set = [](const Pair& pair, LONG value) {
        (value != 0 ? pair.on : pair.off)->setChecked(true);
    };
    set(m_temp, v.kouTempStyle);
    set(m_multi, v.multiEdit);
    set(m_wakunai, v.wakunai);
    set(m_holiday, v.holidayAuto);
    set(m_yogo, v.withYogo);
    set(m_event, v.eventBaseMove);
    m_line->setChecked(v.attachToLine);
    m_node->setChecked(v.attachToNode);
}

DrawEditCondValues CDrawEditCondDlg::GetValues() const {
    DrawEditCondValues v;
    v.kouTempStyle = m_temp.on->isChecked() ? 1 : 0;
    v.multiEdit = m_multi.on->isChecked() ? 1 : 0;
    v.wakunai = m_wakunai.on->isChecked() ? 1 : 0;
    v.holidayAuto = m_holiday.on->isChecked() ? 1 : 0;
    v.withYogo = m_yogo.on->isChecked() ? 1 : 0;
    v.eventBaseMove = m_event.on->isChecked() ? 1 : 0;
    v.attachToLine = m_line->isChecked();
    v.attachToNode = m_node->isChecked();
    return v;
}

void CDrawEditCondDlg::accept() {
    if (m_operation != nullptr) {
        StoreDrawEditCond(GetValues(), *m_operation);
    }
    QDialog::accept();
}

} // namespace tembra
