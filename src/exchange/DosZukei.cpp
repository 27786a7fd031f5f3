// The drawing shapes of a DOS document: one shape (record 0xFD) or a group of shapes (record
// 0xF6), both ways.
//
// A point of a record is a date with a time of day (a part of 86400 seconds) and a 1-based row
// with a part of a row: its vertical position is row - 0.5 + part, the shapes' own fractional
// row. A circle or an ellipse holds its centre and a point of its rim; the shapes keep two
// opposite corners. A group's members hold their points as parts of the group's time span and
// row span, measured from the group's first corner.
#include "document/TembraDoc.h"
#include "exchange/DosConvert.h"
#include "exchange/ExchangeSupport.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "shapes/Zukei2.h"
#include "shapes/ZukeiArrow1.h"
#include "shapes/ZukeiArrow2.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiBox2.h"
#include "shapes/ZukeiCircle.h"
#include "shapes/ZukeiDelta1.h"
#include "shapes/ZukeiDelta2.h"
#include "shapes/ZukeiDiamond.h"
#include "shapes/ZukeiEllipse.h"
#include "shapes/ZukeiEx.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiLine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tembra {

namespace {

// A day in seconds, for the times of day that the records hold as parts of it.
constexpr double kDay = static_cast<double>(kDaySeconds);
// The drawing style of a group (the shape styles are the kinds less one).
constexpr short kGroupStyle = 17;

// The DOS shape kinds and the shapes they are.
struct ZukeiKind {
    WORD dos;
    WORD kind;
    std::unique_ptr<CZukei2> (*make)();
};
template <class T> std::unique_ptr<CZukei2> Make() {
    return std::make_unique<T>();
}
constexpr std::array<ZukeiKind, 10> kZukeiKinds{{
    {Dos::kZukeiBox, kZukeiBox, &Make<CZukeiBox>},
    {Dos::kZukeiBox2, kZukeiBox2, &Make<CZukeiBox2>},
    {Dos::kZukeiArrow1, kZukeiArrow1, &Make<CZukeiArrow1>},
    {Dos::kZukeiArrow2, kZukeiArrow2, &Make<CZukeiArrow2>},
    {Dos::kZukeiCircle, kZukeiCircle, &Make<CZukeiCircle>},
    {Dos::kZukeiEllipse, kZukeiEllipse, &Make<CZukeiEllipse>},
    {Dos::kZukeiDelta1, kZukeiDelta1, &Make<CZukeiDelta1>},
    {Dos::kZukeiDelta2, kZukeiDelta2, &Make<CZukeiDelta2>},
    {Dos::kZukeiDiamond, kZukeiDiamond, &Make<CZukeiDiamond>},
    {Dos::kZukeiLine, kZukeiLine, &Make<CZukeiLine>},
}};

const ZukeiKind* FindDosKind(WORD dos) {
    for (const ZukeiKind& entry : kZukeiKinds) {
        if (entry.dos == dos) {
            return &entry;
        }
    }
    return nullptr;
}

// The DOS kind a shape is written as: lines, polylines and polygons as lines; 0 for a shape
// the DOS version has no kind for.
WORD DosKindOf(WORD kind) {
    if (kind == kZukeiPolyLine || kind == kZukeiPolygon) {
        return Dos::kZukeiLine;
    }
    for (const ZukeiKind& entry : kZukeiKinds) {
        if (entry.kind == kind) {
            return entry.dos;
        }
    }
    return 0;
}

bool IsRound(WORD kind) {
    return kind == kZukeiCircle || kind == kZukeiEllipse;
}

// A time as seconds with a fraction, and back; nothing for one outside the calendar.
double Seconds(const CTime& t) {
    return static_cast<double>(t.GetTime());
}
std::optional<CTime> TimeOf(double seconds) {
    const double first = Seconds(GetMinDate());
    const double last = Seconds(GetMaxDate()) + kDay;
    if (!Exchange::IsFinite(seconds) || seconds < first || seconds >= last) {
        return std::nullopt;
    }
    return CTime(static_cast<std::int64_t>(std::floor(seconds)));
}

// One point of a shape as the export writes it.
struct ZukeiPoint {
    CTime date;
    double row = 0.0;
};

// The DOS line type of a shape's type and back: 1 and 2 change places.
WORD SwapLineType(WORD type) {
    return type == 1 ? 2 : type == 2 ? 1 : type;
}

// The fields a shape record and a member record share, at their offsets.
struct AttrFields {
    std::size_t color;
    std::size_t type;
    std::size_t width;
    std::size_t fill;
    std::size_t direction;
};
constexpr AttrFields kRecordFields{Dos::Zukei::kColor, Dos::Zukei::kLineType, Dos::Zukei::kWidth,
                                   Dos::Zukei::kFill, Dos::Zukei::kDirection};
constexpr AttrFields kMemberFields{Dos::Member::kColor, Dos::Member::kLineType, Dos::Member::kWidth,
                                   Dos::Member::kFill, Dos::Member::kDirection};

// A shape's attributes into a record at base.
void PutAttributes(Dos::Bytes& record, std::size_t base, const AttrFields& fields,
                   const CZukei& shape, WORD dosKind, const ZukeiPoint& p1, const ZukeiPoint& p2) {
    record.PutWord(base + fields.color,
                   static_cast<WORD>(CDosConvert::RgbToDosColor(shape.GetColor())));
    record.PutWord(base + fields.type, SwapLineType(shape.GetLineType()));
    record.PutWord(base + fields.width,
                   static_cast<WORD>(shape.GetWidth() <= 1 && shape.GetWidth() >= 0 ? 1 : 2));
    record.PutWord(base + fields.fill, static_cast<WORD>(shape.GetHatch() != kHatchNone ? 1 : 0));
    WORD direction = 0;
    if (dosKind == Dos::kZukeiArrow1 || dosKind == Dos::kZukeiDelta1) {
        // The first point above the second: y grows upwards, rows downwards.
        direction = p1.row < p2.row ? 1 : 2;
    } else if (dosKind == Dos::kZukeiArrow2 || dosKind == Dos::kZukeiDelta2) {
        direction = p1.date > p2.date ? 3 : 4;
    }
    record.PutWord(base + fields.direction, direction);
}

// The segments a member of a group is written as: one for a two-point shape, one a segment for
// polylines and polygons (a polygon closed by one more), and the members of a nested group.
struct Segment {
    const CZukei* shape;
    WORD dosKind;
    ZukeiPoint p1;
    ZukeiPoint p2;
};
void CollectSegments(const CZukei& shape, std::vector<Segment>& out) {
    const WORD kind = shape.GetKind();
    if (kind == kZukeiGroup) {
        const auto& group = static_cast<const CZukeiGroup&>(shape);
        for (int i = 0; i < group.GetElementCount(); ++i) {
            if (const CZukei* member = group.GetMember(i)) {
                CollectSegments(*member, out);
            }
        }
        return;
    }
    const WORD dosKind = DosKindOf(kind);
    if (dosKind == 0) {
        return;
    }
    if (kind == kZukeiPolyLine || kind == kZukeiPolygon) {
        const auto* points = dynamic_cast<const CZukeiEx*>(&shape);
        if (points == nullptr) {
            return;
        }
        const std::vector<CZukeiPoint>& p = points->GetPoints();
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            out.push_back({&shape,
                           dosKind,
                           {p[i].GetDate(), p[i].GetRow()},
                           {p[i + 1].GetDate(), p[i + 1].GetRow()}});
        }
        if (kind == kZukeiPolygon && p.size() > 2) {
            out.push_back({&shape,
                           dosKind,
                           {p.back().GetDate(), p.back().GetRow()},
                           {p.front().GetDate(), p.front().GetRow()}});
        }
        return;
    }
    const auto* two = dynamic_cast<const CZukei2*>(&shape);
    if (two == nullptr) {
        return;
    }
    out.push_back({&shape,
                   dosKind,
                   {two->GetAnchor1().GetDate(), two->GetAnchor1().GetRow()},
                   {two->GetAnchor2().GetDate(), two->GetAnchor2().GetRow()}});
}

} // namespace

// ---- Import -------------------------------------------------------------------------------------

std::optional<CTime> CDosConvert::DecodePointDate(std::size_t dateAt, std::size_t timeAt,
                                                  const CTime& base) const {
    const std::optional<CTime> date = DecodeDate(m_record.Date(dateAt), base);
    const double part = m_record.Float(timeAt);
    if (!date || !Exchange::IsFinite(part)) {
        return std::nullopt;
    }
    return TimeOf(Seconds(*date) + std::floor(kDay * part));
}

std::unique_ptr<CZukei> CDosConvert::MakeZukei(CTembraDoc& document, WORD dosKind,
                                               const Dos::Bytes& at, std::size_t colorAt,
                                               std::size_t typeAt, std::size_t widthAt,
                                               std::size_t fillAt) const {
    const ZukeiKind* entry = FindDosKind(dosKind);
    if (entry == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CZukei2> shape = entry->make();
    // The shape settings of the chart first, then what the record says.
    CZukeiAttr attr = document.GetSyokiSet().GetZukei().GetAttr();
    attr.m_style = static_cast<short>(entry->kind - 1);
    attr.m_pointMode = kPlaceOnChart;
    attr.m_type = SwapLineType(at.Word(typeAt));
    attr.m_width = static_cast<short>(at.Short(widthAt) == 1 ? 0 : 2);
    attr.m_color = DosColorToRgb(at.Short(colorAt));
    attr.m_hatch = static_cast<WORD>(at.Short(fillAt) == 0 ? kHatchNone : 100);
    shape->SetAttr(attr);
    shape->SetLayer(RecordLayer());
    return shape;
}

void CDosConvert::ConvertZukei(CTembraDoc& document) {
    namespace Z = Dos::Zukei;
    const WORD dosKind = m_record.Word(Z::kKind);
    std::unique_ptr<CZukei> shape =
        MakeZukei(document, dosKind, m_record, Z::kColor, Z::kLineType, Z::kWidth, Z::kFill);
    if (shape == nullptr) {
        return; // kind 0, a group's kind or one not known: nothing
    }
    std::optional<CTime> date1 = DecodePointDate(Z::kDate1, Z::kTime1, m_nobeBase);
    const std::optional<CTime> date2 = DecodePointDate(Z::kDate2, Z::kTime2, m_nobeBase);
    const short row1 = m_record.Short(Z::kRow1);
    const short row2 = m_record.Short(Z::kRow2);
    double pos1 = row1 - 0.5 + m_record.Float(Z::kFraction1);
    const double pos2 = row2 - 0.5 + m_record.Float(Z::kFraction2);
    if (IsRound(shape->GetKind()) && date1 && date2) {
        // The centre and a point of the rim: the corner opposite the rim point.
        date1 = TimeOf(2.0 * Seconds(*date1) - Seconds(*date2));
        pos1 = 2.0 * pos1 - pos2;
    }
    if (!date1 || !date2 || !Exchange::IsFileRow(row1) || !Exchange::IsFileRow(row2) ||
        !Exchange::IsFinite(pos1) || !Exchange::IsFinite(pos2)) {
        ++m_skipped;
        return;
    }
    static_cast<CZukei2&>(*shape).SetAnchors(*date1, pos1, *date2, pos2);
    document.GetShapes().AddZukei(shape.release(), FALSE);
}

void CDosConvert::ConvertZukeiGroup(CTembraDoc& document) {
    namespace Z = Dos::Zukei;
    namespace M = Dos::Member;
    const std::optional<CTime> date1 = DecodePointDate(Z::kDate1, Z::kTime1, m_nobeBase);
    const std::optional<CTime> date2 = DecodePointDate(Z::kDate2, Z::kTime2, m_nobeBase);
    const short row1 = m_record.Short(Z::kRow1);
    const short row2 = m_record.Short(Z::kRow2);
    const double top = row1 - 0.5 + m_record.Float(Z::kFraction1);
    const double bottom = row2 - 0.5 + m_record.Float(Z::kFraction2);
    if (!date1 || !date2 || !Exchange::IsFileRow(row1) || !Exchange::IsFileRow(row2) ||
        !Exchange::IsFinite(top) || !Exchange::IsFinite(bottom)) {
        ++m_skipped;
        return;
    }
    const double time1 = Seconds(*date1);
    const double timeSpan = Seconds(*date2) - time1;
    const double rowSpan = bottom - top;

    auto group = std::make_unique<CZukeiGroup>();
    CZukeiAttr attr = document.GetSyokiSet().GetZukei().GetAttr();
    attr.m_style = kGroupStyle;
    attr.m_pointMode = kPlaceOnChart;
    group->SetAttr(attr);
    group->SetLayer(RecordLayer());
    // Only the members the record holds, whatever its count says.
    const std::size_t room = (m_record.Size() - Z::kGroupSize) / Z::kMemberSize;
    const std::size_t count = std::min<std::size_t>(
        static_cast<std::size_t>(std::max<short>(m_record.Short(Z::kMemberCount), 0)), room);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t base = Z::kGroupSize + Z::kMemberSize * i;
        std::unique_ptr<CZukei> member =
            MakeZukei(document, m_record.Word(base + M::kKind), m_record, base + M::kColor,
                      base + M::kLineType, base + M::kWidth, base + M::kFill);
        if (member == nullptr) {
            continue;
        }
        const double x1 = time1 + m_record.Float(base + M::kX1) * timeSpan;
        const double y1 = top + m_record.Float(base + M::kY1) * rowSpan;
        const double x2 = x1 + m_record.Float(base + M::kDx) * timeSpan;
        const double y2 = y1 + m_record.Float(base + M::kDy) * rowSpan;
        const std::optional<CTime> t1 = TimeOf(x1);
        const std::optional<CTime> t2 = TimeOf(x2);
        if (!t1 || !t2 || !Exchange::IsFinite(y1) || !Exchange::IsFinite(y2)) {
            ++m_skipped;
            continue;
        }
        static_cast<CZukei2&>(*member).SetAnchors(*t1, y1, *t2, y2);
        group->AddMember(std::move(member));
    }
    if (group->GetElementCount() > 0) {
        document.GetShapes().AddZukei(group.release(), FALSE);
    }
}

// ---- Export -------------------------------------------------------------------------------------

void CDosConvert::WriteZukeiPoint(Dos::Bytes& record, std::size_t dateAt, std::size_t rowAt,
                                  std::size_t timeAt, std::size_t fractionAt, const CTime& date,
                                  double row) const {
    // The day in the date words, the time of day as its part of 86400 seconds.
    std::int64_t seconds = 0;
    if (m_nChartMode == 0) {
        const CTime day(date.GetYear(), date.GetMonth(), date.GetDay());
        seconds = (date - day).GetTimeSpan();
        record.PutDate(dateAt, TimeToDos(day));
    } else {
        const std::int64_t span = (date - m_nobeBase).GetTimeSpan();
        std::int64_t days = span / kDaySeconds;
        if (span % kDaySeconds < 0) {
            --days;
        }
        seconds = span - days * kDaySeconds;
        record.PutDate(dateAt, NobeDaysToDos(days, m_nobeUnit, true));
    }
    record.PutFloat(timeAt, static_cast<float>(static_cast<double>(seconds) / kDay));
    short rowNo = 0;
    double fraction = 0.0;
    const double q = row + 0.5;
    const double whole = std::isnan(q) ? 0.0 : std::clamp(std::trunc(q), -32769.0, 32766.0);
    rowNo = static_cast<short>(static_cast<int>(whole) + 1);
    fraction = std::isnan(q) ? 0.0 : std::fmod(q, 1.0) - 1.0;
    record.PutWord(rowAt, static_cast<WORD>(rowNo));
    record.PutFloat(fractionAt, static_cast<float>(fraction));
}

void CDosConvert::WriteZukei(CTembraDoc& document, CArchive& ar) {
    namespace Z = Dos::Zukei;
    namespace M = Dos::Member;
    for (POSITION pos = document.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
        const CZukei* shape = document.GetShapes().GetNextZukei(pos);
        if (shape == nullptr) {
            continue;
        }
        const BYTE layer =
            static_cast<BYTE>(std::min<WORD>(shape->GetLayer(), Dos::kMaxLayer) << 3);
        if (shape->GetKind() == kZukeiGroup) {
            std::vector<Segment> members;
            CollectSegments(*shape, members);
            if (members.empty()) {
                continue; // nothing the DOS version can draw
            }
            const CTime start = shape->GetStartDate(0);
            const CTime end = shape->GetEndDate(0);
            const double top = shape->GetTopRow(0);
            const double bottom = shape->GetBottomRow(0);
            const double timeSpan = Seconds(end) - Seconds(start);
            const double rowSpan = bottom - top;
            // A group of no width or height gives its members no part of it.
            const auto part = [](double v, double span) {
                return static_cast<float>(span != 0.0 ? v / span : 0.0);
            };
            const std::size_t n = members.size();
            Dos::Bytes record(Z::kGroupSize + Z::kMemberSize * n);
            record.PutByte(Dos::R::kMarker, Dos::kMarker);
            record.PutByte(Dos::R::kKind, Dos::kKindGroup);
            record.PutByte(Dos::R::kLayer, layer);
            record.PutWord(Dos::R::kLength,
                           static_cast<WORD>(Z::kGroupBaseLength + Z::kMemberLength * n));
            record.PutWord(Dos::R::kWord6, 0);
            record.PutWord(Z::kKind, Dos::kZukeiGroup);
            WriteZukeiPoint(record, Z::kDate1, Z::kRow1, Z::kTime1, Z::kFraction1, start, top);
            WriteZukeiPoint(record, Z::kDate2, Z::kRow2, Z::kTime2, Z::kFraction2, end, bottom);
            record.PutWord(Z::kMemberCount, static_cast<WORD>(n));
            for (std::size_t i = 0; i < n; ++i) {
                const Segment& m = members[i];
                const std::size_t base = Z::kGroupSize + Z::kMemberSize * i;
                record.PutWord(base + M::kKind, m.dosKind);
                record.PutFloat(base + M::kX1, part(Seconds(m.p1.date) - Seconds(start), timeSpan));
                record.PutFloat(base + M::kY1, part(m.p1.row - top, rowSpan));
                record.PutFloat(base + M::kDx,
                                part(Seconds(m.p2.date) - Seconds(m.p1.date), timeSpan));
                record.PutFloat(base + M::kDy, part(m.p2.row - m.p1.row, rowSpan));
                PutAttributes(record, base, kMemberFields, *m.shape, m.dosKind, m.p1, m.p2);
            }
            WriteRecord(ar, record);
            ++m_zukeiCount;
            continue;
        }
        const WORD dosKind = DosKindOf(shape->GetKind());
        if (dosKind == 0) {
            continue;
        }
        ZukeiPoint p1;
        ZukeiPoint p2;
        if (const auto* points = dynamic_cast<const CZukeiEx*>(shape)) {
            // A polyline or a polygon outside a group: the line from its first point to its
            // last.
            if (points->GetPoints().empty()) {
                continue;
            }
            const CZukeiPoint& first = points->GetPoints().front();
            const CZukeiPoint& last = points->GetPoints().back();
            p1 = {first.GetDate(), first.GetRow()};
            p2 = {last.GetDate(), last.GetRow()};
        } else if (const auto* two = dynamic_cast<const CZukei2*>(shape)) {
            p1 = {two->GetAnchor1().GetDate(), two->GetAnchor1().GetRow()};
            p2 = {two->GetAnchor2().GetDate(), two->GetAnchor2().GetRow()};
            if (IsRound(shape->GetKind())) {
                // The record holds the centre and the second corner as a point of the rim.
                p1 = {CTime(static_cast<std::int64_t>(
                          std::floor((Seconds(p1.date) + Seconds(p2.date)) / 2.0))),
                      (p1.row + p2.row) / 2.0};
            }
        } else {
            continue;
        }
        Dos::Bytes record(Z::kSize);
        record.PutByte(Dos::R::kMarker, Dos::kMarker);
        record.PutByte(Dos::R::kKind, Dos::kKindZukei);
        record.PutByte(Dos::R::kLayer, layer);
        record.PutWord(Dos::R::kLength, Z::kLength);
        record.PutWord(Z::kKind, dosKind);
        WriteZukeiPoint(record, Z::kDate1, Z::kRow1, Z::kTime1, Z::kFraction1, p1.date, p1.row);
        WriteZukeiPoint(record, Z::kDate2, Z::kRow2, Z::kTime2, Z::kFraction2, p2.date, p2.row);
        PutAttributes(record, 0, kRecordFields, *shape, dosKind, p1, p2);
        WriteRecord(ar, record);
        ++m_zukeiCount;
    }
}

} // namespace tembra
