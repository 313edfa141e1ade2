#pragma once
// The summary of the pack that the pack-information page shows.

#include <string>

#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "pack/pack_folder.h"

namespace velmora {

struct PackInfoText {
    std::string text;
    int height = 0;            // pixels the text box needs
    bool installable = false;  // false: the pack's data were reported as impossible to install
};

// Checks the pack's smile folders, then composes the summary. A pack whose data make the
// installation impossible is reported, and the summary is empty: the wizard stops.
PackInfoText BuildPackInfo(const PackChecks& checks, const UiStrings& text, PackDescription& pack);

}  // namespace velmora
