// Which selected processes may meet each selected process, numbered, as a pass of the adjustment
// (KouteiAdjustPass) begins.
#pragma once

#include "document/KouteiContactIndex.h"
#include "document/ObList.h"
#include "document/RecordCast.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tembra {

// Which selected processes may meet each selected process, in selection order, as a pass of the
// adjustment begins. The nodes that meet move together in every step of a pass (a step moves a
// node and whatever starts or ends on it by the same amount, or neither), so the lists hold
// through the pass; each contact is checked on the present dates before it is used. Nodes that
// come to meet during a pass are met by the next one.
//
// Each process met is numbered, so that the walks of the steps mark what they took in plain
// arrays: a walk along a long chain looks up every process it passes several times.
class ContactLists {
public:
    // A process that may be met, with its number.
    struct Contact {
        CKoutei* process;
        std::size_t id;
    };

    // The processes are numbered in selection order, as the index numbers them.
    explicit ContactLists(const ObList<CDataHeader>& selection) {
        const ObList<CDataHeader> none;
        m_index.Build(selection, none, true);
        const std::size_t count = m_index.Count();
        m_ranges.reserve(count);
        m_all.reserve(2 * count);
        std::vector<std::uint32_t> found;
        for (std::size_t id = 0; id < count; ++id) {
            m_index.CandidateNumbersAt(id, found);
            m_ranges.push_back(Range{m_all.size(), found.size()});
            for (const std::uint32_t other : found) {
                m_all.push_back(Contact{m_index.ProcessAt(other), other});
            }
        }
    }

    // The number of a process of the selection; one past the last for any other.
    std::size_t Find(const CKoutei& process) const { return m_index.NumberOf(process); }
    std::size_t Count() const { return m_ranges.size(); }
    CKoutei* ProcessAt(std::size_t id) const { return m_index.ProcessAt(id); }

    // Node partA of process a and node partB of process b lay at the same date and row as the
    // pass began.
    bool WasSameNode(std::size_t a, int partA, std::size_t b, int partB) const {
        return m_index.NodeKeyAt(a, partA) == m_index.NodeKeyAt(b, partB);
    }

    std::span<const Contact> Of(std::size_t id) const {
        if (id >= m_ranges.size()) {
            return {};
        }
        return std::span<const Contact>(m_all).subspan(m_ranges[id].first, m_ranges[id].count);
    }

private:
    struct Range {
        std::size_t first = 0;
        std::size_t count = 0;
    };

    KouteiContactIndex m_index;
    std::vector<Contact> m_all;
    std::vector<Range> m_ranges;
};

} // namespace tembra
