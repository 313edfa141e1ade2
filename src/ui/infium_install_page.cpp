// The QIP Infium installation in the wizard's window: its questions, then the progress display.

#include "install/infium_install.h"
#include "ui/pages.h"
#include "ui/progress_window.h"

namespace velmora {

void InfiumInstallPage(WizardWindow& window) {
    ProgressWindowView progress(window);
    InstallIntoInfium(window.wizard, progress);
}

}  // namespace velmora
