#include "ui/main/desktop_shortcut.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "ui/common/scoped.h"

namespace ui {

std::string desktopShortcutPath() {
    char folder[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOPDIRECTORY, FALSE)) return {};
    std::string path = folder;
    if (path.empty()) return {};
    if (path.back() != '\\') path += '\\';
    return path + kShortcutName;
}

bool writeDesktopShortcut(const std::string& target) {
    const std::string file = desktopShortcutPath();
    if (file.empty()) return false;
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.outVoid())))
        return false;
    link->SetPath(target.c_str());
    link->SetShowCmd(SW_SHOW);
    ComPtr<IPersistFile> persist;
    if (FAILED(link->QueryInterface(IID_IPersistFile, persist.outVoid()))) return false;
    wchar_t wide[MAX_PATH * 2] = {};
    if (!MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH * 2)) return false;
    return SUCCEEDED(persist->Save(wide, TRUE));
}

}  // namespace ui
