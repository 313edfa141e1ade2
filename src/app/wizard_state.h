#pragma once
// The run's shared state: how the last page was left, what the user chose, and the problems
// collected for LOG.txt. One instance lives for the whole run, inside Wizard.

#include <cstdint>
#include <string>

namespace velmora {

// Control ids that double as the user's choices.
enum : int32_t {
    kSimplifiedSearch = 1040,
    kManualFolderChoice = 1041,
    kFirstMode = 1044,
    kSecondMode = 1045,
};

struct WizardState {
    bool StopRequested = false;
    bool BackRequested = false;
    bool AgreementAccepted = false;
    bool LanguagePending = false;
    std::string LanguageName;
    bool LanguageListLocked = false;
    bool CopyListLocked = false;
    int32_t ListIndex = 0;
    int32_t SearchMethod = 0;
    int32_t ModeChoice = 0;
    bool TestMode = false;
    std::string ErrorLog;
    bool ErrorsFound = false;
    bool InstallStarted = false;
    bool RebootNeeded = false;
    std::string ProgramVersion;
    std::string BuildDate;
};

// Adds one problem to the log that LOG.txt is made from; every entry starts on a new line.
void LogProblem(WizardState& state, const std::string& entry);

}  // namespace velmora
