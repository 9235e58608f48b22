#pragma once

// Command numbers, control ids and private messages shared by the view, the app and the Qt layer.

// Framework commands.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_EDIT_CLEAR = 57632;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_INDEX = 57666;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// The program's own commands.
inline constexpr int ID_CELL_INPUT = 32771;
inline constexpr int ID_ALIGN_LEFT = 32772;
inline constexpr int ID_ALIGN_CENTER = 32773;
inline constexpr int ID_ALIGN_RIGHT = 32774;
inline constexpr int ID_SELECT_RANGE = 32775;
inline constexpr int ID_LINE_SINGLE_FRAME = 32776;
inline constexpr int ID_LINE_DOUBLE_FRAME = 32777;
inline constexpr int ID_LINE_SINGLE_LEFT = 32778;
inline constexpr int ID_LINE_DOUBLE_LEFT = 32779;
inline constexpr int ID_LINE_SINGLE_RIGHT = 32780;
inline constexpr int ID_LINE_DOUBLE_RIGHT = 32781;
inline constexpr int ID_LINE_SINGLE_TOP = 32782;
inline constexpr int ID_LINE_DOUBLE_TOP = 32783;
inline constexpr int ID_LINE_SINGLE_BOTTOM = 32784;
inline constexpr int ID_LINE_DOUBLE_BOTTOM = 32785;
inline constexpr int ID_LINE_GRID = 32786;
inline constexpr int ID_LINE_CLEAR = 32787;
inline constexpr int ID_LINE_PALETTE = 32788;
inline constexpr int ID_LINE_TEMPLATE = 32789;
inline constexpr int ID_CELL_SIZE = 32790;
inline constexpr int ID_FONT = 32791;
inline constexpr int ID_AUTO_HEIGHT = 32792;
inline constexpr int ID_STANDARD_SIZE = 32793;
inline constexpr int ID_GENERATE = 32794;
inline constexpr int ID_GENERATE_OPTIONS = 32795;
inline constexpr int ID_FIT_WIDTH = 32796;
inline constexpr int ID_PASTE_PLAIN_CSV = 32800;
inline constexpr int ID_PASTE_PLAIN_TEXT = 32801;
inline constexpr int ID_COPY_PLAIN_CSV = 32802;
inline constexpr int ID_COPY_PLAIN_TEXT = 32803;
inline constexpr int ID_TO_MATH = 32805;
inline constexpr int ID_TO_PLAIN = 32807;
inline constexpr int ID_VIEW_GRID = 32808;
inline constexpr int ID_FILE_IMPORT_TABLE = 32820;
inline constexpr int ID_EDIT_PASTE_SOURCE = 32821;
// The rendered preview panel beside the grid (the main window's own command).
inline constexpr int ID_VIEW_RENDER_PREVIEW = 32822;

// Status bar pane of the cursor cell.
inline constexpr int ID_INDICATOR_CELL = 123;

// Child controls of the view.
inline constexpr int IDC_CORNER = 102;
inline constexpr int IDC_COLUMN_HEADER = 103;
inline constexpr int IDC_ROW_HEADER = 104;
inline constexpr int IDC_HSCROLL = 105;
inline constexpr int IDC_VSCROLL = 106;
inline constexpr int IDC_INPLACE_EDIT = 107;

// Posted by header buttons and scroll bars while the left button is held over them.
inline constexpr int WM_HEADER_DRAG = 1124;
