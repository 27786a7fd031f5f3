#include "print/PrhMst03CheckList.h"

#include "model/Utility.h"
#include "platform/Sjis.h"

namespace tembra {

namespace {

// Document row r (0 to 30) is the list's row r + 1 of seven items each.
std::size_t Index(int row, int item) {
    return static_cast<std::size_t>((row + 1) * CPrhMst03CheckList::kColumns + item - 1);
}

std::string StoredDate(std::string date) {
    if (date.empty()) {
        return CPrhMst03CheckList::BlankDate();
    }
    if (date != CPrhMst03CheckList::BlankDate()) {
        TrimTrailingSpaces(date);
    }
    return date;
}

} // namespace

CPrhMst03CheckList::CPrhMst03CheckList(std::vector<std::string>& items)
    : m_items(items), m_restore(items) {}

void CPrhMst03CheckList::TakeRestoreCopy() {
    m_restore = m_items;
}

std::string CPrhMst03CheckList::ListLine(int row) const {
    return Item(row, 1) + Item(row, 2);
}

std::string CPrhMst03CheckList::Heading(int item) const {
    return m_items.at(static_cast<std::size_t>(item - 1));
}

PrhMst03CheckRow CPrhMst03CheckList::LoadRow(int row) const {
    PrhMst03CheckRow shown;
    shown.item2 = Item(row, 2);
    shown.item3 = Item(row, 3);
    shown.item4 = Item(row, 4);
    const std::string& submission = Item(row, 5);
    if (submission.empty()) {
        shown.submission = PrhMst03CheckRow::kNone;
    } else if (submission == Required()) {
        shown.submission = PrhMst03CheckRow::kRequired;
    } else {
        shown.submission = PrhMst03CheckRow::kNotRequired;
    }
    shown.date1 = Item(row, 6);
    shown.date2 = Item(row, 7);
    return shown;
}

void CPrhMst03CheckList::StoreRow(int row, const PrhMst03CheckRow& shown) {
    Item(row, 2) = shown.item2;
    Item(row, 3) = shown.item3;
    Item(row, 4) = shown.item4;
    if (shown.item2.empty() && shown.item3.empty() && shown.item4.empty()) {
        Item(row, 5).clear();
        Item(row, 6).clear();
        Item(row, 7).clear();
        return;
    }
    // No choice made counts as not required.
    Item(row, 5) = shown.submission == PrhMst03CheckRow::kRequired ? Required() : NotRequired();
    Item(row, 6) = StoredDate(shown.date1);
    Item(row, 7) = StoredDate(shown.date2);
}

PrhMst03CheckRow CPrhMst03CheckList::RestoreRow(int row) {
    for (int item = 2; item <= kColumns; ++item) {
        m_items.at(Index(row, item)) = m_restore.at(Index(row, item));
    }
    return LoadRow(row);
}

const std::string& CPrhMst03CheckList::Required() {
    static const std::string text = Sjis::FromUtf8("要");
    return text;
}

const std::string& CPrhMst03CheckList::NotRequired() {
    static const std::string text = Sjis::FromUtf8("不要");
    return text;
}

const std::string& CPrhMst03CheckList::BlankDate() {
    static const std::string text = Sjis::FromUtf8("    ・  ・  ");
    return text;
}

std::string& CPrhMst03CheckList::Item(int row, int item) {
    return m_items.at(Index(row, item));
}

const std::string& CPrhMst03CheckList::Item(int row, int item) const {
    return m_items.at(Index(row, item));
}

} // namespace tembra
