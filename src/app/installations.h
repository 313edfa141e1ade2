#pragma once
// The wizard's two installation steps, over the wizard's records: each hands the installation
// what it works with and keeps what the installation decided.

#include "app/wizard.h"
#include "install/copy_smiles.h"
#include "install/skins_install.h"

namespace velmora {

// QIP 2005: the skins list, then the marked skins. Back from the list goes back, closing the
// window or leaving after a failed skin's report stops the wizard; anything else goes on.
PageResult InstallIntoSkins(Wizard& wizard, SkinsChoice& choice, InstallProgressView& view);

// QIP Infium: a declined question sends the user back to the choice of the search method; a
// pack that cannot be installed ends the wizard.
PageResult InstallIntoInfium(Wizard& wizard, InstallProgressView& view);

}  // namespace velmora
