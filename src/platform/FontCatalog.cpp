#include "platform/FontCatalog.h"

namespace tembra {

namespace {
class EmptyCatalog final : public IFontCatalog {
public:
    bool FindFace(std::string_view, LOGFONT&) const override { return false; }
    std::vector<std::string> FaceNames() const override { return {}; }
};
EmptyCatalog g_empty;
const IFontCatalog* g_catalog = &g_empty;
} // namespace

const IFontCatalog& FontCatalog() {
    return *g_catalog;
}

const IFontCatalog* SetFontCatalog(const IFontCatalog* catalog) {
    const IFontCatalog* previous = g_catalog == &g_empty ? nullptr : g_catalog;
    g_catalog = catalog ? catalog : &g_empty;
    return previous;
}

} // namespace tembra
