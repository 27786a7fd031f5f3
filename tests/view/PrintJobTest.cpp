// A print that cannot be written says so.
#include "ViewWindowFixture.h"
#include "platform/StringTable.h"
#include "view/TembraPrintDialog.h"

#include <QLineEdit>

#include <filesystem>
#include <unistd.h>

namespace tembra {
namespace {

namespace fs = std::filesystem;

class PrintJobTest : public test::ViewWindowFixture {};

// The targets a PDF cannot be written to (a root user writes into a read-only folder all the
// same, so that case only counts for another user).
struct Unwritable {
    const char* name;
    fs::path pdf;
};

std::vector<Unwritable> UnwritableTargets(const test::TempDir& files) {
    std::vector<Unwritable> targets = {
        {"a folder that is not there", files.File("gone") / "sample.pdf"},
        {"a folder where the file would be", files.File("taken.pdf")},
    };
    fs::create_directories(files.File("taken.pdf"));
    if (::geteuid() != 0) {
        fs::create_directories(files.File("read-only"));
        fs::permissions(files.File("read-only"), fs::perms::owner_read | fs::perms::owner_exec);
        targets.push_back({"a read-only folder", files.File("read-only") / "sample.pdf"});
    }
    return targets;
}

TEST_F(PrintJobTest, APrintThatCannotBeWrittenSaysWhy) {
    Show(QSize(800, 600));
    for (const Unwritable& target : UnwritableTargets(files)) {
        SCOPED_TRACE(target.name);
        const QString pdf = QString::fromStdString(target.pdf.string());
        // From the command line.
        ui.Get().ClearRecords();
        EXPECT_FALSE(Pane().PrintDirect("", target.pdf.string()));
        ASSERT_EQ(Messages(), std::vector<UINT>{61702u});
        const QString said = QString::fromStdString(MessageTexts()[0]);
        EXPECT_TRUE(said.startsWith(QString::fromStdString(LoadStringUtf8(61702)) + "\n"));
        EXPECT_TRUE(said.contains(pdf)) << "the file and the system's reason";
        EXPECT_FALSE(fs::is_regular_file(target.pdf));

        // From the print dialog.
        ui.Get().ClearRecords();
        app.printDialog = [&](IPrinterDialog& dialog, PrinterDevMode&) {
            static_cast<CTembraPrintDialog&>(dialog).SetOutputFile(pdf);
            return IDOK;
        };
        Pane().View().OnCommand(57607);
        EXPECT_EQ(Messages(), std::vector<UINT>{61702u});
    }
    // A file that can be written prints as before.
    ui.Get().ClearRecords();
    EXPECT_TRUE(Pane().PrintDirect("", files.File("sample.pdf").string()));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(fs::is_regular_file(files.File("sample.pdf")));
}

} // namespace
} // namespace tembra
