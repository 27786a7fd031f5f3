// The settings parts of the user profile besides the chart part (ConfigChart.h), the print part
// (ConfigPrint.h) and the operation part (ConfigOperation.h): event, progress line, shape,
// colour and file-name defaults; the attribute blocks that the parts hold and that the records
// copy when they are created; and the rules every part reads and writes its keys by.
//
// Common rules: a part's Read first resets every field to its built-in default and then, when
// asked, reads each key with the current value as the fallback, so a missing key keeps the
// default. Integers are profile integers, a field narrower than 32 bits taking the low bits of
// the value read; colours are "%d,%d,%d" texts of red, green and blue; the two text-size words
// ("FontHeigh", "FontWidth") keep the low byte of their value each.
#pragma once

#include "platform/Types.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace tembra {

// ---- The write mask ---------------------------------------------------------------------------
// CConfigBase::Write takes these bits; the chart part's Write selects its sections by the same
// bits and the file-name part writes only under its own.
enum : UINT {
    kConfigSystem = 0x0001,    // "SystemConfig"
    kConfigBase = 0x0002,      // period keys; chart part: page, area names, date rows
    kConfigKoutei = 0x0004,    // chart part: "KouteiConfig", "LandConfig"
    kConfigKoumoku = 0x0008,   // chart part: "KoumokuConfig"
    kConfigYogo = 0x0010,      // chart part: "YogoConfig"
    kConfigShin = 0x0020,      // CConfigShin
    kConfigEvent = 0x0040,     // CConfigEvent
    kConfigZukei = 0x0080,     // CConfigZukei
    kConfigPrint = 0x0100,     // CConfigPrint
    kConfigOperation = 0x0200, // CConfigOperation
    kConfigColor = 0x0400,     // CConfigColor
    kConfigPath = 0x0800,      // CConfigPath
    kConfigAutoSave = 0x1000,  // "AutoSave"
    kConfigShigen = 0x2000,    // chart part: "ShigenConfig"
    kConfigFloat = 0x4000,     // "FloatOpt"
    kConfigFont = 0x8000,      // the per-paper fonts
};

// The eight font kinds of the per-paper font table.
enum : int {
    kFontDate = 0,
    kFontKoumoku = 1,
    kFontYogo = 2,
    kFontEvent = 3,
    kFontShigen = 4,
    kFontZukei = 5,
    kFontHeader = 6,
    kFontShin = 7,
    kFontKindCount = 8,
};

// ---- The application's table of current colours ----------------------------------------------
// Each colour of an object's defaults, once read from the profile, is also kept here: the
// colour bars start from these.
enum : int {
    kAppColorKoutei = 0,
    kAppColorLand = 1,
    kAppColorKoumoku = 2,
    kAppColorYogo = 3,
    kAppColorEvent = 4,
    kAppColorShin = 5,
    kAppColorShinDate = 6,
    kAppColorZukeiLine = 7,
    kAppColorZukeiHatch = 8,
    kAppColorShigen = 9,
    kAppColorCount = 10,
};
std::array<COLORREF, kAppColorCount>& AppCurrentColors();

// ---- Reading and writing keys -----------------------------------------------------------------

// "%d,%d,%d" of the colour's red, green and blue.
std::string FormatProfileColor(COLORREF color);
// Scans "%d,%d,%d"; only when three numbers are there does color become their RGB, each cut to
// its low 8 bits (300 reads as 44). FALSE, color unchanged, otherwise.
BOOL ScanProfileColor(std::string_view text, COLORREF& color);

// Each reads one key of the user profile with the current value as the fallback.
void ProfileRead(std::string_view section, std::string_view key, LONG& value);
void ProfileRead(std::string_view section, std::string_view key, WORD& value);
void ProfileRead(std::string_view section, std::string_view key, short& value);
void ProfileRead(std::string_view section, std::string_view key, std::string& value);
void ProfileReadColor(std::string_view section, std::string_view key, COLORREF& color);
// "FontHeigh" and "FontWidth": packed as (height << 8) | (width & 0xFF) into 16 bits, so that
// each word keeps its low byte ("FontHeigh" 300 becomes 44, "FontWidth" -1 becomes 255).
void ProfileReadSize(std::string_view section, WORD& height, WORD& width);

// Writes the keys of one section and remembers whether every write went through.
class ProfileWriter {
public:
    explicit ProfileWriter(std::string section) : m_section(std::move(section)) {}

    void Int(std::string_view key, int value);
    void Word(std::string_view key, WORD value) { Int(key, static_cast<int>(value)); }
    void Short(std::string_view key, short value) { Int(key, static_cast<int>(value)); }
    void Color(std::string_view key, COLORREF color);
    void Text(std::string_view key, const std::string& value);
    void Size(WORD height, WORD width);

    void SetSection(std::string section) { m_section = std::move(section); }
    bool Ok() const { return m_ok; }

private:
    std::string m_section;
    bool m_ok = true;
};

// ---- Attribute blocks -------------------------------------------------------------------------

// A three-entry line width table: normal, thin, bold ("NormalWidth", "ThinWidth", "BoldWidth").
struct CWidthSet {
    std::array<WORD, 3> m_width{3, 1, 6};

    // Entry 0, 1 or 2; any other code gives the normal entry.
    WORD GetAt(int code) const;
    void SetAt(int code, WORD width);
    void Reset() { m_width = {3, 1, 6}; }
    // Reads the three entries, each with its current value as the fallback.
    void Read(std::string_view section);
    void Write(ProfileWriter& out) const;
    bool operator==(const CWidthSet&) const = default;
};

// The text attribute block: the text-size words, placement form, colour and style flags shared
// by every text (shape texts store its first 12 bytes), followed by the event's two percent
// offsets, its own-font flag and a reserved tail.
struct CTextAttr {
    WORD m_fontHeigh = 0;
    WORD m_fontWidth = 0;
    WORD m_form = 0;
    COLORREF m_color = 0;
    WORD m_attrb = 0;
    LONG m_offsetX = 0;
    LONG m_offsetY = 0;
    short m_ownFont = 0;
    std::array<BYTE, 14> m_reserved{};

    // The packed size code height * 256 + (width & 0xFF).
    WORD GetSize() const {
        return static_cast<WORD>(((m_fontHeigh & 0xFF) << 8) | (m_fontWidth & 0xFF));
    }
    void SetSize(WORD packed) {
        m_fontHeigh = static_cast<WORD>(packed >> 8);
        m_fontWidth = static_cast<WORD>(packed & 0xFF);
    }
    void SetDefaultSize() { SetSize(0x0101); }
    void AddFlags(WORD mask) { m_attrb = static_cast<WORD>(m_attrb | mask); }
    void RemoveFlags(WORD mask) { m_attrb = static_cast<WORD>(m_attrb & ~mask); }
    bool operator==(const CTextAttr&) const = default;
};

// The item text block ("KoumokuConfig") with the item font.
struct CFontAttr {
    WORD m_fontHeigh = 0;
    WORD m_fontWidth = 0;
    WORD m_form = 0;
    COLORREF m_color = 0;
    WORD m_attrb = 0;
    WORD m_partition = 0; // seventh word
    WORD m_eventBase = 0; // eighth word
    std::array<WORD, 2> m_spare{};
    LOGFONT m_font;

    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    bool operator==(const CFontAttr&) const = default;
};

// The label block of terms and resources ("YogoConfig", "ShigenConfig") with its font.
struct CElemAttr {
    WORD m_fontHeigh = 0;
    WORD m_fontWidth = 0;
    WORD m_form = 0;
    COLORREF m_color = 0;
    WORD m_attrb = 0;
    WORD m_linkWord = 0; // seventh word: the process part the label hangs on
    WORD m_stack = 0;
    short m_linkPosition = 0;
    LONG m_offsetX = 0;
    LONG m_offsetY = 0;
    LONG m_drawerX = 0;
    LONG m_drawerY = 0;
    short m_ownFont = 0;
    LOGFONT m_font;
    WORD m_spare = 0;
    WORD m_lineSpace = 0;
    WORD m_firstSpace = 0;

    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    short GetLinkPosition() const { return m_linkPosition; }
    LONG GetOffset() const { return m_offsetX; }
    LONG GetOffsetY() const { return m_offsetY; }
    void SetOffset(LONG x) { m_offsetX = x; }
    void SetOffsetY(LONG y) { m_offsetY = y; }
    LONG GetDrawerX() const { return m_drawerX; }
    LONG GetDrawerY() const { return m_drawerY; }
    void SetDrawerX(LONG x) { m_drawerX = x; }
    void SetDrawerY(LONG y) { m_drawerY = y; }
    WORD GetLineSpace() const { return m_lineSpace; }
    WORD GetFirstSpace() const { return m_firstSpace; }
    bool operator==(const CElemAttr&) const = default;
};

// The line attribute block of a process (16 bytes in a process's line record).
struct CKouteiAttr {
    WORD m_style = 0;
    WORD m_subStyle = 0;
    WORD m_type = 0;
    short m_width = 0;
    COLORREF m_color = 0;
    WORD m_holiday = 0;
    WORD m_hatch = 0;

    WORD GetHoliday() const { return m_holiday; }
    void SetHatch(WORD hatch) { m_hatch = hatch; }
    bool operator==(const CKouteiAttr&) const = default;
};

// The attribute block of a process node ("LandConfig").
struct CLandAttr {
    WORD m_style = 0;
    WORD m_type = 0;
    COLORREF m_color = 0;
    WORD m_size = 0; // no key: 100
    WORD m_radius = 0;
    bool operator==(const CLandAttr&) const = default;
};

// The attribute record of a drawing shape ("ZukeiConfig").
struct CZukeiAttr {
    short m_style = 0;
    short m_pointMode = 0;
    WORD m_type = 0;
    short m_width = 0;
    COLORREF m_color = 0;
    WORD m_hatch = 0;
    COLORREF m_hatchColor = 0;
    WORD m_boxRay = 0;
    bool operator==(const CZukeiAttr&) const = default;
};

// The date-row style: the date font and five mode words ("BigHolidays", "YearMode",
// "MonthMode", "DayMode", "WeekMode").
struct CAreaStyle {
    static constexpr int kModeCount = 5;
    LOGFONT m_font;
    std::array<WORD, kModeCount> m_mode{};

    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    // Mode word i (0 to 4); 0 for another index.
    WORD GetMode(int i) const { return i >= 0 && i < kModeCount ? m_mode[i] : 0; }
    void SetMode(int i, WORD value) {
        if (i >= 0 && i < kModeCount) {
            m_mode[i] = value;
        }
    }
    WORD GetBigHolidays() const { return m_mode[0]; }
    bool operator==(const CAreaStyle&) const = default;
};

// The font of a kind for the paper of the application's chart part, from the application's
// font table: the font every text block starts with.
LOGFONT AppDefaultFont(int kind);

// ---- The parts --------------------------------------------------------------------------------

// Defaults of new events ("EventConfig").
class CConfigEvent {
public:
    CConfigEvent() = default;
    CConfigEvent(const CConfigEvent&) = default;
    CConfigEvent& operator=(const CConfigEvent&) = default;
    virtual ~CConfigEvent() = default;

    virtual CConfigEvent& Copy(const CConfigEvent& source);
    virtual BOOL Read(BOOL fromProfile);
    virtual BOOL Write(UINT mask);

    const CTextAttr& GetTextAttr() const { return m_attr; }
    CTextAttr& GetTextAttr() { return m_attr; }
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    // The snapping word beside the block ("Revice": bit 0x1 the start of the day, 0x2 the middle
    // of the day, 0x100 the middle of the row). The event input calls it by this name.
    WORD GetAttrb() const { return m_revice; }
    WORD GetRevice() const { return m_revice; }
    void SetRevice(WORD value) { m_revice = value; }

    static constexpr const char* kSection = "EventConfig";

private:
    CTextAttr m_attr;
    LOGFONT m_font;
    WORD m_revice = 0;
};

// Progress lines and their date labels ("ShinConfig").
class CConfigShin {
public:
    static constexpr std::size_t kDateFormatMax = 31;

    CConfigShin() = default;
    CConfigShin(const CConfigShin&) = default;
    CConfigShin& operator=(const CConfigShin&) = default;
    virtual ~CConfigShin() = default;

    virtual CConfigShin& Copy(const CConfigShin& source);
    virtual BOOL Read(BOOL fromProfile);
    virtual BOOL Write(UINT mask);

    WORD GetStyle() const { return m_style; }
    void SetStyle(WORD v) { m_style = v; }
    WORD GetSubStyle() const { return m_subStyle; }
    void SetSubStyle(WORD v) { m_subStyle = v; }
    WORD GetType() const { return m_type; }
    void SetType(WORD v) { m_type = v; }
    short GetWidth() const { return m_width; }
    void SetWidth(short v) { m_width = v; }
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF v) { m_color = v; }
    WORD GetLinked() const { return m_linked; }
    void SetLinked(WORD v) { m_linked = v; }
    const CWidthSet& GetWidthSet() const { return m_widths; }
    CWidthSet& GetWidthSet() { return m_widths; }
    COLORREF GetDateColor() const { return m_dateColor; }
    void SetDateColor(COLORREF v) { m_dateColor = v; }
    LONG GetDateValue1() const { return m_dateValue1; }
    LONG GetDateValue2() const { return m_dateValue2; }
    void SetDateValue1(LONG v) { m_dateValue1 = v; }
    void SetDateValue2(LONG v) { m_dateValue2 = v; }
    LONG GetDateDisp() const { return m_dateDisp; }
    void SetDateDisp(LONG v) { m_dateDisp = v; }
    const std::string& GetDateFormat() const { return m_dateFormat; }
    // Cut to 31 bytes on a character boundary.
    void SetDateFormat(const std::string& format);
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }

    static constexpr const char* kSection = "ShinConfig";

private:
    WORD m_style = 0;
    WORD m_subStyle = 0;
    WORD m_type = 0;
    short m_width = 0;
    COLORREF m_color = 0;
    WORD m_linked = 0;
    CWidthSet m_widths;
    COLORREF m_dateColor = 0;
    LONG m_dateValue1 = 0;
    LONG m_dateValue2 = 0;
    LONG m_dateDisp = 0;
    std::string m_dateFormat;
    LOGFONT m_font;
};

// Drawing shapes and shape texts ("ZukeiConfig").
class CConfigZukei {
public:
    CConfigZukei() = default;
    CConfigZukei(const CConfigZukei&) = default;
    CConfigZukei& operator=(const CConfigZukei&) = default;
    virtual ~CConfigZukei() = default;

    virtual CConfigZukei& Copy(const CConfigZukei& source);
    virtual BOOL Read(BOOL fromProfile);
    virtual BOOL Write(UINT mask);

    const CZukeiAttr& GetAttr() const { return m_attr; }
    CZukeiAttr& GetAttr() { return m_attr; }
    const CWidthSet& GetWidthSet() const { return m_widths; }
    CWidthSet& GetWidthSet() { return m_widths; }
    WORD GetPartitionFlag() const { return m_partitionFlag; }
    void SetPartitionFlag(WORD v) { m_partitionFlag = v; }
    WORD GetTimePartition() const { return m_timePartition; }
    void SetTimePartition(WORD v) { m_timePartition = v; }
    WORD GetLinePartition() const { return m_linePartition; }
    void SetLinePartition(WORD v) { m_linePartition = v; }
    const CTextAttr& GetTextAttr() const { return m_text; }
    CTextAttr& GetTextAttr() { return m_text; }
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }

    static constexpr const char* kSection = "ZukeiConfig";

private:
    CZukeiAttr m_attr;
    CWidthSet m_widths;
    WORD m_partitionFlag = 0;
    WORD m_timePartition = 0;
    WORD m_linePartition = 0;
    CTextAttr m_text;
    LOGFONT m_font;
};

// Colours of the editing feedback ("ColorConfig").
class CConfigColor {
public:
    CConfigColor() = default;
    CConfigColor(const CConfigColor&) = default;
    CConfigColor& operator=(const CConfigColor&) = default;
    virtual ~CConfigColor() = default;

    virtual CConfigColor& Copy(const CConfigColor& source);
    virtual BOOL Read(BOOL fromProfile);
    virtual BOOL Write(UINT mask);

    // Selected objects (draw mode 1).
    COLORREF GetEditWork() const { return m_editWork; }
    void SetEditWork(COLORREF v) { m_editWork = v; }
    // The linked part of an edit (draw mode 3).
    COLORREF GetEditBold() const { return m_editBold; }
    void SetEditBold(COLORREF v) { m_editBold = v; }
    // Holiday shading.
    COLORREF GetHolidayMesh() const { return m_holidayMesh; }
    void SetHolidayMesh(COLORREF v) { m_holidayMesh = v; }
    // Relation lines.
    COLORREF GetLinked() const { return m_linked; }
    void SetLinked(COLORREF v) { m_linked = v; }

    static constexpr const char* kSection = "ColorConfig";

private:
    COLORREF m_editWork = 0;
    COLORREF m_editBold = 0;
    COLORREF m_holidayMesh = 0;
    COLORREF m_linked = 0;
};

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
