#include "app/silent_run.h"

#include "app/findings.h"
#include "app/installations.h"
#include "app/wizard.h"
#include "base/text_lines.h"
#include "lang/language_list.h"
#include "pack/pack_info.h"
#include "pack/pack_texts.h"
#include "qip/running_qip.h"
#include "report/log_file.h"

namespace velmora {
namespace {

// The questions whose answer the command line gives: Yes with the switch, No without.
const struct {
    Question question;
    bool SilentOptions::*yes;
} kAnsweredByOptions[] = {
    {Question::RemoveOldVersion, &SilentOptions::removeOld},
    {Question::RaiseGdiQuota, &SilentOptions::raiseQuota},
};

const char* AnswerName(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Yes:
            return "Yes";
        case BoxAnswer::No:
            return "No";
        case BoxAnswer::Cancel:
            return "Cancel";
        default:
            return "OK";
    }
}

// The run's own record: the wizard, what the command line chose, and the exit code so far.
struct SilentRun {
    Wizard& wizard;
    const SilentOptions& options;
    const VersionReader& version;
    SilentReport& report;
    SilentExit exit = SilentExit::NotInstallable;

    PageResult Stop(SilentExit why, const std::string& text) {
        exit = why;
        report.Line(text);
        return PageResult::Stop;
    }
};

// The line of the language list that the name stands for: the file's name with or without
// ".txt", or the line itself, in any case; -1 when there is none.
int FindLanguageLine(SilentRun& run, const std::vector<std::string>& entries) {
    Wizard& wizard = run.wizard;
    const std::string wanted = LowerAscii(run.options.language);
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string name = LowerAscii(
            FindLanguageName(wizard.sys.files, wizard.sys.host.ProgramFolder(), entries[i]));
        if (LowerAscii(entries[i]) == wanted || name == wanted || name == wanted + ".txt")
            return static_cast<int>(i);
    }
    return -1;
}

PageResult LanguagePage(SilentRun& run) {
    if (run.options.language.empty()) return PageResult::Next;
    Wizard& wizard = run.wizard;
    const LanguageList languages =
        FillLanguageList(wizard.sys.files, wizard.sys.host.ProgramFolder(), false);
    ReportFindings(wizard, languages.findings);
    const int line = FindLanguageLine(run, languages.entries);
    if (line == -1) {
        return run.Stop(SilentExit::BadCommandLine, "/LANG: no language file \"" +
                                                        run.options.language +
                                                        "\" in the program's Language folder");
    }
    HandleLanguageChoice(wizard, line, languages.entries[line]);
    return PageResult::Next;
}

// A pack that asks for its agreement is installed only with /AGREE.
PageResult AboutPackPage(SilentRun& run) {
    Wizard& wizard = run.wizard;
    const PackInfo info =
        ReadPackInfo(PackChecksOf(wizard), wizard.text, wizard.state.LanguageName, wizard.pack);
    ReportFindings(wizard, info.findings);
    if (!wizard.pack.AgreementRequired || info.text.empty()) return PageResult::Next;
    if (!run.options.agree) {
        return run.Stop(SilentExit::Refused,
                        "The smiles pack \"" + wizard.pack.NameAndVersion +
                            "\" asks for its agreement to be accepted: nothing was installed. "
                            "Give /AGREE to accept it.");
    }
    wizard.state.AgreementAccepted = true;
    return PageResult::Next;
}

PageResult PackInfoPage(SilentRun& run) {
    Wizard& wizard = run.wizard;
    const Findings findings = CheckPackData(PackChecksOf(wizard), wizard.text, wizard.pack);
    ReportFindings(wizard, findings);
    if (HasFatal(findings)) return PageResult::Stop;
    run.report.Line(wizard.text[Text::PackInfoCaption] + "\r\n" +
                    ComposePackInfo(wizard.text, wizard.pack).text);
    return PageResult::Next;
}

// The folder given, else the running copy, which must be the only one.
PageResult SearchMethodPage(SilentRun& run) {
    Wizard& wizard = run.wizard;
    if (run.options.qipFolder.empty()) {
        wizard.state.SearchMethod = kSimplifiedSearch;
        return PageResult::Next;
    }
    wizard.state.SearchMethod = kManualFolderChoice;
    const QipTarget found = CheckQipFolder(wizard.sys.files, run.options.qipFolder, run.version);
    if (found.folder.empty()) {
        return run.Stop(SilentExit::NoMessenger,
                        "\"" + run.options.qipFolder + "\": " + wizard.text[Text::NoQipInFolder]);
    }
    wizard.qip = found;
    wizard.qip.showFoundMessage = true;
    return PageResult::Next;
}

class ListedCopies : public CopyList {
  public:
    void Open(const std::string&, const std::string&) override {}
    void Add(const std::string&) override {}
};

PageResult SearchResultsPage(SilentRun& run) {
    Wizard& wizard = run.wizard;
    FoundQipPaths& found = wizard.foundQip;
    found.fill("");
    ListedCopies list;
    FindRunningQip(wizard.sys.processes, found, list);
    if (found[0].empty()) return run.Stop(SilentExit::NoMessenger, wizard.text[Text::NoRunningQip]);
    if (!found[1].empty()) {
        std::string copies;
        for (const std::string& path : found)
            if (!path.empty()) copies += "\r\n  " + path;
        return run.Stop(SilentExit::NoMessenger,
                        "More than one copy of QIP runs; give the folder to install into with "
                        "/QIP=:" +
                            copies);
    }
    wizard.qip = RunningCopyTarget(found[0], run.version);
    wizard.qip.showFoundMessage = true;
    return PageResult::Next;
}

PageResult InstallModePage(SilentRun& run) {
    if (ModeOf(run.wizard.pack) == kSingleFamilyMode) return PageResult::Skip;
    run.wizard.state.ModeChoice = run.options.variant == 2 ? kSecondMode : kFirstMode;
    return PageResult::Next;
}

// Whether the names hold this one, in any case.
bool HoldsName(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& held : names)
        if (LowerAscii(held) == LowerAscii(name)) return true;
    return false;
}

// Marks every skin, or those the command line names.
class SkinsByName : public SkinsChoice {
  public:
    explicit SkinsByName(SilentRun& run) : run_(run) {}

    SkinPick ChooseSkins(const std::string& skinsFolder, SkinList& skins) override {
        skins = {};
        ListSkins(run_.wizard.sys.files, skinsFolder, skins);
        std::vector<int> chosen;
        for (size_t i = 0; i < skins.SkinNames.size(); ++i) {
            const std::vector<std::string>& wanted = run_.options.skins;
            if (wanted.empty() || HoldsName(wanted, skins.SkinNames[i]))
                chosen.push_back(static_cast<int>(i));
        }
        for (const std::string& name : run_.options.skins) {
            if (!HoldsName(skins.SkinNames, name)) {
                run_.Stop(SilentExit::BadCommandLine,
                          "/SKINS: no skin \"" + name + "\" in \"" + skinsFolder + "\"");
                return {SkinPick::Left::Stop, 0};
            }
        }
        if (chosen.empty()) {
            run_.Stop(SilentExit::NoMessenger,
                      "No skin to install into in \"" + skinsFolder + "\"");
            return {SkinPick::Left::Stop, 0};
        }
        MarkChosenSkins(skins, chosen);
        return {SkinPick::Left::Chosen, static_cast<int>(chosen.size())};
    }

    void SetBackEnabled(bool) override {}

  private:
    SilentRun& run_;
};

// Nothing is drawn.
class NoProgress : public InstallProgressView {
  public:
    void BeforeEntry(bool, int) override {}
    void ShowProgressCaption() override {}
    void StartProgress(const ProgressLayout&, const InstallClock&) override {}
    void ShowOverall(int) override {}
    void ResetStaticBar() override {}
    void FinishProgress() override {}
};

// The installation's result as the exit code: errors logged while it ran, or a raised quota
// that needs Windows restarted.
template <typename Install>
PageResult Installation(SilentRun& run, Install install) {
    WizardState& state = run.wizard.state;
    const size_t logged = state.ErrorLog.size();
    run.exit = SilentExit::InstalledWithErrors;  // should it end in an unexpected error
    const PageResult result = install();
    if (result == PageResult::Stop) return result;  // the page said why
    run.exit = state.ErrorLog.size() != logged ? SilentExit::InstalledWithErrors
               : state.RebootNeeded            ? SilentExit::RestartNeeded
                                               : SilentExit::Installed;
    return result;
}

PageResult InstallIntoSkinsPage(SilentRun& run) {
    SkinsByName choice(run);
    NoProgress progress;
    return Installation(run, [&] { return InstallIntoSkins(run.wizard, choice, progress); });
}

PageResult InstallIntoInfiumPage(SilentRun& run) {
    NoProgress progress;
    const PageResult result =
        Installation(run, [&] { return InstallIntoInfium(run.wizard, progress); });
    // The QIP Infium installation stops only for a pack name it refused.
    if (result == PageResult::Stop) run.exit = SilentExit::Refused;
    return result;
}

PageResult Next(SilentRun&) {
    return PageResult::Next;
}

WizardOperations SilentPages(SilentRun& run) {
    // A run without a user never goes back: a page that would is where it stops.
    const auto page = [&run](PageResult (*work)(SilentRun&)) -> WizardOperation {
        return [&run, work] {
            const PageResult result = work(run);
            return result == PageResult::Back ? PageResult::Stop : result;
        };
    };
    WizardOperations operations;
    operations.pages = {
        {Step::Language, page(LanguagePage)},
        {Step::AboutProgram, page(Next)},
        {Step::AboutPack, page(AboutPackPage)},
        {Step::PackInfo, page(PackInfoPage)},
        {Step::SearchMethod, page(SearchMethodPage)},
        {Step::SimpleSearch, page(Next)},
        {Step::SearchResults, page(SearchResultsPage)},
        {Step::InstallMode, page(InstallModePage)},
        {Step::InstallIntoSkins, page(InstallIntoSkinsPage)},
        {Step::InstallIntoInfium, page(InstallIntoInfiumPage)},
    };
    return operations;
}

const char* ExitMeaning(SilentExit exit) {
    switch (exit) {
        case SilentExit::Installed:
            return "installed";
        case SilentExit::InstalledWithErrors:
            return "installed with errors";
        case SilentExit::NotInstallable:
            return "the pack cannot be installed";
        case SilentExit::NoMessenger:
            return "no messenger to install into";
        case SilentExit::Refused:
            return "refused";
        case SilentExit::BadCommandLine:
            return "a bad command line";
        case SilentExit::RestartNeeded:
            return "installed; restart Windows for the raised quota";
    }
    return "";
}

void WriteSilentLog(Platform& platform, const SilentOptions& options, SilentReport& report) {
    const std::string path =
        options.logPath.empty() ? LogFilePath(platform.host.ProgramFolder()) : options.logPath;
    const FileStatus written = platform.files.WriteText(path, report.Text());
    if (!written.ok)
        report.Line("The log \"" + path + "\" could not be written: " + written.reason);
}

}  // namespace

void SilentReport::Line(const std::string& text) {
    text_ += text + "\r\n";
    if (console_) console_(text + "\r\n");
}

BoxAnswer SilentDialogs::Ask(const MessageBoxRequest& box) {
    BoxAnswer answer = box.unattended;
    for (const auto& given : kAnsweredByOptions) {
        if (given.question == box.question)
            answer = options_.*given.yes ? BoxAnswer::Yes : BoxAnswer::No;
    }
    report_.Line("[" + box.title + "] " + box.text);
    if (box.buttons != BoxButtons::Ok) report_.Line("  -> " + std::string(AnswerName(answer)));
    return answer;
}

int RunSilentInstallation(Platform& platform, const SilentOptions& options,
                          const VersionReader& version, SilentReport& report) {
    SilentExit exit = SilentExit::BadCommandLine;
    if (!options.error.empty()) {
        report.Line(options.error);
    } else {
        Wizard wizard(platform);
        SilentRun run{wizard, options, version, report};
        RunWizard(wizard, SilentPages(run));
        if (!wizard.state.ErrorLog.empty()) report.Line("Problems found:" + wizard.state.ErrorLog);
        exit = run.exit;
    }
    report.Line("Exit code " + std::to_string(static_cast<int>(exit)) + ": " + ExitMeaning(exit));
    WriteSilentLog(platform, options, report);
    return static_cast<int>(exit);
}

}  // namespace velmora
