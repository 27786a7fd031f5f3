#include "model/ConfigParts.h"

#include "model/ConfigBase.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <cctype>
#include <cstdint>
#include <fstream>
#include <limits>
#include <system_error>

namespace tembra {

std::array<COLORREF, kAppColorCount>& AppCurrentColors() {
    static std::array<COLORREF, kAppColorCount> colors{};
    return colors;
}

// ---- Reading and writing keys -----------------------------------------------------------------

std::string FormatProfileColor(COLORREF color) {
    return std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color));
}

namespace {

// One "%d" of the C library's scanner: blanks, an optional sign, at least one digit. Values out
// of the int range saturate (only their low byte matters to a colour).
bool ScanInt(std::string_view text, std::size_t& pos, int& value) {
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])) != 0) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t digits = pos;
    std::int64_t v = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (v <= std::numeric_limits<int>::max()) {
            v = v * 10 + (text[pos] - '0');
        }
        ++pos;
    }
    if (pos == digits) {
        return false;
    }
    if (negative) {
        v = -v;
    }
    if (v > std::numeric_limits<int>::max()) {
        v = std::numeric_limits<int>::max();
    } else if (v < std::numeric_limits<int>::min()) {
        v = std::numeric_limits<int>::min();
    }
    value = static_cast<int>(v);
    return true;
}

} // namespace

BOOL ScanProfileColor(std::string_view text, COLORREF& color) {
    int rgb[3] = {};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',') {
                return FALSE;
            }
            ++pos;
        }
        if (!ScanInt(text, pos, rgb[i])) {
            return FALSE;
        }
    }
    color = RGB(rgb[0], rgb[1], rgb[2]);
    return TRUE;
}

void ProfileRead(std::string_view section, std::string_view key, LONG& value) {
    value = static_cast<LONG>(GetProfileInt(section, key, value));
}

void ProfileRead(std::string_view section, std::string_view key, WORD& value) {
    value = static_cast<WORD>(GetProfileInt(section, key, value));
}

void ProfileRead(std::string_view section, std::string_view key, short& value) {
    value = static_cast<short>(GetProfileInt(section, key, value));
}

void ProfileRead(std::string_view section, std::string_view key, std::string& value) {
    value = GetProfileString(section, key, value);
}

void ProfileReadColor(std::string_view section, std::string_view key, COLORREF& color) {
    const std::string text = GetProfileString(section, key, FormatProfileColor(color));
    ScanProfileColor(text, color);
}

void ProfileReadSize(std::string_view section, WORD& height, WORD& width) {
    const UINT h = GetProfileInt(section, "FontHeigh", height);
    const UINT w = GetProfileInt(section, "FontWidth", width);
    const auto packed = static_cast<WORD>((h << 8) | (w & 0xFF));
    height = static_cast<WORD>(packed >> 8);
    width = static_cast<WORD>(packed & 0xFF);
}

void ProfileWriter::Int(std::string_view key, int value) {
    if (WriteProfileInt(m_section, key, value) == FALSE) {
        m_ok = false;
    }
}

void ProfileWriter::Color(std::string_view key, COLORREF color) {
    Text(key, FormatProfileColor(color));
}

void ProfileWriter::Text(std::string_view key, const std::string& value) {
    const std::string k(key);
    if (WriteProfileString(m_section, k.c_str(), value.c_str()) == FALSE) {
        m_ok = false;
    }
}

void ProfileWriter::Size(WORD height, WORD width) {
    Word("FontHeigh", height);
    Word("FontWidth", width);
}

// ---- CWidthSet --------------------------------------------------------------------------------

namespace {
constexpr const char* kWidthKeys[3] = {"NormalWidth", "ThinWidth", "BoldWidth"};
} // namespace

WORD CWidthSet::GetAt(int code) const {
    return code >= 0 && code < 3 ? m_width[static_cast<std::size_t>(code)] : m_width[0];
}

void CWidthSet::SetAt(int code, WORD width) {
    if (code >= 0 && code < 3) {
        m_width[static_cast<std::size_t>(code)] = width;
    }
}

void CWidthSet::Read(std::string_view section) {
    for (std::size_t i = 0; i < 3; ++i) {
        ProfileRead(section, kWidthKeys[i], m_width[i]);
    }
}

void CWidthSet::Write(ProfileWriter& out) const {
    for (std::size_t i = 0; i < 3; ++i) {
        out.Word(kWidthKeys[i], m_width[i]);
    }
}

LOGFONT AppDefaultFont(int kind) {
    const CConfigBase* app = GetAppConfig();
    return app->GetFont(kind, app->GetChart().GetPageSetting().GetPaper());
}

namespace {

// Reads a colour and keeps it in the application's table of current colours.
void ReadTableColor(std::string_view section, std::string_view key, COLORREF& color, int slot) {
    ProfileReadColor(section, key, color);
    AppCurrentColors()[static_cast<std::size_t>(slot)] = color;
}

// A count that something is divided by: a stored 0 would reach the division.
WORD AtLeastOne(WORD value) {
    return value == 0 ? 1 : value;
}

} // namespace

// ---- CConfigEvent -----------------------------------------------------------------------------

CConfigEvent& CConfigEvent::Copy(const CConfigEvent& source) {
    *this = source;
    return *this;
}

BOOL CConfigEvent::Read(BOOL fromProfile) {
    m_attr = CTextAttr{};
    m_font = AppDefaultFont(kFontEvent);
    m_attr.m_fontHeigh = 1;
    m_attr.m_fontWidth = 1;
    m_attr.m_form = 1;
    m_attr.m_attrb = 0x1000;
    m_revice = 0x0102;
    m_attr.m_color = RGB(0, 0, 0);
    if (fromProfile == FALSE) {
        return TRUE;
    }
    ProfileReadSize(kSection, m_attr.m_fontHeigh, m_attr.m_fontWidth);
    ProfileRead(kSection, "Form", m_attr.m_form);
    ProfileRead(kSection, "Attrb", m_attr.m_attrb);
    ProfileRead(kSection, "Revice", m_revice);
    ProfileRead(kSection, "OffsetX", m_attr.m_offsetX);
    ProfileRead(kSection, "OffsetY", m_attr.m_offsetY);
    ReadTableColor(kSection, "Color", m_attr.m_color, kAppColorEvent);
    return TRUE;
}

BOOL CConfigEvent::Write(UINT /*mask*/) {
    ProfileWriter out(kSection);
    out.Size(m_attr.m_fontHeigh, m_attr.m_fontWidth);
    out.Word("Form", m_attr.m_form);
    out.Word("Attrb", m_attr.m_attrb);
    out.Word("Revice", m_revice);
    out.Int("OffsetX", m_attr.m_offsetX);
    out.Int("OffsetY", m_attr.m_offsetY);
    out.Color("Color", m_attr.m_color);
    return out.Ok() ? TRUE : FALSE;
}

// ---- CConfigShin ------------------------------------------------------------------------------

CConfigShin& CConfigShin::Copy(const CConfigShin& source) {
    *this = source;
    return *this;
}

void CConfigShin::SetDateFormat(const std::string& format) {
    m_dateFormat = Sjis::Cut(format, kDateFormatMax);
}

BOOL CConfigShin::Read(BOOL fromProfile) {
    m_style = 0;
    m_subStyle = 0;
    m_type = 0;
    m_width = 2;
    m_color = RGB(255, 0, 0);
    m_linked = 0;
    m_widths.Reset();
    m_dateColor = RGB(255, 0, 0);
    m_dateValue1 = 0;
    m_dateValue2 = 0;
    m_dateDisp = 1;
    m_dateFormat = "mm/dd";
    m_font = AppDefaultFont(kFontShin);
    if (fromProfile == FALSE) {
        return TRUE;
    }
    m_widths.Read(kSection);
    ProfileRead(kSection, "Style", m_style);
    ProfileRead(kSection, "SubStyle", m_subStyle);
    ProfileRead(kSection, "Type", m_type);
    ProfileRead(kSection, "Width", m_width);
    ReadTableColor(kSection, "Color", m_color, kAppColorShin);
    ProfileRead(kSection, "Linked", m_linked);
    ProfileRead(kSection, "DateDisp", m_dateDisp);
    std::string format = m_dateFormat;
    ProfileRead(kSection, "DateFormat", format);
    SetDateFormat(format);
    ReadTableColor(kSection, "DateColor", m_dateColor, kAppColorShinDate);
    return TRUE;
}

BOOL CConfigShin::Write(UINT /*mask*/) {
    ProfileWriter out(kSection);
    m_widths.Write(out);
    out.Word("Style", m_style);
    out.Word("SubStyle", m_subStyle);
    out.Word("Type", m_type);
    out.Short("Width", m_width);
    out.Color("Color", m_color);
    out.Word("Linked", m_linked);
    out.Int("DateDisp", m_dateDisp);
    out.Text("DateFormat", m_dateFormat);
    out.Color("DateColor", m_dateColor);
    return out.Ok() ? TRUE : FALSE;
}

// ---- CConfigZukei -----------------------------------------------------------------------------

CConfigZukei& CConfigZukei::Copy(const CConfigZukei& source) {
    *this = source;
    return *this;
}

BOOL CConfigZukei::Read(BOOL fromProfile) {
    m_attr = CZukeiAttr{};
    m_attr.m_hatch = 100;
    m_attr.m_boxRay = 30;
    m_widths.Reset();
    m_partitionFlag = 0;
    m_timePartition = 1;
    m_linePartition = 1;
    m_text = CTextAttr{};
    m_text.m_attrb = 0x0100;
    m_font = AppDefaultFont(kFontZukei);
    if (fromProfile == FALSE) {
        return TRUE;
    }
    m_widths.Read(kSection);
    ProfileRead(kSection, "Style", m_attr.m_style);
    ProfileRead(kSection, "PointMode", m_attr.m_pointMode);
    ProfileRead(kSection, "Type", m_attr.m_type);
    ProfileRead(kSection, "Width", m_attr.m_width);
    ProfileRead(kSection, "Hatch", m_attr.m_hatch);
    ProfileRead(kSection, "BoxRay", m_attr.m_boxRay);
    ReadTableColor(kSection, "Color", m_attr.m_color, kAppColorZukeiLine);
    ReadTableColor(kSection, "HatchColor", m_attr.m_hatchColor, kAppColorZukeiHatch);
    ProfileRead(kSection, "PartitionFlag", m_partitionFlag);
    // The grid of the shape editor divides by these.
    ProfileRead(kSection, "TimePartition", m_timePartition);
    m_timePartition = AtLeastOne(m_timePartition);
    ProfileRead(kSection, "LinePartition", m_linePartition);
    m_linePartition = AtLeastOne(m_linePartition);
    ProfileRead(kSection, "Form", m_text.m_form);
    ProfileRead(kSection, "Attrb", m_text.m_attrb);
    ProfileReadColor(kSection, "TextColor", m_text.m_color);
    return TRUE;
}

BOOL CConfigZukei::Write(UINT /*mask*/) {
    ProfileWriter out(kSection);
    m_widths.Write(out);
    out.Short("Style", m_attr.m_style);
    out.Short("PointMode", m_attr.m_pointMode);
    out.Word("Type", m_attr.m_type);
    out.Short("Width", m_attr.m_width);
    out.Word("Hatch", m_attr.m_hatch);
    out.Word("BoxRay", m_attr.m_boxRay);
    out.Color("Color", m_attr.m_color);
    out.Color("HatchColor", m_attr.m_hatchColor);
    out.Word("PartitionFlag", m_partitionFlag);
    out.Word("TimePartition", m_timePartition);
    out.Word("LinePartition", m_linePartition);
    out.Word("Form", m_text.m_form);
    out.Word("Attrb", m_text.m_attrb);
    out.Color("TextColor", m_text.m_color);
    return out.Ok() ? TRUE : FALSE;
}

// ---- CConfigColor -----------------------------------------------------------------------------

CConfigColor& CConfigColor::Copy(const CConfigColor& source) {
    *this = source;
    return *this;
}

BOOL CConfigColor::Read(BOOL fromProfile) {
    m_editWork = RGB(0, 255, 255);
    m_editBold = RGB(255, 0, 0);
    m_holidayMesh = RGB(255, 225, 225);
    m_linked = RGB(0, 0, 255);
    if (fromProfile == FALSE) {
        return TRUE;
    }
    ProfileReadColor(kSection, "EditWork", m_editWork);
    ProfileReadColor(kSection, "EditBold", m_editBold);
    ProfileReadColor(kSection, "HolidayMesh", m_holidayMesh);
    ProfileReadColor(kSection, "Linked", m_linked);
    return TRUE;
}

BOOL CConfigColor::Write(UINT /*mask*/) {
    ProfileWriter out(kSection);
    out.Color("EditWork", m_editWork);
    out.Color("EditBold", m_editBold);
    out.Color("HolidayMesh", m_holidayMesh);
    out.Color("Linked", m_linked);
    return out.Ok() ? TRUE : FALSE;
}

// ---- CConfigPath ------------------------------------------------------------------------------

std::filesystem::path ConfigPathToFs(const std::string& cp932) {
    return std::filesystem::path(Sjis::ToUtf8(cp932));
}

BOOL CConfigPath::Read(BOOL fromProfile) {
    const std::string program = Sjis::FromUtf8(Paths::GetExeDirFile());
    // The standard layout is shipped with the program; asking for it puts a copy into the
    // program folder when there is none yet.
    Paths::GetShippedExeDirFile(kMasterLayout);
    m_dataDir = program;
    m_yogoDir = program;
    m_historyDir = program;
    m_layoutDir = program;
    m_shiftDir = program;
    m_backupDir = program + "BackUp/";
    m_spareDir = program;
    m_yogoFile = "YOGO.INI";
    m_myYogoFile = "MYYOGO.INI";
    m_historyFile = "HISTORY.INI";
    m_layoutFile = kMasterLayout;
    m_layoutTempFile = "LAYTEMP0.LY$";
    m_backlogFile = "Backlog.lst";
    m_backlogOldFile = "Backlog.old";
    m_shiftFile = "SHIFT.INI";
    if (fromProfile == FALSE) {
        return TRUE;
    }
    ProfileRead(kSection, "DataPath", m_dataDir);
    CheckLayoutFile();
    ProfileRead(kSection, "LayoutTempFileName", m_layoutTempFile);
    return TRUE;
}

void CConfigPath::CheckLayoutFile() {
    std::string name = GetProfileString(kSection, "LayoutFileName", m_layoutFile);
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
    WriteProfileString(kSection, "LayoutFileName", m_layoutFile.c_str());
}

BOOL CConfigPath::Write(UINT mask) {
    if ((mask & kConfigPath) == 0) {
        return TRUE;
    }
    ProfileWriter out(kSection);
    out.Text("DataPath", m_dataDir);
    out.Text("LayoutFileName", m_layoutFile);
    out.Text("LayoutTempFileName", m_layoutTempFile);
    return out.Ok() ? TRUE : FALSE;
}

} // namespace tembra
