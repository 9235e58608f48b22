#include "GenerateFlow.h"

#include "KeywordInsert.h"
#include "MessageBox.h"
#include "TextCodec.h"

namespace {

const CFileFilter kTexFilter{"TeX形式 (*.tex)", "*.tex"};
const CFileFilter kTextFilter{"Text形式 (*.txt)", "*.txt"};
const CFileFilter kAllFilter{"All Files (*.*)", "*.*"};

} // namespace

CFileDialogRequest OutputFileRequest(int mode) {
    CFileDialogRequest r;
    r.defaultExt = "tex";
    r.hideReadOnly = true;
    if (mode == OUTPUT_NEW_FILE) {
        r.kind = CFileDialogRequest::Save;
        r.title = "出力先新規ファイルの選択";
        r.filters = {kTexFilter, kTextFilter, kAllFilter};
        r.overwritePrompt = true;
        r.pathMustExist = true;
    } else {
        r.kind = CFileDialogRequest::Open;
        r.title = "出力先既存ファイルの選択";
        r.filters = {kTexFilter, kAllFilter};
        r.fileMustExist = true;
        r.pathMustExist = true;
    }
    return r;
}

std::string ChooseOutputFile(IFileDialog& fileDialog, int mode) {
    const CFileDialogResult result = fileDialog.Run(OutputFileRequest(mode));
    return result.outcome == CFileDialogResult::Ok ? result.path : std::string();
}

bool SavePreviewText(const std::string& text, const CGenerateServices& services,
                     TextEncoding& newFileEncoding) {
    if (!services.dialogs || !services.fileDialog || !services.messageBox)
        return true;
    // Every save starts with the existing-file method and the default keyword; the encoding
    // of a new file is the one chosen last.
    COutputMethodData method;
    method.m_keyword = DEFAULT_KEYWORD;
    method.m_encoding = newFileEncoding;
    if (!services.dialogs->RunOutputMethod(method))
        return true;
    newFileEncoding = method.m_encoding;

    const int mode = method.m_method == OUTPUT_NEW_FILE ? OUTPUT_NEW_FILE : OUTPUT_EXISTING_FILE;
    const std::string path = ChooseOutputFile(*services.fileDialog, mode);
    if (path.empty())
        return true;

    const COutputResult result =
        mode == OUTPUT_NEW_FILE ? WriteNewFile(path, text, TextEncoding::Cp932, method.m_encoding)
                                : InsertIntoFile(path, method.m_keyword, text, TextEncoding::Cp932);
    const std::string keyword = Cp932ToUtf8(method.m_keyword).value_or(method.m_keyword);
    services.messageBox->Show(OutputMessage(result, path, keyword), MsgIcon::Exclamation);
    return !KeepsPreviewOpen(result.status);
}
