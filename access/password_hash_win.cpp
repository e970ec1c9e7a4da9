#include "access/password_hash.h"

#include <windows.h>
#include <bcrypt.h>

#include "access/verifier.h"
#include "ui/common/scoped.h"

namespace access_control {

namespace {

void closeAlgorithm(BCRYPT_ALG_HANDLE h) { BCryptCloseAlgorithmProvider(h, 0); }
using ScopedAlgorithm = ui::Scoped<BCRYPT_ALG_HANDLE, closeAlgorithm>;

PUCHAR bytesOf(std::string_view s) {
    // CNG takes non-const pointers but only reads the input; a zero-length
    // input still gets a valid pointer.
    static UCHAR none = 0;
    return s.empty() ? &none : reinterpret_cast<PUCHAR>(const_cast<char*>(s.data()));
}

}  // namespace

std::string pbkdf2Sha256(std::string_view password, std::string_view salt, std::uint64_t iterations,
                         std::size_t length) {
    ScopedAlgorithm prf;
    if (!BCRYPT_SUCCESS(
            BCryptOpenAlgorithmProvider(prf.out(), BCRYPT_SHA256_ALGORITHM, nullptr, BCRYPT_ALG_HANDLE_HMAC_FLAG)))
        return {};
    std::string key(length, '\0');
    const NTSTATUS status = BCryptDeriveKeyPBKDF2(
        prf.get(), bytesOf(password), static_cast<ULONG>(password.size()), bytesOf(salt),
        static_cast<ULONG>(salt.size()), iterations, reinterpret_cast<PUCHAR>(key.data()), static_cast<ULONG>(length), 0);
    return BCRYPT_SUCCESS(status) ? key : std::string();
}

std::string randomBytes(std::size_t count) {
    std::string out(count, '\0');
    const NTSTATUS status = BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(out.data()), static_cast<ULONG>(count),
                                            BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    return BCRYPT_SUCCESS(status) ? out : std::string();
}

std::string makeVerifierText(std::string_view password) {
    Verifier v;
    v.iterations = kVerifierIterations;
    v.salt = randomBytes(kSaltBytes);
    if (v.salt.size() != kSaltBytes) return {};
    v.hash = pbkdf2Sha256(password, v.salt, v.iterations, kHashBytes);
    if (v.hash.size() != kHashBytes) return {};
    return formatVerifier(v);
}

bool verifierAccepts(std::string_view verifierText, std::string_view password) {
    const auto v = parseVerifier(verifierText);
    if (!v) return false;
    const std::string hash = pbkdf2Sha256(password, v->salt, v->iterations, v->hash.size());
    return hash.size() == v->hash.size() && constantTimeEqual(hash, v->hash);
}

}  // namespace access_control
