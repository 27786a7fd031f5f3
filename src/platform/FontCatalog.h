// The installed fonts, as the core asks about them. The Qt layer installs the real catalogue;
// core tests install a fake.
#pragma once

#include "platform/Types.h"

#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class IFontCatalog {
public:
    virtual ~IFontCatalog() = default;
    // When a scalable (TrueType-like) font of this CP932 face name is installed, fills out
    // with its full description (face, weight, character set, pitch and family) and answers
    // true.
    virtual bool FindFace(std::string_view faceCp932, LOGFONT& out) const = 0;
    // The CP932 face names of the installed fonts, for the font lists of the dialogs.
    virtual std::vector<std::string> FaceNames() const = 0;
};

// The catalogue in force: an empty one (no font found) until one is installed.
const IFontCatalog& FontCatalog();
// Installs a catalogue (nullptr restores the empty one); returns the previous one.
const IFontCatalog* SetFontCatalog(const IFontCatalog* catalog);

} // namespace tembra
