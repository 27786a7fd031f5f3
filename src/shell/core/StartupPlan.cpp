#include "shell/core/StartupPlan.h"

#include "model/Utility.h"

namespace tembra {

bool IsStartDateValid(const CTime& now, long kikan) {
    if (now < GetMinDate() || now >= GetMaxDate() + CTimeSpan(1, 0, 0, 0)) {
        return false;
    }
    const CTime lastStart = GetMaxDate() - CTimeSpan(kikan - 2, 0, 0, 0);
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
