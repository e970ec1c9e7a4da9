// The shortcut to the program on the current user's desktop.
#pragma once

#include <string>

namespace ui {

inline constexpr const char* kShortcutName = "vo信息管理.lnk";

// The shortcut's file: the desktop folder followed by its name; empty when
// the desktop folder is unknown.
std::string desktopShortcutPath();

// Writes (or rewrites) the shortcut to `target`, shown normally, without
// arguments, description or working folder. False when it could not be written.
bool writeDesktopShortcut(const std::string& target);

}  // namespace ui
