#include "document/AppContext.h"

#include "document/AppState.h"
#include "document/ForeignStreams.h"
#include "model/AppDrawSettings.h"
#include "model/ConfigBase.h"
#include "platform/FontCatalog.h"
#include "platform/Ui.h"
#include "render/DrawSettings.h"

namespace tembra {

AppContext InstallAppContext(AppContext context) {
    AppContext previous;
    previous.config = SetAppConfig(context.config);
    previous.state = SetAppState(context.state);
    previous.ui = SetUiServices(context.ui);
    previous.screenDC = SetScreenDCFactory(std::move(context.screenDC));
    previous.fonts = SetFontCatalog(context.fonts);
    previous.flipY = GetAppFlipY();
    SetAppFlipY(context.flipY);
    previous.foreignStreams = SetForeignStreams(context.foreignStreams);
    ApplyAppDrawSettings();
    return previous;
}

} // namespace tembra
