#pragma once

#include "Archive.h"
#include "CellArray.h"
#include "CellSize.h"
#include "LineArray.h"
#include "TextImport.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Reading table files without any user interface: the callers (the document, the command-line
// tool) show the messages and ask the questions themselves.

// How a text file without a native signature is split when its name does not say CSV.
enum class TextFormat { Csv, Tab };

// True when the characters after the last "." of the file's name are "CSV" in any case.
bool HasCsvExtension(const std::string& path);

// The model a read fills: the caller's own objects, filled in place.
struct CTableModel {
    CCellArray& cells;
    CLineArray& hLines;
    CLineArray& vLines;
    CCellSize& sizes;
};

// The file cannot be opened or read, or a file of the current format ends early. What was read
// before stays in the model. what() is the report naming the file and the reason.
class CTableReadError : public std::runtime_error {
public:
    // verb: "open" or "read"; reason: English, e.g. "the file ends early".
    CTableReadError(const std::string& verb, const std::string& path, const std::string& reason);
    const std::string& Reason() const { return m_reason; }

private:
    std::string m_reason;
};

// What the table came from.
enum class TableSource {
    Native,     // the current format or the old signature
    OldRecords, // the old record format
    Text,       // a CSV or tab-separated text file
};

// What a read found besides the table.
struct CTableReadResult {
    TableSource source = TableSource::Native;
    // For the user, in the order they arise (UTF-8): notices, and the failure that ended a read.
    std::vector<std::string> messages;
    // A reader gave up part way (its message says so); what it read stays.
    bool failed = false;
    std::string reason; // English, when failed
    // The native reader fell back to the old record format or to a text import: the model was
    // emptied first, and the table is to be saved in the current format.
    bool fallback = false;
    // A text file was opened: saving must not write the native format over it.
    bool imported = false;
    // A text file whose name does not say CSV, and no text format given: nothing was imported.
    // Ask, then read again with the answer.
    bool needsTextFormat = false;
    // A UTF-8 text file held a character code page 932 cannot: nothing was stored, and the
    // caller keeps the table it had. The message (last in messages) names the place.
    bool refused = false;
    // What a text file was read as.
    TextEncoding encoding = TextEncoding::Cp932;
};

// The file as Open reads it: a name ending in CSV (any case) is imported as CSV, anything else
// goes through ReadNativeFile. The model holds an empty table.
// A text file's encoding is detected unless one is given (DetectTextEncoding).
CTableReadResult ReadTableFile(const std::string& path, std::optional<TextFormat> textFormat,
                               CTableModel model, std::optional<TextEncoding> encoding = {});

// The bytes of the whole file; raises CTableReadError when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

// The native reader on the whole file at path (ReadTableBytes).
CTableReadResult ReadNativeFile(const std::string& path, std::optional<TextFormat> textFormat,
                                CTableModel model, std::optional<TextEncoding> encoding = {});

// The native reader over the bytes of the file at path: the current format and the old
// signature are read into model; anything else falls back to the old record format, then to a
// text import of the same bytes (CSV for a CSV name, else textFormat). The file is not read
// again, so a FIFO or a device works as well as a file.
CTableReadResult ReadTableBytes(std::string_view bytes, const std::string& path,
                                std::optional<TextFormat> textFormat, CTableModel model,
                                std::optional<TextEncoding> encoding = {});

// A CSV or tab-separated text file into cells (which the caller emptied). A file that cannot be
// opened gives a failed result with its message; one that cannot be read raises
// CTableReadError.
CTableReadResult ImportTextFile(const std::string& path, TextSeparator separator, CCellArray& cells,
                                std::optional<TextEncoding> encoding = {});

// The text import over the bytes of a text file at path.
CTableReadResult ImportTextBytes(std::string_view bytes, const std::string& path,
                                 TextSeparator separator, CCellArray& cells,
                                 std::optional<TextEncoding> encoding = {});
