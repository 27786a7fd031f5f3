// The area-name cells of one settings record (see AreaNameData.h) and the three words that
// choose how the header is split.
#pragma once

#include "model/AreaNameDataGrid.h"
#include "model/AreaNameDataSlant.h"
#include "model/AreaNameDataStd.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <memory>
#include <string>
#include <vector>

namespace tembra {

// All the cells of one settings record and the three words that choose how the header is
// split. The set owns its cells.
class CAreaNameSet {
public:
    static constexpr int kStdCount = 2;
    static constexpr int kGridRows = 3;
    static constexpr int kGridColumns = 10;
    static constexpr int kSlantCount = 13;
    static constexpr int kSlantRowBase = 10;

    // Header styles and split options.
    enum : WORD { kStyleStandard = 0, kStyleGrid = 1, kStyleSlant = 2 };
    enum : WORD { kSplitByColumns = 0x0001, kSplitByRows = 0x0002 };

    CAreaNameSet() = default;
    CAreaNameSet(const CAreaNameSet& other);
    CAreaNameSet& operator=(const CAreaNameSet& other);
    CAreaNameSet(CAreaNameSet&&) noexcept = default;
    CAreaNameSet& operator=(CAreaNameSet&&) noexcept = default;
    ~CAreaNameSet() = default;

    // Adds Std 0 and 1, the Grid cells (columns outer, rows inner) and Slant 0 to 12, with
    // the headings "作業" and "期間" unless the profile's "BaseConfig" holds "KoumokuName" or
    // "HizukeName". Returns 1 (0 when a cell could not be allocated; the cells made so far
    // stay).
    int SetDefaults();
    // Deletes every cell of the three arrays.
    void RemoveAll();
    // Deletes this set's cells and duplicates every cell of the other, array by array (nothing
    // onto itself). The three words stay; assignment copies them as well.
    void Copy(const CAreaNameSet& other);

    // The Std, Grid and Slant arrays, each as the framework's object array. The three words are
    // not part of it (the settings record stores them). A load replaces the cells; a damaged
    // stream (or a cell of the wrong kind) throws CArchiveException and leaves the set as it
    // was.
    void Serialize(CArchive& ar);

    CAreaNameDataStd* FindStd(DWORD no) const;
    CAreaNameDataGrid* FindGrid(DWORD row, DWORD column) const;
    CAreaNameDataSlant* FindSlant(DWORD no) const;
    CAreaNameDataStd* GetKoumokuCell() const { return FindStd(0); }
    CAreaNameDataStd* GetHizukeCell() const { return FindStd(1); }
    CAreaNameDataSlant* FindSlantColumn(DWORD column) const { return FindSlant(column); }
    CAreaNameDataSlant* FindSlantRow(DWORD row) const { return FindSlant(row + kSlantRowBase); }

    std::string GetKoumokuName() const;
    std::string GetHizukeName() const;
    void SetKoumokuName(const std::string& name);
    void SetHizukeName(const std::string& name);

    // Every cell of that kind and number is deleted and the given cell takes the slot of the
    // first one; without such a cell it is appended. A null cell changes nothing.
    void ReplaceStd(DWORD no, std::unique_ptr<CAreaNameDataStd> cell);
    void ReplaceGrid(DWORD row, DWORD column, std::unique_ptr<CAreaNameDataGrid> cell);
    void ReplaceSlant(DWORD no, std::unique_ptr<CAreaNameDataSlant> cell);
    void ReplaceKoumokuCell(std::unique_ptr<CAreaNameDataStd> cell) {
        ReplaceStd(0, std::move(cell));
    }
    void ReplaceHizukeCell(std::unique_ptr<CAreaNameDataStd> cell) {
        ReplaceStd(1, std::move(cell));
    }
    void ReplaceSlantColumn(DWORD column, std::unique_ptr<CAreaNameDataSlant> cell) {
        ReplaceSlant(column, std::move(cell));
    }
    void ReplaceSlantRow(DWORD row, std::unique_ptr<CAreaNameDataSlant> cell) {
        ReplaceSlant(row + kSlantRowBase, std::move(cell));
    }

    const std::vector<std::unique_ptr<CAreaNameDataStd>>& GetStdCells() const { return m_std; }
    const std::vector<std::unique_ptr<CAreaNameDataGrid>>& GetGridCells() const { return m_grid; }
    const std::vector<std::unique_ptr<CAreaNameDataSlant>>& GetSlantCells() const {
        return m_slant;
    }

    // The number of item columns, the header style and the split options.
    WORD GetKoumokuColumnCount() const { return m_columnCount; }
    void SetKoumokuColumnCount(WORD count) { m_columnCount = count; }
    WORD GetStyle() const { return m_style; }
    void SetStyle(WORD style) { m_style = style; }
    WORD GetBunkatuOpt() const { return m_bunkatuOpt; }
    void SetBunkatuOpt(WORD options) { m_bunkatuOpt = options; }

private:
    std::vector<std::unique_ptr<CAreaNameDataStd>> m_std;
    std::vector<std::unique_ptr<CAreaNameDataGrid>> m_grid;
    std::vector<std::unique_ptr<CAreaNameDataSlant>> m_slant;
    WORD m_columnCount = 0;
    WORD m_style = 0;
    WORD m_bunkatuOpt = 0;
};

} // namespace tembra
