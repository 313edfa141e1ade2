#include "ui/pages.h"

namespace velmora {

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
    pages.InstallIntoInfium = page(InfiumInstallPage);
    AddLogFileOperations(window.wizard, pages);
    return pages;
}

}  // namespace velmora
