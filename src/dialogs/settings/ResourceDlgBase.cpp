#include "dialogs/settings/ResourceDlgBase.h"

#include "document/TembraDoc.h"
#include "platform/Profile.h"
#include "platform/TypedText.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/IntField.h"
#include "platform/qt/TextFieldCheck.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace tembra {

namespace {

constexpr const char* kSection = "Settings";
// The quantities the list offers; any other number may be typed.
constexpr int kListedQuantities = 100;

} // namespace

CResourceDlgBase::CResourceDlgBase(int idd, const char* caption, QWidget* parent)
    : QDialog(parent, Qt::Tool) {
    setObjectName(IdName(idd));
    setWindowTitle(QString::fromUtf8(caption));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_grid = new QGridLayout;
    m_grid->addWidget(new QLabel(QString::fromUtf8("資源名称"), this), 0, 0);
    m_grid->addWidget(new QLabel(QString::fromUtf8("数量"), this), 0, 1);
    QStringList listed;
    for (int n = 0; n <= kListedQuantities; ++n) {
        listed << QString::number(n);
    }
    for (int r = 0; r < CShigenRows::kRows; ++r) {
        auto* name = new QLineEdit(this);
        name->setObjectName(IdName(IDC_NAME1 + r));
        name->setValidator(new CCp932Validator(std::string::npos, name));
        name->installEventFilter(this);
        auto* quantity = new QComboBox(this);
        quantity->setObjectName(IdName(IDC_QUANTITY1 + r));
        quantity->setEditable(true);
        quantity->setInsertPolicy(QComboBox::NoInsert);
        quantity->addItems(listed);
        quantity->lineEdit()->installEventFilter(this);
        quantity->installEventFilter(this);
        m_names[static_cast<std::size_t>(r)] = name;
        m_quantities[static_cast<std::size_t>(r)] = quantity;
        m_grid->addWidget(name, r + 1, 0);
        m_grid->addWidget(quantity, r + 1, 1);
        connect(name, &QLineEdit::textEdited, this, [this, r] { OnNameEdited(r); });
        connect(quantity, &QComboBox::currentTextChanged, this, [this, r] { OnQuantityEdited(r); });
        connect(quantity->lineEdit(), &QLineEdit::editingFinished, this,
                [this, r] { CheckQuantity(r); });
    }
    m_next = new QPushButton(QString::fromUtf8("▼次"), this);
    m_next->setObjectName(IdName(IDC_NEXT));
    m_next->setAutoDefault(false);
    m_prev = new QPushButton(QString::fromUtf8("▲前"), this);
    m_prev->setObjectName(IdName(IDC_PREV));
    m_prev->setAutoDefault(false);
    m_grid->addWidget(m_prev, CShigenRows::kRows + 1, 0);
    m_grid->addWidget(m_next, CShigenRows::kRows + 1, 1);
    connect(m_next, &QPushButton::clicked, this, [this] {
        if (CheckQuantities()) {
            LoadControls(m_rows.Next());
        }
    });
    connect(m_prev, &QPushButton::clicked, this, [this] {
        if (CheckQuantities()) {
            LoadControls(m_rows.Previous());
        }
    });
    LoadControls();
}

CResourceDlgBase::~CResourceDlgBase() {
    SavePosition();
}

void CResourceDlgBase::SetResourceList(CTembraDoc* document, bool force) {
    if (document == m_document && !force) {
        return;
    }
    m_document = document;
    if (document == nullptr) {
        return;
    }
    m_rows.Bind(&document->GetShigenNames());
    LoadControls(m_rows.Fill());
}

void CResourceDlgBase::RestorePosition() {
    const std::string stored = GetProfileString(kSection, kPositionKey);
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    if (std::sscanf(stored.c_str(), "%d,%d,%d,%d", &left, &top, &width, &height) == 4) {
        move(left, top);
    }
}

void CResourceDlgBase::SavePosition() const {
    if (!m_shown) {
        return;
    }
    const QRect frame = frameGeometry();
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", frame.left(), frame.top(), frame.width(),
                  frame.height());
    WriteProfileString(kSection, kPositionKey, text);
}

void CResourceDlgBase::LoadControls() {
    m_loading = true;
    for (int r = 0; r < CShigenRows::kRows; ++r) {
        const ShigenRow& row = m_rows.Rows()[static_cast<std::size_t>(r)];
        QLineEdit* name = m_names[static_cast<std::size_t>(r)];
        QComboBox* quantity = m_quantities[static_cast<std::size_t>(r)];
        if (name->text() != FromCp932(row.name)) {
            name->setText(FromCp932(row.name));
        }
        name->setEnabled(row.nameEnabled);
        quantity->setCurrentIndex(-1);
        quantity->setEditText(QString::fromStdString(row.quantity));
        quantity->setEnabled(row.quantityEnabled);
    }
    m_next->setEnabled(m_rows.NextEnabled());
    m_prev->setEnabled(m_rows.PrevEnabled());
    m_loading = false;
}

void CResourceDlgBase::LoadControls(ShigenFocus focus) {
    LoadControls();
    QWidget* target = focus == ShigenFocus::FirstQuantity ? static_cast<QWidget*>(m_quantities[0])
                                                          : static_cast<QWidget*>(m_names[0]);
    target->setFocus(Qt::OtherFocusReason);
}

void CResourceDlgBase::OnNameEdited(int row) {
    if (m_loading || m_document == nullptr) {
        return;
    }
    // A name CP932 cannot hold is not taken; leaving its field names the characters.
    const QString typed = m_names[static_cast<std::size_t>(row)]->text();
    if (!FindUnstorable(typed.toStdString()).empty()) {
        return;
    }
    m_document->SetModifiedFlag(TRUE);
    if (m_rows.SetName(row, ToCp932(typed))) {
        const ShigenRow& shown = m_rows.Rows()[static_cast<std::size_t>(row)];
        m_quantities[static_cast<std::size_t>(row)]->setEnabled(shown.quantityEnabled);
        if (row + 1 < CShigenRows::kRows) {
            m_names[static_cast<std::size_t>(row + 1)]->setEnabled(true);
        } else {
            m_next->setEnabled(m_rows.NextEnabled());
        }
    }
}

void CResourceDlgBase::OnQuantityEdited(int row) {
    if (m_loading) {
        return;
    }
    // A text that is no quantity is refused when the field is left.
    m_rows.SetQuantity(row, ToCp932(m_quantities[static_cast<std::size_t>(row)]->currentText()));
}

bool CResourceDlgBase::CheckQuantity(int row) {
    QComboBox* box = m_quantities[static_cast<std::size_t>(row)];
    if (m_checking || !box->isEnabled() ||
        CShigenRows::ParseQuantity(ToCp932(box->currentText()))) {
        return true;
    }
    m_checking = true;
    int value = 0;
    ReadIntField(box->lineEdit(), 0, CShigenRows::kMaxQuantity, value, kRangeMessages);
    m_checking = false;
    return false;
}

bool CResourceDlgBase::CheckQuantities() {
    for (int r = 0; r < CShigenRows::kRows; ++r) {
        if (!CheckQuantity(r)) {
            return false;
        }
    }
    return true;
}

bool CResourceDlgBase::eventFilter(QObject* watched, QEvent* event) {
    for (int r = 0; r < CShigenRows::kRows; ++r) {
        QLineEdit* name = m_names[static_cast<std::size_t>(r)];
        if (watched != name) {
            continue;
        }
        if (event->type() == QEvent::FocusIn) {
            m_focusName = ToCp932(name->text());
        } else if (event->type() == QEvent::FocusOut) {
            if (!m_checking && !FindUnstorable(name->text().toStdString()).empty()) {
                m_checking = true;
                CheckTextField(name);
                m_checking = false;
                continue;
            }
            if (!m_focusName.empty() && m_focusName != ToCp932(name->text()) &&
                m_document != nullptr) {
                m_document->UpdateAllViews(nullptr);
            }
            m_focusName.clear();
        }
    }
    // Enter in a quantity checks it and leaves the window open.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (int r = 0; r < CShigenRows::kRows; ++r) {
                QComboBox* box = m_quantities[static_cast<std::size_t>(r)];
                if (watched == box || watched == box->lineEdit()) {
                    CheckQuantity(r);
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CResourceDlgBase::reject() {
    if (m_document != nullptr) {
        m_document->GetOperation().SetProcessMode();
        m_document->ClearAllSelections(FALSE);
        m_document->GetUndoHistory().Reset();
    }
    emit Cancelled();
}

} // namespace tembra
