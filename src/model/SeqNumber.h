// Sequence numbers: the identity of a process within its document across saves (relation lines
// refer to processes by them), and the document's counter that hands them out.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <cstdint>
#include <optional>

namespace tembra {

// Shown when the counter has handed out its last number.
constexpr UINT IDS_SEQNUMBER_EXHAUSTED = 5060;

// A 6-byte value: a 16-bit high part and a 32-bit low part. (0, 0) means "no number".
class CObSeqNumber : public CObject {
    DECLARE_SERIAL(CObSeqNumber)
public:
    CObSeqNumber() = default;
    CObSeqNumber(WORD high, DWORD low) : m_high(high), m_low(low) {}
    CObSeqNumber(const CObSeqNumber& other) = default;
    CObSeqNumber& operator=(const CObSeqNumber& other) = default;

    WORD GetHigh() const { return m_high; }
    DWORD GetLow() const { return m_low; }
    void Set(WORD high, DWORD low) {
        m_high = high;
        m_low = low;
    }
    bool IsNull() const { return m_high == 0 && m_low == 0; }
    bool operator==(const CObSeqNumber& other) const {
        return m_high == other.m_high && m_low == other.m_low;
    }
    // Both parts in one number, for keys of hash maps and sets.
    std::uint64_t Key() const { return (static_cast<std::uint64_t>(m_high) << 32) | m_low; }

    // WORD high part, then DWORD low part.
    void Serialize(CArchive& ar) override;

protected:
    WORD m_high = 0;
    DWORD m_low = 0;
};

// The document's counter; its value is the last number handed out.
class CSeqNumberCtrl : public CObSeqNumber {
    DECLARE_SERIAL(CSeqNumberCtrl)
public:
    CSeqNumberCtrl() = default;

    void Reset() { Set(0, 0); }

    // Advances the counter and returns the new number: the low part counts up, and when it is
    // full the high part steps and the low part starts again at 0. When both parts are full no
    // number is left: the message is shown, the counter stays, and the result is empty, so
    // that no number is ever handed out twice.
    std::optional<CObSeqNumber> Next();
};

} // namespace tembra
