#include <gtest/gtest.h>

#include "access/settings_text.h"

using access_control::flagTextIsSet;
using access_control::prepareStoredText;

namespace {

struct PrepareCase {
    const char* stored;
    const char* prepared;
};

const PrepareCase kPrepared[] = {
    {"abc", "abc"},
    {"", ""},
    // A value stored with its terminating zero reads back with "\r\n".
    {"abc\r\n", "abc"},
    // Only the first CR and the first LF go, wherever they stand.
    {"\r\nabc\r\n", "abc\r\n"},
    {"a\rb\nc", "abc"},
    {"\n\rabc", "abc"},
    {"abc\r\r", "abc\r"},
    // ASCII and full-width spaces, at either end, in any mix; inner ones stay.
    {"  a b  ", "a b"},
    {"　abc　　", "abc"},
    {" 　 a　b \r\n", "a　b"},
    {"\xA1\xA1" "1" "\xA1\xA1", "1"},
    {"   ", ""},
    {"　", ""},
    // Tabs are no spaces.
    {"\tabc\t", "\tabc\t"},
    // GBK character by character: the A1 pair here is the tail of 啊 (B0 A1)
    // and a lone A1, not a full-width space.
    {"\xB0\xA1\xA1", "\xB0\xA1\xA1"},
    {"\xB0\xA1\xA1\xA1\xA1", "\xB0\xA1\xA1\xA1\xA1"},
    {"啊　", "啊"},
};

}  // namespace

TEST(StoredText, FirstLineBreakAndOuterSpacesGo) {
    for (const PrepareCase& c : kPrepared) EXPECT_EQ(prepareStoredText(c.stored), c.prepared) << c.stored;
}

TEST(StoredText, FlagIsSetOnlyForOne) {
    for (const char* set : {"1", "1\r\n", " 1 ", "　1　", "\r\n1", " 1\r\n"}) EXPECT_TRUE(flagTextIsSet(set)) << set;
    for (const char* notSet : {"", "0", "11", "1 1", "1\r\n\r\n", "\t1", "１", "true", "\r\n"})
        EXPECT_FALSE(flagTextIsSet(notSet)) << notSet;
}

TEST(StoredText, LiteralsAreGbk) {
    // The full-width space of the sources must reach the binary as A1 A1.
    EXPECT_EQ(std::string("　"), "\xA1\xA1");
}
