// The document as a command target: the commands of its own menus run on it and set their menu
// state through it (the event and item attribute menus so far).
#pragma once

#include "shell/core/CommandRouter.h"

namespace tembra {

class CTembraDoc;

class CDocumentCommands : public ICommandTarget {
public:
    explicit CDocumentCommands(CTembraDoc& document) : m_document(document) {}

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

private:
    CTembraDoc& m_document;
};

} // namespace tembra
