// brindle render, run in-process.
#include "Commands.h"
#include "RenderFixture.h"

#include <fstream>
#include <sstream>

namespace {

struct CCliCase {
    const char* name;
    const char* csv;
    std::vector<std::string> args; // before FILE; "OUT" stands for the output path
    const char* output;            // file name of OUT
    bool emptyPath;                // run with a PATH that holds no TeX
    int status;
    std::vector<std::string> errParts;
    const char* written; // the output file's first bytes, or nullptr when none is written
};

std::ostream& operator<<(std::ostream& os, const CCliCase& c) {
    return os << c.name;
}

const char PNG_SIGNATURE[] = "\x89PNG\r\n\x1a\n";

const CCliCase CLI_CASES[] = {
    {"Png", "a,b\nc,d\n", {"--target", "tabular"}, "t.png", false, 0, {}, PNG_SIGNATURE},
    {"PdfOfAnArray",
     "a,b\nc,d\n",
     {"--target=array", "--option", "Kakko=1"},
     "t.PDF",
     false,
     0,
     {},
     "%PDF"},
    {"Html",
     "a,b\n",
     {"--target", "html"},
     "t.png",
     false,
     1,
     {"not available in the command-line tool"},
     nullptr},
    {"OutputNeitherPngNorPdf",
     "a,b\n",
     {"--target", "tabular"},
     "t.txt",
     false,
     1,
     {"must end in .png or .pdf"},
     nullptr},
    {"UnknownOption",
     "a,b\n",
     {"--target", "tabular", "--colour", "red"},
     "t.png",
     false,
     1,
     {"unknown option '--colour'"},
     nullptr},
    {"BadDpi",
     "a,b\n",
     {"--target", "tabular", "--dpi", "0"},
     "t.png",
     false,
     1,
     {"--dpi must be"},
     nullptr},
    {"UnbalancedBrace",
     "ok,fine\nA{,B\n",
     {"--target", "tabular"},
     "t.png",
     false,
     4,
     {"TeX error in line 3 of the generated source: Missing } inserted.", "Missing } inserted.",
      "l.", "source line 3: A{ & B \\\\"},
     nullptr},
    {"EndlessLoop",
     "\\loop\\iftrue\\repeat\n",
     {"--target", "tabular", "--time-limit", "1"},
     "t.png",
     false,
     4,
     {"did not finish within 1 s"},
     nullptr},
    {"NoTex",
     "a,b\n",
     {"--target", "tabular"},
     "t.png",
     true,
     5,
     {"no TeX engine", "texlive-latex-base"},
     nullptr},
    {"OutputFolderMissing",
     "a,b\n",
     {"--target", "tabular"},
     "no/such/t.png",
     false,
     2,
     {"cannot write"},
     nullptr},
};

class RenderCli : public CRenderFixture, public ::testing::WithParamInterface<CCliCase> {};

TEST_P(RenderCli, StatusMessageAndFile) {
    const CCliCase& c = GetParam();
    const fs::path csv = m_root / "t.csv";
    std::ofstream(csv, std::ios::binary) << c.csv;
    const fs::path out = m_root / c.output;
    std::vector<std::string> args{"render"};
    for (const std::string& a : c.args)
        args.push_back(a);
    args.insert(args.end(), {csv.string(), "-o", out.string()});

    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    const std::string savedTmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    if (c.emptyPath) {
        fs::create_directories(m_root / "bin");
        ::setenv("PATH", (m_root / "bin").c_str(), 1);
    }
    // The tool makes its compile folders in the system's temporary folder.
    ::setenv("TMPDIR", m_settings.tempRoot.c_str(), 1);
    std::istringstream in;
    std::ostringstream o, e;
    CCliStreams io{in, o, e};
    const int status = RunBrindle(args, io);
    ::setenv("PATH", savedPath.c_str(), 1);
    if (savedTmp.empty())
        ::unsetenv("TMPDIR");
    else
        ::setenv("TMPDIR", savedTmp.c_str(), 1);

    EXPECT_EQ(status, c.status) << e.str();
    for (const std::string& part : c.errParts)
        EXPECT_NE(e.str().find(part), std::string::npos) << part << "\n" << e.str();
    if (!c.written) {
        EXPECT_FALSE(fs::exists(out));
        return;
    }
    std::ifstream f(out, std::ios::binary);
    std::string head(8, '\0');
    f.read(head.data(), 8);
    EXPECT_TRUE(head.starts_with(c.written));
}

INSTANTIATE_TEST_SUITE_P(Args, RenderCli, ::testing::ValuesIn(CLI_CASES),
                         [](const auto& p) { return std::string(p.param.name); });

// The PNG holds the picture the library renders for the same table, pixel for pixel in size.
TEST_F(CRenderFixture, PngHasThePictureSize) {
    auto t = std::make_unique<CTestTable>();
    FillWorkedExample(*t);
    const CRenderResult r = Render(Source(*t, TARGET_TABULAR), m_settings);
    ASSERT_EQ(r.status, RenderStatus::Ok) << r.message;
    std::string error;
    const std::optional<std::string> png = EncodePng(r.picture, m_settings.tempRoot, error);
    ASSERT_TRUE(png) << error;
    ASSERT_GE(png->size(), 24u);
    const auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>((*png)[at]) << 24) |
               (static_cast<unsigned char>((*png)[at + 1]) << 16) |
               (static_cast<unsigned char>((*png)[at + 2]) << 8) |
               static_cast<unsigned char>((*png)[at + 3]);
    };
    EXPECT_EQ(png->substr(12, 4), "IHDR");
    EXPECT_EQ(be32(16), static_cast<unsigned>(r.picture.width));
    EXPECT_EQ(be32(20), static_cast<unsigned>(r.picture.height));
}

} // namespace
