#include "dialogs/attributes/LayerSetDlg.h"

#include "controls/LayerButton.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tembra {

namespace {

QString LayerCaption(int n) {
    return QString::number(n, 16).toUpper();
}

} // namespace

CLayerSetDlg::CLayerSetDlg(CTembraDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_values(LoadLayerSet(doc)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("レイヤー設定"));
    auto* enter = new CEnterMovesFocus(this);
    auto* grid = new QGridLayout;
    for (int column = 0; column < 2; ++column) {
        const char* titles[] = {"ﾚｲﾔｰNO.", "設定", "ﾚｲﾔｰ見出し", "ﾃﾞｰﾀ数"};
        for (int i = 0; i < 4; ++i) {
            grid->addWidget(new QLabel(QString::fromUtf8(titles[i]), this), 0, column * 4 + i);
        }
    }
    for (int n = 0; n < kLayers; ++n) {
        const int row = 1 + n % 8;
        const int column = (n / 8) * 4;
        auto* button = new CLayerButton(LayerCaption(n), this);
        button->setObjectName(IdName(ButtonId(n)));
        button->setFixedWidth(32);
        connect(button, &QPushButton::clicked, this, [this, n] {
            Take();
            m_values.ClickLayer(n);
            Show();
        });
        auto* state = new QComboBox(this);
        state->setObjectName(IdName(StateId(n)));
        for (const char* text : {"表示", "参考", "非表示"}) {
            state->addItem(QString::fromUtf8(text));
        }
        connect(state, &QComboBox::activated, this, [this, n](int index) {
            m_values.ChooseState(n, index);
            m_states[n]->setCurrentIndex(m_values.stateIndex[n]);
        });
        auto* heading = new QLineEdit(this);
        heading->setObjectName(IdName(HeadingId(n)));
        auto* count = new QLabel(this);
        count->setObjectName(IdName(CountId(n)));
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setFont(QFont(QStringLiteral("monospace")));
        enter->Watch({state, heading});
        m_buttons[n] = button;
        m_states[n] = state;
        m_headings[n] = heading;
        m_counts[n] = count;
        grid->addWidget(button, row, column);
        grid->addWidget(state, row, column + 1);
        grid->addWidget(heading, row, column + 2);
        grid->addWidget(count, row, column + 3);
    }
    auto* bulk = new QGroupBox(QString::fromUtf8("一括指定"), this);
    auto* bulkRow = new QHBoxLayout(bulk);
    const struct {
        int id;
        const char* text;
        int index;
    } bulkButtons[] = {{IDC_ALL_SHOWN, "表示", kIndexShown},
                       {IDC_ALL_REFERENCE, "参考", kIndexReference},
                       {IDC_ALL_HIDDEN, "非表示", kIndexHidden}};
    for (const auto& b : bulkButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), bulk);
        button->setObjectName(IdName(b.id));
        button->setAutoDefault(false);
        const int index = b.index;
        connect(button, &QPushButton::clicked, this, [this, index] {
            Take();
            m_values.SetAll(index);
            Show();
        });
        bulkRow->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bulk);
    bottom->addStretch();
    bottom->addWidget(MakeOkCancel(this, enter));
    layout->addLayout(bottom);
    for (int n = 0; n < kLayers; ++n) {
        m_headings[n]->setText(FromCp932(m_values.heading[n]));
    }
    Show();
}

// The headings stay in their fields as typed until 決定: the buttons change states only.
void CLayerSetDlg::Take() {
    for (int n = 0; n < kLayers; ++n) {
        m_values.stateIndex[n] = m_states[n]->currentIndex();
    }
}

void CLayerSetDlg::Show() {
    for (int n = 0; n < kLayers; ++n) {
        m_buttons[n]->SetState(m_values.button[n]);
        m_states[n]->setCurrentIndex(m_values.stateIndex[n]);
        m_counts[n]->setText(QString::fromStdString(LayerCountText(m_values.count[n])));
    }
}

void CLayerSetDlg::accept() {
    Take();
    for (int n = 0; n < kLayers; ++n) {
        m_values.heading[n] = ToCp932(m_headings[n]->text());
    }
    StoreLayerSet(m_values, m_doc);
    QDialog::accept();
}

} // namespace tembra
