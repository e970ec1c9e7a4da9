// What the access-control subsystem keeps in the registry, and how a stored
// text is read: the built-in account, the key and value names, and the
// preparation a stored text goes through before it is compared.
#pragma once

#include <string>
#include <string_view>

namespace access_control {

// Per-user: standard users can't write below HKEY_LOCAL_MACHINE, and 32-bit
// writes there would be redirected.
inline constexpr char kSettingsKey[] = "HKEY_CURRENT_USER\\Software\\VAD";
inline constexpr char kPasswordValue[] = "mima";     // the password verifier
inline constexpr char kFlagValue[] = "mimaflag";     // "1" once a password has been set
inline constexpr char kFlagSetText[] = "1";

inline constexpr char kAccountName[] = "admin";
inline constexpr char kInitialPassword[] = "admin";  // until a password has been set

// Removes the first CR and then the first LF (a value stored with its
// terminating zero reads back ending in "\r\n"), then the leading and
// trailing ASCII and full-width (A1 A1) spaces, GBK character by character.
std::string prepareStoredText(std::string_view text);

// Whether the flag value, as read, says a password has been set.
bool flagTextIsSet(std::string_view text);

}  // namespace access_control
