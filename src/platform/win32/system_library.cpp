#include "platform/win32/system_library.h"

#include <string>

namespace velmora {
namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, from the headers of Windows 8.
constexpr DWORD kSearchSystemFolder = 0x00000800;

std::wstring SystemFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = GetSystemDirectoryW(folder.data(), folder.size());
    if (length >= folder.size()) {
        folder.resize(length);
        length = GetSystemDirectoryW(folder.data(), folder.size());
    }
    folder.resize(length < folder.size() ? length : 0);
    return folder;
}

}  // namespace

HMODULE LoadSystemLibrary(const wchar_t* name) {
    const std::wstring folder = SystemFolder();
    if (folder.empty()) return nullptr;
    return LoadLibraryW((folder + L"\\" + name).c_str());
}

void RestrictDllSearch() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    BOOL(WINAPI * setDllDirectory)(const wchar_t*) = nullptr;
    BOOL(WINAPI * setDefaultDllDirectories)(DWORD) = nullptr;
    Bind(kernel, "SetDllDirectoryW", setDllDirectory);
    Bind(kernel, "SetDefaultDllDirectories", setDefaultDllDirectories);
    if (setDllDirectory) setDllDirectory(L"");
    if (setDefaultDllDirectories) setDefaultDllDirectories(kSearchSystemFolder);
}

}  // namespace velmora
