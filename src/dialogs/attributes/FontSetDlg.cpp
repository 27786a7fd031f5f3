#include "dialogs/attributes/FontSetDlg.h"

#include "document/FontSelDlgRequest.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tembra {

const std::array<CFontSetDlg::Element, 8> CFontSetDlg::kElements = {{
    {kFontDate, 1272, 1168, "日付"},
    {kFontKoumoku, 1372, 1370, "項目"},
    {kFontYogo, 1375, 1381, "用語"},
    {kFontEvent, 1210, 1227, "行事"},
    {kFontShigen, 1211, 1228, "資源"},
    {kFontZukei, 1212, 1229, "線画"},
    {kFontShin, 1214, 1231, "進捗"},
    {kFontHeader, 1213, 1230, "ヘッダー"},
}};

CFontSetDlg::CFontSetDlg(CConfigBase& config, QWidget* parent)
    : QDialog(parent), m_config(config), m_table(config) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("フォント設定"));
    auto* enter = new CEnterMovesFocus(this);
    auto* grid = new QGridLayout;
    m_papers = new QComboBox(this);
    m_papers->setObjectName(IdName(IDC_PAPER));
    for (const char* paper : {"Ａ４", "Ｂ４", "Ａ３", "Ａ３縦", "Ａ２", "Ａ１"}) {
        m_papers->addItem(QString::fromUtf8(paper));
    }
    connect(m_papers, &QComboBox::currentIndexChanged, this, [this](int paper) {
        if (paper < 0) {
            return;
        }
        m_table.SetHeaderEnabled(m_paper, m_headerOn->isChecked());
        m_paper = paper;
        ShowPaper();
    });
    grid->addWidget(new QLabel(QString::fromUtf8("用紙選択"), this), 0, 0);
    grid->addWidget(m_papers, 0, 1);
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        const Element& element = kElements[i];
        auto* button = new QPushButton(QString::fromUtf8(element.name), this);
        button->setObjectName(IdName(element.button));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &element] { Choose(element); });
        auto* text = new QLabel(this);
        text->setObjectName(IdName(element.text));
        text->setMinimumWidth(160);
        m_texts[i] = text;
        const int row = 1 + static_cast<int>(i);
        grid->addWidget(button, row, 0);
        grid->addWidget(text, row, 1);
        enter->Watch({button});
    }
    m_headerOn = new QCheckBox(QString::fromUtf8("有効"), this);
    m_headerOn->setObjectName(IdName(IDC_HEADER_ON));
    grid->addWidget(m_headerOn, static_cast<int>(kElements.size()), 2);
    enter->Watch({m_papers, m_headerOn});
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        m_table.Reset();
        ShowPaper();
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(buttons, 0, 1, Qt::AlignTop);
    ShowPaper();
}

void CFontSetDlg::ShowPaper() {
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        m_texts[i]->setText(FromCp932(m_table.Text(kElements[i].kind, m_paper)));
    }
    m_headerOn->setChecked(m_table.HeaderEnabled(m_paper));
}

void CFontSetDlg::Choose(const Element& element) {
    m_table.SetHeaderEnabled(m_paper, m_headerOn->isChecked());
    FontSelDlgRequest request;
    request.font = m_table.ForSelection(element.kind, m_paper);
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    m_table.SetChosen(element.kind, m_paper, request.font);
    ShowPaper();
}

void CFontSetDlg::accept() {
    m_table.SetHeaderEnabled(m_paper, m_headerOn->isChecked());
    m_table.Store(m_config);
    QDialog::accept();
}

} // namespace tembra
