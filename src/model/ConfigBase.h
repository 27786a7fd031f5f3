// The application's settings: the user's defaults for new documents and the program's options,
// kept in the user profile. One object of each settings part plus a few settings of its own
// (the default period, rows and margins, the auto-save interval, the floating-window option,
// the default fonts per paper, the per-paper item width and chart margin, the system words).
//
// The application owns one, reads it from the profile at start-up and reaches it everywhere
// through GetAppConfig. Dialogs build a local one, fill it, and Write it with the mask of the
// groups they changed (the bits are in ConfigMask.h); their reset buttons Read(FALSE) it.
#pragma once

#include "model/AppColors.h"
#include "model/ConfigChart.h"
#include "model/ConfigColor.h"
#include "model/ConfigEvent.h"
#include "model/ConfigKeys.h"
#include "model/ConfigMask.h"
#include "model/ConfigOperation.h"
#include "model/ConfigPath.h"
#include "model/ConfigPrint.h"
#include "model/ConfigShin.h"
#include "model/ConfigZukei.h"
#include "model/PaperProfile.h"
#include "platform/Types.h"

#include <array>
#include <vector>

namespace tembra {

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

class CConfigBase {
public:
    static constexpr int kPaperCount = 6;
    static constexpr int kSystemWordCount = 13;

    // The system words (index 0 to 12); indexes 1 to 4 have no key.
    enum : int {
        kSysToolBar = 0,
        kSysCursorDate = 5,
        kSysEndDateDec = 6,
        kSysRightClick = 7,
        kSysBlackBack = 8,
        kSysCtl3DDisable = 9,
        kSysPrSetOriginal = 10,
        kSysHolidayMesh = 11,
        kSysCrossCursor = 12,
    };

    // Builds the parts; the own settings take their built-in defaults, the fonts and the parts
    // theirs only in Read.
    CConfigBase();
    CConfigBase(const CConfigBase&) = default;
    CConfigBase& operator=(const CConfigBase&) = default;
    virtual ~CConfigBase() = default;

    // Resets every field (fonts included) and every part to the built-in defaults; then, when
    // fromProfile is non-zero, reads the profile. Returns TRUE.
    virtual BOOL Read(BOOL fromProfile);
    // Writes the groups whose bits are set, then the chart part's sections; shows message 5084
    // when a group that only new documents take was written. FALSE when any write failed.
    virtual BOOL Write(UINT mask);

    // ---- Own settings -----------------------------------------------------------------------
    LONG GetNobeMode() const { return m_nobeMode; }
    void SetNobeMode(LONG v) { m_nobeMode = v; }
    LONG GetMaeYohaku() const { return m_maeYohaku; }
    void SetMaeYohaku(LONG v) { m_maeYohaku = v; }
    LONG GetAtoYohaku() const { return m_atoYohaku; }
    void SetAtoYohaku(LONG v) { m_atoYohaku = v; }
    // Period length in days, at least 1.
    LONG GetKikan() const { return m_kikan; }
    void SetKikan(LONG v) { m_kikan = v; }
    // Row count, at least 1.
    LONG GetLines() const { return m_lines; }
    void SetLines(LONG v) { m_lines = v; }
    LONG GetJyunbiKikan() const { return m_jyunbiKikan; }
    void SetJyunbiKikan(LONG v) { m_jyunbiKikan = v; }
    // Days of an elapsed month, at least 1.
    LONG GetMonthDays() const { return m_monthDays; }
    void SetMonthDays(LONG v) { m_monthDays = v; }
    // Minutes; 1 or more is on, a switched-off interval is kept as its negative.
    LONG GetAutoSaveTime() const { return m_autoSaveTime; }
    void SetAutoSaveTime(LONG v) { m_autoSaveTime = v; }
    LONG GetTemWithFlt() const { return m_temWithFlt; }
    void SetTemWithFlt(LONG v) { m_temWithFlt = v; }

    // The default font of a kind (kFontDate ...) for a paper (0 A4 to 5 A1); indexes out of
    // range are taken as 0.
    const LOGFONT& GetFont(int kind, int paper) const;
    void SetFont(int kind, int paper, const LOGFONT& font);
    WORD GetKoumokuWidth(int paper) const;
    void SetKoumokuWidth(int paper, WORD width);
    WORD GetKouteiMargin(int paper) const;
    void SetKouteiMargin(int paper, WORD margin);

    // System word i (0 to 12); 0 for another index.
    WORD GetSystemWord(int i) const;
    void SetSystemWord(int i, WORD value);
    WORD GetToolBar() const { return m_system[kSysToolBar]; }
    WORD GetCursorDate() const { return m_system[kSysCursorDate]; }
    WORD GetEndDateDec() const { return m_system[kSysEndDateDec]; }
    WORD GetRightClick() const { return m_system[kSysRightClick]; }
    WORD GetBlackBack() const { return m_system[kSysBlackBack]; }
    WORD GetCtl3DDisable() const { return m_system[kSysCtl3DDisable]; }
    WORD GetPrSetOriginal() const { return m_system[kSysPrSetOriginal]; }
    WORD GetHolidayMesh() const { return m_system[kSysHolidayMesh]; }
    WORD GetCrossCursor() const { return m_system[kSysCrossCursor]; }

    // ---- Parts ------------------------------------------------------------------------------
    const CConfigChart& GetChart() const { return m_chart; }
    CConfigChart& GetChart() { return m_chart; }
    const CConfigEvent& GetEvent() const { return m_event; }
    CConfigEvent& GetEvent() { return m_event; }
    const CConfigShin& GetShin() const { return m_shin; }
    CConfigShin& GetShin() { return m_shin; }
    const CConfigZukei& GetZukei() const { return m_zukei; }
    CConfigZukei& GetZukei() { return m_zukei; }
    const CConfigPath& GetPath() const { return m_path; }
    CConfigPath& GetPath() { return m_path; }
    const CConfigPrint& GetPrint() const { return m_print; }
    CConfigPrint& GetPrint() { return m_print; }
    const CConfigOperation& GetOperation() const { return m_operation; }
    CConfigOperation& GetOperation() { return m_operation; }
    const CConfigColor& GetColor() const { return m_color; }
    CConfigColor& GetColor() { return m_color; }

    // The masks whose groups reach documents only when they are created (message 5084).
    static constexpr UINT kNewDocumentMask = kConfigBase | kConfigKoutei | kConfigKoumoku |
                                             kConfigYogo | kConfigShin | kConfigEvent |
                                             kConfigZukei | kConfigOperation | kConfigFont;

private:
    // The sections of the own keys, in reading order, with their mask bits.
    std::vector<ConfigKeySection> OwnSections();
    // The own keys and the per-paper item widths and chart margins.
    void ResetOwn();
    // The font table, by the default rule of each paper and kind.
    void ResetFonts();
    void ReadOwn();
    // Writes the own section of the bit when the mask holds it; false when a write failed.
    bool WriteOwn(UINT mask, UINT bit);

    LONG m_nobeMode = 0;
    LONG m_maeYohaku = 0;
    LONG m_atoYohaku = 0;
    LONG m_kikan = 0;
    LONG m_lines = 0;
    LONG m_jyunbiKikan = 0;
    LONG m_monthDays = 0;
    LONG m_autoSaveTime = 0;
    LONG m_temWithFlt = 0;
    std::array<std::array<LOGFONT, kPaperCount>, kFontKindCount> m_fonts{};
    std::array<WORD, kPaperCount> m_koumokuWidth{};
    std::array<WORD, kPaperCount> m_kouteiMargin{};
    CConfigChart m_chart;
    CConfigEvent m_event;
    CConfigShin m_shin;
    CConfigZukei m_zukei;
    CConfigPath m_path;
    std::array<WORD, kSystemWordCount> m_system{};
    CConfigPrint m_print;
    CConfigOperation m_operation;
    CConfigColor m_color;
};

// The font of a kind for the paper of the application's chart part, from the application's
// font table: the font every text block starts with.
LOGFONT AppDefaultFont(int kind);

// The application's settings: the object installed by the application, or, until one is, an
// object of the program's own that holds the built-in defaults (read once, on first use).
// Never null.
CConfigBase* GetAppConfig();
// Installs the application's settings (nullptr goes back to the built-in one) and returns the
// previous ones. While one is installed, the page areas take its per-paper item widths and
// chart margins, and print headers its print part.
CConfigBase* SetAppConfig(CConfigBase* config);

} // namespace tembra
