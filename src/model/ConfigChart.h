// The chart settings part: the chart-wide defaults of a document (page, area-name header, date
// rows, item text, process line and node, term and resource labels), kept in the user profile
// sections "BaseConfig" (page and date-row keys), "AreaNameConfig" with its sub-sections
// "AreaNameConfig\StdData", "\GridData" and "\SlantData", "KoumokuConfig", "KouteiConfig",
// "LandConfig", "YogoConfig" and "ShigenConfig". The application's settings hold one as the
// user's defaults; every document's settings record starts from a copy of it.
#pragma once

#include "model/AreaNameSet.h"
#include "model/AttrBlocks.h"
#include "model/ConfigKeys.h"
#include "model/PrintArea.h"
#include "platform/Types.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CConfigChart {
public:
    static constexpr std::size_t kSpareSize = 16;

    CConfigChart() = default;
    CConfigChart(const CConfigChart&) = default;
    CConfigChart& operator=(const CConfigChart&) = default;
    virtual ~CConfigChart() = default;

    // Every field, the area-name cells duplicated.
    virtual CConfigChart& Copy(const CConfigChart& source);
    // Resets every block to its built-in defaults (the page for A4 landscape from the
    // application's layout file, the default area-name cells, the fonts of the application's
    // font table); then, when asked, reads every key of the part's sections. Returns TRUE.
    virtual BOOL Read(BOOL fromProfile);
    // Writes the sections whose mask bits are set: kConfigBase page, area names and date rows;
    // kConfigKoumoku item text; kConfigKoutei process line and node; kConfigYogo term label;
    // kConfigShigen resource label. FALSE when a write failed.
    virtual BOOL Write(UINT mask);

    const CPageSetting& GetPageSetting() const { return m_page; }
    CPageSetting& GetPageSetting() { return m_page; }
    const CAreaNameSet& GetAreaNameSet() const { return m_areaNames; }
    CAreaNameSet& GetAreaNameSet() { return m_areaNames; }
    const CAreaStyle& GetDateStyle() const { return m_dateStyle; }
    CAreaStyle& GetDateStyle() { return m_dateStyle; }
    const std::array<BYTE, kSpareSize>& GetSpare() const { return m_spare; }

    const CFontAttr& GetKoumokuAttr() const { return m_koumoku; }
    CFontAttr& GetKoumokuAttr() { return m_koumoku; }
    void SetKoumokuFont(const LOGFONT& font) { m_koumoku.m_font = font; }

    const CKouteiAttr& GetKouteiAttr() const { return m_koutei; }
    CKouteiAttr& GetKouteiAttr() { return m_koutei; }
    const CWidthSet& GetKouteiWidthSet() const { return m_kouteiWidths; }
    CWidthSet& GetKouteiWidthSet() { return m_kouteiWidths; }
    WORD GetCornerSize() const { return m_cornerSize; }
    void SetCornerSize(WORD v) { m_cornerSize = v; }
    WORD GetArrowLength() const { return m_arrowLength; }
    void SetArrowLength(WORD v) { m_arrowLength = v; }
    WORD GetArrowAngle() const { return m_arrowAngle; }
    void SetArrowAngle(WORD v) { m_arrowAngle = v; }
    short GetKakomiAngle() const { return m_kakomiAngle; }
    void SetKakomiAngle(short v) { m_kakomiAngle = v; }
    WORD GetInclined() const { return m_inclined; }
    void SetInclined(WORD v) { m_inclined = v; }
    WORD GetBarHeight() const { return m_barHeight; }
    void SetBarHeight(WORD v) { m_barHeight = v; }
    // The keyless word after the process defaults: the relation-line flag of new processes.
    WORD GetKouteiSpare() const { return m_kouteiSpare; }
    void SetKouteiSpare(WORD v) { m_kouteiSpare = v; }

    const CLandAttr& GetLandAttr() const { return m_land; }
    CLandAttr& GetLandAttr() { return m_land; }
    const CElemAttr& GetYogoAttr() const { return m_yogo; }
    CElemAttr& GetYogoAttr() { return m_yogo; }
    const CElemAttr& GetShigenAttr() const { return m_shigen; }
    CElemAttr& GetShigenAttr() { return m_shigen; }

    // The profile line of a cell ("%d,%s,%d,%s,%d,%d,%d,%d,%d" for a Std cell and the longer
    // forms of Grid and Slant cells). A comma of the cell text is written as the full-width
    // "，", so that the line splits into its fields again.
    static std::string FormatStdLine(const CAreaNameDataStd& cell);
    static std::string FormatGridLine(const CAreaNameDataGrid& cell);
    static std::string FormatSlantLine(const CAreaNameDataSlant& cell);
    // Parse a line into the cell: the fields are cut at commas, each at most 255 bytes, numbers
    // as their leading digits (0 without any); a line with fewer fields repeats its last field
    // for the missing ones. The cell keeps its own number.
    static void ParseStdLine(std::string_view line, CAreaNameDataStd& cell);
    static void ParseGridLine(std::string_view line, CAreaNameDataGrid& cell);
    static void ParseSlantLine(std::string_view line, CAreaNameDataSlant& cell);

private:
    // The sections of the blocks, in reading order, with their mask bits (the page and the area
    // names come before them).
    std::vector<ConfigKeySection> Sections();
    void ResetBlocks();
    void ReadAreaNames();
    bool WriteAreaNames() const;

    CPageSetting m_page;
    CAreaNameSet m_areaNames;
    CAreaStyle m_dateStyle;
    std::array<BYTE, kSpareSize> m_spare{};
    CFontAttr m_koumoku;
    CKouteiAttr m_koutei;
    CWidthSet m_kouteiWidths;
    WORD m_cornerSize = 0;
    WORD m_arrowLength = 0;
    WORD m_arrowAngle = 0;
    short m_kakomiAngle = 0;
    WORD m_inclined = 0;
    WORD m_barHeight = 0;
    WORD m_kouteiSpare = 0;
    CLandAttr m_land;
    CElemAttr m_yogo;
    CElemAttr m_shigen;
};

} // namespace tembra
