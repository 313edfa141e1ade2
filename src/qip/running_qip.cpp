#include "qip/running_qip.h"

#include <algorithm>

#include "qip/qip_folder.h"

namespace velmora {
namespace {

bool IsMessengerExecutable(const std::string& path) {
    const std::string name = ExecutableName(path);
    return name == "qip.exe" || name == "infium.exe";
}

// Puts a newly met path into the next free slot; the list opens with the second copy.
void Record(const std::string& path, FoundQipPaths& found, CopyList& list) {
    const auto free = std::find(found.begin(), found.end(), std::string());
    if (std::find(found.begin(), free, path) != free || free == found.end()) return;
    *free = path;
    if (free == found.begin() + 1) {
        list.Open(found[0], path);
    } else if (free != found.begin()) {
        list.Add(path);
    }
}

}  // namespace

void FindRunningQip(Processes& processes, FoundQipPaths& found, CopyList& list) {
    for (const TopWindow& window : processes.TopLevelWindows()) {
        if (window.isWizard || window.title.empty()) continue;
        const std::string path = processes.ExecutablePath(window.processId);
        if (IsMessengerExecutable(path)) Record(path, found, list);
    }
}

}  // namespace velmora
