// The layout command (ID_LAYOUT_EDIT): the layout editor "marquell", started beside the main
// program's own executable without waiting, on the layout file chosen (or none, for a new layout)
// with the paper of the active chart. The arguments go to the editor as a list, so a blank in a
// path needs no quotes.
#pragma once

#include "platform/Types.h"
#include "print/LayoutSelectRequest.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

// "レイアウトエディタの呼び出しに失敗しました"
constexpr UINT IDS_LAYOUT_EDITOR_FAILED = 5090;

struct ProcessCommand {
    std::string program;           // file-system path
    std::vector<std::string> args; // file-system texts
    bool operator==(const ProcessCommand&) const = default;
};

// The editor's paper switch for a paper code: "/A4", "/B4", "/A3", "/A3TATE", "/A2", "/A1";
// nothing for any other code.
std::optional<std::string> PaperSwitch(int paper);

// The editor in programFolder, the layout file folder + fileName when one was chosen, and the
// paper switch of the active chart's paper (none without a chart window).
ProcessCommand BuildLayoutEditorCommand(const std::string& programFolder,
                                        const std::string& layoutFolder,
                                        const std::string& fileName, std::optional<int> paper);

// Runs the command: the layout selection, then the start of the editor by launch (which answers
// whether the process started); a failed start shows 5090. FALSE when cancelled or failed.
BOOL RunLayoutEditorCommand(const std::string& programFolder, const std::string& layoutFolder,
                            std::optional<int> paper,
                            const std::function<bool(const ProcessCommand&)>& launch);

} // namespace tembra
