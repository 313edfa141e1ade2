// The page sequence driven by scripted pages, the closing sequence, and the guard.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "base/unexpected_error.h"
#include "test_world.h"

namespace velmora::test {
namespace {

using Action = std::function<PageResult(Wizard&)>;

const Action Next = [](Wizard&) { return PageResult::Next; };
const Action Back = [](Wizard&) { return PageResult::Back; };
const Action Exit = [](Wizard&) { return PageResult::Stop; };
const Action Pass = [](Wizard&) { return PageResult::Skip; };  // nothing to show

Action ChooseFolder(const std::string& folder, bool found = false,
                    PageResult result = PageResult::Next) {
    return [=](Wizard& w) {
        w.qip.folder = folder;
        w.qip.showFoundMessage = found;
        w.state.SearchMethod = kManualFolderChoice;
        return result;
    };
}

Action ChooseSearch(int32_t method) {
    return [=](Wizard& w) {
        w.state.SearchMethod = method;
        return PageResult::Next;
    };
}

// The steps by the names the program gives them.
const std::pair<Step, const char*> kPages[] = {
    {Step::Language, "Language"},         {Step::AboutProgram, "AboutProgram"},
    {Step::AboutPack, "AboutPack"},       {Step::PackInfo, "PackInfo"},
    {Step::SearchMethod, "SearchMethod"}, {Step::SimpleSearch, "SimpleSearch"},
    {Step::SearchResults, "SearchResults"}, {Step::InstallMode, "InstallMode"},
    {Step::InstallIntoSkins, "InstallIntoSkins"}, {Step::InstallIntoInfium, "InstallIntoInfium"},
};

// A sound SMP.ini, which the run loads before its first page.
void WritePack(TestWorld& world, const std::string& email = "author@pack.example",
               const std::string& infoPage = "") {
    world.Write("Source SMP\\SMP.ini", "Sunny Smiles 1.0\r\nsmilespack\r\nall\r\nfulllite\r\n"
                                        "https://pack.example\r\n" + email +
                                            "\r\nno\r\n12\r\n10\r\n12\r\n10\r\nall\r\n" +
                                            infoPage + "\r\n01.12.2026\r\n");
}

// Pages that act out a script and write down the order in which they ran.
class ScriptedRun {
  public:
    explicit ScriptedRun(TestWorld& world) : world_(world) { WritePack(world); }

    ScriptedRun& On(const std::string& page, std::initializer_list<Action> actions) {
        for (const Action& action : actions)
            script_[page].push_back(action);
        return *this;
    }

    WizardOperations Operations() {
        WizardOperations ops;
        for (const auto& [step, name] : kPages)
            ops.pages[step] = Page(name);
        ops.SetButtons = [this](bool back, bool next) { buttons = {back, next}; };
        ops.WriteLogFile = [this] { Page("WriteLogFile")(); };
        ops.MailLogFile = [this] { Page("MailLogFile")(); };
        return ops;
    }

    // Runs the wizard and returns the pages in the order they ran, separated by blanks.
    std::string Run() {
        RunWizard(world_.wizard, Operations());
        return trace;
    }

    std::string trace;
    std::pair<bool, bool> buttons;                              // Back and Next, as last asked
    std::map<std::string, std::vector<std::pair<bool, bool>>> started;  // each visit's buttons

  private:
    WizardOperation Page(const std::string& name) {
        return [this, name] {
            trace += (trace.empty() ? "" : " ") + name;
            started[name].push_back(buttons);
            auto& queue = script_[name];
            if (queue.empty()) return Next(world_.wizard);
            const Action action = queue.front();
            queue.pop_front();
            return action(world_.wizard);
        };
    }

    TestWorld& world_;
    std::map<std::string, std::deque<Action>> script_;
};

class Driver : public ::testing::Test {
  protected:
    Driver() { world.wizard.state.LanguageName = "Russian"; }

    std::vector<std::string> BoxTitles() const {
        std::vector<std::string> titles;
        for (const MessageBoxRequest& box : world.dialogs.shown)
            titles.push_back(box.title);
        return titles;
    }

    TestWorld world;
    ScriptedRun run{world};
};

TEST_F(Driver, ForwardToQip2005AndBackFromEachPageToItsPredecessor) {
    run.On("AboutPack", {Back, Next})
        .On("PackInfo", {Back, Next})
        .On("SearchMethod", {Back, ChooseFolder("C:\\QIP")})
        .On("InstallMode", {Back, Next})
        .On("SearchMethod", {ChooseFolder("C:\\QIP")})
        .On("InstallIntoSkins", {Back, Next});
    EXPECT_EQ(run.Run(),
              "Language AboutProgram AboutPack AboutProgram AboutPack PackInfo AboutPack "
              "PackInfo SearchMethod PackInfo SearchMethod InstallMode SearchMethod InstallMode "
              "InstallIntoSkins InstallMode InstallIntoSkins");
    // After the language page the chosen language is loaded in full.
    EXPECT_FALSE(world.wizard.state.LanguagePending);
    EXPECT_EQ(world.wizard.text[Text::BackButtonText], "<< Назад");
    // The closing question about another installation was asked, owned by the window.
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].owner, BoxOwner::MainWindow);
    EXPECT_EQ(world.dialogs.shown[0].text, world.wizard.text[Text::AskAnotherInstall]);
}

TEST_F(Driver, ExitOnAnyPageEndsTheRunAtOnceAndOffersOnlyTheLog) {
    const char* pages[] = {"Language",     "AboutProgram", "AboutPack",       "PackInfo",
                           "SearchMethod", "InstallMode",  "InstallIntoSkins"};
    for (const char* page : pages) {
        TestWorld fresh;
        fresh.wizard.state.LanguageName = "Russian";
        ScriptedRun exiting(fresh);
        if (std::string(page) != "SearchMethod")
            exiting.On("SearchMethod", {ChooseFolder("C:\\QIP")});
        exiting.On(page, {[](Wizard& w) {
                       LogProblem(w.state, "Broken.txt | Error in file, not for loading!");
                       return Exit(w);
                   }});
        const std::string trace = exiting.Run();
        EXPECT_EQ(trace.substr(trace.rfind(' ') + 1), page) << trace;
        // The only question is the log's, and not before a language was chosen.
        EXPECT_EQ(fresh.dialogs.shown.size(), std::string(page) == "Language" ? 0u : 1u) << page;
    }
}

// A page with nothing to show is passed over the way the user was going. The information page
// may also be switched off by the pack.
TEST_F(Driver, PagesWithNothingToShowArePassedOverBothWays) {
    WritePack(world, "a@b.example", "oFF");
    run.On("SearchMethod", {Back, Exit});
    EXPECT_EQ(run.Run(), "Language AboutProgram AboutPack SearchMethod AboutPack SearchMethod");

    WritePack(world);
    run.trace.clear();
    run.On("AboutPack", {Pass, Pass}).On("PackInfo", {Back, Exit});
    EXPECT_EQ(run.Run(),
              "Language AboutProgram AboutPack PackInfo AboutPack AboutProgram "
              "AboutPack PackInfo");
}

// The search's results say which messenger runs; Back (or Cancel) in the QIP Infium
// installation leads to the search method again.
TEST_F(Driver, SimplifiedSearchLeadsToTheInstallationOfTheMessengerFound) {
    const Action infium = [](Wizard& w) {
        ChooseFolder("C:\\Infium")(w);
        w.qip.isInfium = true;
        return PageResult::Next;
    };
    run.On("SearchMethod", {ChooseSearch(kSimplifiedSearch), ChooseSearch(kSimplifiedSearch), Exit})
        .On("SearchResults", {ChooseFolder("C:\\QIP"), infium})
        .On("InstallIntoInfium", {Back});
    world.dialogs.answers = {BoxAnswer::Yes};
    EXPECT_EQ(run.Run(),
              "Language AboutProgram AboutPack PackInfo SearchMethod SimpleSearch SearchResults "
              "InstallMode InstallIntoSkins SearchMethod SimpleSearch SearchResults "
              "InstallIntoInfium SearchMethod");
}

// The copy list disables Next until a pick; the search method starts with it enabled again.
TEST_F(Driver, NothingFoundOrBackFromTheListReturnsToTheSearchMethodWithNextEnabled) {
    run.On("SearchMethod", {ChooseSearch(kSimplifiedSearch), ChooseSearch(kSimplifiedSearch),
                            ChooseSearch(kSimplifiedSearch), Exit})
        .On("SimpleSearch", {Next, Next, Back})
        .On("SearchResults", {ChooseFolder(""), ChooseFolder("C:\\QIP", false, PageResult::Back)});
    EXPECT_EQ(run.Run(),
              "Language AboutProgram AboutPack PackInfo SearchMethod SimpleSearch SearchResults "
              "SearchMethod SimpleSearch SearchResults SearchMethod SimpleSearch SearchMethod");
    const std::pair<bool, bool> both{true, true};
    EXPECT_EQ(run.started["SearchMethod"], decltype(run.started)::mapped_type(4, both));
    // Only the first pages start without Back, and the language page without Next.
    EXPECT_EQ(run.started["Language"][0], std::make_pair(false, false));
    EXPECT_EQ(run.started["AboutProgram"][0], std::make_pair(false, true));
    EXPECT_EQ(run.started["AboutPack"][0], both);
}

TEST_F(Driver, FoundFolderNoticeNamesTheFolderBeforeTheInstallation) {
    run.On("SearchMethod", {ChooseFolder("C:\\Program Files\\QIP", true)})
        .On("InstallMode", {Exit});
    run.Run();
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    const MessageBoxRequest& notice = world.dialogs.shown[0];
    EXPECT_EQ(notice.title, "Предупреждение...");
    EXPECT_EQ(notice.text,
              "Папка QIP`а успешно найдена!\r\nПуть к найденной папке: "
              "\"C:\\Program Files\\QIP\"");
    EXPECT_EQ(notice.icon, BoxIcon::Information);
    EXPECT_EQ(notice.owner, BoxOwner::None);
}

TEST_F(Driver, WindowsOlderThanXpIsRefusedBeforeAnyPage) {
    const std::pair<WindowsVersion, bool> versions[] = {
        {{4, 10}, false}, {{5, 0}, false}, {{5, 1}, true}, {{6, 0}, true}};
    for (const auto& [version, runs] : versions) {
        TestWorld fresh;
        fresh.host.version = version;
        ScriptedRun versioned(fresh);
        versioned.On("Language", {Exit});
        EXPECT_EQ(versioned.Run(), runs ? "Language" : "") << version.major << version.minor;
        if (runs) continue;
        ASSERT_EQ(fresh.dialogs.shown.size(), 1u);
        const MessageBoxRequest& box = fresh.dialogs.shown[0];
        EXPECT_EQ(box.text, "\r\nVelmora\r\n\r\nNot supported OS...                ");
        EXPECT_EQ(box.title, "Warning...");
        EXPECT_EQ(box.icon, BoxIcon::Error);
        EXPECT_EQ(box.owner, BoxOwner::None);
    }
}

// --- The closing sequence ---------------------------------------------------------------------

TEST_F(Driver, Qip2005InstallationAsksToRestartQipOrTheSystem) {
    for (const bool quotaRaised : {false, true}) {
        TestWorld fresh;
        fresh.wizard.state.LanguageName = "Russian";
        ScriptedRun installing(fresh);
        installing.On("SearchMethod", {ChooseFolder("C:\\QIP")})
            .On("InstallIntoSkins", {[=](Wizard& w) {
                    w.state.InstallStarted = true;
                    w.state.RebootNeeded = quotaRaised;
                    return PageResult::Next;
                }});
        fresh.dialogs.answers = {BoxAnswer::No, BoxAnswer::Yes};
        installing.Run();
        ASSERT_EQ(fresh.dialogs.shown.size(), 2u);
        const MessageBoxRequest& last = fresh.dialogs.shown[1];
        if (quotaRaised) {
            EXPECT_EQ(last.text, fresh.wizard.text[Text::AskReboot]);
            EXPECT_EQ(last.buttons, BoxButtons::YesNo);
            EXPECT_EQ(fresh.host.restarts, 1);
        } else {
            EXPECT_EQ(last.text, "Для использования новых смайлов, необходимо перезапустить QIP.");
            EXPECT_EQ(last.icon, BoxIcon::Information);
            EXPECT_EQ(fresh.host.restarts, 0);
        }
    }
}

TEST_F(Driver, TheLogIsOfferedAndMailedOnlyAfterItWasWritten) {
    struct Case {
        std::deque<BoxAnswer> answers;
        const char* email;
        bool writerClearsErrors;
        const char* trace;  // the closing operations that ran
        size_t questions;
    };
    const Case cases[] = {
        {{BoxAnswer::No}, "a@b.example", false, "", 1},
        {{BoxAnswer::Yes, BoxAnswer::Yes}, "a@b.example", false, "WriteLogFile MailLogFile", 2},
        {{BoxAnswer::Yes, BoxAnswer::No}, "a@b.example", false, "WriteLogFile", 2},
        {{BoxAnswer::Yes}, "", false, "WriteLogFile", 1},
        {{BoxAnswer::Yes}, "a@b.example", true, "WriteLogFile", 1},
    };
    for (const Case& c : cases) {
        TestWorld fresh;
        fresh.wizard.state.LanguageName = "Russian";
        ScriptedRun closing(fresh);
        WritePack(fresh, c.email);
        closing.On("AboutProgram", {[](Wizard& w) {
                       LogProblem(w.state, "a problem");
                       return Exit(w);
                   }});
        closing.On("WriteLogFile", {[&](Wizard& w) {
                       if (c.writerClearsErrors) w.state.ErrorsFound = false;
                       return PageResult::Next;
                   }});
        fresh.dialogs.answers = c.answers;
        const std::string trace = closing.Run();
        EXPECT_EQ(trace.substr(std::string("Language AboutProgram").size()),
                  std::string(*c.trace ? " " : "") + c.trace);
        ASSERT_EQ(fresh.dialogs.shown.size(), c.questions);
        EXPECT_EQ(fresh.dialogs.shown[0].title, "Подтверждение...");
        EXPECT_EQ(fresh.dialogs.shown[0].text,
                  "При установке смайл-пака были обнаружены ошибки, создать LOG-файл с отчетом о "
                  "них?");
        EXPECT_EQ(fresh.dialogs.shown[0].owner, BoxOwner::None);
    }
}

TEST_F(Driver, AnEmptyConfirmationTitleGetsTheEnglishLogQuestions) {
    world.wizard.state.LanguagePending = false;
    world.wizard.state.ErrorsFound = true;
    CloseWizard(world.wizard, run.Operations());
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].title, "Confirm...");
    EXPECT_EQ(world.dialogs.shown[0].text,
              "During install smiles-pack were found errors, create LOG-file with report?");
}

TEST_F(Driver, AnUnexpectedErrorStillClosesTheWizardOnceAndIsNamed) {
    run.On("SearchMethod", {ChooseFolder("C:\\QIP")})
        .On("InstallIntoSkins", {[](Wizard& w) -> PageResult {
                w.state.InstallStarted = true;
                throw UnexpectedFileError("C:\\QIP\\Skins\\Blue\\Smilies\\Animated\\a.gif",
                                          "Access is denied.");
            }});
    run.Run();
    // The reason is logged first, so the closing sequence offers LOG.txt with it.
    EXPECT_EQ(BoxTitles(), (std::vector<std::string>{"Предупреждение...", "Подтверждение...",
                                                     "Velmora: Error..."}));
    const std::string reason =
        "The wizard had to stop: a file could not be used.\r\n\r\n"
        "File: \"C:\\QIP\\Skins\\Blue\\Smilies\\Animated\\a.gif\"\r\n"
        "Reason: Access is denied.";
    EXPECT_EQ(world.wizard.state.ErrorLog, "\r\n" + reason);
    EXPECT_EQ(world.dialogs.shown[2].text, reason);
    EXPECT_EQ(world.dialogs.shown[2].icon, BoxIcon::Error);
}

TEST_F(Driver, AnErrorInsideTheClosingSequenceIsShownAndNothingRunsTwice) {
    run.On("AboutProgram", {[](Wizard& w) -> PageResult {
               LogProblem(w.state, "a problem");
               throw std::runtime_error("out of memory");
           }})
        .On("WriteLogFile", {[](Wizard&) -> PageResult {
                throw UnexpectedFileError("C:\\LOG.txt", "Disk full");
            }});
    world.dialogs.answers = {BoxAnswer::Yes};
    EXPECT_EQ(run.Run(), "Language AboutProgram WriteLogFile");
    // The first failure is the one the user is told about.
    EXPECT_EQ(BoxTitles(), (std::vector<std::string>{"Подтверждение...", "Velmora: Error..."}));
    EXPECT_EQ(world.dialogs.shown[1].text,
              "The wizard had to stop because of an unexpected error.\r\n\r\n"
              "Reason: out of memory");
}

TEST_F(Driver, AMissingOperationEndsTheWizardThroughTheGuardAndNamesIt) {
    WizardOperations operations = run.Operations();
    operations.pages.erase(Step::SearchMethod);
    RunWizard(world.wizard, operations);
    EXPECT_EQ(run.trace, "Language AboutProgram AboutPack PackInfo");
    ASSERT_EQ(BoxTitles(), (std::vector<std::string>{"Подтверждение...", "Velmora: Error..."}));
    EXPECT_EQ(world.dialogs.shown[1].text,
              "The wizard had to stop because of an unexpected error.\r\n\r\n"
              "Reason: The step \"SearchMethodPage\" is not available in this program.");
}

// --- The reset before the language page --------------------------------------------------------

TEST(Reset, ClearsTheLogReadsTheSwitchAndLoadsThePack) {
    TestWorld world;
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{}, false},
        {{"TESTMODE"}, true},
        {{"TestMode", "more"}, true},
        {{"x", "testmode"}, false},
        {{"testmode2"}, false},
    };
    for (const auto& [arguments, testMode] : cases) {
        world.host.arguments = arguments;
        LogProblem(world.wizard.state, "old");
        // The folder has no pack: loading it logs the one problem and stops the wizard.
        EXPECT_FALSE(ResetWizardState(world.wizard));
        EXPECT_EQ(world.wizard.state.TestMode, testMode) << arguments.size();
    }
    const WizardState& state = world.wizard.state;
    EXPECT_EQ(state.LanguageName, "Russian");
    EXPECT_EQ(world.wizard.text[Text::ExitQuestion], "Do you really want to close the program?");
    EXPECT_EQ(state.ErrorLog, "\r\nError in \"SMP.ini\" Error data: File not found.");
}

}  // namespace
}  // namespace velmora::test
