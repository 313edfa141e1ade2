#pragma once
// The summary of the pack that the pack-information page shows.

#include <string>

#include "app/wizard.h"

namespace velmora {

struct PackInfoText {
    std::string text;
    int height = 0;  // pixels the text box needs
};

// How the pack's variants are checked and shown: 0 a single set, 1 full and lite versions,
// 2 light and dark backgrounds.
int PackMode(const PackDescription& pack);

// Checks the pack's smile folders, then composes the summary. A pack whose data make the
// installation impossible is reported and stops the wizard; the summary is then empty.
PackInfoText BuildPackInfo(Wizard& wizard);

}  // namespace velmora
