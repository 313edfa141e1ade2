#include "app/wizard_state.h"

namespace velmora {

void LogProblem(WizardState& state, const std::string& entry) {
    state.ErrorLog += "\r\n" + entry;
    state.ErrorsFound = true;
}

}  // namespace velmora
