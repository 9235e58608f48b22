#include "TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, RoundTripsJapaneseThroughCodePage932) {
    const std::string utf8 = "現在編集中のデータ ABC ｶﾅ";
    const auto cp932 = Utf8ToCp932(utf8);
    ASSERT_TRUE(cp932.has_value());
    EXPECT_EQ(cp932->substr(0, 2), "\x8C\xBB"); // 現
    EXPECT_EQ(Cp932ToUtf8(*cp932), utf8);
}

TEST(TextCodec, RefusesWhatTheOtherSideCannotHold) {
    EXPECT_FALSE(Utf8ToCp932("emoji \xF0\x9F\x98\x80").has_value());
    EXPECT_FALSE(Utf8ToCp932("\xFF broken utf-8").has_value());
    EXPECT_FALSE(Cp932ToUtf8("cut lead byte \x82").has_value());
}

TEST(TextCodec, TruncateNeverCutsADoubleByteCharacter) {
    const std::string s = "a\x82\xA0\x82\xA2"; // a, two double-byte characters
    EXPECT_EQ(Cp932Truncate(s, 10), s);
    EXPECT_EQ(Cp932Truncate(s, 3), "a\x82\xA0");
    EXPECT_EQ(Cp932Truncate(s, 2), "a");
    EXPECT_EQ(Cp932Truncate(s, 0), "");
}
