#include "shapes/ZukeiPoint.h"

#include "model/ByteField.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <span>

namespace tembra {

namespace {

// A time value as the unsigned 32-bit word of the files.
struct Time32 {
    static constexpr std::size_t kWidth = 4;
    static void Put(BYTE* out, const CTime& time) {
        LittleEndian<4>::Put(out, static_cast<std::uint32_t>(time.GetTime()));
    }
    static CTime Get(const BYTE* in) { return CTime(LittleEndian<4>::Get<std::uint32_t>(in)); }
};

// A double as its eight IEEE 754 bytes, little-endian.
struct Double64 {
    static constexpr std::size_t kWidth = 8;
    static void Put(BYTE* out, double value) {
        auto bits = std::bit_cast<std::uint64_t>(value);
        for (std::size_t i = 0; i < kWidth; ++i) {
            out[i] = static_cast<BYTE>(bits & 0xFF);
            bits >>= 8;
        }
    }
    static double Get(const BYTE* in) {
        std::uint64_t bits = 0;
        for (std::size_t i = kWidth; i-- > 0;) {
            bits = (bits << 8) | in[i];
        }
        return std::bit_cast<double>(bits);
    }
};

// An offset component in 16 bits: a value beyond them is kept at the nearest one they hold, so
// that a far offset does not come back on the other side of the page.
struct Offset16 {
    static constexpr std::size_t kWidth = 2;
    static void Put(BYTE* out, LONG value) {
        const LONG held = std::clamp<LONG>(value, std::numeric_limits<std::int16_t>::min(),
                                           std::numeric_limits<std::int16_t>::max());
        LittleEndian<2>::Put(out, static_cast<std::int16_t>(held));
    }
    static LONG Get(const BYTE* in) { return LittleEndian<2>::Get<std::int16_t>(in); }
};

} // namespace

// The fields of the file form.
struct ZukeiPointFields {
    static constexpr ByteField<CZukeiPoint> kFields[] = {
        FieldAs<Time32, &CZukeiPoint::m_date>(0),
        FieldAs<Double64, &CZukeiPoint::m_row>(4),
        FieldAs<Offset16, &CZukeiPoint::m_offset, &CPoint::x>(12),
        FieldAs<Offset16, &CZukeiPoint::m_offset, &CPoint::y>(14),
    };
};
static_assert(FitsBlock(ZukeiPointFields::kFields, CZukeiPoint::kFileSize));

void CZukeiPoint::ToFile(BYTE* out) const {
    PutFields<CZukeiPoint>(ZukeiPointFields::kFields, *this, std::span<BYTE>(out, kFileSize));
}

void CZukeiPoint::FromFile(const BYTE* in) {
    GetFields<CZukeiPoint>(ZukeiPointFields::kFields, std::span<const BYTE>(in, kFileSize), *this);
}

} // namespace tembra
