// The running programs: top-level windows and the executables behind them.

#include "platform/win32/win32_platform.h"

#include <tlhelp32.h>

#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"

namespace velmora {
namespace {

constexpr int kTitleLength = 128;  // characters read of a title, the terminating zero included
const auto kExecutableBase = reinterpret_cast<BYTE*>(0x400000);

// The Tool Help functions, looked up in kernel32 once, on first use. Missing ones stay empty,
// and then no executable is found.
struct ToolHelp {
    HANDLE(WINAPI* createSnapshot)(DWORD, DWORD) = nullptr;
    BOOL(WINAPI* moduleFirst)(HANDLE, MODULEENTRY32W*) = nullptr;
    BOOL(WINAPI* moduleNext)(HANDLE, MODULEENTRY32W*) = nullptr;
};

const ToolHelp& BoundToolHelp() {
    static const ToolHelp bound = [] {
        ToolHelp functions;
        if (const HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
            Bind(kernel, "CreateToolhelp32Snapshot", functions.createSnapshot);
            Bind(kernel, "Module32FirstW", functions.moduleFirst);
            Bind(kernel, "Module32NextW", functions.moduleNext);
        }
        return functions;
    }();
    return bound;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<TopWindow> Win32Processes::TopLevelWindows() {
    // Collected first: windows that open, close or move meanwhile cannot break the walk.
    std::vector<HWND> handles;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&handles));
    std::vector<TopWindow> windows;
    for (HWND handle : handles) {
        wchar_t title[kTitleLength];
        const int length = GetWindowTextW(handle, title, kTitleLength);
        DWORD processId = 0;
        GetWindowThreadProcessId(handle, &processId);
        windows.push_back({Utf8(std::wstring(title, length > 0 ? length : 0)), processId,
                           handle == dialogs_.mainWindow});
    }
    return windows;
}

std::string Win32Processes::ExecutablePath(uint32_t processId) {
    const ToolHelp& toolHelp = BoundToolHelp();
    if (!toolHelp.createSnapshot || !toolHelp.moduleFirst || !toolHelp.moduleNext)
        return kNoExecutable;
    const HANDLE snapshot = toolHelp.createSnapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return kNoExecutable;
    std::string path = kNoExecutable;
    MODULEENTRY32W module = {};
    module.dwSize = sizeof module;
    for (BOOL more = toolHelp.moduleFirst(snapshot, &module); more;
         more = toolHelp.moduleNext(snapshot, &module)) {
        if (module.modBaseAddr == kExecutableBase) {
            path = Utf8(module.szExePath);
            break;
        }
    }
    CloseHandle(snapshot);
    return path;
}

}  // namespace velmora
