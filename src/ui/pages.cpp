#include "ui/pages.h"

namespace velmora {
namespace {

void LanguagePage(WizardWindow& window) {
    Wizard& wizard = window.wizard;
    wizard.state.StopRequested = false;
    ResetWizardState(wizard);
    if (wizard.state.StopRequested) return;
    // The main window comes next; until then the run ends after the pack was checked.
    wizard.state.StopRequested = true;
}

}  // namespace

WizardOperations MakeWizardPages(WizardWindow& window) {
    WizardOperations pages;
    pages.LanguagePage = [&window] { LanguagePage(window); };
    return pages;
}

}  // namespace velmora
