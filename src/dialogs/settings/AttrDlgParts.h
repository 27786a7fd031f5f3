// What the attribute dialogs of progress lines, terms and shapes build alike: a row of radio
// buttons filled from a code table (the buttons carry the template ids firstId, firstId + 1 … as
// object names and their table positions as the group's ids, so checkedId() is the position
// chosen), and Enter moving on from every field, list and box of a dialog.
#pragma once

#include "dialogs/attributes/core/AttrCodeTables.h"

#include <span>

class QBoxLayout;
class QButtonGroup;
class QDialog;
class QWidget;

namespace tembra {

QButtonGroup* MakeRadioGroup(QWidget* parent, QBoxLayout* layout, int firstId,
                             std::span<const CodeEntry> table);
// Checks the button of a position (none for a position outside the table).
void CheckPosition(QButtonGroup* group, int position);

class CEnterMovesFocus;
// Watches every field, list, radio button and check box of the dialog.
void WatchFields(CEnterMovesFocus* enter, QDialog* dialog);

} // namespace tembra
