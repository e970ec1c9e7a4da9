// Tests that use the real registry keep HKCU\Software\VAD as they found it:
// a key that is there is moved aside for the test and put back afterwards.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "access/registry.h"
#include "access/settings_text.h"

namespace testing_support {

inline constexpr char kVadSubkey[] = "Software\\VAD";

bool keyExists(HKEY root, const char* subkey);
void deleteTree(HKEY root, const char* subkey);
// A value as the platform itself delivers it; nothing when it can't be read.
std::optional<std::string> platformValue(HKEY root, const char* subkey, const char* name, DWORD* type = nullptr);
bool setPlatformValue(HKEY root, const char* subkey, const char* name, DWORD type, const std::string& data);

class SavedVadKey {
public:
    SavedVadKey();
    ~SavedVadKey();
    SavedVadKey(const SavedVadKey&) = delete;
    SavedVadKey& operator=(const SavedVadKey&) = delete;

private:
    bool saved_ = false;
};

// Every test starts without HKCU\Software\VAD and leaves none behind.
class SettingsTest : public ::testing::Test {
protected:
    // Stores exactly these bytes (as binary data: a string value may come
    // back from the platform with a terminator added).
    void storeFlag(const std::string& bytes) {
        setPlatformValue(HKEY_CURRENT_USER, kVadSubkey, access_control::kFlagValue, REG_BINARY, bytes);
    }
    void storeVerifier(const std::string& bytes) {
        setPlatformValue(HKEY_CURRENT_USER, kVadSubkey, access_control::kPasswordValue, REG_BINARY, bytes);
    }
    std::optional<std::string> stored(const char* name) { return platformValue(HKEY_CURRENT_USER, kVadSubkey, name); }

    注册表类 registry_;

private:
    SavedVadKey saved_;
};

}  // namespace testing_support
