// The command numbers of the layout editor's menus, by the ids its resources give them. The
// framework's own commands (file, edit, print, exit, about) keep the framework's numbers.
#pragma once

#include "layout_editor/core/LayoutBase.h"

namespace marquell {

enum : UINT {
    // ---- Framework ------------------------------------------------------------------------
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616, // to ID_FILE_MRU_FILE1 + 3
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,

    // ---- Modes ----------------------------------------------------------------------------
    ID_MODE_TEXT = 32771,
    ID_MODE_INPUT = 32772,
    ID_MODE_LINE = 32773,
    ID_MODE_BOX = 32774,
    ID_MODE_EDIT = 32923,
    ID_MODE_COPY = 32780,
    ID_MODE_MOVE = 32781,
    ID_MODE_TRANSFORM = 40001,

    // ---- Attributes -----------------------------------------------------------------------
    ID_CENTER_VERTICAL = 32776,
    ID_CENTER_HORIZONTAL = 32777,
    ID_WIDTH_NORMAL = 40007,
    ID_WIDTH_THIN = 40008,
    ID_WIDTH_BOLD = 40009,

    // ---- Edit -----------------------------------------------------------------------------
    ID_DELETE = 32779,
    ID_DELETE_ALL = 32785,
    ID_SELECT_ALL = 40003,
    ID_CHANGE_TEXT = 40011,
    ID_CHANGE_INPUT_NAME = 40012,

    // ---- Settings -------------------------------------------------------------------------
    ID_SIZE_SET = 32775,
    ID_GRID_SET = 32788,
    ID_GRID_SNAP = 32778,
    ID_FORMAT_NAME = 40006,
    ID_BASE_INPUT_NAMES = 40010,
    ID_INIT_SET_STORED = 40004,
    ID_INIT_SET_RUNNING = 40014,

    // ---- View -----------------------------------------------------------------------------
    ID_ZOOM_IN = 32782,
    ID_ZOOM_RESET = 32783,
    ID_ZOOM_OUT = 32784,
    ID_AREA_HEADER = 33009,
    ID_AREA_FOOTER = 33010,
    ID_AREA_LEFT = 33011,
    ID_AREA_RIGHT = 33012,
    ID_DEFAULT_TEXT = 33014,
    ID_WHOLE_PAPER = 33015,
};

// The direct zoom commands "1.  25%" ... "8. 400%", by zoom index.
constexpr UINT kZoomCommands[] = {32999, 33002, 33003, 32996, 32997, 32998, 33000, 33001};

} // namespace marquell
