// The standard page of the area-name sheet (標準設定): the item-column count, the style radios
// and the two headings of the standard style, each with its text settings.
#pragma once

#include "render/ui/AreaNameStyleControls.h"

#include <QWidget>

class QLineEdit;

namespace tembra {

class CAreaNameSheet;

class CAreaNameP1 : public QWidget {
    Q_OBJECT
public:
    enum : int {
        IDD = 150,
        IDC_COLUMNS = CAreaNameStyleControls::IDC_COLUMNS,
        IDC_STYLE_STANDARD = CAreaNameStyleControls::IDC_STYLE_STANDARD,
        IDC_STYLE_EXTENDED = CAreaNameStyleControls::IDC_STYLE_EXTENDED,
        IDC_HIZUKE_NAME = 1058,
        IDC_KOUMOKU_NAME = 1059,
        IDC_HIZUKE_FONT = 1060,
        IDC_KOUMOKU_FONT = 1061,
    };

    CAreaNameP1(CAreaNameSheet* sheet, QWidget* parent);
    ~CAreaNameP1() override;

    // Both radios take the style, without signalling a change.
    void ShowStyle(int style) { m_style.ShowStyle(style); }
    // Coming to the front: style 0 without switching pages, and the column count shown.
    void Activate();

private:
    void EditFont(unsigned no);

    CAreaNameSheet* m_sheet;
    CAreaNameStyleControls m_style;
    QLineEdit* m_hizuke = nullptr;
    QLineEdit* m_koumoku = nullptr;
};

} // namespace tembra
