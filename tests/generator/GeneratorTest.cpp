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
