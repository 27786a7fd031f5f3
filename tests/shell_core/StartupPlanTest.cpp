// The start-up decisions for a clock reading, the period length and the command line.
#include "shell/core/StartupPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

CCommandLineInfo Parsed(const std::vector<std::string>& args) {
    CCommandLineInfo info;
    info.Parse(args);
    return info;
}

TEST(CommandLineInfoTest, ArgumentsAreReadAsTheFrameworkReadsThem) {
    using C = CCommandLineInfo;
    struct Case {
        std::vector<std::string> args;
        C::Shell shell;
        std::string file;
        bool embedded;
        bool automated;
    };
    const std::vector<Case> cases = {
        {{}, C::FileNew, "", false, false},
        {{"/home/user/a.tbr"}, C::FileOpen, "/home/user/a.tbr", false, false},
        {{"/p", "b.tbr"}, C::FilePrint, "b.tbr", false, false},
        {{"-P", "b.tbr"}, C::FilePrint, "b.tbr", false, false},
        {{"/pt", "b.tbr", "printer"}, C::FilePrintTo, "b.tbr", false, false},
        {{"/Embedding"}, C::FileNothing, "", true, false},
        {{"-embedding"}, C::FileNothing, "", true, false},
        {{"/Automation"}, C::FileNothing, "", false, true},
        {{"/dde"}, C::FileDDE, "", false, false},
        {{"/Unregister"}, C::AppUnregister, "", false, false},
        {{"/p"}, C::FilePrint, "", false, false},
        {{"/pdf"}, C::FileOpen, "/pdf", false, false}, // a path, not a switch
    };
    for (const Case& c : cases) {
        const C info = Parsed(c.args);
        const std::string label = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(info.m_nShellCommand, c.shell) << label;
        EXPECT_EQ(info.m_strFileName, c.file) << label;
        EXPECT_EQ(info.m_bRunEmbedded, c.embedded) << label;
        EXPECT_EQ(info.m_bRunAutomated, c.automated) << label;
        EXPECT_EQ(info.m_bEmpty, c.args.empty()) << label;
    }
    EXPECT_EQ(Parsed({"/pt", "b.tbr", "printer", "driver", "port"}).m_strPortName, "port");
}

TEST(StartupPlanTest, TheDateTestWarnsAndTheProgramRuns) {
    struct Case {
        CTime now;
        long kikan;
        bool valid;
    };
    const std::vector<Case> cases = {
        {CTime(2000, 5, 1), 40, true},
        {CTime(2020, 12, 20), 40, true}, // the calendar goes on after 2020
        {CTime(2026, 12, 10), 40, true},
        {CTime(2037, 12, 20), 40, false}, // a 40-day chart would pass 2037-12-31
        {CTime(2038, 1, 1), 40, false},   // after the calendar
        {CTime(1990, 12, 31, 23, 59, 59), 40, false},
        {CTime(1991, 1, 1), 40, true},
        {CTime(2037, 11, 22, 23, 59, 59), 40, true}, // 2037-12-31 less 38 days is 11-23 00:00
        {CTime(2037, 11, 23), 40, false},
        {CTime(2037, 12, 20), 10, true},
        {CTime(2037, 12, 31, 23, 59, 59), 1, true}, // the calendar's last second
        {CTime(2038, 1, 1), 1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsStartDateValid(c.now, c.kikan), c.valid) << c.now.Format("%Y-%m-%d %H:%M:%S");
        const StartupPlan plan = PlanStartup(c.now, c.kikan, Parsed({}), false);
        EXPECT_EQ(plan.warnDate, !c.valid);
        EXPECT_FALSE(plan.exitCode) << "the program starts whatever the date";
    }
}

TEST(StartupPlanTest, TheCommandLineDecidesTheStartSteps) {
    struct Case {
        std::vector<std::string> args;
        bool minimised;
        std::optional<int> exitCode;
        bool automation, singleInstance, splash, recovery;
    };
    const std::vector<Case> cases = {
        {{}, false, std::nullopt, false, true, true, true},
        {{}, true, std::nullopt, false, true, false, true},
        {{"a.tbr"}, false, std::nullopt, false, true, false, true},
        {{"/Embedding"}, false, 1, false, false, false, false},
        {{"/Automation"}, false, std::nullopt, true, false, false, false},
    };
    for (const Case& c : cases) {
        const StartupPlan plan = PlanStartup(CTime(2000, 5, 1), 40, Parsed(c.args), c.minimised);
        const std::string label = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(plan.exitCode, c.exitCode) << label;
        EXPECT_EQ(plan.automation, c.automation) << label;
        EXPECT_EQ(plan.singleInstance, c.singleInstance) << label;
        EXPECT_EQ(plan.splash, c.splash) << label;
        EXPECT_EQ(plan.recovery, c.recovery) << label;
    }
}

} // namespace
} // namespace tembra
