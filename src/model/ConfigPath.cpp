#include "model/ConfigPath.h"

#include "model/ConfigMask.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <fstream>
#include <system_error>

namespace tembra {

namespace {
constexpr const char* kLayoutFileKey = "LayoutFileName";
} // namespace

std::filesystem::path ConfigPathToFs(const std::string& cp932) {
    return std::filesystem::path(Sjis::ToUtf8(cp932));
}

ConfigKeyTable CConfigPath::Keys(const std::string& program) {
    return {
        ConfigKey::Text("DataPath", m_dataDir, program),
        ConfigKey::Text(nullptr, m_yogoDir, program),
        ConfigKey::Text(nullptr, m_historyDir, program),
        ConfigKey::Text(nullptr, m_layoutDir, program),
        ConfigKey::Text(nullptr, m_shiftDir, program),
        ConfigKey::Text(nullptr, m_backupDir, program + "BackUp/"),
        ConfigKey::Text(nullptr, m_spareDir, program),
        ConfigKey::Text(nullptr, m_yogoFile, "YOGO.INI"),
        ConfigKey::Text(nullptr, m_myYogoFile, "MYYOGO.INI"),
        ConfigKey::Text(nullptr, m_historyFile, "HISTORY.INI"),
        ConfigKey::Text(kLayoutFileKey, m_layoutFile, kMasterLayout).ReadBy([this] {
            CheckLayoutFile();
        }),
        ConfigKey::Text("LayoutTempFileName", m_layoutTempFile, "LAYTEMP0.LY$"),
        ConfigKey::Text(nullptr, m_backlogFile, "Backlog.lst"),
        ConfigKey::Text(nullptr, m_backlogOldFile, "Backlog.old"),
        ConfigKey::Text(nullptr, m_shiftFile, "SHIFT.INI"),
    };
}

BOOL CConfigPath::Read(BOOL fromProfile) {
    const std::string program = Sjis::FromUtf8(Paths::GetExeDirFile());
    // The standard layout is shipped with the program; asking for it puts a copy into the
    // program folder when there is none yet.
    Paths::GetShippedExeDirFile(kMasterLayout);
    return ReadPartKeys(kSection, Keys(program), fromProfile);
}

void CConfigPath::CheckLayoutFile() {
    std::string name = GetProfileString(kSection, kLayoutFileKey, m_layoutFile);
    if (name != kMasterLayout) {
        // Only a file that opens for reading is a layout; a folder (an empty name names the
        // layout folder itself) opens on this system but is no layout.
        if (!name.empty()) {
            Paths::GetExeDirFile(Sjis::ToUtf8(name)); // a shipped layout of that name
        }
        const std::filesystem::path path = ConfigPathToFs(m_layoutDir + name);
        std::error_code ec;
        bool usable = std::filesystem::is_regular_file(path, ec);
        if (usable) {
            std::ifstream probe(path, std::ios::binary);
            usable = probe.is_open();
        }
        if (!usable) {
            AfxMessageBox(Sjis::FromUtf8("指定の書式ファイルが存在しないか異常です。\n"
                                         "標準の書式ファイルで初期化します。"),
                          MB_OK);
            name = kMasterLayout;
        }
    }
    m_layoutFile = name;
    WriteProfileString(kSection, kLayoutFileKey, m_layoutFile.c_str());
}

BOOL CConfigPath::Write(UINT mask) {
    if ((mask & kConfigPath) == 0) {
        return TRUE;
    }
    // Only the keyed texts are written; their defaults do not matter here.
    return WritePartKeys(kSection, Keys(m_layoutDir));
}

} // namespace tembra
