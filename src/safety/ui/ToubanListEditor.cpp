#include "safety/ui/ToubanListEditor.h"

#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/TextFieldCheck.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tembra {

namespace {

// Up to 100 characters; two bytes each at most.
constexpr int kNameChars = 100;

} // namespace

CToubanListEditor::CToubanListEditor(QWidget* parent, Hooks hooks)
    : QGroupBox(QString::fromUtf8("当番者設定"), parent), m_hooks(std::move(hooks)) {
    m_name = new QLineEdit(this);
    m_name->setMaxLength(kNameChars);
    m_name->setValidator(new CCp932Validator(2 * kNameChars, m_name));
    m_listBox = new QListWidget(this);
    const char* captions[7] = {"↓　追加(&A)",  "←　挿入(&I)", "⇔　修正(&U)", "→　削除(&D)",
                               "先頭設定(&H)", "上へ",        "下へ"};
    for (int i = 0; i < 7; ++i) {
        m_buttons[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
        m_buttons[i]->setAutoDefault(false);
    }
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(m_buttons[1], &QPushButton::clicked, this, [this] { OnInsert(); });
    connect(m_buttons[2], &QPushButton::clicked, this, [this] { OnModify(); });
    connect(m_buttons[3], &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(m_buttons[4], &QPushButton::clicked, this, [this] { OnHead(); });
    connect(m_buttons[5], &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(m_buttons[6], &QPushButton::clicked, this, [this] { OnMove(1); });
    connect(m_listBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_list.Size()) {
            m_name->setText(FromCp932(m_list.Entries()[static_cast<std::size_t>(row)].m_name));
        }
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("当番者名"), this), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(m_buttons[0], 1, 1);
    grid->addWidget(m_buttons[1], 2, 0);
    grid->addWidget(m_buttons[2], 2, 1);
    grid->addWidget(m_buttons[3], 2, 2);
    grid->addWidget(new QLabel(QString::fromUtf8("当番者一覧"), this), 3, 0);
    grid->addWidget(m_listBox, 4, 0, 3, 2);
    grid->addWidget(m_buttons[4], 4, 2);
    grid->addWidget(m_buttons[5], 5, 2);
    grid->addWidget(m_buttons[6], 6, 2);
}

void CToubanListEditor::SetList(CToubanList list) {
    m_list = std::move(list);
    const QSignalBlocker block(m_listBox);
    m_listBox->clear();
    for (const CToubanEntry& entry : m_list.Entries()) {
        m_listBox->addItem(FromCp932(CToubanList::LineText(entry)));
    }
    m_listBox->setCurrentRow(-1);
}

std::optional<int> CToubanListEditor::Selection() const {
    const int row = m_listBox->currentRow();
    if (row < 0 || row >= m_list.Size() || m_listBox->selectedItems().isEmpty()) {
        return std::nullopt;
    }
    return row;
}

std::string CToubanListEditor::TypedName() const {
    return ToCp932(m_name->text());
}

bool CToubanListEditor::Accepts(const std::string& name, int skip) const {
    // A name the field holds in characters CP932 lacks is refused with their message first.
    return CheckTextField(m_name) && !m_list.Refuses(name) &&
           (!m_hooks.accepts || m_hooks.accepts(name, skip));
}

void CToubanListEditor::Commit(CToubanList edited, std::optional<int> select) {
    if (m_hooks.changed) {
        edited = m_hooks.changed(edited);
    }
    SetList(std::move(edited));
    if (select && *select < m_list.Size()) {
        const QSignalBlocker block(m_listBox);
        m_listBox->setCurrentRow(*select);
    }
}

void CToubanListEditor::ClearTyping() {
    m_name->clear();
    m_name->setFocus();
}

void CToubanListEditor::OnAdd() {
    const std::string name = TypedName();
    if ((m_hooks.editable && !m_hooks.editable()) || !Accepts(name, -1)) {
        return;
    }
    CToubanList edited = m_list;
    edited.Add(name);
    Commit(std::move(edited), std::nullopt);
    ClearTyping();
}

void CToubanListEditor::OnInsert() {
    const std::optional<int> at = Selection();
    const std::string name = TypedName();
    if ((m_hooks.editable && !m_hooks.editable()) || !at || !Accepts(name, -1)) {
        return;
    }
    CToubanList edited = m_list;
    edited.Insert(*at, name);
    Commit(std::move(edited), std::nullopt);
    ClearTyping();
}

void CToubanListEditor::OnModify() {
    const std::optional<int> at = Selection();
    const std::string name = TypedName();
    if ((m_hooks.editable && !m_hooks.editable()) || !at || !Accepts(name, *at)) {
        return;
    }
    CToubanList edited = m_list;
    edited.Rename(*at, name);
    Commit(std::move(edited), at);
}

void CToubanListEditor::OnDelete() {
    const std::optional<int> at = Selection();
    if (!at || (m_hooks.confirmDelete && !m_hooks.confirmDelete())) {
        return;
    }
    CToubanList edited = m_list;
    edited.Remove(*at);
    Commit(std::move(edited), std::nullopt);
}

void CToubanListEditor::OnHead() {
    const std::optional<int> at = Selection();
    if (!at) {
        // Without a selection the flags are only cleared; the staff dialog writes them with
        // its next change.
        CToubanList edited = m_list;
        edited.SetHead(std::nullopt);
        SetList(std::move(edited));
        return;
    }
    CToubanList edited = m_list;
    edited.SetHead(at);
    Commit(std::move(edited), at);
}

void CToubanListEditor::OnMove(int delta) {
    const std::optional<int> at = Selection();
    if (!at) {
        return;
    }
    CToubanList edited = m_list;
    const std::optional<int> to = edited.Move(*at, delta);
    if (!to) {
        return;
    }
    Commit(std::move(edited), to);
}

} // namespace tembra
