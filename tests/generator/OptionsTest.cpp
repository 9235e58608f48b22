#include "Options.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionsRecord, FirstStartValues) {
    const COptionsRecord o;
    for (const COptionField& f : OPTION_FIELDS) {
        SCOPED_TRACE(f.name);
        if (f.intMember)
            EXPECT_EQ(o.*f.intMember, 0);
        else
            EXPECT_EQ(o.*f.stringMember, "");
    }
}

TEST(OptionsRecord, FieldsByKeyInRecordOrder) {
    const char* names[] = {"Doc",      "Com",  "Label",     "Table",    "LabelPos",
                           "LabelStr", "Cap",  "CapStr",    "ArrayCom", "ArrayDoc",
                           "Kakko",    "Math", "BorderHTML"};
    ASSERT_EQ(std::size(names), OPTION_FIELDS.size());
    for (std::size_t i = 0; i < OPTION_FIELDS.size(); ++i)
        EXPECT_STREQ(OPTION_FIELDS[i].name, names[i]);

    COptionsRecord o;
    o.*FindOptionField("Kakko")->intMember = 3;
    o.*FindOptionField("CapStr")->stringMember = "c";
    EXPECT_EQ(o.Kakko, 3);
    EXPECT_EQ(o.CapStr, "c");
    EXPECT_EQ(FindOptionField("kakko"), nullptr);
    EXPECT_EQ(FindOptionField(""), nullptr);
}

} // namespace
