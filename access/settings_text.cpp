#include "access/settings_text.h"

#include "records/gbk.h"

namespace access_control {

namespace {

void eraseFirst(std::string& s, char c) {
    const auto at = s.find(c);
    if (at != std::string::npos) s.erase(at, 1);
}

bool isSpaceAt(std::string_view s, std::size_t i, std::size_t length) {
    if (length == 1) return s[i] == ' ';
    return static_cast<unsigned char>(s[i]) == 0xA1 && static_cast<unsigned char>(s[i + 1]) == 0xA1;
}

// Walks whole characters from the start, so that an A1 byte pair that
// straddles two characters is never taken for a full-width space.
std::string trimSpaces(std::string_view s) {
    std::size_t begin = std::string_view::npos, end = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = records::gbkCharLength(s, i);
        if (!isSpaceAt(s, i, n)) {
            if (begin == std::string_view::npos) begin = i;
            end = i + n;
        }
        i += n;
    }
    return begin == std::string_view::npos ? std::string() : std::string(s.substr(begin, end - begin));
}

}  // namespace

std::string prepareStoredText(std::string_view text) {
    std::string s(text);
    eraseFirst(s, '\r');
    eraseFirst(s, '\n');
    return trimSpaces(s);
}

bool flagTextIsSet(std::string_view text) { return prepareStoredText(text) == kFlagSetText; }

}  // namespace access_control
