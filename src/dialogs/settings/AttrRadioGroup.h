// A row of radio buttons filled from a code table, as the attribute dialogs show their short
// lists: the buttons carry the template ids firstId, firstId + 1 … as object names and their
// table positions as the group's ids, so checkedId() is the position chosen.
#pragma once

#include "dialogs/attributes/core/AttrCodeTables.h"

#include <span>

class QBoxLayout;
class QButtonGroup;
class QWidget;

namespace tembra {

QButtonGroup* MakeRadioGroup(QWidget* parent, QBoxLayout* layout, int firstId,
                             std::span<const CodeEntry> table);
// Checks the button of a position (none for a position outside the table).
void CheckPosition(QButtonGroup* group, int position);

} // namespace tembra
