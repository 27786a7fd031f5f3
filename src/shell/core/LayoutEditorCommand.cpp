#include "shell/core/LayoutEditorCommand.h"

#include "platform/Sjis.h"

namespace tembra {

std::optional<std::string> PaperSwitch(int paper) {
    static constexpr const char* kSwitches[] = {"/A4", "/B4", "/A3", "/A3TATE", "/A2", "/A1"};
    if (paper < 0 || paper >= static_cast<int>(std::size(kSwitches))) {
        return std::nullopt;
    }
    return kSwitches[paper];
}

ProcessCommand BuildLayoutEditorCommand(const std::string& programFolder,
                                        const std::string& layoutFolder,
                                        const std::string& fileName, std::optional<int> paper) {
    ProcessCommand command;
    command.program = programFolder;
    if (!command.program.empty() && command.program.back() != '/') {
        command.program += '/';
    }
    command.program += "marquell";
    if (!fileName.empty()) {
        command.args.push_back(layoutFolder + fileName);
    }
    if (paper) {
        if (std::optional<std::string> paperSwitch = PaperSwitch(*paper)) {
            command.args.push_back(*paperSwitch);
        }
    }
    return command;
}

BOOL RunLayoutEditorCommand(const std::string& programFolder, const std::string& layoutFolder,
                            std::optional<int> paper,
                            const std::function<bool(const ProcessCommand&)>& launch) {
    LayoutSelectRequest select;
    if (Ui().RunDialog(select) != IDOK) {
        return FALSE;
    }
    const ProcessCommand command = BuildLayoutEditorCommand(
        programFolder, Sjis::ToUtf8(layoutFolder), Sjis::ToUtf8(select.fileName), paper);
    if (!launch(command)) {
        AfxMessageBox(IDS_LAYOUT_EDITOR_FAILED, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

} // namespace tembra
