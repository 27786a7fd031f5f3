// The resources of processes: new resource lists with the label defaults, giving the selected
// processes a resource list or taking it away with undo, the lengths of the table's names, and
// the merge of a paste's resource names into the table.
#include "document/ChartResources.h"
#include "document/AppState.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"

#include <algorithm>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

namespace tembra {

// ---- Resource lists -----------------------------------------------------------------------------

std::unique_ptr<CShigen> CChartResources::CreateShigen() {
    std::unique_ptr<CShigen> resources;
    try {
        resources = std::make_unique<CShigen>();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    CElemAttr& attr = resources->GetAttr();
    attr.m_fontHeigh = 1;
    attr.m_fontWidth = 1;
    attr.m_form = 1;
    attr.m_color = 0;
    attr.m_attrb = 0;
    attr.m_linkWord = 0;
    attr.m_stack = 1;
    attr.m_linkPosition = 0;
    attr.m_offsetX = 0;
    attr.m_offsetY = 0;
    attr.m_drawerX = 0;
    attr.m_drawerY = 0;
    return resources;
}

std::unique_ptr<CShigen> CChartResources::CopyShigen(const CShigen& source) {
    std::unique_ptr<CShigen> copy;
    try {
        copy = std::make_unique<CShigen>();
        copy->CopyFrom(source);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return copy;
}

void CChartResources::SetSelShigen(std::span<const CShigenData> entries) {
    if (m_doc.GetOperation().GetMode() != COperationState::kModeShigen ||
        m_doc.GetOperation().GetOperation() != COperationState::kOpEdit ||
        m_objects.GetSelList().IsEmpty()) {
        return;
    }
    CWaitCursor wait;
    // An amount of 0 is no resource.
    std::vector<CShigenData> given;
    for (const CShigenData& entry : entries) {
        if (entry.GetQuantity() != 0) {
            given.emplace_back(entry.GetNumber(), entry.GetQuantity());
        }
    }
    m_doc.GetUndoHistory().Reset();
    m_doc.ForEachSelected([&](POSITION pos, CDataHeader* object) {
        const CKoutei* process = AsKoutei(object);
        if (process == nullptr) {
            return;
        }
        m_doc.RedrawObject(object);
        std::unique_ptr<CKoutei> copy = m_doc.CopyKoutei(process, TRUE);
        if (copy == nullptr) {
            return;
        }
        try {
            if (copy->GetShigenCount() == 0) {
                std::unique_ptr<CShigen> fresh = CreateShigen();
                if (fresh == nullptr) {
                    return;
                }
                fresh->Select();
                copy->SetShigen(std::move(fresh));
            }
            CShigen& resources = *copy->GetShigen();
            resources.RemoveAll();
            for (const CShigenData& entry : given) {
                resources.AddShigenData(std::make_unique<CShigenData>(entry));
            }
        } catch (const std::bad_alloc&) {
            return; // the process stays as it was
        }
        m_doc.ReplaceSelAt(pos, copy.release(), 0);
    });
}

void CChartResources::ClearSelShigen() {
    m_doc.GetUndoHistory().Reset();
    m_doc.ForEachSelected([this](POSITION pos, CDataHeader* object) {
        const CKoutei* process = AsKoutei(object);
        if (process == nullptr || process->GetShigenCount() == 0) {
            return;
        }
        m_doc.RedrawObject(object);
        std::unique_ptr<CKoutei> copy = m_doc.CopyKoutei(process, TRUE);
        if (copy == nullptr) {
            return;
        }
        copy->GetShigen()->RemoveAll();
        m_doc.ReplaceSelAt(pos, copy.release(), 1);
    });
}

// ---- The table's names --------------------------------------------------------------------------

int CChartResources::GetShigenNameLength(int n) const {
    std::string name;
    return GetShigenName(m_objects.GetShigenNames(), n, name);
}

int CChartResources::GetLongestShigenName() const {
    std::size_t longest = 0;
    for (const auto& entry : m_objects.GetShigenNames()) {
        if (entry != nullptr) {
            longest = std::max(longest, entry->GetName().size());
        }
    }
    return static_cast<int>(longest);
}

int CChartResources::GetLongestShigenNameOf(const CShigen& resources) const {
    int nameLength = 0;
    int amount = 0;
    MeasureShigenList(resources, m_objects.GetShigenNames(), nameLength, amount);
    return nameLength;
}

int CChartResources::MergeShigenNames() {
    CShigenNameTable& names = GetAppState()->GetShigenNameClipboard();
    CShigenNameTable& table = m_objects.GetShigenNames();
    const bool tableWasEmpty = table.empty();
    // The table's names by text (the first entry of a name), kept up to date with what is
    // appended, so that each name is found in constant time.
    std::unordered_map<std::string, std::size_t> byName;
    for (std::size_t j = 0; j < table.size(); ++j) {
        if (table[j] != nullptr) {
            byName.emplace(table[j]->GetName(), j);
        }
    }
    int changed = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        CShigenName& entry = *names[i];
        const std::string name = entry.GetName();
        std::size_t index = 0;
        // Into an empty table every name is copied as it comes, repeated names too.
        if (const auto it = byName.find(name); it != byName.end() && !tableWasEmpty) {
            index = it->second;
        } else {
            // A new name: appended, its number its place in the table.
            try {
                auto copy = std::make_unique<CShigenName>(entry);
                copy->SetNumber(static_cast<WORD>(table.size() + 1));
                table.push_back(std::move(copy));
                byName.emplace(name, table.size() - 1);
            } catch (const std::bad_alloc&) {
                // No entry for it: the pasted resources lose the name rather than take another.
                entry.SetNumber(0);
                changed = 1;
                continue;
            }
            index = table.size() - 1;
            changed = 1;
        }
        if (index != i) {
            changed = 1;
        }
        entry.SetNumber(static_cast<WORD>(index + 1));
    }
    return changed;
}

} // namespace tembra
