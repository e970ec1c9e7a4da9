#include "access/registry.h"

#include <vector>

#include "access/key_path.h"
#include "ui/common/scoped.h"

namespace {

HKEY predefined(access_control::Root r) {
    switch (r) {
    case access_control::Root::ClassesRoot: return HKEY_CLASSES_ROOT;
    case access_control::Root::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case access_control::Root::CurrentUser: return HKEY_CURRENT_USER;
    case access_control::Root::LocalMachine: return HKEY_LOCAL_MACHINE;
    case access_control::Root::Users: return HKEY_USERS;
    case access_control::Root::None: break;
    }
    return nullptr;
}

}  // namespace

HKEY 注册表类::openKey(const std::string& keyPath, bool create) {
    const access_control::KeyPath k = access_control::parseKeyPath(keyPath);
    HKEY root = predefined(k.root);
    if (!root) return nullptr;
    const char* sub = k.subkey.empty() ? nullptr : k.subkey.c_str();
    HKEY key = nullptr;
    const LONG r = create ? RegCreateKeyA(root, sub, &key) : RegOpenKeyA(root, sub, &key);
    return r == ERROR_SUCCESS ? key : nullptr;
}

std::string 注册表类::readRawValue(const std::string& keyPath, const std::string& valueName, DWORD* type) {
    ui::ScopedKey key(openKey(keyPath, false));
    if (!key) return {};
    // First the size (and type), then the data into a buffer of that size.
    DWORD size = 0;
    DWORD t = 0;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &t, nullptr, &size) == ERROR_SUCCESS && type) *type = t;
    std::vector<BYTE> data(size);
    DWORD got = size;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &t, data.data(), &got) != ERROR_SUCCESS) return {};
    return std::string(reinterpret_cast<const char*>(data.data()), size);
}

std::string 注册表类::readTextValue(const std::string& keyPath, const std::string& valueName) {
    const std::string raw = readRawValue(keyPath, valueName, nullptr);
    std::string text;
    text.reserve(raw.size());
    for (char c : raw) {
        if (c == '\0')
            text += "\r\n";
        else
            text += c;
    }
    return text;
}

bool 注册表类::writeRawValue(const std::string& keyPath, const std::string& valueName, const std::string& data,
                             DWORD type) {
    ui::ScopedKey key(openKey(keyPath, true));
    if (!key) return false;
    return RegSetValueExA(key.get(), valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool 注册表类::writeTextValue(const std::string& keyPath, const std::string& valueName, const std::string& value) {
    return writeRawValue(keyPath, valueName, value, REG_SZ);
}
