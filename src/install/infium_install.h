#pragma once
// Installing the pack into QIP Infium: every variant the pack has goes into folders of its
// own below the messenger's Smilies folder, named after the pack; a folder of those names that
// already holds this pack is offered for overwriting, one that holds something else makes the
// installation take numbered names. After a copy without failures the older versions the pack
// lists are offered for removal, folder by folder.

#include <string>

#include "base/problem_log.h"
#include "install/copy_smiles.h"
#include "install/install_job.h"
#include "install/install_plan.h"
#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace velmora {

using InfiumJob = InstallJob;

enum class InfiumOutcome {
    Installed,  // copied and reported, whether or not every file could be copied
    Cancelled,  // the user declined a question; nothing on disk changed
    Refused,    // the pack's name cannot name a folder; nothing on disk changed
};

// What installing every variant of the pack below the Smilies folder, under the names after
// so many name changes, does: each kind's folders emptied into the backup when they exist (a
// set of this pack the new copy leaves out is also removed), filled from their sources, the
// lite step and the records. Reads only.
UnitPlan PlanInfium(Files& files, const PackDescription& pack, const std::string& programFolder,
                    const std::string& smiliesFolder, int renames);

// Installs the pack; the run's folders are installed together or given back what they held.
InfiumOutcome InstallPackIntoInfium(const InfiumJob& job, InstallProgressView& view);

}  // namespace velmora
