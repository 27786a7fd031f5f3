// The tool-bar button sets: which buttons each of the seven tool bars shows, in which order. Sets
// 1 to 6 ("ToolBar", "KoumokuBar", "YogoBar", "EventBar", "KouteiBar", "ZukeiBar") are the user's
// and live in the profile section "ToolBarSettings" as "count,n1,n2,..."; set 7 (the chart bar) is
// built in only. An entry n of 1 or more names entry n of the set's command table (its command
// and its image n - 1); an entry below 1 is a separator. Three command-table values are not
// commands but the places of the frames' combo boxes.
#pragma once

#include "platform/Types.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// Command-table values that stand for combo boxes, and the ids the combos get in the bars.
enum : UINT {
    kLayerComboPlace = 59639, // "レイヤーコンボ" (set 1)
    kYogoComboPlace = 59637,  // "用語コンボ" (sets 2 to 4)
    kColorComboPlace = 59638, // "色コンボ" (sets 2 to 5)
    kLayerComboId = 1665,
    kYogoComboId = 1664,
    kYogoColorComboId = 1663,
    kKouteiColorComboId = 1662,
};

// One entry of a set's command table: the command it sends and its name (a string-table id from
// 6003 up; the chart bar's names are not in the table and come as text).
struct ToolBarCommand {
    UINT id;
    UINT nameId;
    const char* name; // UTF-8
};

// One item of a laid-out bar.
struct ToolBarItem {
    enum Kind { Button, Separator };
    Kind kind = Separator;
    UINT id = 0;    // a button's command; a separator's id (0, or the combo id placed on it)
    int image = -1; // a button's image in the set's bitmap
    int width = 0;  // a separator's width in pixels
    bool operator==(const ToolBarItem&) const = default;
};

class CToolBarSets {
public:
    static constexpr int kSetCount = 7;
    static constexpr int kStoredSetCount = 6;
    static constexpr const char* kSection = "ToolBarSettings";
    // The lengths of the reset presets of the customisation dialog.
    enum Preset { kPresetShort, kPresetMedium, kPresetLong };

    // Every set starts as its built-in array.
    CToolBarSets();

    // ---- The fixed tables (set 1 to 7) ----------------------------------------------------------
    // The profile key of a stored set ("" for set 7).
    static const char* Key(int set);
    // The bitmap resource that holds the set's button images.
    static UINT Bitmap(int set);
    static std::span<const ToolBarCommand> CommandTable(int set);
    // The name of entry n (1-based) of the set's table as UTF-8; "" outside the table.
    static std::string ButtonName(int set, int n);
    // The freedesktop icon name of a command that is a standard action of a desktop's icon
    // theme ("document-new" for ID_FILE_NEW ...), or null: the button then shows its drawn image.
    static const char* StandardIconName(UINT command);
    // The built-in set (the long preset for sets 1 to 6; the five chart commands for set 7).
    static std::vector<int> BuiltIn(int set);
    // The reset presets of sets 1 to 6.
    static std::vector<int> PresetArray(int set, Preset preset);
    // Fresh copies of the set's command ids and of its name string ids, in table order.
    static void CopyDefaultToolBarArray(int set, std::vector<int>* commands,
                                        std::vector<int>* nameIds);

    // ---- The current sets -----------------------------------------------------------------------
    // For every stored set whose bit is in mask (bit 0 set 1 ... bit 5 set 6): the profile
    // value, or the built-in set when the value is empty or yields no valid entry (see
    // ParseSetValue). With inPlace, set 1 is then thinned for in-place editing.
    void LoadToolBarSettings(UINT mask, BOOL inPlace);
    // Writes sets 1 to 6 as "count,n1,...". FALSE when a value could not be written.
    BOOL SaveToolBarSettings() const;
    // The entries of set 1 to 7 (without a count).
    const std::vector<int>& GetToolBarArray(int set) const;
    // Replaces set 1 to 6 by the entries given.
    void SetToolBarArray(int set, std::span<const int> entries);
    // Replaces sets 1 to 6 by a preset.
    void ApplyPreset(Preset preset);

    // The index in the set of the first entry whose command-table value is the placeholder, or
    // -1 (the layer combo in set 1; the term and colour combos in sets 2 to 5).
    int FindPlaceholder(int set, UINT placeholder) const;
    // The bar of the set: one item per entry (see SetToolBarButtons of the application). An
    // empty set gives an empty bar.
    std::vector<ToolBarItem> LayoutToolBar(int set) const;

    // ---- Rules (public for the tests) -----------------------------------------------------------
    // The entries of a profile value for a set: blanks and tabs before a number are skipped, a
    // number ends at a comma, a semicolon or the end, and reading stops at the first field that
    // is not a number. The first number is the count; of the numbers after it the first
    // min(count, given) are taken, those naming no entry of the command table are dropped and a
    // number below 1 is a separator (0). An empty result means the value gives nothing usable.
    static std::vector<int> ParseSetValue(int set, std::string_view value);
    // "count,n1,n2,...".
    static std::string FormatSetValue(std::span<const int> entries);
    // Set 1 for the in-place frame: entries 1 to 5 and 34 to 37 go, each with a separator that
    // directly follows it; an empty result becomes the single entry 6.
    static std::vector<int> ThinForInPlace(std::span<const int> entries);

private:
    std::array<std::vector<int>, kSetCount> m_sets;
};

} // namespace tembra
