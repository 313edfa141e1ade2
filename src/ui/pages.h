#pragma once
// The wizard's pages in the main window, handed to the driver as its operations.

#include "app/wizard.h"
#include "ui/toolkit.h"

namespace velmora {

void LanguagePage(WizardWindow& window);
void AboutProgramPage(WizardWindow& window);
void AboutPackPage(WizardWindow& window);
void PackInfoPage(WizardWindow& window);
void SearchMethodPage(WizardWindow& window);
void SimpleSearchPage(WizardWindow& window);
void SearchResultsPage(WizardWindow& window);
void InstallModePage(WizardWindow& window);
PageResult SkinsInstallPage(WizardWindow& window);
PageResult InfiumInstallPage(WizardWindow& window);

WizardOperations MakeWizardPages(WizardWindow& window);

}  // namespace velmora
