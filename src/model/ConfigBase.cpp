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

// The "SystemConfig" keys in reading and writing order, with their words.
struct SystemKey {
    const char* key;
    int word;
};
constexpr SystemKey kSystemKeys[] = {
    {"ToolBar", CConfigBase::kSysToolBar},
    {"CursorDate", CConfigBase::kSysCursorDate},
    {"EndDateDec", CConfigBase::kSysEndDateDec},
    {"BlackBack", CConfigBase::kSysBlackBack},
    {"RightClick", CConfigBase::kSysRightClick},
    {"Ctl3DDisable", CConfigBase::kSysCtl3DDisable},
    {"PrSetOriginal", CConfigBase::kSysPrSetOriginal},
    {"HolidayMesh", CConfigBase::kSysHolidayMesh},
    {"CrossCursor", CConfigBase::kSysCrossCursor},
};
constexpr std::array<WORD, CConfigBase::kSystemWordCount> kSystemDefaults = {0, 1, 1, 1, 1, 0, 1,
                                                                             0, 0, 0, 0, 1, 0};

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
    m_system = kSystemDefaults;
    m_koumokuWidth = kKoumokuWidthDefaults;
    m_kouteiMargin.fill(kKouteiMarginDefault);
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

void CConfigBase::ResetOwn() {
    m_nobeMode = 0;
    m_maeYohaku = 0;
    m_atoYohaku = 0;
    m_kikan = 40;
    m_lines = 40;
    m_jyunbiKikan = 0;
    m_monthDays = 30;
    m_autoSaveTime = 10;
    m_temWithFlt = 0;

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
    m_koumokuWidth = kKoumokuWidthDefaults;
    m_kouteiMargin.fill(kKouteiMarginDefault);
    m_system = kSystemDefaults;
}

void CConfigBase::ReadOwn() {
    ProfileRead(kBaseSection, "Kikan", m_kikan);
    ProfileRead(kBaseSection, "Lines", m_lines);
    ProfileRead(kBaseSection, "NobeMode", m_nobeMode);
    ProfileRead(kBaseSection, "MaeYohaku", m_maeYohaku);
    ProfileRead(kBaseSection, "AtoYohaku", m_atoYohaku);
    ProfileRead(kBaseSection, "JyunbiKikan", m_jyunbiKikan);
    ProfileRead(kBaseSection, "MonthDays", m_monthDays);
    // A new document's period, rows and elapsed months are divided into: a stored 0 or a
    // negative value would reach those divisions.
    if (m_kikan < 1) {
        m_kikan = 1;
    }
    if (m_lines < 1) {
        m_lines = 1;
    }
    if (m_monthDays < 1) {
        m_monthDays = 30;
    }

    for (const SystemKey& k : kSystemKeys) {
        ProfileRead(kSystemSection, k.key, m_system[static_cast<std::size_t>(k.word)]);
    }
    ProfileRead(kAutoSaveSection, "AutoSaveTime", m_autoSaveTime);
    ProfileRead(kFloatSection, "TemWithFlt", m_temWithFlt);

    for (int paper = 0; paper < kPaperCount; ++paper) {
        for (int kind = 0; kind < kFontKindCount; ++kind) {
            ReadPaperFont(paper, kind,
                          m_fonts[static_cast<std::size_t>(kind)][static_cast<std::size_t>(paper)]);
        }
        ReadPaperKoumokuWidth(paper, m_koumokuWidth[static_cast<std::size_t>(paper)]);
        ReadPaperKouteiMargin(paper, m_kouteiMargin[static_cast<std::size_t>(paper)]);
    }
}

BOOL CConfigBase::Read(BOOL fromProfile) {
    // The chart part's page needs the layout file's path first.
    m_path.Read(fromProfile);
    ResetOwn();
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
    bool ok = true;
    if ((mask & kConfigSystem) != 0) {
        ProfileWriter out(kSystemSection);
        for (const SystemKey& k : kSystemKeys) {
            out.Word(k.key, m_system[static_cast<std::size_t>(k.word)]);
        }
        ok = out.Ok() && ok;
    }
    if ((mask & kConfigBase) != 0) {
        ProfileWriter out(kBaseSection);
        out.Int("Kikan", m_kikan);
        out.Int("Lines", m_lines);
        out.Int("NobeMode", m_nobeMode);
        out.Int("MaeYohaku", m_maeYohaku);
        out.Int("AtoYohaku", m_atoYohaku);
        out.Int("JyunbiKikan", m_jyunbiKikan);
        out.Int("MonthDays", m_monthDays);
        ok = out.Ok() && ok;
    }
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
    if ((mask & kConfigAutoSave) != 0) {
        ok = WriteProfileInt(kAutoSaveSection, "AutoSaveTime", m_autoSaveTime) != FALSE && ok;
    }
    if ((mask & kConfigFloat) != 0) {
        ok = WriteProfileInt(kFloatSection, "TemWithFlt", m_temWithFlt) != FALSE && ok;
    }
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
