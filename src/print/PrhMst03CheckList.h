// The document check list of the plan sheet: 224 texts in rows of seven, row 0 the column
// headings, rows 1 to 31 the documents (item 1 the row's label, items 2 to 4 the document, its
// addressee and copies, item 5 whether it must be submitted, items 6 and 7 two dates). The page
// edits one row at a time; a copy taken when the page is first shown restores a row.
#pragma once

#include <string>
#include <vector>

namespace tembra {

// What the page's controls show of one row.
struct PrhMst03CheckRow {
    enum Submission { kNone = 0, kRequired = 1, kNotRequired = 2 };

    std::string item2;
    std::string item3;
    std::string item4;
    int submission = kNone;
    std::string date1;
    std::string date2;

    bool operator==(const PrhMst03CheckRow&) const = default;
};

class CPrhMst03CheckList {
public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 31; // document rows, the list's lines 0 to 30

    // Works on the check list page's items (224 of them), which it neither owns nor resizes.
    explicit CPrhMst03CheckList(std::vector<std::string>& items);

    // The copy "取り消し" restores from; taken when the page is first shown.
    void TakeRestoreCopy();

    // The list's line of a document row (0 to 30): its item 1 followed by its item 2.
    std::string ListLine(int row) const;
    // Item n (1 to 7) of the heading row.
    std::string Heading(int item) const;

    PrhMst03CheckRow LoadRow(int row) const;
    // Rows of three empty edits store no submission and no dates; otherwise a date left empty
    // becomes the blank date, the blank date is kept as it is and any other date loses its
    // trailing blanks.
    void StoreRow(int row, const PrhMst03CheckRow& shown);
    // Items 2 to 7 of the row back from the restore copy; answers the restored row.
    PrhMst03CheckRow RestoreRow(int row);

    // "要", "不要" and the blank date "    ・  ・  ", CP932.
    static const std::string& Required();
    static const std::string& NotRequired();
    static const std::string& BlankDate();

private:
    std::string& Item(int row, int item);
    const std::string& Item(int row, int item) const;

    std::vector<std::string>& m_items;
    std::vector<std::string> m_restore;
};

} // namespace tembra
