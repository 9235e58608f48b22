#include "DecodeOptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A page whose controls are a plain copy of its members.
template <class T> class CFakePage : public IOptionPage {
public:
    explicit CFakePage(T& members) : m_members(members) {}
    T controls;
    int loads = 0;
    bool refuse = false;

    bool Exchange(bool save) override {
        if (!save) {
            controls = m_members;
            ++loads;
            return true;
        }
        if (refuse)
            return false;
        m_members = controls;
        return true;
    }

private:
    T& m_members;
};

struct Sheet {
    COptionsRecord record;
    CDecodeOpData data{record};
    CFakePage<COptionPage1Data> page1{data.m_page1};
    CFakePage<COptionPage2Data> page2{data.m_page2};
    CFakePage<COptionPage3Data> page3{data.m_page3};
    COptionSheetRun run{data, {&page1, &page2, &page3}};
};

COptionsRecord Stored() {
    COptionsRecord o;
    o.Doc = 1;
    o.CapStr = "cap";
    o.LabelPos = 1;
    o.Kakko = 2;
    o.BorderHTML = 1;
    return o;
}

struct SheetCase {
    const char* name;
    std::function<void(Sheet&)> user;
    std::function<void(COptionsRecord&)> expect; // changes to the stored record
};

void PrintTo(const SheetCase& c, std::ostream* os) {
    *os << c.name;
}

class SheetSemantics : public ::testing::TestWithParam<SheetCase> {};

TEST_P(SheetSemantics, RecordAfterClose) {
    const SheetCase& c = GetParam();
    SCOPED_TRACE(c.name);
    Sheet s;
    s.data.m_options = Stored();
    s.run.Open();
    c.user(s);
    EXPECT_FALSE(s.run.IsOpen());
    COptionsRecord expected = Stored();
    c.expect(expected);
    EXPECT_EQ(s.data.m_options, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SheetSemantics,
    ::testing::Values(SheetCase{"OkKeepsThePageOnShow",
                                [](Sheet& s) {
                                    s.page1.controls.Doc = 0;
                                    s.page1.controls.CapStr = "new";
                                    ASSERT_TRUE(s.run.Ok());
                                },
                                [](COptionsRecord& o) {
                                    o.Doc = 0;
                                    o.CapStr = "new";
                                }},
                      SheetCase{"CancelDropsThePageOnShow",
                                [](Sheet& s) {
                                    s.page1.controls.Doc = 0;
                                    s.run.Cancel();
                                },
                                [](COptionsRecord&) {}},
                      SheetCase{"CancelKeepsAPageLeftForAnotherTab",
                                [](Sheet& s) {
                                    ASSERT_TRUE(s.run.SelectPage(1));
                                    s.page2.controls.Kakko = 3;
                                    ASSERT_TRUE(s.run.SelectPage(0));
                                    s.page1.controls.Doc = 0;
                                    s.run.Cancel();
                                },
                                [](COptionsRecord& o) { o.Kakko = 3; }},
                      SheetCase{"CancelDropsOnlyChangesSinceThePageWasLastEntered",
                                [](Sheet& s) {
                                    s.page1.controls.Table = 1;
                                    ASSERT_TRUE(s.run.SelectPage(2));
                                    ASSERT_TRUE(s.run.SelectPage(0));
                                    s.page1.controls.Cap = 1;
                                    s.run.Cancel();
                                },
                                [](COptionsRecord& o) { o.Table = 1; }},
                      SheetCase{"OkOnAnotherPageKeepsBoth",
                                [](Sheet& s) {
                                    s.page1.controls.Com = 1;
                                    ASSERT_TRUE(s.run.SelectPage(2));
                                    s.page3.controls.BorderHTML = 0;
                                    ASSERT_TRUE(s.run.Ok());
                                },
                                [](COptionsRecord& o) {
                                    o.Com = 1;
                                    o.BorderHTML = 0;
                                }},
                      SheetCase{"UntouchedOutOfRangeValuesSurvive",
                                [](Sheet& s) {
                                    s.data.m_options.LabelPos =
                                        -1; // as if loaded from edited settings
                                    s.run.Open();
                                    ASSERT_TRUE(s.run.SelectPage(1));
                                    ASSERT_TRUE(s.run.Ok());
                                },
                                [](COptionsRecord& o) { o.LabelPos = -1; }}),
    [](const ::testing::TestParamInfo<SheetCase>& p) { return p.param.name; });

TEST(OptionSheetRun, PagesLoadTheirControlsOnceWhenFirstShown) {
    Sheet s;
    s.data.m_options = Stored();
    s.run.Open();
    EXPECT_EQ(s.page1.loads, 1);
    EXPECT_EQ(s.page2.loads, 0);
    EXPECT_EQ(s.page1.controls.CapStr, "cap");
    ASSERT_TRUE(s.run.SelectPage(1));
    EXPECT_EQ(s.page2.controls.Kakko, 2);
    ASSERT_TRUE(s.run.SelectPage(0));
    ASSERT_TRUE(s.run.SelectPage(1));
    EXPECT_EQ(s.page1.loads, 1);
    EXPECT_EQ(s.page2.loads, 1);
    EXPECT_EQ(s.page3.loads, 0);
    s.run.Cancel();

    // A new run starts over from the record.
    s.run.Open(2);
    EXPECT_EQ(s.run.CurrentPage(), 2);
    EXPECT_EQ(s.page3.loads, 1);
    EXPECT_EQ(s.page1.loads, 1);
}

TEST(OptionSheetRun, APageThatRefusesItsValuesStaysOnShow) {
    Sheet s;
    s.data.m_options = Stored();
    s.run.Open();
    s.page1.controls.Doc = 0;
    s.page1.refuse = true;
    EXPECT_FALSE(s.run.SelectPage(1));
    EXPECT_EQ(s.run.CurrentPage(), 0);
    EXPECT_FALSE(s.run.Ok());
    EXPECT_TRUE(s.run.IsOpen());
    s.run.Cancel();
    EXPECT_FALSE(s.run.IsOpen());
    EXPECT_EQ(s.data.m_options, Stored());
}

TEST(DecodeOpData, CopiesEveryMemberBothWays) {
    COptionsRecord record;
    CDecodeOpData d(record);
    COptionsRecord o;
    int v = 1;
    for (const COptionField& f : OPTION_FIELDS) {
        if (f.intMember)
            o.*f.intMember = ++v;
        else
            o.*f.stringMember = std::string(f.name) + "!";
    }
    d.m_options = o;
    d.CopyToPages();
    d.m_options = {};
    d.CopyFromPages();
    EXPECT_EQ(d.m_options, o);
}

} // namespace
