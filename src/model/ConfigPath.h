// The file-name settings part: the program's folders and file names, kept in the user profile
// section "Path". The application's settings hold one; every document's settings record copies
// it.
#pragma once

#include "model/ConfigKeys.h"
#include "platform/Types.h"

#include <filesystem>
#include <string>

namespace tembra {

// Folders and file names ("Path"). Texts are CP932; a folder ends in the path separator.
// Copied by plain assignment.
class CConfigPath {
public:
    static constexpr const char* kSection = "Path";
    static constexpr const char* kMasterLayout = "MASTER01.LYT";

    CConfigPath() = default;
    virtual ~CConfigPath() = default;

    // Every folder becomes the program folder (the backup folder its "BackUp" sub-folder) and
    // every file name its default; then, when asked, "DataPath", the layout file (checked by
    // CheckLayoutFile) and "LayoutTempFileName" are read.
    virtual BOOL Read(BOOL fromProfile);
    // "DataPath", "LayoutFileName", "LayoutTempFileName", only under kConfigPath.
    virtual BOOL Write(UINT mask);
    // Reads "LayoutFileName"; a name other than "MASTER01.LYT" must name a file that can be
    // opened in the layout folder, or the user is told and "MASTER01.LYT" is taken. The name is
    // kept and written back.
    void CheckLayoutFile();

    // The program folder (also the layout folder).
    const std::string& GetFolder() const { return m_layoutDir; }
    const std::string& GetDataPath() const { return m_dataDir; }
    void SetDataPath(const std::string& folder) { m_dataDir = folder; }
    const std::string& GetLayoutFileName() const { return m_layoutFile; }
    void SetLayoutFileName(const std::string& name) { m_layoutFile = name; }
    const std::string& GetLayoutTempFileName() const { return m_layoutTempFile; }
    void SetLayoutTempFileName(const std::string& name) { m_layoutTempFile = name; }
    const std::string& GetBackupDir() const { return m_backupDir; }
    const std::string& GetYogoFileName() const { return m_yogoFile; }
    const std::string& GetMyYogoFileName() const { return m_myYogoFile; }
    const std::string& GetHistoryFileName() const { return m_historyFile; }
    const std::string& GetShiftFileName() const { return m_shiftFile; }
    const std::string& GetYogoDir() const { return m_yogoDir; }
    const std::string& GetHistoryDir() const { return m_historyDir; }

    // Folder joined with file name.
    std::string GetLayoutFilePath() const { return m_layoutDir + m_layoutFile; }
    std::string GetLayoutTempPath() const { return m_layoutDir + m_layoutTempFile; }
    std::string GetBacklogFile() const { return m_backupDir + m_backlogFile; }
    std::string GetBacklogOldFile() const { return m_backupDir + m_backlogOldFile; }
    std::string GetShiftFilePath() const { return m_shiftDir + m_shiftFile; }
    std::string GetYogoFilePath() const { return m_yogoDir + m_yogoFile; }
    std::string GetMyYogoFilePath() const { return m_yogoDir + m_myYogoFile; }
    std::string GetHistoryFilePath() const { return m_historyDir + m_historyFile; }

    bool operator==(const CConfigPath&) const = default;

private:
    // The table of the fifteen texts; the folders default to the program folder.
    ConfigKeyTable Keys(const std::string& program);

    // The seven folders and eight file names, in the order of the part.
    std::string m_dataDir;
    std::string m_yogoDir;
    std::string m_historyDir;
    std::string m_layoutDir;
    std::string m_shiftDir;
    std::string m_backupDir;
    std::string m_spareDir;
    std::string m_yogoFile;
    std::string m_myYogoFile;
    std::string m_historyFile;
    std::string m_layoutFile;
    std::string m_layoutTempFile;
    std::string m_backlogFile;
    std::string m_backlogOldFile;
    std::string m_shiftFile;
};

// A CP932 path text as a path of the file system.
std::filesystem::path ConfigPathToFs(const std::string& cp932);

} // namespace tembra
