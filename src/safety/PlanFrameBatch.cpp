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

// A frame laid out by the batch: its text is laid out anew before it is drawn.
void PrepareFrame(CZukeiString& frame, WORD tag) {
    frame.SetFrameTag(tag);
    frame.SetUpdate(TRUE);
}

void FormText(CZukeiString& frame) {
    frame.GetTextAttr().m_form = 1;
    frame.GetTextAttr().m_attrb = 0;
}

LOGFONT FaceFont(const std::string& face, LONG height) {
    LOGFONT font;
    EnumFontFaces(font, face, -height, 0);
    return font;
}

} // namespace

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
    return std::make_pair(FaceFont(PlanGothicFace(), h.target),
                          FaceFont(PlanMinchoFace(), h.action));
}

CPlanFrameBatch::CPlanFrameBatch(CTembraDoc& doc, const CPageLayout& layout, PlanBatchStyle style)
    : m_doc(doc), m_layout(layout), m_style(std::move(style)),
      m_make([&doc](std::string_view face) { return doc.CreateTextZukei(face); }) {}

bool CPlanFrameBatch::AddPair(int left, int right, const PlanBandRows& rows, int heading,
                              bool snapLeft, bool snapRight) {
    const bool isHeading = heading >= 0;
    std::unique_ptr<CZukeiString> upper =
        m_make(isHeading ? m_style.upperHeadingFace : PlanMinchoFace());
    if (upper == nullptr) {
        return false;
    }
    std::unique_ptr<CZukeiString> lower =
        m_make(isHeading ? m_style.lowerHeadingFace : PlanMinchoFace());
    if (lower == nullptr) {
        return false;
    }
    PrepareFrame(*upper, m_style.upperTag);
    PrepareFrame(*lower, m_style.lowerTag);
    if (heading == 0) {
        upper->SetText(m_style.upperHeading);
        lower->SetText(m_style.lowerHeading);
        FormText(*upper);
        FormText(*lower);
    } else if (!isHeading) {
        if (m_style.upperColumnFont) {
            upper->SetFont(*m_style.upperColumnFont);
        }
        if (m_style.lowerColumnFont) {
            lower->SetFont(*m_style.lowerColumnFont);
        }
        if (m_style.upperColumnsFormed) {
            FormText(*upper);
        }
        if (m_style.lowerColumnsFormed) {
            FormText(*lower);
        }
    }

    const CZukeiLayoutView view(m_layout);
    CPlanCalendarLayout position(m_layout.GetSyokiSet(), &m_layout);
    const auto place = [&](CZukeiString& frame, const PlanRowRange& band) {
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
    };
    place(*upper, rows.upper);
    place(*lower, rows.lower);
    m_doc.AddZukei(upper.release());
    m_doc.AddZukei(lower.release());
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
