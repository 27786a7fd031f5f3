// The document as a command target: the commands of its own menus run on it and set their menu
// state through it: the file commands (Save, Save As, Insert, data information), the Edit menu's
// select all or clear, the groups of the document's command tables
// (document/commands/DocCommandTable.h) and the value commands of the attribute menus.
#pragma once

#include "shell/core/CommandRouter.h"

#include <functional>
#include <utility>

namespace tembra {

class CTembraDoc;

class CDocumentCommands : public ICommandTarget {
public:
    // Whether the user interface has the dialog of that name (a command that needs a dialog
    // the program does not have yet is disabled); none: every dialog is there.
    using DialogAvailable = std::function<bool(const char* name)>;

    explicit CDocumentCommands(CTembraDoc& document, DialogAvailable dialogs = {})
        : m_document(document), m_dialogs(std::move(dialogs)) {}

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

private:
    bool HasDialog(const char* name) const { return !m_dialogs || m_dialogs(name); }

    CTembraDoc& m_document;
    DialogAvailable m_dialogs;
};

} // namespace tembra
