#include "print/ui/PrhMst03P10.h"

#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/TextFieldCheck.h"
#include "print/PrhMst03Pages.h"
#include "print/PrhMst03Texts.h"
#include "print/ui/PrhMst03Edit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr int IDC_ROWS = 1038;
constexpr int IDC_ITEM_EDITS[] = {1090, 1091, 1092};
constexpr int IDC_DATE_EDITS[] = {1101, 1102};
// The heading items of row 0 shown above the edits, in the edits' order.
constexpr int kItemHeadings[] = {2, 3, 4};
constexpr int kDateHeadings[] = {6, 7};

QLabel* Heading(const CPrhMst03CheckList& list, int item, QWidget* parent) {
    auto* label = new QLabel(FromCp932(list.Heading(item)), parent);
    label->setObjectName(QStringLiteral("heading%1").arg(item));
    return label;
}

} // namespace

CPrhMst03P10::CPrhMst03P10(CPrhMst03Texts& texts, CEnterMovesFocus& enter, QWidget* parent)
    : QWidget(parent), m_list(texts.PageItems(kPrhMst03CheckListPage)) {
    setObjectName(QStringLiteral("410"));
    auto* listBox = new QGroupBox(QString::fromUtf8("チェック項目選択"), this);
    m_rows = new QListWidget(listBox);
    m_rows->setObjectName(IdName(IDC_ROWS));
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(m_rows);

    auto* fields = new QGridLayout;
    int row = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_items[i] = new CPrhMst03Edit(2, this);
        m_items[i]->setObjectName(IdName(IDC_ITEM_EDITS[i]));
        fields->addWidget(Heading(m_list, kItemHeadings[i], this), row, 0);
        fields->addWidget(m_items[i], row++, 1);
    }
    auto* submissionBox = new QGroupBox(QString::fromUtf8("提出の要否"), this);
    m_required = new QRadioButton(QString::fromUtf8("要"), submissionBox);
    m_notRequired = new QRadioButton(QString::fromUtf8("不要"), submissionBox);
    m_submission = new QButtonGroup(this);
    m_submission->addButton(m_required, PrhMst03CheckRow::kRequired);
    m_submission->addButton(m_notRequired, PrhMst03CheckRow::kNotRequired);
    auto* radios = new QHBoxLayout(submissionBox);
    radios->addWidget(m_required);
    radios->addWidget(m_notRequired);
    fields->addWidget(submissionBox, row++, 0, 1, 2);
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        m_dates[i] = new CPrhMst03Edit(1, this);
        m_dates[i]->setObjectName(IdName(IDC_DATE_EDITS[i]));
        fields->addWidget(Heading(m_list, kDateHeadings[i], this), row, 0);
        fields->addWidget(m_dates[i], row++, 1);
    }
    auto* restore = new QPushButton(QString::fromUtf8("取り消し"), this);
    restore->setObjectName(QStringLiteral("restore"));
    restore->setAutoDefault(false);
    fields->addWidget(restore, row++, 1, Qt::AlignRight);
    fields->setRowStretch(row, 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(listBox, 1);
    columns->addLayout(fields, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(new QLabel(QString::fromUtf8("※改行はCTRL+ENTER"), this));

    for (CPrhMst03Edit* edit : m_items) {
        edit->WatchedBy(enter);
    }
    enter.Watch({m_required, m_notRequired});
    for (CPrhMst03Edit* edit : m_dates) {
        edit->WatchedBy(enter);
    }
    connect(m_rows, &QListWidget::currentRowChanged, this, &CPrhMst03P10::OnRowChosen);
    connect(restore, &QPushButton::clicked, this, &CPrhMst03P10::OnRestore);
}

void CPrhMst03P10::Collect() {
    if (m_shown) {
        m_list.StoreRow(m_current, ShownRow());
    }
}

void CPrhMst03P10::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shown) {
        FirstDisplay();
    }
}

void CPrhMst03P10::FirstDisplay() {
    m_shown = true;
    m_current = 0;
    m_list.TakeRestoreCopy();
    const QSignalBlocker block(m_rows);
    m_rows->clear();
    for (int row = 0; row < CPrhMst03CheckList::kRows; ++row) {
        m_rows->addItem(FromCp932(m_list.ListLine(row)));
    }
    SelectRow(m_current);
}

void CPrhMst03P10::LoadRow(int row) {
    const PrhMst03CheckRow shown = m_list.LoadRow(row);
    m_items[0]->SetCp932(shown.item2);
    m_items[1]->SetCp932(shown.item3);
    m_items[2]->SetCp932(shown.item4);
    // No choice: both buttons off, which an exclusive group does not allow by itself.
    m_submission->setExclusive(false);
    m_required->setChecked(shown.submission == PrhMst03CheckRow::kRequired);
    m_notRequired->setChecked(shown.submission == PrhMst03CheckRow::kNotRequired);
    m_submission->setExclusive(true);
    m_dates[0]->SetCp932(shown.date1);
    m_dates[1]->SetCp932(shown.date2);
}

PrhMst03CheckRow CPrhMst03P10::ShownRow() const {
    PrhMst03CheckRow shown;
    shown.item2 = m_items[0]->Cp932();
    shown.item3 = m_items[1]->Cp932();
    shown.item4 = m_items[2]->Cp932();
    shown.submission = m_required->isChecked()      ? PrhMst03CheckRow::kRequired
                       : m_notRequired->isChecked() ? PrhMst03CheckRow::kNotRequired
                                                    : PrhMst03CheckRow::kNone;
    shown.date1 = m_dates[0]->Cp932();
    shown.date2 = m_dates[1]->Cp932();
    return shown;
}

void CPrhMst03P10::SelectRow(int row) {
    const QSignalBlocker block(m_rows);
    m_rows->item(row)->setText(FromCp932(m_list.ListLine(row)));
    m_rows->setCurrentRow(row);
    LoadRow(row);
}

void CPrhMst03P10::OnRowChosen(int row) {
    if (!m_shown || row < 0 || row == m_current) {
        return;
    }
    // The row is kept as CP932 when another is chosen: a text CP932 cannot hold stays in its
    // field, with its message, and its row stays chosen.
    if (!CheckTextFields(this)) {
        const QSignalBlocker block(m_rows);
        m_rows->setCurrentRow(m_current);
        return;
    }
    m_list.StoreRow(m_current, ShownRow());
    {
        const QSignalBlocker block(m_rows);
        m_rows->item(m_current)->setText(FromCp932(m_list.ListLine(m_current)));
    }
    m_current = row;
    SelectRow(row);
}

void CPrhMst03P10::OnRestore() {
    if (!m_shown) {
        return;
    }
    m_list.RestoreRow(m_current);
    SelectRow(m_current);
}

} // namespace tembra
