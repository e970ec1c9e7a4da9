// Splitting a registry key path "ROOT\sub\key" into its predefined root and
// the subkey path.
#pragma once

#include <string>
#include <string_view>

namespace access_control {

// The five root names, in the order they are compared.
enum class Root { ClassesRoot, CurrentConfig, CurrentUser, LocalMachine, Users, None };

struct KeyPath {
    Root root = Root::None;
    std::string subkey;  // empty: the predefined key itself
};

// The root is the text before the first '\', upper-cased in its ASCII
// letters only; a path without '\' or with another root name addresses nothing.
KeyPath parseKeyPath(std::string_view path);

}  // namespace access_control
