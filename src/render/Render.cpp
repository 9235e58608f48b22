#include "Render.h"

#include "FileIo.h"
#include "TempFolder.h"
#include "TexLog.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* DOC_NAME = "table";
// Space between the page's edge and the text area, in big points.
constexpr double PAGE_MARGIN = 10;
// Narrowest first page: wider than the text area of the classes used.
constexpr double MIN_PAGE_WIDTH = 480;
constexpr double MIN_PAGE_HEIGHT = 200;
// The first look at the whole page uses at most this many pixels.
constexpr double SCOUT_PIXELS = 4e6;

struct CCompile {
    CChildOutcome outcome;
    std::string log;
    std::string console;
    std::string pdf;
    std::string folderError;
};

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

std::string CacheDir(const CRenderSettings& s) {
    if (!s.cacheDir.empty())
        return s.cacheDir;
    const std::string home = EnvOr("HOME", "");
    std::string base = EnvOr("XDG_CACHE_HOME", home.empty() ? "" : home + "/.cache");
    if (base.empty()) {
        std::error_code ec;
        base = s.tempRoot.empty() ? std::filesystem::temp_directory_path(ec).string() : s.tempRoot;
    }
    return base + "/visual-brindle/texmf-var";
}

// The process's environment with TeX held to its folder: no shell escape, files opened only
// below the working folder (and TeX's own trees), caches in ours, long log lines unbroken,
// and room for a full 250 x 250 tabular (pdfTeX's default memory holds about 100 x 100; the
// extra memory is only reserved, small compiles do not touch it).
std::vector<std::string> ChildEnvironment(const std::string& folder, const std::string& cache) {
    const std::vector<std::pair<std::string, std::string>> ours = {
        {"shell_escape", "f"},         {"openout_any", "p"},          {"openin_any", "p"},
        {"max_print_line", "10000"},   {"error_line", "254"},         {"half_error_line", "238"},
        {"TEXMFVAR", cache},           {"TEXMFCACHE", cache},         {"TMPDIR", folder},
        {"extra_mem_bot", "40000000"}, {"extra_mem_top", "10000000"},
    };
    std::vector<std::string> env;
    for (char** e = environ; e && *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (std::none_of(ours.begin(), ours.end(), [&](const auto& o) { return o.first == name; }))
            env.push_back(entry);
    }
    for (const auto& [name, value] : ours)
        env.push_back(name + "=" + value);
    return env;
}

CCompile Compile(const std::string& engine, const CTexDocument& doc, const CRenderSettings& s,
                 const std::string& cache, Clock::time_point deadline,
                 const CRenderCancel* cancel) {
    CCompile c;
    CTempFolder folder(s.tempRoot);
    if (folder.Path().empty()) {
        c.folderError = folder.Error();
        return c;
    }
    const std::string base = folder.Path() + "/" + DOC_NAME;
    if (const CFileIoResult w = ReplaceFileContent(base + ".tex", doc.text); !w.ok) {
        c.folderError = "cannot write the document: " + w.error;
        return c;
    }
    CChildRequest r;
    r.program = engine;
    r.args = {"-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape", "-file-line-error",
              std::string(DOC_NAME) + ".tex"};
    r.env = ChildEnvironment(folder.Path(), cache);
    r.workDir = folder.Path();
    r.outputFile = folder.Path() + "/console.txt";
    r.timeLimit =
        std::max(std::chrono::milliseconds(1),
                 std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()));
    r.writableDirs = {folder.Path(), cache};
    c.outcome = RunChild(r, cancel);
    ReadWholeFile(base + ".log", c.log);
    ReadWholeFile(r.outputFile, c.console);
    ReadWholeFile(base + ".pdf", c.pdf);
    return c;
}

bool IsOurDocument(const std::string& file) {
    const std::string name = std::string(DOC_NAME) + ".tex";
    return file == name || file.ends_with("/" + name);
}

std::string Seconds(std::chrono::milliseconds ms) {
    const long long tenths = (ms.count() + 50) / 100;
    return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") +
           " s";
}

bool Succeeded(const CCompile& c) {
    return c.folderError.empty() && c.outcome.kind == CChildOutcome::Exited &&
           c.outcome.exitCode == 0 && !c.pdf.empty();
}

// The result of a compile that did not succeed.
CRenderResult Failure(const CCompile& c, const std::string& engineName, const CRenderSource& src,
                      const CTexDocument& doc, const CRenderSettings& s) {
    CRenderResult res;
    res.confined = c.outcome.confined;
    if (!c.folderError.empty()) {
        res.status = RenderStatus::Failed;
        res.message = c.folderError;
        return res;
    }
    switch (c.outcome.kind) {
    case CChildOutcome::TimedOut:
        res.status = RenderStatus::TimedOut;
        res.message =
            "TeX did not finish within " + Seconds(s.timeLimit) + "; the compile was stopped";
        return res;
    case CChildOutcome::Cancelled:
        res.status = RenderStatus::Cancelled;
        res.message = "the render was cancelled";
        return res;
    case CChildOutcome::StartFailed:
        res.status = RenderStatus::Failed;
        res.message = "cannot start " + engineName + ": " + c.outcome.error;
        return res;
    case CChildOutcome::Killed:
        res.status = RenderStatus::Failed;
        res.message = engineName + " ended on a signal";
        return res;
    case CChildOutcome::Exited:
        break;
    }
    const CTexError e = FindTexError(c.log.empty() ? c.console : c.log);
    const bool preambleLoaded = c.log.find(BODY_MARKER) != std::string::npos ||
                                c.console.find(BODY_MARKER) != std::string::npos;
    if (!preambleLoaded && !e.missingFile.empty()) {
        res.status = RenderStatus::NoEngine;
        res.message = (src.engine == TexEngine::Lualatex
                           ? std::string(MSG_NEEDS_LUATEXJA)
                           : std::string("pdflatex lacks a file of its own (install the Debian "
                                         "package texlive-latex-base)")) +
                      ": " + e.missingFile + " was not found";
        res.texLines = e.lines;
        return res;
    }
    res.status = RenderStatus::TexError;
    res.texLines = e.lines;
    if (e.lines.empty()) {
        // No error in the log (no log at all, or a broken installation): the program's output.
        const std::vector<std::string> out = SplitLines(c.console);
        res.texLines.assign(out.end() - std::min<std::ptrdiff_t>(out.size(), 10), out.end());
        res.message = engineName + " stopped without a PDF (exit status " +
                      std::to_string(c.outcome.exitCode) + ")";
        return res;
    }
    const int body = e.line - doc.bodyFirstLine;
    if (IsOurDocument(e.file) && body >= 0 && body < doc.bodyLineCount) {
        res.sourceLine = body + 1 + src.sourceLineOffset;
        res.sourceText = SplitLines(src.body)[static_cast<std::size_t>(body)];
        res.message = "TeX error in line " + std::to_string(res.sourceLine) +
                      " of the generated source: " + e.message;
    } else {
        res.message = "TeX error: " + e.message;
    }
    return res;
}

CPixelBox Clamp(CPixelBox b, int w, int h) {
    b.x0 = std::clamp(b.x0, 0, w);
    b.x1 = std::clamp(b.x1, 0, w);
    b.y0 = std::clamp(b.y0, 0, h);
    b.y1 = std::clamp(b.y1, 0, h);
    return b;
}

} // namespace

CRenderResult Render(const CRenderSource& src, const CRenderSettings& s,
                     const CRenderCancel* cancel) {
    const Clock::time_point deadline = Clock::now() + s.timeLimit;
    const bool lua = src.engine == TexEngine::Lualatex;
    const std::string engineName = lua ? "lualatex" : "pdflatex";
    const std::string searchPath = s.searchPath.empty() ? EnvOr("PATH", "") : s.searchPath;
    const std::string engine = FindOnPath(engineName, searchPath);
    CRenderResult res;
    if (engine.empty()) {
        res.status = RenderStatus::NoEngine;
        res.message = lua ? std::string(MSG_NEEDS_LUATEXJA) + ": lualatex is not on the PATH"
                          : MSG_NO_PDFLATEX;
        return res;
    }
    const std::string cache = CacheDir(s);
    std::error_code ec;
    std::filesystem::create_directories(cache, ec);

    CPageSetup page;
    page.margin = PAGE_MARGIN;
    page.width = std::min(MAX_PAGE, std::max(src.widthGuess, MIN_PAGE_WIDTH) + 2 * PAGE_MARGIN);
    page.height = std::min(MAX_PAGE, std::max(src.heightGuess, MIN_PAGE_HEIGHT) + 2 * PAGE_MARGIN);

    for (;;) {
        page.textHeight = page.height - 2 * PAGE_MARGIN;
        const CTexDocument doc = BuildTexDocument(src, page);
        const CCompile c = Compile(engine, doc, s, cache, deadline, cancel);
        if (!Succeeded(c))
            return Failure(c, engineName, src, doc, s);
        res.confined = c.outcome.confined;

        const CPdfPage pdf(c.pdf);
        if (!pdf.Valid()) {
            res.status = RenderStatus::Failed;
            res.message = engineName + " wrote a PDF that cannot be read";
            return res;
        }
        // A look at the whole page finds the ink; content at the page's right or bottom edge,
        // or on a second page, did not fit and gets a larger page.
        const double pageInches = page.width / 72 * page.height / 72;
        const double scoutDpi = std::min(s.dpi, std::sqrt(SCOUT_PIXELS / pageInches));
        const CPicture scout = pdf.Render(scoutDpi);
        if (scout.width == 0) {
            res.status = RenderStatus::Failed;
            res.message = "poppler cannot rasterise the page";
            return res;
        }
        const CPixelBox ink = FindInk(scout);
        const int band = std::max(1, static_cast<int>(PAGE_MARGIN / 2 / 72 * scoutDpi));
        const bool tooWide = !ink.Empty() && ink.x1 > scout.width - band;
        const bool tooHigh = pdf.PageCount() > 1 || (!ink.Empty() && ink.y1 > scout.height - band);
        if (tooWide || tooHigh) {
            if ((tooWide && page.width >= MAX_PAGE) || (tooHigh && page.height >= MAX_PAGE)) {
                res.status = RenderStatus::Failed;
                res.message = "the typeset table is larger than the largest page (" +
                              std::to_string(static_cast<int>(MAX_PAGE)) + " x " +
                              std::to_string(static_cast<int>(MAX_PAGE)) + " bp)";
                return res;
            }
            if (tooWide)
                page.width = std::min(MAX_PAGE, page.width * 2);
            if (tooHigh)
                page.height = std::min(MAX_PAGE, page.height * 2);
            continue;
        }
        if (ink.Empty()) {
            // Nothing typeset shows (empty cells without rules): a white picture.
            res.status = RenderStatus::Ok;
            res.picture = Crop(scout, {0, 0, 0, 0}, s.margin);
            return res;
        }

        // The ink's box with room for what the coarse look may have missed, at full resolution
        // (lower when the picture would hold too many pixels).
        const double toBp = 72 / scoutDpi;
        const double x0 = (ink.x0 - 2) * toBp, x1 = (ink.x1 + 2) * toBp;
        const double y0 = (ink.y0 - 2) * toBp, y1 = (ink.y1 + 2) * toBp;
        double dpi = s.dpi;
        const double pixels = (x1 - x0) / 72 * dpi * ((y1 - y0) / 72 * dpi);
        if (pixels > static_cast<double>(s.maxPixels))
            dpi *= std::sqrt(static_cast<double>(s.maxPixels) / pixels);
        CPicture fine;
        CPixelBox box;
        if (dpi == scoutDpi) {
            fine = scout;
        } else {
            const int pw = static_cast<int>(std::ceil(page.width / 72 * dpi));
            const int ph = static_cast<int>(std::ceil(page.height / 72 * dpi));
            box = Clamp({static_cast<int>(std::floor(x0 / 72 * dpi)),
                         static_cast<int>(std::floor(y0 / 72 * dpi)),
                         static_cast<int>(std::ceil(x1 / 72 * dpi)),
                         static_cast<int>(std::ceil(y1 / 72 * dpi))},
                        pw, ph);
            fine = pdf.Render(dpi, box);
        }
        if (fine.width == 0) {
            res.status = RenderStatus::Failed;
            res.message = "poppler cannot rasterise the page";
            return res;
        }
        const CPixelBox fineInk = FindInk(fine);
        res.picture = Crop(fine, fineInk, s.margin);
        res.status = RenderStatus::Ok;
        if (!s.wantPdf)
            return res;

        // The same layout again on a page cut to the picture's box.
        CPageSetup cut = page;
        cut.left = (box.x0 + fineInk.x0 - s.margin) * 72 / dpi;
        cut.top = (box.y0 + fineInk.y0 - s.margin) * 72 / dpi;
        cut.width = res.picture.width * 72 / dpi;
        cut.height = res.picture.height * 72 / dpi;
        const CTexDocument cutDoc = BuildTexDocument(src, cut);
        const CCompile second = Compile(engine, cutDoc, s, cache, deadline, cancel);
        if (!Succeeded(second))
            return Failure(second, engineName, src, cutDoc, s);
        res.pdf = second.pdf;
        return res;
    }
}
