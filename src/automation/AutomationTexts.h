// The texts the automation members read and write: processes and events as clients see them,
// and the print header's period and creation-date items.
#pragma once

#include "document/ObList.h"
#include "print/PrHeader.h"

#include <string>
#include <string_view>

namespace tembra {

class CDataHeader;
class CEvent;
class CKoutei;

// The record kinds clients walk (type word; both with sub-kind 1).
constexpr int kKoutei = 1;
constexpr int kEvent = 6;
bool IsRecordOf(const CDataHeader& record, int type);
int CountRecords(const ObList<CDataHeader>& list, int type);

// "start,startRow,end,endRow," (dates "%Y/%m/%d %H:%M:%S", rows signed) and the texts of the
// terms in their order joined by line feeds.
std::string FormatKoutei(const CKoutei& koutei);
// "start,startRow,text".
std::string FormatEvent(const CEvent& event);

// Kinds of the print header's free elements.
constexpr int kHeaderText = 0;
constexpr int kHeaderInput = 1;
constexpr int kHeaderPeriod = 2;
constexpr int kHeaderCreated = 3;
constexpr int kHeaderInputFixed = 4;
// The names clients give the period and the creation date.
constexpr std::string_view kPeriodItem = "_!KIKAN_DATA!_";
constexpr std::string_view kCreatedItem = "_!SAKUSEIBI_DATA!_";

// The period value "y,m,d,y,m,d" into the six texts of at most 4, 2, 2, 4, 2 and 2 characters.
// A value past 127 bytes is refused (false, texts untouched).
bool SplitPeriod(std::string_view value, CPrHeader::PeriodTexts& texts);
// The texts joined by ",".
template <class Texts> std::string JoinTexts(const Texts& texts) {
    std::string joined;
    for (const std::string& t : texts) {
        if (&t != &texts[0]) {
            joined += ',';
        }
        joined += t;
    }
    return joined;
}

} // namespace tembra
