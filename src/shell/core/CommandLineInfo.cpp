#include "shell/core/CommandLineInfo.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tembra {

namespace {

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

enum class Switch { None, Print, PrintTo, Dde, Embedding, Automation, Unregister };

Switch SwitchOf(std::string_view arg) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) {
        return Switch::None;
    }
    const std::string_view name = arg.substr(1);
    struct Entry {
        const char* name;
        Switch value;
    };
    static constexpr Entry kSwitches[] = {
        {"p", Switch::Print},
        {"pt", Switch::PrintTo},
        {"dde", Switch::Dde},
        {"Embedding", Switch::Embedding},
        {"Automation", Switch::Automation},
        {"Unregister", Switch::Unregister},
        {"Unregserver", Switch::Unregister},
    };
    for (const Entry& e : kSwitches) {
        if (SameNoCase(name, e.name)) {
            return e.value;
        }
    }
    return Switch::None;
}

} // namespace

void CCommandLineInfo::Parse(const std::vector<std::string>& args) {
    m_bEmpty = args.empty();
    int parameters = 0; // plain arguments seen: the file, then PrintTo's printer, driver, port
    for (const std::string& arg : args) {
        switch (SwitchOf(arg)) {
        case Switch::Print:
            m_nShellCommand = FilePrint;
            continue;
        case Switch::PrintTo:
            m_nShellCommand = FilePrintTo;
            continue;
        case Switch::Dde:
            m_nShellCommand = FileDDE;
            continue;
        case Switch::Embedding:
            m_bRunEmbedded = true;
            m_nShellCommand = FileNothing;
            continue;
        case Switch::Automation:
            m_bRunAutomated = true;
            m_nShellCommand = FileNothing;
            continue;
        case Switch::Unregister:
            m_nShellCommand = AppUnregister;
            continue;
        case Switch::None:
            break;
        }
        switch (parameters++) {
        case 0:
            m_strFileName = arg;
            break;
        case 1:
            m_strPrinterName = arg;
            break;
        case 2:
            m_strDriverName = arg;
            break;
        case 3:
            m_strPortName = arg;
            break;
        default:
            break;
        }
    }
    if (m_nShellCommand == FileNew && !m_strFileName.empty()) {
        m_nShellCommand = FileOpen;
    }
}

} // namespace tembra
