#include "exchange/SafetyAsciiExport.h"

#include "document/DocFileRequests.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "exchange/AsciiLineFile.h"
#include "exchange/ExchangeSupport.h"
#include "model/Utility.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "render/EventGeometry.h"
#include "render/KouteiLabels.h"
#include "render/PageLayout.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tembra {

using Exchange::J;

namespace {

constexpr UINT IDS_SAVE_TITLE = 61441;
constexpr std::size_t kShortTitleBytes = 8;
constexpr std::string_view kNameStops = " .#%;/\\";
constexpr const char* kExtension = ".akd";
constexpr int kHolidaysPerLine = 5;
constexpr int kLastRow = 9999;
// A window moved this many times has reached the end of the calendar long before.
constexpr int kMaxMoves = 100000;

const char* const kEnd = "-9999";
// The full-width quote that stands for a quote inside a quoted text.
const char* const kFullWidthQuote = "＂";

// The styles of process lines and the shape codes of the file; any other style is written as
// it is.
struct ShapeCode {
    WORD style;
    int code;
};
constexpr std::array<ShapeCode, 11> kShapeCodes{{
    {0, 3},
    {1, 3},
    {2, 0},
    {3, 1},
    {4, 2},
    {5, 3},
    {6, 4},
    {0x140, 8},
    {0x180, 5},
    {0x280, 6},
    {0x380, 7},
}};

int ShapeCodeOf(WORD style) {
    for (const ShapeCode& entry : kShapeCodes) {
        if (entry.style == style) {
            return entry.code;
        }
    }
    return style;
}

// A text in double quotes: a quote inside it as the full-width quote, a line break as a blank,
// so that the field and the line stay whole.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Sjis::CharLength(text, i);
        const char c = text[i];
        if (n == 1 && c == '"') {
            out += J(kFullWidthQuote);
        } else if (n == 1 && (c == '\r' || c == '\n')) {
            out += ' ';
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out + "\"";
}

std::string DateText(const CTime& t) {
    return Quoted(t.Format("%Y/%m/%d"));
}
std::string TimeText(const CTime& t) {
    return Quoted(t.Format("%H:%M"));
}

// The page layout the export measures with: the document's own over its settings.
class ExportLayoutView final : public IPageLayoutView {
public:
    explicit ExportLayoutView(CTembraDoc& document) : m_document(document) {}
    IPageLayoutDocument* GetLayoutDocument() const override {
        return &m_document.GetSeams().PageLayout();
    }

private:
    CTembraDoc& m_document;
};

// Moves the layout's window by its own length, in days and rows, until the point that pointOf
// gives lies inside the process area (or the window meets the end of the calendar or the rows).
template <class PointOf> CPoint BringInside(CPageLayout& layout, PointOf pointOf) {
    CPoint p = pointOf();
    for (int moves = 0; moves < kMaxMoves; ++moves) {
        CRect area = layout.GetKouteiRect();
        const int top = std::max(area.top, area.bottom);
        const int bottom = std::min(area.top, area.bottom);
        bool moved = false;
        const CTimeSpan length = layout.GetEndDate() - layout.GetStartDate();
        const CTimeSpan step(layout.GetDayCount(), 0, 0, 0);
        if (p.x < area.left && layout.GetStartDate() > GetMinDate()) {
            const CTime start = std::max(layout.GetStartDate() - step, GetMinDate());
            layout.SetStartDate(start);
            layout.SetEndDate(start + length);
            moved = true;
        } else if (p.x > area.right && layout.GetEndDate() < GetMaxDate()) {
            const CTime end = std::min(layout.GetEndDate() + step, GetMaxDate());
            layout.SetEndDate(end);
            layout.SetStartDate(end - length);
            moved = true;
        }
        if (moved) {
            layout.RebuildScale();
        }
        const int rows = layout.GetLastRow() - layout.GetFirstRow();
        const int count = layout.GetRowCount();
        if (p.y > top && layout.GetFirstRow() > 0) {
            const int first = std::max(layout.GetFirstRow() - count, 0);
            layout.SetFirstRow(static_cast<short>(first));
            layout.SetLastRow(static_cast<short>(first + rows));
            moved = true;
        } else if (p.y < bottom && layout.GetLastRow() < kLastRow) {
            const int last = std::min(layout.GetLastRow() + count, kLastRow);
            layout.SetLastRow(static_cast<short>(last));
            layout.SetFirstRow(static_cast<short>(last - rows));
            moved = true;
        }
        if (!moved) {
            break;
        }
        p = pointOf();
    }
    return p;
}

// The holidays of the chart's own calendar window (the years its file holds), five a line.
void WriteCalendar(CTembraDoc& document, std::string& out) {
    // A chart too long for one window keeps the window it has.
    document.FitCalendarWindow(FALSE);
    const CCalendar& calendar = document.GetWorkCalendar();
    const CTime firstDay = calendar.GetFirstDay();
    const CTime lastDay = calendar.GetLastDay();
    out += Quoted("$CALENDAR$") + "\n";
    out += DateText(firstDay) + "\n";
    out += DateText(lastDay) + "\n";
    std::string line;
    int count = 0;
    const CTimeSpan day(1, 0, 0, 0);
    for (CTime date = firstDay;;) {
        if (calendar.IsHoliday(date) != FALSE) {
            line += DateText(date);
            ++count;
            date += day;
            if (date > lastDay) {
                out += line + "\n";
                break;
            }
            line += ",";
            if (count == kHolidaysPerLine) {
                out += line + "\n";
                line.clear();
                count = 0;
            }
        } else {
            date += day;
            if (date > lastDay) {
                out += line + "\n";
                break;
            }
        }
    }
    out += Quoted(kEnd) + "\n\n";
}

void WriteItems(CTembraDoc& document, std::string& out) {
    out += Quoted("$KOUMOKU$") + "\n";
    const int columns = document.GetKoumokuCells().GetKoumokuColCount();
    const int rows = document.GetKoumokuCells().GetKoumokuRowCount(-1);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            const CKoumokuData* cell = document.GetKoumokuCells().GetKoumokuCell(row, column);
            if (cell == nullptr || cell->GetText().empty()) {
                continue;
            }
            out += StringPrintf("%d,%d,", row + 1, column + 1) + Quoted(cell->GetText()) + "\n";
        }
    }
    out += std::string(kEnd) + "\n\n";
}

void WriteProcesses(CTembraDoc& document, CPageLayout& layout, std::string& out) {
    out += Quoted("$KOUTEI$") + "\n";
    for (const auto& name : document.GetShigenNames()) {
        out += Quoted(name->GetName()) + "\n";
    }
    out += Quoted(kEnd) + "\n";
    const CZukeiLayoutView view(layout);
    bool any = false;
    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        const CKoutei* process = AsKoutei(document.GetNextObj(pos));
        if (process == nullptr) {
            continue;
        }
        any = true;
        const CKouteiAttr& attr = process->GetLines()->GetAttr();
        const CTime start = process->GetStartTime();
        const CTime end = process->GetEndTime();
        out += DateText(start) + "," + TimeText(start) +
               StringPrintf(",%d,", process->GetStartRow() + 1) + DateText(end) + "," +
               TimeText(end) +
               StringPrintf(",%d,%d,%ld,%d,%d,%d", process->GetEndRow() + 1,
                            process->GetLines()->GetBendOffset(),
                            static_cast<long>(process->GetSpareDays().GetDays()), attr.m_type,
                            attr.m_width, ShapeCodeOf(attr.m_style)) +
               "\n";
        for (int i = 0; i < process->GetYogoCount(); ++i) {
            const CYogo* term = process->GetYogo(i);
            if (term == nullptr) {
                continue;
            }
            // The rectangle's left edge and vertical middle; a term without a text stands at
            // its anchor.
            const CPoint p = BringInside(layout, [&] {
                const CRect rect = GetYogoRect(*process, layout, nullptr, i);
                if (rect.IsRectNull()) {
                    int x = 0;
                    int y = 0;
                    GetYogoAnchor(*process, layout, i, x, y);
                    return CPoint(x, y);
                }
                const int top = std::max(rect.top, rect.bottom);
                return CPoint(std::min(rect.left, rect.right), top - std::abs(rect.Height()) / 2);
            });
            const CTime date = CZukei::XToDate(view, p.x);
            std::string text = term->GetText();
            FormatYogoText(*process, layout, *term, text);
            out += DateText(date) + "," + TimeText(date) +
                   StringPrintf(",%.1f,", CZukei::YToRow(view, p.y)) + Quoted(text) +
                   StringPrintf(",%d", (term->GetAttr().m_attrb & kLabelBold) != 0 ? 1 : 0) + "\n";
        }
        out += Quoted(kEnd) + "\n";
        if (const CShigen* resources = process->GetShigen()) {
            for (const auto& entry : resources->GetEntries()) {
                out += StringPrintf("%d,%d", entry->GetNumber(), entry->GetQuantity()) + "\n";
            }
        }
        out += std::string(kEnd) + "\n";
    }
    if (!any) {
        out += Quoted(kEnd) + "\n" + kEnd + "\n";
    }
    out += Quoted(kEnd) + "\n\n";
}

void WriteEvents(CTembraDoc& document, CPageLayout& layout, std::string& out) {
    out += Quoted("$GYOUJI$") + "\n";
    const CZukeiLayoutView view(layout);
    for (POSITION pos = document.GetHeadObjPosition(); pos != nullptr;) {
        const CEvent* event = AsEvent(document.GetNextObj(pos));
        if (event == nullptr) {
            continue;
        }
        // The text rectangle's left edge and top; an event without a text stands at its anchor.
        const CPoint p = BringInside(layout, [&] {
            CRect rect;
            if (CalcTextRect(*event, layout, nullptr, nullptr, nullptr, &rect) == 0) {
                return GetAnchorPoint(*event, layout);
            }
            return CPoint(std::min(rect.left, rect.right), std::max(rect.top, rect.bottom));
        });
        const CTime date = CZukei::XToDate(view, p.x);
        const int row = Exchange::Trunc(CZukei::YToRow(view, p.y)) + 1;
        const std::string text = Sjis::Cut(ExpandDateMacros(*event, layout), CEvent::kTextCapacity);
        out += DateText(date) + "," + TimeText(date) + StringPrintf(",%d,", row) + Quoted(text) +
               StringPrintf(",%d", (event->GetStyle() & kEventBold) != 0 ? 1 : 0) + "\n";
    }
    out += Quoted(kEnd) + "\n\n";
}

} // namespace

std::string ProposeSafetyAsciiName(const std::string& title) {
    std::string name = Sjis::Cut(title, kShortTitleBytes);
    for (std::size_t i = 0; i < name.size(); i += Sjis::CharLength(name, i)) {
        if (kNameStops.find(name[i]) != std::string_view::npos) {
            name.resize(i);
            break;
        }
    }
    return name + kExtension;
}

std::string BuildSafetyAscii(CTembraDoc& document) {
    ExportLayoutView view(document);
    CPageLayout layout;
    layout.Init(&view);
    std::string out = Quoted(J("ＶＯＲＬＡＮ アスキーデータ １．００")) + "\n\n";
    WriteCalendar(document, out);
    WriteItems(document, out);
    WriteProcesses(document, layout, out);
    WriteEvents(document, layout, out);
    return out;
}

bool ExportSafetyAscii(CTembraDoc& document, const std::filesystem::path& path) {
    CAsciiLineFile file;
    if (!file.Open(path, CAsciiLineFile::modeWrite)) {
        return false;
    }
    file.WriteString(BuildSafetyAscii(document));
    return file.Close() != FALSE;
}

void OnSafetyAsciiExport(CTembraDoc& document) {
    document.GetUndoHistory().Reset();
    document.UnselectAll(TRUE);
    document.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    FileDialogRequest request;
    request.path = Sjis::ToUtf8(ProposeSafetyAsciiName(document.GetTitle()));
    request.titleId = IDS_SAVE_TITLE;
    request.open = false;
    request.filter = FileDialogRequest::Filter::SafetyAscii;
    if (Ui().RunDialog(request) != IDOK || request.path.empty()) {
        return;
    }
    const std::filesystem::path path(request.path);
    if (!Sjis::EqualsNoCase(path.extension().string(), kExtension)) {
        AfxMessageBox(IDS_UNSUPPORTED_FILE_TYPE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CWaitCursor wait;
    ExportSafetyAscii(document, path);
}

} // namespace tembra
