// The dialogs the chart view's event and progress-line editing opens through the UI services:
// the two batch inputs of an event (dialog 245 "行事一括入力設定（日付指定）" and 246
// "行事一括入力設定（曜日指定）") and the question asked when a progress line is clicked in the
// edit operation (dialog 176 "進捗編集", with the attributes of one line, page 316). The tables
// go in as the program run left them and come back changed only on OK.
#pragma once

#include "document/EventBatchTables.h"
#include "model/ConfigShin.h"
#include "model/Shincyoku.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "platform/Ui.h"

#include <string>

namespace tembra {

class EventBatchDateRequest : public DialogRequest {
public:
    const char* Name() const override { return "EventBatchDate"; }
    std::string text; // the event text (CP932)
    EventBatchDateTable table;
    CTime start; // the first and the last displayed date of the chart
    CTime end;
};

class EventBatchWeekRequest : public DialogRequest {
public:
    const char* Name() const override { return "EventBatchWeek"; }
    std::string text;
    EventBatchWeekTable table;
    CTime start;
    CTime end;
};

// What the user did with a clicked progress line: erase it (10), draw (11: the view goes to the
// draw operation) or give it the attributes of page 316 (13, the values out, each group with
// its flag of whether it applies). Any other answer changes nothing.
class ProgressEditRequest : public DialogRequest {
public:
    enum : int { kErase = 10, kDraw = 11, kAttributes = 13 };

    const char* Name() const override { return "ProgressEdit"; }
    const CShincyoku* line = nullptr;
    // The chart's progress settings: the widths of the sample, the start of the reset and of
    // the font choice of a line without its own font (null: the program's defaults).
    const CConfigShin* settings = nullptr;
    int result = 0;
    bool applyLine = false;
    CShinLineAttr lineAttr;
    bool applyLabel = false;
    CShinLabelAttr labelAttr;
    bool applyFont = false;
    LOGFONT font{};
};

} // namespace tembra
