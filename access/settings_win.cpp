#include "access/settings.h"

#include "access/password_hash.h"
#include "access/registry.h"

namespace access_control {

namespace {

bool storedVerifierAccepts(注册表类& registry, const std::string& password, const PrepareStored& prepare) {
    return verifierAccepts(prepare(registry.readTextValue(kSettingsKey, kPasswordValue)), password);
}

}  // namespace

bool passwordFlagSet(注册表类& registry) { return flagTextIsSet(registry.readTextValue(kSettingsKey, kFlagValue)); }

bool storedSettingsAccept(注册表类& registry, const std::string& password, const PrepareStored& prepare) {
    if (passwordFlagSet(registry)) return storedVerifierAccepts(registry, password, prepare);
    return password == kInitialPassword;
}

bool savePassword(注册表类& registry, const std::string& password) {
    const std::string verifier = makeVerifierText(password);
    if (verifier.empty()) return false;
    // The results of the writes themselves prove nothing; what reads back does.
    registry.writeTextValue(kSettingsKey, kPasswordValue, verifier);
    if (storedVerifierAccepts(registry, password, prepareStoredText))
        registry.writeTextValue(kSettingsKey, kFlagValue, kFlagSetText);
    return storedSettingsAccept(registry, password);
}

}  // namespace access_control
