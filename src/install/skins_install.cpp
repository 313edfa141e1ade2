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
    SkinsInstallation(const SkinsJob& job, InstallProgressView& view) : job_(job), view_(view) {}

    // Installs into every marked skin; false when the user quit from an error report.
    bool Run(SkinList& skins, int marked) {
        StartClock(clock_, Now());
        view_.ShowProgressCaption();
        view_.StartProgress({false, true, 2 * marked, 0}, clock_);
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
    uint32_t Now() { return job_.clock.TickCount(); }

    // A kind is installed only when every folder its variant reads is there with its
    // _define.ini.
    int MissingSources(const KindVariant& variant) {
        std::vector<std::string> folders = {variant.source};
        if (variant.liteStep) folders.push_back(variant.liteDark);
        return MissingSmileLists(job_.files, job_.log, folders);
    }

    // The skin is one unit: both kinds are installed, or, when anything fails, both folders
    // are given back what they held. A missing source or a refused folder is known before
    // anything changes, and then the skin is not touched at all.
    void InstallSkin(const std::string& skin) {
        const PackDescription& pack = job_.pack;
        Files& files = job_.files;
        const std::string folder = job_.qipFolder + "\\Skins\\" + skin;
        const std::string& programFolder = job_.programFolder;
        int known[2] = {0, 0};  // failures found before anything changes
        for (int k = 0; k < 2; ++k) {
            if (!HasSmilesOfKind(pack, kKinds[k].animated)) continue;
            const KindVariant variant =
                ChooseKindVariant(pack, programFolder, kKinds[k].animated, job_.secondVariant);
            words_[k] = variant.word;
            known[k] = MissingSources(variant);
        }
        UnitPlan plan;
        if (known[0] == 0 && known[1] == 0) {
            plan = PlanSkin(files, pack, programFolder, job_.secondVariant, folder);
            for (int k = 0; k < 2; ++k)
                known[k] = LogRefusals(job_.log, plan, kKinds[k].animated);
        }
        std::optional<InstallRun> run;
        if (known[0] == 0 && known[1] == 0)
            run.emplace(files, job_.log, view_, BackupFolderOf(job_.qipFolder), plan);
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
        // Without a user, a failed skin does not end the installation.
        MessageBoxRequest box(Question::SkinReport, success ? BoxAnswer::Ok : BoxAnswer::No);
        box.text = ReportText(skin, success);
        box.title = job_.text[Text::CopyReportTitle];
        box.icon = success ? BoxIcon::Information : BoxIcon::Error;
        box.buttons = success ? BoxButtons::Ok : BoxButtons::YesNo;
        const bool quit = job_.dialogs.Ask(box) == BoxAnswer::Yes && !success;
        if (quit) return false;
        clock_.paused += Now() - pauseStart;
        return true;
    }

    std::string ReportText(const std::string& skin, bool success) const {
        const UiStrings& text = job_.text;
        const PackDescription& pack = job_.pack;
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

    const SkinsJob& job_;
    InstallProgressView& view_;
    InstallClock clock_;
    int overall_ = 0;
    KindOutcome outcome_[2];  // the latest skin's
    int failures_[2] = {0, 0};
    std::string words_[2];
};

// Asks whether to show the skins list again when no skin was marked.
bool AskToChooseAgain(const SkinsJob& job) {
    MessageBoxRequest box(Question::ChooseSkinsAgain, BoxAnswer::No);
    box.text = job.text[Text::NoSkinChosen];
    box.title = job.text[Text::ConfirmTitle];
    box.icon = BoxIcon::Question;
    box.buttons = BoxButtons::YesNo;
    box.owner = BoxOwner::MainWindow;
    return job.dialogs.Ask(box) == BoxAnswer::Yes;
}

}  // namespace

KindVariant ChooseKindVariant(const PackDescription& pack, const std::string& programFolder,
                              bool animated, bool secondVariant) {
    const PackMode mode = ModeOf(pack);
    // A pack may leave out the static lite smiles; the static kind is then installed in full.
    const bool second = secondVariant && (animated || CountValue(pack.StaticLiteDarkCount) > 0);
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
                  bool secondVariant, const std::string& skinFolder) {
    UnitPlan plan;
    for (const Kind& kind : kKinds) {
        if (!HasSmilesOfKind(pack, kind.animated)) continue;
        const KindVariant variant =
            ChooseKindVariant(pack, programFolder, kind.animated, secondVariant);
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

SkinPick PickSkinsToInstall(const SkinsJob& job, SkinsChoice& choice, SkinList& skins) {
    RecoverBeforeInstalling(job.files, job.log, job.dialogs, job.text[Text::WarningTitle],
                            job.text[Text::RecoveryNotice], job.qipFolder);
    for (;;) {
        choice.SetBackEnabled(true);
        const SkinPick pick = choice.ChooseSkins(job.qipFolder + "\\Skins", skins);
        if (pick.left != SkinPick::Left::Chosen) return pick;
        choice.SetBackEnabled(false);
        if (pick.marked > 0) return pick;
        if (!AskToChooseAgain(job)) {
            // Nothing to install: the wizard goes on as after an installation.
            choice.SetBackEnabled(true);
            return pick;
        }
    }
}

SkinsResult InstallMarkedSkins(const SkinsJob& job, SkinList& skins, int marked,
                               InstallProgressView& view) {
    SkinsInstallation installation(job, view);
    if (!installation.Run(skins, marked)) return {SkinsOutcome::Quit, false};
    return {SkinsOutcome::Installed,
            CheckGdiQuota(job.registry, job.dialogs, job.text, installation.CopiedAnimated())};
}

}  // namespace velmora
