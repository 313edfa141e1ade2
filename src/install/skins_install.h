#pragma once
// Installing the pack into the skins of QIP 2005 that the user marks: each skin's smile
// folders are emptied and refilled with the variant the pack type and the install-mode page
// call for, recorded, and reported skin by skin. A skin is installed whole or given back what
// it held.

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
#include "platform/registry.h"
#include "qip/skins.h"

namespace velmora {

// One kind of smiles as the pack type and the install-mode choice call for it.
struct KindVariant {
    bool animated = true;
    std::string source;     // the source folder: the program folder and the pack's folder
    std::string liteDark;   // the kind's Lite Dark folder, whose lists the lite step reads
    std::string word;       // the variant word of the record and the report
    std::string count;      // the declared count the record carries
    bool liteStep = false;  // the full set less the smiles DeleteLite.ini names
};

// secondVariant: the second choice of the install-mode page (the lite or the dark version).
KindVariant ChooseKindVariant(const PackDescription& pack, const std::string& programFolder,
                              bool animated, bool secondVariant);

// What installing into the skin's folder does: for each kind the pack has, its folder
// (Smilies\Animated, Smilies\Static) emptied into the backup and filled with the kind's
// variant, the lite step, and the record. Reads only.
UnitPlan PlanSkin(Files& files, const PackDescription& pack, const std::string& programFolder,
                  bool secondVariant, const std::string& skinFolder);

// What the installation works with: besides any installation's, the registry for the quota
// and the choice of the install-mode page.
struct SkinsJob : InstallJob {
    Registry& registry;
    bool secondVariant = false;  // the second choice of the install-mode page
};

// How the skins list was left, and how many skins were marked.
struct SkinPick {
    enum class Left { Chosen, Back, Stop };
    Left left = Left::Chosen;
    int marked = 0;
};

// The skins list of the wizard's window.
class SkinsChoice {
  public:
    virtual ~SkinsChoice() = default;
    // Lists the usable skins of the folder for marking and waits for Next, Back or Exit;
    // fills the skin list and marks it.
    virtual SkinPick ChooseSkins(const std::string& skinsFolder, SkinList& skins) = 0;
    virtual void SetBackEnabled(bool enabled) = 0;
};

// First gives back what an interrupted installation into the messenger left, then shows the
// skins list until skins are marked or the list is left with Back or Exit. When no skin was
// marked and the user does not want to choose again, the pick is Chosen with none marked.
SkinPick PickSkinsToInstall(const SkinsJob& job, SkinsChoice& choice, SkinList& skins);

enum class SkinsOutcome {
    Installed,  // every marked skin installed and reported, whether or not every file copied
    Quit,       // the user chose to leave after a failed skin's report
};

struct SkinsResult {
    SkinsOutcome outcome = SkinsOutcome::Installed;
    bool quotaRaised = false;  // the GDI quota was raised: Windows must restart
};

// Installs the pack into the marked skins, skin by skin, and then, when the animated smiles
// need it, offers to raise the GDI quota. Each installed skin is marked installed.
SkinsResult InstallMarkedSkins(const SkinsJob& job, SkinList& skins, int marked,
                               InstallProgressView& view);

}  // namespace velmora
