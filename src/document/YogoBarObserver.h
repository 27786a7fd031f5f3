// The term bar (用語バー) of the main window as the document and the view see it: the text the
// user typed before placing a term, an event or an item cell, its input history, its colour list
// and the mark that tells typed text from text the program put in. The shell's bar implements it
// and registers with the application's state (CAppState forwards, and answers for a missing bar:
// not visible, no text, colour entry 0).
#pragma once

#include "platform/Types.h"

#include <string>
#include <vector>

namespace tembra {

class IYogoBarObserver {
public:
    virtual ~IYogoBarObserver() = default;
    // The text (CP932) joins the input history (the bar drops empty texts and ones it holds).
    virtual void AddYogoHistory(const std::string& text) = 0;
    // The colour list shows the entry of the colour ("その他" for one of none of the six).
    virtual void SetYogoColor(COLORREF color) = 0;

    // True while the bar is on screen.
    virtual bool IsYogoBarVisible() const = 0;
    // The combo's text as typed (CP932), uncut; CAppState::GetYogoText trims and cuts it.
    virtual std::string GetYogoComboText() const = 0;
    // Whether the text holds characters CP932 cannot hold; when it does, their message is shown
    // and the combo takes the focus with its text selected. Asked before a typed text is stored.
    virtual bool RefuseYogoText() = 0;
    // When bits and the bar's shown flag meet: the whole text selected, the combo focused.
    virtual void FocusYogoCombo(int bits) = 0;
    // The text goes in, the combo takes the focus and the modified mark is cleared (the text
    // becomes the one the next key is compared with).
    virtual void SetYogoText(const std::string& text) = 0;
    // The colour of the selected entry; entry 6 ("その他") gives the custom colour of the bar's
    // kind.
    virtual COLORREF GetYogoColor() const = 0;
    virtual int GetYogoColorIndex() const = 0;
    // The modified mark: set when a key changed the text since the program last put it in.
    virtual void SetEditModify(bool modified) = 0;
    virtual bool IsEditModified() const = 0;
    // Enables or disables the term combo (the update handler of control 1664).
    virtual void SetYogoComboActive(bool active) = 0;
    // The text (CP932) the next key is compared with: the one given, or the field's own.
    virtual void SetLastText(const std::string& text) = 0;
    virtual void SyncLastText() = 0;
    // The entries of the drop-down history (CP932), oldest first.
    virtual std::vector<std::string> GetYogoHistory() const = 0;
};

} // namespace tembra
