// Folders, addresses and paths as Windows has them.
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/win32/win32_backend.h"

namespace tk::backend {

using namespace tk::win32;

std::u16string AppDataFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return Win32String(path);
}

void OpenAddress(const std::u16string& address) {
    ShellExecuteW(nullptr, L"open", Win32Text(address), nullptr, nullptr, SW_SHOWNORMAL);
}

char16_t PathSeparator() {
    return u'\\';
}

std::u16string ExecutableFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            std::u16string full = Win32String(path.data(), length);
            const auto slash = full.find_last_of(u"\\/");
            return slash == std::u16string::npos ? std::u16string() : full.substr(0, slash);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace tk::backend
