#include "dialogs/settings/ElementFontDlg.h"

#include "document/FontSelDlgRequest.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tembra {

namespace {

// The button texts by font kind.
const char* ButtonText(int kind) {
    switch (kind) {
    case kFontDate:
        return "日付";
    case kFontKoumoku:
        return "項目";
    case kFontYogo:
        return "用語";
    case kFontEvent:
        return "行事";
    case kFontShigen:
        return "資源";
    case kFontZukei:
        return "線画";
    case kFontShin:
        return "進捗";
    default:
        return "ヘッダー";
    }
}

} // namespace

CElementFontDlg::CElementFontDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("フォント設定"));

    auto* enter = new CEnterMovesFocus(this);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const int kind : ElementFontOrder()) {
        auto* button = new QPushButton(QString::fromUtf8(ButtonText(kind)), this);
        button->setObjectName(IdName(IDC_FIRST_BUTTON + kind));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, kind] { Choose(kind); });
        auto* text = new QLabel(this);
        text->setObjectName(IdName(IDC_FIRST_TEXT + kind));
        text->setFrameShape(QFrame::StyledPanel);
        text->setMinimumWidth(200);
        grid->addWidget(button, row, 0);
        grid->addWidget(text, row, 1);
        m_texts[kind] = text;
        ++row;
    }
    m_headerOn = new QCheckBox(QString::fromUtf8("有効"), this);
    m_headerOn->setObjectName(IdName(IDC_HEADER_ON));
    grid->addWidget(m_headerOn, row - 1, 2);
    enter->Watch({m_headerOn});

    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons, 0, Qt::AlignTop);
    SetFonts(m_fonts);
}

CElementFontDlg::~CElementFontDlg() = default;

void CElementFontDlg::SetFonts(const ElementFontSet& fonts) {
    m_fonts = fonts;
    m_work = fonts;
    for (int kind = 0; kind < kFontKindCount; ++kind) {
        ShowFont(kind);
    }
    m_headerOn->setChecked(IsHeaderFontEnabled(m_work[kFontHeader]));
}

int CElementFontDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CElementFontDlg::ShowFont(int kind) {
    m_texts[kind]->setText(FromCp932(ElementFontLabel(kind, m_work[kind])));
}

void CElementFontDlg::Choose(int kind) {
    FontSelDlgRequest request;
    LOGFONT& font = m_work[kind];
    request.font = kind == kFontHeader ? HeaderFontForChoice(font) : font;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    font = kind == kFontHeader ? HeaderFontChosen(request.font, font) : request.font;
    ShowFont(kind);
}

void CElementFontDlg::accept() {
    SetHeaderFontEnabled(m_work[kFontHeader], m_headerOn->isChecked());
    m_fonts = m_work;
    QDialog::accept();
}

} // namespace tembra
