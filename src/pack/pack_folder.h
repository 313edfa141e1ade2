#pragma once
// Where the pack lies, and what the checks of its files work with.

#include <string>

#include "base/problem_log.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace velmora {

// The path of a file or folder of the pack, which lies next to the program in "Source SMP".
inline std::string PackFilePath(const std::string& programFolder, const std::string& name) {
    return programFolder + "\\Source SMP\\" + name;
}

// The checks read the pack's files and report what they find: in test mode at once in a box
// for the pack's author, otherwise in the log for LOG.txt (a fault that stops the wizard is
// shown in both modes).
struct PackChecks {
    Files& files;
    Dialogs& dialogs;
    std::string programFolder;
    bool testMode;
    ProblemLog& log;

    std::string PathOf(const std::string& name) const { return PackFilePath(programFolder, name); }
};

}  // namespace velmora
