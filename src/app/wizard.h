#pragma once
// The wizard's shared records and the driver that leads the user from page to page.

#include <functional>
#include <map>

#include "app/wizard_state.h"
#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "pack/pack_folder.h"
#include "platform/platform.h"
#include "qip/qip_target.h"
#include "qip/skins.h"

namespace velmora {

struct Wizard {
    explicit Wizard(Platform& platform) : sys(platform) {}

    Platform& sys;
    WizardState state;
    UiStrings text;
    PackDescription pack;
    QipTarget qip;
    FoundQipPaths foundQip;
    SkinList skins;
};

// What the checks of the pack work with, taken from the wizard's records.
inline PackChecks PackChecksOf(Wizard& wizard) {
    return {wizard.sys.files, wizard.sys.host.ProgramFolder(), wizard.state.TestMode};
}

// How a page or an installation was left. Skip: the page had nothing to show, and the driver
// goes on the way it was going.
enum class PageResult { Next, Back, Stop, Skip };

// The steps of the run, in the order a user meets them. The driver's table has one row for
// each; the window, or the silent installation, supplies the pages.
enum class Step {
    End,
    Language,
    AboutProgram,
    AboutPack,
    PackInfo,
    SearchMethod,
    SimpleSearch,
    SearchResults,
    FoundNotice,
    InstallMode,
    InstallIntoSkins,
    InstallIntoInfium,
    AskAgain,
    Count,
};

// A page or an installation procedure: it builds its controls, waits for the user, and says
// how it was left.
using WizardOperation = std::function<PageResult()>;
using ClosingOperation = std::function<void()>;

// What the driver calls. A page that is missing when its step comes ends the wizard through
// the guard, naming it; the LOG.txt operations are offered at the end only when they are
// given. SetButtons, when given, enables Back and Next as a page starts.
struct WizardOperations {
    std::map<Step, WizardOperation> pages;
    std::function<void(bool back, bool next)> SetButtons;
    ClosingOperation WriteLogFile;
    ClosingOperation MailLogFile;
};

// The program's entry: checks the system, runs the pages, and ends with the closing sequence,
// which runs exactly once on every way out, an unexpected error included.
void RunWizard(Wizard& wizard, const WizardOperations& operations);

bool CheckWindowsVersion(Wizard& wizard);
// Starts the run afresh and loads the pack's description; false when the pack cannot be
// installed (the problem has been reported).
bool ResetWizardState(Wizard& wizard);
bool AskAnotherInstall(Wizard& wizard);
void ShowFoundFolderNotice(Wizard& wizard);
void CloseWizard(Wizard& wizard, const WizardOperations& operations);

// Gives the closing sequence its LOG.txt operations: writing the file and mailing it to the
// pack's author, over the wizard's records.
void AddLogFileOperations(Wizard& wizard, WizardOperations& operations);

// With a name: the partial load of that language, the texts the language page needs. With an
// empty name: the full load of LanguageName.
void LoadLanguage(Wizard& wizard, const std::string& name);

// A pick in the language list (selected is -1 when nothing is selected). Returns true when it
// loaded a language: the page then shows that language's Next text and enables Next. A line
// that matches no file any more keeps the previous choice.
bool HandleLanguageChoice(Wizard& wizard, int selected, const std::string& entry);

}  // namespace velmora
