// DOS documents written out by hand for the tests, field by field at the offsets of the format's
// tables: a header file of blocks 1 and 2 (the current layout of 7409 bytes from version 4100,
// the older one of 5605 before) and data records of a kind, a length and a size.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tembra::test {

// A block of bytes with little-endian fields at offsets.
class DosBlock {
public:
    explicit DosBlock(std::size_t size) : m_bytes(size, '\0') {}

    DosBlock& Byte(std::size_t at, int v) {
        m_bytes.at(at) = static_cast<char>(v & 0xFF);
        return *this;
    }
    DosBlock& Word(std::size_t at, int v) {
        Byte(at, v);
        return Byte(at + 1, v >> 8);
    }
    DosBlock& Dword(std::size_t at, std::uint32_t v) {
        Word(at, static_cast<int>(v & 0xFFFF));
        return Word(at + 2, static_cast<int>(v >> 16));
    }
    DosBlock& Float(std::size_t at, float v) { return Dword(at, std::bit_cast<std::uint32_t>(v)); }
    DosBlock& Double(std::size_t at, double v) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        Dword(at, static_cast<std::uint32_t>(bits));
        return Dword(at + 4, static_cast<std::uint32_t>(bits >> 32));
    }
    DosBlock& Text(std::size_t at, std::string_view text) {
        m_bytes.replace(at, text.size(), text);
        return *this;
    }
    // A date of six words: year, month, day, hour, minute, second.
    DosBlock& Date(std::size_t at, int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
        return Word(at, y)
            .Word(at + 2, m)
            .Word(at + 4, d)
            .Word(at + 6, h)
            .Word(at + 8, mi)
            .Word(at + 10, s);
    }

    std::uint32_t GetDword(std::size_t at) const {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) {
            v = (v << 8) | static_cast<unsigned char>(m_bytes.at(at + static_cast<std::size_t>(i)));
        }
        return v;
    }
    int GetWord(std::size_t at) const { return static_cast<int>(GetDword(at) & 0xFFFF); }

    const std::string& Bytes() const { return m_bytes; }
    std::string& Bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

// Block 1 of a header of the version; block 2 of its layout (offsets of the current layout).
struct DosHeader {
    explicit DosHeader(int version)
        : version(version), block1(2595), block2(version >= 4100 ? 7409 : 5605) {
        block1.Word(0, version);
    }
    std::string File() const { return block1.Bytes() + block2.Bytes(); }

    int version;
    DosBlock block1;
    DosBlock block2;
};

// A data record: marker 100, the kind, the layer (x 8 in byte 3) and the length in units of 16
// bytes; size bytes in all.
inline DosBlock DosRecord(int kind, int length, std::size_t size, int layer = 0) {
    DosBlock record(size);
    record.Byte(0, 100).Byte(1, kind).Byte(3, layer * 8).Word(4, length);
    return record;
}

} // namespace tembra::test
