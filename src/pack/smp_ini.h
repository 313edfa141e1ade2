#pragma once
// SMP.ini, the positional pack description: its check and its load into PackDescription.

#include <string>

#include "pack/pack_description.h"
#include "pack/pack_folder.h"

namespace velmora {

// Results of CheckPackDescription; 0 is a sound description.
enum DescriptionCheck : int {
    kDescriptionSound = 0,
    kDescriptionMissing = 1,
    kBadTypeTag = 2,
    kBadPagers = 3,
    kBadPackType = 4,
    kBadAnimatedFullLightCount = 5,
    kBadAnimatedLiteDarkCount = 6,
    kBadStaticFullLightCount = 7,
    kBadStaticLiteDarkCount = 8,
    kBadSmileKinds = 9,
    kTooFewLines = 10,
    kDescriptionUnreadable = 11,  // the file is there but the system would not let us read it
};

int CheckPackDescription(Files& files, const std::string& programFolder);

// Checks SMP.ini and fills the pack description. Returns the fault, a fatal finding, or none
// for a sound file.
Findings LoadPackDescription(const PackChecks& checks, PackDescription& pack);

}  // namespace velmora
