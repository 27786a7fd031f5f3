// What the layout editor's application holds for its view and elements: the three line widths
// and the input-area colour (CEditorSettings), the selection rules, the folder in which layout
// files are looked for, and a copy of the open layout's temporary-edit state. The values come
// from the user profile at start-up and are never written back by the application (the
// initial-settings dialog writes them for the next start).
#pragma once

#include "layout_editor/core/EditorSettings.h"

#include <filesystem>
#include <string>

namespace marquell {

// An integer value of the user profile that the editor's settings keep: its section (given in
// UTF-8, stored in CP932), its key and the value of a first start.
struct SettingsKey {
    const char* sectionUtf8;
    const char* key;
    int builtIn;
};
inline constexpr SettingsKey kNormalWidthKey{"線の太さ", "NormalWidth", 3};
inline constexpr SettingsKey kThinWidthKey{"線の太さ", "ThinWidth", 1};
inline constexpr SettingsKey kBoldWidthKey{"線の太さ", "BoldWidth", 6};
inline constexpr SettingsKey kWakunaiKey{"枠内指定", "Wakunai", 0};
inline constexpr SettingsKey kHukusuKey{"複数選択指定", "Hukusu", 0};

// The value, or the fallback when the profile has none.
int ReadSetting(const SettingsKey& key, int fallback);
void WriteSetting(const SettingsKey& key, int value);

class CAppSettings {
public:
    CEditorSettings editor;
    // "Wakunai": 0 while a rubber band selects only what lies wholly inside it (with SHIFT up).
    int insideFrame = 0;
    // "Hukusu": 1 while every click adds to the selection (with CTRL up).
    int multiple = 0;
    // The input-area colour as the profile holds it ("%d,%d,%d").
    std::string inputAreaColorText = "0,0,128";
    // Where layout files are looked for: the profile's "LayoutPath", else the program folder.
    std::filesystem::path layoutFolder;
    // The open layout's "MasterFlag", or -1 while it is the main program's temporary copy; the
    // view refreshes it whenever it updates its command states.
    int temporaryEdit = 0;

    // Reads the profile's values (defaults for what it lacks); a colour text that does not give
    // three numbers is black, and an empty "LayoutPath" is the program folder.
    void ReadProfile();
    // The thin width for kind 1, the bold width for kind 2, the normal width for any other.
    int GetLineWidth(int kind) const { return editor.GetLineWidth(kind); }
};

// The program folder (Tembra's writable data folder) joined with name and extension: where the
// editor keeps "~BackUp.lyt" and finds its standard layout.
std::filesystem::path MakeProgramPath(const std::string& name, const std::string& extension);

} // namespace marquell
