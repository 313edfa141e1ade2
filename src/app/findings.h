#pragma once
// Where the findings of the checks reach the user or LOG.txt.

#include "app/wizard.h"
#include "base/finding.h"

namespace velmora {

// In test mode the pack's author sees every finding at once, in a box (or where it arises,
// for one without a title); outside test mode a fatal finding is shown in a box as well, and
// every finding with a log line is added to the log.
void ReportFindings(Wizard& wizard, const Findings& findings);

}  // namespace velmora
