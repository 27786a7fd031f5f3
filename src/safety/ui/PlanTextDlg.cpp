#include "safety/ui/PlanTextDlg.h"

#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "safety/PlanCandidates.h"
#include "safety/PlanTextApply.h"
#include "shapes/ZukeiString.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr int kListExtent = 500;

enum : int { kAdd = 0, kDelete, kUp, kDown, kClear };

} // namespace

CPlanTextDlg::CPlanTextDlg(CTembraDoc& doc, CZukeiString& first, CZukeiString& second,
                           PlanCatalogKind kind, const char* firstWord, const char* secondWord,
                           bool filters, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_first(first), m_second(second), m_catalog(kind),
      m_filters(filters) {
    m_big = new QComboBox(this);
    m_mid = new QComboBox(this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("大分類"), this), 0, 0);
    grid->addWidget(m_big, 0, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("中分類"), this), 0, 2);
    grid->addWidget(m_mid, 0, 3);
    grid->addWidget(MakeSide(0, firstWord), 1, 0, 1, 2);
    grid->addWidget(MakeSide(1, secondWord), 1, 2, 1, 2);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_big, m_mid});
    grid->addWidget(MakeOkCancel(this, enter), 2, 0, 1, 4);

    connect(m_big, &QComboBox::currentIndexChanged, this, [this] {
        RefillMidGroups();
        RefillFirst();
        RefillSecond();
    });
    connect(m_mid, &QComboBox::currentIndexChanged, this, [this] {
        RefillFirst();
        RefillSecond();
    });
    connect(m_sides[0].candidates, &QListWidget::currentRowChanged, this,
            [this] { RefillSecond(); });
    if (m_filters) {
        connect(m_sides[0].filter, &QLineEdit::textChanged, this, [this] {
            RefillFirst();
            RefillSecond();
        });
        connect(m_sides[1].filter, &QLineEdit::textChanged, this, [this] { RefillSecond(); });
    }
}

QWidget* CPlanTextDlg::MakeSide(int side, const char* word) {
    Side& s = m_sides[static_cast<std::size_t>(side)];
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->addWidget(new QLabel(QString::fromUtf8("＜%1＞").arg(QString::fromUtf8(word)), box));
    if (m_filters) {
        auto* row = new QHBoxLayout;
        s.filter = new QLineEdit(box);
        s.filter->setMaxLength(10);
        row->addWidget(new QLabel(QString::fromUtf8("フィルタ文字列："), box));
        row->addWidget(s.filter);
        column->addLayout(row);
    }
    s.candidates = new QListWidget(box);
    s.lines = new QListWidget(box);
    for (QListWidget* list : {s.candidates, s.lines}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->setMinimumWidth(kListExtent / 2);
    }
    column->addWidget(s.candidates);
    auto* buttons = new QHBoxLayout;
    const char* captions[] = {"設定 >>", "<< 削除", "上へ ↑", "下へ ↓", "クリアー"};
    for (int command = kAdd; command <= kClear; ++command) {
        auto* button = new QPushButton(QString::fromUtf8(captions[command]), box);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, side, command] { LineCommand(side, command); });
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    column->addWidget(s.lines);
    connect(s.candidates, &QListWidget::itemDoubleClicked, this,
            [this, side] { LineCommand(side, kAdd); });
    connect(s.lines, &QListWidget::itemDoubleClicked, this,
            [this, side] { LineCommand(side, kDelete); });
    connect(s.lines, &QListWidget::currentRowChanged, this,
            [this, side](int row) { m_sides[static_cast<std::size_t>(side)].frame.Choose(row); });
    return box;
}

int CPlanTextDlg::DoModal() {
    if (!Init()) {
        return IDCANCEL;
    }
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

bool CPlanTextDlg::Init() {
    if (!m_catalog.Load()) {
        return false;
    }
    {
        const QSignalBlocker block(m_big);
        for (const auto& big : m_catalog.BigGroups()) {
            m_big->addItem(FromCp932(big->GetName()));
        }
        m_big->setCurrentIndex(m_big->count() > 0 ? 0 : -1);
    }
    RefillMidGroups();
    RefillFirst();
    RefillSecond();
    m_sides[0].frame.Load(m_first.GetText());
    m_sides[1].frame.Load(m_second.GetText());
    ShowLines(0);
    ShowLines(1);
    return true;
}

std::string CPlanTextDlg::FilterText(int side) const {
    const QLineEdit* filter = m_sides[static_cast<std::size_t>(side)].filter;
    return filter != nullptr ? ToCp932(filter->text()) : std::string();
}

void CPlanTextDlg::FillCandidates(QListWidget* list, const std::vector<std::string>& texts) {
    const QSignalBlocker block(list);
    list->clear();
    for (const std::string& text : texts) {
        list->addItem(FromCp932(text));
    }
    list->setCurrentRow(list->count() > 1 ? 1 : 0);
}

void CPlanTextDlg::RefillMidGroups() {
    const int big = std::max(0, m_big->currentIndex());
    const QSignalBlocker block(m_mid);
    m_mid->clear();
    for (const std::string& name : m_catalog.MidGroupNames(big)) {
        m_mid->addItem(FromCp932(name));
    }
    const int remembered = big < 3 ? m_rememberedMid[static_cast<std::size_t>(big)] : 0;
    m_mid->setCurrentIndex(remembered < m_mid->count() ? remembered
                                                       : (m_mid->count() > 0 ? 0 : -1));
}

void CPlanTextDlg::RefillFirst() {
    const int big = std::max(0, m_big->currentIndex());
    const int mid = std::max(0, m_mid->currentIndex());
    if (big < 3) {
        m_rememberedMid[static_cast<std::size_t>(big)] = mid;
    }
    FillCandidates(m_sides[0].candidates, ListFirst(big, mid, FilterText(0)));
}

void CPlanTextDlg::RefillSecond() {
    const QListWidgetItem* chosen = m_sides[0].candidates->currentItem();
    const std::string text = chosen != nullptr ? ToCp932(chosen->text()) : std::string();
    FillCandidates(m_sides[1].candidates, ListSecond(text, FilterText(1)));
}

void CPlanTextDlg::ShowLines(int side) {
    Side& s = m_sides[static_cast<std::size_t>(side)];
    const QSignalBlocker block(s.lines);
    s.lines->clear();
    for (const std::string& line : s.frame.Lines()) {
        s.lines->addItem(FromCp932(line));
    }
    s.lines->setCurrentRow(s.frame.Chosen());
}

void CPlanTextDlg::LineCommand(int side, int command) {
    Side& s = m_sides[static_cast<std::size_t>(side)];
    switch (command) {
    case kAdd: {
        const int row = s.candidates->currentRow();
        if (row < 0) {
            return;
        }
        // The blank entry stands for an empty line.
        s.frame.Insert(row == 0 ? std::string() : ToCp932(s.candidates->item(row)->text()));
        // A first-side text whose second side offers one text brings that text along.
        QListWidget* seconds = m_sides[1].candidates;
        if (side == 0 && seconds->count() == 2) {
            m_sides[1].frame.InsertBeforeLast(ToCp932(seconds->item(1)->text()));
            ShowLines(1);
        }
        break;
    }
    case kDelete:
        s.frame.Delete();
        break;
    case kUp:
        s.frame.MoveUp();
        break;
    case kDown:
        s.frame.MoveDown();
        break;
    case kClear:
        s.frame.Clear();
        break;
    default:
        return;
    }
    ShowLines(side);
}

void CPlanTextDlg::accept() {
    m_firstText = m_sides[0].frame.Compose();
    m_secondText = m_sides[1].frame.Compose();
    QDialog::accept();
}

void CPlanTextDlg::ApplyTexts() {
    ApplyPlanTexts(m_doc, m_first, m_firstText, m_second, m_secondText);
}

} // namespace tembra
