// The QIP Infium installation in the wizard's window: its questions, then the progress display.

#include "app/installations.h"
#include "ui/pages.h"
#include "ui/progress_window.h"

namespace velmora {

PageResult InfiumInstallPage(WizardWindow& window) {
    ProgressWindowView progress(window);
    return InstallIntoInfium(window.wizard, progress);
}

}  // namespace velmora
