#pragma once

#include "TextCodec.h"

#include "Generator.h"

#include <functional>
#include <string>

class CDecodeOpData;
class IFileDialog;
class IMessageBox;

// What the preview dialog shows and keeps: the text (code page 932 bytes) and the window
// size to open with (0 by 0: the dialog's own size) or maximised.
struct CSourcePreviewData {
    std::string m_text;
    int m_width = 0;
    int m_height = 0;
    int m_zoomed = 0;
};

// The output method dialog's members: 0 insert into an existing file, 1 write a new file;
// the keyword in code page 932; the encoding of a new file (an existing file keeps its own).
struct COutputMethodData {
    int m_method = 0;
    std::string m_keyword;
    TextEncoding m_encoding = TextEncoding::Utf8;
};

// The dialogs of the generate commands, run modally by the view.
class IGenerateDialogs {
public:
    virtual ~IGenerateDialogs() = default;

    // The options sheet over data; its result is not used.
    virtual void RunOptionsSheet(CDecodeOpData& data) = 0;
    // TARGET_TABULAR, TARGET_ARRAY or TARGET_HTML; -1 when cancelled.
    virtual int RunTargetDialog() = 0;
    // Shows the progress window and paints it at once, since no events are processed while
    // the writer runs; the returned receiver moves its bar until EndProgress.
    virtual IGenerateProgress& BeginProgress() = 0;
    virtual void EndProgress() = 0;
    // Runs the preview over data. The save button hands save the text as edited; the preview
    // closes when save returns true. On return data holds the last text and the geometry.
    virtual void RunPreview(CSourcePreviewData& data,
                            const std::function<bool(const std::string& text)>& save) = 0;
    // The output method dialog over data (already holding its opening values); false when
    // cancelled.
    virtual bool RunOutputMethod(COutputMethodData& data) = 0;
};

// What the generate commands of the view need from the platform. Without dialogs the
// commands do nothing.
struct CGenerateServices {
    IGenerateDialogs* dialogs = nullptr;
    IMessageBox* messageBox = nullptr;
    IFileDialog* fileDialog = nullptr;
};
