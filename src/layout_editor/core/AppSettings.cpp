#include "layout_editor/core/AppSettings.h"

#include "model/ConfigKeys.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <utility>

namespace marquell {

namespace {

constexpr const char* kColorSection = "色指定";
constexpr const char* kColorKey = "InputAreaColor";
constexpr const char* kPathSection = "パス";
constexpr const char* kPathKey = "LayoutPath";

} // namespace

int ReadSetting(const SettingsKey& key, int fallback) {
    return static_cast<int>(
        tembra::GetProfileInt(tembra::Sjis::FromUtf8(key.sectionUtf8), key.key, fallback));
}

void WriteSetting(const SettingsKey& key, int value) {
    tembra::WriteProfileInt(tembra::Sjis::FromUtf8(key.sectionUtf8), key.key, value);
}

void CAppSettings::ReadProfile() {
    for (const auto& [field, key] :
         {std::pair{&editor.normalWidth, &kNormalWidthKey},
          std::pair{&editor.thinWidth, &kThinWidthKey},
          std::pair{&editor.boldWidth, &kBoldWidthKey}, std::pair{&insideFrame, &kWakunaiKey},
          std::pair{&multiple, &kHukusuKey}}) {
        *field = ReadSetting(*key, key->builtIn);
    }
    inputAreaColorText =
        tembra::GetProfileString(tembra::Sjis::FromUtf8(kColorSection), kColorKey, "0,0,128");
    COLORREF color = 0;
    if (!tembra::ScanProfileColor(inputAreaColorText, color)) {
        color = 0;
    }
    editor.inputAreaColor = color;
    const std::string folder =
        tembra::GetProfileString(tembra::Sjis::FromUtf8(kPathSection), kPathKey, "");
    layoutFolder = folder.empty() ? tembra::Paths::WritableDataDir()
                                  : std::filesystem::path(tembra::Sjis::ToUtf8(folder));
}

std::filesystem::path MakeProgramPath(const std::string& name, const std::string& extension) {
    return tembra::Paths::WritableDataDir() / (name + extension);
}

} // namespace marquell
