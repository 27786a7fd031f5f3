#include "layout_editor/core/CommandLine.h"

namespace marquell {

bool CCommandLineInfo::IsSwitch(const std::string& argument) {
    if (argument.empty()) {
        return false;
    }
    if (argument.front() == '-') {
        return true;
    }
    return argument.front() == '/' && argument.find('/', 1) == std::string::npos;
}

void CCommandLineInfo::Parse(const std::vector<std::string>& arguments) {
    fileName.clear();
    switches.clear();
    for (const std::string& argument : arguments) {
        if (IsSwitch(argument)) {
            switches.push_back(argument);
        } else if (fileName.empty() && !argument.empty()) {
            fileName = argument;
        }
    }
}

} // namespace marquell
