#pragma once
// The wizard's pages in the main window, handed to the driver as its operations.

#include "app/wizard.h"
#include "ui/toolkit.h"

namespace velmora {

PageResult LanguagePage(WizardWindow& window);
PageResult AboutProgramPage(WizardWindow& window);
PageResult AboutPackPage(WizardWindow& window);
PageResult PackInfoPage(WizardWindow& window);
PageResult SearchMethodPage(WizardWindow& window);
PageResult SimpleSearchPage(WizardWindow& window);
PageResult SearchResultsPage(WizardWindow& window);
PageResult InstallModePage(WizardWindow& window);
PageResult SkinsInstallPage(WizardWindow& window);
PageResult InfiumInstallPage(WizardWindow& window);

WizardOperations MakeWizardPages(WizardWindow& window);

}  // namespace velmora
