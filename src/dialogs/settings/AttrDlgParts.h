// What the attribute dialogs of progress lines, terms and shapes build alike: a row of radio
// buttons filled from a code table (the buttons carry the template ids firstId, firstId + 1 … as
// object names and their table positions as the group's ids, so checkedId() is the position
// chosen), the row of buttons at the bottom, and Enter moving on from every field, list and box
// of a dialog.
#pragma once

#include "dialogs/attributes/core/AttrCodeTables.h"

#include <initializer_list>
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
// The bottom row: the dialog's own buttons (初期化, フォント …) on the left, 決定 and 取消 on the
// right, Enter on them pressing them.
void AddBottomRow(QDialog* dialog, QBoxLayout* layout, CEnterMovesFocus* enter,
                  std::initializer_list<QWidget*> own);
// Watches every field, list, radio button and check box of the dialog.
void WatchFields(CEnterMovesFocus* enter, QDialog* dialog);

} // namespace tembra
