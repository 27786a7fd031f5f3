#include "dialogs/attributes/core/ChartSheetFields.h"

#include "chart/Chart.h"
#include "shapes/ZukeiString.h"

#include <cstdlib>

namespace tembra {

namespace {

constexpr CodeEntry kBarPatterns[] = {{"なし", 999},   {"べた", 99},    {"右上り斜線", 3},
                                      {"縦横格子", 4}, {"斜め格子", 5}, {"右下り斜線", 2},
                                      {"横縞", 0},     {"縦縞", 1}};

std::vector<std::string> Numbers(std::vector<std::string> texts, int from, int to, int step) {
    for (int value = from; value <= to; value += step) {
        texts.push_back(std::to_string(value));
    }
    return texts;
}

} // namespace

std::span<const CodeEntry> BarPatternTable() {
    return kBarPatterns;
}

ComboChoice LoadChoice(std::span<const CodeEntry> table, int code) {
    const int position = PositionOfCode(table, code);
    return ComboChoice{code, position, position};
}

int StoreChoice(std::span<const CodeEntry> table, const ComboChoice& choice, int outside) {
    if (choice.position == choice.shown) {
        return choice.stored;
    }
    if (choice.position < 0 || choice.position >= static_cast<int>(table.size())) {
        return outside;
    }
    return table[static_cast<std::size_t>(choice.position)].code;
}

ColorChoice LoadColorChoice(COLORREF color) {
    return ColorChoice{ColorPosition(color), color};
}

COLORREF StoreColorChoice(const ColorChoice& choice) {
    return ColorAtPosition(choice.position, choice.custom);
}

const std::vector<std::string>& ChartFontSizeTexts() {
    static const std::vector<std::string> sizes = {"10", "12", "14", "16", "17", "18", "20", "22",
                                                   "24", "26", "28", "30", "32", "34", "36", "38",
                                                   "40", "50", "60", "70", "80", "90", "100"};
    return sizes;
}

const std::vector<std::string>& ScaleStepTexts() {
    static const std::vector<std::string> steps =
        Numbers(Numbers({kAutomaticText}, 1, 20, 1), 25, 100, 5);
    return steps;
}

const std::vector<std::string>& ScaleMaximumTexts() {
    static const std::vector<std::string> maxima =
        Numbers(Numbers(Numbers({kAutomaticText}, 10, 100, 10), 200, 200, 1), 250, 1000, 50);
    return maxima;
}

std::string ScaleText(long value) {
    return value == 0 ? std::string(kAutomaticText) : std::to_string(value);
}

long ReadChartNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Past nine digits the number means nothing to any field: keep what was read.
        if (value > 99999999L) {
            break;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

int FontSizeOf(const LOGFONT& font) {
    return static_cast<int>(std::labs(static_cast<long>(font.lfHeight)));
}

LOGFONT SizedFont(const LOGFONT& face, int size, bool halfWidth) {
    LOGFONT font = face;
    font.lfHeight = -size;
    font.lfWidth = halfWidth ? size / 2 : 0;
    return font;
}

ScaleFields LoadScaleFields(const CChart& chart) {
    ScaleFields fields;
    fields.font = chart.GetScaleFont();
    fields.size = std::to_string(FontSizeOf(fields.font));
    fields.step = ScaleText(chart.GetScaleStep());
    if (chart.GetKind() == CChart::kPurposeEarnedValue) {
        // An earned-value line's maximum is its 100 % total, set on the graph page.
        fields.maximum = kAutomaticText;
        fields.maximumEnabled = false;
    } else {
        fields.maximum = ScaleText(static_cast<long>(chart.GetMaxValue()));
    }
    return fields;
}

void StoreScaleFields(const ScaleFields& fields, CChart& chart) {
    chart.SetScaleFont(
        SizedFont(fields.font, static_cast<int>(ReadChartNumber(fields.size)), true));
    chart.SetScaleStep(ReadChartNumber(fields.step));
    if (chart.GetKind() == CChart::kPurposeLoading) {
        chart.SetMaxValue(static_cast<DWORD>(ReadChartNumber(fields.maximum)));
    }
}

bool ScaleStepAccepted(const ScaleFields& fields, const CChart& chart) {
    return chart.GetKind() != CChart::kPurposeEarnedValue ||
           ReadChartNumber(fields.step) < kEarnedValueStepLimit;
}

BarPatternFields LoadBarPattern(const CChart& chart, int series) {
    BarPatternFields fields;
    fields.line = LoadColorChoice(chart.GetSeriesLineColor(series));
    fields.fill = LoadColorChoice(chart.GetSeriesPatternColor(series));
    fields.pattern =
        LoadChoice(BarPatternTable(), static_cast<int>(chart.GetSeriesPattern(series)));
    return fields;
}

void StoreBarPattern(const BarPatternFields& fields, CChart& chart, int series) {
    chart.SetSeriesLineColor(series, StoreColorChoice(fields.line));
    chart.SetSeriesPatternColor(series, StoreColorChoice(fields.fill));
    chart.SetSeriesPattern(series, StoreChoice(BarPatternTable(), fields.pattern, 0));
}

LineTypeFields LoadLineType(const CChart& chart, int series) {
    LineTypeFields fields;
    fields.line = LoadColorChoice(chart.GetSeriesLineColor(series));
    fields.type = LoadChoice(LineTypeTable(), chart.GetSeriesLineType(series));
    fields.width = LoadChoice(LineWidthTable(), chart.GetSeriesLineWidth(series));
    return fields;
}

void StoreLineType(const LineTypeFields& fields, CChart& chart, int series) {
    chart.SetSeriesLineColor(series, StoreColorChoice(fields.line));
    chart.SetSeriesLineType(series,
                            static_cast<short>(StoreChoice(LineTypeTable(), fields.type, 0)));
    chart.SetSeriesLineWidth(series,
                             static_cast<short>(StoreChoice(LineWidthTable(), fields.width, 0)));
}

int VerticalPosition(WORD flags) {
    if ((flags & CZukeiString::kAttrTop) != 0) {
        return 0;
    }
    return (flags & CZukeiString::kAttrBottom) != 0 ? 2 : 1;
}

WORD WithVerticalPosition(WORD flags, int position) {
    constexpr WORD kVertical = CZukeiString::kAttrTop | CZukeiString::kAttrBottom;
    const WORD kept = static_cast<WORD>(flags & ~kVertical);
    switch (position) {
    case 0:
        return static_cast<WORD>(kept | CZukeiString::kAttrTop);
    case 2:
        return static_cast<WORD>(kept | CZukeiString::kAttrBottom);
    default:
        return kept;
    }
}

TotalsFormatFields LoadTotalsFormat(const CChart& chart, const CZukeiString& box) {
    TotalsFormatFields fields;
    fields.lineType = LoadChoice(LineTypeTable(), box.GetLineType());
    fields.line = LoadColorChoice(box.GetColor());
    fields.lineWidth = LoadChoice(LineWidthTable(), box.GetWidth());
    fields.hatch = LoadChoice(HatchTable(), box.GetHatch());
    fields.hatchColor = LoadColorChoice(box.GetHatchColor());
    fields.separator = chart.GetSeparator();
    fields.font = box.GetFont();
    fields.size = std::to_string(FontSizeOf(fields.font));
    fields.text = LoadColorChoice(box.GetTextAttr().m_color);
    fields.horizontal = box.GetTextAttr().m_form;
    fields.vertical = VerticalPosition(box.GetTextAttr().m_attrb);
    return fields;
}

void StoreTotalsFormat(const TotalsFormatFields& fields, CChart& chart, CZukeiString& box) {
    box.SetLineType(static_cast<WORD>(StoreChoice(LineTypeTable(), fields.lineType, 0)));
    box.SetColor(StoreColorChoice(fields.line));
    box.SetWidth(static_cast<short>(StoreChoice(LineWidthTable(), fields.lineWidth, 0)));
    box.SetHatch(static_cast<WORD>(StoreChoice(HatchTable(), fields.hatch, 999)));
    box.SetHatchColor(StoreColorChoice(fields.hatchColor));
    chart.SetSeparator(fields.separator);
    box.SetFont(SizedFont(fields.font, static_cast<int>(ReadChartNumber(fields.size)), false));
    CTextAttr text = box.GetTextAttr();
    text.m_color = StoreColorChoice(fields.text);
    text.m_form = static_cast<WORD>(fields.horizontal);
    text.m_attrb = WithVerticalPosition(text.m_attrb, fields.vertical);
    box.SetTextAttr(text);
}

void StoreSeriesShown(CChart& chart, int series, bool shown) {
    if ((chart.IsSeriesShown(series) != 0) != shown) {
        chart.SetSeriesShown(series, shown ? 1 : 0);
    }
}

void StoreOption(CChart& chart, DWORD bit, bool on) {
    chart.SetOptions(on ? chart.GetOptions() | bit : chart.GetOptions() & ~bit);
}

std::string ShownDisplayName(const std::vector<std::string>& stored, int index,
                             const std::string& name) {
    if (index >= 0 && index < static_cast<int>(stored.size()) &&
        !stored[static_cast<std::size_t>(index)].empty()) {
        return stored[static_cast<std::size_t>(index)];
    }
    return name;
}

void StoreDisplayName(std::vector<std::string>& stored, int index, const std::string& shown,
                      const std::string& name) {
    if (index < 0) {
        return;
    }
    if (static_cast<int>(stored.size()) <= index) {
        // A missing entry already stands for the resource's own name.
        if (shown == name) {
            return;
        }
        stored.resize(static_cast<std::size_t>(index) + 1);
    }
    stored[static_cast<std::size_t>(index)] = shown == name ? std::string() : shown;
}

} // namespace tembra
