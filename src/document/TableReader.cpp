#include "TableReader.h"

#include "FileIo.h"
#include "NativeFormat.h"

#include <filesystem>

namespace {

const char* const kOldFormat =
    "旧<Brindle>形式として認識しました。\n保存する時，自動的に新<Brindle>形式に変換されます。";
const char* const kOldFormatBroken =
    "読み込みに失敗しました!\nファイルが壊れている可能性があります！";
const char* const kFallbackFileError = "ファイルの読み込みに失敗しちゃいましたよーだ！";
const char* const kCannotOpenSuffix = "\n指定のファイルを開けません！";

std::string ArchiveReason(const CArchiveException& e) {
    return e.GetCause() == CArchiveException::endOfFile ? "the file ends early" : e.what();
}

// The fallback: the old record format, else a text import of the file.
CTableReadResult ReadFallback(CArchiveReader& ar, std::string_view bytes, const std::string& path,
                              std::optional<TextFormat> textFormat, CTableModel model,
                              std::optional<TextEncoding> encoding) {
    model.cells.DeleteAll();
    model.hLines.ClearAll();
    model.vLines.ClearAll();
    CTableReadResult result;
    result.fallback = true;
    if (ReadOldRecordMarker(ar)) {
        result.source = TableSource::OldRecords;
        result.messages.push_back(kOldFormat);
        try {
            ReadOldRecords(ar, model.cells, model.hLines, model.vLines);
        } catch (const CArchiveException& e) {
            if (e.GetCause() != CArchiveException::endOfFile) {
                result.messages.push_back(kFallbackFileError);
                result.failed = true;
                result.reason = std::string("read error: ") + e.what();
                return result;
            }
            result.messages.push_back(kOldFormatBroken);
            result.failed = true;
            result.reason = "the old-format file ends inside a record";
        }
        return result;
    }

    result.source = TableSource::Text;
    const bool csv = HasCsvExtension(path);
    if (!csv && !textFormat) {
        result.needsTextFormat = true;
        return result;
    }
    const bool comma = csv || *textFormat == TextFormat::Csv;
    const CTableReadResult text = ImportTextBytes(
        bytes, path, comma ? TextSeparator::Comma : TextSeparator::Tab, model.cells, encoding);
    result.messages = text.messages;
    result.failed = text.failed;
    result.reason = text.reason;
    result.imported = text.imported;
    result.refused = text.refused;
    result.encoding = text.encoding;
    return result;
}

} // namespace

CTableReadError::CTableReadError(const std::string& verb, const std::string& path,
                                 const std::string& reason)
    : std::runtime_error("Cannot " + verb + " the file \"" + path + "\": " + reason + "."),
      m_reason(reason) {}

bool HasCsvExtension(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    std::string ext = name.substr(dot + 1);
    for (char& ch : ext)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return ext == "CSV";
}

CTableReadResult ReadTableFile(const std::string& path, std::optional<TextFormat> textFormat,
                               CTableModel model, std::optional<TextEncoding> encoding) {
    if (!HasCsvExtension(path))
        return ReadNativeFile(path, textFormat, model, encoding);
    CTableReadResult result = ImportTextFile(path, TextSeparator::Comma, model.cells, encoding);
    result.source = TableSource::Text;
    return result;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    const CFileIoResult file = ReadWholeFile(path, bytes);
    if (!file.ok)
        throw CTableReadError(file.openFailed ? "open" : "read", path, file.error);
    return bytes;
}

CTableReadResult ReadNativeFile(const std::string& path, std::optional<TextFormat> textFormat,
                                CTableModel model, std::optional<TextEncoding> encoding) {
    const std::string bytes = ReadFileBytes(path);
    return ReadTableBytes(bytes, path, textFormat, model, encoding);
}

CTableReadResult ReadTableBytes(std::string_view bytes, const std::string& path,
                                std::optional<TextFormat> textFormat, CTableModel model,
                                std::optional<TextEncoding> encoding) {
    CArchiveReader ar{bytes};
    try {
        const NativeFraming framing = ReadFraming(ar);
        if (framing == NativeFraming::Foreign)
            return ReadFallback(ar, bytes, path, textFormat, model, encoding);
        ReadNativeSections(ar, framing, model.cells, model.hLines, model.vLines, model.sizes);
    } catch (const CArchiveException& e) {
        throw CTableReadError("read", path, ArchiveReason(e));
    }
    return {};
}

CTableReadResult ImportTextFile(const std::string& path, TextSeparator separator, CCellArray& cells,
                                std::optional<TextEncoding> encoding) {
    CTableReadResult result;
    result.source = TableSource::Text;
    std::string raw;
    const CFileIoResult file = ReadWholeFile(path, raw);
    if (file.openFailed) {
        result.messages.push_back(path + kCannotOpenSuffix);
        result.failed = true;
        result.reason = "cannot open it: " + file.error;
        return result;
    }
    if (!file.ok) {
        result.imported = true;
        throw CTableReadError("read", path, file.error);
    }
    return ImportTextBytes(raw, path, separator, cells, encoding);
}

CTableReadResult ImportTextBytes(std::string_view bytes, const std::string& path,
                                 TextSeparator separator, CCellArray& cells,
                                 std::optional<TextEncoding> encoding) {
    CTableReadResult result;
    result.source = TableSource::Text;
    const CTextFileImport import = ImportTextData(bytes, separator, cells, encoding);
    result.encoding = import.encoding;
    if (import.refused) {
        result.refused = true;
        result.failed = true;
        result.reason = "a character that code page 932 cannot hold";
        result.messages.push_back(UnconvertibleFieldMessage(path, *import.refused));
        return result;
    }
    result.imported = true;
    return result;
}
