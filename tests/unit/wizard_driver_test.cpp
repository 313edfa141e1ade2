// The page sequence driven by scripted pages, the closing sequence, the guard, and where the
// findings of the checks go.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

#include "app/findings.h"
#include "base/unexpected_error.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// Does what a word of a script says, and says how the page was left.
PageResult Act(Wizard& w, const std::string& word) {
    if (word == "qip" || word == "found") w.qip = {"C:\\QIP", false, word == "found"};
    if (word == "infium") w.qip = {"C:\\Infium", true};
    if (word == "none") w.qip.folder.clear();
    if (word == "simple") w.state.SearchMethod = kSimplifiedSearch;
    if (word == "info-off") w.pack.InfoPageSwitch = "oFF";
    if (word == "anonymous") w.pack.AuthorEmail.clear();
    if (word == "untitled") w.text[Text::ConfirmTitle].clear();
    if (word == "problem") LogProblem(w.state, "a problem");
    if (word == "installed") w.state.InstallStarted = true;
    if (word == "reboot") w.state.RebootNeeded = true;
    if (word == "clears") w.state.ErrorsFound = false;
    if (word == "throw") throw std::runtime_error("out of memory");
    if (word == "file-error") throw UnexpectedFileError("C:\\QIP\\a.gif", "Access denied.");
    if (word == "back") return PageResult::Back;
    if (word == "pass") return PageResult::Skip;
    return word == "exit" || word == "problem" ? PageResult::Stop : PageResult::Next;
}

// The pages by the names the scripts use, in step order; the steps between them have none.
const char* const kPages[] = {"",         "Language",     "AboutProgram",     "AboutPack",
                              "PackInfo", "SearchMethod", "SimpleSearch",     "SearchResults",
                              "",         "InstallMode",  "InstallIntoSkins", "InstallIntoInfium"};

const std::map<Question, const char*> kBoxes = {
    {Question::FoundFolder, "[found]"},     {Question::AnotherInstall, "[another]"},
    {Question::RestartQip, "[restart]"},    {Question::Reboot, "[reboot]"},
    {Question::WriteLog, "[log]"},          {Question::MailLog, "[mail]"},
    {Question::UnexpectedError, "[error]"}, {Question::UnsupportedWindows, "[os]"},
};

// A run over pages that act out a script, "Page=word,word;Page=word", where "a+b" does a and
// then b; "answers=yes,no" answers the boxes, "windows=5.1" is the system. A page without words
// left goes on with Next; a page whose first word is "missing" is not supplied. The trace names
// each page as it starts, marked "-+" or "--" when Back, or Back and Next, start disabled; each
// closing operation; each box; and a restart of Windows.
class ScriptedRun : public Dialogs {
  public:
    explicit ScriptedRun(const std::string& script) {
        world.Write("Source SMP\\SMP.ini",
                    "Sunny Smiles 1.0\r\nsmilespack\r\nall\r\nfulllite\r\nhttps://pack.example\r\n"
                    "a@pack.example\r\nno\r\n12\r\n10\r\n12\r\n10\r\nall\r\n\r\n01.12.2026\r\n");
        std::istringstream entries(script);
        for (std::string entry; std::getline(entries, entry, ';');) {
            std::istringstream words(entry.substr(entry.find('=') + 1));
            for (std::string word; std::getline(words, word, ',');)
                script_[entry.substr(0, entry.find('='))].push_back(word);
        }
    }

    std::string Run() {
        WizardOperations ops;
        for (size_t step = 0; step < std::size(kPages); ++step) {
            const std::deque<std::string>& words = script_[kPages[step]];
            if (*kPages[step] && (words.empty() || words.front() != "missing"))
                ops.pages[static_cast<Step>(step)] = Page(kPages[step]);
        }
        ops.SetButtons = [this](bool back, bool next) { marker_ = back ? "" : next ? "-+" : "--"; };
        ops.WriteLogFile = [this] { Page("WriteLogFile")(); };
        ops.MailLogFile = [this] { Page("MailLogFile")(); };
        for (const std::string& v : script_["windows"])
            std::sscanf(v.c_str(), "%u.%u", &world.host.version.major, &world.host.version.minor);
        for (const std::string& word : script_["answers"])
            world.dialogs.answers.push_back(word == "yes" ? BoxAnswer::Yes : BoxAnswer::No);
        RunWizard(wizard, ops);
        if (world.host.restarts) trace += " restarted";
        return trace.empty() ? trace : trace.substr(1);
    }

    BoxAnswer Ask(const MessageBoxRequest& box) override {
        trace += std::string(" ") + kBoxes.at(box.question);
        return world.dialogs.Ask(box);
    }

    TestWorld world;
    Platform platform{world.realFiles, *this,          world.host,
                      world.processes, world.registry, world.clock};
    Wizard wizard{platform};
    std::string trace;

  private:
    WizardOperation Page(const std::string& name) {
        return [this, name] {
            trace += " " + name + marker_;
            marker_.clear();
            std::deque<std::string>& words = script_[name];
            if (words.empty()) return PageResult::Next;
            std::istringstream steps(words.front());
            words.pop_front();
            PageResult result = PageResult::Next;
            for (std::string step; std::getline(steps, step, '+');)
                result = Act(wizard, step);
            return result;
        };
    }

    std::map<std::string, std::deque<std::string>> script_;
    std::string marker_;
};

const std::string kStart = "Language-- AboutProgram-+ ";
const std::string kToSearch = kStart + "AboutPack PackInfo SearchMethod ";
const std::string kError =
    "Velmora: Error...|The wizard had to stop because of an unexpected error.\r\n\r\nReason: ";

TEST(Driver, EveryWayThroughThePagesAndOutOfThem) {
    // The script, the trace, and where it matters the title, a bar, and text of the last box.
    const std::vector<std::string> cases[] = {
        // Where Back and Next lead, and a page with nothing to show passed over both ways.
        {"AboutPack=back,next;PackInfo=back,next;SearchMethod=back,qip,qip;InstallMode=back,next;"
         "InstallIntoSkins=back,next",
         kStart + "AboutPack AboutProgram-+ AboutPack PackInfo AboutPack PackInfo SearchMethod "
                  "PackInfo SearchMethod InstallMode SearchMethod InstallMode InstallIntoSkins "
                  "InstallMode InstallIntoSkins [another]"},
        {"AboutPack=info-off;SearchMethod=back,exit",
         kStart + "AboutPack SearchMethod AboutPack SearchMethod"},
        {"AboutPack=pass,pass;PackInfo=back,exit",
         kStart + "AboutPack PackInfo AboutPack AboutProgram-+ AboutPack PackInfo"},
        {"SearchMethod=simple,simple,exit;SearchResults=qip,infium;InstallIntoInfium=back;"
         "answers=yes",
         kToSearch + "SimpleSearch SearchResults InstallMode InstallIntoSkins [another] "
                     "SearchMethod SimpleSearch SearchResults InstallIntoInfium SearchMethod"},
        {"SearchMethod=simple,simple,simple,exit;SimpleSearch=next,next,back;"
         "SearchResults=none,back",
         kToSearch + "SimpleSearch SearchResults SearchMethod SimpleSearch SearchResults "
                     "SearchMethod SimpleSearch SearchMethod"},
        // The closing sequence.
        {"SearchMethod=found;InstallMode=exit", kToSearch + "[found] InstallMode",
         "Предупреждение...|Папка QIP`а успешно найдена!\r\nПуть к найденной папке: \"C:\\QIP\""},
        {"SearchMethod=qip;InstallIntoSkins=installed",
         kToSearch + "InstallMode InstallIntoSkins [another] [restart]",
         "Предупреждение...|Для использования новых смайлов, необходимо перезапустить QIP."},
        {"SearchMethod=qip;InstallIntoSkins=installed+reboot;answers=no,yes",
         kToSearch + "InstallMode InstallIntoSkins [another] [reboot] restarted"},
        {"AboutProgram=problem", kStart + "[log]",
         "Подтверждение...|При установке смайл-пака были обнаружены ошибки, создать LOG-файл с "
         "отчетом о них?"},
        {"AboutProgram=problem;answers=yes,yes", kStart + "[log] WriteLogFile [mail] MailLogFile"},
        {"AboutProgram=problem;answers=yes,no", kStart + "[log] WriteLogFile [mail]"},
        {"AboutProgram=anonymous+problem;answers=yes", kStart + "[log] WriteLogFile"},
        {"AboutProgram=problem;WriteLogFile=clears;answers=yes", kStart + "[log] WriteLogFile"},
        {"AboutProgram=untitled+problem", kStart + "[log]",
         "Confirm...|During install smiles-pack were found errors, create LOG-file with report?"},
        // The guard: the reason is logged before the closing sequence, which runs once.
        {"SearchMethod=qip;InstallIntoSkins=installed+file-error",
         kToSearch + "InstallMode InstallIntoSkins [restart] [log] [error]",
         "Velmora: Error...|The wizard had to stop: a file could not be used.\r\n\r\n"
         "File: \"C:\\QIP\\a.gif\"\r\nReason: Access denied."},
        {"AboutProgram=problem+throw;WriteLogFile=file-error;answers=yes",
         kStart + "[log] WriteLogFile [error]", kError + "out of memory"},
        {"SearchMethod=missing", kStart + "AboutPack PackInfo [log] [error]",
         kError + "The step \"SearchMethodPage\" is not available in this program."},
        {"SearchMethod=pass", kToSearch + "[log] [error]",
         kError + "The step \"SearchMethodPage\" cannot be passed over."},
        // Windows older than XP is refused before any page.
        {"windows=4.10", "[os]",
         "Warning...|\r\nVelmora\r\n\r\nNot supported OS...                "},
        {"windows=5.0", "[os]"},
        {"windows=5.1;Language=exit", "Language--"},
        {"windows=6.0;Language=exit", "Language--"},
        {"AboutProgram=back", kStart + "[log] [error]",
         kError + "The step \"AboutProgramPage\" has no way back."},
    };
    for (const std::vector<std::string>& c : cases) {
        ScriptedRun run(c[0]);
        EXPECT_EQ(run.Run(), c[1]) << c[0];
        const std::vector<MessageBoxRequest>& shown = run.world.dialogs.shown;
        if (shown.empty()) continue;
        const MessageBoxRequest& last = shown.back();
        if (c.size() > 2) {
            EXPECT_EQ(last.title + "|" + last.text, c[2]) << c[0];
        }
        if (last.question == Question::UnexpectedError) {
            EXPECT_NE(run.wizard.state.ErrorLog.find("\r\n" + last.text), std::string::npos);
        }
        for (const MessageBoxRequest& box : shown)
            EXPECT_EQ(box.owner == BoxOwner::MainWindow, box.question == Question::AnotherInstall);
    }
}

// Exit ends the run at once; the only question left is the log's, and none before a language
// was chosen.
TEST(Driver, ExitOnAnyPageEndsTheRunAtOnceAndOffersOnlyTheLog) {
    const std::string walk = kToSearch + "InstallMode InstallIntoSkins";
    for (const std::string page : {"Language", "AboutProgram", "AboutPack", "PackInfo",
                                   "SearchMethod", "InstallMode", "InstallIntoSkins"}) {
        ScriptedRun run((page == "SearchMethod" ? "" : "SearchMethod=qip;") + page + "=problem");
        const size_t end = walk.find(' ', walk.find(page));
        EXPECT_EQ(run.Run(), page == "Language" ? "Language--" : walk.substr(0, end) + " [log]");
    }
}

// The reset before the language page.
TEST(Reset, ClearsTheLogReadsTheSwitchAndLoadsThePack) {
    TestWorld world;
    // The switch counts only as the first argument.
    const std::pair<std::vector<std::string>, bool> cases[] = {{{}, false},
                                                               {{"TESTMODE"}, true},
                                                               {{"TestMode", "more"}, true},
                                                               {{"x", "testmode"}, false},
                                                               {{"testmode2"}, false}};
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

// Where the findings of the checks go: a box, a line of the log, or both.
TEST(Findings, TestModeShowsEveryBoxAndLogsNothingOtherwiseFatalOnesAreShownAndAllLogged) {
    const Findings findings = {
        {Severity::Warning, "Warned", "warning text", "warning line"},
        {Severity::Warning, "", "marked line of a list", "marked file"},
        {Severity::Warning, "Author only", "author text", ""},
        {Severity::Fatal, "Stopped", "fatal text", "fatal line"},
    };
    const struct {
        bool testMode;
        std::vector<std::string> boxes;
        std::string log;
    } cases[] = {
        {true, {"Warned: warning text", "Author only: author text", "Stopped: fatal text"}, ""},
        {false, {"Stopped: fatal text"}, "\r\nwarning line\r\nmarked file\r\nfatal line"},
    };
    for (const auto& c : cases) {
        TestWorld world;
        world.wizard.state.TestMode = c.testMode;
        ReportFindings(world.wizard, findings);
        std::vector<std::string> boxes;
        for (const MessageBoxRequest& box : world.dialogs.shown) {
            EXPECT_EQ(box.icon, BoxIcon::Error);
            EXPECT_EQ(box.owner, BoxOwner::None);
            boxes.push_back(box.title + ": " + box.text);
        }
        EXPECT_EQ(boxes, c.boxes) << c.testMode;
        EXPECT_EQ(world.wizard.state.ErrorLog, c.log) << c.testMode;
        EXPECT_EQ(world.wizard.state.ErrorsFound, !c.log.empty());
    }
}

}  // namespace
}  // namespace velmora::test
