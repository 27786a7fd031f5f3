// The element fonts dialog (194 "フォント設定"): the eight fonts of the initial settings, each
// chosen in the font selection dialog from the button of its element and shown beside it. The
// header font is chosen by its face only; its height word is the switch "有効". The caller sets
// the fonts before running the dialog and takes them back after IDOK; 取消 leaves them as they
// were set. The controls carry their ids as object names.
#pragma once

#include "dialogs/settings/core/ElementFonts.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;

namespace tembra {

class CElementFontDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 194;
    // The button of font kind k (kFontDate ...) is IDC_FIRST_BUTTON + k, its text
    // IDC_FIRST_TEXT + k.
    static constexpr int IDC_FIRST_BUTTON = 1400;
    static constexpr int IDC_FIRST_TEXT = 1410;
    static constexpr int IDC_HEADER_ON = 1420;

    explicit CElementFontDlg(QWidget* parent = nullptr);
    ~CElementFontDlg() override;

    void SetFonts(const ElementFontSet& fonts);
    // The fonts as set, or as chosen once 決定 was pressed.
    const ElementFontSet& GetFonts() const { return m_fonts; }

    // Runs the dialog: IDOK after the fonts were taken, else IDCANCEL.
    int DoModal();
    void accept() override;

private:
    // The font selection dialog on a copy of the element's font.
    void Choose(int kind);
    void ShowFont(int kind);

    ElementFontSet m_fonts{};
    ElementFontSet m_work{};
    std::array<QLabel*, kFontKindCount> m_texts{};
    QCheckBox* m_headerOn = nullptr;
};

} // namespace tembra
