// PBKDF2-HMAC-SHA256 through the platform's cryptography, and the verifiers made with it.
#include <gtest/gtest.h>

#include "access/password_hash.h"
#include "access/verifier.h"

using namespace access_control;

TEST(PasswordHash, PublishedVectors) {
    struct Vector {
        std::string password, salt;
        std::uint64_t iterations;
        std::size_t length;
        const char* key;
    };
    const Vector vectors[] = {
        {"password", "salt", 1, 32, "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b"},
        {"password", "salt", 2, 32, "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43"},
        {"password", "salt", 4096, 32, "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a"},
        {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 40,
         "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9"},
        {std::string("pass\0word", 9), std::string("sa\0lt", 5), 4096, 16, "89b69d0516f829893c696226650a8687"},
        {"passwd", "salt", 1, 64,
         "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
         "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"},
        {"Password", "NaCl", 80000, 64,
         "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
         "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d"},
    };
    for (const Vector& v : vectors)
        EXPECT_EQ(toHex(pbkdf2Sha256(v.password, v.salt, v.iterations, v.length)), v.key)
            << v.password << " / " << v.salt << " / " << v.iterations;
}

TEST(PasswordHash, RandomBytesDiffer) {
    const std::string a = randomBytes(16), b = randomBytes(16);
    EXPECT_EQ(a.size(), 16u);
    EXPECT_NE(a, b);
}

TEST(PasswordHash, VerifierAcceptsOnlyItsPassword) {
    const std::string text = makeVerifierText("x");
    const auto v = parseVerifier(text);
    ASSERT_TRUE(v) << text;
    EXPECT_GE(v->iterations, kMinVerifierIterations);
    EXPECT_GE(v->salt.size(), 16u);
    EXPECT_EQ(text.find('x', std::string(kVerifierScheme).size()), std::string::npos) << "password in clear";
    EXPECT_TRUE(verifierAccepts(text, "x"));
    for (const char* other : {"X", "x ", "", "xx", "admin"}) EXPECT_FALSE(verifierAccepts(text, other)) << other;
    // A fresh salt each time: the same password never gives the same text.
    const std::string again = makeVerifierText("x");
    EXPECT_NE(again, text);
    EXPECT_TRUE(verifierAccepts(again, "x"));
}

TEST(PasswordHash, GbkPasswordsAreHashedAsTheirBytes) {
    const std::string text = makeVerifierText("密码　1");
    EXPECT_TRUE(verifierAccepts(text, "密码　1"));
    EXPECT_FALSE(verifierAccepts(text, "密码 1"));
    const auto v = parseVerifier(text);
    ASSERT_TRUE(v);
    EXPECT_EQ(pbkdf2Sha256("\xC3\xDC\xC2\xEB\xA1\xA1" "1", v->salt, v->iterations, 32), v->hash);
}

TEST(PasswordHash, MalformedOrTamperedVerifiersAcceptNothing) {
    std::string text = makeVerifierText("admin");
    ASSERT_TRUE(verifierAccepts(text, "admin"));
    std::string flipped = text;
    flipped.back() = flipped.back() == '0' ? '1' : '0';
    std::string saltChanged = text;
    saltChanged[std::string("pbkdf2-sha256$200000$").size()] ^= 1;
    for (const std::string& bad : {std::string("admin"), std::string(), flipped, saltChanged, text + "\r\n"})
        EXPECT_FALSE(verifierAccepts(bad, "admin")) << bad;
}
