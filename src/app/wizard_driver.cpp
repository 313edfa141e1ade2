// The page sequence: one table of steps, each with what runs and where the driver goes next.

#include <array>
#include <exception>
#include <stdexcept>

#include "app/version.h"
#include "app/wizard.h"
#include "base/text_lines.h"
#include "base/unexpected_error.h"

namespace velmora {
namespace {

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
};

struct Driver {
    Wizard& wizard;
    const WizardOperations& operations;
};

struct StepRow {
    Step step;
    void (*run)(Driver&);
    Step onBack;  // Step::End: the step does not look at BackRequested
    Step (*onNext)(Driver&);
};

// --- What runs in each step -----------------------------------------------------------------

// Runs an operation of the pages; one that this program does not supply ends the wizard with
// a message that names it, rather than with an unexplained failure.
void Call(const WizardOperation& operation, const char* name) {
    if (!operation) {
        throw std::logic_error(std::string("The step \"") + name +
                               "\" is not available in this program.");
    }
    operation();
}

void RunLanguagePage(Driver& d) {
    Call(d.operations.LanguagePage, "LanguagePage");
}
void RunAboutProgramPage(Driver& d) {
    Call(d.operations.AboutProgramPage, "AboutProgramPage");
}
void RunAboutPackPage(Driver& d) {
    Call(d.operations.AboutPackPage, "AboutPackPage");
}
void RunSearchMethodPage(Driver& d) {
    Call(d.operations.SearchMethodPage, "SearchMethodPage");
}
void RunSimpleSearchPage(Driver& d) {
    Call(d.operations.SimpleSearchPage, "SimpleSearchPage");
}
void RunInstallModePage(Driver& d) {
    Call(d.operations.InstallModePage, "InstallModePage");
}
void RunInstallIntoSkins(Driver& d) {
    Call(d.operations.InstallIntoSkins, "InstallIntoSkins");
}
void RunInstallIntoInfium(Driver& d) {
    Call(d.operations.InstallIntoInfium, "InstallIntoInfium");
}
void RunNothing(Driver&) {}

// The pack may hide its information page; skipping it leaves BackRequested as it was, so the
// page is passed over in the direction the user was going.
void RunPackInfoPage(Driver& d) {
    if (LowerAscii(d.wizard.pack.InfoPageSwitch) != "off")
        Call(d.operations.PackInfoPage, "PackInfoPage");
}

// The page decides which messenger the chosen copy is, by its executable.
void RunSearchResultsPage(Driver& d) {
    Call(d.operations.SearchResultsPage, "SearchResultsPage");
}

void RunFoundNotice(Driver& d) {
    if (d.wizard.qip.showFoundMessage) ShowFoundFolderNotice(d.wizard);
}

// --- Where the driver goes when the step was not left with Back -------------------------------

template <Step target>
Step GoTo(Driver&) {
    return target;
}

Step AfterLanguagePage(Driver& d) {
    LoadLanguage(d.wizard, "");
    d.wizard.state.LanguagePending = false;
    return Step::AboutProgram;
}

Step AfterSearchMethodPage(Driver& d) {
    return d.wizard.state.SearchMethod == kSimplifiedSearch ? Step::SimpleSearch
                                                            : Step::FoundNotice;
}

// No copy found, or the user went back from the list: choose the search method again.
Step AfterSearchResultsPage(Driver& d) {
    if (!d.wizard.qip.folder.empty() && !d.wizard.state.BackRequested) return Step::FoundNotice;
    d.wizard.sys.dialogs.EnableNextButton();
    return Step::SearchMethod;
}

Step AfterFoundNotice(Driver& d) {
    return d.wizard.qip.isInfium ? Step::InstallIntoInfium : Step::InstallMode;
}

Step AfterInstallation(Driver& d) {
    return AskAnotherInstall(d.wizard) ? Step::SearchMethod : Step::End;
}

// Rows in step order; the index of a row is its step.
const std::array<StepRow, 13> kSteps = {{
    {Step::End, RunNothing, Step::End, GoTo<Step::End>},
    {Step::Language, RunLanguagePage, Step::End, AfterLanguagePage},
    {Step::AboutProgram, RunAboutProgramPage, Step::End, GoTo<Step::AboutPack>},
    {Step::AboutPack, RunAboutPackPage, Step::AboutProgram, GoTo<Step::PackInfo>},
    {Step::PackInfo, RunPackInfoPage, Step::AboutPack, GoTo<Step::SearchMethod>},
    {Step::SearchMethod, RunSearchMethodPage, Step::PackInfo, AfterSearchMethodPage},
    {Step::SimpleSearch, RunSimpleSearchPage, Step::SearchMethod, GoTo<Step::SearchResults>},
    {Step::SearchResults, RunSearchResultsPage, Step::End, AfterSearchResultsPage},
    {Step::FoundNotice, RunFoundNotice, Step::End, AfterFoundNotice},
    {Step::InstallMode, RunInstallModePage, Step::SearchMethod, GoTo<Step::InstallIntoSkins>},
    {Step::InstallIntoSkins, RunInstallIntoSkins, Step::InstallMode, GoTo<Step::AskAgain>},
    {Step::InstallIntoInfium, RunInstallIntoInfium, Step::SearchMethod, GoTo<Step::AskAgain>},
    {Step::AskAgain, RunNothing, Step::End, AfterInstallation},
}};

void RunPageSequence(Driver& d) {
    Step step = Step::Language;
    while (step != Step::End) {
        const StepRow& row = kSteps[static_cast<size_t>(step)];
        row.run(d);
        if (d.wizard.state.StopRequested) return;
        if (row.onBack != Step::End && d.wizard.state.BackRequested) {
            step = row.onBack;
        } else {
            step = row.onNext(d);
        }
    }
}

const char* const kStoppedByError = "The wizard had to stop because of an unexpected error.";

// Runs one part of the run and turns anything it throws into the text for the error box;
// the first failure is the one shown.
template <typename Work>
void Guarded(Work work, std::string& failure) {
    std::string text;
    try {
        work();
        return;
    } catch (const UnexpectedFileError& error) {
        text = "The wizard had to stop: a file could not be used.\r\n\r\nFile: \"" + error.path +
               "\"\r\nReason: " + error.reason;
    } catch (const std::exception& error) {
        text = std::string(kStoppedByError) + "\r\n\r\nReason: " + error.what();
    } catch (...) {
        text = kStoppedByError;
    }
    if (failure.empty()) failure = text;
}

}  // namespace

void RunWizard(Wizard& wizard, const WizardOperations& operations) {
    wizard.state.ProgramVersion = kProgramVersion;
    wizard.state.BuildDate = kBuildDate;
    wizard.state.AgreementAccepted = false;
    wizard.state.LanguagePending = true;
    if (!CheckWindowsVersion(wizard)) return;

    Driver driver{wizard, operations};
    std::string failure;
    Guarded([&] { RunPageSequence(driver); }, failure);
    // Why the wizard stopped belongs in LOG.txt, which the closing sequence offers.
    if (!failure.empty()) LogProblem(wizard.state, failure);
    Guarded([&] { CloseWizard(wizard, operations); }, failure);
    if (failure.empty()) return;

    ShowErrorBox(wizard.sys.dialogs, "Velmora: Error...", failure);
}

}  // namespace velmora
