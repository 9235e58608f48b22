#pragma once

#include "Commands.h"
#include "FileDialog.h"
#include "FileTypeQuestion.h"
#include "MessageBox.h"
#include "MyDoc.h"
#include "SpanMap.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// How a text file without a native signature is split when the reader has to ask.
enum class TextFormat { Csv, Tab };

// "csv" or "tab" (the value of --text-format); no value for anything else.
std::optional<TextFormat> ParseTextFormat(std::string_view value);

// Message box of the tool: prints each message on one line of err ("brindle: " first,
// line breaks inside the message turned into spaces) and answers Ok or Yes.
class CConsoleMessageBox : public IMessageBox {
public:
    explicit CConsoleMessageBox(std::ostream& err) : m_err(err) {}
    MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons) override;

private:
    std::ostream& m_err;
};

// The tool never shows a file dialog: every request is cancelled.
class CNoFileDialog : public IFileDialog {
public:
    CFileDialogResult Run(const CFileDialogRequest&) override {
        return {CFileDialogResult::Cancel, {}};
    }
};

// Answers the CSV-or-tab question with a fixed choice (--text-format).
class CFixedFileTypeQuestion : public IFileTypeQuestion {
public:
    explicit CFixedFileTypeQuestion(TextFormat format) : m_format(format) {}
    bool AskCsv() override { return m_format == TextFormat::Csv; }

private:
    TextFormat m_format;
};

// A document wired to the console stand-ins, with the span map of its last normalisation.
struct CCliDocument {
    CCliDocument(std::ostream& err, TextFormat textFormat)
        : messageBox(err), fileType(textFormat), doc(messageBox, fileDialog, fileType) {}

    CConsoleMessageBox messageBox;
    CNoFileDialog fileDialog;
    CFixedFileTypeQuestion fileType;
    CMyDoc doc;
    CSpanMap spans;
};

// Reads path as the editor's Open does: a name ending in CSV (any case) is imported as CSV,
// anything else goes through the native reader with its fallback (which may ask CSV or tab:
// the document's text format answers). Then runs span normalisation into table.spans.
// Returns EXIT_OK, or EXIT_IO when the file could not be read; every message goes to err,
// one per line, and a failure ends with a line naming the file and the reason.
int LoadTableForCli(const std::string& path, CCliDocument& table, std::ostream& err);
