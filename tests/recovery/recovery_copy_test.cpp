#include "RecoveryTestUtil.h"

using namespace rectest;

TEST(RecoveryCopy, RoundTripOfEveryKind) {
    const std::string table = TableBytes({"Wert", "$x^2$", doctest::Cp932("表")});
    const CProcessId owner = CProcessId::Self();
    const CRecoveryHeader headers[] = {
        Header(CRecoveryHeader::Native, "/home/u/tables/a b.brd", owner),
        Header(CRecoveryHeader::Imported, "/home/u/list.csv", owner),
        Header(CRecoveryHeader::Untitled, "", owner),
        Header(CRecoveryHeader::Untitled, "/home/u/Untitled", owner),
        // Linux allows a line break in a file name.
        Header(CRecoveryHeader::Native, "/tmp/two\nlines.brd", owner),
    };
    for (const CRecoveryHeader& h : headers) {
        SCOPED_TRACE(h.path);
        std::string reason;
        const std::optional<CRecoveryCopy> copy =
            DecodeRecoveryCopy(EncodeRecoveryCopy(h, table), reason);
        ASSERT_TRUE(copy.has_value()) << reason;
        EXPECT_EQ(copy->header, h);
        EXPECT_EQ(copy->nativeBytes, table);
    }
}

TEST(RecoveryCopy, TheHeaderReadsAsText) {
    const CProcessId owner{1234, 5678, std::string(32, 'a')};
    const std::string bytes = EncodeRecoveryCopy(
        Header(CRecoveryHeader::Native, "/t/a.brd", owner, 1700000000), TableBytes({}));
    EXPECT_EQ(bytes.substr(0, bytes.find("data ")), "Visual Brindle recovery copy 1\n"
                                                    "owner 1234-5678-" +
                                                        std::string(32, 'a') +
                                                        "\n"
                                                        "saved 1700000000\n"
                                                        "kind native\n"
                                                        "path 8\n"
                                                        "/t/a.brd\n");
    // An empty table with one line: 550 bytes and one 3-byte line entry.
    EXPECT_EQ(bytes.substr(bytes.find("data ")).substr(0, 9), "data 553\n");
}

TEST(RecoveryCopy, DamagedCopiesNameTheirFault) {
    const CProcessId owner = CProcessId::Self();
    const std::string table = TableBytes({"abc"});
    const std::string good =
        EncodeRecoveryCopy(Header(CRecoveryHeader::Native, "/t/a.brd", owner), table);
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    // Cut inside the table, with the length line still saying the whole size.
    std::string cutTable = good.substr(0, good.size() - 3);
    // The length line agrees with a table that itself ends early.
    const std::string shortTable = table.substr(0, table.size() - 2);
    const std::string shortAgreed =
        EncodeRecoveryCopy(Header(CRecoveryHeader::Native, "/t/a.brd", owner), shortTable);
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"empty file", "", "the copy ends early"},
        {"cut in the first line", good.substr(0, 10), "the copy ends early"},
        {"another file", "\x1A\x1A" + table, "it is not a recovery copy"},
        {"a later version", replaced("copy 1\n", "copy 2\n"), "it is not a recovery copy"},
        {"owner missing", replaced("owner ", "ownr "), "the line \"owner\" is missing"},
        {"owner no process", replaced("owner " + owner.ToString(), "owner me"),
         "the owner is not a process"},
        {"time no number", replaced("saved ", "saved x"), "the line \"saved\" holds no number"},
        {"kind unknown", replaced("kind native", "kind other"), "the kind \"other\" is unknown"},
        {"path longer than the file", replaced("path 8\n", "path 99999\n"), "the copy ends early"},
        {"native without a path", replaced("path 8\n/t/a.brd\n", "path 0\n\n"),
         "the path is missing"},
        {"table cut off", cutTable, "the copy ends early"},
        {"table ends early", shortAgreed, "its table ends early"},
        {"bytes after the table", good + "x", "bytes follow its table"},
        {"table in another format",
         EncodeRecoveryCopy(Header(CRecoveryHeader::Native, "/t/a.brd", owner), "a,b\n"),
         "its table is not in the native format"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string reason;
        EXPECT_FALSE(DecodeRecoveryCopy(c.bytes, reason).has_value());
        EXPECT_EQ(reason, c.reason);
    }
}

TEST(RecoveryCopy, NameAndTimeForTheQuestion) {
    const CProcessId owner = CProcessId::Self();
    EXPECT_EQ(RecoveryDocumentName(Header(CRecoveryHeader::Native, "/home/u/a.brd", owner)),
              "a.brd");
    EXPECT_EQ(RecoveryDocumentName(Header(CRecoveryHeader::Imported, "list.csv", owner)),
              "list.csv");
    EXPECT_EQ(RecoveryDocumentName(Header(CRecoveryHeader::Untitled, "", owner)), "Untitled");
    EXPECT_EQ(RecoveryDocumentName(Header(CRecoveryHeader::Untitled, "/w/Untitled", owner)),
              "Untitled");
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(RecoveryTimeText(1700000000), "2023/11/14 22:13:20");
}
