#include "install/install_run.h"

#include <algorithm>
#include <map>
#include <set>

#include "base/text_lines.h"
#include "base/unexpected_error.h"
#include "install/version_record.h"

namespace velmora {
namespace {

std::string JournalOf(const std::string& backupFolder) {
    return backupFolder + "\\journal.txt";
}

// Where the files moved out of the plan's folder of that index lie.
std::string AsideFolder(const std::string& backupFolder, size_t index) {
    return backupFolder + "\\" + std::to_string(index + 1);
}

// Ends the journal: from then on the backup belongs to no run and is only removed. A journal
// that can be neither deleted nor emptied keeps everything for the next recovery.
bool EndJournal(Files& files, const std::string& backupFolder) {
    const std::string journal = JournalOf(backupFolder);
    return files.KindOf(journal) == PathKind::Missing || files.RemoveFile(journal) ||
           files.WriteUtf8Durably(journal, "").ok;
}

void RemoveBackup(Files& files, const std::string& backupFolder) {
    if (!EndJournal(files, backupFolder)) return;
    for (const FolderEntry& entry : files.ListFolder(backupFolder)) {
        const std::string path = backupFolder + "\\" + entry.name;
        if (files.KindOf(path) != PathKind::Folder) {
            files.RemoveFile(path);
            continue;
        }
        for (const FolderEntry& file : files.ListFolder(path)) files.RemoveFile(path + "\\" + file.name);
        files.RemoveFolder(path);
    }
    files.RemoveFolder(backupFolder);
}

// Gives one folder back what it held: the files the plan wrote go, the files moved aside
// return, and the levels it made are removed. A file that never left is not touched. Works
// from whatever point the folder's run reached; true when everything is back.
bool RestoreFolder(Files& files, const FolderPlan& plan, const std::string& aside) {
    if (!plan.refusal.empty()) return true;
    if (plan.removeAfter && !plan.aside.empty()) files.MakeFolders(plan.folder);
    std::map<std::string, std::string> before;  // lower-cased name: the name it had
    for (const std::string& name : plan.aside) before[LowerAscii(name)] = name;
    bool restored = true;
    std::set<std::string> seen;
    for (const std::string& name : NewNames(plan)) {
        const std::string lower = LowerAscii(name);
        if (!seen.insert(lower).second) continue;
        const auto old = before.find(lower);
        if (old != before.end() && files.KindOf(aside + "\\" + old->second) == PathKind::Missing)
            continue;  // the old file stayed where it was and nothing replaced it
        const std::string path = plan.folder + "\\" + name;
        if (files.KindOf(path) == PathKind::File && !files.RemoveFile(path)) restored = false;
    }
    for (const std::string& name : plan.aside) {
        const std::string from = aside + "\\" + name;
        if (files.KindOf(from) == PathKind::Missing) continue;
        if (!files.Move(from, plan.folder + "\\" + name).ok) restored = false;
    }
    for (auto level = plan.make.rbegin(); level != plan.make.rend(); ++level)
        files.RemoveFolder(*level);
    files.RemoveFolder(aside);
    return restored;
}

// Restores the first folders of the plan, logging each; true when all are back.
bool RestoreFolders(Files& files, ProblemLog& log, const std::string& backupFolder,
                    const UnitPlan& plan, size_t count, std::vector<std::string>* restored) {
    bool all = true;
    for (size_t i = count; i-- > 0;) {
        const FolderPlan& folder = plan.folders[i];
        if (!folder.refusal.empty()) continue;
        if (RestoreFolder(files, folder, AsideFolder(backupFolder, i))) {
            LogProblem(log, "Restored as it was before the installation: " + folder.folder);
            if (restored) restored->push_back(folder.folder);
        } else {
            LogProblem(log, "Not fully restored as it was before the installation: " +
                                folder.folder + "; what it held is kept in " +
                                AsideFolder(backupFolder, i));
            all = false;
        }
    }
    return all;
}

}  // namespace

std::string BackupFolderOf(const std::string& qipFolder) {
    return qipFolder + "\\Velmora backup";
}

InstallRun::InstallRun(Files& files, ProblemLog& log, CopyProgress& progress,
                       std::string backupFolder, UnitPlan plan)
    : files_(files),
      log_(log),
      progress_(progress),
      backup_(std::move(backupFolder)),
      plan_(std::move(plan)) {
    const std::string journal = JournalOf(backup_);
    if (!files_.MakeFolders(backup_)) throw UnexpectedFileError(backup_, "the folder cannot be made");
    const FileStatus written = files_.WriteUtf8Durably(journal, PlanText(plan_));
    if (!written.ok) {
        finished_ = true;  // nothing changed
        files_.RemoveFolder(backup_);
        throw UnexpectedFileError(journal, written.reason);
    }
}

InstallRun::~InstallRun() {
    if (!finished_) Restore();
}

void InstallRun::Apply(size_t index, KindTally& tally) {
    const FolderPlan& plan = plan_.folders[index];
    applied_ = std::max(applied_, index + 1);
    if (!plan.refusal.empty()) {
        failed_ = true;
        return;
    }
    for (const std::string& level : plan.make) files_.MakeFolders(level);
    MoveAside(index);
    if (plan.removeAfter) {
        files_.RemoveFolder(plan.folder);
        return;
    }
    for (const CopyPass& pass : plan.copies) {
        int passFailures = 0;
        for (const auto* names : {&pass.smiles, &pass.lists}) {
            const bool smiles = names == &pass.smiles;
            for (const std::string& name : *names) {
                progress_.BeforeEntry(plan.animated, passFailures + tally.copied);
                const std::string from = pass.source + "\\" + name;
                if (CopyInto(from, plan.folder, name)) {
                    if (smiles) ++tally.copied;
                    continue;
                }
                ++passFailures;
                ++tally.failures;
                failed_ = true;
                LogProblem(log_, "Error at copying file: " + from);
            }
        }
    }
    if (!plan.liteList.empty()) {
        if (!CopyInto(plan.liteList, plan.folder, "_define.ini")) {
            ++tally.failures;
            failed_ = true;
            LogProblem(log_, "Error at copying file: " + plan.liteList);
        }
        for (const std::string& name : plan.liteRemovals) {
            if (files_.RemoveFile(plan.folder + "\\" + name)) --tally.copied;
        }
    }
    if (plan.recorded) {
        const std::string record = plan.folder + "\\" + kVersionRecordName;
        if (IsKept(record)) throw UnexpectedFileError(record, keptReason_);
        WriteVersionRecord(files_, plan.folder, plan.record.identity, plan.record.kind,
                           plan.record.count);
    }
}

bool InstallRun::Finish() {
    finished_ = true;
    if (failed_) {
        Restore();
        return false;
    }
    // The journal goes first, then what was moved aside, by the names the plan knows.
    if (!EndJournal(files_, backup_)) return true;
    for (size_t i = 0; i < applied_; ++i) {
        for (const std::string& name : plan_.folders[i].aside)
            files_.RemoveFile(AsideFolder(backup_, i) + "\\" + name);
    }
    RemoveBackup(files_, backup_);
    return true;
}

void InstallRun::MoveAside(size_t index) {
    const FolderPlan& plan = plan_.folders[index];
    if (plan.aside.empty()) return;
    const std::string aside = AsideFolder(backup_, index);
    files_.MakeFolders(aside);
    for (const std::string& name : plan.aside) {
        const std::string path = plan.folder + "\\" + name;
        const FileStatus moved = files_.Move(path, aside + "\\" + name);
        if (moved.ok) continue;
        // It stays, and nothing may take its place: there would be no way back to it.
        kept_.insert(LowerAscii(path));
        keptReason_ = moved.reason;
    }
}

bool InstallRun::IsKept(const std::string& path) const {
    return !kept_.empty() && kept_.count(LowerAscii(path)) > 0;
}

bool InstallRun::CopyInto(const std::string& from, const std::string& folder,
                          const std::string& name) {
    const std::string to = folder + "\\" + name;
    if (IsKept(to)) return false;
    return files_.CopyFileOver(from, to) || files_.ShellCopy(from, to);
}

void InstallRun::Restore() {
    finished_ = true;
    if (RestoreFolders(files_, log_, backup_, plan_, applied_, nullptr))
        RemoveBackup(files_, backup_);
}

std::vector<std::string> RestoreInterruptedRun(Files& files, ProblemLog& log,
                                               const std::string& backupFolder) {
    std::vector<std::string> restored;
    if (files.KindOf(backupFolder) != PathKind::Folder) return restored;
    const FileText journal = files.ReadText(JournalOf(backupFolder));
    UnitPlan plan;
    if (journal.status.ok && ParsePlanText(journal.text, plan) &&
        !RestoreFolders(files, log, backupFolder, plan, plan.folders.size(), &restored)) {
        return restored;  // the journal and the backup stay for another try
    }
    RemoveBackup(files, backupFolder);
    return restored;
}

void RecoverBeforeInstalling(Files& files, ProblemLog& log, Dialogs& dialogs,
                             const std::string& warningTitle, const std::string& notice,
                             const std::string& qipFolder) {
    const std::vector<std::string> restored =
        RestoreInterruptedRun(files, log, BackupFolderOf(qipFolder));
    if (restored.empty()) return;
    MessageBoxRequest box(Question::RecoveryNotice);
    box.title = warningTitle;
    box.icon = BoxIcon::Warning;
    box.text = notice;
    for (const std::string& folder : restored) box.text += "\r\n" + folder;
    dialogs.Ask(box);
}

}  // namespace velmora
