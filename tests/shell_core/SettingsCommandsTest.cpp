// The settings menu's commands on the document: the initial settings and the switch of the day
// counting always run; the calendar only in calendar days and with its dialog.
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "shell/core/CommandRouter.h"
#include "shell/core/DocumentCommands.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

constexpr UINT kSyokiSet = 32948;
constexpr UINT kChangeNobeReki = 33008;
constexpr UINT kCalendar = 32778;

class SettingsCommandsTest : public ::testing::Test {
protected:
    SettingsCommandsTest() : m_previous(SetAppState(&m_state)) {}
    ~SettingsCommandsTest() override { SetAppState(m_previous); }

    std::vector<std::string> Dialogs() {
        std::vector<std::string> names;
        for (const auto& call : ui->Dialogs()) {
            names.push_back(call.name);
        }
        return names;
    }

    test::ScopedUi ui;
    CAppState m_state;
    CAppState* m_previous;
};

TEST_F(SettingsCommandsTest, EachCommandOpensTheDialogOfTheChartsCounting) {
    const struct {
        const char* what;
        short mode;
        UINT id;
        bool haveCalendarDialog;
        bool enabled;
        std::vector<std::string> dialogs;
    } cases[] = {
        {"settings, calendar days", 0, kSyokiSet, true, true, {"SyokiSetRekiDlg"}},
        {"settings, elapsed days", 1, kSyokiSet, true, true, {"SyokiSetNobeDlg"}},
        {"switch of an empty chart", 0, kChangeNobeReki, true, true, {"SyokiSetNobeDlg"}},
        {"calendar, calendar days", 0, kCalendar, true, true, {"CalendarSet"}},
        {"calendar, elapsed days", 1, kCalendar, true, false, {}},
        {"calendar without its dialog", 0, kCalendar, false, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui->ClearRecords();
        CTembraDoc doc;
        doc.GetSyokiSet().SetNobeMode(c.mode);
        const bool calendarDialog = c.haveCalendarDialog;
        CDocumentCommands commands(doc, [calendarDialog](const char* name) {
            return calendarDialog || std::string(name) != "CalendarSet";
        });
        CCommandRouter router([&] { return std::vector<ICommandTarget*>{&commands}; });
        EXPECT_EQ(router.Update(c.id).IsEnabled(), c.enabled);
        router.Execute(c.id);
        EXPECT_EQ(Dialogs(), c.dialogs);
    }
}

} // namespace
} // namespace tembra
