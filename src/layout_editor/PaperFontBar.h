// The paper/font bar: a tool bar holding three combo boxes, the paper list, the font-name list
// and the font-height box, each in its own small "ＭＳ 明朝". The font-name list keeps, beside
// each face, the font record the font catalogue gives for it; the bar owns these copies. The
// view handles what the boxes report, and the bar shows the view's face, height and paper.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <QComboBox>
#include <QToolBar>

#include <string>
#include <vector>

namespace tembra {
class IFontCatalog;
}

namespace marquell {

class CMarquellView;

// The font-height box: opening its list selects the entry of the number it shows, or none
// (the text kept and selected whole).
class CFontHeightBox : public QComboBox {
    Q_OBJECT
public:
    explicit CFontHeightBox(QWidget* parent);
    void showPopup() override;
};

class CPaperFontBar : public QToolBar {
    Q_OBJECT
public:
    // The widths of the three boxes (pixels).
    static constexpr int kPaperWidth = 80;
    static constexpr int kFontWidth = 184;
    static constexpr int kHeightWidth = 140;

    explicit CPaperFontBar(QWidget* parent = nullptr);

    QComboBox* PaperList() const { return m_paper; }
    QComboBox* FontList() const { return m_font; }
    CFontHeightBox* HeightBox() const { return m_height; }
    // The font record of a face of the list (nullptr outside it).
    const LOGFONT* FontOf(int index) const;

    // The papers, the catalogue's faces (no vertical ones) with their records, the heights;
    // "ＭＳ 明朝" chosen.
    void Fill(const tembra::IFontCatalog& fonts);
    // The boxes report to the view.
    void Connect(CMarquellView& view);
    // The boxes show the view's paper (the list closed in temporary-edit mode), face and height;
    // the height is left alone while it is being typed.
    void UpdateFromView(const CMarquellView& view, bool temporaryEdit);
    // After a layout was opened: the view's face chosen, and its record handed to the view.
    void SyncView(CMarquellView& view);
    // Before each mouse move over the view: a height typed without its unit is shown as
    // "%3d x0.1mm" (the view's height when the number is below 1).
    void NormalizeHeight(const CMarquellView& view);

private:
    void ShowFace(const std::string& face);

    QComboBox* m_paper;
    QComboBox* m_font;
    CFontHeightBox* m_height;
    std::vector<LOGFONT> m_records;
    std::string m_shownFace;
};

} // namespace marquell
