#pragma once
// The summary of the pack that the pack-information page shows.

#include <string>

#include "lang/ui_strings.h"
#include "pack/pack_description.h"
#include "pack/pack_folder.h"

namespace velmora {

struct PackInfoText {
    std::string text;
    int height = 0;  // pixels the text box needs
};

// The check the page makes first: the pack's smile folders against SMP.ini. It corrects the
// declared counts (for a pack of a single family the lite counts become 0) and returns the
// findings; a fatal one means the pack cannot be installed, and the wizard stops.
Findings CheckPackData(const PackChecks& checks, const UiStrings& text, PackDescription& pack);

// The summary the page shows, of a pack that passed CheckPackData.
PackInfoText ComposePackInfo(const UiStrings& text, const PackDescription& pack);

}  // namespace velmora
