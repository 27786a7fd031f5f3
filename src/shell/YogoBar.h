// The term input bar: the term combo with its history and the text-colour combo.
#pragma once

#include "document/YogoBarObserver.h"
#include "shell/CommandBar.h"
#include "shell/YogoEdit.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tembra {

// The term bar as the document and the view see it (IYogoBarObserver): the term combo's text,
// its history of up to kMaxHistory texts, the modified mark of its edit field (set by typing,
// cleared when the program puts a text in) and the text-colour combo.
class CYogoBar : public CCommandBar, public IYogoBarObserver {
    Q_OBJECT
public:
    static constexpr int kMaxHistory = 256;

    explicit CYogoBar(QWidget* parent);
    QComboBox* YogoCombo() const { return Combo(kYogoComboId); }
    CColorComboBox* ColorCombo() const {
        return static_cast<CColorComboBox*>(Combo(kYogoColorComboId));
    }
    BOOL IsShown() const { return m_shown; }
    void SetShown(BOOL shown) { m_shown = shown; }
    // The kind of the bar (0 event, 1 term, 2 item) gives entry 6 its custom colour.
    void SetColorSource(CustomColorSource custom);

    void AddYogoHistory(const std::string& text) override;
    void SetYogoColor(COLORREF color) override;
    bool IsYogoBarVisible() const override;
    std::string GetYogoComboText() const override;
    bool RefuseYogoText() override;
    void FocusYogoCombo(int bits) override;
    void SetYogoText(const std::string& text) override;
    COLORREF GetYogoColor() const override;
    int GetYogoColorIndex() const override;
    void SetEditModify(bool modified) override;
    bool IsEditModified() const override;
    void SetYogoComboActive(bool active) override;
    void SetLastText(const std::string& text) override;
    void SyncLastText() override;
    std::vector<std::string> GetYogoHistory() const override;

    CYogoEdit* Edit() const { return m_edit; }
    // Empties the drop-down list; the edit field keeps its text and mark.
    void ClearHistory();
    // Replaces the list by section "PUBLIC" of the history file, keys "0", "1", ... up to the
    // first empty or missing value, each cut to 256 bytes on a character boundary. A file that
    // cannot be read gives the entries read before the fault.
    void LoadHistory(const std::filesystem::path& file);
    // Rewrites section "PUBLIC" with the non-empty entries under their list positions, in one
    // file replacement: false, leaving the old file as it was, when the file cannot be written.
    bool SaveHistory(const std::filesystem::path& file) const;

private:
    BOOL m_shown = FALSE;
    CYogoEdit* m_edit = nullptr;
    CustomColorSource m_custom;
};

} // namespace tembra
