#include "model/ConfigChart.h"

#include "model/ConfigBase.h"
#include "model/Utility.h"
#include "platform/NumberText.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

namespace tembra {

namespace {

constexpr const char* kBaseSection = "BaseConfig";
constexpr const char* kAreaSection = "AreaNameConfig";
constexpr const char* kKoumokuSection = "KoumokuConfig";
constexpr const char* kKouteiSection = "KouteiConfig";
constexpr const char* kLandSection = "LandConfig";
constexpr const char* kYogoSection = "YogoConfig";
constexpr const char* kShigenSection = "ShigenConfig";

constexpr const char* kDateModeKeys[CAreaStyle::kModeCount] = {"BigHolidays", "YearMode",
                                                               "MonthMode", "DayMode", "WeekMode"};
constexpr WORD kDateModeDefaults[CAreaStyle::kModeCount] = {5, 0, 0, 1, 0};

// A field of an area-name line holds at most this many bytes.
constexpr std::size_t kFieldMax = 255;

std::string SubSection(const char* sub) {
    return std::string(kAreaSection) + "\\" + sub;
}

std::string IndexedKey(const char* key, int i) {
    return std::string(key) + std::to_string(i);
}

std::string IndexedKey(const char* key, int i, int j) {
    return std::string(key) + std::to_string(i) + "-" + std::to_string(j);
}

// A field's number as the C library's atoi reads it (saturated instead of undefined).
int FieldToInt(const std::string& field) {
    return NumberText::AtoI(field);
}

// The fields of a line, always count of them: a missing field repeats the last one present.
std::vector<std::string> SplitFields(std::string_view line, std::size_t count) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < count) {
        const std::size_t comma = Sjis::FindByte(line, ',', start);
        const std::string_view field = line.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        fields.push_back(Sjis::Cut(field, kFieldMax));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    while (fields.size() < count) {
        fields.push_back(fields.back());
    }
    return fields;
}

// The cell text as a field: a comma would split the line there, so it is written full-width.
std::string TextField(const std::string& text) {
    std::string field = text;
    ReplaceAll(field, ",", Sjis::FromUtf8("，"));
    return field;
}

std::string Num(long long v) {
    return std::to_string(v);
}

// The fields every kind shares, from the text on: text, own font, face, height, width, style,
// alignment, text colour.
void FormatCommon(const CAreaNameData& cell, std::vector<std::string>& out) {
    out.push_back(TextField(cell.GetText()));
    out.push_back(Num(cell.GetOwnFont()));
    out.push_back(std::string(cell.GetLogFont().FaceName()));
    out.push_back(Num(cell.GetLogFont().lfHeight));
    out.push_back(Num(cell.GetLogFont().lfWidth));
    out.push_back(Num(cell.GetStyle()));
    out.push_back(Num(cell.GetAlign()));
    out.push_back(Num(static_cast<int>(cell.GetTextColor())));
}

std::string JoinAll(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += fields[i];
    }
    return line;
}

// Parses the shared fields starting at index first (the text).
void ParseCommon(const std::vector<std::string>& f, std::size_t first, CAreaNameData& cell) {
    cell.SetText(f[first]);
    cell.SetOwnFont(FieldToInt(f[first + 1]));
    // The font is built for the face by the program's default rule and then takes the stored
    // size; the face is cut to the record's 31 bytes on a character boundary.
    LOGFONT font;
    EnumFontFaces(font, std::string_view(f[first + 2]), -32, 16);
    font.lfHeight = FieldToInt(f[first + 3]);
    font.lfWidth = FieldToInt(f[first + 4]);
    cell.SetLogFont(font);
    cell.SetStyle(static_cast<WORD>(FieldToInt(f[first + 5])));
    cell.SetAlign(static_cast<WORD>(FieldToInt(f[first + 6])));
    cell.SetTextColor(static_cast<COLORREF>(FieldToInt(f[first + 7])));
}

void ReadTableColor(std::string_view section, COLORREF& color, int slot) {
    ProfileReadColor(section, "Color", color);
    AppCurrentColors()[static_cast<std::size_t>(slot)] = color;
}

} // namespace

// ---- Area-name lines --------------------------------------------------------------------------

std::string CConfigChart::FormatStdLine(const CAreaNameDataStd& cell) {
    std::vector<std::string> f{Num(static_cast<int>(cell.GetNo()))};
    FormatCommon(cell, f);
    return JoinAll(f);
}

std::string CConfigChart::FormatGridLine(const CAreaNameDataGrid& cell) {
    DWORD row = 0;
    DWORD column = 0;
    cell.GetNoPair(row, column);
    std::vector<std::string> f{Num(static_cast<int>(row)), Num(static_cast<int>(column))};
    FormatCommon(cell, f);
    f.push_back(Num(cell.GetLineType()));
    f.push_back(Num(static_cast<int>(cell.GetLineColor())));
    f.push_back(Num(cell.GetLineWidth()));
    f.push_back(Num(static_cast<WORD>(cell.GetLine2Type())));
    f.push_back(Num(static_cast<int>(cell.GetLine2Color())));
    f.push_back(Num(cell.GetLine2Width()));
    return JoinAll(f);
}

std::string CConfigChart::FormatSlantLine(const CAreaNameDataSlant& cell) {
    std::vector<std::string> f{Num(static_cast<int>(cell.GetNo()))};
    FormatCommon(cell, f);
    f.push_back(Num(cell.GetLineType()));
    f.push_back(Num(static_cast<int>(cell.GetLineColor())));
    f.push_back(Num(cell.GetLineWidth()));
    return JoinAll(f);
}

void CConfigChart::ParseStdLine(std::string_view line, CAreaNameDataStd& cell) {
    const std::vector<std::string> f = SplitFields(line, 9);
    ParseCommon(f, 1, cell);
}

void CConfigChart::ParseGridLine(std::string_view line, CAreaNameDataGrid& cell) {
    const std::vector<std::string> f = SplitFields(line, 16);
    ParseCommon(f, 2, cell);
    cell.SetLineType(static_cast<short>(FieldToInt(f[10])));
    cell.SetLineColor(static_cast<COLORREF>(FieldToInt(f[11])));
    cell.SetLineWidth(static_cast<WORD>(FieldToInt(f[12])));
    cell.SetLine2Type(static_cast<short>(FieldToInt(f[13])));
    cell.SetLine2Color(static_cast<COLORREF>(FieldToInt(f[14])));
    cell.SetLine2Width(static_cast<WORD>(FieldToInt(f[15])));
}

void CConfigChart::ParseSlantLine(std::string_view line, CAreaNameDataSlant& cell) {
    const std::vector<std::string> f = SplitFields(line, 12);
    ParseCommon(f, 1, cell);
    cell.SetLineType(static_cast<short>(FieldToInt(f[9])));
    cell.SetLineColor(static_cast<COLORREF>(FieldToInt(f[10])));
    cell.SetLineWidth(static_cast<WORD>(FieldToInt(f[11])));
}

// ---- The part ---------------------------------------------------------------------------------

CConfigChart& CConfigChart::Copy(const CConfigChart& source) {
    *this = source;
    return *this;
}

void CConfigChart::ResetBlocks() {
    m_areaNames.SetStyle(0);
    m_areaNames.SetBunkatuOpt(3);
    m_areaNames.SetKoumokuColumnCount(1);
    m_areaNames.RemoveAll();
    m_areaNames.SetDefaults();

    m_dateStyle = CAreaStyle{};
    m_dateStyle.m_mode[0] = kDateModeDefaults[0];
    m_dateStyle.m_font = AppDefaultFont(kFontDate);
    for (int i = 1; i < CAreaStyle::kModeCount; ++i) {
        m_dateStyle.m_mode[static_cast<std::size_t>(i)] = kDateModeDefaults[i];
    }
    m_spare.fill(0);

    m_koumoku = CFontAttr{};
    m_koumoku.m_fontHeigh = 1;
    m_koumoku.m_fontWidth = 1;
    m_koumoku.m_font = AppDefaultFont(kFontKoumoku);

    m_koutei = CKouteiAttr{};
    m_kouteiWidths.Reset();
    m_koutei.m_style = 2;
    m_koutei.m_holiday = 1;
    m_koutei.m_hatch = 999;
    m_cornerSize = 10;
    m_arrowLength = 12;
    m_arrowAngle = 30;
    m_kakomiAngle = 45;
    m_inclined = 20;
    m_barHeight = 18;
    m_kouteiSpare = 0;

    m_land = CLandAttr{};
    m_land.m_radius = 9;
    m_land.m_size = 100;

    for (CElemAttr* label : {&m_yogo, &m_shigen}) {
        *label = CElemAttr{};
        label->m_fontHeigh = 1;
        label->m_fontWidth = 1;
        label->m_form = 1;
        label->m_stack = 1;
        label->m_lineSpace = 10;
    }
    m_yogo.m_font = AppDefaultFont(kFontYogo);
    m_shigen.m_font = AppDefaultFont(kFontShigen);
}

BOOL CConfigChart::Read(BOOL fromProfile) {
    const std::filesystem::path layout =
        ConfigPathToFs(GetAppConfig()->GetPath().GetLayoutFilePath());
    m_page.SetPaper(0, 0, layout);
    ResetBlocks();
    if (fromProfile == FALSE) {
        return TRUE;
    }

    LONG paper = m_page.GetPaper();
    LONG muki = m_page.GetMuki();
    ProfileRead(kBaseSection, "Paper", paper);
    ProfileRead(kBaseSection, "Muki", muki);
    m_page.SetPaper(static_cast<WORD>(paper), static_cast<WORD>(muki), layout);

    ReadAreaNames();

    for (int i = 0; i < CAreaStyle::kModeCount; ++i) {
        ProfileRead(kBaseSection, kDateModeKeys[i],
                    m_dateStyle.m_mode[static_cast<std::size_t>(i)]);
    }

    ProfileRead(kKoumokuSection, "Partition", m_koumoku.m_partition);
    ProfileRead(kKoumokuSection, "EventBase", m_koumoku.m_eventBase);
    ProfileReadSize(kKoumokuSection, m_koumoku.m_fontHeigh, m_koumoku.m_fontWidth);
    ProfileRead(kKoumokuSection, "Form", m_koumoku.m_form);
    ProfileRead(kKoumokuSection, "Attrb", m_koumoku.m_attrb);
    ReadTableColor(kKoumokuSection, m_koumoku.m_color, kAppColorKoumoku);

    m_kouteiWidths.Read(kKouteiSection);
    ProfileRead(kKouteiSection, "Style", m_koutei.m_style);
    ProfileRead(kKouteiSection, "SubStyle", m_koutei.m_subStyle);
    ProfileRead(kKouteiSection, "Type", m_koutei.m_type);
    ProfileRead(kKouteiSection, "Width", m_koutei.m_width);
    ProfileRead(kKouteiSection, "Holiday", m_koutei.m_holiday);
    ProfileRead(kKouteiSection, "Hatch", m_koutei.m_hatch);
    ProfileRead(kKouteiSection, "CornerSize", m_cornerSize);
    ProfileRead(kKouteiSection, "ArrowLength", m_arrowLength);
    ProfileRead(kKouteiSection, "ArrowAngle", m_arrowAngle);
    ProfileRead(kKouteiSection, "KakomiAngle", m_kakomiAngle);
    ProfileRead(kKouteiSection, "Inclined", m_inclined);
    ProfileRead(kKouteiSection, "BarHeight", m_barHeight);
    ReadTableColor(kKouteiSection, m_koutei.m_color, kAppColorKoutei);

    ProfileRead(kLandSection, "Radius", m_land.m_radius);
    ProfileRead(kLandSection, "Style", m_land.m_style);
    ProfileRead(kLandSection, "Type", m_land.m_type);
    ReadTableColor(kLandSection, m_land.m_color, kAppColorLand);

    ReadElem(kYogoSection, m_yogo, kAppColorYogo);
    ReadElem(kShigenSection, m_shigen, kAppColorShigen);
    return TRUE;
}

void CConfigChart::ReadAreaNames() {
    WORD style = m_areaNames.GetStyle();
    ProfileRead(kAreaSection, "Style", style);
    m_areaNames.SetStyle(style);
    WORD options = m_areaNames.GetBunkatuOpt();
    ProfileRead(kAreaSection, "BunkatuOpt", options);
    m_areaNames.SetBunkatuOpt(options);
    WORD columns = m_areaNames.GetKoumokuColumnCount();
    ProfileRead(kAreaSection, "KoumokuColumnCount", columns);
    // The header and the area-name sheet divide their width by the column count, and the
    // header has cells for ten columns: a document that took more from here could be saved but
    // its file would be refused as damaged when opened again.
    m_areaNames.SetKoumokuColumnCount(
        std::clamp<WORD>(columns, 1, static_cast<WORD>(CAreaNameSet::kGridColumns)));

    const std::string stdSection = SubSection("StdData");
    for (int i = 0; i < CAreaNameSet::kStdCount; ++i) {
        CAreaNameDataStd* cell = m_areaNames.FindStd(static_cast<DWORD>(i));
        const std::string line = GetProfileString(stdSection, IndexedKey("StdData", i));
        if (line.empty()) {
            break;
        }
        if (cell != nullptr) {
            ParseStdLine(line, *cell);
        }
    }
    const std::string gridSection = SubSection("GridData");
    for (int i = 0; i < CAreaNameSet::kGridRows; ++i) {
        for (int j = 0; j < CAreaNameSet::kGridColumns; ++j) {
            CAreaNameDataGrid* cell =
                m_areaNames.FindGrid(static_cast<DWORD>(i), static_cast<DWORD>(j));
            const std::string line = GetProfileString(gridSection, IndexedKey("GridData", i, j));
            if (line.empty()) {
                break;
            }
            if (cell != nullptr) {
                ParseGridLine(line, *cell);
            }
        }
    }
    const std::string slantSection = SubSection("SlantData");
    for (int i = 0; i < CAreaNameSet::kSlantCount; ++i) {
        CAreaNameDataSlant* cell = m_areaNames.FindSlant(static_cast<DWORD>(i));
        const std::string line = GetProfileString(slantSection, IndexedKey("SlantData", i));
        if (line.empty()) {
            break;
        }
        if (cell != nullptr) {
            ParseSlantLine(line, *cell);
        }
    }
}

void CConfigChart::ReadElem(std::string_view section, CElemAttr& attr, int tableSlot) {
    ProfileReadSize(section, attr.m_fontHeigh, attr.m_fontWidth);
    ProfileRead(section, "Form", attr.m_form);
    ProfileRead(section, "Attrb", attr.m_attrb);
    // One key serves two fields: each reads it with its own value as the fallback.
    ProfileRead(section, "LinkPosition", attr.m_linkWord);
    ProfileRead(section, "Stack", attr.m_stack);
    ProfileRead(section, "LinkPosition", attr.m_linkPosition);
    ProfileRead(section, "OffsetX", attr.m_offsetX);
    ProfileRead(section, "OffsetY", attr.m_offsetY);
    ProfileRead(section, "DrawerX", attr.m_drawerX);
    ProfileRead(section, "DrawerY", attr.m_drawerY);
    ProfileRead(section, "LineSpace", attr.m_lineSpace);
    ProfileRead(section, "1stSpace", attr.m_firstSpace);
    ReadTableColor(section, attr.m_color, tableSlot);
}

void CConfigChart::WriteElem(ProfileWriter& out, const CElemAttr& attr) {
    out.Size(attr.m_fontHeigh, attr.m_fontWidth);
    out.Word("Form", attr.m_form);
    out.Word("Attrb", attr.m_attrb);
    // The link word is written first, so that the key ends up holding the link position.
    out.Word("LinkPosition", attr.m_linkWord);
    out.Word("Stack", attr.m_stack);
    out.Short("LinkPosition", attr.m_linkPosition);
    out.Int("OffsetX", attr.m_offsetX);
    out.Int("OffsetY", attr.m_offsetY);
    out.Int("DrawerX", attr.m_drawerX);
    out.Int("DrawerY", attr.m_drawerY);
    out.Word("LineSpace", attr.m_lineSpace);
    out.Word("1stSpace", attr.m_firstSpace);
    out.Color("Color", attr.m_color);
}

void CConfigChart::WriteAreaNames(ProfileWriter& out) const {
    out.SetSection(kAreaSection);
    out.Word("Style", m_areaNames.GetStyle());
    out.Word("BunkatuOpt", m_areaNames.GetBunkatuOpt());
    out.Word("KoumokuColumnCount", m_areaNames.GetKoumokuColumnCount());

    out.SetSection(SubSection("StdData"));
    for (int i = 0; i < CAreaNameSet::kStdCount; ++i) {
        if (const CAreaNameDataStd* cell = m_areaNames.FindStd(static_cast<DWORD>(i))) {
            out.Text(IndexedKey("StdData", i), FormatStdLine(*cell));
        }
    }
    out.SetSection(SubSection("GridData"));
    for (int i = 0; i < CAreaNameSet::kGridRows; ++i) {
        for (int j = 0; j < CAreaNameSet::kGridColumns; ++j) {
            if (const CAreaNameDataGrid* cell =
                    m_areaNames.FindGrid(static_cast<DWORD>(i), static_cast<DWORD>(j))) {
                out.Text(IndexedKey("GridData", i, j), FormatGridLine(*cell));
            }
        }
    }
    out.SetSection(SubSection("SlantData"));
    for (int i = 0; i < CAreaNameSet::kSlantCount; ++i) {
        if (const CAreaNameDataSlant* cell = m_areaNames.FindSlant(static_cast<DWORD>(i))) {
            out.Text(IndexedKey("SlantData", i), FormatSlantLine(*cell));
        }
    }
}

BOOL CConfigChart::Write(UINT mask) {
    ProfileWriter out(kBaseSection);
    if ((mask & kConfigBase) != 0) {
        out.SetSection(kBaseSection);
        out.Word("Paper", static_cast<WORD>(m_page.GetPaper()));
        out.Word("Muki", m_page.GetMuki());
        WriteAreaNames(out);
        out.SetSection(kBaseSection);
        for (int i = 0; i < CAreaStyle::kModeCount; ++i) {
            out.Word(kDateModeKeys[i], m_dateStyle.m_mode[static_cast<std::size_t>(i)]);
        }
    }
    if ((mask & kConfigKoumoku) != 0) {
        out.SetSection(kKoumokuSection);
        out.Word("Partition", m_koumoku.m_partition);
        out.Word("EventBase", m_koumoku.m_eventBase);
        out.Size(m_koumoku.m_fontHeigh, m_koumoku.m_fontWidth);
        out.Word("Form", m_koumoku.m_form);
        out.Word("Attrb", m_koumoku.m_attrb);
        out.Color("Color", m_koumoku.m_color);
    }
    if ((mask & kConfigKoutei) != 0) {
        out.SetSection(kKouteiSection);
        m_kouteiWidths.Write(out);
        out.Word("Style", m_koutei.m_style);
        out.Word("SubStyle", m_koutei.m_subStyle);
        out.Word("Type", m_koutei.m_type);
        out.Short("Width", m_koutei.m_width);
        out.Word("Holiday", m_koutei.m_holiday);
        out.Word("Hatch", m_koutei.m_hatch);
        out.Word("CornerSize", m_cornerSize);
        out.Word("ArrowLength", m_arrowLength);
        out.Word("ArrowAngle", m_arrowAngle);
        out.Short("KakomiAngle", m_kakomiAngle);
        out.Word("Inclined", m_inclined);
        out.Word("BarHeight", m_barHeight);
        out.Color("Color", m_koutei.m_color);

        out.SetSection(kLandSection);
        out.Word("Radius", m_land.m_radius);
        out.Word("Style", m_land.m_style);
        out.Word("Type", m_land.m_type);
        out.Color("Color", m_land.m_color);
    }
    if ((mask & kConfigYogo) != 0) {
        out.SetSection(kYogoSection);
        WriteElem(out, m_yogo);
    }
    if ((mask & kConfigShigen) != 0) {
        out.SetSection(kShigenSection);
        WriteElem(out, m_shigen);
    }
    return out.Ok() ? TRUE : FALSE;
}

} // namespace tembra
