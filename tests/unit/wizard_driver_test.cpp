// The page sequence driven by scripted pages, the closing sequence, the guard, the reset.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "app/findings.h"
#include "base/unexpected_error.h"
#include "test_world.h"

namespace velmora::test {
namespace {

PageResult Act(Wizard& w, const std::string& word) {
    if (word == "qip" || word == "found") w.qip = {"C:\\QIP", false, word == "found"};
    if (word == "infium") w.qip = {"C:\\Infium", true};
    if (word == "none") w.qip.folder.clear();
    if (word == "simple") w.state.SearchMethod = kSimplifiedSearch;
    if (word == "info-off") w.pack.InfoPageSwitch = "oFF";
    if (word == "untitled") w.text[Text::ConfirmTitle].clear();
    if (word == "problem") LogProblem(w.state, "a problem");
    if (word == "installed") w.state.InstallStarted = true;
    if (word == "reboot") w.state.RebootNeeded = true;
    if (word == "throw") throw std::runtime_error("out of memory");
    if (word == "file-error") throw UnexpectedFileError("C:\\QIP\\a.gif", "Access denied.");
    if (word == "back") return PageResult::Back;
    if (word == "pass") return PageResult::Skip;
    return word == "exit" || word == "problem" ? PageResult::Stop : PageResult::Next;
}

// The pages by the names the scripts use, in step order.
const char* const kPages[] = {"",       "Language", "Program", "About", "Info",  "Method",
                              "Simple", "Results",  "",        "Mode",  "Skins", "Infium"};

const std::map<Question, const char*> kBoxes = {
    {Question::FoundFolder, "[found]"},     {Question::AnotherInstall, "[another]"},
    {Question::RestartQip, "[restart]"},    {Question::Reboot, "[reboot]"},
    {Question::WriteLog, "[log]"},          {Question::MailLog, "[mail]"},
    {Question::UnexpectedError, "[error]"}, {Question::UnsupportedWindows, "[os]"}};

// Pages act out "Page=word,word;Page=a+b" (a page out of words goes on, "missing" is none);
// "answers=yes,no", "windows=5.1". The trace: each page, "-+"/"--" when Back/both start disabled;
// each closing operation (Write, Mail), each box, a restart.
class ScriptedRun : public Dialogs {
  public:
    explicit ScriptedRun(const std::string& script) {
        world.Write("Source SMP\\SMP.ini",
                    "Sunny 1.0\r\nsmilespack\r\nall\r\nfulllite\r\n\r\na@b\r\nno\r\n"
                    "12\r\n10\r\n12\r\n10\r\nall\r\n\r\n01.12.2026\r\n");
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
        ops.WriteLogFile = [this] { Page("Write")(); };
        ops.MailLogFile = [this] { Page("Mail")(); };
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

const std::string kStart = "Language-- Program-+ ";
const std::string kToSearch = kStart + "About Info Method ";
const std::string kError =
    "Velmora: Error...|The wizard had to stop because of an unexpected error.\r\n\r\nReason: ";

TEST(Driver, EveryWayThroughThePagesAndOutOfThem) {
    // The script, the trace, and where it matters "title|text" of the last box.
    std::vector<std::vector<std::string>> cases = {
        // Where Back and Next lead; a page with nothing to show passed over both ways.
        {"About=back,next;Info=back,next;Method=back,qip,qip;Mode=back,next;Skins=back,next",
         kStart + "About Program-+ About Info About Info Method Info Method Mode Method Mode Skins "
                  "Mode Skins [another]"},
        {"About=info-off;Method=back,exit", kStart + "About Method About Method"},
        {"About=pass,pass;Info=back,exit", kStart + "About Info About Program-+ About Info"},
        {"Method=simple,simple,exit;Results=qip,infium;Infium=back;answers=yes",
         kToSearch + "Simple Results Mode Skins [another] Method Simple Results Infium Method"},
        {"Method=simple,simple,simple,exit;Simple=next,next,back;Results=none,back",
         kToSearch + "Simple Results Method Simple Results Method Simple Method"},
        // The closing sequence.
        {"Method=found;Mode=exit", kToSearch + "[found] Mode",
         "Предупреждение...|Папка QIP`а успешно найдена!\r\nПуть к найденной папке: \"C:\\QIP\""},
        {"Method=qip;Skins=installed", kToSearch + "Mode Skins [another] [restart]",
         "Предупреждение...|Для использования новых смайлов, необходимо перезапустить QIP."},
        {"Method=qip;Skins=installed+reboot;answers=no,yes",
         kToSearch + "Mode Skins [another] [reboot] restarted"},
        {"Program=problem", kStart + "[log]",
         "Подтверждение...|При установке смайл-пака были обнаружены ошибки, создать LOG-файл с "
         "отчетом о них?"},
        {"Program=problem;answers=yes,yes", kStart + "[log] Write [mail] Mail"},
        {"Program=untitled+problem", kStart + "[log]",
         "Confirm...|During install smiles-pack were found errors, create LOG-file with report?"},
        // The guard: the reason is logged before the closing sequence runs, once.
        {"Method=qip;Skins=installed+file-error", kToSearch + "Mode Skins [restart] [log] [error]",
         "Velmora: Error...|The wizard had to stop: a file could not be used.\r\n\r\n"
         "File: \"C:\\QIP\\a.gif\"\r\nReason: Access denied."},
        {"Program=problem+throw;Write=file-error;answers=yes", kStart + "[log] Write [error]",
         kError + "out of memory"},
        {"Method=missing", kStart + "About Info [log] [error]",
         kError + "The step \"SearchMethodPage\" is not available in this program."},
        {"Method=pass", kToSearch + "[log] [error]",
         kError + "The step \"SearchMethodPage\" cannot be passed over."},
        {"windows=4.10", "[os]",
         "Warning...|\r\nVelmora\r\n\r\nNot supported OS...                "},
        {"windows=5.0", "[os]"},
        {"windows=5.1;Language=exit", "Language--"},
        {"windows=6.0;Language=exit", "Language--"},
        {"Program=back", kStart + "[log] [error]",
         kError + "The step \"AboutProgramPage\" has no way back."},
    };
    // Exit ends the run at once, offering only the log, and not before a language was chosen.
    const std::string walk = kToSearch + "Mode Skins";
    for (const std::string page :
         {"Language", "Program", "About", "Info", "Method", "Mode", "Skins"}) {
        const std::string trace = walk.substr(0, walk.find(' ', walk.find(page))) + " [log]";
        const std::string script = (page == "Method" ? "" : "Method=qip;") + page + "=problem";
        cases.push_back({script, page == "Language" ? "Language--" : trace});
    }
    for (const std::vector<std::string>& c : cases) {
        ScriptedRun run(c[0]);
        EXPECT_EQ(run.Run(), c[1]) << c[0];
        const std::vector<MessageBoxRequest>& shown = run.world.dialogs.shown;
        if (shown.empty()) continue;
        const MessageBoxRequest& last = shown.back();
        EXPECT_TRUE(last.question != Question::UnexpectedError ||
                    run.wizard.state.ErrorLog.find("\r\n" + last.text) != std::string::npos);
        for (const MessageBoxRequest& box : shown)
            EXPECT_EQ(box.owner == BoxOwner::MainWindow, box.question == Question::AnotherInstall);
        if (c.size() < 3) continue;
        EXPECT_EQ(last.title + "|" + last.text, c[2]) << c[0];
    }
}

// The reset reads the switch (first argument only); test mode shows every titled finding and
// logs none, otherwise fatal ones are shown and all are logged.
TEST(Reset, TheSwitchDecidesWhereTheFindingsGo) {
    const Findings findings = {{Severity::Warning, "Warned", "warning text", "warning line"},
                               {Severity::Warning, "", "list mark", "marked file"},
                               {Severity::Warning, "Author only", "author text", ""},
                               {Severity::Fatal, "Stopped", "fatal text", "fatal line"}};
    const std::pair<std::vector<std::string>, bool> cases[] = {{{}, false},
                                                               {{"TestMode", "more"}, true},
                                                               {{"x", "testmode"}, false},
                                                               {{"testmode2"}, false}};
    for (const auto& [arguments, testMode] : cases) {
        TestWorld world;
        world.host.arguments = arguments;
        LogProblem(world.wizard.state, "old");
        EXPECT_FALSE(ResetWizardState(world.wizard));
        EXPECT_EQ(world.wizard.state.LanguageName, "Russian");
        EXPECT_EQ(world.wizard.text[Text::ExitQuestion],
                  "Do you really want to close the program?");
        ReportFindings(world.wizard, findings);
        std::string boxes;
        for (const MessageBoxRequest& box : world.dialogs.shown) {
            EXPECT_EQ(box.icon, BoxIcon::Error);
            boxes += box.title + "|";
        }
        EXPECT_EQ(boxes + world.dialogs.shown.back().text,
                  "Velmora: Error in smiles-pack...|" +
                      std::string(testMode ? "Warned|Author only|" : "") + "Stopped|fatal text");
        EXPECT_EQ(world.wizard.state.ErrorLog,
                  testMode ? ""
                           : "\r\nError in \"SMP.ini\" Error data: File not found.\r\n"
                             "warning line\r\nmarked file\r\nfatal line");
        EXPECT_EQ(world.wizard.state.ErrorsFound, !testMode);
    }
}

}  // namespace
}  // namespace velmora::test
