#include "install/infium_install.h"

#include <algorithm>
#include <optional>

#include "base/unexpected_error.h"
#include "install/folder_name.h"
#include "install/infium_names.h"
#include "install/install_run.h"
#include "install/version_record.h"
#include "platform/file_lines.h"

namespace velmora {
namespace {

// One kind of smiles as the installation goes through it.
struct Kind {
    bool animated = true;
    const char* name = "";  // as the record names it
    bool present = false;
    bool second = false;  // the pack's second variant is installed for this kind
    std::string fullLight, liteDark;    // the source folders
    std::string fullCount, liteCount;   // the declared counts the records carry
    int copied = 0;   // running on across both variants
    int failures = 0;
};

Kind MakeKind(const PackDescription& pack, const std::string& programFolder, bool animated,
              size_t variants) {
    const std::string base = programFolder + "\\Source SMP\\" + (animated ? "Animated" : "Static");
    Kind kind;
    kind.animated = animated;
    kind.name = animated ? "Animated" : "Static";
    kind.present = HasSmilesOfKind(pack, animated);
    kind.second = animated ? variants > 1 : InstallsSecondStatic(pack, variants);
    kind.fullLight = base + " Single Full Light";
    kind.liteDark = base + " Lite Dark";
    kind.fullCount = animated ? pack.AnimatedFullLightCount : pack.StaticFullLightCount;
    kind.liteCount = animated ? pack.AnimatedLiteDarkCount : pack.StaticLiteDarkCount;
    return kind;
}

class InfiumInstallation {
  public:
    InfiumInstallation(const InfiumJob& job, InstallProgressView& view)
        : job_(job),
          view_(view),
          smilies_(job.qipFolder + "\\Smilies"),
          variants_(InfiumVariantsOf(job.pack)),
          kinds_{MakeKind(job.pack, job.programFolder, true, variants_.size()),
                 MakeKind(job.pack, job.programFolder, false, variants_.size())} {}

    InfiumOutcome Run() {
        RecoverBeforeInstalling(job_.files, job_.log, job_.dialogs, job_.text[Text::WarningTitle],
                                job_.text[Text::RecoveryNotice], job_.qipFolder);
        if (!NamesAreSafe()) return InfiumOutcome::Refused;
        view_.ShowProgressCaption();
        names_ = ChooseInfiumNames(job_.files, smilies_, job_.pack, variants_);
        if (!AskBeforeChanging()) return InfiumOutcome::Cancelled;
        StartClock(clock_, job_.clock.TickCount());
        // The run's folders are one unit. What fails before anything changes (a missing source,
        // a refused folder) leaves them all untouched.
        bool runs = true;
        for (Kind& kind : kinds_) {
            if (!kind.present) continue;
            kind.failures = MissingSmileLists(job_.files, job_.log, SourcesOf(kind));
            runs = runs && kind.failures == 0;
        }
        UnitPlan plan;
        if (runs) {
            plan = PlanInfium(job_.files, job_.pack, job_.programFolder, smilies_, names_.renames);
            for (Kind& kind : kinds_) kind.failures += LogRefusals(job_.log, plan, kind.animated);
            runs = !HasRefusal(plan);
        }
        const bool bothKinds = job_.pack.SmileKinds == 0;
        view_.StartProgress({true, bothKinds, 2, bothKinds ? 0 : 40}, clock_);
        std::optional<InstallRun> run;
        if (runs) run.emplace(job_.files, job_.log, view_, BackupFolderOf(job_.qipFolder), plan);
        for (int k = 0; k < 2; ++k) {
            if (run && kinds_[k].present) InstallKind(kinds_[k], plan, *run);
            if (bothKinds) view_.ShowOverall(k + 1);
        }
        if (run) run->Finish();
        ShowReport();
        if (Succeeded()) OfferOldVersions();
        view_.FinishProgress();
        return InfiumOutcome::Installed;
    }

  private:
    bool Succeeded() const { return kinds_[0].failures == 0 && kinds_[1].failures == 0; }

    std::string FolderName(size_t variant, bool animated) const {
        return InfiumFolderName(variants_[variant], names_.renames, animated);
    }

    std::vector<std::string> SourcesOf(const Kind& kind) const {
        if (!kind.second) return {kind.fullLight};
        return {kind.fullLight, kind.liteDark};
    }

    // The folders are named after the pack and later emptied and removed by those names: a
    // name that could reach outside the Smilies folder stops the installation untouched.
    bool NamesAreSafe() {
        for (const InfiumVariant& variant : variants_) {
            for (const bool animated : {true, false}) {
                const std::string name = InfiumFolderName(variant, 0, animated);
                const std::string fault = FolderNameFault(name);
                if (fault.empty()) continue;
                const std::string text = "The smiles pack \"" + job_.pack.NameAndVersion +
                                         "\" cannot be installed: \"" + name +
                                         "\" cannot be the name of a folder, because " + fault +
                                         ". Nothing was changed.";
                LogProblem(job_.log, text);
                ShowErrorBox(job_.dialogs, Question::RefusedName,
                             "Velmora: Error in smiles-pack...", text);
                return false;
            }
        }
        return true;
    }

    // Without a user, the pack goes in under a new name beside a similar one, and over the
    // same pack installed before.
    BoxAnswer Ask(Question question, const std::string& text, BoxIcon icon, BoxButtons buttons) {
        MessageBoxRequest box(question,
                              buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok);
        box.text = text;
        box.title = job_.text[Text::ConfirmTitle];
        box.icon = icon;
        box.buttons = buttons;
        box.owner = BoxOwner::MainWindow;
        return job_.dialogs.Ask(box);
    }

    // The questions come before anything on disk changes; false when the user declined.
    bool AskBeforeChanging() {
        const UiStrings& text = job_.text;
        if (names_.nameChanged && !names_.samePackFound &&
            Ask(Question::SimilarPackFound,
                text[Text::SimilarPackFound] + " " + names_.lastClash + "),\r\n" +
                    text[Text::NewPackName] + " " + FolderName(0, true),
                BoxIcon::Warning, BoxButtons::OkCancel) != BoxAnswer::Ok) {
            return false;
        }
        if (!names_.samePackFound) return true;
        overwrite_ = Ask(Question::OverwriteSamePack,
                         text[Text::SamePackInstalled] + " " + names_.firstSamePack + "),\r\n" +
                             text[Text::AskOverwrite],
                         BoxIcon::Question, BoxButtons::YesNo) == BoxAnswer::Yes;
        return overwrite_;
    }

    void InstallKind(Kind& kind, const UnitPlan& plan, InstallRun& run) {
        view_.ResetStaticBar();
        KindTally tally{kind.copied, kind.failures};
        for (size_t i = 0; i < plan.folders.size(); ++i) {
            if (plan.folders[i].animated == kind.animated) run.Apply(i, tally);
        }
        kind.copied = tally.copied;
        kind.failures = tally.failures;
    }

    // The report names the variants by their base names, whatever suffix their folders took.
    std::string InstalledLines(const Kind& kind) const {
        const std::string ending = kind.animated ? "" : " Static";
        std::string lines;
        for (size_t v = 0; v < (kind.second ? 2u : 1u); ++v) {
            lines += (v > 0 || !kind.animated ? "\r\n" : "") +
                     job_.text[Text::ReportInstalledPack] + "  " + variants_[v].baseName +
                     ending + " " + job_.pack.CreationDate;
        }
        return lines;
    }

    std::string ReportText() const {
        const UiStrings& text = job_.text;
        const Text counts[2][2] = {{Text::ReportAnimatedCopied, Text::ReportAnimatedErrors},
                                   {Text::ReportStaticCopied, Text::ReportStaticErrors}};
        std::string report;
        for (int k = 0; k < 2; ++k) {
            const Kind& kind = kinds_[k];
            if (!kind.present) continue;
            if (k == 1 && kinds_[0].present) report += kReportSeparator;
            report += InstalledLines(kind) + kReportSeparator + "\r\n " + text[counts[k][0]] +
                      " " + std::to_string(kind.copied) + "\r\n " + text[counts[k][1]] + " " +
                      std::to_string(kind.failures);
        }
        return report + kReportSeparator + "\r\n " +
               text[Succeeded() ? Text::ReportSuccess : Text::ReportFailure];
    }

    void ShowReport() {
        MessageBoxRequest box(Question::InfiumReport);
        box.text = ReportText();
        box.title = job_.text[Text::CopyReportTitle];
        job_.dialogs.Ask(box);
    }

    bool AskToRemove(const std::string& folder, const std::string& identity) {
        const UiStrings& text = job_.text;
        MessageBoxRequest box(Question::RemoveOldVersion, BoxAnswer::No);
        box.text = text[Text::EarlierVersionFound] + "\r\n\r\n" + text[Text::FolderLabel] +
                   " \"" + folder + "\"\r\n" + text[Text::FoundVersionLabel] + " \"" +
                   identity + "\"\r\n\r\n" + text[Text::AskDeleteOldVersion];
        box.title = text[Text::CopyReportTitle];
        box.icon = BoxIcon::Question;
        box.buttons = BoxButtons::YesNo;
        return job_.dialogs.Ask(box) == BoxAnswer::Yes;
    }

    // Only folders directly inside Smilies whose record names a listed older version exactly
    // are offered, each on its own.
    void OfferOldVersions() {
        Files& files = job_.files;
        const std::string listPath = job_.programFolder + "\\Source SMP\\Old_Version_for_Erase.ini";
        if (!files.IsFile(listPath)) return;
        const FileLines list = ReadLines(files, listPath);
        if (!list.status.ok) throw UnexpectedFileError(listPath, list.status.reason);
        const std::vector<std::string> older = ReadOldVersionList(list.lines, variants_);
        for (const FolderEntry& entry : files.ListFolder(smilies_)) {
            if (!entry.isFolder || entry.hidden) continue;
            const std::string folder = smilies_ + "\\" + entry.name;
            // A junction's files belong to the folder it leads to.
            if (files.KindOf(folder) != PathKind::Folder) continue;
            const std::string record = folder + "\\" + kVersionRecordName;
            if (!files.IsFile(record)) continue;
            const std::string identity = ReadVersionRecord(files, record, RecordField::Identity);
            if (std::find(older.begin(), older.end(), identity) == older.end()) continue;
            if (!AskToRemove(folder, identity)) continue;
            ClearFolderFiles(files, folder);
            files.RemoveFolder(folder);
        }
    }

    const InfiumJob& job_;
    InstallProgressView& view_;
    const std::string smilies_;
    const std::vector<InfiumVariant> variants_;
    Kind kinds_[2];
    InfiumNames names_;
    bool overwrite_ = false;
    InstallClock clock_;
};

}  // namespace

UnitPlan PlanInfium(Files& files, const PackDescription& pack, const std::string& programFolder,
                    const std::string& smiliesFolder, int renames) {
    const std::vector<InfiumVariant> variants = InfiumVariantsOf(pack);
    const bool fullLite = ModeOf(pack) == kFullLiteMode;
    UnitPlan plan;
    for (const bool animated : {true, false}) {
        const Kind kind = MakeKind(pack, programFolder, animated, variants.size());
        if (!kind.present) continue;
        for (size_t v = 0; v < variants.size(); ++v) {
            const std::string folder =
                smiliesFolder + "\\" + InfiumFolderName(variants[v], renames, animated);
            if (v == 1 && !kind.second) {
                // A set of this pack that the new copy leaves out is emptied and removed.
                if (files.KindOf(folder) != PathKind::Folder) continue;
                FolderPlan removed = PlanTargetFolder(files, folder, animated);
                removed.removeAfter = true;
                plan.folders.push_back(removed);
                continue;
            }
            FolderPlan target = PlanTargetFolder(files, folder, animated);
            if (target.refusal.empty()) {
                if (v == 0 || fullLite) PlanCopy(files, target, kind.fullLight);
                if (v == 1) PlanCopy(files, target, kind.liteDark);
                if (v == 1 && fullLite) PlanLiteStep(files, target, kind.liteDark);
                target.recorded = true;
                target.record = {variants[v].identity, kind.name,
                                 v == 0 ? kind.fullCount : kind.liteCount};
            }
            plan.folders.push_back(target);
        }
    }
    return plan;
}

InfiumOutcome InstallPackIntoInfium(const InfiumJob& job, InstallProgressView& view) {
    return InfiumInstallation(job, view).Run();
}

}  // namespace velmora
