#include "MyDoc.h"

#include "FileDialog.h"
#include "FileIo.h"
#include "FileTypeQuestion.h"
#include "MessageBox.h"
#include "NativeFormat.h"
#include "TextImport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {

const char* const kAskSave = "現在編集中のデータを保存しますか？";
const char* const kNoCsvSave = "CSV形式での保存は出来ません。";
const char* const kOldFormat =
    "旧<Brindle>形式として認識しました。\n保存する時，自動的に新<Brindle>形式に変換されます。";
const char* const kOldFormatBroken =
    "読み込みに失敗しました!\nファイルが壊れている可能性があります！";
const char* const kFallbackFileError = "ファイルの読み込みに失敗しちゃいましたよーだ！";
const char* const kCannotOpenSuffix = "\n指定のファイルを開けません！";
const char* const kUntitled = "Untitled";

const CFileFilter kNativeFilter{"<Brindle>形式 (*.brd)", "*.brd"};
const CFileFilter kCsvFilter{"ｺﾝﾏ区切り<CSV>形式 (*.csv)", "*.csv"};
const CFileFilter kTextFilter{"ﾃｷｽﾄﾌｧｲﾙ (*.txt)", "*.txt"};
const CFileFilter kAllFilter{"All Files (*.*)", "*.*"};

// Whole-file read that tells a file that cannot be opened from one that cannot be read.
struct CFileRead {
    enum Stage { Ok, OpenFailed, ReadFailed };
    Stage stage = Ok;
    std::string reason;
};

CFileRead ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return {CFileRead::OpenFailed, std::strerror(EISDIR)};
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file)
        return {CFileRead::OpenFailed, std::strerror(errno)};
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer) {
            if (std::ferror(file.get()))
                return {CFileRead::ReadFailed, std::strerror(errno ? errno : EIO)};
            break;
        }
    }
    return {};
}

// The characters after the last "." of the file's name, in upper case; empty without one.
std::string UpperExtension(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    std::string ext = name.substr(dot + 1);
    for (char& ch : ext)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return ext;
}

bool IsUntitled(const std::string& path) {
    const std::string_view untitled = kUntitled;
    return path.size() >= untitled.size() &&
           std::string_view(path).substr(path.size() - untitled.size()) == untitled;
}

CReadResult FileError(const char* verb, const std::string& path, const std::string& reason) {
    return {CReadResult::FileError, reason,
            std::string("Cannot ") + verb + " the file \"" + path + "\": " + reason + "."};
}

std::string ArchiveReason(const CArchiveException& e) {
    return e.GetCause() == CArchiveException::endOfFile ? "the file ends early" : e.what();
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

void CMyDoc::OnFileNew() {
    if (IsModified()) {
        const MsgAnswer answer =
            m_messageBox.Show(kAskSave, MsgIcon::None, MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel)
            return;
        if (answer == MsgAnswer::Yes) {
            OnFileSave();
            if (m_bSaveCancelled)
                return;
        }
    }
    DeleteContents();
    SetPathName(kUntitled);
    m_sizes.ResetWidths();
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
    if (UpperExtension(result.path) == "CSV") {
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
    DeleteContents();
    SetPathName(path);
    m_read = {};
    if (UpperExtension(path) == "CSV") {
        try {
            ImportCsv(true);
        } catch (const CArchiveException& e) {
            m_read = FileError("read", path, ArchiveReason(e));
            return m_read;
        }
        SetModifiedFlag(true);
    } else {
        LoadFromFile();
        if (m_read.outcome == CReadResult::FileError)
            return m_read;
    }
    m_bContentsReplaced = true;
    UpdateAllViews();
    return m_read;
}

CReadResult CMyDoc::LoadFromFile() {
    m_read = {};
    m_readingPath = m_pathName;
    std::string bytes;
    const CFileRead file = ReadFileBytes(m_readingPath, bytes);
    if (file.stage != CFileRead::Ok) {
        m_read = FileError(file.stage == CFileRead::OpenFailed ? "open" : "read", m_readingPath,
                           file.reason);
        return m_read;
    }
    CArchiveReader ar{std::string_view(bytes)};
    try {
        SerializeFromBytes(ar);
    } catch (const CArchiveException& e) {
        m_read = FileError("read", m_readingPath, ArchiveReason(e));
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
        m_read = FileError("read", path, ArchiveReason(e));
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
    const CFileRead file = ReadFileBytes(path, bytes);
    if (file.stage != CFileRead::Ok) {
        m_read =
            FileError(file.stage == CFileRead::OpenFailed ? "open" : "read", path, file.reason);
        ReportFileError(m_read);
        return false;
    }
    DeleteContents();
    SetModifiedFlag(true);
    if (!bytes.empty()) {
        CArchiveReader ar{std::string_view(bytes)};
        try {
            SerializeFromBytes(ar);
        } catch (const CArchiveException& e) {
            m_read = FileError("read", path, ArchiveReason(e));
            DeleteContents();
            ReportFileError(m_read);
            return false;
        }
    }
    SetModifiedFlag(false);
    SetPathName(path);
    return true;
}

void CMyDoc::SerializeFromBytes(CArchiveReader& ar) {
    if (onFileAccess)
        onFileAccess();
    const NativeFraming framing = ReadFraming(ar);
    if (framing == NativeFraming::Foreign) {
        ReadFallback(ar);
        return;
    }
    ReadNativeSections(ar, framing, m_cells, m_hLines, m_vLines, m_sizes);
}

void CMyDoc::ReadFallback(CArchiveReader& ar) {
    DeleteContents();
    SetModifiedFlag(true);
    m_bMarkModified = true;
    try {
        if (ReadOldRecordMarker(ar)) {
            m_messageBox.Show(kOldFormat, MsgIcon::Exclamation, MsgButtons::Ok);
            try {
                ReadOldRecords(ar, m_cells, m_hLines, m_vLines);
            } catch (const CArchiveException& e) {
                if (e.GetCause() != CArchiveException::endOfFile)
                    throw;
                m_messageBox.Show(kOldFormatBroken, MsgIcon::Exclamation, MsgButtons::Ok);
                m_read = {
                    CReadResult::ReaderFailed, "the old-format file ends inside a record", {}};
            }
            return;
        }
        SetPathName(m_readingPath);
        ImportCsv(UpperExtension(m_readingPath) == "CSV");
        SetModifiedFlag(true);
    } catch (const CArchiveException& e) {
        m_messageBox.Show(kFallbackFileError, MsgIcon::Exclamation, MsgButtons::Ok);
        m_read = {CReadResult::ReaderFailed, std::string("read error: ") + e.what(), {}};
    }
}

void CMyDoc::ImportCsv(bool skipQuestion) {
    SetModifiedFlag(true);
    if (!skipQuestion && !m_fileType.AskCsv()) {
        ImportTabText();
        return;
    }
    ImportText(true);
}

void CMyDoc::ImportTabText() {
    ImportText(false);
}

void CMyDoc::ImportText(bool csv) {
    std::string raw;
    const CFileRead file = ReadFileBytes(m_pathName, raw);
    if (file.stage == CFileRead::OpenFailed) {
        m_messageBox.Show(m_pathName + kCannotOpenSuffix, MsgIcon::Exclamation, MsgButtons::Ok);
        m_read = {CReadResult::ReaderFailed, "cannot open it: " + file.reason, {}};
        return;
    }
    m_bImported = true;
    if (file.stage == CFileRead::ReadFailed)
        throw CArchiveException(CArchiveException::fileError, file.reason);
    ImportTextLines(ToTextMode(raw), csv ? TextSeparator::Comma : TextSeparator::Tab, m_cells);
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
