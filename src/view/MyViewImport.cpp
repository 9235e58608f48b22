// Import of LaTeX and HTML table source: a file's first table as a new document, or the
// clipboard's table pasted at the selection like the clipboard block.
#include "CellBlock.h"
#include "CellSize.h"
#include "Clipboard.h"
#include "ClipboardCommands.h"
#include "FileDialog.h"
#include "FileIo.h"
#include "Generator.h"
#include "MessageBox.h"
#include "MyDoc.h"
#include "MyView.h"
#include "Resource.h"
#include "TableImport.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

const CFileFilter kLatexFilter{"LaTeX (*.tex)", "*.tex"};
const CFileFilter kHtmlFilter{"HTML (*.html *.htm)", "*.html;*.htm"};
const CFileFilter kAllFilter{"All Files (*.*)", "*.*"};

std::string WarningsMessage(const std::string& intro, const std::vector<std::string>& warnings) {
    std::string text = intro;
    for (const std::string& w : warnings)
        text += "\n- " + w;
    return text;
}

// The options a source of target shows: the members that kind of source can carry. The
// caption and label texts only where the source has a caption or label, so the texts typed
// in the options sheet stay otherwise. Doc and ArrayDoc stay: they describe the file around
// the table, and a table imported from a document usually goes back into one after the
// keyword, where document lines of its own would break it.
void TakeSourceOptions(COptionsRecord& options, const COptionsRecord& found, int target) {
    if (target == TARGET_TABULAR) {
        options.Com = found.Com;
        options.Table = found.Table;
        options.LabelPos = found.LabelPos;
        options.Cap = found.Cap;
        if (found.Cap)
            options.CapStr = found.CapStr;
        options.Label = found.Label;
        if (found.Label)
            options.LabelStr = found.LabelStr;
    } else if (target == TARGET_ARRAY) {
        options.ArrayCom = found.ArrayCom;
        options.Kakko = found.Kakko;
        options.Math = found.Math;
    } else if (target == TARGET_HTML) {
        options.BorderHTML = found.BorderHTML;
    }
}

} // namespace

bool CMyView::OnImportCommand(int id) {
    switch (id) {
    case ID_FILE_IMPORT_TABLE:
        OnImportTable();
        return true;
    case ID_EDIT_PASTE_SOURCE:
        OnPasteTableSource();
        return true;
    default:
        return false;
    }
}

bool CMyView::OnUpdateImportCommand(int id, CCmdUI& ui) {
    switch (id) {
    case ID_FILE_IMPORT_TABLE:
        ui.enabled = m_importFiles && m_importMessages;
        return true;
    case ID_EDIT_PASTE_SOURCE:
        ui.enabled = m_clipboard && m_clipboard->HasText();
        return true;
    default:
        return false;
    }
}

void CMyView::OnImportTable() {
    EndInPlaceEditor();
    if (!m_importFiles || !m_importMessages)
        return;
    if (!m_doc.AskToSaveChanges())
        return;
    CFileDialogRequest request;
    request.kind = CFileDialogRequest::Open;
    request.title = "Import Table";
    request.filters = {kLatexFilter, kHtmlFilter, kAllFilter};
    request.fileMustExist = true;
    request.pathMustExist = true;
    request.hideReadOnly = true;
    const CFileDialogResult chosen = m_importFiles->Run(request);
    if (chosen.outcome != CFileDialogResult::Ok)
        return;
    const std::string& path = chosen.path;

    std::string bytes;
    if (const CFileIoResult read = ReadWholeFile(path, bytes); !read.ok) {
        m_importMessages->Show("Cannot read the file \"" + path + "\": " + read.error + ".",
                               MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    const TableSourceFormat format =
        TableSourceFormatFromName(path).value_or(GuessTableSourceFormat(bytes));
    std::unique_ptr<CImportedTable> table;
    CTableImportError error;
    try {
        table = ImportTableSource(bytes, format, error);
    } catch (const std::bad_alloc&) {
        m_importMessages->Show(kMsgClipboardNoMemory, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (!table) {
        m_importMessages->Show("No table was imported from \"" + path + "\":\n" + error.Describe() +
                                   "\nThe current table is unchanged.",
                               MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }

    m_doc.TakeNewTable(table->cells, table->hLines, table->vLines);
    TakeSourceOptions(m_generate.Options(), table->options, table->target);
    if (!table->warnings.empty())
        m_importMessages->Show(
            WarningsMessage("The table of \"" + path + "\" was imported with changes:",
                            table->warnings),
            MsgIcon::Exclamation, MsgButtons::Ok);
}

std::unique_ptr<CImportedTable> CMyView::ReadClipboardSource() {
    // A browser or a spreadsheet puts the table as HTML beside its text; an editor's HTML
    // flavour of LaTeX (coloured source) holds no table, so the text is read then.
    std::optional<std::string> html = m_clipboard->GetHtml();
    std::string bytes;
    TableSourceFormat format = TableSourceFormat::Html;
    TextEncoding encoding = TextEncoding::Utf8;
    const char* refusal = "The clipboard's HTML holds no table that can be pasted:\n";
    if (!html || GuessTableSourceFormat(*html) != TableSourceFormat::Html) {
        CClipboardText read = m_clipboard->GetText();
        if (read.status == CClipboardText::Unconvertible) {
            ShowClipboardMessage(UnconvertiblePasteMessage(read.character));
            return nullptr;
        }
        if (read.status == CClipboardText::Ok) {
            // The text ends at its first zero byte, as plain clipboard text does.
            read.text.resize(std::min(read.text.size(), read.text.find('\0')));
            bytes = std::move(read.text);
            format = GuessTableSourceFormat(bytes);
            encoding = TextEncoding::Cp932;
            refusal = "The clipboard's text holds no table that can be pasted:\n";
        } else if (html) {
            bytes = std::move(*html); // no text: the HTML says why it holds no table
        } else {
            return nullptr;
        }
    } else {
        bytes = std::move(*html);
    }

    CTableImportError error;
    std::unique_ptr<CImportedTable> table = ImportTableSource(bytes, format, error, encoding);
    if (!table) {
        std::string text = refusal;
        text += error.Describe();
        text += "\nNothing was pasted.";
        ShowClipboardMessage(text);
        return nullptr;
    }
    return table;
}

void CMyView::OnPasteTableSource() {
    EndInPlaceEditor();
    if (!m_clipboard)
        return;
    std::unique_ptr<CImportedTable> table;
    std::unique_ptr<CCellBlock> block;
    try {
        table = ReadClipboardSource();
        if (!table || table->columns < 1 || table->rows < 1)
            return;
        block = std::make_unique<CCellBlock>();
    } catch (const std::bad_alloc&) {
        ShowClipboardMessage(kMsgClipboardNoMemory);
        return;
    }
    // The table goes through a block of its own, like the clipboard block's paste.
    CCellSize sizes;
    block->Attach(table->cells, table->hLines, table->vLines, sizes);
    block->Save(1, 1, table->columns, table->rows);
    block->Attach(*m_cells, *m_hLines, *m_vLines, *m_sizes);
    PasteBlockAtSelection(*block);
    if (!table->warnings.empty())
        ShowClipboardMessage(
            WarningsMessage("The table was pasted with changes:", table->warnings));
}
