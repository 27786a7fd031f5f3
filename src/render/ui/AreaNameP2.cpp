#include "render/ui/AreaNameP2.h"

#include "platform/TypedText.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/TextFieldCheck.h"
#include "render/ui/AreaNameFontDlg.h"
#include "render/ui/AreaNameGridLineDlg.h"
#include "render/ui/AreaNamePreviewButton.h"
#include "render/ui/AreaNameSheet.h"
#include "render/ui/AreaNameSlantLineDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr QSize kPreviewSize(240, 120);

} // namespace

CAreaNameP2::CAreaNameP2(CAreaNameSheet* sheet, QWidget* parent)
    : QWidget(parent), m_sheet(sheet), m_style(this, sheet) {
    setObjectName(IdName(IDD));
    const AreaNameSheetValues& values = m_sheet->Values();

    connect(m_style.Columns(), &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            SplitChanged();
        }
    });

    const auto check = [this](int id, const char* caption, bool on,
                              bool AreaNameSheetValues::*member) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(IdName(id));
        box->setChecked(on);
        connect(box, &QCheckBox::toggled, this, [this, member](bool checked) {
            m_sheet->Values().*member = checked;
            SplitChanged();
        });
        return box;
    };
    m_byColumns = check(IDC_BY_COLUMNS, "項目欄に合わせ分割", values.byColumns,
                        &AreaNameSheetValues::byColumns);
    m_byRows =
        check(IDC_BY_ROWS, "日付欄に合わせ分割", values.byRows, &AreaNameSheetValues::byRows);
    m_slant = check(IDC_SLANT, "斜めに分割", values.slant, &AreaNameSheetValues::slant);

    m_list = new QListWidget(this);
    m_list->setObjectName(IdName(IDC_CELLS));
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || row < 0) {
            return;
        }
        // A cell's text CP932 cannot hold keeps its cell chosen, with its message.
        if (!CheckTextField(m_text)) {
            m_filling = true;
            m_list->setCurrentRow(Remembered());
            m_filling = false;
            return;
        }
        Select(row);
    });
    m_text = new QLineEdit(this);
    m_text->setObjectName(IdName(IDC_CELL_TEXT));
    m_text->setMaxLength(AreaNameSheetValues::kTextLimit);
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Only a text the file can hold reaches the cell; 決定 names the rest.
        if (AreaNameListEntry* entry = Selected();
            entry && FindUnstorable(text.toStdString()).empty()) {
            m_sheet->Values().CellOf(*entry).SetText(ToCp932(text));
            m_preview->update();
        }
    });
    m_font = new QPushButton(QString::fromUtf8("文字設定"), this);
    m_font->setObjectName(IdName(IDC_CELL_FONT));
    connect(m_font, &QPushButton::clicked, this, &CAreaNameP2::EditFont);
    m_line = new QPushButton(QString::fromUtf8("線設定"), this);
    m_line->setObjectName(IdName(IDC_CELL_LINE));
    connect(m_line, &QPushButton::clicked, this, &CAreaNameP2::EditLines);
    m_preview = new CAreaNamePreviewButton(&m_sheet->Values(), this);
    m_preview->setObjectName(IdName(IDC_PREVIEW));
    m_preview->setFixedSize(kPreviewSize);

    auto* top = new QGridLayout;
    top->addWidget(m_byColumns, 0, 0);
    top->addWidget(m_byRows, 0, 1);
    top->addWidget(m_slant, 0, 2);
    auto* cell = new QGridLayout;
    cell->addWidget(new QLabel(QString::fromUtf8("位置"), this), 0, 0);
    cell->addWidget(m_list, 1, 0, 3, 1);
    cell->addWidget(m_text, 1, 1, 1, 2);
    cell->addWidget(m_font, 2, 1);
    cell->addWidget(m_line, 2, 2);
    cell->addWidget(m_preview, 3, 1, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_style.ColumnsRow());
    layout->addLayout(m_style.StyleRow());
    layout->addLayout(top);
    layout->addLayout(cell);
}

CAreaNameP2::~CAreaNameP2() = default;

void CAreaNameP2::Activate() {
    m_sheet->SetStyle(AreaNameSheetValues::kStyleExtended, false);
    m_style.ShowColumns(m_sheet->Values().columns);
    RebuildList();
}

int& CAreaNameP2::Remembered() {
    return m_sheet->Values().slant ? m_slantSelection : m_gridSelection;
}

void CAreaNameP2::SplitChanged() {
    m_gridSelection = 0;
    m_slantSelection = 0;
    RebuildList();
}

void CAreaNameP2::RebuildList() {
    m_entries = m_sheet->Values().CellList();
    {
        m_filling = true;
        m_list->clear();
        for (const AreaNameListEntry& entry : m_entries) {
            m_list->addItem(QString::fromStdString(entry.label));
        }
        m_filling = false;
    }
    const int remembered = Remembered();
    Select(remembered >= 0 && remembered < static_cast<int>(m_entries.size()) ? remembered : 0);
}

void CAreaNameP2::Select(int index) {
    Remembered() = index;
    {
        m_filling = true;
        m_list->setCurrentRow(index);
        m_filling = false;
    }
    const AreaNameListEntry* entry = Selected();
    m_text->setText(entry != nullptr ? FromCp932(m_sheet->Values().CellOf(*entry).GetText())
                                     : QString());
    m_line->setEnabled(entry != nullptr && m_sheet->Values().HasLineSettings(*entry));
    m_preview->SetSelected(index);
}

AreaNameListEntry* CAreaNameP2::Selected() {
    const int index = Remembered();
    if (index < 0 || index >= static_cast<int>(m_entries.size())) {
        return nullptr;
    }
    return &m_entries[static_cast<std::size_t>(index)];
}

void CAreaNameP2::EditFont() {
    const AreaNameListEntry* entry = Selected();
    if (entry == nullptr) {
        return;
    }
    CAreaNameData& cell = m_sheet->Values().CellOf(*entry);
    const int mode = entry->slant ? AreaNameFontValues::kSlant : AreaNameFontValues::kGrid;
    CAreaNameFontDlg dialog(AreaNameFontValues::FromCell(cell, m_sheet->BaseFont(), mode), this);
    if (dialog.exec() == QDialog::Accepted) {
        dialog.Values().StoreInto(cell);
        m_preview->update();
    }
}

void CAreaNameP2::EditLines() {
    const AreaNameListEntry* entry = Selected();
    if (entry == nullptr) {
        return;
    }
    AreaNameSheetValues& values = m_sheet->Values();
    if (entry->slant) {
        CAreaNameDataSlant& cell = *values.cells.FindSlant(DWORD(entry->no));
        CAreaNameSlantLineDlg dialog(cell, this);
        if (dialog.exec() == QDialog::Accepted) {
            dialog.StoreInto(cell);
        }
    } else {
        CAreaNameDataGrid& cell = *values.cells.FindGrid(DWORD(entry->row), DWORD(entry->column));
        CAreaNameGridLineDlg dialog(cell, this);
        if (dialog.exec() == QDialog::Accepted) {
            dialog.StoreInto(cell);
        }
    }
    m_preview->update();
}

} // namespace tembra
