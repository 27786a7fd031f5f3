#include "dialogs/settings/core/ShigenRows.h"

#include "document/TembraDoc.h"
#include "model/Koutei.h"
#include "platform/RangeMessage.h"
#include "platform/Sjis.h"

namespace tembra {

namespace {

std::string DaysText(const CTimeSpan& span) {
    return std::to_string(static_cast<long>(span.GetDays())) + Sjis::FromUtf8("日");
}

} // namespace

bool CShigenRows::Exists(std::size_t index) const {
    return m_table != nullptr && index < m_table->size() && (*m_table)[index] != nullptr;
}

void CShigenRows::Bind(CShigenNameTable* table) {
    m_table = table;
    m_first = 0;
    Fill();
}

ShigenFocus CShigenRows::Fill() {
    const int count = m_table != nullptr ? static_cast<int>(m_table->size()) : -1;
    const int last = count - 1;
    for (int r = 0; r < kRows; ++r) {
        ShigenRow& row = m_rows[static_cast<std::size_t>(r)];
        row = ShigenRow{};
        const int i = m_first + r;
        if (m_table == nullptr) {
            continue;
        }
        if (i <= last && Exists(static_cast<std::size_t>(i))) {
            const CShigenName& entry = *(*m_table)[static_cast<std::size_t>(i)];
            row.name = entry.GetName();
            row.quantity = std::to_string(entry.GetQuantity());
            row.nameEnabled = row.quantityEnabled = true;
        } else if (i == last + 1) {
            row.nameEnabled = true;
        }
    }
    m_nextEnabled = m_table != nullptr && last >= m_first + kRows - 1;
    m_prevEnabled = m_first >= kRows;
    return count > 0 ? ShigenFocus::FirstQuantity : ShigenFocus::FirstName;
}

ShigenFocus CShigenRows::Next() {
    m_first += kRows;
    Fill();
    const int last = m_table != nullptr ? static_cast<int>(m_table->size()) - 1 : -1;
    return m_first > last ? ShigenFocus::FirstName : ShigenFocus::FirstQuantity;
}

ShigenFocus CShigenRows::Previous() {
    if (m_first >= kRows) {
        m_first -= kRows;
    }
    Fill();
    return ShigenFocus::FirstQuantity;
}

bool CShigenRows::SetName(int row, const std::string& name) {
    if (m_table == nullptr || row < 0 || row >= kRows) {
        return false;
    }
    const std::size_t i = static_cast<std::size_t>(m_first + row);
    if (i > m_table->size()) {
        return false;
    }
    if (i == m_table->size()) {
        m_table->push_back(std::make_unique<CShigenName>(static_cast<WORD>(i + 1), 0, ""));
    } else if ((*m_table)[i] == nullptr) {
        return false;
    }
    (*m_table)[i]->SetName(name.empty() ? std::string(" ") : name);
    ShigenRow& current = m_rows[static_cast<std::size_t>(row)];
    current.name = name;
    current.quantityEnabled = true;
    if (row + 1 < kRows) {
        m_rows[static_cast<std::size_t>(row + 1)].nameEnabled = true;
    } else {
        m_nextEnabled = true;
    }
    return true;
}

std::optional<int> CShigenRows::ParseQuantity(const std::string& text) {
    if (text.find_first_not_of(" \t") == std::string::npos) {
        return 0;
    }
    if (const std::optional<long> value = ParseIntInRange(text, 0, kMaxQuantity)) {
        return static_cast<int>(*value);
    }
    return std::nullopt;
}

bool CShigenRows::SetQuantity(int row, const std::string& text) {
    const std::optional<int> value = ParseQuantity(text);
    if (!value) {
        return false;
    }
    if (row >= 0 && row < kRows) {
        m_rows[static_cast<std::size_t>(row)].quantity = text;
        const std::size_t i = static_cast<std::size_t>(m_first + row);
        if (Exists(i)) {
            (*m_table)[i]->SetQuantity(static_cast<WORD>(*value));
        }
    }
    return true;
}

ShigenKouteiTexts CShigenRows::ShowKoutei(const CKoutei* process, CTembraDoc& document) {
    ShigenKouteiTexts texts;
    if (process != nullptr) {
        if (process->GetYogoCount() > 0) {
            if (const CYogo* term = process->GetYogo(0)) {
                texts.workName = term->GetText();
            }
        }
        // The spans as the dates and the calendar give them now (spare days never beyond the
        // duration), read without touching the process.
        const IKouteiDocument* seam = &document.GetSeams().Koutei();
        const CTimeSpan duration = process->CalcSpan(seam, TRUE);
        const CTimeSpan spare =
            process->GetSpareDays() > duration ? duration : process->GetSpareDays();
        const CTimeSpan real = duration - spare;
        texts.realDays = DaysText(real);
        texts.totalDays =
            DaysText(document.GetWorkCalendar().AddWorkTime(process->GetStartTime(), real));
    }
    if (m_table != nullptr) {
        for (const std::unique_ptr<CShigenName>& entry : *m_table) {
            if (entry != nullptr) {
                entry->SetQuantity(0);
            }
        }
    }
    for (ShigenRow& row : m_rows) {
        row.quantity.clear();
    }
    const CShigen* resources = process != nullptr ? process->GetShigen() : nullptr;
    if (resources == nullptr || m_table == nullptr) {
        return texts;
    }
    for (const std::unique_ptr<CShigenData>& resource : resources->GetEntries()) {
        const int n = resource != nullptr ? resource->GetNumber() : 0;
        // A number that names no entry of the table is a resource of another table: nothing
        // to show it in.
        if (n < 1 || !Exists(static_cast<std::size_t>(n - 1))) {
            continue;
        }
        (*m_table)[static_cast<std::size_t>(n - 1)]->SetQuantity(resource->GetQuantity());
        if (n > m_first && n <= m_first + kRows) {
            m_rows[static_cast<std::size_t>(n - m_first - 1)].quantity =
                std::to_string(resource->GetQuantity());
        }
    }
    return texts;
}

std::vector<CShigenData> CShigenRows::Entries() const {
    std::vector<CShigenData> entries;
    if (m_table == nullptr) {
        return entries;
    }
    for (const std::unique_ptr<CShigenName>& entry : *m_table) {
        if (entry != nullptr) {
            entries.emplace_back(entry->GetNumber(), entry->GetQuantity());
        }
    }
    return entries;
}

} // namespace tembra
