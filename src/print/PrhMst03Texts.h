// The texts of the ten pages of the plan sheet, one string per item of each page (CP932, line
// breaks as CR LF): filled from the print header's input areas named by six-digit codes and
// stored back into them. The layout decides which codes exist: nothing is added or removed,
// and an input area whose code names no page is left alone.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tembra {

class CPrHeader;

class CPrhMst03Texts {
public:
    CPrhMst03Texts();

    // The item's text; a page or item outside the table is ignored (empty for the getter).
    void SetField(int page, int item, const std::string& text);
    std::string StoreField(int page, int item) const;
    // The items of a page in item order (item n at n - 1); the check list answers from these.
    std::vector<std::string>& PageItems(int page);
    const std::vector<std::string>& PageItems(int page) const;

    // An edit paired with a step label is enabled only while that label holds a text.
    bool IsEditEnabled(int page, int item) const;

    // Every input area of kind 0 or 4 with a six-digit name of pages 1 to 10 gives its
    // contents, backslash-n turned into CR LF.
    void LoadFrom(const CPrHeader& header);
    // Each such input area gets its item's text back, CR LF turned into backslash-n (trailing
    // ones dropped).
    void StoreInto(CPrHeader& header) const;

private:
    std::array<std::vector<std::string>, 10> m_pages;
};

} // namespace tembra
