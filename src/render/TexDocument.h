#pragma once

#include "Generator.h"

#include <optional>
#include <string>
#include <vector>

// The TeX program that compiles a table.
enum class TexEngine { Pdflatex, Lualatex };

// The LaTeX source of one region prepared for a compile: made where the model is read, then
// compiled anywhere (it holds no reference to the model).
struct CRenderSource {
    int target = TARGET_TABULAR;
    // The user's options; the document lines of Doc and ArrayDoc are never in `body`.
    COptionsRecord options;
    // The generated source as UTF-8 with LF line ends.
    std::string body;
    // Lines the generated source has above `body` (the document lines left out).
    int sourceLineOffset = 0;
    // Lualatex with luatexja for text outside ASCII, pdflatex otherwise.
    TexEngine engine = TexEngine::Pdflatex;
    // A first guess of the typeset size in big points, from the region's texts.
    double widthGuess = 0;
    double heightGuess = 0;
};

// The source of region for target 0 (tabular) or 1 (array) with the user's options. No value
// for another target or for cell bytes that are not code page 932 text; error says which.
std::optional<CRenderSource> MakeRenderSource(int target, const CGenerateModel& model,
                                              const CCellRect& region,
                                              const COptionsRecord& options, std::string& error);

// The page a compile typesets on, in big points: the text area starts `margin` from the top
// left corner and stays as wide as the class makes it; the page's top left corner lies at
// (left, top) of that layout, so a second compile can cut the page to a box found in the first.
struct CPageSetup {
    double width = 612;
    double height = 792;
    double margin = 10;
    double textHeight = 772;
    double left = 0;
    double top = 0;
};

// The whole document of our own around a source, and where its body starts.
struct CTexDocument {
    std::string text;
    // Document line (from 1) of the first line of the source.
    int bodyFirstLine = 0;
    int bodyLineCount = 0;
};

// Printed by the document right after \begin{document}: the class and packages have loaded.
inline constexpr const char* BODY_MARKER = "brindle: preamble loaded";

CTexDocument BuildTexDocument(const CRenderSource& source, const CPageSetup& page);

// The lines of text split at LF (a last line without LF included).
std::vector<std::string> SplitLines(const std::string& text);
