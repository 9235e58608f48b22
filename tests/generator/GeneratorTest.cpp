#include "TableFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct CUsedRegionCase {
    const char* name;
    std::function<void(CTestTable&)> fill;
    CCellRect expected;
};

TEST(UsedRegion, CoversRecordsSpansAndLines) {
    const CUsedRegionCase cases[] = {
        {"empty table", [](CTestTable&) {}, {1, 1, 1, 1}},
        {"record with its span", [](CTestTable& t) { t.Put(4, 2, "", 3, 2); }, {1, 1, 6, 3}},
        {"span clipped at 250",
         [](CTestTable& t) { t.Put(249, 250, "x", 5, 9); },
         {1, 1, 250, 250}},
        {"horizontal line counts the row above its edge",
         [](CTestTable& t) { t.h.SetLine(5, 8, LINE_SINGLE); },
         {1, 1, 5, 7}},
        {"top edge counts row 1",
         [](CTestTable& t) { t.h.SetLine(2, 1, LINE_DOUBLE); },
         {1, 1, 2, 1}},
        {"bottom edge of row 250",
         [](CTestTable& t) { t.h.SetLine(1, 251, LINE_SINGLE); },
         {1, 1, 1, 250}},
        {"vertical line counts the column left of its edge",
         [](CTestTable& t) { t.v.SetLine(3, 9, LINE_SINGLE); },
         {1, 1, 8, 3}},
        {"left edge counts column 1", [](CTestTable& t) { t.v.SetLine(6, 1, 7); }, {1, 1, 1, 6}},
        {"largest of all",
         [](CTestTable& t) {
             t.Put(2, 9, "a");
             t.v.SetLine(2, 12, LINE_SINGLE);
         },
         {1, 1, 11, 9}},
    };
    for (const CUsedRegionCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = std::make_unique<CTestTable>();
        c.fill(*t);
        t->Model();
        EXPECT_EQ(UsedRegion(t->cells, t->h, t->v), c.expected);
    }
}

} // namespace

namespace {

// Text of cell (c, r): lengths 0 to 12, with a few very long ones.
std::string BigTableText(int c, int r) {
    if (c == 7 && r == 3)
        return std::string(5000, 'L');
    if (c == 250 && r == 249)
        return std::string(65535, 'M');
    return std::string(static_cast<std::size_t>((c * 7 + r) % 13), static_cast<char>('a' + c % 26));
}

// Every cell of the full table holds a plain centred text; the output is long enough to pass
// through the writers' buffer many times.
TEST(Writers, FullTableOutputIsComplete) {
    auto t = std::make_unique<CTestTable>();
    for (int r = 1; r <= MAX_CELLS; ++r)
        for (int c = 1; c <= MAX_CELLS; ++c)
            t->Put(c, r, BigTableText(c, r));

    std::string latex = "\\begin{tabular}{" + std::string(MAX_CELLS, 'c') + "}\r\n";
    std::string html = "<TABLE>\r\n";
    for (int r = 1; r <= MAX_CELLS; ++r) {
        html += "<TR ALIGN=\"center\">";
        for (int c = 1; c <= MAX_CELLS; ++c) {
            const std::string text = BigTableText(c, r);
            latex += text + (c < MAX_CELLS ? " & " : " \\\\\r\n");
            html += " <TD>" + text + "</TD>";
        }
        html += " </TR>\r\n";
    }
    latex += "\\end{tabular}\r\n";
    html += "</TABLE>\r\n";

    const CCellRect all{1, 1, MAX_CELLS, MAX_CELLS};
    const std::string gotLatex = t->Generate(TARGET_TABULAR, all);
    EXPECT_EQ(gotLatex.size(), latex.size());
    EXPECT_TRUE(gotLatex == latex);
    const std::string gotHtml = t->Generate(TARGET_HTML, all);
    EXPECT_EQ(gotHtml.size(), html.size());
    EXPECT_TRUE(gotHtml == html);
}

} // namespace
