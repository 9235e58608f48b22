#include "MyDoc.h"

#include "FileDialog.h"
#include "FileIo.h"
#include "FileTypeQuestion.h"
#include "MessageBox.h"
#include "NativeFormat.h"
#include "TableReader.h"

#include <filesystem>

namespace {

const char* const kAskSave = "現在編集中のデータを保存しますか？";
const char* const kNoCsvSave = "CSV形式での保存は出来ません。";
const char* const kUntitled = "Untitled";

const CFileFilter kNativeFilter{"<Brindle>形式 (*.brd)", "*.brd"};
const CFileFilter kCsvFilter{"ｺﾝﾏ区切り<CSV>形式 (*.csv)", "*.csv"};
const CFileFilter kTextFilter{"ﾃｷｽﾄﾌｧｲﾙ (*.txt)", "*.txt"};
const CFileFilter kAllFilter{"All Files (*.*)", "*.*"};

bool IsUntitled(const std::string& path) {
    const std::string_view untitled = kUntitled;
    return path.size() >= untitled.size() &&
           std::string_view(path).substr(path.size() - untitled.size()) == untitled;
}

CReadResult FileError(const CTableReadError& e) {
    return {CReadResult::FileError, e.Reason(), e.what()};
}

} // namespace

CMyDoc::CMyDoc(IMessageBox& messageBox, IFileDialog& fileDialog, IFileTypeQuestion& fileType)
    : m_messageBox(messageBox), m_fileDialog(fileDialog), m_fileType(fileType) {}

void CMyDoc::SetModifiedFlag(bool modified) {
    const bool changed = m_modified != modified;
    m_modified = modified;
    ++(modified ? m_editCount : m_cleanCount);
    if (changed && onTitleChanged)
        onTitleChanged();
}

void CMyDoc::SetPathName(const std::string& path) {
    m_pathName = path;
    if (onTitleChanged)
        onTitleChanged();
}

std::string CMyDoc::GetTitle() const {
    if (m_pathName.empty())
        return kUntitled;
    const std::string name = std::filesystem::path(m_pathName).filename().string();
    return name.empty() ? m_pathName : name;
}

bool CMyDoc::IsNeverSaved() const {
    return m_pathName.empty() || IsUntitled(m_pathName);
}

void CMyDoc::UpdateAllViews() {
    if (onUpdateAllViews)
        onUpdateAllViews();
}

void CMyDoc::ReportFileError(const CReadResult& result) {
    m_messageBox.Show(result.message, MsgIcon::Exclamation, MsgButtons::Ok);
}

void CMyDoc::DeleteContents() {
    m_cells.DeleteAll();
    m_hLines.ClearAll();
    m_vLines.ClearAll();
    m_bSaveCancelled = false;
    m_bImported = false;
    SetModifiedFlag(false);
}

bool CMyDoc::OnNewDocument() {
    DeleteContents();
    SetPathName({});
    SetModifiedFlag(false);
    return true;
}

bool CMyDoc::AskToSaveChanges() {
    if (!IsModified())
        return true;
    const MsgAnswer answer = m_messageBox.Show(kAskSave, MsgIcon::None, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel)
        return false;
    if (answer == MsgAnswer::Yes) {
        OnFileSave();
        if (m_bSaveCancelled)
            return false;
    }
    return true;
}

void CMyDoc::OnFileNew() {
    if (!AskToSaveChanges())
        return;
    DeleteContents();
    SetPathName(kUntitled);
    m_sizes.ResetWidths();
    m_bContentsReplaced = true;
    UpdateAllViews();
}

void CMyDoc::TakeNewTable(CCellArray& cells, const CLineArray& hLines, const CLineArray& vLines) {
    DeleteContents();
    m_cells.Swap(cells);
    m_hLines = hLines;
    m_vLines = vLines;
    SetPathName(kUntitled);
    m_sizes.ResetWidths();
    SetModifiedFlag(true);
    m_bContentsReplaced = true;
    UpdateAllViews();
}

void CMyDoc::OnFileSave() {
    if (!m_pathName.empty() && !IsUntitled(m_pathName) && !m_bImported) {
        if (SaveToFile()) {
            SetModifiedFlag(false);
            m_bSaveCancelled = false;
        } else {
            m_bSaveCancelled = true; // nothing written: New and Open must not discard the table
        }
        return;
    }
    OnFileSaveAs();
}

void CMyDoc::OnFileSaveAs() {
    CFileDialogRequest request;
    request.kind = CFileDialogRequest::Save;
    request.filters = {kNativeFilter};
    request.defaultExt = "brd";
    request.pathMustExist = true;
    request.hideReadOnly = true;
    request.overwritePrompt = true;
    const CFileDialogResult result = m_fileDialog.Run(request);
    if (result.outcome != CFileDialogResult::Ok) {
        // A dialog that failed to show wrote nothing either.
        m_bSaveCancelled = true;
        return;
    }
    if (HasCsvExtension(result.path)) {
        m_messageBox.Show(kNoCsvSave, MsgIcon::None, MsgButtons::Ok);
        m_bSaveCancelled = true;
        return;
    }
    SetPathName(result.path);
    m_bSaveCancelled = false;
    m_bImported = false;
    if (SaveToFile())
        SetModifiedFlag(false);
    else
        m_bSaveCancelled = true;
}

void CMyDoc::OnFileOpen() {
    if (IsModified()) {
        if (m_messageBox.Show(kAskSave, MsgIcon::None, MsgButtons::YesNo) == MsgAnswer::Yes) {
            OnFileSave();
            if (m_bSaveCancelled)
                return;
        }
    }
    CFileDialogRequest request;
    request.kind = CFileDialogRequest::Open;
    request.filters = {kNativeFilter, kCsvFilter, kTextFilter, kAllFilter};
    request.defaultExt = "brd";
    request.fileMustExist = true;
    request.pathMustExist = true;
    request.hideReadOnly = true;
    const CFileDialogResult result = m_fileDialog.Run(request);
    if (result.outcome != CFileDialogResult::Ok)
        return;
    const CReadResult read = OpenFile(result.path);
    if (read.outcome == CReadResult::FileError)
        ReportFileError(read);
}

CReadResult CMyDoc::OpenFile(const std::string& path) {
    CKeptTable kept;
    KeepTable(kept);
    DeleteContents();
    SetPathName(path);
    m_read = {};
    if (HasCsvExtension(path)) {
        try {
            ImportCsv(true);
        } catch (const CTableReadError& e) {
            m_read = FileError(e);
            return m_read;
        }
        if (m_read.outcome != CReadResult::Refused)
            SetModifiedFlag(true);
    } else {
        LoadFromFile();
        if (m_read.outcome == CReadResult::FileError)
            return m_read;
    }
    if (m_read.outcome == CReadResult::Refused) {
        RestoreTable(kept);
        return m_read;
    }
    m_bContentsReplaced = true;
    UpdateAllViews();
    return m_read;
}

void CMyDoc::KeepTable(CKeptTable& kept) {
    kept.cells.Swap(m_cells);
    kept.hLines = m_hLines;
    kept.vLines = m_vLines;
    kept.sizes = m_sizes;
    kept.pathName = m_pathName;
    kept.modified = m_modified;
    kept.imported = m_bImported;
}

void CMyDoc::RestoreTable(CKeptTable& kept) {
    m_cells.Swap(kept.cells);
    m_hLines = kept.hLines;
    m_vLines = kept.vLines;
    m_sizes = kept.sizes;
    m_bImported = kept.imported;
    m_bMarkModified = false;
    SetPathName(kept.pathName);
    SetModifiedFlag(kept.modified);
}

CReadResult CMyDoc::LoadFromFile() {
    m_read = {};
    m_readingPath = m_pathName;
    try {
        ReadNative(m_readingPath);
    } catch (const CTableReadError& e) {
        m_read = FileError(e);
    }
    return m_read;
}

CReadResult CMyDoc::OpenUnsaved(std::string_view nativeBytes, const std::string& path,
                                bool imported) {
    DeleteContents();
    m_read = {};
    if (onFileAccess)
        onFileAccess();
    CArchiveReader ar{nativeBytes};
    try {
        if (ReadFraming(ar) != NativeFraming::Current)
            throw CArchiveException(CArchiveException::fileError, "not a table file");
        ReadNativeSections(ar, NativeFraming::Current, m_cells, m_hLines, m_vLines, m_sizes);
    } catch (const CArchiveException& e) {
        const bool early = e.GetCause() == CArchiveException::endOfFile;
        m_read = FileError(CTableReadError("read", path, early ? "the file ends early" : e.what()));
        DeleteContents();
        return m_read;
    }
    SetPathName(path);
    m_bImported = imported;
    SetModifiedFlag(true);
    m_bContentsReplaced = true;
    UpdateAllViews();
    return m_read;
}

bool CMyDoc::OnOpenDocument(const std::string& path) {
    m_read = {};
    m_readingPath = path;
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const CTableReadError& e) {
        m_read = FileError(e);
        ReportFileError(m_read);
        return false;
    }
    CKeptTable kept;
    KeepTable(kept);
    DeleteContents();
    SetModifiedFlag(true);
    if (!bytes.empty()) {
        try {
            SerializeFromBytes(bytes);
        } catch (const CTableReadError& e) {
            m_read = FileError(e);
            DeleteContents();
            ReportFileError(m_read);
            return false;
        }
    }
    if (m_read.outcome == CReadResult::Refused) {
        RestoreTable(kept);
        return false;
    }
    SetModifiedFlag(false);
    SetPathName(path);
    return true;
}

void CMyDoc::ReadNative(const std::string& path) {
    SerializeFromBytes(ReadFileBytes(path));
}

void CMyDoc::SerializeFromBytes(std::string_view bytes) {
    if (onFileAccess)
        onFileAccess();
    const CTableModel model{m_cells, m_hLines, m_vLines, m_sizes};
    CTableReadResult result = ReadTableBytes(bytes, m_readingPath, std::nullopt, model);
    if (!result.fallback)
        return;
    TakeFallback();
    if (result.source == TableSource::Text)
        SetPathName(m_readingPath);
    if (result.needsTextFormat) {
        const TextFormat format = m_fileType.AskCsv() ? TextFormat::Csv : TextFormat::Tab;
        result = ReadTableBytes(bytes, m_readingPath, format, model);
    }
    TakeReadResult(result);
}

void CMyDoc::TakeFallback() {
    m_bSaveCancelled = false;
    m_bImported = false;
    SetModifiedFlag(true);
    m_bMarkModified = true;
}

void CMyDoc::TakeReadResult(const CTableReadResult& result) {
    for (const std::string& message : result.messages)
        m_messageBox.Show(message, MsgIcon::Exclamation, MsgButtons::Ok);
    if (result.imported)
        m_bImported = true;
    if (result.refused)
        m_read = {CReadResult::Refused, result.reason, {}};
    else if (result.failed)
        m_read = {CReadResult::ReaderFailed, result.reason, {}};
}

void CMyDoc::ImportCsv(bool skipQuestion) {
    SetModifiedFlag(true);
    if (!skipQuestion && !m_fileType.AskCsv()) {
        ImportTabText();
        return;
    }
    ImportText(TextSeparator::Comma);
}

void CMyDoc::ImportTabText() {
    ImportText(TextSeparator::Tab);
}

void CMyDoc::ImportText(TextSeparator separator) {
    try {
        TakeReadResult(ImportTextFile(m_pathName, separator, m_cells));
    } catch (const CTableReadError&) {
        m_bImported = true; // opened, then not read
        throw;
    }
}

std::string CMyDoc::SerializeToBytes() const {
    if (onFileAccess)
        onFileAccess();
    return WriteNativeBytes(m_cells, m_hLines, m_vLines, m_sizes);
}

bool CMyDoc::WriteTo(const std::string& path) {
    const CFileIoResult result = ReplaceFileContent(path, SerializeToBytes());
    if (result.ok)
        return true;
    m_messageBox.Show("Cannot save the file \"" + path + "\": " + result.error + ".",
                      MsgIcon::Exclamation, MsgButtons::Ok);
    return false;
}

bool CMyDoc::SaveToFile() {
    return WriteTo(m_pathName);
}

bool CMyDoc::OnSaveDocument(const std::string& path) {
    if (!m_bImported) {
        if (!WriteTo(path))
            return false;
        SetModifiedFlag(false);
        return true;
    }
    OnFileSave();
    return !m_bSaveCancelled;
}

bool CMyDoc::SaveModified() {
    if (!IsModified())
        return true;
    const MsgAnswer answer = m_messageBox.Show("Save changes to " + GetTitle() + "?",
                                               MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel)
        return false;
    if (answer != MsgAnswer::Yes)
        return true;
    // An imported document always goes through Save As (OnSaveDocument sees m_bImported).
    if (m_bImported || IsWritableFile(m_pathName))
        return OnSaveDocument(m_pathName);
    CFileDialogRequest request;
    request.kind = CFileDialogRequest::Save;
    request.filters = {kNativeFilter};
    request.defaultExt = "brd";
    request.initialName = GetTitle();
    request.pathMustExist = true;
    request.hideReadOnly = true;
    request.overwritePrompt = true;
    const CFileDialogResult result = m_fileDialog.Run(request);
    if (result.outcome != CFileDialogResult::Ok)
        return false;
    if (!OnSaveDocument(result.path))
        return false;
    SetPathName(result.path);
    return true;
}
