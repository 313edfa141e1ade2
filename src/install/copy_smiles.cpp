#include "install/copy_smiles.h"

namespace velmora {
namespace {

constexpr const char* kListFileName = "_define.ini";

std::string TwoDigits(uint32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

void StartClock(InstallClock& clock, uint32_t now) {
    clock.start = now;
    clock.paused = 0;
}

uint32_t ElapsedMs(const InstallClock& clock, uint32_t now) {
    return now - clock.start - clock.paused;
}

std::string FormatElapsed(uint32_t ms) {
    const uint32_t seconds = ms / 1000;
    const uint32_t minutes = seconds / 60;
    return TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60) + ":" + TwoDigits(seconds % 60);
}

int MissingSmileLists(Files& files, ProblemLog& log, const std::vector<std::string>& folders) {
    int missing = 0;
    for (const std::string& folder : folders) {
        const std::string list = folder + "\\" + kListFileName;
        if (files.IsFile(list)) continue;
        LogProblem(log, "Error at copying file: " + list);
        ++missing;
    }
    return missing;
}

void ClearFolderFiles(Files& files, const std::string& folder) {
    for (const FolderEntry& entry : files.ListFolder(folder)) {
        if (!entry.isFolder) files.RemoveFile(folder + "\\" + entry.name);
    }
}

}  // namespace velmora
