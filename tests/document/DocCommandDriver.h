// Runs a command of the document's command tables by its id and reads its menu state, as the
// application's routing does.
#pragma once

#include "document/TembraDoc.h"
#include "document/commands/DocCommandTable.h"

#include <gtest/gtest.h>

namespace tembra::test {

inline void RunCommand(CTembraDoc& doc, UINT id) {
    const DocCommand* command = FindDocCommand(id);
    ASSERT_NE(command, nullptr) << id;
    ASSERT_NE(command->run, nullptr) << id;
    command->run(doc);
}

inline CCmdUI CommandState(CTembraDoc& doc, UINT id) {
    CCmdUI cmdUI(id);
    const DocCommand* command = FindDocCommand(id);
    EXPECT_NE(command, nullptr) << id;
    if (command != nullptr && command->update != nullptr) {
        command->update(doc, &cmdUI);
    }
    return cmdUI;
}

} // namespace tembra::test
