#include "model/ConfigChart.h"

#include "model/AppColors.h"
#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
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

// A field of an area-name line holds at most this many bytes.
constexpr std::size_t kFieldMax = 255;

std::string SubSection(const char* sub) {
    return std::string(kAreaSection) + "\\" + sub;
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

// ---- Key tables -------------------------------------------------------------------------------

namespace {

// The page and the area-name set keep their words behind accessors; their keys go through
// these.
struct PageWords {
    WORD paper = 0;
    WORD muki = 0;
};

PageWords WordsOf(const CPageSetting& page) {
    return {static_cast<WORD>(page.GetPaper()), page.GetMuki()};
}

ConfigKeyTable PageKeys(PageWords& page) {
    return {ConfigKey::Word("Paper", page.paper, 0), ConfigKey::Word("Muki", page.muki, 0)};
}

struct AreaWords {
    WORD style = 0;
    WORD options = 0;
    WORD columns = 0;
};

AreaWords WordsOf(const CAreaNameSet& set) {
    return {set.GetStyle(), set.GetBunkatuOpt(), set.GetKoumokuColumnCount()};
}

void SetWords(CAreaNameSet& set, const AreaWords& words) {
    set.SetStyle(words.style);
    set.SetBunkatuOpt(words.options);
    set.SetKoumokuColumnCount(words.columns);
}

ConfigKeyTable AreaWordKeys(AreaWords& words) {
    return {
        ConfigKey::Word("Style", words.style, 0),
        ConfigKey::Word("BunkatuOpt", words.options, 3),
        // The header and the area-name sheet divide their width by the column count, and the
        // header has cells for ten columns: a document that took more from here could be saved
        // but its file would be refused as damaged when opened again.
        ConfigKey::Word("KoumokuColumnCount", words.columns, 1)
            .AtLeast(1)
            .AtMost(CAreaNameSet::kGridColumns),
    };
}

// The cells of one kind in the profile: rows of indexed keys in a sub-section named after the
// kind. Reading, an empty value ends the row it stands in (the next row is still read).
template <class Cell> struct CellKeys {
    const char* name;
    int rows;
    int columns;
    bool twoIndexes; // keys "%s%d-%d" of row and column; otherwise "%s%d" of the column
    Cell* (*find)(const CAreaNameSet& set, int row, int column);
    void (*parse)(std::string_view line, Cell& cell);
    std::string (*format)(const Cell& cell);

    std::string Key(int row, int column) const {
        return twoIndexes ? IndexedKey(name, row, column) : IndexedKey(name, column);
    }
};

DWORD Index(int i) {
    return static_cast<DWORD>(i);
}

const CellKeys<CAreaNameDataStd> kStdCells{
    "StdData",
    1,
    CAreaNameSet::kStdCount,
    false,
    [](const CAreaNameSet& set, int, int column) { return set.FindStd(Index(column)); },
    &CConfigChart::ParseStdLine,
    &CConfigChart::FormatStdLine};

const CellKeys<CAreaNameDataGrid> kGridCells{"GridData",
                                             CAreaNameSet::kGridRows,
                                             CAreaNameSet::kGridColumns,
                                             true,
                                             [](const CAreaNameSet& set, int row, int column) {
                                                 return set.FindGrid(Index(row), Index(column));
                                             },
                                             &CConfigChart::ParseGridLine,
                                             &CConfigChart::FormatGridLine};

const CellKeys<CAreaNameDataSlant> kSlantCells{
    "SlantData",
    1,
    CAreaNameSet::kSlantCount,
    false,
    [](const CAreaNameSet& set, int, int column) { return set.FindSlant(Index(column)); },
    &CConfigChart::ParseSlantLine,
    &CConfigChart::FormatSlantLine};

template <class Cell> void ReadCells(const CellKeys<Cell>& kind, const CAreaNameSet& set) {
    const std::string section = SubSection(kind.name);
    for (int row = 0; row < kind.rows; ++row) {
        for (int column = 0; column < kind.columns; ++column) {
            Cell* cell = kind.find(set, row, column);
            const std::string line = GetProfileString(section, kind.Key(row, column));
            if (line.empty()) {
                break;
            }
            if (cell != nullptr) {
                kind.parse(line, *cell);
            }
        }
    }
}

template <class Cell> bool WriteCells(const CellKeys<Cell>& kind, const CAreaNameSet& set) {
    const std::string section = SubSection(kind.name);
    bool ok = true;
    for (int row = 0; row < kind.rows; ++row) {
        for (int column = 0; column < kind.columns; ++column) {
            if (const Cell* cell = kind.find(set, row, column)) {
                const std::string key = kind.Key(row, column);
                ok =
                    WriteProfileString(section, key.c_str(), kind.format(*cell).c_str()) != FALSE &&
                    ok;
            }
        }
    }
    return ok;
}

// The keys of a term or resource label block.
ConfigKeyTable ElemKeys(CElemAttr& attr, int colorSlot) {
    return {
        ConfigKey::Size(attr.m_fontHeigh, attr.m_fontWidth, 1, 1),
        ConfigKey::Word("Form", attr.m_form, 1),
        ConfigKey::Word("Attrb", attr.m_attrb, 0),
        // One key serves two fields: reading gives each the stored value (with its own value as
        // the fallback); the link word is written first, so that the key ends up holding the
        // link position.
        ConfigKey::Word("LinkPosition", attr.m_linkWord, 0),
        ConfigKey::Word("Stack", attr.m_stack, 1),
        ConfigKey::Short("LinkPosition", attr.m_linkPosition, 0),
        ConfigKey::Int("OffsetX", attr.m_offsetX, 0),
        ConfigKey::Int("OffsetY", attr.m_offsetY, 0),
        ConfigKey::Int("DrawerX", attr.m_drawerX, 0),
        ConfigKey::Int("DrawerY", attr.m_drawerY, 0),
        ConfigKey::Word("LineSpace", attr.m_lineSpace, 10),
        ConfigKey::Word("1stSpace", attr.m_firstSpace, 0),
        ConfigKey::Color("Color", attr.m_color, RGB(0, 0, 0)).AppColor(colorSlot),
    };
}

} // namespace

std::vector<ConfigKeySection> CConfigChart::Sections() {
    ConfigKeyTable koutei = WidthKeys(m_kouteiWidths);
    koutei.insert(
        koutei.end(),
        {
            ConfigKey::Word("Style", m_koutei.m_style, 2),
            ConfigKey::Word("SubStyle", m_koutei.m_subStyle, 0),
            ConfigKey::Word("Type", m_koutei.m_type, 0),
            ConfigKey::Short("Width", m_koutei.m_width, 0),
            ConfigKey::Word("Holiday", m_koutei.m_holiday, 1),
            ConfigKey::Word("Hatch", m_koutei.m_hatch, 999),
            ConfigKey::Word("CornerSize", m_cornerSize, 10),
            ConfigKey::Word("ArrowLength", m_arrowLength, 12),
            ConfigKey::Word("ArrowAngle", m_arrowAngle, 30),
            ConfigKey::Short("KakomiAngle", m_kakomiAngle, 45),
            ConfigKey::Word("Inclined", m_inclined, 20),
            ConfigKey::Word("BarHeight", m_barHeight, 18),
            ConfigKey::Color("Color", m_koutei.m_color, RGB(0, 0, 0)).AppColor(kAppColorKoutei),
            ConfigKey::Word(nullptr, m_kouteiSpare, 0),
        });
    return {
        {kBaseSection,
         kConfigBase,
         {
             ConfigKey::Word("BigHolidays", m_dateStyle.m_mode[0], 5),
             ConfigKey::Word("YearMode", m_dateStyle.m_mode[1], 0),
             ConfigKey::Word("MonthMode", m_dateStyle.m_mode[2], 0),
             ConfigKey::Word("DayMode", m_dateStyle.m_mode[3], 1),
             ConfigKey::Word("WeekMode", m_dateStyle.m_mode[4], 0),
         }},
        {kKoumokuSection,
         kConfigKoumoku,
         {
             ConfigKey::Word("Partition", m_koumoku.m_partition, 0),
             ConfigKey::Word("EventBase", m_koumoku.m_eventBase, 0),
             ConfigKey::Size(m_koumoku.m_fontHeigh, m_koumoku.m_fontWidth, 1, 1),
             ConfigKey::Word("Form", m_koumoku.m_form, 0),
             ConfigKey::Word("Attrb", m_koumoku.m_attrb, 0),
             ConfigKey::Color("Color", m_koumoku.m_color, RGB(0, 0, 0)).AppColor(kAppColorKoumoku),
         }},
        {kKouteiSection, kConfigKoutei, std::move(koutei)},
        {kLandSection,
         kConfigKoutei,
         {
             ConfigKey::Word("Radius", m_land.m_radius, 9),
             ConfigKey::Word("Style", m_land.m_style, 0),
             ConfigKey::Word("Type", m_land.m_type, 0),
             ConfigKey::Color("Color", m_land.m_color, RGB(0, 0, 0)).AppColor(kAppColorLand),
             ConfigKey::Word(nullptr, m_land.m_size, 100),
         }},
        {kYogoSection, kConfigYogo, ElemKeys(m_yogo, kAppColorYogo)},
        {kShigenSection, kConfigShigen, ElemKeys(m_shigen, kAppColorShigen)},
    };
}

// ---- The part ---------------------------------------------------------------------------------

CConfigChart& CConfigChart::Copy(const CConfigChart& source) {
    *this = source;
    return *this;
}

void CConfigChart::ResetBlocks() {
    AreaWords words;
    ResetKeys(AreaWordKeys(words));
    SetWords(m_areaNames, words);
    m_areaNames.RemoveAll();
    m_areaNames.SetDefaults();

    m_dateStyle = CAreaStyle{};
    m_dateStyle.m_font = AppDefaultFont(kFontDate);
    m_spare.fill(0);
    m_koumoku = CFontAttr{};
    m_koumoku.m_font = AppDefaultFont(kFontKoumoku);
    m_koutei = CKouteiAttr{};
    m_land = CLandAttr{};
    m_yogo = CElemAttr{};
    m_yogo.m_font = AppDefaultFont(kFontYogo);
    m_shigen = CElemAttr{};
    m_shigen.m_font = AppDefaultFont(kFontShigen);
    for (const ConfigKeySection& section : Sections()) {
        ResetKeys(section.keys);
    }
}

BOOL CConfigChart::Read(BOOL fromProfile) {
    const std::filesystem::path layout =
        ConfigPathToFs(GetAppConfig()->GetPath().GetLayoutFilePath());
    PageWords page;
    ResetKeys(PageKeys(page));
    m_page.SetPaper(page.paper, page.muki, layout);
    ResetBlocks();
    if (fromProfile == FALSE) {
        return TRUE;
    }

    page = WordsOf(m_page);
    ReadKeys(kBaseSection, PageKeys(page));
    m_page.SetPaper(page.paper, page.muki, layout);
    ReadAreaNames();
    for (const ConfigKeySection& section : Sections()) {
        ReadKeys(section.section, section.keys);
    }
    return TRUE;
}

void CConfigChart::ReadAreaNames() {
    AreaWords words = WordsOf(m_areaNames);
    ReadKeys(kAreaSection, AreaWordKeys(words));
    SetWords(m_areaNames, words);
    ReadCells(kStdCells, m_areaNames);
    ReadCells(kGridCells, m_areaNames);
    ReadCells(kSlantCells, m_areaNames);
}

bool CConfigChart::WriteAreaNames() const {
    AreaWords words = WordsOf(m_areaNames);
    bool ok = WriteKeys(kAreaSection, AreaWordKeys(words));
    ok = WriteCells(kStdCells, m_areaNames) && ok;
    ok = WriteCells(kGridCells, m_areaNames) && ok;
    ok = WriteCells(kSlantCells, m_areaNames) && ok;
    return ok;
}

BOOL CConfigChart::Write(UINT mask) {
    bool ok = true;
    if ((mask & kConfigBase) != 0) {
        PageWords page = WordsOf(m_page);
        ok = WriteKeys(kBaseSection, PageKeys(page)) && ok;
        ok = WriteAreaNames() && ok;
    }
    for (const ConfigKeySection& section : Sections()) {
        if ((mask & section.mask) != 0) {
            ok = WriteKeys(section.section, section.keys) && ok;
        }
    }
    return ok ? TRUE : FALSE;
}

} // namespace tembra
