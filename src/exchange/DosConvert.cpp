// The converter's header file and its tables of colours, papers and dates.
#include "exchange/DosConvert.h"

#include "exchange/ExchangeSupport.h"
#include "model/PrintArea.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Exception.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tembra {

namespace {

// The DOS colour table by index.
constexpr std::array<COLORREF, 16> kDosColors{
    RGB(255, 255, 255), RGB(0, 0, 255),   RGB(255, 0, 0),   RGB(255, 0, 255),
    RGB(0, 255, 0),     RGB(0, 255, 255), RGB(255, 255, 0), RGB(0, 0, 0),
    RGB(0, 255, 255),   RGB(0, 0, 255),   RGB(255, 0, 0),   RGB(255, 0, 255),
    RGB(192, 192, 192), RGB(0, 255, 255), RGB(255, 255, 0), RGB(192, 192, 192),
};

// The colours the export knows, with their index; every other colour is black (7).
struct ColorIndex {
    COLORREF color;
    int index;
};
constexpr std::array<ColorIndex, 8> kColorIndices{{
    {0xFFFFFF, 0},
    {0xFF0000, 1},
    {0x0000FF, 2},
    {0xFF00FF, 3},
    {0x00FF00, 4},
    {0xFFFF00, 5},
    {0x00FFFF, 6},
    {0xC0C0C0, 12},
}};

// A signed word: the elapsed-day words count below 0 as well.
int Signed(WORD w) {
    return static_cast<short>(w);
}

} // namespace

CDosConvert::CDosConvert() : m_block1(Dos::kBlock1Size), m_block2(Dos::kBlock2Size) {}

// ---- Header -----------------------------------------------------------------------------------

// Every refusal says why: a version too old with its own message, a header file shorter than
// its blocks (or one that cannot be read) as a damaged file with its name.
BOOL CDosConvert::ReadHeader(CArchive& ar) {
    const auto readWhole = [&ar](Dos::Bytes& block) {
        try {
            return ar.Read(block.Data(), static_cast<UINT>(block.Size())) == block.Size();
        } catch (const CException&) {
            return false;
        }
    };
    Dos::Bytes block1(Dos::kBlock1Size);
    if (!readWhole(block1)) {
        Exchange::ReportDamagedFile(ar.m_strFileName);
        return FALSE;
    }
    m_block1 = std::move(block1);
    if (!CheckVersion()) {
        return FALSE;
    }
    if (GetVersion() >= Dos::kCurrentLayoutVersion) {
        Dos::Bytes block2(Dos::kBlock2Size);
        if (!readWhole(block2)) {
            Exchange::ReportDamagedFile(ar.m_strFileName);
            return FALSE;
        }
        m_block2 = std::move(block2);
    } else {
        Dos::Bytes old(Dos::kOldBlock2Size);
        if (!readWhole(old)) {
            Exchange::ReportDamagedFile(ar.m_strFileName);
            return FALSE;
        }
        ConvertOldBlock2(old);
    }
    m_nChartMode = m_block2.Short(Dos::B2::kChartMode);
    return TRUE;
}

void CDosConvert::ConvertOldBlock2(const Dos::Bytes& old) {
    m_block2 = Dos::Bytes(Dos::kBlock2Size);
    for (const Dos::Move& move : Dos::kOldBlock2Moves) {
        std::memcpy(m_block2.Data() + move.to, old.Data() + move.from, move.size);
    }
    // The company records had five short lines; each text comes over up to its zero byte.
    for (const Dos::Move& company : Dos::kOldCompanies) {
        for (const Dos::Move& field : Dos::kOldCompanyFields) {
            const std::string text = old.Text(company.from + field.from, field.size);
            std::memcpy(m_block2.Data() + company.to + field.to, text.data(), text.size());
        }
    }
}

BOOL CDosConvert::CheckVersion() const {
    const int version = GetVersion();
    if (version >= Dos::kOldestVersion) {
        return TRUE;
    }
    const std::string tag = StringPrintf("[v%d.%d]", version / 1000, version % 1000);
    Ui().MessageBox(FormatString(LoadString(IDS_DOS_VERSION), {tag}), MB_OK | MB_ICONEXCLAMATION,
                    IDS_DOS_VERSION);
    return FALSE;
}

// ---- Tables ---------------------------------------------------------------------------------

COLORREF CDosConvert::DosColorToRgb(int index) {
    return index >= 0 && index < static_cast<int>(kDosColors.size())
               ? kDosColors[static_cast<std::size_t>(index)]
               : RGB(0, 0, 0);
}

int CDosConvert::RgbToDosColor(COLORREF color) {
    for (const ColorIndex& entry : kColorIndices) {
        if (entry.color == color) {
            return entry.index;
        }
    }
    return 7;
}

void CDosConvert::DosPaperToWin(int& paper, int& orientation) {
    const int dos = paper;
    switch (dos) {
    case 0:
    case 1:
        paper = dos;
        break;
    case 2:
    case 3:
        paper = kPaperA3;
        break;
    case 4:
    case 5:
        paper = kPaperA2;
        break;
    case 6:
    case 7:
        paper = kPaperA1;
        break;
    default:
        // Not a DOS paper: the chart's first paper.
        paper = kPaperA4;
        break;
    }
    if (paper == kPaperA3 && orientation == 1) {
        paper = kPaperA3Tate;
        orientation = 1;
    } else {
        orientation = 0;
    }
}

void CDosConvert::WinPaperToDos(int& paper, int& orientation) {
    switch (paper) {
    case kPaperA4:
    case kPaperB4:
    case kPaperA3:
    case kPaperA2:
        break;
    case kPaperA3Tate:
        paper = kPaperA3;
        orientation = 1;
        return;
    case kPaperA1:
        paper = 6;
        break;
    default:
        paper = kPaperB4;
        break;
    }
    orientation = 0;
}

CTime CDosConvert::DosTimeToCTime(const Dos::DateWords& w) {
    return CTime(w[0], w[1], w[2], w[3], w[4], w[5]);
}

Dos::DateWords CDosConvert::SplitTime(std::int64_t time) {
    const CTime t(time);
    return {static_cast<WORD>(t.GetYear()),   static_cast<WORD>(t.GetMonth()),
            static_cast<WORD>(t.GetDay()),    static_cast<WORD>(t.GetHour()),
            static_cast<WORD>(t.GetMinute()), static_cast<WORD>(t.GetSecond())};
}

std::int64_t CDosConvert::DosDays(const Dos::DateWords& words, int unit) {
    const auto counted = [](int v) { return v > 0 ? v - 1 : v; };
    const std::int64_t days = counted(Signed(words[2]));
    if (unit != 0) {
        return days;
    }
    return static_cast<std::int64_t>(counted(Signed(words[1]))) * 30 + days;
}

Dos::DateWords CDosConvert::NobeDaysToDos(std::int64_t days, int unit, bool floorMonths) {
    const auto counted = [](std::int64_t v) { return static_cast<WORD>(v >= 0 ? v + 1 : v); };
    Dos::DateWords words{};
    if (unit != 0) {
        words[2] = counted(days);
        return words;
    }
    std::int64_t months = days / 30;
    std::int64_t rest = days % 30;
    if (floorMonths && rest < 0) {
        months -= 1;
        rest += 30;
    }
    words[1] = counted(months);
    words[2] = counted(rest);
    return words;
}

std::optional<CTime> CDosConvert::DecodeDate(const Dos::DateWords& w, const CTime& base) const {
    CTime date;
    if (m_nChartMode == 0) {
        if (w[0] < kMinDateYear || w[0] > kMaxDateYear || w[1] < 1 || w[1] > 12 || w[2] < 1 ||
            w[2] > GetDaysInMonth(w[0], w[1]) || w[3] > 23 || w[4] > 59 || w[5] > 59) {
            return std::nullopt;
        }
        date = DosTimeToCTime(w);
    } else {
        date = base + CTimeSpan(DosDays(w, m_nobeUnit) * kDaySeconds);
    }
    if (date < GetMinDate() || date >= GetMaxDate() + CTimeSpan(kDaySeconds)) {
        return std::nullopt;
    }
    return date;
}

} // namespace tembra
