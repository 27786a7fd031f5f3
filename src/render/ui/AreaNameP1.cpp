#include "render/ui/AreaNameP1.h"

#include "platform/TypedText.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "render/ui/AreaNameFontDlg.h"
#include "render/ui/AreaNameSheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr DWORD kKoumokuCell = 0;
constexpr DWORD kHizukeCell = 1;

} // namespace

CAreaNameP1::CAreaNameP1(CAreaNameSheet* sheet, QWidget* parent)
    : QWidget(parent), m_sheet(sheet), m_style(this, sheet) {
    setObjectName(IdName(IDD));
    const auto heading = [this](int id, DWORD no) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(IdName(id));
        edit->setMaxLength(AreaNameSheetValues::kTextLimit);
        edit->setText(FromCp932(m_sheet->Values().cells.FindStd(no)->GetText()));
        // Only a text the file can hold reaches the cell; 決定 names the rest.
        connect(edit, &QLineEdit::textEdited, this, [this, no](const QString& text) {
            if (FindUnstorable(text.toStdString()).empty()) {
                m_sheet->Values().cells.FindStd(no)->SetText(ToCp932(text));
            }
        });
        return edit;
    };
    m_hizuke = heading(IDC_HIZUKE_NAME, kHizukeCell);
    m_koumoku = heading(IDC_KOUMOKU_NAME, kKoumokuCell);
    auto* hizukeFont = new QPushButton(QString::fromUtf8("文字設定"), this);
    hizukeFont->setObjectName(IdName(IDC_HIZUKE_FONT));
    connect(hizukeFont, &QPushButton::clicked, this, [this] { EditFont(kHizukeCell); });
    auto* koumokuFont = new QPushButton(QString::fromUtf8("文字設定"), this);
    koumokuFont->setObjectName(IdName(IDC_KOUMOKU_FONT));
    connect(koumokuFont, &QPushButton::clicked, this, [this] { EditFont(kKoumokuCell); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QString::fromUtf8("日付欄名称"), this), 0, 0);
    grid->addWidget(m_hizuke, 0, 1);
    grid->addWidget(hizukeFont, 0, 2);
    grid->addWidget(new QLabel(QString::fromUtf8("項目欄名称"), this), 1, 0);
    grid->addWidget(m_koumoku, 1, 1);
    grid->addWidget(koumokuFont, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_style.ColumnsRow());
    layout->addLayout(m_style.StyleRow());
    layout->addLayout(grid);
    layout->addWidget(
        new QLabel(QString::fromUtf8("※デフォルトのフォントは項目欄と同じです。"), this));
    layout->addStretch();
}

CAreaNameP1::~CAreaNameP1() = default;

void CAreaNameP1::Activate() {
    m_sheet->SetStyle(AreaNameSheetValues::kStyleStandard, false);
    m_style.ShowColumns(m_sheet->Values().columns);
}

void CAreaNameP1::EditFont(unsigned no) {
    CAreaNameDataStd& cell = *m_sheet->Values().cells.FindStd(no);
    CAreaNameFontDlg dialog(
        AreaNameFontValues::FromCell(cell, m_sheet->BaseFont(), AreaNameFontValues::kHeading),
        this);
    if (dialog.exec() == QDialog::Accepted) {
        dialog.Values().StoreInto(cell);
    }
}

} // namespace tembra
