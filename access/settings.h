// The password and its flag in the registry, read and written through a
// registry accessor (the login window's or the password window's own).
#pragma once

#include <functional>
#include <string>

#include "access/settings_text.h"

class 注册表类;

namespace access_control {

// Whether a password has been set: the flag value reads as "1".
bool passwordFlagSet(注册表类& registry);

// Turns the stored verifier as read into the text that is checked.
using PrepareStored = std::function<std::string(const std::string&)>;

// Whether logging in with `password` succeeds with what the registry holds
// now: with the flag set, the stored verifier (after `prepare`) must accept
// it; without it, it must be the initial password.
bool storedSettingsAccept(注册表类& registry, const std::string& password,
                          const PrepareStored& prepare = prepareStoredText);

// Stores a verifier of `password` and then the flag. The flag is written
// only once the verifier reads back right, so that a failed write never
// leaves the flag set over a verifier that admits nobody. Returns whether
// the registry, read back, now accepts `password`.
bool savePassword(注册表类& registry, const std::string& password);

}  // namespace access_control
