// The extended page of the area-name sheet (拡張設定): the item-column count, the style radios,
// the three split checks, the list of cells with the text of the selected one, its text and
// line settings, and the preview.
#pragma once

#include "render/AreaNameSheetValues.h"
#include "render/ui/AreaNameStyleControls.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tembra {

class CAreaNamePreviewButton;
class CAreaNameSheet;

class CAreaNameP2 : public QWidget {
    Q_OBJECT
public:
    enum : int {
        IDD = 411,
        IDC_COLUMNS = CAreaNameStyleControls::IDC_COLUMNS,
        IDC_STYLE_STANDARD = CAreaNameStyleControls::IDC_STYLE_STANDARD,
        IDC_STYLE_EXTENDED = CAreaNameStyleControls::IDC_STYLE_EXTENDED,
        IDC_BY_COLUMNS = 1062,
        IDC_BY_ROWS = 1063,
        IDC_SLANT = 1064,
        IDC_CELLS = 1077,
        IDC_CELL_TEXT = 1065,
        IDC_CELL_FONT = 1066,
        IDC_CELL_LINE = 1067,
        IDC_PREVIEW = 1068,
    };

    CAreaNameP2(CAreaNameSheet* sheet, QWidget* parent);
    ~CAreaNameP2() override;

    void ShowStyle(int style) { m_style.ShowStyle(style); }
    // Coming to the front: style 1 without switching pages, the list rebuilt and the column
    // count shown.
    void Activate();

private:
    void SplitChanged();
    void RebuildList();
    void Select(int index);
    int& Remembered();
    AreaNameListEntry* Selected();
    void EditFont();
    void EditLines();

    CAreaNameSheet* m_sheet;
    CAreaNameStyleControls m_style;
    QCheckBox* m_byColumns = nullptr;
    QCheckBox* m_byRows = nullptr;
    QCheckBox* m_slant = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_text = nullptr;
    QPushButton* m_font = nullptr;
    QPushButton* m_line = nullptr;
    CAreaNamePreviewButton* m_preview = nullptr;
    std::vector<AreaNameListEntry> m_entries;
    // The selection remembered for the grid and for the diagonal split.
    int m_gridSelection = 0;
    int m_slantSelection = 0;
    bool m_filling = false;
};

} // namespace tembra
