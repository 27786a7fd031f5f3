// The values of the print settings sheet: what it copies in from a document's print header and
// settings record, the checks of its fields, and how it writes them back to the document and,
// on "記憶", to the application's default print settings ("PrintConfig").
//
// Only the options go to the defaults: the period and print-date texts, the margins and the page
// range belong to the one chart and its print job.
#pragma once

#include "model/ConfigPrint.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <optional>
#include <string>

namespace tembra {

class CPrHeader;
class CSyokiSet;

// The margins a page accepts (0.1 mm) and the jump or break radius of line crossings.
constexpr int kPrintMarginMax = 500;
constexpr int kArcRayMin = 5;
constexpr int kArcRayMax = 999;
// The pages a print job may name.
constexpr int kPrintPageMax = 9999;
// The dotted-line factor's bounds.
constexpr double kLineRateMin = 0.5;
constexpr double kLineRateMax = 3.0;

struct VrPrintValues {
    // ---- Page 1: the format, the period and the print date ----------------------------------
    std::string formatName; // the print header's layout name (shown only)
    bool elapsed = false;   // an elapsed-day chart: no period of dates
    short kikan = 0;        // 0 なし, 1 あり
    CConfigPrint::PeriodTexts period{};
    // What "期間" fills in: the active view's layout dates, else the settings' period.
    CConfigPrint::PeriodTexts layoutPeriod{};
    WORD toDay = 0; // 0 なし, 1 あり
    CConfigPrint::DateTexts date{};

    // ---- Page 2: holidays, ruled lines, margins, page range --------------------------------
    short amikake = 0; // 0 網掛, 1 斜線, 2 なし, 3 べた
    COLORREF amikakeColor = 0;
    short holidayLine = 0; // 0 実線, 1 破線, 2 点線
    // Each 0 点線(標準), 1 細点線(淡い), 2 実線, 3 なし.
    int keisenVertical = 0;
    int keisenHorizontal = 0;
    COLORREF color = 0;
    LONG keisenDotFlag = 0;
    WORD keisenDotWidth = 0;
    WORD keisenDotItv = 0;
    WORD keisenDotLen = 0;
    WORD keisenDot2Width = 0;
    // Shown as absolute values; the document keeps (left, -top).
    int marginLeft = 0;
    int marginTop = 0;
    UINT fromPage = 1;
    UINT toPage = 1;

    // ---- Page 3: special settings ----------------------------------------------------------
    short voldLineEx = 0;
    std::string lineRate;
    WORD zoomPrinting = 0;
    short crossType = 0; // 0 なし, 1 飛び越し線, 2 断線
    short arcRay = 0;
    COLORREF satdayColor = 0;
    COLORREF sundayColor = 0;
    LONG hatch = 0; // 0 しない, 1 する
};

// "Keisen": the vertical choice in the high byte, the horizontal in the low one.
WORD PackKeisen(int vertical, int horizontal);
// The document's margin pair of the margins as the sheet shows them, and back.
CPoint MarginPair(int left, int top);
void ShownMargins(const CPoint& pair, int& left, int& top);
// The dotted-line factor of a text: a number between the bounds stays as it was typed; a text
// outside them (or no number at all) becomes the nearest bound, "0.5" or "3.0".
std::string ClampLineRate(const std::string& text);
// Whether the factor's text is a number within the bounds, as the page's check wants it.
bool IsLineRateInRange(const std::string& text);

// The period texts (from-year, -month, -day, to-year, -month, -day) of two dates and the
// creation-date texts of one: the numbers in decimal.
CConfigPrint::PeriodTexts PeriodTextsOf(const CTime& from, const CTime& to);
CConfigPrint::DateTexts DateTextsOf(const CTime& date);

// The four texts under each page: the chart's paper ("A4" .. "A1" by paper codes 0 to 5, empty
// for any other) and the scale ("ON" with automatic enlarge and reduce).
std::string PaperText(int paperCode);
std::string ScaleText(WORD zoomPrinting);

// The active view's layout period, when a view is active.
struct LayoutPeriod {
    CTime start;
    CTime end;
};

// The values the sheet opens with. With a document, every option from its print header and the
// margins from its settings; the period from the header when its period-set flag is set, else
// from the view's layout dates or the settings' dates; the print date from the header when its
// creation-date-set flag is set, else today. Without a document the options are the
// application's defaults and the texts empty. The page range is 1 to 1.
VrPrintValues CopyInPrintValues(const CPrHeader* header, const CSyokiSet* settings,
                                const CConfigPrint& defaults,
                                const std::optional<LayoutPeriod>& view, const CTime& today);

// Writes the options into a print settings part, the factor clamped to its bounds.
void ApplyPrintOptions(const VrPrintValues& values, CConfigPrint& print);
// Applies to the document: the options, the period and print-date texts with both set flags
// raised, and the margin pair (left, -top). The modified mark is the caller's.
void ApplyPrintValues(const VrPrintValues& values, CPrHeader& header, CSyokiSet& settings);
// The options into the application's defaults, which write themselves to "PrintConfig". FALSE
// when the profile could not be written.
BOOL StorePrintDefaults(const VrPrintValues& values, CConfigPrint& defaults);

} // namespace tembra
