#pragma once
// The wizard's shared records and the driver that leads the user from page to page.

#include <functional>

#include "app/wizard_state.h"
#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "platform/platform.h"
#include "qip/qip_target.h"

namespace velmora {

struct Wizard {
    explicit Wizard(Platform& platform) : sys(platform) {}

    Platform& sys;
    WizardState state;
    UiStrings text;
    PackDescription pack;
    QipTarget qip;
};

// A page or an installation procedure: it builds its controls, waits for the user, and tells
// the driver how it was left through StopRequested and BackRequested.
using WizardOperation = std::function<void()>;

// What the driver calls. Pages and installations are required; the LOG.txt operations are
// offered at the end only when they are given.
struct WizardOperations {
    WizardOperation LanguagePage;
    WizardOperation AboutProgramPage;
    WizardOperation AboutPackPage;
    WizardOperation PackInfoPage;
    WizardOperation SearchMethodPage;
    WizardOperation SimpleSearchPage;
    WizardOperation SearchResultsPage;
    WizardOperation InstallModePage;
    WizardOperation InstallIntoSkins;
    WizardOperation InstallIntoInfium;
    WizardOperation WriteLogFile;
    WizardOperation MailLogFile;
};

// The program's entry: checks the system, runs the pages, and ends with the closing sequence,
// which runs exactly once on every way out, an unexpected error included.
void RunWizard(Wizard& wizard, const WizardOperations& operations);

bool CheckWindowsVersion(Wizard& wizard);
void ResetWizardState(Wizard& wizard);
bool AskAnotherInstall(Wizard& wizard);
void ShowFoundFolderNotice(Wizard& wizard);
void CloseWizard(Wizard& wizard, const WizardOperations& operations);

}  // namespace velmora
