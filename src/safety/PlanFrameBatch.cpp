#include "safety/PlanFrameBatch.h"

#include "document/TembraDoc.h"
#include "model/PrintArea.h"
#include "model/Utility.h"
#include "platform/Sjis.h"
#include "render/PageLayout.h"
#include "safety/PlanCalendarLayout.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiView.h"

#include <array>

namespace tembra {

namespace {

void FormText(CZukeiString& frame) {
    frame.GetTextAttr().m_form = 1;
    frame.GetTextAttr().m_attrb = 0;
}

} // namespace

LOGFONT PlanFaceFont(const std::string& face, LONG height) {
    LOGFONT font;
    EnumFontFaces(font, face, -height, 0);
    return font;
}

void PlacePlanFrame(CZukeiString& frame, const CPageLayout& layout, int left, int right,
                    const PlanRowRange& band, bool snapLeft, bool snapRight) {
    const CZukeiLayoutView view(layout);
    CPlanCalendarLayout position(layout.GetSyokiSet(), &layout);
    const int top = CZukei::RowToY(view, band.first - 1);
    const int bottom = CZukei::RowToY(view, band.last);
    position.SetPosition(left, top, CZukei::XToDate(view, left), band.first - 1);
    if (snapLeft) {
        position.SnapToDay(view);
    }
    frame.SetPoint(position.GetPosition(), view, 1);
    position.SetPosition(right, bottom, CZukei::XToDate(view, right), band.last);
    if (snapRight) {
        position.SnapToDay(view);
    }
    frame.SetPoint(position.GetPosition(), view, 2);
}

std::string PlanMinchoFace() {
    return kDefaultFaceName;
}

std::string PlanGothicFace() {
    return Sjis::FromUtf8("ＭＳ ゴシック");
}

std::optional<std::pair<LOGFONT, LOGFONT>> WeekTargetFonts(int paper) {
    struct Heights {
        LONG target;
        LONG action;
    };
    // By paper code: A4, B4, A3, A3 upright, A2, A1.
    constexpr std::array<Heights, 6> kHeights{
        {{24, 22}, {28, 26}, {30, 28}, {24, 22}, {40, 40}, {40, 40}}};
    if (paper < kPaperA4 || paper > kPaperA1) {
        return std::nullopt;
    }
    const Heights h = kHeights[static_cast<std::size_t>(paper)];
    return std::make_pair(PlanFaceFont(PlanGothicFace(), h.target),
                          PlanFaceFont(PlanMinchoFace(), h.action));
}

CPlanFrameBatch::CPlanFrameBatch(CTembraDoc& doc, const CPageLayout& layout, PlanBatchStyle style)
    : m_doc(doc), m_layout(layout), m_style(std::move(style)),
      m_make([&doc](std::string_view face) { return doc.GetShapes().CreateTextZukei(face); }) {}

bool CPlanFrameBatch::AddPair(int left, int right, const PlanBandRows& rows, int heading,
                              bool snapLeft, bool snapRight) {
    // Each frame is added as soon as it is made: a frame made is recorded in the undo history,
    // so it must be in the document when the next one fails.
    return AddFrame(left, right, rows.upper, true, heading, snapLeft, snapRight) &&
           AddFrame(left, right, rows.lower, false, heading, snapLeft, snapRight);
}

bool CPlanFrameBatch::AddFrame(int left, int right, const PlanRowRange& band, bool upper,
                               int heading, bool snapLeft, bool snapRight) {
    const bool isHeading = heading >= 0;
    const std::string& headingFace = upper ? m_style.upperHeadingFace : m_style.lowerHeadingFace;
    std::unique_ptr<CZukeiString> frame = m_make(isHeading ? headingFace : PlanMinchoFace());
    if (frame == nullptr) {
        return false;
    }
    frame->SetFrameTag(upper ? m_style.upperTag : m_style.lowerTag);
    frame->SetUpdate(TRUE);
    if (heading == 0) {
        frame->SetText(upper ? m_style.upperHeading : m_style.lowerHeading);
        FormText(*frame);
    } else if (!isHeading) {
        const std::optional<LOGFONT>& font =
            upper ? m_style.upperColumnFont : m_style.lowerColumnFont;
        if (font) {
            frame->SetFont(*font);
        }
        if (upper ? m_style.upperColumnsFormed : m_style.lowerColumnsFormed) {
            FormText(*frame);
        }
    }

    PlacePlanFrame(*frame, m_layout, left, right, band, snapLeft, snapRight);
    m_doc.GetShapes().AddZukei(frame.release());
    return true;
}

bool CPlanFrameBatch::Build(const std::vector<int>& columns, const PlanBandRows& rows) {
    m_doc.GetUndoHistory().Reset();
    const PlanBandRows ordered{rows.upper.Ordered(), rows.lower.Ordered()};
    const CRect items = m_layout.GetKoumokuRect();
    const CRect chart = m_layout.GetChartRect();
    const CRect process = m_layout.GetKouteiRect();
    const bool made = AddPair(items.left, items.right, ordered, 0, false, false) &&
                      AddPair(items.right, chart.left, ordered, 1, false, true) &&
                      AddPair(chart.right, process.right + 1, ordered, 2, false, false);
    if (!made) {
        return false;
    }
    for (std::size_t j = 0; j + 1 < columns.size(); ++j) {
        if (!AddPair(columns[j], columns[j + 1], ordered, -1, true, true)) {
            return false;
        }
    }
    return true;
}

} // namespace tembra
