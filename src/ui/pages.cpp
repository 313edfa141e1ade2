#include "ui/pages.h"

namespace velmora {
namespace {

// The QIP Infium installation is not part of this version yet: the wizard says so plainly
// and ends instead of failing.
void InfiumInstallationMissing(WizardWindow& window) {
    MessageBoxRequest box;
    box.text =
        "This version of the wizard cannot install into QIP Infium yet: only QIP 2005 is "
        "supported.";
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
    pages.InstallIntoSkins = page(SkinsInstallPage);
    pages.InstallIntoInfium = page(InfiumInstallationMissing);
    AddLogFileOperations(window.wizard, pages);
    return pages;
}

}  // namespace velmora
