#include "model/ConfigBase.h"

#include "model/PaperProfile.h"
#include "model/PrintArea.h"
#include "model/Utility.h"
#include "platform/Profile.h"
#include "platform/Ui.h"

#include <optional>

namespace tembra {

namespace {

constexpr const char* kBaseSection = "BaseConfig";
constexpr const char* kSystemSection = "SystemConfig";
constexpr const char* kAutoSaveSection = "AutoSave";
constexpr const char* kFloatSection = "FloatOpt";
constexpr UINT kMsgNewDocumentsOnly = 5084;

constexpr std::array<WORD, CConfigBase::kPaperCount> kKoumokuWidthDefaults = {500, 550,  450,
                                                                              900, 1273, 450};
constexpr WORD kKouteiMarginDefault = 30;

int ClampIndex(int i, int count) {
    return i >= 0 && i < count ? i : 0;
}

CConfigBase* g_installed = nullptr;
PaperAreaDefaultsSource g_previousAreaSource;
AppPrintConfigSource g_previousPrintSource;

} // namespace

CConfigBase::CConfigBase() {
    ResetOwn();
}

const LOGFONT& CConfigBase::GetFont(int kind, int paper) const {
    return m_fonts[static_cast<std::size_t>(ClampIndex(kind, kFontKindCount))]
                  [static_cast<std::size_t>(ClampIndex(paper, kPaperCount))];
}

void CConfigBase::SetFont(int kind, int paper, const LOGFONT& font) {
    m_fonts[static_cast<std::size_t>(ClampIndex(kind, kFontKindCount))]
           [static_cast<std::size_t>(ClampIndex(paper, kPaperCount))] = font;
}

WORD CConfigBase::GetKoumokuWidth(int paper) const {
    return m_koumokuWidth[static_cast<std::size_t>(ClampIndex(paper, kPaperCount))];
}

void CConfigBase::SetKoumokuWidth(int paper, WORD width) {
    m_koumokuWidth[static_cast<std::size_t>(ClampIndex(paper, kPaperCount))] = width;
}

WORD CConfigBase::GetKouteiMargin(int paper) const {
    return m_kouteiMargin[static_cast<std::size_t>(ClampIndex(paper, kPaperCount))];
}

void CConfigBase::SetKouteiMargin(int paper, WORD margin) {
    m_kouteiMargin[static_cast<std::size_t>(ClampIndex(paper, kPaperCount))] = margin;
}

WORD CConfigBase::GetSystemWord(int i) const {
    return i >= 0 && i < kSystemWordCount ? m_system[static_cast<std::size_t>(i)] : 0;
}

void CConfigBase::SetSystemWord(int i, WORD value) {
    if (i >= 0 && i < kSystemWordCount) {
        m_system[static_cast<std::size_t>(i)] = value;
    }
}

std::vector<ConfigKeySection> CConfigBase::OwnSections() {
    auto word = [this](int i) -> WORD& { return m_system[static_cast<std::size_t>(i)]; };
    return {
        {kBaseSection,
         kConfigBase,
         {
             // A new document's period, rows and elapsed months are divided into: a stored 0 or
             // a negative value would reach those divisions.
             ConfigKey::Int("Kikan", m_kikan, 40).AtLeast(1),
             ConfigKey::Int("Lines", m_lines, 40).AtLeast(1),
             ConfigKey::Int("NobeMode", m_nobeMode, 0),
             ConfigKey::Int("MaeYohaku", m_maeYohaku, 0),
             ConfigKey::Int("AtoYohaku", m_atoYohaku, 0),
             ConfigKey::Int("JyunbiKikan", m_jyunbiKikan, 0),
             ConfigKey::Int("MonthDays", m_monthDays, 30).AtLeast(1, 30),
         }},
        {kSystemSection,
         kConfigSystem,
         {
             ConfigKey::Word("ToolBar", word(kSysToolBar), 0),
             // The second to fifth words have no key.
             ConfigKey::Word(nullptr, word(1), 1),
             ConfigKey::Word(nullptr, word(2), 1),
             ConfigKey::Word(nullptr, word(3), 1),
             ConfigKey::Word(nullptr, word(4), 1),
             ConfigKey::Word("CursorDate", word(kSysCursorDate), 0),
             ConfigKey::Word("EndDateDec", word(kSysEndDateDec), 1),
             ConfigKey::Word("BlackBack", word(kSysBlackBack), 0),
             ConfigKey::Word("RightClick", word(kSysRightClick), 0),
             ConfigKey::Word("Ctl3DDisable", word(kSysCtl3DDisable), 0),
             ConfigKey::Word("PrSetOriginal", word(kSysPrSetOriginal), 0),
             ConfigKey::Word("HolidayMesh", word(kSysHolidayMesh), 1),
             ConfigKey::Word("CrossCursor", word(kSysCrossCursor), 0),
         }},
        {kAutoSaveSection, kConfigAutoSave, {ConfigKey::Int("AutoSaveTime", m_autoSaveTime, 10)}},
        {kFloatSection, kConfigFloat, {ConfigKey::Int("TemWithFlt", m_temWithFlt, 0)}},
    };
}

void CConfigBase::ResetOwn() {
    for (const ConfigKeySection& section : OwnSections()) {
        ResetKeys(section.keys);
    }
    m_koumokuWidth = kKoumokuWidthDefaults;
    m_kouteiMargin.fill(kKouteiMarginDefault);
}

void CConfigBase::ResetFonts() {
    // Papers A4 to A3 upright take the smaller sizes, A2 and A1 the larger ones; the shape
    // text has no width of its own and the print header no size at all.
    for (int paper = 0; paper < kPaperCount; ++paper) {
        const bool large = paper >= 4;
        for (int kind = 0; kind < kFontKindCount; ++kind) {
            LONG height = large ? -40 : -32;
            LONG width = large ? 20 : 16;
            if (kind == kFontZukei) {
                width = 0;
            } else if (kind == kFontHeader) {
                height = 0;
                width = 0;
            }
            LOGFONT font;
            EnumFontFaces(font, std::nullopt, height, width);
            m_fonts[static_cast<std::size_t>(kind)][static_cast<std::size_t>(paper)] = font;
        }
    }
}

void CConfigBase::ReadOwn() {
    for (const ConfigKeySection& section : OwnSections()) {
        ReadKeys(section.section, section.keys);
    }
    // The per-paper values live in the paper sections, under the keys the layout-value readers
    // know.
    for (int paper = 0; paper < kPaperCount; ++paper) {
        for (int kind = 0; kind < kFontKindCount; ++kind) {
            ReadPaperFont(paper, kind,
                          m_fonts[static_cast<std::size_t>(kind)][static_cast<std::size_t>(paper)]);
        }
        ReadPaperKoumokuWidth(paper, m_koumokuWidth[static_cast<std::size_t>(paper)]);
        ReadPaperKouteiMargin(paper, m_kouteiMargin[static_cast<std::size_t>(paper)]);
    }
}

bool CConfigBase::WriteOwn(UINT mask, UINT bit) {
    if ((mask & bit) == 0) {
        return true;
    }
    for (const ConfigKeySection& section : OwnSections()) {
        if (section.mask == bit) {
            return WriteKeys(section.section, section.keys);
        }
    }
    return true;
}

BOOL CConfigBase::Read(BOOL fromProfile) {
    // The chart part's page needs the layout file's path first.
    m_path.Read(fromProfile);
    ResetOwn();
    ResetFonts();
    if (fromProfile != FALSE) {
        ReadOwn();
    }
    m_chart.Read(fromProfile);
    m_event.Read(fromProfile);
    m_shin.Read(fromProfile);
    m_zukei.Read(fromProfile);
    m_path.Read(fromProfile);
    m_print.Read(fromProfile);
    m_operation.Read(fromProfile);
    m_color.Read(fromProfile);
    return TRUE;
}

BOOL CConfigBase::Write(UINT mask) {
    // Every section goes into the user profile; it is replaced once, when all are written.
    ProfileBatch batch(UserProfile());
    bool ok = WriteOwn(mask, kConfigSystem);
    ok = WriteOwn(mask, kConfigBase) && ok;
    if ((mask & kConfigPath) != 0) {
        ok = m_path.Write(mask) != FALSE && ok;
    }
    if ((mask & kConfigShin) != 0) {
        ok = m_shin.Write(mask) != FALSE && ok;
    }
    if ((mask & kConfigEvent) != 0) {
        ok = m_event.Write(mask) != FALSE && ok;
    }
    if ((mask & kConfigZukei) != 0) {
        ok = m_zukei.Write(mask) != FALSE && ok;
    }
    if ((mask & kConfigPrint) != 0) {
        ok = m_print.Write(mask) != FALSE && ok;
    }
    if ((mask & kConfigOperation) != 0) {
        ok = m_operation.Write(mask) != FALSE && ok;
    }
    if ((mask & kConfigColor) != 0) {
        ok = m_color.Write(mask) != FALSE && ok;
    }
    ok = WriteOwn(mask, kConfigAutoSave) && ok;
    ok = WriteOwn(mask, kConfigFloat) && ok;
    if ((mask & kConfigFont) != 0) {
        for (int paper = 0; paper < kPaperCount; ++paper) {
            for (int kind = 0; kind < kFontKindCount; ++kind) {
                ok = WritePaperFont(paper, kind, GetFont(kind, paper)) != FALSE && ok;
            }
        }
    }
    ok = m_chart.Write(mask) != FALSE && ok;
    ok = batch.Commit() && ok;
    if ((mask & kNewDocumentMask) != 0) {
        AfxMessageBox(kMsgNewDocumentsOnly, MB_OK);
    }
    return ok ? TRUE : FALSE;
}

LOGFONT AppDefaultFont(int kind) {
    const CConfigBase* app = GetAppConfig();
    return app->GetFont(kind, app->GetChart().GetPageSetting().GetPaper());
}

// ---- The application's settings --------------------------------------------------------------

namespace {

CConfigBase& BuiltInAppConfig() {
    static CConfigBase config;
    static bool ready = false;
    if (!ready) {
        // Set first: the parts' reset asks the application's settings for its fonts and
        // layout path, and gets this object while it is being filled.
        ready = true;
        config.Read(FALSE);
    }
    return config;
}

} // namespace

CConfigBase* GetAppConfig() {
    return g_installed != nullptr ? g_installed : &BuiltInAppConfig();
}

CConfigBase* SetAppConfig(CConfigBase* config) {
    CConfigBase* previous = g_installed;
    if (config != nullptr && previous == nullptr) {
        g_previousAreaSource = SetPaperAreaDefaultsSource([](int paper) {
            const CConfigBase* app = GetAppConfig();
            PaperAreaDefaults d;
            d.itemWidth = static_cast<short>(app->GetKoumokuWidth(paper));
            d.chartMargin = static_cast<short>(app->GetKouteiMargin(paper));
            return d;
        });
        g_previousPrintSource = SetAppPrintConfigSource(
            []() -> const CConfigPrint& { return GetAppConfig()->GetPrint(); });
    } else if (config == nullptr && previous != nullptr) {
        SetPaperAreaDefaultsSource(std::move(g_previousAreaSource));
        SetAppPrintConfigSource(std::move(g_previousPrintSource));
        g_previousAreaSource = nullptr;
        g_previousPrintSource = nullptr;
    }
    g_installed = config;
    return previous;
}

} // namespace tembra
