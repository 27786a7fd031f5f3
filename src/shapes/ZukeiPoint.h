// The anchor of a drawing shape: a date on the time axis, a fractional row and a pixel offset
// measured at zoom 100 %. Shapes keep their points as anchors, never as device points, so that
// they follow the chart when its period, zoom, irregular scale or rows change; the offset serves
// the placement modes that keep a fixed size or a fixed place on a printed page.
//
// File form, 16 bytes, little-endian:
//   date   unsigned 32-bit time value
//   row    IEEE 754 double
//   offset x and y, signed 16-bit each
// An offset beyond 16 bits is stored as the nearest value 16 bits hold.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

#include <cstddef>

namespace tembra {

class CZukeiPoint {
public:
    static constexpr std::size_t kFileSize = 16;

    CZukeiPoint() = default;
    CZukeiPoint(const CTime& date, double row, const CPoint& offset = {})
        : m_date(date), m_row(row), m_offset(offset) {}

    const CTime& GetDate() const { return m_date; }
    void SetDate(const CTime& date) { m_date = date; }
    double GetRow() const { return m_row; }
    void SetRow(double row) { m_row = row; }
    const CPoint& GetOffset() const { return m_offset; }
    void SetOffset(LONG x, LONG y) { m_offset = CPoint(x, y); }
    void SetOffset(const CPoint& offset) { m_offset = offset; }

    // The 16-byte file form.
    void ToFile(BYTE* out) const;
    void FromFile(const BYTE* in);

    bool operator==(const CZukeiPoint&) const = default;

private:
    friend struct ZukeiPointFields;

    CTime m_date;
    double m_row = 0.0;
    CPoint m_offset;
};

} // namespace tembra
