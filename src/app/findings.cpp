#include "app/findings.h"

namespace velmora {
namespace {

bool IsShownInABox(const Finding& finding, bool testMode) {
    if (finding.title.empty()) return false;
    return testMode || finding.severity == Severity::Fatal;
}

}  // namespace

void ReportFindings(Wizard& wizard, const Findings& findings) {
    const bool testMode = wizard.state.TestMode;
    for (const Finding& finding : findings) {
        if (!testMode && !finding.logText.empty()) LogProblem(wizard.state, finding.logText);
        if (IsShownInABox(finding, testMode))
            ShowErrorBox(wizard.sys.dialogs, Question::PackFault, finding.title, finding.text);
    }
}

}  // namespace velmora
