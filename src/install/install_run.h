#pragma once
// Carrying out a unit's plan so that a failure takes nothing away. Before the first change the
// plan is written as the journal into the run's backup folder (on the messenger's volume,
// outside every folder the messenger reads); a file the plan replaces or removes is moved
// into that folder, not deleted. When the unit succeeds the journal and the backup are
// deleted; when it fails, every folder it changed gets back what it held, and the journal and
// the backup go too. A run that dies on the way leaves the journal, from which the next
// installation into that messenger undoes it.
//
// On disk, in the backup folder:
//   journal.txt   the unit's plan (PlanText), in UTF-8
//   1, 2, ...     the files moved out of the plan's first, second, ... folder, by their names

#include <set>
#include <string>
#include <vector>

#include "install/copy_smiles.h"
#include "install/install_plan.h"
#include "platform/dialogs.h"

namespace velmora {

// The backup folder of the installations into the messenger in that folder.
std::string BackupFolderOf(const std::string& qipFolder);

// What one kind came to: the smiles copied (less those the lite step deleted) and the files
// that could not be copied.
struct KindTally {
    int copied = 0;
    int failures = 0;
};

class InstallRun {
  public:
    // Writes the journal. One that cannot be written throws UnexpectedFileError before
    // anything changed.
    InstallRun(Files& files, ProblemLog& log, CopyProgress& progress, std::string backupFolder,
               UnitPlan plan);
    // A run left without Finish (an error thrown on the way) is restored.
    ~InstallRun();
    InstallRun(const InstallRun&) = delete;
    InstallRun& operator=(const InstallRun&) = delete;

    // Carries out the plan's folder: its files aside, the copies, the lite step and the
    // record. The copies run on from the tally's counts and add to them; each file that
    // cannot be copied is logged. A record that cannot be written throws UnexpectedFileError.
    void Apply(size_t folder, KindTally& tally);

    // Keeps what the unit installed when nothing failed, and otherwise gives every folder back
    // what it held. True when the unit is kept.
    bool Finish();

  private:
    void MoveAside(size_t index);
    bool IsKept(const std::string& path) const;
    bool CopyInto(const std::string& from, const std::string& folder, const std::string& name);
    void Restore();

    Files& files_;
    ProblemLog& log_;
    CopyProgress& progress_;
    std::string backup_;
    UnitPlan plan_;
    std::set<std::string> kept_;  // files that would not move aside, their paths lower-cased
    std::string keptReason_;
    size_t applied_ = 0;  // the folders the run has reached
    bool failed_ = false;
    bool finished_ = false;
};

// Gives the folders of an interrupted run back what they held, from the journal and the
// backup it left, and then deletes both; a journal cut short (the run had changed nothing
// yet) and a backup without a journal (its run had succeeded) are deleted. Returns the
// folders given back.
std::vector<std::string> RestoreInterruptedRun(Files& files, ProblemLog& log,
                                               const std::string& backupFolder);

// Restores an interrupted run before an installation into the messenger starts and, when
// there was one, tells the user in one warning box: the notice, then the folders restored.
void RecoverBeforeInstalling(Files& files, ProblemLog& log, Dialogs& dialogs,
                             const std::string& warningTitle, const std::string& notice,
                             const std::string& qipFolder);

}  // namespace velmora
