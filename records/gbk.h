// GBK (code page 936) byte-string helpers: a byte 0x81..0xFE starts a
// two-byte character; every other byte is a character of its own.
#pragma once

#include <cstddef>
#include <string_view>

namespace records {

inline bool isGbkLead(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x81 && b <= 0xFE;
}

// Length in bytes (1 or 2) of the character starting at s[i]; a lead byte
// at the very end counts as a character of its own.
inline std::size_t gbkCharLength(std::string_view s, std::size_t i) {
    return isGbkLead(s[i]) && i + 1 < s.size() ? 2 : 1;
}

// Position of the last single-byte character `c`, never a second byte of a
// double-byte character; npos when there is none.
inline std::size_t gbkFindLast(std::string_view s, char c) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < s.size(); i += gbkCharLength(s, i))
        if (s[i] == c) found = i;
    return found;
}

}  // namespace records
