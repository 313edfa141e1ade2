#include "platform/win32/win32_platform.h"

#include <shellapi.h>

#include "platform/win32/wide.h"

namespace velmora {

std::wstring ProgramFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), path.size())) >= path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return path;
}

std::string Win32Host::ProgramFolder() {
    const std::wstring path = ProgramFilePath();
    return Utf8(path.substr(0, path.find_last_of(L'\\')));
}

std::vector<std::string> Win32Host::Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Utf8(argv[i]));
    LocalFree(argv);
    return arguments;
}

WindowsVersion Win32Host::GetWindowsVersion() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) return {};
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

void Win32Host::RestartSystem() {
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        TOKEN_PRIVILEGES privileges = {};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege",
                                  &privileges.Privileges[0].Luid)) {
            AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
        }
        CloseHandle(token);
    }
    // Not EWX_FORCE, which closes programs without letting them save.
    ExitWindowsEx(EWX_REBOOT | EWX_FORCEIFHUNG, 0);
}

}  // namespace velmora
