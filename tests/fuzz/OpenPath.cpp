#include "fuzz/OpenPath.h"

#include "document/ForeignStreams.h"
#include "document/TembraDoc.h"
#include "exchange/ExchangeStreams.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>

namespace tembra::fuzz {
namespace {

namespace fs = std::filesystem;

// The silent answers of the program run without a user, counting the message boxes shown.
class CountingUi : public IUiServices {
public:
    int MessageBox(const std::string&, UINT type, UINT) override {
        ++boxes;
        return DefaultMessageBoxAnswer(type);
    }
    void SetStatusText(const std::string&) override {}
    void Beep(UINT) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void ModeChanged() override {}
    bool OpenUrl(const std::string&) override { return false; }
    int RunDialog(DialogRequest&) override { return IDCANCEL; }

    int boxes = 0;
};

// The services of the run for the life of the object: the counting answers and the converters of
// the foreign files, as the program installs them.
class Installed {
public:
    Installed() : m_ui(SetUiServices(&ui)), m_streams(SetForeignStreams(&ExchangeStreams())) {}
    ~Installed() {
        SetForeignStreams(m_streams);
        SetUiServices(m_ui);
    }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

    CountingUi ui;

private:
    IUiServices* m_ui;
    IForeignStreams* m_streams;
};

struct Closing {
    void operator()(CTembraDoc* document) const {
        document->OnCloseDocument();
        delete document;
    }
};
using Chart = std::unique_ptr<CTembraDoc, Closing>;

// The chart as File > Open leaves it (its name a chart's); null when the open refused the file.
Chart Open(const fs::path& path) {
    Chart document(new CTembraDoc);
    if (!document->OnOpenDocument(path.string())) {
        return nullptr;
    }
    document->SetPathName(path.string(), FALSE);
    return document;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

fs::path OpenPathFolder() {
    const fs::path folder = TempFolder() / "open";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    return folder;
}

void CheckOpenPath(const fs::path& file) {
    Installed installed;
    Chart first = Open(file);
    if (!first) {
        if (installed.ui.boxes == 0) {
            Fail("an open refused the file without a message");
        }
        return;
    }
    const fs::path folder = file.parent_path();
    const fs::path saved = folder / "saved.tbr";
    if (!first->DoSave(saved.string(), TRUE)) {
        // Only a chart whose dates span more than the file's calendar window may be refused.
        if (first->FitCalendarWindow(FALSE)) {
            Fail("a chart that opened does not save");
        }
        return;
    }
    const fs::path dos = folder / "saved.phd";
    const bool exported = CTembraDoc::GetStreamKind(file.string()) == CTembraDoc::StreamKind::Dos &&
                          first->DoSave(dos.string(), TRUE);
    first.reset();

    Chart second = Open(saved);
    if (!second) {
        Fail("a saved chart does not open again");
    }
    const fs::path again = folder / "again.tbr";
    if (!second->DoSave(again.string(), TRUE)) {
        Fail("a saved chart that opened again does not save");
    }
    second.reset();
    if (ReadAll(again) != ReadAll(saved)) {
        Fail("a saved chart opened and saved again gives other bytes");
    }
    if (exported && !Open(dos)) {
        Fail("a DOS document the export wrote does not open again");
    }
}

} // namespace tembra::fuzz
