#include <gtest/gtest.h>

#include "access/key_path.h"

using access_control::parseKeyPath;
using access_control::Root;

namespace {

struct PathCase {
    const char* path;
    Root root;
    const char* subkey;
};

const PathCase kPaths[] = {
    {"HKEY_CLASSES_ROOT\\.txt", Root::ClassesRoot, ".txt"},
    {"HKEY_CURRENT_CONFIG\\System", Root::CurrentConfig, "System"},
    {"HKEY_CURRENT_USER\\Software\\VAD", Root::CurrentUser, "Software\\VAD"},
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\VAD", Root::LocalMachine, "SOFTWARE\\VAD"},
    {"HKEY_USERS\\.DEFAULT", Root::Users, ".DEFAULT"},
    // Only the root is upper-cased; the subkey goes to the platform as written.
    {"hkey_current_user\\Software\\vad", Root::CurrentUser, "Software\\vad"},
    {"Hkey_Local_Machine\\x", Root::LocalMachine, "x"},
    // Nothing after the first '\': the predefined key itself.
    {"HKEY_CURRENT_USER\\", Root::CurrentUser, ""},
    // Later separators, a trailing one and GBK bytes are handed on unchanged.
    {"HKEY_USERS\\a\\\\b\\", Root::Users, "a\\\\b\\"},
    {"HKEY_CURRENT_USER\\软件\\设置", Root::CurrentUser, "软件\\设置"},
    // Abbreviations, blanks, a missing root or a missing '\' address nothing.
    {"HKLM\\SOFTWARE\\VAD", Root::None, ""},
    {"HKCU\\Software", Root::None, ""},
    {" HKEY_CURRENT_USER\\Software", Root::None, ""},
    {"HKEY_CURRENT_USER \\Software", Root::None, ""},
    {"HKEY_CURRENT_USER", Root::None, ""},
    {"\\Software\\VAD", Root::None, ""},
    {"", Root::None, ""},
    {"HKEY_CURRENT_USER/Software", Root::None, ""},
};

}  // namespace

TEST(KeyPath, RootAndSubkey) {
    for (const PathCase& c : kPaths) {
        const auto k = parseKeyPath(c.path);
        EXPECT_EQ(k.root, c.root) << c.path;
        EXPECT_EQ(k.subkey, c.subkey) << c.path;
    }
}
