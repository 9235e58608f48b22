#pragma once

#include "FileDialog.h"
#include "GenerateDialogs.h"

#include <string>

// How a chosen output file is used.
inline constexpr int OUTPUT_EXISTING_FILE = 0;
inline constexpr int OUTPUT_NEW_FILE = 1;

// The file dialog request for an output file of mode OUTPUT_EXISTING_FILE or OUTPUT_NEW_FILE.
CFileDialogRequest OutputFileRequest(int mode);

// Runs the file dialog for mode; the chosen full path, or empty when the user cancelled.
std::string ChooseOutputFile(IFileDialog& fileDialog, int mode);

// The save button of the preview: asks for the output method and the file, writes text
// (code page 932; a new file in newFileEncoding, which the dialog opens with and keeps the
// user's choice in; an existing file in its own) and reports the outcome. True when the
// preview should close: after success, a cancelled dialog or a missing keyword; false when
// the file could not be opened or written, so that the user can try again.
bool SavePreviewText(const std::string& text, const CGenerateServices& services,
                     TextEncoding& newFileEncoding);
