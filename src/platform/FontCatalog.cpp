#include "platform/FontCatalog.h"

#include "platform/Sjis.h"

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

std::vector<std::string> ListedFaceNames(const IFontCatalog& catalog) {
    std::vector<std::string> names;
    for (std::string& face : catalog.FaceNames()) {
        if (!face.empty() && face.front() != '@') {
            names.push_back(std::move(face));
        }
    }
    return names;
}

int FindListedFace(const std::vector<std::string>& names, std::string_view faceCp932) {
    if (faceCp932.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (Sjis::EqualsNoCase(names[i], faceCp932)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace tembra
