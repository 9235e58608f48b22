// Compiles through pdflatex (and lualatex where installed): pictures, errors, limits.
#include "RenderFixture.h"
#include "TexLog.h"
#include "TextCodec.h"

#include <charconv>
#include <fstream>
#include <sys/stat.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::string ReadFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void WriteScript(const fs::path& p, const std::string& text) {
    std::ofstream(p) << text;
    fs::permissions(p, fs::perms::owner_all);
}

std::string SystemPath() {
    const char* p = std::getenv("PATH");
    return p ? p : "";
}

// Width and total height in TeX points of the source typeset in a box, measured by pdflatex.
std::pair<double, double> MeasureBox(const std::string& body, const fs::path& dir) {
    fs::create_directories(dir);
    std::ofstream(dir / "m.tex") << "\\documentclass{article}\\begin{document}\n"
                                    "\\setbox0\\hbox{%\n"
                                 << body
                                 << "\\unskip}\\typeout{BOX:\\the\\wd0:\\the\\ht0:\\the\\dp0:}\n"
                                    "\\end{document}\n";
    CChildRequest r;
    r.program = FindOnPath("pdflatex", SystemPath());
    r.args = {"-interaction=nonstopmode", "m.tex"};
    for (char** e = environ; *e; ++e)
        r.env.push_back(*e);
    r.workDir = dir.string();
    r.outputFile = (dir / "out.txt").string();
    r.writableDirs = {dir.string()};
    const CChildOutcome o = RunChild(r, nullptr);
    EXPECT_EQ(o.kind, CChildOutcome::Exited);
    const std::string log = ReadFile(dir / "m.log");
    const std::size_t at = log.find("BOX:");
    EXPECT_NE(at, std::string::npos) << log;
    double v[3] = {};
    std::size_t p = at + 4;
    for (double& d : v) {
        const auto res = std::from_chars(log.data() + p, log.data() + log.size(), d);
        p = static_cast<std::size_t>(res.ptr - log.data()) + 3; // "pt:"
    }
    return {v[0], v[1] + v[2]};
}

using RenderCompile = CRenderFixture;

// The worked example with double rules on its frame: ||c|c|c||, \hline\hline at top and
// bottom, \hline between rows 1 and 2, \cline{2-3} under row 2 (C spans rows 2 and 3).
TEST_F(RenderCompile, PictureHasTheSizeAndRulesOfTheTable) {
    auto t = std::make_unique<CTestTable>();
    FillWorkedExample(*t);
    for (int x = 1; x <= 3; ++x) {
        t->h.SetLine(x, 1, LINE_DOUBLE);
        t->h.SetLine(x, 4, LINE_DOUBLE);
    }
    for (int y = 1; y <= 3; ++y) {
        t->v.SetLine(y, 1, LINE_DOUBLE);
        t->v.SetLine(y, 4, LINE_DOUBLE);
    }
    const CRenderSource src = Source(*t, TARGET_TABULAR);
    ASSERT_NE(src.body.find("\\begin{tabular}{||c|c|c||}\n\\hline\\hline\n"), std::string::npos)
        << src.body;
    ASSERT_NE(src.body.find("\\cline{2-3}"), std::string::npos);

    m_settings.dpi = 288;
    m_settings.margin = 6;
    const CRenderResult r = Render(src, m_settings);
    ASSERT_EQ(r.status, RenderStatus::Ok) << r.message;
    const CPicture& p = r.picture;
    EXPECT_DOUBLE_EQ(p.dpi, 288);

    // The size of TeX's own box for the same tabular, plus the margins.
    const auto [wPt, hPt] = MeasureBox(src.body, m_root / "measure");
    EXPECT_NEAR(p.width, wPt / 72.27 * 288 + 2 * 6, 2.0);
    EXPECT_NEAR(p.height, hPt / 72.27 * 288 + 2 * 6, 2.0);

    // Ink starts right after the margin: the frame's rules lie on the box's edges.
    const CPixelBox ink = FindInk(p);
    EXPECT_NEAR(ink.x0, 6, 1);
    EXPECT_NEAR(ink.y0, 6, 1);
    EXPECT_NEAR(p.width - ink.x1, 6, 1);
    EXPECT_NEAR(p.height - ink.y1, 6, 1);

    // Rows dark over the whole width: two rules at the top, one under row 1, two at the
    // bottom. Rows dark over columns 2 and 3 only: the \cline.
    std::vector<bool> full, partial;
    const int w = ink.x1 - ink.x0;
    for (int y = ink.y0; y < ink.y1; ++y) {
        int dark = 0;
        for (int x = ink.x0; x < ink.x1; ++x)
            dark += IsDark(p, x, y);
        full.push_back(dark >= w * 95 / 100);
        partial.push_back(dark >= w * 45 / 100 && dark < w * 85 / 100);
    }
    EXPECT_EQ(CountRuns(full), 5);
    EXPECT_EQ(CountRuns(partial), 1);

    // Columns dark over (nearly) the whole height: the two double rules of the frame and the
    // rule between columns 2 and 3; the one between columns 1 and 2 stops at A's span.
    std::vector<bool> tall, twoThirds;
    const int h = ink.y1 - ink.y0;
    for (int x = ink.x0; x < ink.x1; ++x) {
        int dark = 0;
        for (int y = ink.y0; y < ink.y1; ++y)
            dark += IsDark(p, x, y);
        tall.push_back(dark >= h * 85 / 100);
        twoThirds.push_back(dark >= h * 50 / 100 && dark < h * 80 / 100);
    }
    EXPECT_EQ(CountRuns(tall), 5);
    EXPECT_EQ(CountRuns(twoThirds), 1);
}

struct CErrorCase {
    const char* name;
    int target;
    COptionsRecord options;
    int sourceLine;
    const char* sourceText;
};

std::ostream& operator<<(std::ostream& os, const CErrorCase& c) {
    return os << c.name;
}

class RenderError : public CRenderFixture, public ::testing::WithParamInterface<CErrorCase> {};

// An unbalanced brace in cell (1, 2): TeX's error lines and the line of the generated source,
// counted as `brindle generate` writes it with the same options.
TEST_P(RenderError, PointsAtTheSourceLine) {
    const CErrorCase& c = GetParam();
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "ok").Put(2, 1, "fine").Put(1, 2, "A{").Put(2, 2, "B");
    const CRenderSource src = Source(*t, c.target, c.options);
    const CRenderResult r = Render(src, m_settings);
    ASSERT_EQ(r.status, RenderStatus::TexError) << r.message;
    EXPECT_EQ(r.sourceLine, c.sourceLine) << r.message;
    EXPECT_EQ(r.sourceText, c.sourceText);
    EXPECT_NE(r.message.find("Missing } inserted"), std::string::npos) << r.message;
    ASSERT_FALSE(r.texLines.empty());
    EXPECT_NE(r.texLines.front().find("Missing } inserted"), std::string::npos);
    EXPECT_TRUE(std::any_of(r.texLines.begin(), r.texLines.end(), [](const std::string& l) {
        return l.find("A{ &") != std::string::npos;
    }));

    std::string generated = t->Generate(c.target, UsedRegion(t->cells, t->h, t->v), c.options);
    std::erase(generated, '\r');
    EXPECT_EQ(SplitLines(generated).at(static_cast<std::size_t>(c.sourceLine - 1)), c.sourceText);
}

const CErrorCase ERROR_CASES[] = {
    {"Tabular", TARGET_TABULAR, {}, 3, "A{ & B \\\\"},
    {"TabularWithDocLines", TARGET_TABULAR, Options({{"Doc", "1"}}), 6, "A{ & B \\\\"},
    {"TableWithCaptionAbove", TARGET_TABULAR,
     Options({{"Table", "1"}, {"LabelPos", "0"}, {"Cap", "1"}, {"CapStr", "c"}}), 6, "A{ & B \\\\"},
    {"ArrayInOurMath", TARGET_ARRAY, {}, 3, "A{ & B "},
    {"ArrayWithDocAndDisplayMath", TARGET_ARRAY,
     Options({{"ArrayDoc", "1"}, {"Kakko", "1"}, {"Math", "2"}}), 8, "A{ & B "},
};

INSTANTIATE_TEST_SUITE_P(UnbalancedBrace, RenderError, ::testing::ValuesIn(ERROR_CASES),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(RenderCompile, TimeLimitEndsACompileThatDoesNotStop) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "\\loop\\iftrue\\repeat");
    m_settings.timeLimit = 1s;
    const auto start = std::chrono::steady_clock::now();
    const CRenderResult r = Render(Source(*t, TARGET_TABULAR), m_settings);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.status, RenderStatus::TimedOut) << r.message;
    EXPECT_NE(r.message.find("1 s"), std::string::npos) << r.message;
    EXPECT_LT(took, 3s);
}

// The editor's way out: a newer render is due, the running one is abandoned at once.
TEST_F(RenderCompile, CancelFromAnotherThreadEndsTheCompile) {
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "\\loop\\iftrue\\repeat");
    const CRenderSource src = Source(*t, TARGET_TABULAR);
    CRenderCancel cancel;
    CRenderResult r;
    const auto start = std::chrono::steady_clock::now();
    std::thread worker([&] { r = Render(src, m_settings, &cancel); });
    std::this_thread::sleep_for(300ms);
    cancel.Cancel();
    worker.join();
    EXPECT_EQ(r.status, RenderStatus::Cancelled) << r.message;
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);

    // A token cancelled before the render starts stops it before any compile.
    CRenderCancel early;
    early.Cancel();
    EXPECT_EQ(Render(src, m_settings, &early).status, RenderStatus::Cancelled);
}

struct CEngineCase {
    const char* name;
    const char* text;
    bool withPdflatex; // the only TeX program in the searched folder
    RenderStatus status;
    std::vector<std::string> messageParts;
};

std::ostream& operator<<(std::ostream& os, const CEngineCase& c) {
    return os << c.name;
}

class RenderEngine : public CRenderFixture, public ::testing::WithParamInterface<CEngineCase> {};

TEST_P(RenderEngine, MissingEngineNamesThePackages) {
    const CEngineCase& c = GetParam();
    const fs::path bin = m_root / "bin";
    fs::create_directories(bin);
    if (c.withPdflatex)
        fs::create_symlink(FindOnPath("pdflatex", SystemPath()), bin / "pdflatex");
    m_settings.searchPath = bin.string();
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, c.text);
    const CRenderResult r = Render(Source(*t, TARGET_TABULAR), m_settings);
    ASSERT_EQ(r.status, c.status) << r.message;
    for (const std::string& part : c.messageParts)
        EXPECT_NE(r.message.find(part), std::string::npos) << r.message;
}

const CEngineCase ENGINE_CASES[] = {
    {"NoTexAtAll", "abc", false, RenderStatus::NoEngine, {"pdflatex", "texlive-latex-base"}},
    {"AsciiWithPdflatexOnly", "abc", true, RenderStatus::Ok, {}},
    {"JapaneseWithPdflatexOnly",
     "\x93\xfa\x96\x7b",
     true,
     RenderStatus::NoEngine,
     {"lualatex", "luatexja", "texlive-luatex", "texlive-lang-japanese"}},
};

INSTANTIATE_TEST_SUITE_P(Path, RenderEngine, ::testing::ValuesIn(ENGINE_CASES),
                         [](const auto& p) { return std::string(p.param.name); });

struct CFakeCase {
    const char* name;
    const char* logLines; // what the fake lualatex writes into its log
    RenderStatus status;
    const char* messagePart;
};

std::ostream& operator<<(std::ostream& os, const CFakeCase& c) {
    return os << c.name;
}

class RenderFakeEngine : public CRenderFixture, public ::testing::WithParamInterface<CFakeCase> {};

// A lualatex that stops as a real one does when a package is missing: before the preamble
// has loaded it is the installation that lacks it; in the table it is the user's error.
TEST_P(RenderFakeEngine, MissingFileMeansPackageOnlyBeforeTheBody) {
    const CFakeCase& c = GetParam();
    const fs::path bin = m_root / "bin";
    fs::create_directories(bin);
    WriteScript(bin / "lualatex", std::string("#!/bin/sh\ncat > table.log <<'EOF'\n") + c.logLines +
                                      "\nEOF\nexit 1\n");
    m_settings.searchPath = bin.string() + ":" + SystemPath();
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "\x93\xfa\x96\x7b");
    const CRenderResult r = Render(Source(*t, TARGET_TABULAR), m_settings);
    ASSERT_EQ(r.status, c.status) << r.message;
    EXPECT_NE(r.message.find(c.messagePart), std::string::npos) << r.message;
}

const CFakeCase FAKE_CASES[] = {
    {"LuatexjaMissing",
     "/usr/share/texmf/tex/latex/base/ltjarticle.cls:12: LaTeX Error: File `luatexja.sty' not "
     "found.\n\nType X to quit or <RETURN> to proceed,",
     RenderStatus::NoEngine, "texlive-lang-japanese"},
    {"PackageOfLuatexjaMissing",
     "/usr/share/texmf/tex/luatex/luatexja/luatexja-core.sty:80: LaTeX Error: File "
     "`xkeyval.sty' not found.",
     RenderStatus::NoEngine, "xkeyval.sty was not found"},
    {"FileInTheTableMissing",
     "brindle: preamble loaded\n./table.tex:17: LaTeX Error: File `mine.tex' not found.",
     RenderStatus::TexError, "File `mine.tex' not found"},
    {"NoLogAtAll", "", RenderStatus::TexError, "lualatex stopped without a PDF (exit status 1)"},
};

INSTANTIATE_TEST_SUITE_P(Log, RenderFakeEngine, ::testing::ValuesIn(FAKE_CASES),
                         [](const auto& p) { return std::string(p.param.name); });

// A table's text can run TeX code; writing a file outside the compile folder must fail.
TEST_F(RenderCompile, TexCannotWriteOutsideItsFolder) {
    const fs::path target = m_root / "escaped.tex";
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1,
           "\\newwrite\\w\\immediate\\openout\\w=" + target.string() +
               "\\immediate\\write\\w{x}\\immediate\\closeout\\w");
    Render(Source(*t, TARGET_TABULAR), m_settings);
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(RenderCompile, LuaCannotWriteOutsideItsFolder) {
    SKIP_WITHOUT_LUATEXJA();
    const fs::path target = m_root / "escaped.txt";
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, "\x93\xfa\x96\x7b")
        .Put(2, 1,
             "\\directlua{local f = io.open('" + target.string() +
                 "', 'w') if f then f:write('x') f:close() end}");
    const CRenderResult r = Render(Source(*t, TARGET_TABULAR), m_settings);
    if (!r.confined)
        GTEST_SKIP() << "the kernel offers no write confinement (Landlock)";
    EXPECT_EQ(r.status, RenderStatus::Ok) << r.message;
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(RenderCompile, JapaneseTextTypesetWithLuatexja) {
    SKIP_WITHOUT_LUATEXJA();
    auto t = std::make_unique<CTestTable>();
    t->Grid(1, 1, 2, 1, LINE_SINGLE);
    t->Put(1, 1, "\x95\x5c").Put(2, 1, "\x93\xfa\x96\x7b\x8c\xea"); // 表, 日本語
    const CRenderSource src = Source(*t, TARGET_TABULAR);
    ASSERT_EQ(src.engine, TexEngine::Lualatex);
    m_settings.dpi = 144;
    const CRenderResult r = Render(src, m_settings);
    ASSERT_EQ(r.status, RenderStatus::Ok) << r.message;
    // Four characters of one em (10 pt) and the cells' separation: at least 40 pt wide.
    EXPECT_GT(r.picture.width, 40 * 2);
    EXPECT_FALSE(FindInk(r.picture).Empty());
}

struct CSizeCase {
    const char* name;
    const char* text;
    RenderStatus status;
    double widthBp; // of the ink, when typeset
};

std::ostream& operator<<(std::ostream& os, const CSizeCase& c) {
    return os << c.name;
}

class RenderPageSize : public CRenderFixture, public ::testing::WithParamInterface<CSizeCase> {};

// The first page is sized from the texts; what does not fit gets a larger page, up to the
// largest one.
TEST_P(RenderPageSize, GrowsToTheTableOrFailsCleanly) {
    const CSizeCase& c = GetParam();
    auto t = std::make_unique<CTestTable>();
    t->Put(1, 1, c.text);
    m_settings.dpi = 18;
    m_settings.margin = 0;
    const CRenderResult r = Render(Source(*t, TARGET_TABULAR), m_settings);
    ASSERT_EQ(r.status, c.status) << r.message;
    if (c.status == RenderStatus::Ok)
        EXPECT_NEAR(r.picture.width, c.widthBp / 72 * 18, 2);
    else
        EXPECT_NE(r.message.find("larger than the largest page"), std::string::npos);
}

const CSizeCase SIZE_CASES[] = {
    {"WiderThanTheGuess", "\\rule{3000bp}{1bp}", RenderStatus::Ok, 3000},
    {"TallerThanTheGuess", "\\rule{1bp}{3000bp}", RenderStatus::Ok, 1},
    {"WiderThanAnyPage", "\\rule{9000bp}{1bp}\\rule{9000bp}{1bp}", RenderStatus::Failed, 0},
};

INSTANTIATE_TEST_SUITE_P(Page, RenderPageSize, ::testing::ValuesIn(SIZE_CASES),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(RenderCompile, PdfIsCutToThePicture) {
    auto t = std::make_unique<CTestTable>();
    FillWorkedExample(*t);
    m_settings.wantPdf = true;
    const CRenderResult r = Render(Source(*t, TARGET_TABULAR), m_settings);
    ASSERT_EQ(r.status, RenderStatus::Ok) << r.message;
    ASSERT_TRUE(r.pdf.starts_with("%PDF"));
    const CPdfPage page(r.pdf);
    ASSERT_TRUE(page.Valid());
    EXPECT_EQ(page.PageCount(), 1);
    EXPECT_NEAR(page.Width(), r.picture.width * 72 / r.picture.dpi, 0.5);
    EXPECT_NEAR(page.Height(), r.picture.height * 72 / r.picture.dpi, 0.5);
    // The cut page shows the same picture.
    const CPicture again = page.Render(r.picture.dpi);
    const CPixelBox a = FindInk(r.picture), b = FindInk(again);
    EXPECT_NEAR(b.x0, a.x0, 1);
    EXPECT_NEAR(b.y0, a.y0, 1);
    EXPECT_NEAR(b.x1, a.x1, 1);
    EXPECT_NEAR(b.y1, a.y1, 1);
}

} // namespace

namespace {

// pdfTeX's default memory ends a tabular of about 100 x 100 cells with "TeX capacity
// exceeded"; a full table must fit.
TEST_F(RenderCompile, FullTableFitsIntoTexMemory) {
    auto t = std::make_unique<CTestTable>();
    for (int y = 1; y <= MAX_CELLS; ++y)
        for (int x = 1; x <= MAX_CELLS; ++x)
            t->Put(x, y, std::to_string(x) + "," + std::to_string(y));
    t->Grid(1, 1, MAX_CELLS, MAX_CELLS, LINE_SINGLE);
    m_settings.dpi = 8;
    const CRenderResult r = Render(Source(*t, TARGET_TABULAR), m_settings);
    ASSERT_EQ(r.status, RenderStatus::Ok) << r.message;
    EXPECT_GT(r.picture.width, 250 * 20 / 72 * 8); // every cell at least 20 bp wide
}

} // namespace
