#include "exchange/DosFormat.h"

#include "platform/Sjis.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tembra::Dos {

namespace {

template <class U> U GetLE(const std::vector<BYTE>& data, std::size_t at) {
    U value = 0;
    if (at > data.size() || data.size() - at < sizeof(U)) {
        return value;
    }
    for (std::size_t i = sizeof(U); i-- > 0;) {
        value = static_cast<U>((value << 8) | data[at + i]);
    }
    return value;
}

template <class U> void PutLE(std::vector<BYTE>& data, std::size_t at, U value) {
    if (at > data.size() || data.size() - at < sizeof(U)) {
        return;
    }
    for (std::size_t i = 0; i < sizeof(U); ++i) {
        data[at + i] = static_cast<BYTE>(value & 0xFF);
        value = static_cast<U>(value >> 8);
    }
}

} // namespace

BYTE Bytes::Byte(std::size_t at) const {
    return at < m_data.size() ? m_data[at] : BYTE{0};
}

WORD Bytes::Word(std::size_t at) const {
    return GetLE<WORD>(m_data, at);
}

DWORD Bytes::Dword(std::size_t at) const {
    return GetLE<DWORD>(m_data, at);
}

float Bytes::Float(std::size_t at) const {
    return std::bit_cast<float>(GetLE<std::uint32_t>(m_data, at));
}

double Bytes::Double(std::size_t at) const {
    return std::bit_cast<double>(GetLE<std::uint64_t>(m_data, at));
}

DateWords Bytes::Date(std::size_t at) const {
    DateWords words{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = Word(at + 2 * i);
    }
    return words;
}

std::string Bytes::Text(std::size_t at, std::size_t capacity) const {
    if (at >= m_data.size()) {
        return {};
    }
    const std::size_t end = at + std::min(capacity, m_data.size() - at);
    std::size_t stop = at;
    while (stop < end && m_data[stop] != 0) {
        ++stop;
    }
    // With the byte that ended the text (the zero, or the first one past the capacity) in view,
    // a lead byte just before the end counts as the two-byte character it starts and is cut.
    const std::string_view text(reinterpret_cast<const char*>(m_data.data()) + at,
                                stop - at + (stop < m_data.size() ? 1 : 0));
    std::size_t whole = Sjis::CutLength(text, stop - at);
    if (whole > 0 && whole == text.size() && Sjis::IsLeadByte(static_cast<BYTE>(text.back())) &&
        Sjis::IsCharStart(text, whole - 1)) {
        --whole; // a lead byte at the block's very end
    }
    return std::string(text.substr(0, whole));
}

void Bytes::PutByte(std::size_t at, BYTE v) {
    if (at < m_data.size()) {
        m_data[at] = v;
    }
}

void Bytes::PutWord(std::size_t at, WORD v) {
    PutLE(m_data, at, v);
}

void Bytes::PutDword(std::size_t at, DWORD v) {
    PutLE(m_data, at, v);
}

void Bytes::PutFloat(std::size_t at, float v) {
    PutLE(m_data, at, std::bit_cast<std::uint32_t>(v));
}

void Bytes::PutDouble(std::size_t at, double v) {
    PutLE(m_data, at, std::bit_cast<std::uint64_t>(v));
}

void Bytes::PutDate(std::size_t at, const DateWords& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        PutWord(at + 2 * i, words[i]);
    }
}

void Bytes::PutText(std::size_t at, std::string_view text, std::size_t capacity) {
    if (capacity == 0 || at >= m_data.size()) {
        return;
    }
    capacity = std::min(capacity, m_data.size() - at);
    const std::string cut = Sjis::Cut(text.substr(0, text.find('\0')), capacity - 1);
    std::memcpy(m_data.data() + at, cut.data(), cut.size());
    m_data[at + cut.size()] = 0;
}

} // namespace tembra::Dos
