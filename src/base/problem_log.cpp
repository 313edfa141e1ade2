#include "base/problem_log.h"

namespace velmora {

void LogProblem(ProblemLog& log, const std::string& entry) {
    log.ErrorLog += "\r\n" + entry;
    log.ErrorsFound = true;
}

}  // namespace velmora
