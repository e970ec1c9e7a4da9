// LIKE on GBK text, through the driver manager and the stand-in.
//
// String literals are GBK in the binary (-fexec-charset=GBK); "\x.." escapes
// are raw bytes, used where a case needs bytes that are not whole characters.
#include <gtest/gtest.h>

#include <memory>

#include "odbc_test_support.h"

using namespace vo_test;

namespace {

class GbkLike : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        make_database(*dir_ / "Database1.mdb");
        env_ = new Environment;
        conn_ = new Connection(*env_);
        std::string file = (*dir_ / "Database1.mdb").string();
        SQLRETURN ret = conn_->driver_connect(access_connection_text(file));
        ASSERT_TRUE(SQL_SUCCEEDED(ret)) << conn_->diag();
    }
    static void TearDownTestSuite()
    {
        delete conn_;
        delete env_;
        delete dir_;
    }
    static std::optional<std::string> like(const std::optional<std::string> &subject,
                                           const std::optional<std::string> &pattern)
    {
        auto rows = conn_->query("SELECT ? LIKE ?", {subject, pattern});
        return rows.size() == 1 ? rows[0].at(0) : std::optional<std::string>("no row");
    }
    static std::optional<std::string> like(const std::optional<std::string> &subject,
                                           const std::optional<std::string> &pattern,
                                           const std::optional<std::string> &escape)
    {
        auto rows = conn_->query("SELECT ? LIKE ? ESCAPE ?", {subject, pattern, escape});
        return rows.size() == 1 ? rows[0].at(0) : std::optional<std::string>("no row");
    }

    static TempDir *dir_;
    static Environment *env_;
    static Connection *conn_;
};

TempDir *GbkLike::dir_;
Environment *GbkLike::env_;
Connection *GbkLike::conn_;

struct LikeCase {
    const char *what;
    std::optional<std::string> subject, pattern;
    std::optional<std::string> escape;  // nullopt: no ESCAPE clause
    bool matches;
};

// 丄 is 81 41 and 乤 is 81 61: the same but for the case of an ASCII letter
// in the second byte.  乢 is 81 5F, whose second byte is '_'; 乗 is 81 5C,
// whose second byte is '\'.  的单 is B5 C4 B5 A5, 单位 is B5 A5 CE BB.
const LikeCase like_cases[] = {
    {"whole character inside", "的单位", "%单%", {}, true},
    {"whole word", "单位信息", "单位信息", {}, true},
    {"prefix", "单位信息", "单位%", {}, true},
    {"suffix", "单位信息", "%信息", {}, true},
    {"other character", "单位信息", "%名%", {}, false},
    {"bytes straddling two characters", "的单", "%\xC4\xB5%", {}, false},
    {"straddling at the start", "单位", "\xA5\xCE%", {}, false},
    {"straddling in the middle", "单位", "%\xA5\xCE%", {}, false},
    {"straddling at the end", "的单", "%\xC4\xB5\xA5", {}, false},
    {"ASCII letters ignore case", "Beijing 北京", "beiJING%", {}, true},
    {"ASCII case between GBK", "单位ABC信息", "%abc%", {}, true},
    {"GBK second byte is not case-folded", "丄", "乤", {}, false},
    {"GBK second byte not folded inside", "x丄y", "%乤%", {}, false},
    {"_ is one two-byte character", "单位", "单_", {}, true},
    {"_ _ are two GBK characters", "单位", "__", {}, true},
    {"_ is not one byte", "单位", "___", {}, false},
    {"_ around a GBK character", "a单b", "_单_", {}, true},
    {"second byte 0x5F is not _", "丄", "乢", {}, false},
    {"lone lead byte at the end is a character", "a\xB5", "a_", {}, true},
    {"lone lead byte matches itself", "a\xB5", "a\xB5", {}, true},
    {"lone lead byte is not a whole character", "a\xB5", "a\xB5\xA5", {}, false},
    {"empty pattern, empty subject", "", "", {}, true},
    {"empty pattern, some subject", "单", "", {}, false},
    {"% matches nothing", "", "%", {}, true},
    {"%% and % mixed", "单位信息", "%%位%%息%", {}, true},
    {"% then _", "单位信息", "%_信息", {}, true},
    {"%_% needs a character", "", "%_%", {}, false},
    {"% backtracks", "单单位单位信", "%单位信", {}, true},
    {"% keeps order", "单位信息", "%信%单%", {}, false},
    {"escaped %", "100%", "100\\%", "\\", true},
    {"escaped % is literal", "1000", "100\\%", "\\", false},
    {"escaped _", "a_b", "a\\_b", "\\", true},
    {"escaped _ is literal", "axb", "a\\_b", "\\", false},
    {"escape escapes itself", "a\\b", "a\\\\b", "\\", true},
    {"GBK character as escape", "100%", "100单%", "单", true},
    {"GBK escape, wildcard stays literal", "100x", "100单%", "单", false},
    {"only the whole escape character escapes", "的x", "的_", "单", true},
    {"second byte 0x5C is not the escape", "乗x", "乗%", "\\", true},
    {"% as its own escape", "a%", "a%%", "%", true},
    {"trailing escape matches nothing", "a", "a\\", "\\", false},
};

TEST_F(GbkLike, MatchesByCharacter)
{
    for (const LikeCase &c : like_cases) {
        SCOPED_TRACE(c.what);
        auto got = c.escape ? like(c.subject, c.pattern, c.escape) : like(c.subject, c.pattern);
        EXPECT_EQ(got, std::optional<std::string>(c.matches ? "1" : "0"));
    }
}

TEST_F(GbkLike, NullInGivesNull)
{
    EXPECT_EQ(like(std::nullopt, "%"), std::nullopt);
    EXPECT_EQ(like("单", std::nullopt), std::nullopt);
    EXPECT_EQ(like("单", "%", std::nullopt), std::nullopt);
}

TEST_F(GbkLike, NumbersMatchTheirText)
{
    auto rows = conn_->query("SELECT 112 LIKE '%12%', 121 LIKE '%12', 12.5 LIKE '12._'");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{"1", "0", "1"}));
}

TEST_F(GbkLike, EscapeMustBeOneCharacter)
{
    for (const char *escape : {"", "ab", "单位", "\\\\"}) {
        SCOPED_TRACE(escape);
        std::string diag = conn_->failure("SELECT 'a' LIKE 'a' ESCAPE ?", {std::string(escape)});
        EXPECT_NE(diag.find("ESCAPE expression must be a single character"), std::string::npos)
            << diag;
    }
}

// A backtracking matcher that revisits every '%' takes exponential time here.
TEST_F(GbkLike, ManyPercentsStayFast)
{
    std::string pattern;
    for (int i = 0; i < 24; i++)
        pattern += "%单";
    pattern += "%b";
    std::string subject;
    for (int i = 0; i < 1500; i++)
        subject += "单";
    auto rows =
        conn_->query("SELECT ? LIKE ?, ? LIKE ?", {subject, pattern, subject + "b", pattern});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{"0", "1"}));
}

}  // namespace
