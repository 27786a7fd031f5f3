#include "document/AppState.h"

#include "platform/Sjis.h"

#include <algorithm>

namespace tembra {

CAppState::~CAppState() {
    ClearObjectClipboard();
    ClearShigenNameClipboard();
    ClearCellClipboard();
}

std::string CAppState::GetYogoText() const {
    if (m_yogoBar == nullptr) {
        return {};
    }
    std::string text = m_yogoBar->GetYogoComboText();
    text.resize(Sjis::CutLength(text, kMaxYogoText));
    // A blank can only be cut where it stands alone: a trail byte is never 0x20.
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

void CAppState::ClearObjectClipboard() {
    // The link records point at the clipboard's processes: they cannot outlive them.
    ClearProcessInfoList();
    m_objectClipboard.DeleteAll();
    m_zukeiClipboard.DeleteAll();
}

void CAppState::ClearShigenNameClipboard() {
    CShigenNameTable doomed;
    doomed.swap(m_shigenNames);
    while (!doomed.empty()) {
        doomed.pop_back();
    }
}

void CAppState::ClearCellClipboard() {
    // The table is a grid of pointers: a cell that stands in it twice is deleted once.
    std::vector<CObject*> cells;
    for (int row = 0; row < m_cells.GetRowCount(); ++row) {
        for (int column = 0; column < m_cells.GetColCount(row); ++column) {
            if (CObject* cell = m_cells.GetAt(column, row)) {
                cells.push_back(cell);
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    m_cells.DeleteAll();
    m_cellKeisenTypes.clear();
    for (CObject* cell : cells) {
        delete cell;
    }
}

void CAppState::ClearProcessInfoList() {
    LinkList doomed;
    doomed.swap(m_links);
}

namespace {

CAppState* g_installed = nullptr;

CAppState& ProgramState() {
    static CAppState state;
    return state;
}

} // namespace

CAppState* GetAppState() {
    return g_installed != nullptr ? g_installed : &ProgramState();
}

CAppState* SetAppState(CAppState* state) {
    CAppState* previous = g_installed;
    g_installed = state;
    return previous;
}

} // namespace tembra
