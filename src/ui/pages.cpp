#include "ui/pages.h"

namespace velmora {

WizardOperations MakeWizardPages(WizardWindow& window) {
    // A page during which the window was closed was left with Stop, whatever it says.
    const auto page = [&window](PageResult (*run)(WizardWindow&)) -> WizardOperation {
        return [&window, run] {
            const PageResult result = run(window);
            return window.MainWindow ? result : PageResult::Stop;
        };
    };
    WizardOperations operations;
    operations.pages = {
        {Step::Language, page(LanguagePage)},
        {Step::AboutProgram, page(AboutProgramPage)},
        {Step::AboutPack, page(AboutPackPage)},
        {Step::PackInfo, page(PackInfoPage)},
        {Step::SearchMethod, page(SearchMethodPage)},
        {Step::SimpleSearch, page(SimpleSearchPage)},
        {Step::SearchResults, page(SearchResultsPage)},
        {Step::InstallMode, page(InstallModePage)},
        {Step::InstallIntoSkins, page(SkinsInstallPage)},
        {Step::InstallIntoInfium, page(InfiumInstallPage)},
    };
    operations.SetButtons = [&window](bool back, bool next) {
        window.backEnabled = back;
        window.nextEnabled = next;
        EnableNavigation(window);
    };
    AddLogFileOperations(window.wizard, operations);
    return operations;
}

}  // namespace velmora
