#include "access/key_path.h"

#include "records/gbk.h"

namespace access_control {

namespace {

std::string upperAscii(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = records::gbkCharLength(out, i);
        if (n == 1 && out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
        i += n;
    }
    return out;
}

}  // namespace

KeyPath parseKeyPath(std::string_view path) {
    static const char* const names[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_CONFIG", "HKEY_CURRENT_USER",
                                        "HKEY_LOCAL_MACHINE", "HKEY_USERS"};
    KeyPath k;
    const auto p = path.find('\\');
    if (p == std::string_view::npos) return k;
    const std::string root = upperAscii(path.substr(0, p));
    for (int i = 0; i < 5; ++i) {
        if (root == names[i]) {
            k.root = static_cast<Root>(i);
            k.subkey = std::string(path.substr(p + 1));
            break;
        }
    }
    return k;
}

}  // namespace access_control
