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

// The faces the font lists of both programs offer: the catalogue's in its order (the Windows
// faces first), without the vertical faces whose names begin with "@".
std::vector<std::string> ListedFaceNames(const IFontCatalog& catalog);
// The position of the face in a list: the entry of exactly that name, ASCII letters of either
// case alike ("Arial" is not "Arial Black"); -1 for none or an empty name.
int FindListedFace(const std::vector<std::string>& names, std::string_view faceCp932);

} // namespace tembra
