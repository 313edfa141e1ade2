#pragma once
// The problems a run collects for LOG.txt. The checks of the pack and of the language files
// add to it; the closing sequence offers to write it out.

#include <string>

namespace velmora {

struct ProblemLog {
    std::string ErrorLog;
    bool ErrorsFound = false;
};

// Adds one problem; every entry starts on a new line.
void LogProblem(ProblemLog& log, const std::string& entry);

}  // namespace velmora
