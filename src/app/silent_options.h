#pragma once
// The command line of a silent installation: "/S" and its options.

#include <string>
#include <vector>

namespace velmora {

// What a silent run comes to, as the program's exit code.
enum class SilentExit : int {
    Installed = 0,
    InstalledWithErrors = 1,
    NotInstallable = 2,  // the pack cannot be installed
    NoMessenger = 3,     // none found, or more than one
    Refused = 4,         // no agreement, or a name that is not safe
    BadCommandLine = 5,
    RestartNeeded = 3010,  // installed; the raised quota takes effect after Windows restarts
};

struct SilentOptions {
    bool silent = false;             // "/S" was given
    std::string qipFolder;           // empty: the running copy, which must be the only one
    std::vector<std::string> skins;  // empty: every skin
    int variant = 1;                 // the first or second choice of the install-mode page
    std::string language;            // empty: the built-in language
    bool agree = false;
    bool removeOld = false;
    bool raiseQuota = false;
    std::string logPath;  // empty: LOG.txt beside the program
    std::string error;    // why the command line cannot be followed
};

// Reads the switches, in any order and any case; the first one not understood is named in
// error. Without "/S" nothing else is looked at: the window runs as always.
SilentOptions ParseSilentOptions(const std::vector<std::string>& arguments);

}  // namespace velmora
