#include "shell/core/StartupPlan.h"

namespace tembra {

bool IsStartDateValid(const CTime& now, long kikan) {
    if (now < CTime(1991, 1, 1, 0, 0, 0) || now > CTime(2020, 12, 31, 23, 59, 59)) {
        return false;
    }
    const CTime lastStart = CTime(2020, 12, 31) - CTimeSpan(kikan - 2, 0, 0, 0);
    return lastStart > now;
}

StartupPlan PlanStartup(const CTime& now, long kikan, const CCommandLineInfo& command,
                        bool startMinimised) {
    StartupPlan plan;
    plan.warnDate = !IsStartDateValid(now, kikan);
    if (command.m_bRunEmbedded) {
        // This platform embeds no chart in another program's document.
        plan.exitCode = 1;
        return plan;
    }
    if (command.m_bRunAutomated) {
        plan.automation = true;
        return plan;
    }
    plan.singleInstance = true;
    plan.splash = command.m_bEmpty && !startMinimised;
    plan.recovery = true;
    return plan;
}

} // namespace tembra
