// The document of our own around the generated source, and that TeX accepts it.
#include "RenderFixture.h"
#include "TextCodec.h"

#include <algorithm>
#include <vector>

namespace {

struct CWrapperCase {
    const char* name;
    int target;
    COptionsRecord options;
    const char* text; // of every cell of a 2 x 2 grid
    // Whole lines of the document, in this order (others may lie between).
    std::vector<std::string> inOrder;
    std::vector<std::string> absent;
    int sourceLineOffset;
    RenderStatus compiled;
    const char* messagePart; // of the message when the compile does not succeed
};

std::ostream& operator<<(std::ostream& os, const CWrapperCase& c) {
    return os << c.name;
}

const CWrapperCase WRAPPER_CASES[] = {
    {"TabularPlain",
     TARGET_TABULAR,
     {},
     "a",
     {"\\documentclass{article}", "\\begin{document}", "\\begin{tabular}{|c|c|}", "\\end{tabular}",
      "\\end{document}"},
     {"\\documentstyle", "\\begin{table}", "\\("},
     0,
     RenderStatus::Ok,
     ""},
    {"TabularDocLeavesItsPrologueOut",
     TARGET_TABULAR,
     Options({{"Doc", "1"}}),
     "a",
     {"\\documentclass{article}", "\\begin{document}", "\\begin{tabular}{|c|c|}", "\\end{tabular}",
      "\\end{document}"},
     {"\\documentstyle", "jarticle"},
     3,
     RenderStatus::Ok,
     ""},
    {"TableCaptionLabelAbove",
     TARGET_TABULAR,
     Options({{"Label", "1"},
              {"Table", "1"},
              {"LabelPos", "0"},
              {"LabelStr", "tab:one"},
              {"Cap", "1"},
              {"CapStr", "Above"}}),
     "a",
     {"\\begin{table}[h]", "\\begin{center}", "\\caption{Above}", "\\label{tab:one}",
      "\\begin{tabular}{|c|c|}", "\\end{tabular}", "\\end{center}", "\\end{table}"},
     {},
     0,
     RenderStatus::Ok,
     ""},
    {"TableCaptionLabelBelowWithDoc",
     TARGET_TABULAR,
     Options({{"Doc", "1"},
              {"Label", "1"},
              {"Table", "1"},
              {"LabelPos", "1"},
              {"LabelStr", "tab:two"},
              {"Cap", "1"},
              {"CapStr", "Below"}}),
     "a",
     {"\\begin{table}[h]", "\\begin{center}", "\\begin{tabular}{|c|c|}", "\\end{tabular}",
      "\\caption{Below}", "\\label{tab:two}", "\\end{center}", "\\end{table}", "\\end{document}"},
     {"\\documentstyle"},
     3,
     RenderStatus::Ok,
     ""},
    // The caption is written without the float, as the user's document would get it.
    {"CaptionWithoutTableIsTheUsersError",
     TARGET_TABULAR,
     Options({{"Cap", "1"}, {"CapStr", "Lost"}}),
     "a",
     {"\\caption{Lost}", "\\begin{tabular}{|c|c|}"},
     {"\\begin{table}"},
     0,
     RenderStatus::TexError,
     "\\caption outside float"},
    {"ArrayWithoutMathGetsOurs",
     TARGET_ARRAY,
     {},
     "x",
     {"\\begin{document}", "\\(", "\\begin{array}{|c|c|}", "\\end{array}", "\\)",
      "\\end{document}"},
     {"\\[", "$"},
     0,
     RenderStatus::Ok,
     ""},
    {"ArrayBracesWithoutMath",
     TARGET_ARRAY,
     Options({{"Kakko", "2"}}),
     "x",
     {"\\(", "\\left\\{", "\\begin{array}{|c|c|}", "\\end{array}", "\\right\\}", "\\)"},
     {},
     0,
     RenderStatus::Ok,
     ""},
    {"ArrayInlineParentheses",
     TARGET_ARRAY,
     Options({{"Kakko", "1"}, {"Math", "1"}}),
     "x",
     {"$", "\\left(", "\\begin{array}{|c|c|}", "\\end{array}", "\\right)", "$"},
     {"\\("},
     0,
     RenderStatus::Ok,
     ""},
    {"ArrayDisplaySquareWithDoc",
     TARGET_ARRAY,
     Options({{"ArrayDoc", "1"}, {"Kakko", "3"}, {"Math", "2"}}),
     "x",
     {"\\[", "\\left[", "\\begin{array}{|c|c|}", "\\end{array}", "\\right]", "\\]",
      "\\end{document}"},
     {"\\documentstyle", "\\("},
     3,
     RenderStatus::Ok,
     ""},
    // A Math value the writer ignores leaves the array without math: ours goes around it.
    {"ArrayMathOutOfRange",
     TARGET_ARRAY,
     Options({{"Math", "7"}}),
     "x",
     {"\\(", "\\begin{array}{|c|c|}", "\\end{array}", "\\)"},
     {},
     0,
     RenderStatus::Ok,
     ""},
    // Doc set for tabular does not touch an array, and ArrayDoc does not touch a tabular.
    {"DocSwitchOfTheOtherTargetIgnored",
     TARGET_ARRAY,
     Options({{"Doc", "1"}}),
     "x",
     {"\\(", "\\begin{array}{|c|c|}"},
     {"\\documentstyle"},
     0,
     RenderStatus::Ok,
     ""},
    {"JapaneseTextUsesLuatexja",
     TARGET_TABULAR,
     Options({{"Table", "1"}}),
     "\x95\x5c", // 表
     {"\\documentclass{ltjarticle}", "\\begin{document}", "\\begin{table}[h]",
      "\\begin{tabular}{|c|c|}", "\xe8\xa1\xa8 & \xe8\xa1\xa8 \\\\"},
     {"\\pdfpagewidth", "\r"},
     0,
     RenderStatus::Ok,
     ""},
};

class WrapperDocument : public CRenderFixture,
                        public ::testing::WithParamInterface<CWrapperCase> {};

TEST_P(WrapperDocument, HoldsTheSourceAndCompiles) {
    const CWrapperCase& c = GetParam();
    auto t = std::make_unique<CTestTable>();
    t->Grid(1, 1, 2, 2, LINE_SINGLE);
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 2; ++x)
            t->Put(x, y, c.text);
    const CRenderSource src = Source(*t, c.target, c.options);
    EXPECT_EQ(src.sourceLineOffset, c.sourceLineOffset);
    const CTexDocument doc = BuildTexDocument(src, CPageSetup{});
    const std::vector<std::string> lines = SplitLines(doc.text);

    std::size_t at = 0;
    for (const std::string& want : c.inOrder) {
        const auto it =
            std::find(lines.begin() + static_cast<std::ptrdiff_t>(at), lines.end(), want);
        ASSERT_NE(it, lines.end()) << "missing or out of order: " << want << "\n" << doc.text;
        at = static_cast<std::size_t>(it - lines.begin()) + 1;
    }
    for (const std::string& no : c.absent)
        EXPECT_EQ(doc.text.find(no), std::string::npos) << no << "\n" << doc.text;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "\\begin{document}"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "\\end{document}"), 1);

    // The source is the writer's own text (document lines left out), starting at bodyFirstLine.
    COptionsRecord bare = c.options;
    (c.target == TARGET_ARRAY ? bare.ArrayDoc : bare.Doc) = 0;
    std::string generated = t->Generate(c.target, UsedRegion(t->cells, t->h, t->v), bare);
    std::erase(generated, '\r');
    const std::vector<std::string> body = SplitLines(Cp932ToUtf8(generated).value());
    ASSERT_EQ(doc.bodyLineCount, static_cast<int>(body.size()));
    ASSERT_LE(doc.bodyFirstLine - 1 + body.size(), lines.size());
    std::vector<std::string> inDoc;
    for (std::size_t i = 0; i < body.size(); ++i)
        inDoc.push_back(lines[doc.bodyFirstLine - 1 + i]);
    EXPECT_EQ(inDoc, body);

    if (src.engine == TexEngine::Lualatex)
        SKIP_WITHOUT_LUATEXJA();
    const CRenderResult r = Render(src, m_settings);
    ASSERT_EQ(r.status, c.compiled) << r.message;
    if (c.compiled == RenderStatus::Ok) {
        EXPECT_FALSE(FindInk(r.picture).Empty());
    } else {
        EXPECT_NE(r.message.find(c.messagePart), std::string::npos) << r.message;
    }
}

INSTANTIATE_TEST_SUITE_P(Options, WrapperDocument, ::testing::ValuesIn(WRAPPER_CASES),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
