#include "ui/pages.h"

namespace velmora {
namespace {

// The installations are not part of this version yet: the wizard says so plainly and ends
// instead of failing.
void InstallationMissing(WizardWindow& window) {
    MessageBoxRequest box;
    box.text =
        "This version of the wizard ends before the installation: installing the smiles is "
        "not available yet.";
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
    pages.SearchMethodPage = page(SearchMethodPage);
    pages.SimpleSearchPage = page(SimpleSearchPage);
    pages.SearchResultsPage = page(SearchResultsPage);
    pages.InstallModePage = page(InstallModePage);
    pages.InstallIntoSkins = page(InstallationMissing);
    pages.InstallIntoInfium = page(InstallationMissing);
    return pages;
}

}  // namespace velmora
