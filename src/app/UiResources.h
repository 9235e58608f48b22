#pragma once

#include <string>
#include <vector>

// The menus, toolbar, accelerators and command prompts of the main window, as data.
// Texts are UTF-8 with '&' before the mnemonic letter.

inline constexpr const char* kAppName = "Visual Brindle R1.5";
// Fixes the width of the cell position pane of the status bar.
inline constexpr const char* kCellIndicatorTemplate = "(999,999)-(999,999)";
inline constexpr const char* kIdleMessage = "Ready";

struct CMenuEntry {
    enum Kind { Command, Separator, Popup };
    Kind kind = Command;
    std::string text;
    int id = 0;
    std::vector<CMenuEntry> children; // Popup only
};

// The menu bar: one Popup entry per menu, in order.
const std::vector<CMenuEntry>& MainMenu();
// The items of the grid's context menu.
const std::vector<CMenuEntry>& ContextMenu();

// Toolbar buttons in order; 0 marks a separator.
const std::vector<int>& ToolbarButtons();

// Accelerator keys in Qt's portable key-sequence text ("Ctrl+C", "Shift+Del").
struct CAccelerator {
    std::string key;
    int id;
};
const std::vector<CAccelerator>& Accelerators();

// The status-bar prompt and the tooltip of a command; empty texts for an unknown id.
struct CCommandPrompt {
    std::string status;
    std::string tooltip;
};
CCommandPrompt CommandPrompt(int id);

// Every command id that appears in a menu, in menu order (submenus flattened).
std::vector<int> MenuCommandIds(const std::vector<CMenuEntry>& menu);
