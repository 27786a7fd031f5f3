// The program's command line: a print from it asks nobody (its messages are lines with their
// ids, its exit status says whether it printed), and a later start hands its command line to the
// running program, which opens or prints the file and answers; both in real processes too.
#include "ShellFixture.h"

#include "support/qt/WaitUntil.h"
#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <sys/stat.h>

namespace tembra {
namespace {

namespace fs = std::filesystem;

// The PDF printer, which takes every paper.
class PdfCatalog : public IPrinterCatalog {
public:
    std::vector<std::string> PrinterNames() const override { return {kPdfPrinterName}; }
    std::optional<std::string> DefaultPrinter() const override { return kPdfPrinterName; }
    std::optional<PrinterDevMode> DefaultDevMode(const std::string& printer) const override {
        if (printer != kPdfPrinterName) {
            return std::nullopt;
        }
        return PrinterDevMode{kPdfPrinterName, 9, "A4", PrinterDevMode::kPortrait};
    }
    std::vector<int> PaperSizes(const std::string&) const override { return {8, 9, 12, 66}; }
};

bool Has(const std::vector<std::string>& lines, const std::string& start) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

class CommandLineTest : public test::ShellFixture {
protected:
    CommandLineTest() {
        printers = &catalog;
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / "sample.tbr", files.File("sample.tbr"));
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / "sample.tbr", files.File("other.tbr"));
        // A folder where the PDF of "taken.tbr" would go.
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / "sample.tbr", files.File("taken.tbr"));
        fs::create_directories(files.File("taken.pdf"));
    }
    // The program in a process of its own: offscreen, with the test's folders.
    QProcessEnvironment Environment(const std::string& now = "2000-05-01") const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TEMBRA_NOW", QString::fromStdString(now));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
        env.insert("XDG_CONFIG_HOME",
                   QString::fromStdString(paths.Dir().File("child-config").string()));
        env.insert("XDG_DATA_HOME",
                   QString::fromStdString(paths.Dir().File("child-data").string()));
        env.insert("XDG_CACHE_HOME",
                   QString::fromStdString(paths.Dir().File("child-cache").string()));
        return env;
    }
    struct Run {
        int exitCode = -1;
        QString errors;
    };
    // Runs the program to its end (a box that waited would not end it).
    Run RunProgram(const QStringList& args, const QProcessEnvironment& env) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(files.Path().string()));
        process.start(QStringLiteral(TEMBRA_PROGRAM), args);
        EXPECT_TRUE(process.waitForStarted(10000));
        test::WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 60000);
        Run run;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "still running";
            return run;
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        run.exitCode = process.exitCode();
        run.errors = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    PdfCatalog catalog;
    test::TempDir files;
    // The runtime folder of the program's processes: where this one's lock and socket lie.
    const fs::path runtime = [this] {
        const fs::path folder = paths.Dir().File("run");
        fs::create_directories(folder);
        ::chmod(folder.c_str(), 0700);
        return folder;
    }();
};

TEST_F(CommandLineTest, APrintFromTheCommandLineAsksNobody) {
    struct Case {
        const char* name;
        CTime now;
        std::string chart;
        int exitCode;
        std::vector<std::string> lines; // the starts of lines written
    };
    const std::vector<Case> cases = {
        {"a clock outside the calendar",
         CTime(1990, 6, 1),
         "sample.tbr",
         0,
         {"5116: システム時間が異常です。 今日の日付に合わせてください。"}},
        {"a PDF that cannot be written",
         CTime(2000, 5, 1),
         "taken.tbr",
         1,
         {"61702: 印刷を開始できませんでした。 " + files.File("taken.pdf").string() + ": "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clock.Set(c.now);
        commandLine.clear();
        ui.ClearRecords();
        EXPECT_EQ(Start({"/p", files.File(c.chart).string()}), std::optional<int>(c.exitCode));
        EXPECT_TRUE(ui.MessageBoxes().empty()) << "no box";
        for (const std::string& line : c.lines) {
            EXPECT_TRUE(Has(commandLine, line)) << ::testing::PrintToString(commandLine);
        }
    }
}

TEST_F(CommandLineTest, TheProgramPrintsFromItsCommandLineWithoutABoxAndSaysHowItWent) {
    const QString taken = QString::fromStdString(files.File("taken.tbr").string());
    const Run failed = RunProgram({"/p", taken}, Environment("1990-06-01"));
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.errors.contains("tembra: 5116: ")) << failed.errors.toStdString();
    EXPECT_TRUE(failed.errors.contains("tembra: 61702: ")) << failed.errors.toStdString();

    const Run printed = RunProgram({"/p", "sample.tbr"}, Environment("1990-06-01"));
    EXPECT_EQ(printed.exitCode, 0) << printed.errors.toStdString();
    EXPECT_TRUE(fs::is_regular_file(files.File("sample.pdf")));
}

TEST_F(CommandLineTest, ALaterStartHandsItsCommandLineToTheRunningProgram) {
    // The running program: this process, its lock and socket in the later start's runtime
    // folder.
    ASSERT_EQ(MakeApp().InitInstance({"-dde"}), std::nullopt);
    const std::size_t before = app->Documents().size();
    const auto open = [&](const fs::path& chart) {
        for (CTembraDoc* document : app->Documents()) {
            if (document->GetPathName() == chart.string()) {
                return true;
            }
        }
        return false;
    };
    struct Case {
        const char* name;
        QStringList args;
        int exitCode;
        const char* error; // a line the later start writes, or none
    };
    const std::vector<Case> cases = {
        {"a file, named from the later start's folder", {"other.tbr"}, 0, nullptr},
        {"a print of a chart open here", {"/p", "other.tbr"}, 0, nullptr},
        {"a print that cannot be written", {"/p", "taken.tbr"}, 1, "tembra: 61702: "},
        {"nothing", {}, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Run run = RunProgram(c.args, Environment());
        EXPECT_EQ(run.exitCode, c.exitCode) << run.errors.toStdString();
        if (c.error != nullptr) {
            EXPECT_TRUE(run.errors.contains(c.error)) << run.errors.toStdString();
        }
    }
    EXPECT_TRUE(open(files.File("other.tbr"))) << "opened, and still open after its print";
    EXPECT_TRUE(fs::is_regular_file(files.File("other.pdf")));
    EXPECT_FALSE(open(files.File("taken.tbr"))) << "closed after its print";
    EXPECT_EQ(app->Documents().size(), before + 1);
    EXPECT_TRUE(ui.MessageBoxes().empty()) << "the print's message went to the later start";
}

TEST_F(CommandLineTest, ARuntimeFolderOthersMayWriteInIsRefusedAndThePrintGoesOn) {
    QProcessEnvironment env = Environment();
    env.remove("XDG_RUNTIME_DIR");
    const fs::path shared = paths.Dir().File("child-cache") / "tembra-run";
    fs::create_directories(shared);
    ::chmod(shared.c_str(), 0777);
    const Run run = RunProgram({"/p", "sample.tbr"}, env);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QString::fromStdString(shared.string())))
        << run.errors.toStdString();
    EXPECT_TRUE(fs::is_regular_file(files.File("sample.pdf")));
    EXPECT_FALSE(fs::exists(shared / "tembra.lock")) << "nothing of the program's in it";
}

} // namespace
} // namespace tembra
