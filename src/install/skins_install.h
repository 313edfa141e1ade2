#pragma once
// Installing the pack into the skins of QIP 2005 that the user marks: each skin's smile
// folders are emptied and refilled with the variant the pack type and the install-mode page
// call for, recorded, and reported skin by skin. A skin is installed whole or given back what
// it held.

#include <cstdint>
#include <string>

#include "app/wizard.h"
#include "install/copy_smiles.h"
#include "install/install_plan.h"

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

KindVariant ChooseKindVariant(const PackDescription& pack, const std::string& programFolder,
                              bool animated, int32_t modeChoice);

// What installing into the skin's folder does: for each kind the pack has, its folder
// (Smilies\Animated, Smilies\Static) emptied into the backup and filled with the kind's
// variant, the lite step, and the record. Reads only.
UnitPlan PlanSkin(Files& files, const PackDescription& pack, const std::string& programFolder,
                  int32_t modeChoice, const std::string& skinFolder);

// The skins list of the wizard's window.
class SkinsChoice {
  public:
    virtual ~SkinsChoice() = default;
    // Lists the usable skins of the folder for marking and waits for Next, Back or Exit;
    // fills the skin list, marks it, and returns how many skins were marked.
    virtual int ChooseSkins(const std::string& skinsFolder, SkinList& skins) = 0;
    virtual void SetBackEnabled(bool enabled) = 0;
};

void InstallIntoSkins(Wizard& wizard, SkinsChoice& choice, InstallProgressView& view);

}  // namespace velmora
