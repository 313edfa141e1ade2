// Start-up checks and the reset that opens the language page.

#include "app/findings.h"
#include "app/wizard.h"
#include "base/text_lines.h"
#include "lang/language.h"
#include "pack/smp_ini.h"

namespace velmora {

bool CheckWindowsVersion(Wizard& wizard) {
    const WindowsVersion version = wizard.sys.host.GetWindowsVersion();
    if (version.major >= 6 || (version.major == 5 && version.minor >= 1)) return true;

    ShowErrorBox(wizard.sys.dialogs, Question::UnsupportedWindows, "Warning...",
                 "\r\nVelmora\r\n\r\nNot supported OS..." + std::string(16, ' '));
    return false;
}

bool ResetWizardState(Wizard& wizard) {
    WizardState& state = wizard.state;
    state.ListIndex = 0;
    state.LanguageListLocked = false;
    state.RebootNeeded = false;
    state.InstallStarted = false;
    state.ErrorsFound = false;
    state.ErrorLog.clear();
    state.LanguageName = kBuiltInLanguage;

    // The Exit button asks in English until a language is chosen.
    wizard.text[Text::ExitQuestion] = "Do you really want to close the program?";
    wizard.text[Text::ExitTitle] = "Confirmation of exit...";

    const std::vector<std::string> arguments = wizard.sys.host.Arguments();
    state.TestMode = !arguments.empty() && LowerAscii(arguments[0]) == "testmode";

    const Findings findings = LoadPackDescription(PackChecksOf(wizard), wizard.pack);
    ReportFindings(wizard, findings);
    return !HasFatal(findings);
}

}  // namespace velmora
