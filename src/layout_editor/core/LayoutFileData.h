// What the layout editor's document holds of one layout: its name, version, master flag, the main
// program's window while it edits the main program's temporary copy, the layout kind, the paper
// shown first, and the six papers; and the layout file (*.LYT) read into them and written from
// them, by the rules of the format module (model/LayoutFile.h) both programs share.
#pragma once

#include "layout_editor/core/PaperData.h"
#include "model/LayoutFile.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>

namespace marquell {

// "MasterFlag" values: a master layout (never overwritten), an ordinary one, the main program's
// temporary copy, and such a copy saved with changes.
enum : int {
    kMasterLayout = 1,
    kOrdinaryLayout = 0,
    kTemporaryLayout = -1,
    kChangedTemporaryLayout = -2,
};

class CLayoutFileData {
public:
    static constexpr int kPaperCount = tembra::kLayoutPaperCount;
    // The "Vertion" of a layout the editor makes.
    static constexpr tembra::DWORD kNewVersion = 30000;

    CLayoutFileData() = default;
    CLayoutFileData(const CLayoutFileData&) = delete;
    CLayoutFileData& operator=(const CLayoutFileData&) = delete;

    // A new layout: no name, version 30000, master flag 0, A4 current, layout kind 0, every
    // paper emptied and at its defaults.
    void InitNew();
    // An empty layout, as between closing one layout and opening the next: no name, version 0,
    // master flag 0, A4 current, layout kind 0, every paper's elements and base input areas
    // deleted. The main program's window is kept.
    void Clear();

    // Replaces the whole layout by the file's: every paper emptied and at its defaults first;
    // then the file information (a current paper outside 0..5 is A4; the main program's window
    // only with master flag -1) and each paper the file has a section for: its areas (into both
    // size records) and divisions, then its fixed texts, input areas (one named like an input
    // area already there, a base input area among them, becomes that one) and lines. A paper
    // whose paper rectangle reads all zero stays at its defaults. Nothing here fails: what the
    // file lacks stays at the defaults.
    void ReadLayoutFile(std::istream& in);
    void ReadLayoutFile(const tembra::LayoutLines& lines);
    // Writes the whole layout. "MasterFlag": a master layout is written as 0, a temporary copy
    // as -2 once modified, else as it is; "hWnd_Tembra" only for a temporary copy. Each paper
    // first completes its base input areas; a box is written as the four lines of its sides
    // (top, right, bottom, left) after the lines. FALSE when a line could not be written.
    BOOL WriteLayoutFile(std::ostream& out, bool modified);

    const std::string& GetLayoutName() const { return m_layoutName; }
    void SetLayoutName(std::string name) { m_layoutName = std::move(name); }
    tembra::DWORD GetVersion() const { return m_version; }
    int GetMasterFlag() const { return m_masterFlag; }
    void SetMasterFlag(int flag) { m_masterFlag = flag; }
    int GetWindowHandle() const { return m_windowHandle; }
    int GetDiscernmentFlag() const { return m_discernmentFlag; }
    short GetCurrentPaperIndex() const { return m_currentPaper; }
    void SetCurrentPaperIndex(int paper);
    CPaperData& GetPaper(int paper) { return m_papers[static_cast<std::size_t>(paper)]; }
    const CPaperData& GetPaper(int paper) const {
        return m_papers[static_cast<std::size_t>(paper)];
    }
    CPaperData& GetCurrentPaper() { return GetPaper(m_currentPaper); }

private:
    void ResetPaper(int paper);
    void ReadPaper(CPaperData& paper, const tembra::LayoutPaperSection& section);

    std::string m_layoutName;
    tembra::DWORD m_version = 0;
    int m_masterFlag = kOrdinaryLayout;
    int m_windowHandle = 0;
    int m_discernmentFlag = 0;
    short m_currentPaper = 0;
    std::array<CPaperData, kPaperCount> m_papers;
};

} // namespace marquell
