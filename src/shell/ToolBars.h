// The bars of the frames. The customisable tool bars are laid out from their button sets
// (CToolBarSets): a button per command, a separator per separator entry, and the bar's combo boxes
// in the places their sets give them. Every button shows the frame's one action of its command.
//   CLayerBar         main tool bar (ID_BAR_MAIN) with the layer combo (1665)
//   CYogoBar          term input bar (ID_BAR_YOGO): term combo (1664) and text-colour combo (1663)
//   CProcessColorBar  process tool bar (ID_BAR_KOUTEI) with the process-colour combo (1662)
//   CZukeiToolBar     line-drawing bar (ID_BAR_ZUKEI)
//   CSizingToolBar    chart bar (ID_BAR_CHART)
//   CFrameToolBar     tool palette (ID_BAR_PALETTE): fourteen fixed buttons, floating by default
//   CModeBar          function bar (160): the buttons of its dialog template, eleven of them
//                     showing their command's state by colour
// A floating bar that is laid out again keeps its size (KeepBarSize).
#pragma once

#include "document/CommandIds.h"
#include "document/KouteiBarObserver.h"
#include "document/LayerBarObserver.h"
#include "document/YogoBarObserver.h"
#include "platform/Types.h"
#include "shell/controls/ColorComboBox.h"
#include "shell/controls/ModeButton.h"
#include "shell/core/ToolBarSets.h"

#include <QDockWidget>
#include <QLineEdit>
#include <QToolBar>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QPushButton;
class QToolButton;
class QWidgetAction;

namespace tembra {

class COperationState;

using ActionLookup = std::function<QAction*(UINT)>;

class CCommandBar : public QToolBar {
    Q_OBJECT
public:
    CCommandBar(UINT id, const QString& title, QWidget* parent, CSize minimum = CSize(0, 0));
    ~CCommandBar() override;

    // Lays the bar out: buttons show the actions of their commands; a separator carrying a
    // combo's id holds that combo, as wide as the separator. FALSE for an empty set.
    BOOL LayOut(const std::vector<ToolBarItem>& items, const ActionLookup& actionFor);
    // The combo placed on the separator of id, or null.
    QComboBox* Combo(UINT id) const;
    CSize RememberedSize() const { return m_remembered; }

protected:
    // A combo the bar owns and places where its id comes.
    QComboBox* AddCombo(UINT id, bool editable);
    // A colour list with the seven colours of the bars, black selected.
    CColorComboBox* AddColorCombo(UINT id);

private:
    void Place(UINT id, QComboBox* combo);

    std::map<UINT, QWidgetAction*> m_combos;
    CSize m_remembered;
    CSize m_minimum;
};

class CLayerBar : public CCommandBar, public ILayerBarObserver {
    Q_OBJECT
public:
    explicit CLayerBar(QWidget* parent);
    QComboBox* LayerCombo() const { return Combo(kLayerComboId); }

    // The combo's entry is the layer number.
    int GetSelectedLayer() const override;
    void SelectLayer(int layer) override;
    bool HasFocus() const override;
};

// The custom colour that colour entry 6 ("その他") stands for, asked when it is needed.
using CustomColorSource = std::function<COLORREF()>;

// The edit field of the term combo. It keeps the text the program last put in (the last text):
// a key released while the field is unmarked and its text differs from that text marks it
// modified. Delete may stand for "delete the selected chart objects" (ID_EDIT_DELETE) instead of
// deleting a character; which one depends on the active document's operation and mode, on the
// mark and on a selection in the field (DeleteKeySendsDelete).
class CYogoEdit : public QLineEdit {
public:
    // The operation state of the active document, or null without one.
    using OperationSource = std::function<const COperationState*()>;

    explicit CYogoEdit(QWidget* parent);
    void SetOperationSource(OperationSource source) { m_operation = std::move(source); }
    // Runs ID_EDIT_DELETE; the frame routes it as a menu command.
    void SetDeleteCommand(std::function<void()> command) { m_delete = std::move(command); }
    // What Enter does before the field's own handling; true when it took the key.
    void SetEnterCommand(std::function<bool()> command) { m_enter = std::move(command); }
    const QString& LastText() const { return m_lastText; }
    void SetLastText(const QString& text) { m_lastText = text; }

    struct DeleteAnswer {
        bool sendDelete = false;
        bool passKey = true;
    };
    // What Delete does in the field for the document's state (null: no document).
    static DeleteAnswer DeleteKeyAnswer(const COperationState* state, bool modified,
                                        bool selection);

protected:
    // The chart's undo (Ctrl+Z) and mode keys (F5 to F10) stay the frame's shortcuts; the
    // editing keys Ctrl+X/C/V/A are the field's. Enter runs the Enter command first.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    OperationSource m_operation;
    std::function<void()> m_delete;
    std::function<bool()> m_enter;
    QString m_lastText;
};

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

// The process bar as the document sees it (IKouteiBarObserver): its colour combo.
class CProcessColorBar : public CCommandBar, public IKouteiBarObserver {
    Q_OBJECT
public:
    explicit CProcessColorBar(QWidget* parent);
    CColorComboBox* ColorCombo() const {
        return static_cast<CColorComboBox*>(Combo(kKouteiColorComboId));
    }
    void SetColorSource(CustomColorSource custom);

    void SetKouteiColor(COLORREF color) override;
    COLORREF GetKouteiColor() const override;
    int GetKouteiColorIndex() const override;

private:
    CustomColorSource m_custom;
};

class CZukeiToolBar : public CCommandBar {
    Q_OBJECT
public:
    explicit CZukeiToolBar(QWidget* parent);
};

class CSizingToolBar : public CCommandBar {
    Q_OBJECT
public:
    explicit CSizingToolBar(QWidget* parent);
};

class CFrameToolBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr UINT kId = ID_BAR_PALETTE;
    // Its buttons, in order.
    static const std::vector<UINT>& Commands();

    CFrameToolBar(QWidget* parent, const ActionLookup& actionFor);
    ~CFrameToolBar() override;

    // Floats the palette with its top-left corner at the point, width pixels wide and as high
    // as its buttons then need.
    void FloatAt(const QPoint& topLeft, int width);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The buttons in as many columns as the width of the buttons' widget takes.
    void Arrange(int width);

    QWidget* m_buttons = nullptr;
    QGridLayout* m_grid = nullptr;
    std::vector<QToolButton*> m_tools;
    int m_columns = 0;
};

class CModeBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr UINT kId = 160;

    CModeBar(QWidget* parent, const ActionLookup& actionFor);
    ~CModeBar() override;

    // The buttons follow the states of their commands' actions.
    QPushButton* Button(UINT id) const;
    // The eleven buttons that show their command's state by their colour; null for the others.
    CModeButton* ModeButton(UINT id) const;

private:
    // A mode button for the command with its colours, or null for a plain button.
    static CModeButton* MakeModeButton(UINT id, const QString& text, QWidget* parent);

    std::map<UINT, QPushButton*> m_buttons;
    std::map<UINT, CModeButton*> m_modeButtons;
};

} // namespace tembra
