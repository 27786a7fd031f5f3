// Tables of the fields of a packed byte block: where each field stands in the block, how many
// bytes it takes and which member of a record holds it. One table serves both directions:
// PutFields lays the members out in a block, GetFields takes them back.
//
// An entry is made by Field<path...>(offset) or, where the member's type does not say the byte
// form, FieldAs<Coding, path...>(offset). The path leads from the table's owner to the member,
// one step at a time:
//   - a pointer to a data member (&CFontAttr::m_color);
//   - At<i>, element i of an array;
//   - a function object that gives a part of the object it is called with, for parts that sit
//     behind an accessor; written as a generic lambda over `auto&`, it serves the const owner of
//     a store and the owner of a load alike;
//   - as the last step only, Prop<getter, setter> for a value behind a pair of member functions.
// Integers take their own width, little-endian; byte arrays are copied as they are. Codings:
// LittleEndian<n> for a value kept in fewer bytes than its type has (a signed value is
// sign-extended back), Rect16 for a rectangle as four 16-bit values, Font16 for the 50-byte
// font form and RawFont for a LOGFONT as it stands in memory (60 bytes).
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <span>
#include <type_traits>
#include <utility>

namespace tembra {

template <class Owner> struct ByteField {
    std::size_t offset = 0;
    std::size_t width = 0;
    void (*put)(const Owner& owner, BYTE* at) = nullptr;
    void (*get)(Owner& owner, const BYTE* at) = nullptr;

    constexpr std::size_t End() const { return offset + width; }
};

// ---- Codings ----------------------------------------------------------------------------------

template <std::size_t N> struct LittleEndian {
    static_assert(N == 1 || N == 2 || N == 4, "a field is 1, 2 or 4 bytes wide");
    using Bits = std::conditional_t<N == 1, std::uint8_t,
                                    std::conditional_t<N == 2, std::uint16_t, std::uint32_t>>;
    static constexpr std::size_t kWidth = N;

    template <class V> static void Put(BYTE* out, V value) {
        auto bits = static_cast<Bits>(value);
        for (std::size_t i = 0; i < N; ++i) {
            out[i] = static_cast<BYTE>(bits & 0xFF);
            bits = static_cast<Bits>(bits >> 8);
        }
    }
    template <class V> static V Get(const BYTE* in) {
        Bits bits = 0;
        for (std::size_t i = N; i-- > 0;) {
            bits = static_cast<Bits>((bits << 8) | in[i]);
        }
        if constexpr (std::is_signed_v<V>) {
            return static_cast<V>(static_cast<std::make_signed_t<Bits>>(bits));
        } else {
            return static_cast<V>(bits);
        }
    }
};

template <std::size_t N> struct RawBytes {
    static constexpr std::size_t kWidth = N;
    static void Put(BYTE* out, const std::array<BYTE, N>& bytes) {
        std::memcpy(out, bytes.data(), N);
    }
    static std::array<BYTE, N> Get(const BYTE* in) {
        std::array<BYTE, N> bytes{};
        std::memcpy(bytes.data(), in, N);
        return bytes;
    }
};

// Left, top, right, bottom as 16-bit signed values.
struct Rect16 {
    static constexpr std::size_t kWidth = 8;
    static void Put(BYTE* out, const CRect& rect);
    static CRect Get(const BYTE* in);
};

// The 50-byte font form of the records (LogFont16): the five metrics keep their low 16 bits.
struct Font16 {
    static constexpr std::size_t kWidth = 50;
    static void Put(BYTE* out, const LOGFONT& font);
    static LOGFONT Get(const BYTE* in);
};

// A LOGFONT as it stands in memory: five 32-bit metrics, eight bytes, the 32-byte face name.
struct RawFont {
    static constexpr std::size_t kWidth = 60;
    static void Put(BYTE* out, const LOGFONT& font);
    static LOGFONT Get(const BYTE* in);
};

// The byte form a value takes without a coding named for it. Other types have none: their
// fields must name one.
template <class V> struct DefaultCoding;
template <class V>
requires std::is_integral_v<V>
struct DefaultCoding<V> {
    using type = LittleEndian<sizeof(V)>;
};
template <std::size_t N> struct DefaultCoding<std::array<BYTE, N>> { using type = RawBytes<N>; };

// ---- Paths ------------------------------------------------------------------------------------

namespace byte_field {

template <std::size_t I> struct Index { static constexpr std::size_t value = I; };
template <auto Getter, auto Setter> struct Accessor {
    static constexpr auto kGet = Getter;
    static constexpr auto kSet = Setter;
};

template <class T> inline constexpr bool kIsIndex = false;
template <std::size_t I> inline constexpr bool kIsIndex<Index<I>> = true;
template <class T> inline constexpr bool kIsAccessor = false;
template <auto G, auto S> inline constexpr bool kIsAccessor<Accessor<G, S>> = true;

template <auto Step> using StepType = std::remove_cv_t<decltype(Step)>;

template <auto Step, class Object> constexpr decltype(auto) Part(Object& object) {
    using S = StepType<Step>;
    if constexpr (std::is_member_object_pointer_v<S>) {
        return (object.*Step);
    } else if constexpr (kIsIndex<S>) {
        return (object[S::value]);
    } else {
        return Step(object);
    }
}

// The value at the end of the path, as a copy.
template <auto Step, auto... Rest, class Object> auto Read(const Object& object) {
    using S = StepType<Step>;
    if constexpr (sizeof...(Rest) > 0) {
        return Read<Rest...>(Part<Step>(object));
    } else if constexpr (kIsAccessor<S>) {
        return (object.*S::kGet)();
    } else {
        return Part<Step>(object);
    }
}

template <auto Step, auto... Rest, class Object, class V> void Write(Object& object, V value) {
    using S = StepType<Step>;
    if constexpr (sizeof...(Rest) > 0) {
        Write<Rest...>(Part<Step>(object), std::move(value));
    } else if constexpr (kIsAccessor<S>) {
        (object.*S::kSet)(std::move(value));
    } else {
        Part<Step>(object) = std::move(value);
    }
}

template <class Coding, class V> V Decode(const BYTE* at) {
    if constexpr (requires { Coding::template Get<V>(at); }) {
        return Coding::template Get<V>(at);
    } else {
        return Coding::Get(at);
    }
}

// A field before its owner is known; it becomes the ByteField of the table it stands in.
template <class Coding, auto... Path> struct Entry {
    std::size_t offset = 0;

    template <class Owner> using Value = decltype(Read<Path...>(std::declval<const Owner&>()));
    template <class Owner>
    using CodingOf =
        typename std::conditional_t<std::is_void_v<Coding>, DefaultCoding<Value<Owner>>,
                                    std::type_identity<Coding>>::type;

    template <class Owner> static void PutValue(const Owner& owner, BYTE* at) {
        CodingOf<Owner>::Put(at, Read<Path...>(owner));
    }
    template <class Owner> static void GetValue(Owner& owner, const BYTE* at) {
        Write<Path...>(owner, Decode<CodingOf<Owner>, Value<Owner>>(at));
    }

    template <class Owner> constexpr operator ByteField<Owner>() const {
        return {offset, CodingOf<Owner>::kWidth, &PutValue<Owner>, &GetValue<Owner>};
    }
};

} // namespace byte_field

template <std::size_t I> inline constexpr byte_field::Index<I> At{};
template <auto Getter, auto Setter> inline constexpr byte_field::Accessor<Getter, Setter> Prop{};

template <auto... Path> constexpr byte_field::Entry<void, Path...> Field(std::size_t offset) {
    return {offset};
}
template <class Coding, auto... Path>
constexpr byte_field::Entry<Coding, Path...> FieldAs(std::size_t offset) {
    return {offset};
}

// ---- Tables -----------------------------------------------------------------------------------

template <class Owner> using ByteFields = std::span<const ByteField<std::type_identity_t<Owner>>>;

// True when every field of the table lies inside a block of size bytes and no two fields share
// a byte.
template <class Fields> constexpr bool FitsBlock(const Fields& fields, std::size_t size) {
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (fields[i].End() > size) {
            return false;
        }
        for (std::size_t j = i + 1; j < std::size(fields); ++j) {
            if (fields[i].offset < fields[j].End() && fields[j].offset < fields[i].End()) {
                return false;
            }
        }
    }
    return true;
}

// The table of an older form of a block that lacked some of its fields: the fields at the given
// offsets are left out and every field behind one moves up by its width.
template <class Owner, std::size_t N, std::size_t M>
constexpr std::array<ByteField<Owner>, N - M> WithoutFields(const ByteField<Owner> (&fields)[N],
                                                            const std::size_t (&offsets)[M]) {
    std::array<ByteField<Owner>, N - M> kept{};
    std::size_t n = 0;
    for (const ByteField<Owner>& field : fields) {
        bool dropped = false;
        std::size_t shift = 0;
        for (std::size_t offset : offsets) {
            dropped = dropped || field.offset == offset;
            for (const ByteField<Owner>& other : fields) {
                if (other.offset == offset && offset < field.offset) {
                    shift += other.width;
                }
            }
        }
        if (!dropped) {
            kept[n] = field;
            kept[n].offset -= shift;
            ++n;
        }
    }
    return kept;
}

// Lays out every field that lies inside the block; the bytes of no field stay as they are.
template <class Owner>
void PutFields(ByteFields<Owner> fields, const Owner& owner, std::span<BYTE> block) {
    for (const auto& field : fields) {
        if (field.End() <= block.size()) {
            field.put(owner, block.data() + field.offset);
        }
    }
}

// Takes back every field that lies inside the block (a shorter, older form of a block holds
// fewer); the other members keep their values.
template <class Owner>
void GetFields(ByteFields<Owner> fields, std::span<const BYTE> block, Owner& owner) {
    for (const auto& field : fields) {
        if (field.End() <= block.size()) {
            field.get(owner, block.data() + field.offset);
        }
    }
}

// GetFields for a table known at compile time and a block that holds all of it: every field's
// reader is called directly (and so inlined), for blocks read once for every record of a file.
template <const auto& Fields, class Owner> void GetAllFields(const BYTE* block, Owner& owner) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (Fields[I].get(owner, block + Fields[I].offset), ...);
    }
    (std::make_index_sequence<std::size(Fields)>());
}

// The same through an archive, for a block of N bytes of which an older form holds only the
// first size. StoreFields writes the fields over the bytes given (zeros when none are);
// LoadFields returns the bytes read, the rest zero.
template <std::size_t N, class Owner>
void StoreFields(CArchive& ar, ByteFields<Owner> fields, const Owner& owner, std::size_t size = N,
                 std::array<BYTE, N> block = {}) {
    const std::span<BYTE> used(block.data(), std::min(size, N));
    PutFields<Owner>(fields, owner, used);
    ar.Write(used.data(), static_cast<UINT>(used.size()));
}

template <std::size_t N, class Owner>
std::array<BYTE, N> LoadFields(CArchive& ar, ByteFields<Owner> fields, Owner& owner,
                               std::size_t size = N) {
    std::array<BYTE, N> block{};
    const std::span<BYTE> used(block.data(), std::min(size, N));
    ar.ReadExact(used.data(), used.size());
    GetFields<Owner>(fields, used, owner);
    return block;
}

// StoreFields or LoadFields, as the archive goes.
template <std::size_t N, class Owner>
void SerializeFields(CArchive& ar, ByteFields<Owner> fields, Owner& owner, std::size_t size = N) {
    if (ar.IsStoring()) {
        StoreFields<N, Owner>(ar, fields, owner, size);
    } else {
        LoadFields<N, Owner>(ar, fields, owner, size);
    }
}

} // namespace tembra
