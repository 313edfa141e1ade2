// Registry values under HKEY_LOCAL_MACHINE, as REG_DWORD.

#include "platform/mini_reg.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace velmora {
namespace {

// KEY_WOW64_64KEY when the program runs under WOW64, nothing otherwise. IsWow64Process is
// looked up at run time: Windows XP before SP2 lacks it, and then there is no WOW64 either.
REGSAM RegistryView() {
    static const REGSAM view = [] {
        using IsWow64Function = BOOL(WINAPI*)(HANDLE, PBOOL);
        const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        if (!kernel) return REGSAM{0};
        // Through the generic function pointer type, which any function pointer converts to.
        const auto isWow64 = reinterpret_cast<IsWow64Function>(
            reinterpret_cast<void (*)()>(GetProcAddress(kernel, "IsWow64Process")));
        BOOL wow64 = FALSE;
        return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64 ? REGSAM{KEY_WOW64_64KEY}
                                                                        : REGSAM{0};
    }();
    return view;
}

}  // namespace

bool Win32Registry::ReadDword(const std::string& path, uint32_t& value) {
    std::string key, name;
    if (!SplitValuePath(path, key, name)) return false;
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(key).c_str(), 0, KEY_READ | RegistryView(),
                      &handle) != ERROR_SUCCESS)
        return false;
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof data;  // a longer value fails with ERROR_MORE_DATA
    const LONG read = RegQueryValueExW(handle, Wide(name).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(&data), &size);
    RegCloseKey(handle);
    if (read != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) return false;
    value = data;
    return true;
}

bool Win32Registry::WriteDword(const std::string& path, uint32_t value) {
    std::string key, name;
    if (!SplitValuePath(path, key, name)) return false;
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(key).c_str(), 0, nullptr, 0,
                        KEY_WRITE | RegistryView(), nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD data = value;
    const LONG written = RegSetValueExW(handle, Wide(name).c_str(), 0, REG_DWORD,
                                        reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(handle);
    return written == ERROR_SUCCESS;
}

}  // namespace velmora
