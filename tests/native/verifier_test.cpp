#include <gtest/gtest.h>

#include "access/verifier.h"

using namespace access_control;

namespace {

std::string bytes(int first, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>(first + static_cast<int>(i));
    return s;
}

const std::string kSaltHex = "000102030405060708090a0b0c0d0e0f";
const std::string kHashHex = "a0a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4b5b6b7b8b9babbbcbdbebf";

}  // namespace

TEST(Verifier, TextFormAndBack) {
    const Verifier v{200000, bytes(0, 16), bytes(0xA0, 32)};
    const std::string text = formatVerifier(v);
    EXPECT_EQ(text, "pbkdf2-sha256$200000$" + kSaltHex + "$" + kHashHex);
    const auto back = parseVerifier(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->iterations, 200000u);
    EXPECT_EQ(back->salt, v.salt);
    EXPECT_EQ(back->hash, v.hash);
}

TEST(Verifier, AcceptsBoundsAndUpperCaseHex) {
    const std::string salt64(128, 'f');
    for (const std::string& text : {
             "pbkdf2-sha256$100000$" + kSaltHex + "$" + kHashHex,
             "pbkdf2-sha256$5000000$" + kSaltHex + "$" + kHashHex,
             "pbkdf2-sha256$200000$" + salt64 + "$" + kHashHex,
             "pbkdf2-sha256$200000$000102030405060708090A0B0C0D0E0F$" + kHashHex,
         })
        EXPECT_TRUE(parseVerifier(text)) << text;
}

TEST(Verifier, RefusesMalformedTexts) {
    const std::string tail = "$" + kSaltHex + "$" + kHashHex;
    for (const std::string& text : {
             std::string(),
             std::string("admin"),                                   // a password in clear
             "pbkdf2-sha1$200000" + tail,                            // another scheme
             "PBKDF2-SHA256$200000" + tail,
             "pbkdf2-sha256$200000$" + kSaltHex,                     // a part missing
             "pbkdf2-sha256$200000" + tail + "$",                    // a part too many
             "pbkdf2-sha256$200000" + tail + "\r\n",                 // line break left in
             " pbkdf2-sha256$200000" + tail,
             "pbkdf2-sha256$$" + kSaltHex + "$" + kHashHex,          // iterations
             "pbkdf2-sha256$99999" + tail,
             "pbkdf2-sha256$5000001" + tail,
             "pbkdf2-sha256$0200000" + tail,
             "pbkdf2-sha256$+200000" + tail,
             "pbkdf2-sha256$200000 " + tail,
             "pbkdf2-sha256$4294967496" + tail,
             "pbkdf2-sha256$200000$00010203040506070809" "0a0b0c0d0e$" + kHashHex,  // salt of 15 bytes
             "pbkdf2-sha256$200000$" + std::string(130, 'f') + "$" + kHashHex,      // salt of 65 bytes
             "pbkdf2-sha256$200000$" + kSaltHex + "0$" + kHashHex,                  // odd hex
             "pbkdf2-sha256$200000$" + kSaltHex.substr(2) + "zz$" + kHashHex,       // not hex
             "pbkdf2-sha256$200000$" + kSaltHex + "$" + kHashHex.substr(2),         // hash of 31 bytes
             "pbkdf2-sha256$200000$" + kSaltHex + "$" + kHashHex + "00",            // hash of 33 bytes
         })
        EXPECT_FALSE(parseVerifier(text)) << text;
}

TEST(Verifier, Hex) {
    EXPECT_EQ(toHex(std::string("\x00\x7f\x80\xff", 4)), "007f80ff");
    EXPECT_EQ(toHex(""), "");
    EXPECT_EQ(fromHex("007F80ff"), std::string("\x00\x7f\x80\xff", 4));
    EXPECT_EQ(fromHex(""), std::string());
    for (const char* bad : {"0", "0g", "-1", " 01", "0x01"}) EXPECT_FALSE(fromHex(bad)) << bad;
}

TEST(Verifier, ConstantTimeEqual) {
    const std::string a = bytes(0xA0, 32);
    std::string first = a, last = a;
    first[0] ^= 1;
    last[31] ^= static_cast<char>(0x80);
    EXPECT_TRUE(constantTimeEqual(a, bytes(0xA0, 32)));
    EXPECT_TRUE(constantTimeEqual("", ""));
    EXPECT_FALSE(constantTimeEqual(a, first));
    EXPECT_FALSE(constantTimeEqual(a, last));
    EXPECT_FALSE(constantTimeEqual(a, a.substr(0, 31)));
    EXPECT_FALSE(constantTimeEqual(a, a + '\0'));
}
