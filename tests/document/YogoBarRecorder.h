// A term bar that keeps what the document's operations tell it and answers with what a test set.
#pragma once

#include "document/YogoBarObserver.h"

#include <string>
#include <vector>

namespace tembra::test {

class YogoBarRecorder : public IYogoBarObserver {
public:
    void AddYogoHistory(const std::string& text) override { history.push_back(text); }
    void SetYogoColor(COLORREF color) override { colors.push_back(color); }

    bool IsYogoBarVisible() const override { return visible; }
    std::string GetYogoComboText() const override { return text; }
    bool RefuseYogoText() override {
        refusals += refuses ? 1 : 0;
        return refuses;
    }
    void FocusYogoCombo(int bits) override { focusBits.push_back(bits); }
    void SetYogoText(const std::string& newText) override {
        text = newText;
        modified = false;
        setTexts.push_back(newText);
    }
    COLORREF GetYogoColor() const override { return color; }
    int GetYogoColorIndex() const override { return colorIndex; }
    void SetEditModify(bool flag) override { modified = flag; }
    bool IsEditModified() const override { return modified; }
    void SetYogoComboActive(bool flag) override { active = flag; }
    void SetLastText(const std::string& newText) override { lastText = newText; }
    void SyncLastText() override { lastText = text; }
    std::vector<std::string> GetYogoHistory() const override { return history; }

    std::vector<std::string> history;
    std::vector<COLORREF> colors;
    std::vector<int> focusBits;
    std::vector<std::string> setTexts;
    bool visible = true;
    // The bar holds a text it refuses (asked refusals times).
    bool refuses = false;
    int refusals = 0;
    std::string text;
    std::string lastText;
    COLORREF color = 0;
    int colorIndex = 0;
    bool modified = false;
    bool active = true;
};

} // namespace tembra::test
