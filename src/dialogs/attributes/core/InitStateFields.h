// What the initial state dialog (167 "初期状態") shows of the application's settings: the mode,
// paper and layout of new charts, their period, rows and margins, the date-row labels, the
// elapsed-day items and the data folder, with its own copy of the chart settings part; and the
// paper and layout rules of the safety-plan form.
#pragma once

#include "model/ConfigChart.h"

#include <span>
#include <string>

namespace tembra {

class CConfigBase;

struct InitStateFields {
    int nobeMode = 0;
    // Combo position of the paper: 0 "Ａ４", 1 "Ｂ４", 2 "Ａ３"; -1 while a stored paper the
    // list lacks (A3 upright, A2, A1) is kept.
    int paper = 0;
    // The stored paper and orientation, written back while paper stays -1.
    int storedPaper = 0;
    int storedOrientation = 0;
    std::string layoutFileName; // CP932
    std::string layoutName;     // CP932, its "LayoutName"
    int kikan = 0;
    int lines = 0;
    int maeYohaku = 0;
    int atoYohaku = 0;
    int yearMode = 0;
    int monthMode = 0;
    int dayMode = 0;
    int weekMode = 0; // 0 "日本語", 1 "英語" (stored 2)
    int bigHolidays = 0;
    int jyunbiKikan = 0;
    int monthDays = 0;
    std::string dataPath; // CP932
    CConfigChart chart;
};

// A number field: its control, its range and its member.
struct InitStateNumberField {
    int id;
    int min;
    int max;
    int InitStateFields::*value;
};
// In the order 決定 checks them.
std::span<const InitStateNumberField> InitStateNumberFields();

inline constexpr int kPaperListCount = 3;
inline constexpr int kPaperA3Position = 2;

InitStateFields LoadInitState(const CConfigBase& settings);
// Writes every field back (the chart part replaced by the copy) and the paper: the chosen one
// with orientation 0, or the stored one as it was while the list is unselected.
void StoreInitState(const InitStateFields& fields, CConfigBase& settings);

// The safety-plan form (discernment flag 1) fits only "Ａ３": choosing it on another paper asks
// to switch the paper (5137), and choosing another paper under it asks to go back to the
// default layout (5141).
bool LayoutNeedsA3(int discernmentFlag, int paperPosition);
inline constexpr UINT IDS_LAYOUT_NEEDS_A3 = 5137;
inline constexpr UINT IDS_PAPER_NEEDS_STANDARD = 5141;

} // namespace tembra
