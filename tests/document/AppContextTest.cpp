// The one place that installs the program's shared services: every accessor answers from the
// installed context, the drawing values follow its settings, and the previous context comes back.
#include "document/AppContext.h"

#include "document/AppState.h"
#include "document/ForeignStreams.h"
#include "model/AppDrawSettings.h"
#include "model/ConfigBase.h"
#include "platform/FontCatalog.h"
#include "platform/RecordingDC.h"
#include "platform/Ui.h"
#include "render/DrawSettings.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace tembra {
namespace {

class OneFaceCatalog : public IFontCatalog {
public:
    bool FindFace(std::string_view face, LOGFONT& out) const override {
        if (face != "Face")
            return false;
        out.SetFaceName("Face");
        return true;
    }
    std::vector<std::string> FaceNames() const override { return {"Face"}; }
};

class NoStreams : public IForeignStreams {
public:
    BOOL LoadDosDocument(CTembraDoc&, CArchive&) override { return FALSE; }
    BOOL StoreDosDocument(CTembraDoc&, CArchive&) override { return FALSE; }
    BOOL LoadTextData(CTembraDoc&, CArchive&) override { return FALSE; }
};

TEST(AppContextTest, InstallsEveryServiceAndPutsThePreviousBack) {
    CConfigBase* defaultConfig = GetAppConfig();
    CAppState* defaultState = GetAppState();
    IUiServices* defaultUi = &Ui();
    const IFontCatalog* defaultFonts = &FontCatalog();
    const DrawSettings defaultDrawing = GetDrawSettings();

    CConfigBase config;
    config.Read(FALSE);
    config.SetSystemWord(CConfigBase::kSysBlackBack, 1);
    CAppState state;
    test::ScriptedUi ui;
    OneFaceCatalog fonts;
    NoStreams streams;
    int screens = 0;
    {
        AppContext context;
        context.config = &config;
        context.state = &state;
        context.ui = &ui;
        context.screenDC = [&screens] {
            ++screens;
            return std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen);
        };
        context.fonts = &fonts;
        context.flipY = true;
        context.foreignStreams = &streams;
        const ScopedAppContext installed(std::move(context));

        EXPECT_EQ(GetAppConfig(), &config);
        EXPECT_EQ(GetAppState(), &state);
        EXPECT_EQ(&Ui(), &ui);
        EXPECT_NE(CreateScreenDC(), nullptr);
        EXPECT_EQ(screens, 1);
        EXPECT_EQ(GetForeignStreams(), &streams);
        LOGFONT found;
        EXPECT_TRUE(FontCatalog().FindFace("Face", found));
        // The drawing values follow the installed settings and option.
        EXPECT_TRUE(GetAppFlipY());
        EXPECT_TRUE(GetDrawSettings().flipY);
        EXPECT_TRUE(GetDrawSettings().blackBack);
    }
    EXPECT_EQ(GetAppConfig(), defaultConfig);
    EXPECT_EQ(GetAppState(), defaultState);
    EXPECT_EQ(&Ui(), defaultUi);
    EXPECT_EQ(&FontCatalog(), defaultFonts);
    EXPECT_FALSE(GetAppFlipY());
    EXPECT_EQ(GetForeignStreams(), nullptr);
    EXPECT_EQ(GetDrawSettings().flipY, defaultDrawing.flipY);
    EXPECT_EQ(GetDrawSettings().blackBack, defaultDrawing.blackBack);
}

} // namespace
} // namespace tembra
