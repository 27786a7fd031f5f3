// What the start-up of the main program does for a clock reading, the settings and the command
// line: the date test, the OLE switches, the single-instance test, the splash and the recovery
// of auto-saved work. The application object follows the plan step by step.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"
#include "shell/core/CommandLineInfo.h"

#include <optional>

namespace tembra {

// "システム時間が異常です。\n今日の日付に合わせてください。"
constexpr UINT IDS_BAD_SYSTEM_DATE = 5116;
// How long the splash stays at least, from the moment it is shown.
constexpr int kSplashMilliseconds = 3000;

struct StartupPlan {
    // The date test failed: the user is warned once (5116) and the program starts all the same.
    bool warnDate = false;
    // The program ends at once with this status (after its own message).
    std::optional<int> exitCode;
    // Started to serve OLE automation: auto-save is off for the run (-1 in memory only) and the
    // main window is shown; the single-instance test, the splash and the recovery are skipped.
    bool automation = false;
    // Another instance is asked first; this one ends when there is one.
    bool singleInstance = false;
    // The splash is shown (for a bare command line, unless the window starts minimised).
    bool splash = false;
    // Auto-saved work of an earlier run is offered for recovery.
    bool recovery = false;
};

// The date test: now (chart-zone local time) lies on a supported date (GetMinDate 00:00:00 ..
// GetMaxDate 23:59:59), and a default chart of kikan days started now ends inside the calendar
// (GetMaxDate minus kikan - 2 days lies after now).
bool IsStartDateValid(const CTime& now, long kikan);

StartupPlan PlanStartup(const CTime& now, long kikan, const CCommandLineInfo& command,
                        bool startMinimised);

} // namespace tembra
