#pragma once

#include "ChildProcess.h"
#include "Picture.h"
#include "TexDocument.h"

#include <chrono>
#include <string>
#include <vector>

// How a render runs. The defaults suit a preview on screen.
struct CRenderSettings {
    double dpi = 144;
    // White pixels kept around the table's ink on each side.
    int margin = 4;
    // For the whole render, compiles included; the compile is killed when it runs out.
    std::chrono::milliseconds timeLimit{20000};
    // The resolution goes down so that the picture holds at most this many pixels.
    std::size_t maxPixels = 40'000'000;
    // Also compile the page cut to the picture's box into `pdf` (a second compile).
    bool wantPdf = false;
    // Folders searched for the TeX programs (':'-separated); empty: the PATH of the process.
    std::string searchPath;
    // Where the private compile folders are made; empty: the system's temporary folder.
    std::string tempRoot;
    // TeX's own font caches (the only place besides the compile folder TeX may write to);
    // empty: visual-brindle/texmf-var in the user's cache folder.
    std::string cacheDir;
};

enum class RenderStatus {
    Ok,
    TexError,  // TeX stopped on an error in the document
    NoEngine,  // the TeX program or a package the engine needs is not installed
    TimedOut,  // the time limit ended the compile
    Cancelled, // the cancel token ended it
    Failed,    // anything else: no folder, no PDF, a table larger than the largest page
};

struct CRenderResult {
    RenderStatus status = RenderStatus::Failed;
    // One line for the user (UTF-8); empty on success.
    std::string message;
    // The TeX error as the log shows it.
    std::vector<std::string> texLines;
    // The line of the generated source (from 1) the error points at, and its text; 0 when
    // the error lies outside the source.
    int sourceLine = 0;
    std::string sourceText;
    CPicture picture;
    // The PDF cut to the picture's box, when asked for.
    std::string pdf;
    // Writing outside the compile folder and the caches was refused to TeX.
    bool confined = false;
};

// Compiles source, crops the page to the table's ink and rasterises it. Blocks until done;
// safe to run on any thread (one render per token). cancel may be null.
CRenderResult Render(const CRenderSource& source, const CRenderSettings& settings,
                     const CRenderCancel* cancel = nullptr);

// Messages naming the Debian packages that provide the engines.
inline constexpr const char* MSG_NO_PDFLATEX =
    "no TeX engine: pdflatex is not on the PATH (install the Debian package texlive-latex-base)";
inline constexpr const char* MSG_NEEDS_LUATEXJA =
    "the table has Japanese text, which needs lualatex with luatexja (install the Debian "
    "packages texlive-luatex and texlive-lang-japanese with their recommended packages)";

// The largest page a compile may use, in big points.
inline constexpr double MAX_PAGE = 16000;
