#include "ui/pages.h"

namespace velmora {
namespace {

// The messenger pages and the installations are not part of this version yet: the wizard
// says so plainly and ends instead of failing.
void MessengerStepsMissing(WizardWindow& window) {
    MessageBoxRequest box;
    box.text =
        "This version of the wizard ends after the pack information: finding the "
        "messenger and installing the smiles are not available yet.";
    box.title = window.wizard.text[Text::WarningTitle];
    box.icon = BoxIcon::Information;
    box.owner = BoxOwner::MainWindow;
    window.dialogs.ShowMessage(box);
    window.wizard.state.StopRequested = true;
}

}  // namespace

WizardOperations MakeWizardPages(WizardWindow& window) {
    const auto page = [&window](void (*run)(WizardWindow&)) {
        return [&window, run] { run(window); };
    };
    WizardOperations pages;
    pages.LanguagePage = page(LanguagePage);
    pages.AboutProgramPage = page(AboutProgramPage);
    pages.AboutPackPage = page(AboutPackPage);
    pages.PackInfoPage = page(PackInfoPage);
    pages.SearchMethodPage = page(MessengerStepsMissing);
    return pages;
}

}  // namespace velmora
