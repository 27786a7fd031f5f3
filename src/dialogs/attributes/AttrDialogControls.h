// The controls the attribute dialogs build alike: a combo filled from its code table, the
// colour combo whose "その他" asks for the custom colour through the colour request, a number
// field, and a change box of the selection mode.
#pragma once

#include "dialogs/attributes/core/AttrCodeTables.h"
#include "platform/Types.h"

#include <QString>

#include <functional>
#include <span>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace tembra {

// A drop-down list with the table's texts, its id as object name.
QComboBox* MakeCodeCombo(QWidget* parent, int id, std::span<const CodeEntry> table);
// The colour list; picking "その他" opens the colour dialog preset with *custom, whose OK
// replaces *custom (Cancel changes nothing). picked runs after every pick.
QComboBox* MakeColorCombo(QWidget* parent, int id, COLORREF* custom,
                          std::function<void()> picked = {});
// Asks for a colour starting from color; true with the colour chosen on OK.
bool AskColor(COLORREF& color);
QLineEdit* MakeNumberEdit(QWidget* parent, int id, int maxLength);
QCheckBox* MakeCheck(QWidget* parent, int id, const char* text);

} // namespace tembra
