#include "layout_editor/SizeSetDlg.h"

#include "layout_editor/DialogFields.h"
#include "layout_editor/core/EditorTexts.h"
#include "platform/RangeMessage.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace marquell {

namespace {

// The fields in the dialog's order, with their labels.
struct FieldRow {
    int field;
    const char* group;
    const char* label;
};
constexpr FieldRow kRows[] = {
    {kSizeHeader, "", "印刷ヘッダ欄高さ"},
    {kSizeDate, "", "日付欄高さ"},
    {kSizeProcess, "", "工程欄高さ"},
    {kSizeFooter, "", "印刷フッタ欄高さ"},
    {kSizeTop, "", "上余白"},
    {kSizeBottom, "", "下余白"},
    {kSizeLeft, "", "左余白"},
    {kSizeRight, "", "右余白"},
    {kSizeProcessLeft, "工程欄", "左余白"},
    {kSizeProcessRight, "工程欄", "右余白"},
};

} // namespace

CSizeSetDlg::CSizeSetDlg(SizeSetRequest& request, QWidget* parent)
    : QDialog(parent), m_data(request.data) {
    setWindowTitle(QString::fromUtf8("サイズ設定"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_paper = new QComboBox(this);
    for (int paper = 0; paper < 6; ++paper) {
        m_paper->addItem(tembra::FromCp932(PaperListName(paper)));
    }
    m_paper->setCurrentIndex(m_data.GetPaper());
    m_paper->setEnabled(!request.temporaryEdit);
    grid->addWidget(new QLabel(QString::fromUtf8("用紙"), this), 0, 1);
    grid->addWidget(m_paper, 0, 2);
    auto* enter = new tembra::CEnterMovesFocus(this);
    int row = 1;
    for (const FieldRow& r : kRows) {
        auto* field = new QLineEdit(this);
        field->setMaxLength(4);
        field->installEventFilter(this);
        enter->Watch({field});
        m_fields[r.field] = field;
        grid->addWidget(new QLabel(QString::fromUtf8(r.group), this), row, 0);
        grid->addWidget(new QLabel(QString::fromUtf8(r.label), this), row, 1);
        grid->addWidget(field, row, 2);
        grid->addWidget(new QLabel(QString::fromUtf8("×0.1mm"), this), row, 3);
        ++row;
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    m_ok = new QPushButton(QString::fromUtf8("決定"), this);
    m_cancel = new QPushButton(QString::fromUtf8("取消"), this);
    m_reset = new QPushButton(QString::fromUtf8("初期化"), this);
    for (QPushButton* button : {m_ok, m_cancel, m_reset}) {
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_reset, &QPushButton::clicked, this, [this]() {
        m_pending = -1;
        m_data.Reset();
        ShowValues();
    });
    connect(m_paper, &QComboBox::activated, this, &CSizeSetDlg::OnPaperChanged);
    ShowValues();
    if (request.temporaryEdit) {
        m_fields[kSizeHeader]->setFocus();
    }
}

int CSizeSetDlg::FieldOf(const QObject* object) const {
    for (int field = 0; field < kSizeFieldCount; ++field) {
        if (m_fields[field] == object) {
            return field;
        }
    }
    return -1;
}

bool CSizeSetDlg::ReadValues() {
    CSizeSetData::Values& values = m_data.GetValues();
    for (const FieldRow& r : kRows) {
        const CSizeSetData::Range range = CSizeSetData::FieldRange(r.field);
        const std::optional<long> number =
            tembra::ParseIntInRange(m_fields[r.field]->text().toStdString(), range.min, range.max);
        if (!number) {
            int value = 0;
            // The field that is left for the refused one checks nothing.
            m_errorShown = true;
            m_errorField = r.field;
            tembra::ReadIntField(m_fields[r.field], range.min, range.max, value, kIntFieldMessages);
            return false;
        }
        values[static_cast<std::size_t>(r.field)] = static_cast<int>(*number);
    }
    return true;
}

void CSizeSetDlg::ShowValues() {
    for (int field = 0; field < kSizeFieldCount; ++field) {
        m_fields[field]->setText(
            QString::number(m_data.GetValues()[static_cast<std::size_t>(field)]));
    }
}

void CSizeSetDlg::OnPaperChanged(int paper) {
    if (!ReadValues()) {
        m_paper->setCurrentIndex(m_data.GetPaper());
        return;
    }
    m_pending = -1;
    m_data.SelectPaper(paper);
    ShowValues();
}

bool CSizeSetDlg::eventFilter(QObject* watched, QEvent* event) {
    const int field = FieldOf(watched);
    if (field >= 0 && event->type() == QEvent::FocusIn && m_errorShown && field == m_errorField) {
        m_errorShown = false;
    }
    if (field >= 0 && event->type() == QEvent::FocusOut && !m_errorShown) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const QWidget* next = QApplication::focusWidget();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            next != m_cancel && next != m_reset) {
            m_pending = field;
            QTimer::singleShot(0, this, [this]() { RunPendingCheck(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CSizeSetDlg::RunPendingCheck() {
    // A refusal still open checks nothing more until its field has the focus again.
    if (m_pending < 0 || m_errorShown) {
        m_pending = -1;
        return true;
    }
    const int field = m_pending;
    m_pending = -1;
    if (!ReadValues()) {
        return false;
    }
    const CSizeSetData::Check check = m_data.LeaveField(field);
    if (!check.Passed()) {
        m_errorShown = true;
        m_errorField = field;
        tembra::AfxMessageBox(check.message, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
        m_fields[check.focus]->setFocus();
        m_fields[check.focus]->selectAll();
        return false;
    }
    ShowValues();
    return true;
}

void CSizeSetDlg::accept() {
    if (!RunPendingCheck() || !ReadValues()) {
        return;
    }
    const CSizeSetData::Check check = m_data.CheckAll();
    if (!check.Passed()) {
        m_fields[check.focus]->setFocus();
        return;
    }
    QDialog::accept();
}

void CSizeSetDlg::reject() {
    m_pending = -1;
    m_data.SelectPaper(m_data.GetPaper());
    ShowValues();
    QDialog::reject();
}

} // namespace marquell
