#include "layout_editor/GridSetDlg.h"

#include "layout_editor/GridSizeButton.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace marquell {

CGridSetDlg::CGridSetDlg(GridSetRequest& request, QWidget* parent)
    : QDialog(parent), m_data(request.data) {
    setWindowTitle(QString::fromUtf8("グリッドの設定"));
    auto* layout = new QVBoxLayout(this);

    auto* snap = new QGroupBox(QString::fromUtf8("設定"), this);
    auto* snapLayout = new QHBoxLayout(snap);
    m_on = new QRadioButton(QString::fromUtf8("有効"), snap);
    m_off = new QRadioButton(QString::fromUtf8("無効"), snap);
    snapLayout->addWidget(m_on);
    snapLayout->addWidget(m_off);
    (m_data.snap != 0 ? m_on : m_off)->setChecked(true);
    layout->addWidget(snap);

    auto* counts = new QGroupBox(QString::fromUtf8("分割設定"), this);
    auto* grid = new QGridLayout(counts);
    const char* labels[2] = {"縦の分割", "横の分割"};
    const std::vector<std::string> entries[2] = {CGridSetData::AcrossEntries(),
                                                 CGridSetData::DownEntries()};
    const int values[2] = {m_data.across, m_data.down};
    grid->addWidget(new QLabel(QString::fromUtf8("サイズ"), counts), 0, 2);
    for (int axis = 0; axis < 2; ++axis) {
        m_counts[axis] = new QComboBox(counts);
        m_counts[axis]->setEditable(true);
        m_counts[axis]->setInsertPolicy(QComboBox::NoInsert);
        m_counts[axis]->lineEdit()->setMaxLength(4);
        for (const std::string& entry : entries[axis]) {
            m_counts[axis]->addItem(tembra::FromCp932(entry));
        }
        m_counts[axis]->setEditText(tembra::FromCp932(CGridSetData::FormatCount(values[axis])));
        m_counts[axis]->installEventFilter(this);
        m_pitches[axis] = new CGridSizeButton(counts);
        grid->addWidget(new QLabel(QString::fromUtf8(labels[axis]), counts), axis + 1, 0);
        grid->addWidget(m_counts[axis], axis + 1, 1);
        grid->addWidget(m_pitches[axis], axis + 1, 2);
        ShowPitch(axis, m_counts[axis]->currentText());
        connect(m_counts[axis], &QComboBox::editTextChanged, this,
                [this, axis](const QString& text) { ShowPitch(axis, text); });
        connect(m_counts[axis], &QComboBox::textActivated, this,
                [this, axis](const QString& text) { ShowPitch(axis, text); });
    }
    layout->addWidget(counts);

    auto* buttons = new QHBoxLayout;
    m_ok = new QPushButton(QString::fromUtf8("決定"), this);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    // No default button: Enter in a box moves on; only on 決定 does it check and close.
    for (QPushButton* button : {m_ok, cancel}) {
        button->setAutoDefault(false);
    }
    auto* enter = new tembra::CEnterMovesFocus(this);
    enter->Watch(
        {m_on, m_off, m_counts[0], m_counts[0]->lineEdit(), m_counts[1], m_counts[1]->lineEdit()});
    enter->SetButtons(m_ok, cancel);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CGridSetDlg::Length(int axis) const {
    return axis == 0 ? m_data.areaWidth : m_data.areaHeight;
}

void CGridSetDlg::ShowPitch(int axis, const QString& text) {
    m_pitches[axis]->SetPitch(
        CGridSetData::Pitch(CGridSetData::CountOfText(tembra::ToCp932(text)), Length(axis)));
}

bool CGridSetDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        for (int axis = 0; axis < 2; ++axis) {
            // An editable box keeps the focus itself and hands it to its field.
            if ((watched == m_counts[axis] || watched == m_counts[axis]->lineEdit()) &&
                reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                m_pending = axis;
                QTimer::singleShot(0, this, [this]() { RunPendingCheck(); });
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CGridSetDlg::RunPendingCheck() {
    if (m_pending < 0) {
        return true;
    }
    const int axis = m_pending;
    m_pending = -1;
    const int count = CGridSetData::CountOfText(tembra::ToCp932(m_counts[axis]->currentText()));
    if (const tembra::UINT message = CGridSetData::CheckCount(count, Length(axis))) {
        tembra::AfxMessageBox(message, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
        m_counts[axis]->setFocus();
        m_counts[axis]->lineEdit()->selectAll();
        return false;
    }
    return true;
}

void CGridSetDlg::accept() {
    if (!RunPendingCheck()) {
        return;
    }
    m_data.snap = m_on->isChecked() ? 1 : 0;
    m_data.across = CGridSetData::CountOfText(tembra::ToCp932(m_counts[0]->currentText()));
    m_data.down = CGridSetData::CountOfText(tembra::ToCp932(m_counts[1]->currentText()));
    QDialog::accept();
}

} // namespace marquell
