#include "dialogs/settings/NafudaDlg.h"

#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/TextFieldCheck.h"
#include "print/PrHeader.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tembra {

namespace {

// The working copies hold CR LF; the edit shows plain new lines.
QString ToEdit(const std::string& contents) {
    QString text = FromCp932(contents);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string FromEdit(QString text) {
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToCp932(text);
}

} // namespace

CNafudaDlg::CNafudaDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("名　札(印刷ヘッダ)"));

    m_chartName = new QLineEdit(this);
    m_chartName->setObjectName(IdName(IDC_CHART_NAME));
    m_chartName->setValidator(new CCp932Validator(kNafudaChartNameBytes, m_chartName));
    QFont nameFont(QString::fromUtf8("ＭＳ 明朝"));
    nameFont.setPixelSize(12);
    m_chartName->setFont(nameFont);

    auto* itemBox = new QGroupBox(QString::fromUtf8("項目名"), this);
    m_list = new QListWidget(itemBox);
    m_list->setObjectName(IdName(IDC_ITEM_LIST));
    (new QVBoxLayout(itemBox))->addWidget(m_list);

    auto* editBox = new QGroupBox(QString::fromUtf8("編集／入力"), this);
    m_contents = new QPlainTextEdit(editBox);
    m_contents->setObjectName(IdName(IDC_CONTENTS));
    m_contents->setTabChangesFocus(true);
    auto* editColumn = new QVBoxLayout(editBox);
    editColumn->addWidget(m_contents);
    editColumn->addWidget(new QLabel(QString::fromUtf8("※改行はCTRL+ENTER"), editBox));

    auto* layoutBox = new QGroupBox(QString::fromUtf8("書式"), this);
    m_layoutName = new QLabel(layoutBox);
    m_layoutName->setObjectName(IdName(IDC_LAYOUT_NAME));
    (new QVBoxLayout(layoutBox))->addWidget(m_layoutName);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_chartName, m_list, m_contents});
    // Installed after the Enter filter, so it sees Ctrl+Enter first.
    m_contents->installEventFilter(this);
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);

    connect(m_contents, &QPlainTextEdit::textChanged, this, [this] { m_modified = true; });
    connect(m_list, &QListWidget::currentRowChanged, this, &CNafudaDlg::OnSelect);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QString::fromUtf8("工程表名"), this));
    nameRow->addWidget(m_chartName);
    auto* grid = new QGridLayout;
    grid->addLayout(nameRow, 0, 0, 1, 2);
    grid->addWidget(itemBox, 1, 0);
    grid->addWidget(editBox, 1, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("＊：表示項目"), this), 2, 0);
    grid->addWidget(layoutBox, 2, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons, 0, Qt::AlignTop);
}

CNafudaDlg::~CNafudaDlg() = default;

void CNafudaDlg::SetHeader(CPrHeader* header) {
    m_header = header;
    m_plate = header != nullptr ? LoadNafuda(*header) : NafudaPlate{};
    m_layoutName->setText(FromCp932(m_plate.layoutName));
    m_chartName->setText(FromCp932(m_plate.chartName));
    m_current = 0;
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const NafudaItem& item : m_plate.items) {
            m_list->addItem(FromCp932(item.line));
        }
        if (!m_plate.items.empty()) {
            m_list->setCurrentRow(0);
        }
    }
    m_contents->setPlainText(m_plate.items.empty() ? QString()
                                                   : ToEdit(m_plate.items.front().contents));
    m_modified = false;
}

void CNafudaDlg::KeepEdit() {
    if (m_modified && m_current >= 0 && m_current < static_cast<int>(m_plate.items.size())) {
        m_plate.items[m_current].contents = FromEdit(m_contents->toPlainText());
    }
    m_modified = false;
}

void CNafudaDlg::OnSelect(int row) {
    if (row < 0 || row >= static_cast<int>(m_plate.items.size())) {
        return;
    }
    // The element's text is kept as CP932 when another is chosen: one CP932 cannot hold stays in
    // the edit, with its message, and its element stays chosen.
    if (m_modified && !CheckTextField(m_contents)) {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentRow(m_current);
        return;
    }
    KeepEdit();
    m_current = row;
    m_contents->setPlainText(ToEdit(m_plate.items[row].contents));
    m_modified = false;
    m_contents->setFocus();
    m_contents->selectAll();
}

bool CNafudaDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_contents && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ControlModifier) != 0) {
            m_contents->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CNafudaDlg::accept() {
    KeepEdit();
    if (m_header != nullptr) {
        m_plate.chartName = ToCp932(m_chartName->text());
        StoreNafuda(m_plate, *m_header);
    }
    QDialog::accept();
}

} // namespace tembra
