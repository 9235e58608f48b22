#pragma once

// Key codes and mouse state flags the window layer hands to the view's input handlers.
// The values are the classic virtual-key and mouse-key numbers.

inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_PRIOR = 0x21; // Page Up
inline constexpr int VK_NEXT = 0x22;  // Page Down
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F2 = 0x71;
inline constexpr int VK_F5 = 0x74;
// Letters and digits use their upper-case ASCII code ('A' .. 'Z', '0' .. '9').

// Button and key state of a mouse event.
inline constexpr int MK_LBUTTON = 0x01;
inline constexpr int MK_RBUTTON = 0x02;
inline constexpr int MK_SHIFT = 0x04;
inline constexpr int MK_CONTROL = 0x08;
inline constexpr int MK_MBUTTON = 0x10;

// Request codes of the scroll handlers (the classic scroll bar codes).
inline constexpr int SB_LINEUP = 0; // one column left / one row up
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4; // the thumb was released at a position
inline constexpr int SB_THUMBTRACK = 5;    // the thumb is being dragged
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_ENDSCROLL = 8;
