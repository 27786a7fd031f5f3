// How CKoutei::MoveBy moves a process, combined with |.
#pragma once

namespace tembra {

enum class KouteiMoveFlags : unsigned {
    None = 0,
    // Only the selected nodes move, and nothing when the line is not selected.
    SelectedOnly = 0x1,
    // Dates move by plain time even with the document's "HolidayAuto" on.
    WithoutCalendar = 0x2,
    // A node moved alone gives the offset to or takes it from the spare days.
    AdjustSpare = 0x4,
};

constexpr KouteiMoveFlags operator|(KouteiMoveFlags a, KouteiMoveFlags b) {
    return static_cast<KouteiMoveFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// Whether flags holds flag.
constexpr bool Holds(KouteiMoveFlags flags, KouteiMoveFlags flag) {
    return (static_cast<unsigned>(flags) & static_cast<unsigned>(flag)) ==
           static_cast<unsigned>(flag);
}

// flag when on is set, else none: for a flag a caller carries as a setting of its own.
constexpr KouteiMoveFlags MoveFlagIf(int on, KouteiMoveFlags flag) {
    return on != 0 ? flag : KouteiMoveFlags::None;
}

} // namespace tembra
