#pragma once
// Where the pack lies, and what the checks of its files work with.

#include <string>

#include "base/finding.h"
#include "platform/files.h"

namespace velmora {

// The path of a file or folder of the pack, which lies next to the program in "Source SMP".
inline std::string PackFilePath(const std::string& programFolder, const std::string& name) {
    return programFolder + "\\Source SMP\\" + name;
}

// The checks read the pack's files and return what they find. Test mode is the pack author's
// view: some checks look closer, and say more, in it.
struct PackChecks {
    Files& files;
    std::string programFolder;
    bool testMode;

    std::string PathOf(const std::string& name) const { return PackFilePath(programFolder, name); }
};

}  // namespace velmora
