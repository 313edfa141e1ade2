#include "ui/pages.h"

namespace velmora {
namespace {

// The driver still reads how a step was left from the wizard's records.
void RecordPageResult(WizardState& state, PageResult result) {
    switch (result) {
        case PageResult::Next:
            state.BackRequested = false;
            break;
        case PageResult::Back:
            state.BackRequested = true;
            break;
        case PageResult::Stop:
            state.StopRequested = true;
            break;
        case PageResult::Skip:
            break;
    }
}

}  // namespace

WizardOperations MakeWizardPages(WizardWindow& window) {
    const auto page = [&window](void (*run)(WizardWindow&)) {
        return [&window, run] { run(window); };
    };
    const auto installation = [&window](PageResult (*run)(WizardWindow&)) {
        return [&window, run] { RecordPageResult(window.wizard.state, run(window)); };
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
    pages.InstallIntoSkins = installation(SkinsInstallPage);
    pages.InstallIntoInfium = installation(InfiumInstallPage);
    AddLogFileOperations(window.wizard, pages);
    return pages;
}

}  // namespace velmora
