#pragma once

#include "EditCommands.h"
#include "ModelTypes.h"

#include <string>
#include <string_view>
#include <vector>

class CCellArray;
class CCellBlock;
class CSpanMap;
enum class ClipboardWrite;
enum class TextSeparator;

// The model changes and text forms of cut, copy and paste. Like the other editing commands
// they change only the model; the view saves the undo region before and repaints after.

// Deletes the record of every span that covers a cell of rect (also where its origin lies
// outside rect); withLines also removes the four edges of every cell. True when a record or
// a line was removed. The span map must be current.
bool DeleteInRect(CEditModel model, const CCellRect& rect, bool withLines);

// True when a cell of rect, or a cell of the table right of or below one, lies inside a span
// without being its origin: deleting rect then changes more than rect's neighbourhood.
bool TouchesCoveredCell(const CSpanMap& spans, const CCellRect& rect);

// The rectangle block covers with its top-left cell at (tx, ty), cut at the table's edge.
CCellRect PasteTarget(const CCellBlock& block, int tx, int ty);
// What a paste of block at (tx, ty) changes: the span hull of the target rectangle and of
// the extent every pasted record covers there.
CCellRect PasteRegion(const CCellArray& cells, const CSpanMap& spans, const CCellBlock& block,
                      int tx, int ty);
// Pastes block, attached to the model it goes into, at (tx, ty): the texts and spans of the
// target rectangle go (its lines stay until the block's replace them), so does every span
// where a pasted span will reach, then the block's records and lines are copied; widths are
// not. The block itself is unchanged. The span map must be current; normalise afterwards.
void PasteBlock(CEditModel model, CCellBlock& block, int tx, int ty);

// The texts of rect as lines of fields, every line ending with CR LF. A record that is its
// own span's origin gives its text; covered cells and cells without a record give empty
// fields; nothing follows a line's last text. CSV encloses a text holding a comma or a double
// quote in double quotes and doubles its quotes; tab-separated text is written as it is.
std::string SelectionText(const CCellArray& cells, const CSpanMap& spans, const CCellRect& rect,
                          TextSeparator sep);

// Clipboard text read for pasting with its first field at (col, row).
struct CPlainField {
    int col = 0;
    int row = 0;
    std::string text;
    bool operator==(const CPlainField&) const = default;
};
struct CPlainPaste {
    CCellRect area;                  // the cells the text fills, cut at the table's edge
    std::vector<CPlainField> fields; // the fields with text, row by row, left to right
};

// Splits text (code page 932) into lines and fields. Lines end at CR, LF or CR LF, and no
// line follows the last line end; lines below row 250 are dropped.
// CSV: a double quote opens quoting anywhere in a field and is dropped; inside quotes a
// doubled quote is one quote, a comma is text, and any other quote closes (a quoted field
// never runs over a line end). Fields beyond column 250 are dropped. The area is as wide as
// the widest line's field count: every comma counts a field, the last field only with text.
// Tab-separated: no quoting. A text that holds a CR ends its lines at CR or CR LF only, so a
// lone LF there is part of its field (a line break inside a cell, as this program copies
// it); a text without any CR ends them at LF, as spreadsheets here write it. The area is one
// column wider than the line with the most Tabs.
// A field's text is cut to the 65535 bytes a cell holds, on a character boundary.
CPlainPaste ParsePlainText(std::string_view text, TextSeparator sep, int col, int row);

// Gives every cell of paste.area a default record with its field's text, or none; a span
// whose origin lies outside the area and that covers part of it is removed, so that every
// field shows. Lines and widths stay. The span map must be current; normalise afterwards.
void ApplyPlainPaste(CCellArray& cells, const CSpanMap& spans, const CPlainPaste& paste);

// Messages of the clipboard commands (UTF-8).
inline constexpr const char* kMsgClipboardNoMemory = "メモリの確保に失敗しました。";
inline constexpr const char* kMsgClipboardOpenFailed = "クリップボードを開けませんでした。";
inline constexpr const char* kMsgClipboardEmptyFailed = "クリップボードの初期化に失敗しました。";
inline constexpr const char* kMsgClipboardSetFailed = "クリップボードへのコピーに失敗しました。";
// The message of a failed write: one of the four above.
std::string ClipboardWriteMessage(ClipboardWrite result);
// A cell's text holds bytes that are no code page 932 character: it cannot leave as Unicode.
std::string UnreadableCellMessage(int col, int row);
// The clipboard's text holds a character (UTF-8) that a cell cannot hold.
std::string UnconvertiblePasteMessage(const std::string& character);
