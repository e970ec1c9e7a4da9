// The stored form of a password: never the password itself but a salted,
// slow hash of it, kept as one ASCII text that names its scheme:
//   pbkdf2-sha256$<iterations>$<salt hex>$<hash hex>
// Making and checking the hash needs the platform's cryptography
// (password_hash.h); this part only writes and reads the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace access_control {

inline constexpr char kVerifierScheme[] = "pbkdf2-sha256";
inline constexpr std::uint32_t kVerifierIterations = 200000;
// Below this a stored verifier is too cheap to guess against; above the
// upper bound a planted value would stall every login.
inline constexpr std::uint32_t kMinVerifierIterations = 100000;
inline constexpr std::uint32_t kMaxVerifierIterations = 5000000;
inline constexpr std::size_t kSaltBytes = 16;
inline constexpr std::size_t kMaxSaltBytes = 64;
inline constexpr std::size_t kHashBytes = 32;

struct Verifier {
    std::uint32_t iterations = 0;
    std::string salt;  // raw bytes
    std::string hash;  // raw bytes, kHashBytes long
};

std::string formatVerifier(const Verifier& v);
// Nothing when the text is not a well-formed verifier of the one scheme.
std::optional<Verifier> parseVerifier(std::string_view text);

// Lower-case hex of raw bytes, and back (either case; nothing when not hex).
std::string toHex(std::string_view bytes);
std::optional<std::string> fromHex(std::string_view hex);

// Compares every byte whatever the first difference, so the time taken
// tells nothing about where two equally long hashes differ.
bool constantTimeEqual(std::string_view a, std::string_view b);

}  // namespace access_control
