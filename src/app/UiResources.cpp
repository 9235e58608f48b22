#include "UiResources.h"

#include "Resource.h"

#include <map>

namespace {

CMenuEntry Cmd(const char* text, int id) {
    return {CMenuEntry::Command, text, id, {}};
}
CMenuEntry Sep() {
    return {CMenuEntry::Separator, {}, 0, {}};
}
CMenuEntry Pop(const char* text, std::vector<CMenuEntry> children) {
    return {CMenuEntry::Popup, text, 0, std::move(children)};
}

CMenuEntry CopyPlainMenu() {
    return Pop("Copy &Without Format",
               {Cmd("As &CSV", ID_COPY_PLAIN_CSV), Cmd("As &Text", ID_COPY_PLAIN_TEXT)});
}
CMenuEntry PastePlainMenu() {
    return Pop("Paste Without &Format",
               {Cmd("As &CSV", ID_PASTE_PLAIN_CSV), Cmd("As &Text", ID_PASTE_PLAIN_TEXT)});
}
CMenuEntry TextProcessingMenu() {
    return Pop("Te&xt Processing", {Cmd("To &Math", ID_TO_MATH), Cmd("To &Plain", ID_TO_PLAIN)});
}

} // namespace

const std::vector<CMenuEntry>& MainMenu() {
    static const std::vector<CMenuEntry> menu = {
        Pop("&File",
            {Cmd("&New", ID_FILE_NEW), Cmd("&Open...", ID_FILE_OPEN), Cmd("&Save", ID_FILE_SAVE),
             Cmd("Save &As...", ID_FILE_SAVE_AS), Sep(),
             Cmd("&Import Table...", ID_FILE_IMPORT_TABLE), Sep(), Cmd("E&xit", ID_APP_EXIT)}),
        Pop("&Edit",
            {Cmd("&Undo", ID_EDIT_UNDO), Cmd("Cu&t", ID_EDIT_CUT), Cmd("&Copy", ID_EDIT_COPY),
             Cmd("&Paste", ID_EDIT_PASTE), Cmd("C&lear", ID_EDIT_CLEAR), Sep(), CopyPlainMenu(),
             PastePlainMenu(), Cmd("Paste Table &Source", ID_EDIT_PASTE_SOURCE), Sep(),
             TextProcessingMenu()}),
        Pop("&View",
            {Cmd("&Toolbar", ID_VIEW_TOOLBAR), Cmd("&Status Bar", ID_VIEW_STATUS_BAR), Sep(),
             Cmd("&Grid", ID_VIEW_GRID), Cmd("&Rendered preview", ID_VIEW_RENDER_PREVIEW)}),
        Pop("&Text",
            {Cmd("Text &Input (F5)...", ID_CELL_INPUT),
             Pop("Text &Position", {Cmd("&Left", ID_ALIGN_LEFT), Cmd("&Center", ID_ALIGN_CENTER),
                                    Cmd("&Right", ID_ALIGN_RIGHT)})}),
        Pop("Li&nes",
            {Pop("&Single",
                 {Cmd("&Around", ID_LINE_SINGLE_FRAME), Cmd("&Top", ID_LINE_SINGLE_TOP),
                  Cmd("&Bottom", ID_LINE_SINGLE_BOTTOM), Cmd("&Left", ID_LINE_SINGLE_LEFT),
                  Cmd("&Right", ID_LINE_SINGLE_RIGHT)}),
             Pop("&Double",
                 {Cmd("&Around", ID_LINE_DOUBLE_FRAME), Cmd("&Top", ID_LINE_DOUBLE_TOP),
                  Cmd("&Bottom", ID_LINE_DOUBLE_BOTTOM), Cmd("&Left", ID_LINE_DOUBLE_LEFT),
                  Cmd("&Right", ID_LINE_DOUBLE_RIGHT)}),
             Cmd("&Grid", ID_LINE_GRID), Cmd("Te&mplate", ID_LINE_TEMPLATE), Sep(),
             Cmd("&Clear", ID_LINE_CLEAR), Sep(), Cmd("Line &Palette", ID_LINE_PALETTE)}),
        Pop("LaTeX(&L)",
            {Cmd("產生原始碼(&G)", ID_GENERATE), Cmd("產生原始碼之選項(&O)", ID_GENERATE_OPTIONS)}),
        Pop("&Options", {Cmd("Cell &Size...", ID_CELL_SIZE), Cmd("&Font...", ID_FONT), Sep(),
                         Cmd("&Automatic Row Height", ID_AUTO_HEIGHT),
                         Cmd("F&it Widths to Texts", ID_FIT_WIDTH),
                         Cmd("S&tandardize All Cells", ID_STANDARD_SIZE)}),
        Pop("&Help", {Cmd("&Index", ID_HELP_INDEX), Sep(), Cmd("&About VBrdR...", ID_APP_ABOUT)}),
    };
    return menu;
}

const std::vector<CMenuEntry>& ContextMenu() {
    static const std::vector<CMenuEntry> menu = {
        Cmd("Text &Input...", ID_CELL_INPUT),
        Cmd("&Generate...", ID_GENERATE),
        Sep(),
        Cmd("&Undo", ID_EDIT_UNDO),
        Cmd("Cu&t", ID_EDIT_CUT),
        Cmd("&Copy", ID_EDIT_COPY),
        Cmd("&Paste", ID_EDIT_PASTE),
        Cmd("C&lear", ID_EDIT_CLEAR),
        CopyPlainMenu(),
        PastePlainMenu(),
        Cmd("Paste Table &Source", ID_EDIT_PASTE_SOURCE),
        Sep(),
        Cmd("Line P&alette", ID_LINE_PALETTE),
        TextProcessingMenu(),
    };
    return menu;
}

const std::vector<int>& ToolbarButtons() {
    static const std::vector<int> buttons = {
        ID_FILE_NEW,
        ID_FILE_OPEN,
        ID_FILE_SAVE,
        0,
        ID_EDIT_CUT,
        ID_EDIT_COPY,
        ID_EDIT_PASTE,
        ID_EDIT_CLEAR,
        0,
        ID_EDIT_UNDO,
        0,
        ID_APP_ABOUT,
        0,
        ID_CELL_SIZE,
        ID_FONT,
        0,
        ID_ALIGN_LEFT,
        ID_ALIGN_CENTER,
        ID_ALIGN_RIGHT,
        0,
        ID_CELL_INPUT,
        ID_VIEW_GRID,
        ID_AUTO_HEIGHT,
        ID_FIT_WIDTH,
        0,
        ID_LINE_PALETTE,
        ID_GENERATE_OPTIONS,
        ID_GENERATE,
        0,
        ID_VIEW_RENDER_PREVIEW,
    };
    return buttons;
}

const std::vector<CAccelerator>& Accelerators() {
    static const std::vector<CAccelerator> keys = {
        {"Ctrl+C", ID_EDIT_COPY},   {"Ctrl+Ins", ID_EDIT_COPY},      {"Ctrl+X", ID_EDIT_CUT},
        {"Shift+Del", ID_EDIT_CUT}, {"Ctrl+V", ID_EDIT_PASTE},       {"Shift+Ins", ID_EDIT_PASTE},
        {"Ctrl+Z", ID_EDIT_UNDO},   {"Alt+Backspace", ID_EDIT_UNDO}, {"Ctrl+D", ID_EDIT_CLEAR},
        {"Ctrl+I", ID_CELL_INPUT},  {"Ctrl+N", ID_FILE_NEW},         {"Ctrl+O", ID_FILE_OPEN},
        {"Ctrl+S", ID_FILE_SAVE},   {"F1", ID_HELP_INDEX},           {"F6", ID_NEXT_PANE},
        {"Shift+F6", ID_PREV_PANE}, {"F7", ID_VIEW_RENDER_PREVIEW},
    };
    return keys;
}

CCommandPrompt CommandPrompt(int id) {
    static const std::map<int, CCommandPrompt> prompts = {
        {ID_FILE_NEW, {"Create a new table", "New"}},
        {ID_FILE_OPEN, {"Open a table, a CSV file or a text file", "Open"}},
        {ID_FILE_SAVE, {"Save the table", "Save"}},
        {ID_FILE_SAVE_AS, {"Save the table under a new name", "Save As"}},
        {ID_FILE_IMPORT_TABLE,
         {"Open the table of a LaTeX or HTML file as a new table", "Import table"}},
        {ID_APP_EXIT, {"Quit the program; asks to save changes", "Exit"}},
        {ID_EDIT_UNDO, {"Undo the last change", "Undo"}},
        {ID_EDIT_CUT, {"Cut the selection to the clipboard", "Cut"}},
        {ID_EDIT_COPY, {"Copy the selection to the clipboard", "Copy"}},
        {ID_EDIT_PASTE, {"Paste the clipboard at the cursor", "Paste"}},
        {ID_EDIT_CLEAR, {"Delete the cells of the selection", "Clear"}},
        {ID_COPY_PLAIN_CSV, {"Copy the texts of the selection as CSV", "Copy as CSV"}},
        {ID_COPY_PLAIN_TEXT,
         {"Copy the texts of the selection as tab-separated text", "Copy as text"}},
        {ID_PASTE_PLAIN_CSV, {"Paste CSV text from the clipboard", "Paste CSV"}},
        {ID_PASTE_PLAIN_TEXT, {"Paste tab-separated text from the clipboard", "Paste text"}},
        {ID_EDIT_PASTE_SOURCE,
         {"Paste the LaTeX or HTML table on the clipboard at the cursor", "Paste table source"}},
        {ID_TO_MATH, {"Put the texts of the selection in math mode", "To math"}},
        {ID_TO_PLAIN, {"Take the texts of the selection out of math mode", "To plain"}},
        {ID_VIEW_TOOLBAR, {"Show or hide the toolbar", "Toolbar"}},
        {ID_VIEW_STATUS_BAR, {"Show or hide the status bar", "Status bar"}},
        {ID_VIEW_GRID, {"Show or hide the grid lines", "Grid display"}},
        {ID_VIEW_RENDER_PREVIEW,
         {"Show or hide the table typeset by LaTeX or laid out as HTML", "Rendered preview"}},
        {ID_CELL_INPUT, {"Type the text of the selected cells", "Text input"}},
        {ID_ALIGN_LEFT, {"Place the texts at the left", "Left"}},
        {ID_ALIGN_CENTER, {"Place the texts in the centre", "Centre"}},
        {ID_ALIGN_RIGHT, {"Place the texts at the right", "Right"}},
        {ID_LINE_SINGLE_FRAME, {"Single line around the selection", "Single frame"}},
        {ID_LINE_SINGLE_TOP, {"Single line along the top", "Single top"}},
        {ID_LINE_SINGLE_BOTTOM, {"Single line along the bottom", "Single bottom"}},
        {ID_LINE_SINGLE_LEFT, {"Single line along the left side", "Single left"}},
        {ID_LINE_SINGLE_RIGHT, {"Single line along the right side", "Single right"}},
        {ID_LINE_DOUBLE_FRAME, {"Double line around the selection", "Double frame"}},
        {ID_LINE_DOUBLE_TOP, {"Double line along the top", "Double top"}},
        {ID_LINE_DOUBLE_BOTTOM, {"Double line along the bottom", "Double bottom"}},
        {ID_LINE_DOUBLE_LEFT, {"Double line along the left side", "Double left"}},
        {ID_LINE_DOUBLE_RIGHT, {"Double line along the right side", "Double right"}},
        {ID_LINE_GRID, {"Single lines on every edge of the selection", "Grid lines"}},
        {ID_LINE_TEMPLATE, {"Apply a line template to the selection", "Line template"}},
        {ID_LINE_CLEAR, {"Remove the lines of the selection", "Clear lines"}},
        {ID_LINE_PALETTE, {"Open the line palette", "Line palette"}},
        {ID_GENERATE, {"Generate LaTeX or HTML source for the selection", "Generate"}},
        {ID_GENERATE_OPTIONS, {"Set the options of the generated source", "Generation options"}},
        {ID_CELL_SIZE, {"Set column widths and the row height", "Cell size"}},
        {ID_FONT, {"Choose the display font", "Font"}},
        {ID_AUTO_HEIGHT, {"Follow the font with the row height", "Automatic row height"}},
        {ID_FIT_WIDTH, {"Fit the column widths to their texts", "Fit widths"}},
        {ID_STANDARD_SIZE, {"Give every cell the standard size", "Standard size"}},
        {ID_HELP_INDEX, {"List the keys and commands", "Help"}},
        {ID_APP_ABOUT, {"Show the program's version and contacts", "About"}},
    };
    const auto it = prompts.find(id);
    return it == prompts.end() ? CCommandPrompt{} : it->second;
}

std::vector<int> MenuCommandIds(const std::vector<CMenuEntry>& menu) {
    std::vector<int> ids;
    for (const CMenuEntry& e : menu) {
        if (e.kind == CMenuEntry::Command)
            ids.push_back(e.id);
        else if (e.kind == CMenuEntry::Popup)
            for (int id : MenuCommandIds(e.children))
                ids.push_back(id);
    }
    return ids;
}
