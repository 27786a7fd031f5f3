// The installed fonts as the font lists and the default-font lookup see them, from Qt's font
// database by family (without the foundry Qt's list adds to some), whatever language the desktop
// names them in. Face names are CP932; families whose names CP932 cannot hold are left out. The
// Windows face names of the chart files ("ＭＳ 明朝", "ＭＳ ゴシック", their P variants and
// the English names) are found when the IPA font that stands in for them is installed, and
// keep their own name.
#pragma once

#include "platform/FontCatalog.h"

namespace tembra {

class CQtFontCatalog final : public IFontCatalog {
public:
    CQtFontCatalog();
    bool FindFace(std::string_view faceCp932, LOGFONT& out) const override;
    std::vector<std::string> FaceNames() const override;
};

} // namespace tembra
