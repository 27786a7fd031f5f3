// A term bar that keeps what the document's operations tell it.
#pragma once

#include "document/YogoBarObserver.h"

#include <string>
#include <vector>

namespace tembra::test {

class YogoBarRecorder : public IYogoBarObserver {
public:
    void AddYogoHistory(const std::string& text) override { history.push_back(text); }
    void SetYogoColor(COLORREF color) override { colors.push_back(color); }

    std::vector<std::string> history;
    std::vector<COLORREF> colors;
};

} // namespace tembra::test
