#pragma once
// The run's shared state: what the user chose, and the problems collected for LOG.txt. One
// instance lives for the whole run, inside Wizard.

#include <cstdint>
#include <string>

#include "base/problem_log.h"

namespace velmora {

// Control ids that double as the user's choices.
enum : int32_t {
    kSimplifiedSearch = 1040,
    kManualFolderChoice = 1041,
    kFirstMode = 1044,
    kSecondMode = 1045,
};

// ErrorLog and ErrorsFound come from ProblemLog, so the checks can be handed the state as the
// log they add to.
struct WizardState : ProblemLog {
    bool AgreementAccepted = false;
    bool LanguagePending = false;
    std::string LanguageName;
    bool LanguageListLocked = false;
    int32_t ListIndex = 0;
    int32_t SearchMethod = 0;
    int32_t ModeChoice = 0;
    bool TestMode = false;
    bool InstallStarted = false;
    bool RebootNeeded = false;
    std::string ProgramVersion;
    std::string BuildDate;
};

// A list's selection that the user has just changed: a line is selected, and another one than
// before.
inline bool IsNewSelection(int32_t selected, int32_t previous) {
    return selected != -1 && selected != previous;
}

}  // namespace velmora
