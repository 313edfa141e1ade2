#pragma once
// The checks a pack's author runs from the command line: those the wizard makes in test mode
// (SMP.ini, the agreement and the pack's texts, the smile folders, the language files next to
// the program), with each finding in the wizard's own words, and the pack-information text the
// wizard would show. Nothing is written.

#include <string>
#include <vector>

#include "platform/files.h"

namespace velmora {

// What the pack comes to, as the command's exit status.
enum class PackVerdict : int {
    Installs = 0,        // nothing to report
    WarningsOnly = 1,    // findings, but the wizard would install the pack
    NotInstallable = 2,  // the wizard would stop
};

struct PackCheckReport {
    std::vector<std::string> findings;  // one line each
    std::string packInfo;               // lines separated by "\n"; empty when the wizard stops
    PackVerdict verdict = PackVerdict::Installs;
};

// Checks the pack in programFolder's "Source SMP" with the texts of the language (the built-in
// "Russian", or a file of the Language folder, named with or without ".txt"; empty when that
// file is not there).
PackCheckReport CheckPackForAuthor(Files& files, const std::string& programFolder,
                                   const std::string& language, const std::string& version);

// The command line of velmora-check; usage errors leave folder empty and say why in error.
struct CheckArguments {
    std::string language = "Russian";
    std::string folder;
    std::string error;
};

inline constexpr const char* kCheckUsage =
    "usage: velmora-check [--lang NAME] <folder with Source SMP>";

CheckArguments ParseCheckArguments(const std::vector<std::string>& arguments);

// Runs the command: the text to print ("\n" line ends, UTF-8) and the exit status, which is a
// PackVerdict, or 3 for a command line that cannot be followed.
int RunPackCheck(Files& files, const std::vector<std::string>& arguments,
                 const std::string& version, std::string& output);

}  // namespace velmora
