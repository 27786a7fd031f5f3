#include "dialogs/attributes/LayerMoveDlg.h"

#include "controls/LayerButton.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tembra {

CLayerMoveDlg::CLayerMoveDlg(const CTembraDoc& doc, Table* table, QWidget* parent)
    : QDialog(parent), m_table(table), m_values(LoadLayerMove(doc)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("レイヤーデータ一括移動"));
    auto* enter = new CEnterMovesFocus(this);
    auto* grid = new QGridLayout;
    for (int column = 0; column < 2; ++column) {
        grid->addWidget(new QLabel(QString::fromUtf8("元ﾚｲﾔｰ"), this), 0, column * 5 + 1);
        grid->addWidget(new QLabel(QString::fromUtf8("移動先"), this), 0, column * 5 + 3);
    }
    for (int n = 0; n < kLayers; ++n) {
        const int row = 1 + n % 8;
        const int column = (n / 8) * 5;
        auto* heading = new QLineEdit(FromCp932(m_values.heading[n]), this);
        heading->setObjectName(IdName(HeadingId(n)));
        heading->setEnabled(false);
        auto* button = new CLayerButton(QString::number(n, 16).toUpper(), this);
        button->setObjectName(IdName(ButtonId(n)));
        button->setFixedWidth(32);
        button->SetKeepColors(true);
        button->setEnabled(false);
        auto* destination = new QComboBox(this);
        destination->setObjectName(IdName(DestinationId(n)));
        for (int to = 0; to < kLayers; ++to) {
            destination->addItem(QString::number(to, 16).toUpper());
        }
        connect(destination, &QComboBox::activated, this, [this, n](int index) {
            m_values.destination[n] = index;
            Show();
        });
        auto* state = new QLabel(this);
        state->setObjectName(IdName(StateTextId(n)));
        enter->Watch({destination});
        m_buttons[n] = button;
        m_destinations[n] = destination;
        m_stateTexts[n] = state;
        grid->addWidget(heading, row, column);
        grid->addWidget(button, row, column + 1);
        grid->addWidget(new QLabel(QString::fromUtf8("→"), this), row, column + 2);
        grid->addWidget(destination, row, column + 3);
        grid->addWidget(state, row, column + 4);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(MakeOkCancel(this, enter));
    Show();
}

void CLayerMoveDlg::Show() {
    for (int n = 0; n < kLayers; ++n) {
        m_buttons[n]->SetState(m_values.button[n]);
        m_destinations[n]->setCurrentIndex(m_values.destination[n]);
        m_stateTexts[n]->setText(QString::fromUtf8(m_values.RowStateText(n)));
    }
}

void CLayerMoveDlg::accept() {
    for (int n = 0; n < kLayers; ++n) {
        m_values.destination[n] = m_destinations[n]->currentIndex();
    }
    if (m_table != nullptr) {
        *m_table = m_values.destination;
    }
    QDialog::accept();
}

} // namespace tembra
