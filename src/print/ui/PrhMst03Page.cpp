#include "print/ui/PrhMst03Page.h"

#include "platform/qt/Cp932Text.h"
#include "print/PrhMst03Pages.h"
#include "print/PrhMst03Texts.h"
#include "print/ui/PrhMst03Edit.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace tembra {

namespace {

constexpr int kEditLines = 2;

bool IsStepLabel(const PrhMst03PageDef& def, int item) {
    return std::any_of(def.steps.begin(), def.steps.end(),
                       [item](const PrhMst03StepPair& p) { return p.label == item; });
}

QLabel* LayoutLabel(const std::string& text, QWidget* parent) {
    QString shown = FromCp932(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* label = new QLabel(shown, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(160);
    label->setWordWrap(true);
    return label;
}

} // namespace

CPrhMst03Page::CPrhMst03Page(const PrhMst03PageDef& def, CPrhMst03Texts& texts,
                             CEnterMovesFocus& enter, QWidget* parent)
    : QWidget(parent), m_def(def), m_texts(texts) {
    setObjectName(QString::number(def.dialogId));
    auto* body = new QWidget;
    auto* grid = new QGridLayout(body);
    grid->setColumnStretch(1, 1);

    // Rows in item order: a label opens a row; an edit goes beside its step label, beside the
    // label just before it, or on a row of its own under its caption.
    std::map<int, int> labelRows;
    int row = 0;
    int openLabelRow = -1; // the row of the label just before, while it has no edit
    for (int item = 1; item <= def.itemCount; ++item) {
        if (def.IsLabel(item)) {
            QLabel* label = LayoutLabel(texts.StoreField(def.page, item), body);
            label->setObjectName(QStringLiteral("label%1").arg(item));
            grid->addWidget(label, row, 0);
            labelRows[item] = row;
            openLabelRow = IsStepLabel(def, item) ? -1 : row;
            ++row;
            continue;
        }
        auto* edit = new CPrhMst03Edit(kEditLines, body);
        edit->setObjectName(QStringLiteral("edit%1").arg(item));
        edit->SetCp932(texts.StoreField(def.page, item));
        edit->setEnabled(texts.IsEditEnabled(def.page, item));
        edit->WatchedBy(enter);
        m_edits[item] = edit;

        const int step = def.StepLabelOf(item);
        const std::string_view caption = def.CaptionOf(item);
        if (step != 0 && labelRows.count(step) != 0) {
            grid->addWidget(edit, labelRows[step], 1);
        } else if (caption.empty() && openLabelRow >= 0) {
            grid->addWidget(edit, openLabelRow, 1);
            openLabelRow = -1;
        } else {
            if (!caption.empty()) {
                grid->addWidget(
                    new QLabel(QString::fromUtf8(caption.data(), static_cast<int>(caption.size())),
                               body),
                    row, 0);
            }
            grid->addWidget(edit, row, 1);
            openLabelRow = -1;
            ++row;
        }
    }
    grid->setRowStretch(row, 1);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(body);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(new QLabel(QString::fromUtf8("※改行はCTRL+ENTER"), this));
}

void CPrhMst03Page::Collect() {
    for (const auto& [item, edit] : m_edits) {
        m_texts.SetField(m_def.page, item, edit->Cp932());
    }
}

CPrhMst03Edit* CPrhMst03Page::Edit(int item) const {
    const auto found = m_edits.find(item);
    return found == m_edits.end() ? nullptr : found->second;
}

} // namespace tembra
