// The sheet of the item columns and the area names (列数と欄名称設定): a standard page with one
// heading for the items and one for the dates, and an extended page with one cell per item
// column and date row, split as a grid or diagonally, with its preview. The pages are switched
// by their style radios only (the tabs are hidden); the page shown at 決定 gives the style.
// The sheet edits copies and writes them into the source set on 決定.
#pragma once

#include "platform/Types.h"
#include "platform/qt/PropertySheet.h"
#include "render/AreaNameSheetValues.h"

namespace tembra {

class CAreaNameP1;
class CAreaNameP2;

class CAreaNameSheet : public CPropertySheet {
    Q_OBJECT
public:
    // source: the set to edit (null: the pages are only built); documentColumns: the item
    // columns of the chart the set belongs to, in and out, or null for the user defaults;
    // baseFont: the item area's font, which a cell without a font of its own uses.
    CAreaNameSheet(CAreaNameSet* source, int dateRows, int* documentColumns,
                   const LOGFONT& baseFont, const QString& caption, QWidget* parent);
    ~CAreaNameSheet() override;

    AreaNameSheetValues& Values() { return m_values; }
    const LOGFONT& BaseFont() const { return m_baseFont; }
    CAreaNameP1* StandardPage() const { return m_p1; }
    CAreaNameP2* ExtendedPage() const { return m_p2; }

    // Sets the style on both pages' radios; with activate the page of that style comes to the
    // front.
    void SetStyle(int style, bool activate);
    // Writes the values into the source.
    bool Apply();

private:
    void PageActivated(int index);

    CAreaNameSet* m_source = nullptr;
    int* m_documentColumns = nullptr;
    LOGFONT m_baseFont;
    AreaNameSheetValues m_values;
    CAreaNameP1* m_p1 = nullptr;
    CAreaNameP2* m_p2 = nullptr;
    bool m_extendedShown = false;
};

} // namespace tembra
