#include "print/VrPrintValues.h"

#include "model/SyokiSet.h"
#include "print/PrHeader.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace tembra {

namespace {

// The factor of a text: the whole text (blanks around it allowed) must be a number.
std::optional<double> ParseRate(const std::string& text) {
    std::string_view s(text);
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

WORD PackKeisen(int vertical, int horizontal) {
    return static_cast<WORD>(((vertical & 0xFF) << 8) | (horizontal & 0xFF));
}

CPoint MarginPair(int left, int top) {
    return CPoint(left, -top);
}

void ShownMargins(const CPoint& pair, int& left, int& top) {
    left = std::abs(static_cast<int>(pair.x));
    top = std::abs(static_cast<int>(pair.y));
}

bool IsLineRateInRange(const std::string& text) {
    const std::optional<double> rate = ParseRate(text);
    return rate && *rate >= kLineRateMin && *rate <= kLineRateMax;
}

std::string ClampLineRate(const std::string& text) {
    const std::optional<double> rate = ParseRate(text);
    if (!rate || *rate < kLineRateMin) {
        return "0.5";
    }
    if (*rate > kLineRateMax) {
        return "3.0";
    }
    return text;
}

CConfigPrint::PeriodTexts PeriodTextsOf(const CTime& from, const CTime& to) {
    return {std::to_string(from.GetYear()), std::to_string(from.GetMonth()),
            std::to_string(from.GetDay()),  std::to_string(to.GetYear()),
            std::to_string(to.GetMonth()),  std::to_string(to.GetDay())};
}

CConfigPrint::DateTexts DateTextsOf(const CTime& date) {
    return {std::to_string(date.GetYear()), std::to_string(date.GetMonth()),
            std::to_string(date.GetDay())};
}

std::string PaperText(int paperCode) {
    static constexpr std::array<const char*, 6> kPapers = {"A4", "B4", "A3", "A3縦", "A2", "A1"};
    if (paperCode < 0 || paperCode >= static_cast<int>(kPapers.size())) {
        return {};
    }
    return kPapers[static_cast<std::size_t>(paperCode)];
}

std::string ScaleText(WORD zoomPrinting) {
    return zoomPrinting != 0 ? "ON" : "OFF";
}

namespace {

void CopyInOptions(const CConfigPrint& print, VrPrintValues& v) {
    v.kikan = print.GetKikan();
    v.toDay = print.GetToDay();
    v.amikake = print.GetAmikake();
    v.amikakeColor = print.GetAmikakeColor();
    v.holidayLine = print.GetHolidayLine();
    v.keisenVertical = print.GetKeisenVertical();
    v.keisenHorizontal = print.GetKeisenHorizontal();
    v.color = print.GetColor();
    v.keisenDotFlag = print.GetKeisenDotFlag();
    v.keisenDotWidth = print.GetKeisenDotWidth();
    v.keisenDotItv = print.GetKeisenDotItv();
    v.keisenDotLen = print.GetKeisenDotLen();
    v.keisenDot2Width = print.GetKeisenDot2Width();
    v.voldLineEx = print.GetVoldLineEx();
    v.lineRate = print.GetLineRate();
    v.zoomPrinting = print.GetZoomPrinting();
    v.crossType = print.GetCrossType();
    v.arcRay = print.GetArcRay();
    v.satdayColor = print.GetSatdayColor();
    v.sundayColor = print.GetSundayColor();
    v.hatch = print.GetHatch();
}

} // namespace

VrPrintValues CopyInPrintValues(const CPrHeader* header, const CSyokiSet* settings,
                                const CConfigPrint& defaults,
                                const std::optional<LayoutPeriod>& view, const CTime& today) {
    VrPrintValues v;
    if (header == nullptr || settings == nullptr) {
        CopyInOptions(defaults, v);
        return v;
    }
    CopyInOptions(*header, v);
    v.formatName = header->GetLayoutName();
    v.elapsed = settings->GetNobeMode() > 0;
    v.layoutPeriod = view ? PeriodTextsOf(view->start, view->end)
                          : PeriodTextsOf(settings->GetStartDate(), settings->GetEndDate());
    v.period = header->GetPeriodSetFlag() != 0 ? header->GetHeaderTexts() : v.layoutPeriod;
    v.date = header->GetDateSetFlag() != 0 ? header->GetHeaderTexts2() : DateTextsOf(today);
    ShownMargins(settings->GetPageSetting().GetMarginShift(), v.marginLeft, v.marginTop);
    return v;
}

void ApplyPrintOptions(const VrPrintValues& v, CConfigPrint& print) {
    print.SetKikan(v.kikan);
    print.SetToDay(v.toDay);
    print.SetAmikake(v.amikake);
    print.SetAmikakeColor(v.amikakeColor);
    print.SetHolidayLine(v.holidayLine);
    print.SetKeisen(PackKeisen(v.keisenVertical, v.keisenHorizontal));
    print.SetColor(v.color);
    print.SetKeisenDotFlag(v.keisenDotFlag);
    print.SetKeisenDotWidth(v.keisenDotWidth);
    print.SetKeisenDotItv(v.keisenDotItv);
    print.SetKeisenDotLen(v.keisenDotLen);
    print.SetKeisenDot2Width(v.keisenDot2Width);
    print.SetVoldLineEx(v.voldLineEx);
    // A factor the page never checked (the page was not opened) is brought within bounds here.
    print.SetLineRate(ClampLineRate(v.lineRate));
    print.SetZoomPrinting(v.zoomPrinting);
    print.SetCrossType(v.crossType);
    print.SetArcRay(v.arcRay);
    print.SetSatdayColor(v.satdayColor);
    print.SetSundayColor(v.sundayColor);
    print.SetHatch(v.hatch);
}

void ApplyPrintValues(const VrPrintValues& v, CPrHeader& header, CSyokiSet& settings) {
    ApplyPrintOptions(v, header);
    header.SetHeaderTexts(v.period);
    header.SetPeriodSetFlag(1);
    header.SetHeaderTexts2(v.date);
    header.SetDateSetFlag(1);
    // The page keeps the printer's offset; the margin shift becomes the pair itself.
    CPrintArea& page = settings.GetPageSetting();
    const CPoint pair = MarginPair(v.marginLeft, v.marginTop);
    const CPoint printer = page.GetPrinterOffset();
    page.AdjustMargins(pair.x + printer.x, pair.y + printer.y);
}

BOOL StorePrintDefaults(const VrPrintValues& values, CConfigPrint& defaults) {
    ApplyPrintOptions(values, defaults);
    return defaults.Write(0);
}

} // namespace tembra
