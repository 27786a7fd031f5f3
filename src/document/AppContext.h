// The services the whole program shares: the application settings and state, the user interface,
// the screen device context, the installed fonts, the flipped-y option and the converters of the
// foreign streams. Each library reads its part through its own accessor (GetAppConfig,
// GetAppState, Ui, CreateScreenDC, FontCatalog, GetForeignStreams …); this is the one place that
// installs them all, so that the application object and a test fixture set up the same process in
// the same way. What belongs to one print job or one view (styled drawing on paper, colour
// matching) travels with its device context instead.
#pragma once

#include "platform/DC.h"

namespace tembra {

class CAppState;
class CConfigBase;
class IFontCatalog;
class IForeignStreams;
class IUiServices;

struct AppContext {
    // Null members stand for each library's own default (built-in settings, a state of the
    // program's own, silent user interface, no installed fonts); an empty factory for no screen.
    CConfigBase* config = nullptr;
    CAppState* state = nullptr;
    IUiServices* ui = nullptr;
    ScreenDCFactory screenDC;
    const IFontCatalog* fonts = nullptr;
    bool flipY = false;
    // The converters of the DOS and text data streams (none: the document refuses those files).
    IForeignStreams* foreignStreams = nullptr;
};

// Installs every service of the context and then the drawing values derived from its settings
// (dash scale, flipped y, "BlackBack", holiday shading); returns the context it replaced.
AppContext InstallAppContext(AppContext context);

// Installs a context for its lifetime and puts the previous one back.
class ScopedAppContext {
public:
    explicit ScopedAppContext(AppContext context)
        : m_previous(InstallAppContext(std::move(context))) {}
    ~ScopedAppContext() { InstallAppContext(std::move(m_previous)); }
    ScopedAppContext(const ScopedAppContext&) = delete;
    ScopedAppContext& operator=(const ScopedAppContext&) = delete;

private:
    AppContext m_previous;
};

} // namespace tembra
