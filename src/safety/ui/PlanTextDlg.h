// What the two plan text dialogs share: the catalogue browsed by big and mid group, a candidate
// list and the frame lines for each frame of the pair, and the line buttons between them. The
// first side holds the targets or disasters, the second the actions or countermeasures of the
// chosen one. 決定 composes the two texts; ApplyTexts writes them into the pair.
#pragma once

#include "safety/PlanCatalog.h"
#include "safety/PlanFrameLines.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace tembra {

class CTembraDoc;
class CZukeiString;

class CPlanTextDlg : public QDialog {
public:
    // The frames' words: "週間目標", "実施項目" or "災害", "対策" (UTF-8).
    CPlanTextDlg(CTembraDoc& doc, CZukeiString& first, CZukeiString& second, PlanCatalogKind kind,
                 const char* firstWord, const char* secondWord, bool filters, QWidget* parent);

    // Reads the catalogue (message 5144 and IDCANCEL when it cannot), then runs the dialog.
    int DoModal();
    // Loads the catalogue and fills the lists; false when the catalogue is refused.
    bool Init();
    void accept() override;
    // Writes the composed texts into the pair as one undo step.
    void ApplyTexts();

    const std::string& FirstText() const { return m_firstText; }
    const std::string& SecondText() const { return m_secondText; }

    // The controls, for those who drive the dialog.
    QComboBox* BigGroups() const { return m_big; }
    QComboBox* MidGroups() const { return m_mid; }
    QListWidget* Candidates(int side) const { return m_sides[side].candidates; }
    QListWidget* FrameLines(int side) const { return m_sides[side].lines; }
    QLineEdit* Filter(int side) const { return m_sides[side].filter; }
    // The line operations of a side: 0 add, 1 delete, 2 up, 3 down, 4 clear.
    void LineCommand(int side, int command);

protected:
    // The first side's candidates of the chosen mid group (the blank entry first).
    virtual std::vector<std::string> ListFirst(int big, int mid, const std::string& filter) = 0;
    // The second side's candidates of the chosen first-side text.
    virtual std::vector<std::string> ListSecond(const std::string& chosen,
                                                const std::string& filter) = 0;

    const CPlanCatalog& Catalog() const { return m_catalog; }

private:
    struct Side {
        QListWidget* candidates = nullptr;
        QListWidget* lines = nullptr;
        QLineEdit* filter = nullptr;
        CPlanFrameLines frame;
    };

    QWidget* MakeSide(int side, const char* word);
    void RefillMidGroups();
    void RefillFirst();
    void RefillSecond();
    void ShowLines(int side);
    static void FillCandidates(QListWidget* list, const std::vector<std::string>& texts);
    std::string FilterText(int side) const;

    CTembraDoc& m_doc;
    CZukeiString& m_first;
    CZukeiString& m_second;
    CPlanCatalog m_catalog;
    bool m_filters;
    QComboBox* m_big = nullptr;
    QComboBox* m_mid = nullptr;
    std::array<Side, 2> m_sides;
    // The mid group last chosen under each of the first three big groups.
    std::array<int, 3> m_rememberedMid{};
    std::string m_firstText;
    std::string m_secondText;
};

} // namespace tembra
