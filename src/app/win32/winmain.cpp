// The program's entry on Windows: the real platform, then either the wizard's window or, with
// "/S", the silent installation.

#include "platform/win32/win32_platform.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/silent_run.h"
#include "app/wizard.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"
#include "ui/pages.h"

namespace velmora {
namespace {

// Where a silent run writes: the file or pipe standard output was sent to, else the console
// the program was started from; nowhere without either.
HANDLE OpenSilentOutput() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE) return out;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return nullptr;
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

// A console takes the text as it is; a file or a pipe gets it in the ANSI code page, as the
// log file does.
void WriteSilentOutput(HANDLE out, const std::string& text) {
    if (!out) return;
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring wide = Wide(text);
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const std::string ansi = Utf8ToAnsi(text);
    WriteFile(out, ansi.data(), static_cast<DWORD>(ansi.size()), &written, nullptr);
}

int RunSilently(const SilentOptions& options) {
    const HANDLE out = OpenSilentOutput();
    SilentReport report([out](const std::string& text) { WriteSilentOutput(out, text); });
    Win32Files files;
    Win32Dialogs windowless;  // no wizard's window to leave out of the search
    SilentDialogs dialogs(options, report);
    Win32Host host;
    Win32Processes processes(windowless);
    Win32Registry registry;
    Win32Clock clock;
    Platform platform{files, dialogs, host, processes, registry, clock};
    return RunSilentInstallation(platform, options, GetFileVersionText, report);
}

int RunInWindow() {
    InitCommonControls();
    CoInitialize(nullptr);  // the shell's folder browser needs it
    Win32Files files;
    Win32Dialogs dialogs;
    Win32Host host;
    Win32Processes processes(dialogs);
    Win32Registry registry;
    Win32Clock clock;
    Platform platform{files, dialogs, host, processes, registry, clock};
    Wizard wizard(platform);
    WizardWindow window(wizard, dialogs);
    RunWizard(wizard, MakeWizardPages(window));
    CoUninitialize();
    return 0;
}

}  // namespace
}  // namespace velmora

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    velmora::RestrictDllSearch();
    velmora::Win32Host host;
    const velmora::SilentOptions options = velmora::ParseSilentOptions(host.Arguments());
    return options.silent ? velmora::RunSilently(options) : velmora::RunInWindow();
}
