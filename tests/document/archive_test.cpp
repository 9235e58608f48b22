#include "Archive.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(Archive, LittleEndianRoundTripOverBuffer) {
    std::string bytes;
    CArchiveWriter w(bytes);
    w.WriteByte(0x1A);
    w.WriteWord(0x1234);
    w.WriteDword(0xA1B2C3D4u);
    w.WriteBytes("ab");
    EXPECT_EQ(bytes, std::string("\x1A\x34\x12\xD4\xC3\xB2\xA1"
                                 "ab",
                                 9));
    CArchiveReader r(bytes);
    EXPECT_EQ(r.ReadByte(), 0x1A);
    EXPECT_EQ(r.ReadWord(), 0x1234);
    EXPECT_EQ(r.ReadDword(), 0xA1B2C3D4u);
    EXPECT_EQ(r.ReadBytes(2), "ab");
    EXPECT_TRUE(r.AtEnd());
    try {
        r.ReadByte();
        FAIL() << "expected end of file";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
    }
}

TEST(Archive, ReadPastEndInsideAWordRaisesEndOfFile) {
    CArchiveReader r(std::string_view("\x01", 1));
    EXPECT_THROW(r.ReadWord(), CArchiveException);
}

TEST(Archive, FileReaderCrossesBufferBoundariesAndRewinds) {
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    {
        CArchiveWriter w(f);
        for (int i = 0; i < 5000; ++i)
            w.WriteWord(static_cast<std::uint16_t>(i));
        w.Flush();
    }
    std::rewind(f);
    CArchiveReader r(f);
    EXPECT_EQ(r.Length(), 10000u);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(r.ReadWord(), i);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_THROW(r.ReadByte(), CArchiveException);
    r.Rewind();
    EXPECT_EQ(r.ReadWord(), 0);
    std::fclose(f);
}
