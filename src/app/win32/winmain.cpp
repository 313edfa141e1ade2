// The program's entry on Windows: the real platform, the pages, and the wizard.

#include "platform/win32/win32_platform.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/wizard.h"
#include "platform/win32/system_library.h"
#include "ui/pages.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    velmora::RestrictDllSearch();
    InitCommonControls();
    CoInitialize(nullptr);  // the shell's folder browser needs it

    velmora::Win32Files files;
    velmora::Win32Dialogs dialogs;
    velmora::Win32Host host;
    velmora::Win32Processes processes(dialogs);
    velmora::Win32Registry registry;
    velmora::Win32Clock clock;
    velmora::Platform platform{files, dialogs, host, processes, registry, clock};
    velmora::Wizard wizard(platform);
    velmora::WizardWindow window(wizard, dialogs);

    velmora::RunWizard(wizard, velmora::MakeWizardPages(window));
    CoUninitialize();
    return 0;
}
