// The font settings dialog (413 "フォント設定"): the fonts of eight chart elements for each of
// six papers, chosen through the font selection; the header's "有効" flag per paper. 決定
// copies the table into the settings.
#pragma once

#include "dialogs/attributes/core/FontSetTable.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace tembra {

class CFontSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 413;
    enum : int { IDC_PAPER = 1494, IDC_HEADER_ON = 2048, IDC_RESET = 1290 };
    struct Element {
        int kind;
        int button;
        int text;
        const char* name;
    };
    static const std::array<Element, 8> kElements;

    CFontSetDlg(CConfigBase& config, QWidget* parent = nullptr);

    void accept() override;

private:
    void ShowPaper();
    void Choose(const Element& element);

    CConfigBase& m_config;
    FontSetTable m_table;
    int m_paper = 0;
    QComboBox* m_papers = nullptr;
    QCheckBox* m_headerOn = nullptr;
    std::array<QLabel*, 8> m_texts{};
};

} // namespace tembra
