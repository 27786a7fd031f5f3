// The dialogs of the running program: the program registers only its own, each dialog library
// registers its own through its one registration function, called once at start-up, and every
// command that only opens a dialog either finds it registered by exactly one library or stays
// disabled.
#include "ShellFixture.h"

#include "dialogs/attributes/RegisterAttributeDialogs.h"
#include "dialogs/settings/RegisterSettingsDialogs.h"
#include "exchange/ui/RegisterExchangeDialogs.h"
#include "model/ui/RegisterModelDialogs.h"
#include "platform/qt/DialogRegistry.h"
#include "platform/qt/RegisterPlatformDialogs.h"
#include "print/ui/RegisterPrintDialogs.h"
#include "render/ui/RegisterRenderDialogs.h"
#include "safety/ui/RegisterSafetyDialogs.h"
#include "shell/core/OptionCommands.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tembra {
namespace {

// Takes down the names a registration function registers.
class RecordingRegistry : public IDialogRegistry {
public:
    void Register(const std::string& name, DialogHandler) override { names.push_back(name); }
    QWidget* DialogParent() const override { return nullptr; }
    std::vector<std::string> names;
};

struct DialogLibrary {
    const char* library;
    std::function<void(IDialogRegistry&, const CConfigBase&)> registerDialogs;
    std::vector<std::string> names; // what it registers
};

std::vector<DialogLibrary> DialogLibraries() {
    return {
        {"platform/qt",
         [](IDialogRegistry& r, const CConfigBase&) { RegisterPlatformDialogs(r); },
         {"Color"}},
        {"model/ui",
         [](IDialogRegistry& r, const CConfigBase&) { RegisterModelDialogs(r); },
         {"AutoSave", "SearchUrlSettings", "CalendarSet", "AutoAdjust", "SpecialHolidays", "Align",
          "DrawEditConditions", "DocDrawEditConditions", "ColorSettings"}},
        {"exchange/ui",
         [](IDialogRegistry& r, const CConfigBase&) { RegisterExchangeDialogs(r); },
         {"InsertSelect", "InsertConfirm", "QkrImportSelect", "HyperLink"}},
        {"dialogs/attributes",
         [](IDialogRegistry& r, const CConfigBase&) { RegisterAttributeDialogs(r); },
         {"CalDateToDayDlg", "DayToCalDateDlg", "FontSelDlg", "HensokuDlg", "HolidayInit",
          "KouteiAttributes", "KouteiAttr2Dlg", "KoumokuAttributes", "KoumokuAttr2Dlg",
          "KeisenSetDlg", "NodeSizeDlg", "LineDeleteDlg", "FillSetDlg", "InitialState",
          "ChartSettings", "PieceSettings",

          // layers, event attributes, durations, fonts, data information, batch events
          "LayerSetDlg", "LayerMove", "OutputLayer", "EventAttributes", "EventAttrBulkDlg",
          "ChangeDaysDlg", "ChangeDaysExDlg", "FontSettings", "DataInfo", "EventBatchDate",
          "EventBatchWeek"}},
        {"print/ui",
         [](IDialogRegistry& r, const CConfigBase& config) {
             RegisterPrintDialogs(r, config, [] { return std::vector<std::string>{}; });
         },
         {"LayoutSelect", "LayoutCopy", "PrhMst03Sheet"}},
        {"dialogs/settings",
         [](IDialogRegistry& r, const CConfigBase&) { RegisterSettingsDialogs(r); },
         {"ColumnDeleteDlg", "RoundRadiusChangeDlg", "RoundRadiusSetDlg", "GridSetDlg", "Position",
          "SystemSettings", "NafudaDlg", "FindReplaceDlg", "SyokiSetRekiDlg", "SyokiSetNobeDlg",
          "ShincyokuAttributes", "YogoAttributes", "ZukeiAttributes", "ProgressEdit",
          "YogoAttr2Dlg", "ZukeiAttrChangeDlg", "ZukeiAttrSetDlg"}},
        {"safety/ui",
         [](IDialogRegistry& r, const CConfigBase&) { RegisterSafetyDialogs(r); },
         {"DisasterFrameDlg", "WeekTargetFrameDlg", "DisasterTextDlg", "WeekTargetTextDlg",
          "ToubanCreateSelDlg", "ManeiToubanSheet", "DutyStaff"}},
        {"render/ui",
         [](IDialogRegistry& r, const CConfigBase&) { RegisterRenderDialogs(r); },
         {"AreaNameSheet"}},
    };
}

// The libraries whose registration function registers the name.
std::vector<std::string> RegisteredBy(const std::string& name, const CConfigBase& config) {
    std::vector<std::string> libraries;
    for (const DialogLibrary& library : DialogLibraries()) {
        RecordingRegistry registry;
        library.registerDialogs(registry, config);
        if (std::ranges::count(registry.names, name) != 0) {
            libraries.push_back(library.library);
        }
    }
    return libraries;
}

class DialogRegistrationTest : public test::ShellFixture {};

TEST_F(DialogRegistrationTest, EachLibraryRegistersItsOwnDialogsOnceAtStartUp) {
    ASSERT_FALSE(Start());
    const std::vector<std::string>& registered = app->QtUi().Registrations();
    std::vector<std::string> expected = {"SaveChanges", "SaveAs",     "FileDialog",
                                         "PopupMenu",   "PrintSheet", "FloatWndSettings"};
    expected.push_back("ToolBarSettings");
    for (const DialogLibrary& library : DialogLibraries()) {
        RecordingRegistry own;
        library.registerDialogs(own, app->Config());
        EXPECT_EQ(own.names, library.names) << library.library;
        for (const std::string& name : library.names) {
            EXPECT_EQ(std::ranges::count(registered, name), 1) << library.library << " " << name;
        }
        expected.insert(expected.end(), library.names.begin(), library.names.end());
    }
    std::vector<std::string> sorted = registered;
    std::ranges::sort(sorted);
    std::ranges::sort(expected);
    EXPECT_EQ(sorted, expected);
    // The dialogs open over the main window.
    EXPECT_EQ(app->QtUi().DialogParent(), static_cast<QWidget*>(app->MainFrame()));
}

TEST_F(DialogRegistrationTest, ADialogOnlyCommandHasItsDialogOrIsDisabled) {
    struct Case {
        UINT id;
        std::string dialog;
    };
    std::vector<Case> cases = {
        {32776, "SpecialHolidays"}, {40086, "ToolBarSettings"}, {40091, "LayoutCopy"},
        {33140, "DutyStaff"},       {40065, "AutoSave"},        {33064, "SearchUrlSettings"},
    };
    for (const OptionCommand& command : OptionCommands()) {
        cases.push_back({command.id, command.dialog});
    }
    // The program's own dialogs, without the scripted answers that stand for every dialog.
    CTembraApp::Options options;
    options.instanceFolder = paths.Dir().File("run").string();
    options.programFolder = paths.Dir().File("bin").string();
    CTembraApp bare(options);
    // The dialogs of the shell itself, which the program registers.
    const std::vector<std::string> programOwn = {"FloatWndSettings", "ToolBarSettings"};
    for (const Case& c : cases) {
        const std::vector<std::string> libraries = RegisteredBy(c.dialog, bare.Config());
        if (std::ranges::count(programOwn, c.dialog) != 0) {
            EXPECT_TRUE(libraries.empty()) << c.dialog;
            EXPECT_TRUE(bare.QtUi().HasDialog(c.dialog)) << c.dialog;
            EXPECT_TRUE(bare.Router().Update(c.id).IsEnabled()) << c.id << " " << c.dialog;
        } else if (libraries.empty()) {
            EXPECT_FALSE(bare.QtUi().HasDialog(c.dialog)) << c.dialog;
            EXPECT_FALSE(bare.Router().Update(c.id).IsEnabled()) << c.id << " " << c.dialog;
        } else {
            EXPECT_EQ(libraries.size(), 1u) << c.dialog;
            EXPECT_TRUE(bare.QtUi().HasDialog(c.dialog)) << c.dialog;
            EXPECT_TRUE(bare.Router().Update(c.id).IsEnabled()) << c.id << " " << c.dialog;
        }
    }
}

// A chart command that only opens its dialog is enabled once its library registered it: the
// column count and names of the item area.
TEST_F(DialogRegistrationTest, TheChartCommandsOfARegisteredDialogAreEnabled) {
    ASSERT_FALSE(Start());
    const std::filesystem::path sample = CopyOfSample(paths.Dir(), "sample.tbr");
    ASSERT_NE(app->OpenDocumentFile(sample.string()), nullptr);
    ASSERT_TRUE(app->QtUi().HasDialog("AreaNameSheet"));
    EXPECT_TRUE(app->Router().Update(40059).IsEnabled());
}

} // namespace
} // namespace tembra
