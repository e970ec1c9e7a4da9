#include "settings_fixture.h"

#include "ui/common/scoped.h"

namespace testing_support {

namespace {

const char kAsideSubkey[] = "Software\\VAD (kept aside by the tests)";

}  // namespace

bool keyExists(HKEY root, const char* subkey) {
    ui::ScopedKey key;
    return RegOpenKeyExA(root, subkey, 0, KEY_READ, key.out()) == ERROR_SUCCESS;
}

void deleteTree(HKEY root, const char* subkey) { RegDeleteTreeA(root, subkey); }

std::optional<std::string> platformValue(HKEY root, const char* subkey, const char* name, DWORD* type) {
    ui::ScopedKey key;
    if (RegOpenKeyExA(root, subkey, 0, KEY_READ, key.out()) != ERROR_SUCCESS) return std::nullopt;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), name, nullptr, type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return data;
}

bool setPlatformValue(HKEY root, const char* subkey, const char* name, DWORD type, const std::string& data) {
    ui::ScopedKey key;
    if (RegCreateKeyExA(root, subkey, 0, nullptr, 0, KEY_WRITE, nullptr, key.out(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.get(), name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

SavedVadKey::SavedVadKey() {
    if (!keyExists(HKEY_CURRENT_USER, kVadSubkey)) return;
    ui::ScopedKey aside;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kAsideSubkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, aside.out(),
                        nullptr) != ERROR_SUCCESS ||
        RegCopyTreeA(HKEY_CURRENT_USER, kVadSubkey, aside.get()) != ERROR_SUCCESS) {
        ADD_FAILURE() << "could not keep HKCU\\Software\\VAD aside";
        return;
    }
    saved_ = true;
    deleteTree(HKEY_CURRENT_USER, kVadSubkey);
}

SavedVadKey::~SavedVadKey() {
    deleteTree(HKEY_CURRENT_USER, kVadSubkey);
    if (!saved_) return;
    ui::ScopedKey back;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kVadSubkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, back.out(), nullptr) ==
            ERROR_SUCCESS &&
        RegCopyTreeA(HKEY_CURRENT_USER, kAsideSubkey, back.get()) == ERROR_SUCCESS)
        deleteTree(HKEY_CURRENT_USER, kAsideSubkey);
}

}  // namespace testing_support
