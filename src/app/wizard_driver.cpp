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

struct Driver {
    Wizard& wizard;
    const WizardOperations& operations;
};

// One step: what runs, which of Back and Next it starts with (for a page), whether it may be
// passed over (it says Skip, and the driver goes on the way it was going), and where Back and
// Next lead. Step::End as onBack: the step is never left with Back.
struct StepRow {
    Step step;
    const char* name;
    PageResult (*run)(Driver&, const StepRow&);
    bool backEnabled;
    bool nextEnabled;
    bool mayBePassedOver;
    Step onBack;
    Step (*onNext)(Driver&);
};

// --- What runs in each step -----------------------------------------------------------------

// Runs the window's page of the step; one that this program does not supply ends the wizard
// with a message that names it, rather than with an unexplained failure.
PageResult RunPage(Driver& d, const StepRow& row) {
    const auto page = d.operations.pages.find(row.step);
    if (page == d.operations.pages.end() || !page->second) {
        throw std::logic_error(std::string("The step \"") + row.name +
                               "\" is not available in this program.");
    }
    if (d.operations.SetButtons) d.operations.SetButtons(row.backEnabled, row.nextEnabled);
    return page->second();
}

// The run starts afresh; a pack that failed its check has been reported, and nothing is shown.
PageResult RunLanguagePage(Driver& d, const StepRow& row) {
    if (!ResetWizardState(d.wizard)) return PageResult::Stop;
    return RunPage(d, row);
}

// The pack may hide its information page.
PageResult RunPackInfoPage(Driver& d, const StepRow& row) {
    if (LowerAscii(d.wizard.pack.InfoPageSwitch) == "off") return PageResult::Skip;
    return RunPage(d, row);
}

PageResult RunFoundNotice(Driver& d, const StepRow&) {
    if (d.wizard.qip.showFoundMessage) ShowFoundFolderNotice(d.wizard);
    return PageResult::Next;
}

PageResult RunNothing(Driver&, const StepRow&) {
    return PageResult::Next;
}

// --- Where Next leads -------------------------------------------------------------------------

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

// The page decides which messenger the chosen copy is, by its executable; with no copy found
// the user chooses the search method again.
Step AfterSearchResultsPage(Driver& d) {
    return d.wizard.qip.folder.empty() ? Step::SearchMethod : Step::FoundNotice;
}

Step AfterFoundNotice(Driver& d) {
    return d.wizard.qip.isInfium ? Step::InstallIntoInfium : Step::InstallMode;
}

Step AfterInstallation(Driver& d) {
    return AskAnotherInstall(d.wizard) ? Step::SearchMethod : Step::End;
}

// Rows in step order; the index of a row is its step.
constexpr bool on = true, off = false;
const std::array<StepRow, static_cast<size_t>(Step::Count)> kSteps = {{
    {Step::End, "", RunNothing, off, off, off, Step::End, GoTo<Step::End>},
    {Step::Language, "LanguagePage", RunLanguagePage, off, off, off, Step::End, AfterLanguagePage},
    {Step::AboutProgram, "AboutProgramPage", RunPage, off, on, off, Step::End,
     GoTo<Step::AboutPack>},
    {Step::AboutPack, "AboutPackPage", RunPage, on, on, on, Step::AboutProgram,
     GoTo<Step::PackInfo>},
    {Step::PackInfo, "PackInfoPage", RunPackInfoPage, on, on, on, Step::AboutPack,
     GoTo<Step::SearchMethod>},
    {Step::SearchMethod, "SearchMethodPage", RunPage, on, on, off, Step::PackInfo,
     AfterSearchMethodPage},
    {Step::SimpleSearch, "SimpleSearchPage", RunPage, on, on, off, Step::SearchMethod,
     GoTo<Step::SearchResults>},
    {Step::SearchResults, "SearchResultsPage", RunPage, on, on, off, Step::SearchMethod,
     AfterSearchResultsPage},
    {Step::FoundNotice, "FoundNotice", RunFoundNotice, on, on, off, Step::End, AfterFoundNotice},
    {Step::InstallMode, "InstallModePage", RunPage, on, on, on, Step::SearchMethod,
     GoTo<Step::InstallIntoSkins>},
    {Step::InstallIntoSkins, "InstallIntoSkins", RunPage, on, on, off, Step::InstallMode,
     GoTo<Step::AskAgain>},
    {Step::InstallIntoInfium, "InstallIntoInfium", RunPage, on, on, off, Step::SearchMethod,
     GoTo<Step::AskAgain>},
    {Step::AskAgain, "AskAgain", RunNothing, off, off, off, Step::End, AfterInstallation},
}};

// Where a step's result leads; Skip goes on the way the user was going.
Step NextStep(Driver& d, const StepRow& row, PageResult result, bool& goingBack) {
    if (result == PageResult::Skip && !row.mayBePassedOver) {
        throw std::logic_error(std::string("The step \"") + row.name + "\" cannot be passed over.");
    }
    if (result == PageResult::Back) goingBack = true;
    if (result == PageResult::Next) goingBack = false;
    if (result == PageResult::Back && row.onBack == Step::End) {
        throw std::logic_error(std::string("The step \"") + row.name + "\" has no way back.");
    }
    return goingBack && row.onBack != Step::End ? row.onBack : row.onNext(d);
}

void RunPageSequence(Driver& d) {
    Step step = Step::Language;
    bool goingBack = false;
    while (step != Step::End) {
        const StepRow& row = kSteps[static_cast<size_t>(step)];
        const PageResult result = row.run(d, row);
        if (result == PageResult::Stop) return;
        step = NextStep(d, row, result, goingBack);
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

    ShowErrorBox(wizard.sys.dialogs, Question::UnexpectedError, "Velmora: Error...", failure);
}

}  // namespace velmora
