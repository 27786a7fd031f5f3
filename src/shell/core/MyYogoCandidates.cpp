#include "shell/core/MyYogoCandidates.h"

#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/Yogo.h"

#include <algorithm>

namespace tembra {

namespace {

void AddOnce(const std::string& text, std::vector<std::string>& list) {
    if (!text.empty() && std::ranges::find(list, text) == list.end()) {
        list.push_back(text);
    }
}

void AddObject(const CDataHeader* object, const MyYogoCandidateKinds& kinds,
               std::vector<std::string>& list) {
    if (kinds.terms) {
        if (const auto* process = DynamicDowncast<CKoutei>(object)) {
            for (int i = 0; i < process->GetYogoCount() && i < CKoutei::kMaxYogo; ++i) {
                if (const CYogo* term = process->GetYogo(i)) {
                    AddOnce(term->GetText(), list);
                }
            }
        }
    }
    if (kinds.events) {
        if (const auto* event = DynamicDowncast<CEvent>(object)) {
            AddOnce(event->GetText(), list);
        }
    }
}

} // namespace

void AddChartCandidates(const CTembraDoc& doc, const MyYogoCandidateKinds& kinds,
                        std::vector<std::string>& list) {
    if (kinds.terms || kinds.events) {
        for (const auto* objects : {&doc.GetSelList(), &doc.GetObjList()}) {
            for (POSITION pos = objects->GetHeadPosition(); pos != nullptr;) {
                AddObject(objects->GetNext(pos), kinds, list);
            }
        }
    }
    if (kinds.items) {
        const CKoumoku& table = doc.GetKoumokuTable();
        int columns = 0;
        for (int row = 0; row < table.GetRowCount(); ++row) {
            columns = std::max(columns, table.GetColCount(row));
        }
        for (int column = columns - 1; column >= 0; --column) {
            for (int row = table.GetRowCount() - 1; row >= 0; --row) {
                if (column >= table.GetColCount(row)) {
                    continue;
                }
                if (const auto* cell = DynamicDowncast<CKoumokuData>(table.GetAt(column, row))) {
                    AddOnce(cell->GetText(), list);
                }
            }
        }
    }
}

} // namespace tembra
