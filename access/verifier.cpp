#include "access/verifier.h"

#include <vector>

namespace access_control {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = s.find(sep);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

// Plain decimal digits only: no sign, no blanks, no leading zero.
std::optional<std::uint32_t> parseIterations(std::string_view s) {
    if (s.empty() || s.size() > 9 || s[0] == '0') return std::nullopt;
    std::uint32_t n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (n < kMinVerifierIterations || n > kMaxVerifierIterations) return std::nullopt;
    return n;
}

}  // namespace

std::string toHex(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::optional<std::string> fromHex(std::string_view hex) {
    if (hex.size() % 2) return std::nullopt;
    std::string out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = hexDigit(hex[i]), lo = hexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

std::string formatVerifier(const Verifier& v) {
    return std::string(kVerifierScheme) + '$' + std::to_string(v.iterations) + '$' + toHex(v.salt) + '$' +
           toHex(v.hash);
}

std::optional<Verifier> parseVerifier(std::string_view text) {
    const auto parts = split(text, '$');
    if (parts.size() != 4 || parts[0] != kVerifierScheme) return std::nullopt;
    const auto iterations = parseIterations(parts[1]);
    auto salt = fromHex(parts[2]);
    auto hash = fromHex(parts[3]);
    if (!iterations || !salt || !hash) return std::nullopt;
    if (salt->size() < kSaltBytes || salt->size() > kMaxSaltBytes || hash->size() != kHashBytes) return std::nullopt;
    return Verifier{*iterations, std::move(*salt), std::move(*hash)};
}

bool constantTimeEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;  // the length of a hash is no secret
    unsigned char diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(static_cast<unsigned char>(a[i]) ^ static_cast<unsigned char>(b[i]));
    return diff == 0;
}

}  // namespace access_control
