// The controls the resource-chart sheets and their editors build alike: the colour list whose
// "その他" asks for the custom colour through the colour request, an editable number combo, the
// font list of the screen's scalable faces, and the five resource rows of a page with "▼次"
// (1853) and "▲前" (1854).
#pragma once

#include "dialogs/attributes/core/ChartSheetFields.h"
#include "model/Shigen.h"
#include "platform/Types.h"

#include <QListWidget>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;
class QWidget;

namespace tembra {

class CColorComboBox;

inline constexpr int IDC_NEXT_ROWS = 1853;
inline constexpr int IDC_PREVIOUS_ROWS = 1854;

// The colour list of the bars bound to choice: it shows choice's position and custom colour,
// a pick sets the position, and picking "その他" asks for a colour starting from the custom one,
// whose OK replaces it (Cancel keeps it). choice must outlive the combo.
CColorComboBox* MakeChoiceColorCombo(QWidget* parent, int id, ColorChoice* choice);
// An editable combo of texts (UTF-8) taking at most maxLength characters.
QComboBox* MakeTextCombo(QWidget* parent, int id, const std::vector<std::string>& texts,
                         int maxLength);
// A drop-down list of the table's texts.
QComboBox* MakeTableCombo(QWidget* parent, int id, std::span<const CodeEntry> table);
QPushButton* MakePageButton(QWidget* parent, int id, const char* text);

// Brings the page of a sheet to the front and puts the focus on field, with its text selected
// when it has one: where a refused value is typed again.
void FocusOnPage(QWidget* page, QWidget* field);

// The resource at index of the table: its name (CP932) when the entry exists.
bool ResourceName(const CShigenNameTable& names, int index, std::string& name);

// The font list of a page: the scalable faces of the screen without the vertical ones, each
// entry keeping its font record.
class CChartFaceList : public QListWidget {
    Q_OBJECT
public:
    CChartFaceList(QWidget* parent, int id);
    // Lists the faces (once) and selects the face of font.
    void Select(const LOGFONT& font);
    // The record of the selected face; font itself when none is selected.
    LOGFONT SelectedFace(const LOGFONT& font) const;

private:
    std::vector<LOGFONT> m_faces;
    bool m_filled = false;
};

} // namespace tembra
