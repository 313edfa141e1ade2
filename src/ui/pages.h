#pragma once
// The wizard's pages in the main window.

#include "app/wizard.h"
#include "platform/win32/win32_platform.h"

namespace velmora {

// What the pages share: the run's records and the main window they fill.
struct WizardWindow {
    WizardWindow(Wizard& w, Win32Dialogs& d) : wizard(w), dialogs(d) {}

    Wizard& wizard;
    Win32Dialogs& dialogs;
};

WizardOperations MakeWizardPages(WizardWindow& window);

}  // namespace velmora
