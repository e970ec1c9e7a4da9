// Making and checking password verifiers with the platform's cryptography
// (CNG): PBKDF2 with HMAC-SHA256 over a random salt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace access_control {

// The derived key, `length` bytes; empty when the platform fails.
std::string pbkdf2Sha256(std::string_view password, std::string_view salt, std::uint64_t iterations,
                         std::size_t length);

// `count` bytes from the system's random number generator; empty on failure.
std::string randomBytes(std::size_t count);

// The verifier text of `password` with a fresh salt; empty on failure.
std::string makeVerifierText(std::string_view password);

// Whether `verifierText` is a well-formed verifier of `password`. A malformed
// text accepts nothing.
bool verifierAccepts(std::string_view verifierText, std::string_view password);

}  // namespace access_control
