#include "install/skins_install.h"

#include <optional>

#include "install/install_run.h"
#include "install/version_record.h"
#include "system/gdi_quota.h"

namespace velmora {
namespace {

struct Kind {
    bool animated;
    const char* target;  // below the skin's folder
    const char* name;    // as the record names it
};

// The kinds in the order they are installed.
const Kind kKinds[] = {{true, "\\Smilies\\Animated", "Animated"},
                       {false, "\\Smilies\\Static", "Static"}};

// What one kind came to in one skin.
struct KindOutcome {
    int copied = 0;
    int failures = 0;
};

// Everything one installation works with, and its counters, which run on from skin to skin.
class SkinsInstallation {
  public:
    SkinsInstallation(Wizard& wizard, InstallProgressView& view) : wizard_(wizard), view_(view) {}

    // Installs into every marked skin; false when the user quit from an error report.
    bool InstallMarkedSkins(int marked) {
        StartClock(clock_, Now());
        wizard_.state.InstallStarted = true;
        view_.ShowProgressCaption();
        view_.StartProgress({false, true, 2 * marked, 0}, clock_);
        SkinList& skins = wizard_.skins;
        for (size_t i = 0; i < skins.SkinNames.size(); ++i) {
            if (skins.SkinStates[i] != kSkinChosen) continue;
            InstallSkin(skins.SkinNames[i]);
            if (!ReportSkin(skins.SkinNames[i])) return false;
            skins.SkinStates[i] = kSkinInstalled;
        }
        view_.FinishProgress();
        return true;
    }

    int CopiedAnimated() const { return outcome_[0].copied; }

  private:
    uint32_t Now() { return wizard_.sys.clock.TickCount(); }

    // A kind is installed only when every folder its variant reads is there with its
    // _define.ini.
    int MissingSources(const KindVariant& variant) {
        std::vector<std::string> folders = {variant.source};
        if (variant.liteStep) folders.push_back(variant.liteDark);
        return MissingSmileLists(wizard_.sys.files, wizard_.state, folders);
    }

    // The skin is one unit: both kinds are installed, or, when anything fails, both folders
    // are given back what they held. A missing source or a refused folder is known before
    // anything changes, and then the skin is not touched at all.
    void InstallSkin(const std::string& skin) {
        const PackDescription& pack = wizard_.pack;
        Files& files = wizard_.sys.files;
        const std::string folder = wizard_.qip.folder + "\\Skins\\" + skin;
        const std::string programFolder = wizard_.sys.host.ProgramFolder();
        int known[2] = {0, 0};  // failures found before anything changes
        for (int k = 0; k < 2; ++k) {
            if (!HasSmilesOfKind(pack, kKinds[k].animated)) continue;
            const KindVariant variant = ChooseKindVariant(pack, programFolder, kKinds[k].animated,
                                                          wizard_.state.ModeChoice);
            words_[k] = variant.word;
            known[k] = MissingSources(variant);
        }
        UnitPlan plan;
        if (known[0] == 0 && known[1] == 0) {
            plan = PlanSkin(files, pack, programFolder, wizard_.state.ModeChoice, folder);
            for (int k = 0; k < 2; ++k)
                known[k] = LogRefusals(wizard_.state, plan, kKinds[k].animated);
        }
        std::optional<InstallRun> run;
        if (known[0] == 0 && known[1] == 0)
            run.emplace(files, wizard_.state, view_, BackupFolderOf(wizard_.qip.folder), plan);
        size_t next = 0;  // the plan's folders are the kinds the pack has, in order
        for (int k = 0; k < 2; ++k) {
            failures_[k] = known[k];
            if (HasSmilesOfKind(pack, kKinds[k].animated)) {
                if (kKinds[k].animated) view_.ResetStaticBar();
                if (run) {
                    KindTally tally;
                    run->Apply(next++, tally);
                    outcome_[k] = {tally.copied, tally.failures};
                    failures_[k] = tally.failures;
                } else {
                    // Nothing of this kind was copied into this skin.
                    outcome_[k] = KindOutcome{0, known[k]};
                }
            }
            ++overall_;
            if (!kKinds[k].animated || HasAnimatedSmiles(pack)) view_.ShowOverall(overall_);
        }
        if (run) run->Finish();
    }

    // Shows the skin's report with the clock paused; false when the user quits.
    bool ReportSkin(const std::string& skin) {
        const uint32_t pauseStart = Now();
        const bool success = failures_[0] == 0 && failures_[1] == 0;
        MessageBoxRequest box;
        box.text = ReportText(skin, success);
        box.title = wizard_.text[Text::CopyReportTitle];
        box.icon = success ? BoxIcon::Information : BoxIcon::Error;
        box.buttons = success ? BoxButtons::Ok : BoxButtons::YesNo;
        const bool quit = wizard_.sys.dialogs.ShowMessage(box) == BoxAnswer::Yes && !success;
        if (quit) {
            wizard_.state.StopRequested = true;
            return false;
        }
        clock_.paused += Now() - pauseStart;
        return true;
    }

    std::string ReportText(const std::string& skin, bool success) const {
        const UiStrings& text = wizard_.text;
        const PackDescription& pack = wizard_.pack;
        const std::string& word = HasStaticSmiles(pack) ? words_[1] : words_[0];
        std::string report = " " + text[Text::SkinLabel] + skin + "\r\n " +
                             text[Text::ReportInstalledPack] + " " + pack.NameAndVersion + " " +
                             word + " " + pack.CreationDate + kReportSeparator;
        const Text lines[2][2] = {{Text::ReportAnimatedCopied, Text::ReportAnimatedErrors},
                                  {Text::ReportStaticCopied, Text::ReportStaticErrors}};
        for (int k = 0; k < 2; ++k) {
            if (!HasSmilesOfKind(pack, kKinds[k].animated)) continue;
            report += "\r\n " + text[lines[k][0]] + " " + std::to_string(outcome_[k].copied) +
                      "\r\n " + text[lines[k][1]] + " " + std::to_string(failures_[k]);
        }
        report += kReportSeparator + "\r\n ";
        if (success) return report + text[Text::ReportSuccess];
        return report + text[Text::ReportFailure] + "\r\n " + text[Text::AskLeaveInstaller];
    }

    Wizard& wizard_;
    InstallProgressView& view_;
    InstallClock clock_;
    int overall_ = 0;
    KindOutcome outcome_[2];  // the latest skin's
    int failures_[2] = {0, 0};
    std::string words_[2];
};

// Asks whether to show the skins list again when no skin was marked.
bool AskToChooseAgain(Wizard& wizard) {
    MessageBoxRequest box;
    box.text = wizard.text[Text::NoSkinChosen];
    box.title = wizard.text[Text::ConfirmTitle];
    box.icon = BoxIcon::Question;
    box.buttons = BoxButtons::YesNo;
    box.owner = BoxOwner::MainWindow;
    return wizard.sys.dialogs.ShowMessage(box) == BoxAnswer::Yes;
}

}  // namespace

KindVariant ChooseKindVariant(const PackDescription& pack, const std::string& programFolder,
                              bool animated, int32_t modeChoice) {
    const PackMode mode = ModeOf(pack);
    // A pack may leave out the static lite smiles; the static kind is then installed in full.
    const bool second =
        modeChoice == kSecondMode && (animated || CountValue(pack.StaticLiteDarkCount) > 0);
    // The static folders of a "fulllite" pack have always been reached with forward slashes.
    const char slash = !animated && mode == kFullLiteMode ? '/' : '\\';
    const std::string base =
        programFolder + slash + "Source SMP" + slash + (animated ? "Animated" : "Static");
    KindVariant variant;
    variant.animated = animated;
    variant.source = base + " Single Full Light";
    variant.liteDark = base + " Lite Dark";
    variant.count = animated ? pack.AnimatedFullLightCount : pack.StaticFullLightCount;
    const std::string& liteCount = animated ? pack.AnimatedLiteDarkCount : pack.StaticLiteDarkCount;
    if (mode == kSingleFamilyMode) {
        variant.word = pack.PackType;
    } else if (!second) {
        variant.word = mode == kLightDarkMode ? "light" : "full";
    } else {
        variant.word = mode == kLightDarkMode ? "dark" : "lite";
        variant.count = liteCount;
        if (mode == kLightDarkMode) variant.source = variant.liteDark;
        variant.liteStep = mode == kFullLiteMode;
    }
    return variant;
}

UnitPlan PlanSkin(Files& files, const PackDescription& pack, const std::string& programFolder,
                  int32_t modeChoice, const std::string& skinFolder) {
    UnitPlan plan;
    for (const Kind& kind : kKinds) {
        if (!HasSmilesOfKind(pack, kind.animated)) continue;
        const KindVariant variant =
            ChooseKindVariant(pack, programFolder, kind.animated, modeChoice);
        FolderPlan folder = PlanTargetFolder(files, skinFolder + kind.target, kind.animated);
        if (folder.refusal.empty()) {
            PlanCopy(files, folder, variant.source);
            if (variant.liteStep) PlanLiteStep(files, folder, variant.liteDark);
            folder.recorded = true;
            folder.record = {PackIdentity(pack, variant.word), kind.name, variant.count};
        }
        plan.folders.push_back(folder);
    }
    return plan;
}

void InstallIntoSkins(Wizard& wizard, SkinsChoice& choice, InstallProgressView& view) {
    WizardState& state = wizard.state;
    RecoverBeforeInstalling(wizard.sys.files, state, wizard.sys.dialogs,
                            wizard.text[Text::WarningTitle], wizard.text[Text::RecoveryNotice],
                            wizard.qip.folder);
    int marked = 0;
    for (;;) {
        choice.SetBackEnabled(true);
        marked = choice.ChooseSkins(wizard.qip.folder + "\\Skins", wizard.skins);
        if (state.BackRequested || state.StopRequested) return;
        choice.SetBackEnabled(false);
        if (marked > 0) break;
        if (!AskToChooseAgain(wizard)) {
            // Nothing to install: the wizard goes on as after an installation.
            choice.SetBackEnabled(true);
            return;
        }
    }
    SkinsInstallation installation(wizard, view);
    if (!installation.InstallMarkedSkins(marked)) return;
    // A quota raised by an earlier installation of this run still needs its restart.
    state.RebootNeeded = CheckGdiQuota(wizard.sys.registry, wizard.sys.dialogs, wizard.text,
                                       installation.CopiedAnimated()) ||
                         state.RebootNeeded;
}

}  // namespace velmora
