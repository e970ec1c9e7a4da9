// The registry accessor against the real registry.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "settings_fixture.h"
#include "ui/common/scoped.h"

using namespace testing_support;

namespace {

const char kVadPath[] = "HKEY_CURRENT_USER\\Software\\VAD";
const std::string kNothing = "(nothing)";

std::string valueOrNothing(const std::optional<std::string>& v) { return v ? *v : kNothing; }

// The platform's ANSI functions may deliver a string value with a
// terminating zero byte that was never written (Wine always does), which
// reads back as a trailing "\r\n".
bool readsBackAs(const std::string& read, const std::string& text) { return read == text || read == text + "\r\n"; }

class Registry : public SettingsTest {};

// Records how the operations reach each other, and what goes to the platform.
class TracingRegistry : public 注册表类 {
public:
    std::vector<std::string> calls;
    std::string lastData;
    HKEY openKey(const std::string& path, bool create) override {
        calls.push_back(create ? "openKey create" : "openKey");
        return 注册表类::openKey(path, create);
    }
    std::string readRawValue(const std::string& path, const std::string& name, DWORD* type) override {
        calls.push_back("readRawValue");
        return 注册表类::readRawValue(path, name, type);
    }
    bool writeRawValue(const std::string& path, const std::string& name, const std::string& data,
                       DWORD type) override {
        calls.push_back("writeRawValue " + std::to_string(type));
        lastData = data;
        return 注册表类::writeRawValue(path, name, data, type);
    }
};

}  // namespace

TEST_F(Registry, RootNameInAnyCaseAddressesTheSameKey) {
    const char* spellings[] = {"HKEY_CURRENT_USER\\Software\\VAD", "hkey_current_user\\Software\\VAD",
                               "Hkey_Current_User\\Software\\VAD", "HKEY_current_USER\\Software\\VAD"};
    for (const char* writer : spellings) {
        ASSERT_TRUE(registry_.writeRawValue(writer, "v", writer, REG_BINARY)) << writer;
        EXPECT_EQ(valueOrNothing(platformValue(HKEY_CURRENT_USER, kVadSubkey, "v")), writer);
        for (const char* reader : spellings) {
            EXPECT_EQ(registry_.readTextValue(reader, "v"), writer) << reader;
            ui::ScopedKey opened(registry_.openKey(reader, false));
            EXPECT_TRUE(opened) << reader;
        }
    }
}

TEST_F(Registry, OtherRootsAddressNothing) {
    ASSERT_TRUE(setPlatformValue(HKEY_CURRENT_USER, kVadSubkey, "v", REG_BINARY, "kept"));
    const char* paths[] = {"HKLM\\SOFTWARE\\VAD", "HKCU\\Software\\VAD", "HKEY_CURRENT_USER", "\\Software\\VAD",
                           "Software\\VAD", " HKEY_CURRENT_USER\\Software\\VAD", ""};
    for (const char* path : paths) {
        EXPECT_EQ(registry_.openKey(path, false), nullptr) << path;
        EXPECT_EQ(registry_.openKey(path, true), nullptr) << path;
        EXPECT_EQ(registry_.readTextValue(path, "v"), "") << path;
        DWORD type = 0xDEAD;
        EXPECT_EQ(registry_.readRawValue(path, "v", &type), "") << path;
        EXPECT_EQ(type, 0xDEADu) << path;
        EXPECT_FALSE(registry_.writeTextValue(path, "v", "new")) << path;
    }
    EXPECT_EQ(valueOrNothing(platformValue(HKEY_CURRENT_USER, kVadSubkey, "v")), "kept");
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\VAD"));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, "HKCU"));
}

TEST_F(Registry, BackslashRightAfterTheRootOpensThePredefinedKey) {
    const char kName[] = "vo-test value of the root key";
    struct Cleanup {
        const char* name;
        ~Cleanup() { RegDeleteValueA(HKEY_CURRENT_USER, name); }
    } cleanup{kName};
    ASSERT_TRUE(registry_.writeRawValue("hkey_current_user\\", kName, "root", REG_BINARY));
    EXPECT_EQ(valueOrNothing(platformValue(HKEY_CURRENT_USER, nullptr, kName)), "root");
    EXPECT_EQ(registry_.readTextValue("HKEY_CURRENT_USER\\", kName), "root");
    HKEY key = registry_.openKey("HKEY_CURRENT_USER\\", false);
    EXPECT_EQ(key, HKEY_CURRENT_USER);
    RegCloseKey(key);
}

TEST_F(Registry, TextIsHandedOverWithoutTerminator) {
    for (const std::string text : {"1", "登陆 vo"}) {
        TracingRegistry tracing;
        ASSERT_TRUE(tracing.writeTextValue(kVadPath, "v", text)) << text;
        EXPECT_EQ(tracing.lastData, text);
        EXPECT_EQ(tracing.calls.front(), "writeRawValue 1");
        DWORD type = 0;
        const std::string raw = valueOrNothing(platformValue(HKEY_CURRENT_USER, kVadSubkey, "v", &type));
        EXPECT_TRUE(raw == text || raw == text + '\0') << raw;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_TRUE(readsBackAs(registry_.readTextValue(kVadPath, "v"), text));
    }
}

TEST_F(Registry, EmptyTextStoresNoDataBytes) {
    ASSERT_TRUE(registry_.writeTextValue(kVadPath, "v", ""));
    DWORD type = 0;
    EXPECT_EQ(valueOrNothing(platformValue(HKEY_CURRENT_USER, kVadSubkey, "v", &type)), "");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    type = 0;
    EXPECT_EQ(registry_.readRawValue(kVadPath, "v", &type), "");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));  // there, though empty
    EXPECT_EQ(registry_.readTextValue(kVadPath, "v"), "");
}

TEST_F(Registry, ZeroBytesReadAsLineBreaks) {
    struct DataCase {
        const char* what;
        DWORD type;
        std::string data;
        std::string text;
    };
    const DataCase cases[] = {
        {"one byte", REG_BINARY, "1", "1"},
        {"string with its terminator", REG_SZ, std::string("1\0", 2), "1\r\n"},
        {"zero in the middle", REG_BINARY, std::string("ab\0cd", 5), "ab\r\ncd"},
        {"only zeros", REG_BINARY, std::string(2, '\0'), "\r\n\r\n"},
        {"4-byte number", REG_DWORD, std::string("\x31\x00\x00\x00", 4), "1\r\n\r\n\r\n"},
        {"multi-string", REG_MULTI_SZ, std::string("a\0b\0\0", 5), "a\r\nb\r\n\r\n"},
    };
    for (const DataCase& c : cases) {
        ASSERT_TRUE(setPlatformValue(HKEY_CURRENT_USER, kVadSubkey, "v", c.type, c.data)) << c.what;
        DWORD type = 0;
        EXPECT_EQ(registry_.readRawValue(kVadPath, "v", &type), c.data) << c.what;
        EXPECT_EQ(type, c.type) << c.what;
        EXPECT_EQ(registry_.readTextValue(kVadPath, "v"), c.text) << c.what;
    }
}

TEST_F(Registry, RawWriteStoresTypeAndBytes) {
    const std::string number("\x01\x02\x00\x80", 4);
    ASSERT_TRUE(registry_.writeRawValue(kVadPath, "n", number, REG_DWORD));
    DWORD type = 0;
    EXPECT_EQ(valueOrNothing(platformValue(HKEY_CURRENT_USER, kVadSubkey, "n", &type)), number);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(Registry, ReadsCreateNothing) {
    const char* missing[] = {"HKEY_CURRENT_USER\\Software\\VAD", "HKEY_CURRENT_USER\\Software\\VAD\\deeper\\still"};
    for (const char* path : missing) {
        EXPECT_EQ(registry_.openKey(path, false), nullptr) << path;
        EXPECT_EQ(registry_.readTextValue(path, "v"), "") << path;
        DWORD type = 0xDEAD;
        EXPECT_EQ(registry_.readRawValue(path, "v", &type), "") << path;
        EXPECT_EQ(type, 0xDEADu) << path;
    }
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kVadSubkey));
    // A missing value in a key that is there.
    ASSERT_TRUE(setPlatformValue(HKEY_CURRENT_USER, kVadSubkey, "other", REG_SZ, "x"));
    EXPECT_EQ(registry_.readTextValue(kVadPath, "v"), "");
    EXPECT_FALSE(platformValue(HKEY_CURRENT_USER, kVadSubkey, "v"));
}

TEST_F(Registry, WriteCreatesEveryMissingKey) {
    ASSERT_TRUE(registry_.writeTextValue("HKEY_CURRENT_USER\\Software\\VAD\\a\\b", "v", "deep"));
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, "Software\\VAD\\a\\b"));
    EXPECT_TRUE(readsBackAs(registry_.readTextValue("HKEY_CURRENT_USER\\Software\\VAD\\a\\b", "v"), "deep"));
}

namespace {

// The slot of a virtual function in its class's table of operations, from
// the member pointer as the Itanium C++ ABI (which MinGW's GCC follows)
// lays it out: one more than the slot's offset in bytes.
template <class F>
std::ptrdiff_t slotOf(F f) {
    struct Layout {
        std::uintptr_t ptr;
        std::ptrdiff_t adjust;
    } layout;
    static_assert(sizeof(F) == sizeof(Layout));
    std::memcpy(&layout, &f, sizeof layout);
    if (!(layout.ptr & 1)) return -1;  // not virtual
    return static_cast<std::ptrdiff_t>((layout.ptr - 1) / sizeof(void*));
}

}  // namespace

TEST_F(Registry, TextOperationsGoThroughTheOverridableOnes) {
    TracingRegistry tracing;
    EXPECT_TRUE(tracing.writeTextValue(kVadPath, "v", "x"));
    EXPECT_TRUE(readsBackAs(tracing.readTextValue(kVadPath, "v"), "x"));
    const std::vector<std::string> expected = {"writeRawValue 1", "openKey create", "readRawValue", "openKey"};
    EXPECT_EQ(tracing.calls, expected);
}

TEST(RegistryClass, FiveOperationsInTheirOrder) {
    EXPECT_EQ(slotOf(&注册表类::openKey), 0);
    EXPECT_EQ(slotOf(&注册表类::readTextValue), 1);
    EXPECT_EQ(slotOf(&注册表类::readRawValue), 2);
    EXPECT_EQ(slotOf(&注册表类::writeTextValue), 3);
    EXPECT_EQ(slotOf(&注册表类::writeRawValue), 4);
}
