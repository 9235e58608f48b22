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
    // Tag characters (U+E0000..U+E007F) would otherwise vanish without a word.
    EXPECT_FALSE(Utf8ToCp932("tag \xF3\xA0\x80\x81").has_value());
    EXPECT_FALSE(Utf8ToCp932("\xF3\xA0\x81\xBF end").has_value());
}

TEST(TextCodec, TruncateNeverCutsADoubleByteCharacter) {
    const std::string s = "a\x82\xA0\x82\xA2"; // a, two double-byte characters
    EXPECT_EQ(Cp932Truncate(s, 10), s);
    EXPECT_EQ(Cp932Truncate(s, 3), "a\x82\xA0");
    EXPECT_EQ(Cp932Truncate(s, 2), "a");
    EXPECT_EQ(Cp932Truncate(s, 0), "");
}

TEST(TextCodec, DetectsTheEncodingOfAWholeFile) {
    struct Case {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
        std::size_t bom;
    };
    const Case cases[] = {
        {"empty", "", TextEncoding::Utf8, 0},
        {"ascii", "a,b\r\n1,2\r\n", TextEncoding::Utf8, 0},
        {"utf8", "表,日本語\n", TextEncoding::Utf8, 0},
        {"utf8 with bom", "\xEF\xBB\xBF表\n", TextEncoding::Utf8, 3},
        {"bom only", "\xEF\xBB\xBF", TextEncoding::Utf8, 3},
        {"cp932", "\x95\x5C,\x93\xfa\x96\x7b\n", TextEncoding::Cp932, 0},
        {"cp932 after a bom", "\xEF\xBB\xBF\x95\x5C", TextEncoding::Cp932, 0},
        {"cut utf8 at the end", "\xE8\xA1", TextEncoding::Cp932, 0},
        {"overlong", "\xC0\xAF", TextEncoding::Cp932, 0},
        {"surrogate", "\xED\xA0\x80", TextEncoding::Cp932, 0},
        {"above U+10FFFF", "\xF4\x90\x80\x80", TextEncoding::Cp932, 0},
        {"four bytes", "\xF0\x9F\x98\x80", TextEncoding::Utf8, 0},
        // The shortest code page 932 texts that are valid UTF-8 by accident are pairs of
        // half-width katakana, a lead C2..DF then A1..BF: valid UTF-8 wins ("\xCE\xB1" is
        // the Greek alpha, not ﾎｱ); `--encoding cp932` reads such a file as written.
        {"katakana pair valid as utf8", "\xCE\xB1", TextEncoding::Utf8, 0},
        {"katakana pair in the other order", "\xB1\xCE", TextEncoding::Cp932, 0},
        {"one katakana", "\xB1", TextEncoding::Cp932, 0},
        // Decided once for the whole file: one line that is not UTF-8 makes all of it cp932.
        {"accidental pair beside kanji", "\xCE\xB1\n\x95\x5C\n", TextEncoding::Cp932, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CTextEncoding got = DetectTextEncoding(c.bytes);
        EXPECT_EQ(got.encoding, c.encoding);
        EXPECT_EQ(got.bomLength, c.bom);
    }
}
