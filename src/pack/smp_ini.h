#pragma once
// SMP.ini, the positional pack description: its check and its load into PackDescription.

#include <string>

#include "app/wizard.h"

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

// The path of a file or folder of the pack, which lies next to the program in "Source SMP".
std::string PackFilePath(Wizard& wizard, const std::string& name);

std::string PackDescriptionPath(Wizard& wizard);

int CheckPackDescription(Wizard& wizard);

// Checks SMP.ini, reports a fault (a message box, and outside test mode a LOG.txt entry),
// and fills PackDescription. A fault sets StopRequested.
void LoadPackDescription(Wizard& wizard);

}  // namespace velmora
